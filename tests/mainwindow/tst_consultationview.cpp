// The main window end to end: own digits through the core's consultation procedure, then the
// labels, the visible bars and marks, and the colours on screen.
#include "AppSetup.h"
#include "FormKit.h"
#include "MainWindowRig.h"
#include "QuivarDATA.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A row of a panel, top row first: Y young yang, N young yin, O old yang (ring), X old yin.
using Rows = QString;

QColor rgb(const char16_t *hex)
{
    return QColor(QString::fromUtf16(hex));
}

// Six colours, top row first.
QList<QColor> colours(std::initializer_list<const char16_t *> hexes)
{
    QList<QColor> out;
    for (const char16_t *h : hexes)
        out << rgb(h);
    return out;
}

QList<QColor> sixTimes(const char16_t *hex)
{
    return colours({ hex, hex, hex, hex, hex, hex });
}

QColor pixel(const QImage &image, QPoint p)
{
    return QColor(image.pixel(p));
}

} // namespace

class TestConsultationView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void windowBeforeFirstConsultation();
    void lineRows_data();
    void lineRows();
    void coveredSecondaryArea();
    void noMovesThenMoves();
    void noMovesKeepsSecondaryBarsCovered();
    void valueOutsideSixToNineLeavesRow();
    void stacking_data();
    void stacking();

    void schemeColours_data();
    void schemeColours();
    void schemeBoxesExclude_data();
    void schemeBoxesExclude();
    void schemeBeforeFirstConsultation_data();
    void schemeBeforeFirstConsultation();

    void intermediateView_data();
    void intermediateView();
    void nuclearView_data();
    void nuclearView();
    void crossPressReturnsToNormal_data();
    void crossPressReturnsToNormal();
    void viewPressesKeepMethodAndDate_data();
    void viewPressesKeepMethodAndDate();
    void viewPressesBeforeFirstConsultationDoNothing();
    void intermediatePressWithoutMovingLineKeepsCaption();
    void tickChangeInIntermediateViewLeavesIt();
    void tickChangeInNuclearViewRecolours();

private:
    void checkPrimaryRows(Rig &rig, const Rows &rows, int number);
    void checkSecondaryRows(Rig &rig, const Rows &rows);
    void checkColours(Rig &rig, bool primary, const Rows &rows, const QList<QColor> &expected);
};

void TestConsultationView::initTestCase()
{
    setUpApplication(*qApp);
    QLocale::setDefault(QLocale::c());
}

void TestConsultationView::checkPrimaryRows(Rig &rig, const Rows &rows, int number)
{
    TForm1 &f = rig.form;
    for (int r = 1; r <= 6; ++r) {
        const std::size_t i = std::size_t(r - 1);
        const QChar kind = rows.at(r - 1);
        const bool yang = kind == u'Y' || kind == u'O';
        const bool moving = kind == u'O' || kind == u'X';
        const QByteArray where = "row " + QByteArray::number(r);
        QVERIFY2(rig.ui.shp_LijnA_A[i]->isVisibleTo(&f) == yang, where);
        QVERIFY2(rig.ui.shp_LijnBA_A[i]->isVisibleTo(&f) == !yang, where);
        QVERIFY2(rig.ui.shp_LijnBB_A[i]->isVisibleTo(&f) == !yang, where);
        QVERIFY2(rig.ui.shp_cirkel_A[i]->isVisibleTo(&f) == (kind == u'O'), where);
        QVERIFY2(rig.ui.SMB_StrpA_A[i]->isVisibleTo(&f) == (kind == u'X'), where);
        QVERIFY2(rig.ui.SMB_StrpB_A[i]->isVisibleTo(&f) == (kind == u'X'), where);
        const QString value = kind == u'Y' ? u"7"_s : kind == u'N' ? u"8"_s : kind == u'O' ? u"9"_s : u"6"_s;
        QCOMPARE(rig.ui.lbl_Uitk_A[i]->text(), value);
        // Row r shows line 7 - r.
        QCOMPARE(rig.ui.lbl_Lijnb[i]->text(), moving ? LineTexts(number, 7 - r) : QString());
    }
    // A ring is a closed band 3 pixels wide round its bar's centre, filling its 24 x 24 box.
    const QImage screen = rig.screen();
    for (int r = 1; r <= 6; ++r) {
        if (rows.at(r - 1) != u'O')
            continue;
        const QPointF centre(133, PrimaryBarY[r - 1] + 9);
        for (int x = 121; x < 145; ++x) {
            for (int y = PrimaryBarY[r - 1] - 3; y < PrimaryBarY[r - 1] + 21; ++y) {
                const qreal d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
                if (d > 9.3 && d < 11.7)
                    QCOMPARE(pixel(screen, QPoint(x, y)), Palette::clNavy);
            }
        }
    }
}

void TestConsultationView::checkSecondaryRows(Rig &rig, const Rows &rows)
{
    TForm1 &f = rig.form;
    for (int r = 1; r <= 6; ++r) {
        const std::size_t i = std::size_t(r - 1);
        const bool yang = rows.at(r - 1) == u'Y';
        const QByteArray where = "row " + QByteArray::number(r);
        QVERIFY2(rig.ui.shp_LijnA_B[i]->isVisibleTo(&f) == yang, where);
        QVERIFY2(rig.ui.shp_LijnBA_B[i]->isVisibleTo(&f) == !yang, where);
        QVERIFY2(rig.ui.shp_LijnBB_B[i]->isVisibleTo(&f) == !yang, where);
    }
}

void TestConsultationView::checkColours(
    Rig &rig, bool primary, const Rows &rows, const QList<QColor> &expected)
{
    const QImage screen = rig.screen();
    for (int r = 1; r <= 6; ++r) {
        const QChar kind = rows.at(r - 1);
        const bool yang = kind == u'Y' || kind == u'O';
        const QColor want = expected.at(r - 1);
        const QByteArray where = (primary ? "primary row " : "secondary row ") + QByteArray::number(r);
        if (yang) {
            QCOMPARE(pixel(screen, Rig::solidSpot(primary, r)), want);
            QCOMPARE(pixel(screen, Rig::rightHalfSpot(primary, r)), want);
        } else {
            QCOMPARE(pixel(screen, Rig::leftHalfSpot(primary, r)), want);
            QCOMPARE(pixel(screen, Rig::rightHalfSpot(primary, r)), want);
        }
        // A scheme colours the bars only, never the value circles.
        if (primary)
            QCOMPARE(pixel(screen, QPoint(16, PrimaryBarY[r - 1] + 10)), Palette::clMoneyGreen);
        if (QTest::currentTestFailed())
            qWarning("at %s", where.constData());
    }
}

void TestConsultationView::windowBeforeFirstConsultation()
{
    Rig rig;
    TForm1 &f = rig.form;
    QCOMPARE(f.windowTitle(), u"WENDARIX vs 13.2"_s);
    QCOMPARE(f.size(), QSize(689, 447));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
    // The design captions and what is shown or hidden at design are rows of the layout table
    // (tst_commands); here the state around them.
    QVERIFY(!rig.ui.cbRegen->isChecked());
    QVERIFY(!rig.ui.cbKleur->isChecked());
    for (int r = 1; r <= 6; ++r) {
        const std::size_t i = std::size_t(r - 1);
        // The secondary solid bars lie over the gradient, the sign over them.
        QVERIFY(rig.stackIndex(rig.ui.shp_LijnA_B[i]) > rig.stackIndex(rig.ui.GPnl_Hex2b));
        QVERIFY(rig.stackIndex(rig.ui.img_taosml) > rig.stackIndex(rig.ui.shp_LijnA_B[i]));
    }
    QVERIFY(rig.ui.img_taosml->isVisibleTo(&f));
    const QImage screen = rig.screen();
    for (int r = 1; r <= 6; ++r) {
        QCOMPARE(pixel(screen, Rig::solidSpot(true, r)), Palette::clFuchsia);
        QCOMPARE(pixel(screen, Rig::solidSpot(false, r)), Palette::clFuchsia);
    }
    // lbRegelnr alone is drawn on the face colour, behind its text only (it ends at 623).
    QCOMPARE(pixel(screen, QPoint(622, 6)), f.palette().color(QPalette::Window));
    QCOMPARE(pixel(screen, QPoint(524, 6)), pixel(screen, QPoint(510, 6))); // the gradient
    QCOMPARE(f.focusWidget(), rig.ui.knpVraag);
}

void TestConsultationView::lineRows_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("primary");
    QTest::addColumn<Rows>("primaryRows");
    QTest::addColumn<int>("changed"); // 0: no moving line
    QTest::addColumn<Rows>("changedRows");
    QTest::addColumn<QString>("primaryHouse");
    QTest::addColumn<QString>("changedHouse");

    QTest::newRow("7,7,7,7,7,7") << u"777777"_s << 1 << u"YYYYYY"_s << 0 << QString() << u"Uitdaging"_s
                                 << QString();
    QTest::newRow("9,7,7,7,7,6") << u"977776"_s << 43 << u"XYYYYO"_s << 44 << u"YYYYYN"_s << u"Ontsnapping"_s
                                 << u"Uitdaging"_s;
    QTest::newRow("8,7,9,6,8,7") << u"879687"_s << 18 << u"YNXOYN"_s << 64 << u"YNYNYN"_s
                                 << u"Vastberadenheid"_s << u"Intensiteit"_s;
    QTest::newRow("6,6,6,6,6,6") << u"666666"_s << 2 << u"XXXXXX"_s << 1 << u"YYYYYY"_s << u"Ontwikkeling"_s
                                 << u"Uitdaging"_s;
    QTest::newRow("9,9,9,9,9,9") << u"999999"_s << 1 << u"OOOOOO"_s << 2 << u"NNNNNN"_s << u"Uitdaging"_s
                                 << u"Ontwikkeling"_s;
    QTest::newRow("7,8,8,8,7,8 single digit number")
        << u"788878"_s << 3 << u"NYNNNY"_s << 0 << QString() << u"Tegenspoed"_s << QString();
}

void TestConsultationView::lineRows()
{
    QFETCH(QString, digits);
    QFETCH(int, primary);
    QFETCH(Rows, primaryRows);
    QFETCH(int, changed);
    QFETCH(Rows, changedRows);
    QFETCH(QString, primaryHouse);
    QFETCH(QString, changedHouse);

    Rig rig;
    rig.cast(digits, u"Wat brengt de dag?"_s);
    TForm1 &f = rig.form;
    QCOMPARE(rig.ui.lbl_Vraag->text(), u"Wat brengt de dag?"_s);
    QCOMPARE(rig.ui.lbl_Datumx->text(), u"07/03/25 09:05:07"_s);
    QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::OwnThrow);
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), QString::number(primary));
    QCOMPARE(rig.ui.lbl_HexTitel_A->text(), Title(primary));
    QCOMPARE(rig.ui.lbl_Huistxt_A->text(), primaryHouse);
    QCOMPARE(rig.ui.lbl_RaadDV_A->text(), ProcessText(primary));
    QCOMPARE(rig.ui.lbl_RaadSL_A->text(), AdviceText(primary));
    checkPrimaryRows(rig, primaryRows, primary);

    if (changed == 0) {
        QCOMPARE(rig.ui.lbl_Verander->text(), u"Geen Veranderingen"_s);
        QVERIFY(rig.ui.lbl_LijnenTitel->text().isEmpty());
        for (QLabel *empty : { rig.ui.lbl_Hexnr_B, rig.ui.lbl_Huistxt_B, rig.ui.lbl_HexTitel_B,
                 rig.ui.lbl_RaadDV_B, rig.ui.lbl_RaadSL_B })
            QVERIFY2(empty->text().isEmpty(), qPrintable(empty->objectName()));
        QVERIFY(!rig.ui.btTussenHex->isVisibleTo(&f));
        QVERIFY(rig.ui.img_taosml->isVisibleTo(&f));
    } else {
        QCOMPARE(rig.ui.lbl_Verander->text(), u"Hexagram verandert"_s);
        QCOMPARE(rig.ui.lbl_LijnenTitel->text(), u"De Bewegende Lijnen"_s);
        QCOMPARE(rig.ui.lbl_Hexnr_B->text(), QString::number(changed));
        QCOMPARE(rig.ui.lbl_HexTitel_B->text(), Title(changed));
        QCOMPARE(rig.ui.lbl_Huistxt_B->text(), changedHouse);
        QCOMPARE(rig.ui.lbl_RaadDV_B->text(), ProcessText(changed));
        QCOMPARE(rig.ui.lbl_RaadSL_B->text(), AdviceText(changed));
        checkSecondaryRows(rig, changedRows);
        QVERIFY(rig.ui.btTussenHex->isVisibleTo(&f));
        QVERIFY(!rig.ui.img_taosml->isVisibleTo(&f));
    }
}

void TestConsultationView::coveredSecondaryArea()
{
    Rig rig;
    rig.cast(u"777777"_s);
    for (int r = 1; r <= 6; ++r) {
        const std::size_t i = std::size_t(r - 1);
        for (QWidget *bar : { (QWidget *)rig.ui.shp_LijnA_B[i], (QWidget *)rig.ui.shp_LijnBA_B[i],
                 (QWidget *)rig.ui.shp_LijnBB_B[i] })
            QVERIFY(rig.stackIndex(rig.ui.GPnl_Hex2b) > rig.stackIndex(bar));
    }
    QVERIFY(rig.stackIndex(rig.ui.img_taosml) > rig.stackIndex(rig.ui.GPnl_Hex2b));
    // On screen the gradient is seen where the solid bars would be.
    const QImage screen = rig.screen();
    for (int r = 1; r <= 6; ++r) {
        const QPoint spot = Rig::solidSpot(false, r);
        QCOMPARE(pixel(screen, spot), QColor(rig.secondaryGradientAt(spot)));
    }
    // And the sign's dark half in the middle of the area.
    QCOMPARE(pixel(screen, QPoint(516 + 60, 178 + 40)), TTaoImage::Dark);
}

void TestConsultationView::noMovesThenMoves()
{
    Rig rig;
    rig.cast(u"777777"_s);
    rig.cast(u"977776"_s);
    TForm1 &f = rig.form;
    QVERIFY(!rig.ui.img_taosml->isVisibleTo(&f));
    QVERIFY(rig.ui.btTussenHex->isVisibleTo(&f));
    QCOMPARE(rig.stackIndex(rig.ui.GPnl_Achter), 0);
    QCOMPARE(rig.stackIndex(rig.ui.GPnl_Hex2b), 1);
    checkSecondaryRows(rig, u"YYYYYN"_s);
    checkColours(rig, false, u"YYYYYN"_s,
        colours({ u"#B49238", u"#B49238", u"#B49238", u"#0E7106", u"#0E7106", u"#0E7106" }));
    QCOMPARE(rig.ui.lbl_Verander->text(), u"Hexagram verandert"_s);
    QCOMPARE(rig.ui.lbl_LijnenTitel->text(), u"De Bewegende Lijnen"_s);
}

void TestConsultationView::noMovesKeepsSecondaryBarsCovered()
{
    Rig rig;
    rig.cast(u"977776"_s); // changed 44: row 6 broken
    rig.cast(u"788878"_s); // no moving line
    checkSecondaryRows(rig, u"YYYYYN"_s);
    QVERIFY(rig.stackIndex(rig.ui.GPnl_Hex2b) > rig.stackIndex(rig.ui.shp_LijnBA_B[5]));
    const QImage screen = rig.screen();
    const QPoint spot = Rig::leftHalfSpot(false, 6);
    QCOMPARE(pixel(screen, spot), QColor(rig.secondaryGradientAt(spot)));
}

void TestConsultationView::valueOutsideSixToNineLeavesRow()
{
    Rig rig;
    rig.cast(u"977776"_s);
    // A value no cast can make (an edited journal line, say): its row stays as it was.
    rig.state.lines[5] = 5;
    rig.state.derivePatterns();
    rig.state.changedLines[5] = 0; // and a changed value other than 7 or 8 leaves its row too
    rig.form.showConsultation();
    TForm1 &f = rig.form;
    QVERIFY(rig.ui.SMB_StrpA_A[0]->isVisibleTo(&f));
    checkSecondaryRows(rig, u"YYYYYN"_s);
    QCOMPARE(rig.ui.lbl_Lijnb[0]->text(), LineTexts(43, 6));
    QCOMPARE(rig.ui.lbl_Uitk_A[0]->text(), u"5"_s);
}

void TestConsultationView::stacking_data()
{
    QTest::addColumn<QString>("digits"); // empty: the window at design
    QTest::newRow("at design") << QString();
    QTest::newRow("6,9,6,9,6,9 every mark shown") << u"696969"_s;
}

// Panels and frames lie under every control seen over them; rings, crosses and digits lie over
// the bars and circles they mark.
void TestConsultationView::stacking()
{
    QFETCH(QString, digits);
    Rig rig;
    TForm1 &f = rig.form;
    if (!digits.isEmpty())
        rig.cast(digits);
    const auto isGround = [](const QWidget *w) {
        const auto *bevel = qobject_cast<const TSMBevel *>(w);
        return qobject_cast<const TGradientPanel *>(w)
            || (bevel && bevel->Shape() <= TSMBevelShape::mbsFrame);
    };
    const auto isMark = [&isGround](const QWidget *w) {
        const auto *shape = qobject_cast<const TShape *>(w);
        return (shape && !shape->isFilled()) || (qobject_cast<const TSMBevel *>(w) && !isGround(w))
            || w->objectName().startsWith(u"lbl_Uitk"_s);
    };
    const QList<QWidget *> controls = f.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *under : controls) {
        for (const QWidget *over : controls) {
            if (under == over || !under->isVisibleTo(&f) || !over->isVisibleTo(&f)
                || !under->geometry().intersects(over->geometry()))
                continue;
            const bool marked = isMark(over) && qobject_cast<const TShape *>(under) && !isMark(under);
            if ((isGround(under) && !isGround(over)) || marked)
                QVERIFY2(rig.stackIndex(over) > rig.stackIndex(under),
                    qPrintable(over->objectName() + u" lies under "_s + under->objectName()));
        }
    }
}

void TestConsultationView::schemeColours_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("box"); // "", "cbRegen" or "cbKleur"
    QTest::addColumn<bool>("tickFirst"); // ticked before the cast, or clicked after it
    QTest::addColumn<Rows>("primaryRows");
    QTest::addColumn<QList<QColor>>("primaryColours");
    QTest::addColumn<Rows>("changedRows"); // empty: covered
    QTest::addColumn<QList<QColor>>("changedColours");

    const auto lakeOverHeaven = [](const char16_t *lake, const char16_t *heaven) {
        return colours({ lake, lake, lake, heaven, heaven, heaven });
    };
    const auto heavenOverWind = [](const char16_t *heaven, const char16_t *wind) {
        return colours({ heaven, heaven, heaven, wind, wind, wind });
    };
    QTest::newRow("7,7,7,7,7,7 Doravel") << u"777777"_s << QString() << false << u"YYYYYY"_s
                                         << sixTimes(u"#B49238") << QString() << QList<QColor>();
    QTest::newRow("9,7,7,7,7,6 Doravel")
        << u"977776"_s << QString() << false << u"XYYYYO"_s << lakeOverHeaven(u"#0189F4", u"#B49238")
        << u"YYYYYN"_s << heavenOverWind(u"#B49238", u"#0E7106");
    QTest::newRow("9,7,7,7,7,6 rainbow ticked after")
        << u"977776"_s << u"cbRegen"_s << false << u"XYYYYO"_s << lakeOverHeaven(u"#D1215A", u"#FFFFFF")
        << u"YYYYYN"_s << heavenOverWind(u"#FFFFFF", u"#6CB48C");
    QTest::newRow("9,7,7,7,7,6 rainbow ticked before")
        << u"977776"_s << u"cbRegen"_s << true << u"XYYYYO"_s << lakeOverHeaven(u"#D1215A", u"#FFFFFF")
        << u"YYYYYN"_s << heavenOverWind(u"#FFFFFF", u"#6CB48C");
    QTest::newRow("9,7,7,7,7,6 grey ticked after")
        << u"977776"_s << u"cbKleur"_s << false << u"XYYYYO"_s << sixTimes(u"#6F6F6F") << u"YYYYYN"_s
        << sixTimes(u"#6F6F6F");
    QTest::newRow("9,7,7,7,7,6 grey ticked before")
        << u"977776"_s << u"cbKleur"_s << true << u"XYYYYO"_s << sixTimes(u"#6F6F6F") << u"YYYYYN"_s
        << sixTimes(u"#6F6F6F");
    // Mountain over Wind, changed to Fire over Water.
    QTest::newRow("8,7,9,6,8,7 Doravel")
        << u"879687"_s << QString() << false << u"YNXOYN"_s
        << colours({ u"#70278B", u"#70278B", u"#70278B", u"#0E7106", u"#0E7106", u"#0E7106" }) << u"YNYNYN"_s
        << colours({ u"#EBC238", u"#EBC238", u"#EBC238", u"#363C98", u"#363C98", u"#363C98" });
    // Thunder over Earth, changed to Earth over Thunder.
    QTest::newRow("6,8,8,9,8,8 rainbow")
        << u"688988"_s << u"cbRegen"_s << false << u"NNONNX"_s
        << colours({ u"#F2EF5B", u"#F2EF5B", u"#F2EF5B", u"#000000", u"#000000", u"#000000" }) << u"NNNNNY"_s
        << colours({ u"#000000", u"#000000", u"#000000", u"#F2EF5B", u"#F2EF5B", u"#F2EF5B" });
}

void TestConsultationView::schemeColours()
{
    QFETCH(QString, digits);
    QFETCH(QString, box);
    QFETCH(bool, tickFirst);
    QFETCH(Rows, primaryRows);
    QFETCH(QList<QColor>, primaryColours);
    QFETCH(Rows, changedRows);
    QFETCH(QList<QColor>, changedColours);

    Rig rig;
    auto *checkBox = box.isEmpty() ? nullptr : rig.form.findChild<QCheckBox *>(box);
    if (checkBox && tickFirst)
        QTest::mouseClick(checkBox, Qt::LeftButton);
    rig.cast(digits);
    if (checkBox && !tickFirst)
        QTest::mouseClick(checkBox, Qt::LeftButton);
    if (checkBox)
        QVERIFY(checkBox->isChecked());

    checkColours(rig, true, primaryRows, primaryColours);
    if (!changedRows.isEmpty())
        checkColours(rig, false, changedRows, changedColours);
}

void TestConsultationView::schemeBoxesExclude_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("regen");
    QTest::addColumn<bool>("kleur");
    QTest::addColumn<QColor>("topPrimary"); // hexagram 43, Lake on top

    QTest::newRow("rainbow after grey")
        << QStringList { u"cbKleur"_s, u"cbRegen"_s } << true << false << rgb(u"#D1215A");
    QTest::newRow("grey after rainbow")
        << QStringList { u"cbRegen"_s, u"cbKleur"_s } << false << true << rgb(u"#6F6F6F");
    QTest::newRow("rainbow unticked")
        << QStringList { u"cbRegen"_s, u"cbRegen"_s } << false << false << rgb(u"#0189F4");
    QTest::newRow("grey unticked") << QStringList { u"cbKleur"_s, u"cbKleur"_s } << false << false
                                   << rgb(u"#0189F4");
    QTest::newRow("grey, rainbow, rainbow unticked")
        << QStringList { u"cbKleur"_s, u"cbRegen"_s, u"cbRegen"_s } << false << false << rgb(u"#0189F4");
}

void TestConsultationView::schemeBoxesExclude()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, regen);
    QFETCH(bool, kleur);
    QFETCH(QColor, topPrimary);

    // Clicked, and toggled through the accessible Toggle action as a screen reader or voice
    // control does it: the same boxes, the same bars.
    for (const bool toggled : { false, true }) {
        Rig rig;
        rig.cast(u"977776"_s);
        for (const QString &name : clicks) {
            if (!toggled) {
                rig.click(name);
                continue;
            }
            QAccessibleInterface *box
                = QAccessible::queryAccessibleInterface(rig.form.findChild<QWidget *>(name));
            box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
        QCOMPARE(rig.ui.cbRegen->isChecked(), regen);
        QCOMPARE(rig.ui.cbKleur->isChecked(), kleur);
        const QImage screen = rig.screen();
        QCOMPARE(pixel(screen, Rig::leftHalfSpot(true, 1)), topPrimary);
        QCOMPARE(pixel(screen, Rig::rightHalfSpot(true, 1)), topPrimary);
    }
}

void TestConsultationView::schemeBeforeFirstConsultation_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QColor>("bars");

    QTest::newRow("rainbow ticked") << QStringList { u"cbRegen"_s } << Palette::clFuchsia;
    QTest::newRow("rainbow ticked and unticked")
        << QStringList { u"cbRegen"_s, u"cbRegen"_s } << Palette::clFuchsia;
    QTest::newRow("grey ticked") << QStringList { u"cbKleur"_s } << rgb(u"#6F6F6F");
    QTest::newRow("grey ticked and unticked")
        << QStringList { u"cbKleur"_s, u"cbKleur"_s } << rgb(u"#6F6F6F");
}

void TestConsultationView::schemeBeforeFirstConsultation()
{
    QFETCH(QStringList, clicks);
    QFETCH(QColor, bars);

    Rig rig;
    for (const QString &name : clicks)
        rig.click(name);
    QVERIFY(rig.state.lineDigits.isEmpty()); // nothing was cast
    QCOMPARE(rig.ui.lbl_Methode->text(), u"Gebruikte Methode"_s);
    for (bool primary : { true, false }) {
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(rig.solid(primary)[i]->brushColor(), bars);
            QCOMPARE(rig.left(primary)[i]->brushColor(), bars);
            QCOMPARE(rig.right(primary)[i]->brushColor(), bars);
        }
    }
    QCOMPARE(pixel(rig.screen(), Rig::solidSpot(true, 3)), bars);
}

void TestConsultationView::intermediateView_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("Doravel") << QString();
    QTest::newRow("rainbow") << u"cbRegen"_s;
    QTest::newRow("grey") << u"cbKleur"_s;
}

void TestConsultationView::intermediateView()
{
    QFETCH(QString, box);
    Rig rig;
    if (!box.isEmpty())
        rig.click(box);
    rig.cast(u"977776"_s);
    const QImage before = rig.screenWithoutControls();

    QTest::mouseClick(rig.ui.btTussenHex, Qt::LeftButton);
    QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
    QCOMPARE(rig.ui.btTussenHex->text(), u"T"_s);
    QVERIFY(rig.state.secondaryViewActive);
    QCOMPARE(rig.ui.lbl_Hexnr_B->text(), u"27"_s);
    QCOMPARE(rig.ui.lbl_HexTitel_B->text(), Title(27));
    QCOMPARE(rig.ui.lbl_Huistxt_B->text(), u"Vastberadenheid"_s);
    QCOMPARE(rig.ui.lbl_RaadDV_B->text(), ProcessText(27));
    QCOMPARE(rig.ui.lbl_RaadSL_B->text(), AdviceText(27));
    checkSecondaryRows(rig, u"YNNNNY"_s);
    checkColours(rig, false, u"YNNNNY"_s, sixTimes(u"#A0A0A4"));
    for (std::size_t i = 0; i < 6; ++i) { // hidden ones too
        QCOMPARE(rig.ui.shp_LijnA_B[i]->brushColor(), Palette::clMedGray);
        QCOMPARE(rig.ui.shp_LijnBA_B[i]->brushColor(), Palette::clMedGray);
        QCOMPARE(rig.ui.shp_LijnBB_B[i]->brushColor(), Palette::clMedGray);
    }
    // The primary side stays exactly as it was.
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), u"43"_s);
    checkPrimaryRows(rig, u"XYYYYO"_s, 43);
    QCOMPARE(rig.ui.lbl_Verander->text(), u"Hexagram verandert"_s);
    const QImage during = rig.screenWithoutControls();
    QCOMPARE(during.copy(0, 130, 420, 180), before.copy(0, 130, 420, 180));

    QTest::mouseClick(rig.ui.btTussenHex, Qt::LeftButton);
    QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
    QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    QVERIFY(!rig.state.secondaryViewActive);
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), u"43"_s);
    QCOMPARE(rig.ui.lbl_Hexnr_B->text(), u"44"_s);
    checkSecondaryRows(rig, u"YYYYYN"_s);
    QCOMPARE(rig.screenWithoutControls(), before);
}

void TestConsultationView::nuclearView_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("cast");
    QTest::addColumn<int>("nuclear");
    QTest::addColumn<Rows>("nuclearRows");
    QTest::addColumn<int>("nuclearChanged"); // 0: none
    QTest::addColumn<Rows>("nuclearChangedRows");

    QTest::newRow("9,7,7,7,7,6") << u"977776"_s << 43 << 1 << u"YYYYYY"_s << 0 << QString();
    // Nuclear lines 7,9,6,9,6,8: rings on lines 2 and 4, X marks on lines 3 and 5.
    QTest::newRow("8,7,9,6,8,7") << u"879687"_s << 18 << 54 << u"NXOXOY"_s << 63 << u"NYNYNY"_s;
    QTest::newRow("7,8,7,8,7,8") << u"787878"_s << 63 << 64 << u"YNYNYN"_s << 0 << QString();
}

void TestConsultationView::nuclearView()
{
    QFETCH(QString, digits);
    QFETCH(int, cast);
    QFETCH(int, nuclear);
    QFETCH(Rows, nuclearRows);
    QFETCH(int, nuclearChanged);
    QFETCH(Rows, nuclearChangedRows);

    Rig rig;
    TForm1 &f = rig.form;
    rig.cast(digits);
    const QImage normal = rig.screenWithoutControls();

    QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton);
    QCOMPARE(rig.ui.btKernHex->text(), u"K"_s);
    QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), QString::number(nuclear));
    QCOMPARE(rig.ui.lbl_HexTitel_A->text(), Title(nuclear));
    checkPrimaryRows(rig, nuclearRows, nuclear);
    QCOMPARE(rig.state.lineDigits, digits); // the cast is kept for the way back
    if (nuclearChanged == 0) {
        QCOMPARE(rig.ui.lbl_Verander->text(), u"Geen Veranderingen"_s);
        QVERIFY(rig.ui.img_taosml->isVisibleTo(&f));
        QVERIFY(!rig.ui.btTussenHex->isVisibleTo(&f));
        QVERIFY(rig.ui.lbl_Hexnr_B->text().isEmpty());
        const QImage screen = rig.screen();
        const QPoint spot = Rig::solidSpot(false, 2);
        QCOMPARE(pixel(screen, spot), QColor(rig.secondaryGradientAt(spot)));
    } else {
        QCOMPARE(rig.ui.lbl_Hexnr_B->text(), QString::number(nuclearChanged));
        checkSecondaryRows(rig, nuclearChangedRows);
        QVERIFY(rig.ui.btTussenHex->isVisibleTo(&f));
    }

    QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton);
    QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), QString::number(cast));
    QCOMPARE(rig.screenWithoutControls(), normal);
}

void TestConsultationView::crossPressReturnsToNormal_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::newRow("R in the nuclear view") << u"btKernHex"_s << u"btTussenHex"_s;
    QTest::newRow("S in the intermediate view") << u"btTussenHex"_s << u"btKernHex"_s;
}

void TestConsultationView::crossPressReturnsToNormal()
{
    QFETCH(QString, open);
    QFETCH(QString, close);
    Rig rig;
    rig.cast(u"879687"_s); // the nuclear 54 moves, so btTussenHex stays visible there
    const QImage normal = rig.screenWithoutControls();
    rig.click(open);
    QVERIFY(rig.state.secondaryViewActive);
    rig.click(close);
    QVERIFY(!rig.state.secondaryViewActive);
    QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
    QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), u"18"_s);
    QCOMPARE(rig.ui.lbl_Hexnr_B->text(), u"64"_s);
    QCOMPARE(rig.screenWithoutControls(), normal);
}

void TestConsultationView::viewPressesKeepMethodAndDate_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QStringList>("presses"); // K = btKernHex, T = btTussenHex

    QTest::newRow("T T") << u"977776"_s << QStringList { u"T"_s, u"T"_s };
    QTest::newRow("K K") << u"977776"_s << QStringList { u"K"_s, u"K"_s };
    QTest::newRow("K T T K") << u"879687"_s << QStringList { u"K"_s, u"T"_s, u"T"_s, u"K"_s };
    QTest::newRow("T K K T K") << u"879687"_s << QStringList { u"T"_s, u"K"_s, u"K"_s, u"T"_s, u"K"_s };
    QTest::newRow("K K without moving lines") << u"788878"_s << QStringList { u"K"_s, u"K"_s };
}

void TestConsultationView::viewPressesKeepMethodAndDate()
{
    QFETCH(QString, digits);
    QFETCH(QStringList, presses);
    Rig rig;
    // A journal entry: its own date text and the journal caption, both different from what a
    // run of the consultation would show.
    rig.replay(digits, u"01/01/01 01:01:01"_s);
    QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::FromJournal);
    for (const QString &press : presses) {
        QTest::mouseClick(
            press == u"K"_s ? static_cast<QAbstractButton *>(rig.ui.btKernHex) : rig.ui.btTussenHex,
            Qt::LeftButton);
        QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::FromJournal);
        QCOMPARE(rig.ui.lbl_Datumx->text(), u"01/01/01 01:01:01"_s);
    }
}

void TestConsultationView::viewPressesBeforeFirstConsultationDoNothing()
{
    Rig rig;
    const QImage before = rig.screenWithoutControls();
    QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton);
    QTest::mouseClick(rig.ui.btTussenHex, Qt::LeftButton);
    QVERIFY(!rig.state.secondaryViewActive);
    QVERIFY(rig.state.lineDigits.isEmpty());
    QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
    QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    QCOMPARE(rig.ui.lbl_Methode->text(), u"Gebruikte Methode"_s);
    QCOMPARE(rig.screenWithoutControls(), before);
}

void TestConsultationView::intermediatePressWithoutMovingLineKeepsCaption()
{
    Rig rig;
    rig.cast(u"977776"_s);
    QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton); // saves the own-throw caption
    QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton);
    rig.replay(u"788878"_s, u"01/01/01 01:01:01"_s);
    // The button is hidden now; a press that reaches the handler anyway opens nothing, and the
    // caption saved for the earlier consultation must not replace this one's.
    rig.ui.btTussenHex->click();
    QVERIFY(!rig.state.secondaryViewActive);
    QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::FromJournal);
}

void TestConsultationView::tickChangeInIntermediateViewLeavesIt()
{
    Rig rig;
    rig.replay(u"977776"_s, u"01/01/01 01:01:01"_s);
    QTest::mouseClick(rig.ui.btTussenHex, Qt::LeftButton);
    QCOMPARE(rig.ui.btTussenHex->text(), u"T"_s);

    QTest::mouseClick(rig.ui.cbRegen, Qt::LeftButton);
    QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
    QVERIFY(!rig.state.secondaryViewActive);
    QCOMPARE(rig.ui.lbl_Hexnr_B->text(), u"44"_s);
    QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::FromJournal);
    QCOMPARE(rig.ui.lbl_Datumx->text(), u"01/01/01 01:01:01"_s);
    checkColours(rig, false, u"YYYYYN"_s,
        colours({ u"#FFFFFF", u"#FFFFFF", u"#FFFFFF", u"#6CB48C", u"#6CB48C", u"#6CB48C" }));

    QTest::mouseClick(rig.ui.btTussenHex, Qt::LeftButton);
    QCOMPARE(rig.ui.btTussenHex->text(), u"T"_s);
    QCOMPARE(rig.ui.lbl_Hexnr_B->text(), u"27"_s);
}

void TestConsultationView::tickChangeInNuclearViewRecolours()
{
    Rig rig;
    rig.cast(u"879687"_s);
    QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton);
    QTest::mouseClick(rig.ui.cbRegen, Qt::LeftButton);
    QCOMPARE(rig.ui.btKernHex->text(), u"K"_s);
    QVERIFY(rig.state.secondaryViewActive);
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), u"54"_s);
    // 54: Thunder over Lake; 63: Water over Fire.
    checkColours(rig, true, u"NXOXOY"_s,
        colours({ u"#F2EF5B", u"#F2EF5B", u"#F2EF5B", u"#D1215A", u"#D1215A", u"#D1215A" }));
    checkColours(rig, false, u"NYNYNY"_s,
        colours({ u"#3D74AB", u"#3D74AB", u"#3D74AB", u"#FF8040", u"#FF8040", u"#FF8040" }));
}

QTEST_MAIN(TestConsultationView)
#include "tst_consultationview.moc"
