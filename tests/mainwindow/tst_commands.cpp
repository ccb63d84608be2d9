// The main window's keys and buttons, the program's start-up, and the look that keeps every
// text inside its label.
#include "AppSetup.h"
#include "MainWindowRig.h"
#include "Program.h"
#include "WidgetChecks.h"

#include <QApplication>
#include <QFontInfo>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void recastKey_data();
    void recastKey();
    void recastClearsJournalMarks();
    void recastInDerivedViewReturnsToNormal_data();
    void recastInDerivedViewReturnsToNormal();
    void disabledWindowIgnoresKeys();
    void closing_data();
    void closing();
    void hooks_data();
    void hooks();
    void unwiredCommandsDoNothing();
    void helpOpensHelpFile();

    void layout_data();
    void layout();
    void tabOrder();
    void hintsAndAccessibleNames_data();
    void hintsAndAccessibleNames();

    void programWiresTheWindows();
    void fixedLook();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
};

void TestCommands::initTestCase()
{
    setUpApplication(*qApp);
    QLocale::setDefault(QLocale::c());
}

void TestCommands::recastKey_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("focus"); // the control that has the focus when H is pressed
    QTest::newRow("h") << Qt::KeyboardModifiers(Qt::NoModifier) << u"knpVraag"_s;
    QTest::newRow("shift+h") << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"knpVraag"_s;
    QTest::newRow("ctrl+h") << Qt::KeyboardModifiers(Qt::ControlModifier) << u"knpVraag"_s;
    QTest::newRow("alt+h") << Qt::KeyboardModifiers(Qt::AltModifier) << u"knpVraag"_s;
    QTest::newRow("h on a scheme box") << Qt::KeyboardModifiers(Qt::NoModifier) << u"cbKleur"_s;
    QTest::newRow("h on the window") << Qt::KeyboardModifiers(Qt::NoModifier) << u"Form1"_s;
}

void TestCommands::recastKey()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, focus);
    Rig rig;
    // The six-lines method draws one value per line: 9, 7, 7, 7, 7, 6.
    rig.state.method = CastMethod(4);
    rig.random.draws = { 1, 0, 0, 0, 0, 3 };
    QWidget *target = focus == u"Form1"_s ? &rig.form : rig.form.findChild<QWidget *>(focus);
    QTest::keyClick(target, Qt::Key_H, modifiers);
    QCOMPARE(rig.state.lineDigits, u"977776"_s);
    QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::SixLines);
    QCOMPARE(rig.ui.lbl_Datumx->text(), u"07/03/25 09:05:07"_s);
    QVERIFY(rig.ui.lbl_Vraag->text().isEmpty());
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), u"43"_s);
    QCOMPARE(rig.ui.lbl_Hexnr_B->text(), u"44"_s);
}

void TestCommands::recastClearsJournalMarks()
{
    Rig rig;
    rig.cast(u"977776"_s, u"Blijf ik hier?"_s);
    // As if it had come from the journal and been saved there.
    rig.state.isFromJournal = true;
    rig.state.storedInJournal = true;
    rig.ui.lbRegelnr->setText(u"3"_s);
    rig.clock.moment = rig.clock.moment.addSecs(61);
    QTest::keyClick(&rig.form, Qt::Key_H);
    QVERIFY(!rig.state.isFromJournal);
    QVERIFY(!rig.state.storedInJournal);
    QVERIFY(!rig.state.isOwnThrow);
    QCOMPARE(rig.state.lineDigits.size(), 6);
    QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::Yarrow);
    QCOMPARE(rig.ui.lbl_Datumx->text(), u"07/03/25 09:06:08"_s);
    QCOMPARE(rig.ui.lbl_Vraag->text(), u"Blijf ik hier?"_s);
    QCOMPARE(rig.ui.lbRegelnr->text(), u"3"_s);
}

void TestCommands::recastInDerivedViewReturnsToNormal_data()
{
    QTest::addColumn<QString>("view");
    QTest::newRow("intermediate") << u"btTussenHex"_s;
    QTest::newRow("nuclear") << u"btKernHex"_s;
}

void TestCommands::recastInDerivedViewReturnsToNormal()
{
    QFETCH(QString, view);
    Rig rig;
    rig.cast(u"977776"_s);
    rig.click(view);
    QVERIFY(rig.state.secondaryViewActive);
    rig.state.method = CastMethod(4);
    rig.random.draws = { 2, 0, 3, 1, 2, 0 }; // 8, 7, 6, 9, 8, 7
    QTest::keyClick(&rig.form, Qt::Key_H);
    QVERIFY(!rig.state.secondaryViewActive);
    QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
    QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    QCOMPARE(rig.state.lineDigits, u"876987"_s);
    QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::SixLines);
    QVERIFY(rig.ui.btTussenHex->isVisibleTo(&rig.form));
    QVERIFY(!rig.ui.img_taosml->isVisibleTo(&rig.form));
    QCOMPARE(rig.ui.lbl_Hexnr_A->text(), QString::number(rig.state.primaryNumber));
    QCOMPARE(rig.state.primaryNumber, 64);
}

void TestCommands::disabledWindowIgnoresKeys()
{
    Rig rig;
    QSignalSpy closed(&rig.form, &TForm1::closed);
    rig.form.setEnabled(false); // a dialog is over it
    QTest::keyClick(&rig.form, Qt::Key_H);
    QTest::keyClick(&rig.form, Qt::Key_Escape);
    QVERIFY(rig.state.lineDigits.isEmpty());
    QCOMPARE(closed.count(), 0);
    QVERIFY(rig.form.isVisible());
}

void TestCommands::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << u"Esc"_s;
    QTest::newRow("Esc on a button") << u"Esc on knpBewaar"_s;
    QTest::newRow("Stop") << u"knpStop"_s;
    QTest::newRow("close box") << u"close"_s;
}

void TestCommands::closing()
{
    QFETCH(QString, how);
    Rig rig;
    rig.cast(u"977776"_s); // unsaved: closing asks nothing
    QSignalSpy closed(&rig.form, &TForm1::closed);
    if (how == u"Esc"_s)
        QTest::keyClick(&rig.form, Qt::Key_Escape);
    else if (how == u"Esc on knpBewaar"_s)
        QTest::keyClick(rig.ui.knpBewaar, Qt::Key_Escape);
    else if (how == u"knpStop"_s)
        QTest::mouseClick(rig.ui.knpStop, Qt::LeftButton);
    else
        rig.form.close();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!rig.form.isVisible());
    QVERIFY(rig.prompts.shown.isEmpty());
}

void TestCommands::hooks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key"); // pressed on the control; 0: the control is clicked
    QTest::addColumn<QString>("hook");
    QTest::newRow("knpVraag") << u"knpVraag"_s << 0 << u"question"_s;
    QTest::newRow("knpInfo") << u"knpInfo"_s << 0 << u"about"_s;
    QTest::newRow("knpBewaar") << u"knpBewaar"_s << 0 << u"save"_s;
    QTest::newRow("knpOpen") << u"knpOpen"_s << 0 << u"journal"_s;
    QTest::newRow("BackHistory") << u"BackHistory"_s << 0 << u"back"_s;
    QTest::newRow("GoHistory") << u"GoHistory"_s << 0 << u"forward"_s;
    QTest::newRow("Page Up") << u"knpVraag"_s << int(Qt::Key_PageUp) << u"back"_s;
    QTest::newRow("Page Down") << u"knpVraag"_s << int(Qt::Key_PageDown) << u"forward"_s;
    // Enter presses the question button, unless a focused button takes it.
    QTest::newRow("Enter on knpVraag") << u"knpVraag"_s << int(Qt::Key_Return) << u"question"_s;
    QTest::newRow("Enter on a scheme box") << u"cbRegen"_s << int(Qt::Key_Return) << u"question"_s;
    QTest::newRow("Enter on a focused button") << u"knpBewaar"_s << int(Qt::Key_Return) << u"save"_s;
}

void TestCommands::hooks()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, hook);
    Rig rig;
    rig.recordCommands();
    auto *target = rig.form.findChild<QWidget *>(control);
    QVERIFY(target);
    if (key)
        QTest::keyClick(target, Qt::Key(key));
    else
        QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(rig.commands, QStringList { hook });
}

void TestCommands::unwiredCommandsDoNothing()
{
    Rig bare;
    QTest::keyClick(&bare.form, Qt::Key_PageUp);
    QTest::keyClick(&bare.form, Qt::Key_PageDown);
    for (auto *button : bare.form.findChildren<QAbstractButton *>()) {
        if (button != bare.ui.knpStop && button != bare.ui.knpHelp)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(bare.form.isVisible());
}

void TestCommands::helpOpensHelpFile()
{
    Rig rig;
    QTest::mouseClick(rig.ui.knpHelp, Qt::LeftButton);
    QCOMPARE(rig.shell.opened, QStringList { u"QUIVARHELP.chm"_s });
    QVERIFY(rig.prompts.shown.isEmpty());
}

namespace {

// What the layout says of a control at design, in one line: caption, font, colour, alignment
// and wrapping of a label; caption, font, cursor and focus of a button; outline and fill of a
// shape; colours and direction of a gradient; shape, style, width and colours of a bevel.
QString lookOf(const QWidget *w)
{
    QStringList parts;
    const auto font = [&parts](const QFont &f) {
        parts << u"%1px"_s.arg(f.pixelSize());
        if (f.bold())
            parts << u"bold"_s;
        if (f.italic())
            parts << u"italic"_s;
    };
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (!label->text().isEmpty())
            parts << u'"' + label->text() + u'"';
        font(label->font());
        if (const QColor ink = label->palette().color(QPalette::WindowText); ink != Qt::black)
            parts << ink.name();
        const Qt::Alignment a = label->alignment();
        parts << (a & Qt::AlignRight ? u"right"_s : a & Qt::AlignHCenter ? u"centre"_s : u"left"_s);
        parts << (a & Qt::AlignVCenter ? u"middle"_s : u"top"_s);
        if (label->wordWrap())
            parts << u"wrap"_s;
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
        if (!button->text().isEmpty())
            parts << u'"' + button->text() + u'"';
        font(button->font());
        parts << (button->cursor().shape() == Qt::PointingHandCursor ? u"hand"_s : u"arrow"_s);
        if (!(button->focusPolicy() & Qt::TabFocus))
            parts << u"nofocus"_s;
        if (const auto *push = qobject_cast<const QPushButton *>(button); push && push->isDefault())
            parts << u"default"_s;
    } else if (const auto *shape = qobject_cast<const TShape *>(w)) {
        parts << (shape->shape() == TShapeType::stCircle ? u"circle"_s : u"roundrect"_s)
              << u"pen %1/%2"_s.arg(shape->penColor().name()).arg(shape->penWidth())
              << (shape->isFilled() ? u"fill "_s + shape->brushColor().name() : u"no fill"_s);
    } else if (const auto *panel = qobject_cast<const TGradientPanel *>(w)) {
        const TDirection d = panel->Direction();
        parts << panel->ColorFrom().name() << panel->ColorTo().name() << QString::number(panel->ColorCount())
              << (d == TDirection::EdgesToHCenter       ? u"EdgesToHCenter"_s
                         : d == TDirection::TopToBottom ? u"TopToBottom"_s
                         : d == TDirection::EllipticOut ? u"EllipticOut"_s
                                                        : QString::number(int(d)));
    } else if (const auto *bevel = qobject_cast<const TSMBevel *>(w)) {
        static const char16_t *const shapes[] = { u"box", u"boxin", u"frame", u"topline", u"bottomline",
            u"leftline", u"rightline", u"topleft", u"topright" };
        static const char16_t *const styles[] = { u"lowered", u"none", u"raised" };
        parts << QString::fromUtf16(shapes[int(bevel->Shape())])
              << QString::fromUtf16(styles[int(bevel->Style())]) << QString::number(bevel->BevelWidth())
              << bevel->TopColor().name() << bevel->BottomColor().name();
        if (bevel->Arrow() == TSMArrow::smaFinish)
            parts << u"finish"_s << (bevel->ArrowType() == TSMArrowType::atSolid ? u"solid"_s : u"outline"_s)
                  << QString::number(bevel->ArrowAngle()) << QString::number(bevel->ArrowLength());
    }
    if (w->autoFillBackground()) // every drawn control lets what lies under it show through
        parts << u"opaque"_s;
    if (!w->isVisibleTo(w->window()))
        parts << u"hidden"_s;
    return parts.join(u' ');
}

// Width and height 0: the control sizes itself to its caption; height 0 alone: only the width
// is fixed.
bool placedAt(const QWidget *w, const QRect &where)
{
    if (w->pos() != where.topLeft())
        return false;
    return (where.width() == 0 || w->width() == where.width())
        && (where.height() == 0 || w->height() == where.height());
}

} // namespace

void TestCommands::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("look");

    const auto row = [](const QString &name, const char *kind, const QRect &geometry, const QString &look) {
        QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind) << geometry << look;
    };
    const QString sunkenBox = u"box lowered 1 #ffffff #a0a0a0"_s;
    const QString lineFrame = u"boxin lowered 1 #ffffff #a0a0a0 finish solid 25 15"_s;
    const QString heading = u"\"HEXAGRAM\" 11px bold #000080 left top"_s;
    const QString house = u"\"In het Huis van:\" 13px left top"_s;
    const QString processHeading = u"\"Processen volgens Doravel:\" 11px bold #800080 left top"_s;
    const QString adviceHeading = u"\"Selvine's Praktische Raad:\" 11px bold #800080 left top"_s;
    row(u"GPnl_Achter"_s, "TGradientPanel", { 0, 0, 690, 448 }, u"#a6caf0 #c0c0c0 64 EdgesToHCenter"_s);
    row(u"lbl_Datum"_s, "QLabel", { 5, 6, 45, 0 }, u"\"Datum :\" 13px right top"_s);
    row(u"lbl_Datumx"_s, "QLabel", { 52, 5, 140, 0 }, u"13px left top"_s);
    // Wider than drawn, about the same centre, for the longest captions in Liberation Sans.
    row(u"lbl_Methode"_s, "QLabel", { 187, 6, 310, 0 }, u"\"Gebruikte Methode\" 13px centre top"_s);
    // Its right edge at 623; the face colour is painted behind its text only.
    row(u"lbRegelnr"_s, "QLabel", { 523, 6, 100, 0 }, u"\"Lijstnummer\" 13px right top"_s);
    row(u"BackHistory"_s, "QToolButton", { 631, 3, 24, 18 }, u"\"<<\" 11px bold hand"_s);
    row(u"GoHistory"_s, "QToolButton", { 656, 3, 24, 18 }, u"\">>\" 11px bold hand"_s);
    row(u"lbl_Vraagtitel"_s, "QLabel", { 13, 22, 0, 0 },
        u"\"Mijn Vraag aan de QUIVAR was:\" 12px bold #000080 left top"_s);
    row(u"lbl_Vraag"_s, "QLabel", { 215, 25, 450, 0 }, u"11px bold left top"_s);
    row(u"Bevel9"_s, "TSMBevel", { 12, 43, 669, 2 }, sunkenBox);
    row(u"lbl_Hexa_A"_s, "QLabel", { 50, 51, 0, 0 }, heading);
    row(u"lbl_Huis_A"_s, "QLabel", { 50, 68, 0, 0 }, house);
    row(u"lbl_Huistxt_A"_s, "QLabel", { 50, 82, 100, 15 }, u"12px italic left top"_s);
    row(u"Bevel4"_s, "TSMBevel", { 177, 54, 40, 40 }, u"frame raised 1 #ffffff #a0a0a0"_s);
    // Centred both ways: the substitute font sits higher in the box than the original.
    row(u"lbl_Hexnr_A"_s, "QLabel", { 180, 57, 33, 33 }, u"19px bold #800000 centre middle"_s);
    row(u"Bevel2"_s, "TSMBevel", { 48, 100, 170, 31 }, u"frame lowered 1 #ffffff #a0a0a0"_s);
    row(u"GPnl_Hex1A"_s, "TGradientPanel", { 50, 103, 167, 27 }, u"#c0dcc0 #ffff00 64 TopToBottom"_s);
    row(u"lbl_HexTitel_A"_s, "QLabel", { 52, 106, 162, 18 }, u"12px #000080 centre top"_s);
    row(u"SMB_RandHex_A"_s, "TSMBevel", { 48, 131, 170, 175 }, lineFrame);
    row(u"GPnl_Hex1b"_s, "TGradientPanel", { 51, 138, 164, 160 }, u"#fffbf0 #c0c0c0 64 EllipticOut"_s);
    row(u"lbl_Verander"_s, "QLabel", { 295, 57, 100, 32 },
        u"\"Geen Verandering\" 13px bold #000080 centre top wrap"_s);
    row(u"lbl_LijnenTitel"_s, "QLabel", { 276, 108, 0, 0 },
        u"\"Geen Bewegende Lijnen\" 11px bold #800080 left top"_s);
    row(u"Label1"_s, "QLabel", { 513, 51, 0, 0 }, heading);
    row(u"Label2"_s, "QLabel", { 513, 68, 0, 0 }, house);
    row(u"lbl_Huistxt_B"_s, "QLabel", { 513, 82, 100, 15 }, u"12px italic left top"_s);
    row(u"Bevel6"_s, "TSMBevel", { 468, 54, 40, 40 }, u"frame raised 1 #ffffff #a0a0a0"_s);
    row(u"lbl_Hexnr_B"_s, "QLabel", { 471, 57, 33, 33 }, u"19px bold #800000 centre middle"_s);
    row(u"Bevel5"_s, "TSMBevel", { 468, 100, 170, 31 }, u"frame lowered 1 #ffffff #a0a0a0"_s);
    row(u"GPnl_Hex2a"_s, "TGradientPanel", { 470, 103, 167, 27 }, u"#c0dcc0 #ffff00 64 TopToBottom"_s);
    row(u"lbl_HexTitel_B"_s, "QLabel", { 472, 106, 162, 18 }, u"12px #000080 centre top"_s);
    row(u"SMB_RandHex_B"_s, "TSMBevel", { 468, 131, 170, 175 }, lineFrame);
    row(u"GPnl_Hex2b"_s, "TGradientPanel", { 473, 134, 160, 164 }, u"#fffbf0 #c0c0c0 64 EllipticOut"_s);
    row(u"img_taosml"_s, "TTaoImage", { 516, 178, 80, 80 }, QString());
    row(u"lbl_DV_A"_s, "QLabel", { 13, 311, 0, 0 }, processHeading);
    row(u"Bevel1"_s, "TSMBevel", { 13, 328, 242, 55 }, sunkenBox);
    row(u"lbl_RaadDV_A"_s, "QLabel", { 21, 334, 225, 42 }, u"11px left top wrap"_s);
    row(u"lbl_SL_A"_s, "QLabel", { 13, 387, 0, 0 }, adviceHeading);
    row(u"Bevel3"_s, "TSMBevel", { 13, 404, 242, 30 }, sunkenBox);
    row(u"lbl_RaadSL_A"_s, "QLabel", { 22, 410, 225, 16 }, u"12px centre top"_s);
    row(u"Label7"_s, "QLabel", { 434, 310, 0, 0 }, processHeading);
    row(u"Label8"_s, "QLabel", { 434, 386, 0, 0 }, adviceHeading);
    row(u"Bevel7"_s, "TSMBevel", { 434, 328, 242, 55 }, sunkenBox);
    row(u"lbl_RaadDV_B"_s, "QLabel", { 442, 335, 225, 42 }, u"11px left top wrap"_s);
    row(u"Bevel8"_s, "TSMBevel", { 434, 404, 242, 30 }, sunkenBox);
    row(u"lbl_RaadSL_B"_s, "QLabel", { 443, 410, 225, 16 }, u"12px centre top"_s);
    row(u"knpVraag"_s, "QPushButton", { 283, 325, 122, 34 }, u"\"\u262F\" 35px hand default"_s);
    row(u"knpBewaar"_s, "QPushButton", { 283, 360, 60, 25 }, u"\"Bewaar\" 13px hand"_s);
    row(u"knpOpen"_s, "QPushButton", { 345, 360, 60, 25 }, u"\"Open\" 13px hand"_s);
    row(u"knpHelp"_s, "QPushButton", { 283, 385, 60, 25 }, u"\"Help\" 13px hand"_s);
    row(u"knpInfo"_s, "QPushButton", { 345, 385, 60, 25 }, u"\"Info\" 13px hand"_s);
    row(u"knpStop"_s, "QPushButton", { 283, 411, 122, 25 }, u"\"Stop\" 13px hand"_s);
    row(u"btKernHex"_s, "QToolButton", { 11, 100, 26, 28 }, u"\"S\" 24px bold hand"_s);
    row(u"btTussenHex"_s, "QPushButton", { 651, 100, 26, 28 }, u"\"R\" 24px bold hand"_s);
    row(u"cbRegen"_s, "QCheckBox", { 17, 56, 16, 16 }, u"13px hand"_s);
    row(u"Bevel11"_s, "TSMBevel", { 12, 51, 25, 25 }, sunkenBox);
    row(u"cbKleur"_s, "QCheckBox", { 657, 56, 16, 16 }, u"13px hand"_s);
    row(u"Bevel10"_s, "TSMBevel", { 651, 51, 25, 25 }, sunkenBox);

    // The rows, top row first.
    const int lineTextTop[6] = { 142, 170, 197, 224, 251, 278 };
    const QPoint crossAt[6]
        = { { 123, 138 }, { 123, 166 }, { 123, 194 }, { 123, 221 }, { 123, 247 }, { 122, 274 } };
    const QString bar = u"roundrect pen #ffffff/1 fill #ff00ff"_s;
    const QString stroke = u" lowered 2 #000080 #000080 hidden"_s;
    const QString ring = u"circle pen #000080/3 no fill hidden"_s;
    for (int r = 1; r <= 6; ++r) {
        const int y = PrimaryBarY[r - 1];
        const int y2 = SecondaryBarY[r - 1];
        const auto named = [r](const char16_t *pattern) { return QString::fromUtf16(pattern).arg(r); };
        row(named(u"shp_Lijn%1A_A"), "TShape", { 59, y, 148, 18 }, bar);
        row(named(u"shp_Lijn%1BA_A"), "TShape", { 59, y, 60, 18 }, bar + u" hidden"_s);
        row(named(u"shp_Lijn%1BB_A"), "TShape", { 147, y, 60, 18 }, bar + u" hidden"_s);
        row(named(u"shp_cirkel%1_A"), "TShape", { 121, y - 3, 24, 24 }, ring);
        row(named(u"SMB_Strp%1A_A"), "TSMBevel", { crossAt[r - 1], QSize(20, 24) }, u"topright"_s + stroke);
        row(named(u"SMB_Strp%1B_A"), "TSMBevel", { crossAt[r - 1], QSize(20, 24) }, u"topleft"_s + stroke);
        row(named(u"Shape%1"), "TShape", { 14, y, 20, 20 }, u"circle pen #800000/1 fill #c0dcc0"_s);
        // The value label of row r carries the number r - 1.
        row(u"lbl_Uitk%1_A"_s.arg(r - 1), "QLabel", { 17, y + 3, 14, 14 }, u"13px centre middle"_s);
        row(named(u"lbl_Lijn%1b"), "QLabel", { 223, lineTextTop[r - 1], 230, 26 }, u"11px left top wrap"_s);
        row(named(u"shp_Lijn%1A_B"), "TShape", { 479, y2, 148, 18 }, bar);
        row(named(u"shp_Lijn%1BA_B"), "TShape", { 479, y2, 60, 18 }, bar + u" hidden"_s);
        row(named(u"shp_Lijn%1BB_B"), "TShape", { 567, y2, 60, 18 }, bar + u" hidden"_s);
    }
}

void TestCommands::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, look);
    Rig rig;
    const QList<QWidget *> found = rig.form.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    const QWidget *control = found.first();
    QVERIFY2(control->inherits(kind.toLatin1().constData()), control->metaObject()->className());
    QVERIFY2(placedAt(control, geometry),
        qPrintable(u"at %1,%2 %3 x %4"_s.arg(control->x())
                       .arg(control->y())
                       .arg(control->width())
                       .arg(control->height())));
    QCOMPARE(lookOf(control), look);
}

void TestCommands::tabOrder()
{
    Rig rig;
    const QStringList expected
        = { u"knpVraag"_s, u"knpBewaar"_s, u"knpOpen"_s, u"BackHistory"_s, u"GoHistory"_s, u"knpInfo"_s,
              u"knpHelp"_s, u"knpStop"_s, u"btKernHex"_s, u"btTussenHex"_s, u"cbKleur"_s, u"cbRegen"_s };
    QCOMPARE(tabStops(rig.ui.knpVraag), expected);
}

void TestCommands::hintsAndAccessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("spoken"); // empty: the hint
    QTest::newRow("BackHistory") << u"BackHistory"_s << u"Terug in Geschiedenislijst"_s << QString();
    QTest::newRow("GoHistory") << u"GoHistory"_s << u"Verder in Geschiedenislijst"_s << QString();
    QTest::newRow("btKernHex") << u"btKernHex"_s << u"Start Hex. / KernHexagram"_s
                               << u"Starthexagram of kernhexagram"_s;
    QTest::newRow("btTussenHex") << u"btTussenHex"_s << u"Result Hex. / TussenHexagram"_s
                                 << u"Resultaathexagram of tussenhexagram"_s;
    QTest::newRow("cbRegen") << u"cbRegen"_s << u"Wissel Kleuren Doravel / Regenboog"_s << QString();
    QTest::newRow("cbKleur") << u"cbKleur"_s << u"Wissel Kleuren Doravel / Grijs"_s << QString();
    QTest::newRow("knpVraag") << u"knpVraag"_s << QString() << QString();
}

void TestCommands::hintsAndAccessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(QString, spoken);
    Rig rig;
    auto *control = rig.form.findChild<QAbstractButton *>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), hint);
    QVERIFY(!control->accessibleName().isEmpty());
    if (!hint.isEmpty())
        QCOMPARE(control->accessibleName(), spoken.isEmpty() ? hint : spoken);
    QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
}

void TestCommands::programWiresTheWindows()
{
    RecordingPrompts prompts;
    Program program({ nullptr, nullptr, &prompts, nullptr });
    TForm1 &form = program.mainWindow();
    const MainControls ui(form);
    TOKBottomDlg &dialog = program.questionDialog();
    QVERIFY(dialog.isVisible());
    QVERIFY(!form.isEnabled());
    control<QPushButton>(dialog, u"CancelBtn")->click();
    QVERIFY(form.isEnabled());
    QTest::mouseClick(ui.knpVraag, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(!form.isEnabled());
    QVERIFY(dialog.confirmQuestion(QString(), u"977776"_s, QString()));
    QVERIFY(!dialog.isVisible());
    QVERIFY(form.isEnabled());
    QCOMPARE(ui.lbRegelnr->text(), u"Nieuw"_s);
    QTest::mouseClick(ui.btKernHex, Qt::LeftButton);
    QCOMPARE(ui.btKernHex->text(), u"K"_s);

    program.session().resetView();
    QCOMPARE(ui.btKernHex->text(), u"S"_s);
    QCOMPARE(ui.btTussenHex->text(), u"R"_s);
    QVERIFY(!program.state().secondaryViewActive);
    QSignalSpy closed(&form, &TForm1::closed);
    dialog.close();
    QCOMPARE(closed.count(), 1);
}

void TestCommands::fixedLook()
{
    QCOMPARE(QApplication::style()->name().toLower(), u"fusion"_s);
    const QPalette palette = QApplication::palette();
    QCOMPARE(palette.color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(palette.color(QPalette::ButtonText), QColor(Qt::black));
    QVERIFY(palette.color(QPalette::Window).lightness() > 200);
    QVERIFY(palette.color(QPalette::Button).lightness() > 200);
    for (const char16_t *family : { u"Microsoft Sans Serif", u"MS Sans Serif", u"Arial" }) {
        QFont font(QString::fromUtf16(family));
        font.setPixelSize(13);
        QCOMPARE(QFontInfo(font).family(), u"Liberation Sans"_s);
    }
    Rig rig;
    QCOMPARE(QFontInfo(rig.ui.knpVraag->font()).family(), u"DejaVu Sans"_s);
    QVERIFY(QFontMetrics(rig.ui.knpVraag->font()).inFont(QChar(0x262F)));
}

void TestCommands::textsFitTheirLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    const QString methods[] = { MethodCaptions::Yarrow, MethodCaptions::Coins, MethodCaptions::RiceGrains,
        MethodCaptions::Trigrams, MethodCaptions::SixLines, MethodCaptions::PickedYarrow,
        MethodCaptions::PickedCoins, MethodCaptions::PickedRiceGrains, MethodCaptions::OwnThrow,
        MethodCaptions::FromJournal };
    for (const QString &m : methods)
        QTest::newRow(qPrintable(u"lbl_Methode "_s + m)) << u"lbl_Methode"_s << m;
    // The oracle's own texts (titles, process texts, advice, line texts) are checked against
    // their labels in tst_program, the dialog's labels with them.
    for (int n = 1; n <= 64; ++n)
        QTest::newRow(qPrintable(u"lbl_Hexnr_B %1"_s.arg(n))) << u"lbl_Hexnr_B"_s << QString::number(n);
    for (int t = 1; t <= 8; ++t)
        QTest::newRow(qPrintable(u"lbl_Huistxt_B "_s + HouseWords(t))) << u"lbl_Huistxt_B"_s << HouseWords(t);
    QTest::newRow("lbl_Datumx") << u"lbl_Datumx"_s << u"28/08/88 08:08:08"_s;
    QTest::newRow("lbl_Verander Hexagram verandert") << u"lbl_Verander"_s << u"Hexagram verandert"_s;
    QTest::newRow("lbl_Verander Geen Veranderingen") << u"lbl_Verander"_s << u"Geen Veranderingen"_s;
    QTest::newRow("lbl_LijnenTitel") << u"lbl_LijnenTitel"_s << u"Geen Bewegende Lijnen"_s;
    QTest::newRow("lbRegelnr") << u"lbRegelnr"_s << u"Lijstnummer"_s;
    QTest::newRow("lbl_Vraag 64 characters")
        << u"lbl_Vraag"_s << u"Wat moet ik weten over mijn werk, mijn huis en de mensen om mij?"_s;
    // The longest texts the oracle may hold: process 127, advice 34, line 77 characters.
    QTest::newRow("lbl_RaadDV_A 127 characters")
        << u"lbl_RaadDV_A"_s
        << u"Wat lang verborgen bleef, komt nu stap voor stap aan het licht; wie rustig kijkt, "
           u"ziet hoe de weg zich langzaam voor hem opent."_s;
    QTest::newRow("lbl_RaadSL_B 34 characters")
        << u"lbl_RaadSL_B"_s << u"Wacht af en houd je woord gestand."_s;
    QTest::newRow("lbl_Lijn1b 77 characters")
        << u"lbl_Lijn1b"_s << u"Je staat aan het begin van een lange weg; neem de tijd en kijk goed om je."_s;
}

void TestCommands::textsFitTheirLabels()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    Rig rig;
    auto *l = rig.form.findChild<QLabel *>(label);
    QVERIFY(l);
    const QByteArray overflow = textOverflow(l, text);
    QVERIFY2(overflow.isEmpty(), overflow.constData());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
