// The lookup pane of the question dialog, through the real controls.
#include "DialogRig.h"

#include "QuivarDATA.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

#include "SpinButtons.h"

using namespace Qt::StringLiterals;

namespace {

const QString Yang = u"--------"_s;
const QString Yin = u"---   ---"_s;

// The six line captions, top line (lbl_lijn6) first.
QStringList captionsOfLines(const DialogRig &rig)
{
    QStringList captions;
    for (int k = 6; k >= 1; --k)
        captions.append(rig.ui.lbl_lijn[std::size_t(k - 1)]->text());
    return captions;
}

void verifyShowsNothingYet(const DialogRig &rig);

// n 0: nothing looked up yet.
void verifyShows(const DialogRig &rig, int n)
{
    if (n == 0)
        return verifyShowsNothingYet(rig);
    QCOMPARE(rig.ui.lbHexnr->text(), QString::number(n));
    QCOMPARE(rig.dialog->lookup().shown, n);
    QCOMPARE(rig.ui.Label8->text(), Title(n));
    QCOMPARE(rig.ui.lbl_Comment->text(), ProcessText(n));
    QCOMPARE(rig.ui.lbl_Prakt->text(), AdviceText(n));
}

void verifyShowsNothingYet(const DialogRig &rig)
{
    QCOMPARE(rig.ui.lbHexnr->text(), QString());
    QCOMPARE(rig.ui.Label8->text(), u"Naam"_s);
    QCOMPARE(rig.ui.lbl_Comment->text(), u"   Commentaar"_s);
    QCOMPARE(rig.ui.lbl_Prakt->text(), u"   Praktische Raad"_s);
    QCOMPARE(captionsOfLines(rig), QStringList(6, u"--"_s));
}

} // namespace

class TestLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { DialogRig::setUpApplication(); }

    void enterWithNumberLooksUpThenConsults();
    void okLookupStep_data();
    void okLookupStep();
    void lineCaptions_data();
    void lineCaptions();
    void spinFromZeroToOneAndBack();
    void spinSteps_data();
    void spinSteps();
    void spinPauseIgnoresQuickSteps();
    void trigramPairs_data();
    void trigramPairs();
    void oneTrigramGroupShowsNothing();
    void pairLookupSurvivesHideAndShow();
    void emptyNumberIsReported_data();
    void emptyNumberIsReported();
    void pastedNonNumberIsReported_data();
    void pastedNonNumberIsReported();
    void trigramIndicatorsFitTheirPitch();
};

void TestLookup::enterWithNumberLooksUpThenConsults()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    rig.typeHexanr(u"12"_s);
    QTest::keyClick(rig.ui.Hexanr, Qt::Key_Return);

    verifyShows(rig, 12);
    QCOMPARE(DialogRig::checkedCaption(rig.ui.BovenItems), u"Hemel   I  I  I"_s);
    QCOMPARE(DialogRig::checkedCaption(rig.ui.OnderItems), u"Aarde  -- -- --"_s);
    QCOMPARE(rig.ui.Hexanr->text(), u"0"_s);
    QCOMPARE(d.lookup().number, 12);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.view.shown, 0);

    QTest::keyClick(rig.ui.Hexanr, Qt::Key_Return);
    QCOMPARE(rig.view.shown, 1);
    QVERIFY(!d.isVisible());
}

void TestLookup::okLookupStep_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<int>("shown");
    QTest::newRow("00 shows nothing and stays") << u"00"_s << u"00"_s << 0;
    QTest::newRow("65 shows nothing, field back to 0") << u"65"_s << u"0"_s << 0;
    QTest::newRow("99 shows nothing, field back to 0") << u"99"_s << u"0"_s << 0;
    QTest::newRow("07 is 7") << u"07"_s << u"0"_s << 7;
    QTest::newRow("64") << u"64"_s << u"0"_s << 64;
}

void TestLookup::okLookupStep()
{
    QFETCH(QString, typed);
    QFETCH(QString, fieldAfter);
    QFETCH(int, shown);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    rig.typeHexanr(typed);
    QTest::mouseClick(rig.ui.OKBtn, Qt::LeftButton);
    verifyShows(rig, shown);
    QCOMPARE(rig.ui.Hexanr->text(), fieldAfter);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.view.shown, 0);

    if (fieldAfter != u"0"_s) {
        // Still in the lookup step, until a click into the question puts "0" back.
        QTest::mouseClick(rig.ui.OKBtn, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(rig.view.shown, 0);
        DialogRig::clickInto(rig.ui.Vragen);
        QCOMPARE(rig.ui.Hexanr->text(), u"0"_s);
    }
    QTest::mouseClick(rig.ui.OKBtn, Qt::LeftButton);
    QCOMPARE(rig.view.shown, 1);
    QVERIFY(!d.isVisible());
}

void TestLookup::lineCaptions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("captions"); // top line first
    QTest::newRow("1 all yang") << 1 << QStringList(6, Yang);
    QTest::newRow("2 all yin") << 2 << QStringList(6, Yin);
    QTest::newRow("63 BABABA") << 63 << QStringList { Yin, Yang, Yin, Yang, Yin, Yang };
    QTest::newRow("12 AAABBB") << 12 << QStringList { Yang, Yang, Yang, Yin, Yin, Yin };
    QTest::newRow("3 BABBBA") << 3 << QStringList { Yin, Yang, Yin, Yin, Yin, Yang };
}

void TestLookup::lineCaptions()
{
    QFETCH(int, n);
    QFETCH(QStringList, captions);
    DialogRig rig;
    QVERIFY(rig.waitActive());
    rig.typeHexanr(QString::number(n));
    QTest::mouseClick(rig.ui.btAfbeeld, Qt::LeftButton);
    QCOMPARE(captionsOfLines(rig), captions);
    verifyShows(rig, n);
    // A screen reader hears the same lines in words, line 6 first as they are shown.
    for (int k = 6; k >= 1; --k) {
        const bool yin = captions.at(6 - k) == Yin;
        QCOMPARE(QAccessible::queryAccessibleInterface(rig.ui.lbl_lijn[std::size_t(k - 1)])
                     ->text(QAccessible::Name),
            u"Lijn %1: %2"_s.arg(k).arg(yin ? u"gebroken lijn"_s : u"hele lijn"_s));
    }
}

void TestLookup::spinFromZeroToOneAndBack()
{
    DialogRig rig;
    QVERIFY(rig.waitActive());
    QTest::mouseClick(rig.ui.HexaSpin->upButton(), Qt::LeftButton);
    QCOMPARE(rig.ui.Hexanr->text(), u"1"_s);
    verifyShows(rig, 1);
    QCOMPARE(captionsOfLines(rig), QStringList(6, Yang));
    QCOMPARE(DialogRig::checkedCaption(rig.ui.BovenItems), u"Hemel   I  I  I"_s);
    QCOMPARE(DialogRig::checkedCaption(rig.ui.OnderItems), u"Hemel   I  I  I"_s);

    QTest::mouseClick(rig.ui.HexaSpin->downButton(), Qt::LeftButton);
    QCOMPARE(rig.ui.Hexanr->text(), u"0"_s);
    verifyShows(rig, 1);
    QVERIFY(rig.prompts.errors.isEmpty());
}

void TestLookup::spinSteps_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key"); // Key_Up / Key_Down in the field, 0: the arrow buttons
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<int>("shown");
    QTest::newRow("0 down does nothing") << u"0"_s << 0 << -1 << u"0"_s << 0;
    QTest::newRow("64 up does nothing") << u"64"_s << 0 << 1 << u"64"_s << 0;
    QTest::newRow("63 up") << u"63"_s << 0 << 1 << u"64"_s << 64;
    QTest::newRow("typed 30 up") << u"30"_s << 0 << 1 << u"31"_s << 31;
    QTest::newRow("typed 30 down") << u"30"_s << 0 << -1 << u"29"_s << 29;
    QTest::newRow("Up key") << u"5"_s << int(Qt::Key_Up) << 1 << u"6"_s << 6;
    QTest::newRow("Down key") << u"5"_s << int(Qt::Key_Down) << -1 << u"4"_s << 4;
    QTest::newRow("Down key at 0") << u"0"_s << int(Qt::Key_Down) << -1 << u"0"_s << 0;
}

void TestLookup::spinSteps()
{
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, step);
    QFETCH(QString, fieldAfter);
    QFETCH(int, shown);
    DialogRig rig;
    QVERIFY(rig.waitActive());
    rig.typeHexanr(start);
    if (key != 0)
        QTest::keyClick(rig.ui.Hexanr, Qt::Key(key));
    else
        QTest::mouseClick(
            step > 0 ? rig.ui.HexaSpin->upButton() : rig.ui.HexaSpin->downButton(), Qt::LeftButton);
    QCOMPARE(rig.ui.Hexanr->text(), fieldAfter);
    verifyShows(rig, shown);
}

void TestLookup::spinPauseIgnoresQuickSteps()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    d.setSpinPause(std::chrono::hours(1));
    QTest::mouseClick(rig.ui.HexaSpin->upButton(), Qt::LeftButton);
    QTest::mouseClick(rig.ui.HexaSpin->upButton(), Qt::LeftButton);
    QTest::keyClick(rig.ui.Hexanr, Qt::Key_Up);
    QCOMPARE(rig.ui.Hexanr->text(), u"1"_s);
    d.setSpinPause(std::chrono::milliseconds(0));
    QTest::mouseClick(rig.ui.HexaSpin->upButton(), Qt::LeftButton);
    QCOMPARE(rig.ui.Hexanr->text(), u"2"_s);
}

void TestLookup::trigramPairs_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<int>("n");
    QTest::newRow("Donder over Hemel") << u"Donder -- -- I"_s << u"Hemel   I  I  I"_s << 34;
    QTest::newRow("Vuur over Water") << u"Vuur     I --  I"_s << u"Water   -- I --"_s << 64;
    QTest::newRow("Hemel over Aarde") << u"Hemel   I  I  I"_s << u"Aarde  -- -- --"_s << 12;
    QTest::newRow("Aarde over Hemel") << u"Aarde  -- -- --"_s << u"Hemel   I  I  I"_s << 11;
    QTest::newRow("Water over Water") << u"Water   -- I --"_s << u"Water   -- I --"_s << 29;
    QTest::newRow("Meer over Berg") << u"Meer    -- I  I"_s << u"Berg     I -- --"_s << 31;
    QTest::newRow("Wind over Meer") << u"Wind    I  I --"_s << u"Meer    -- I  I"_s << 61;
}

void TestLookup::trigramPairs()
{
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(int, n);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    DialogRig::clickItem(rig.ui.OnderItems, lower);
    DialogRig::clickItem(rig.ui.BovenItems, upper);
    verifyShows(rig, n);
    QCOMPARE(d.lookup().number, n);
    QCOMPARE(rig.ui.Hexanr->text(), u"0"_s);

    // Looking the number up again from elsewhere selects the same pair.
    DialogRig::clickItem(rig.ui.OnderItems->button((rig.ui.OnderItems->checkedId() + 1) % 8));
    rig.typeHexanr(QString::number(n));
    QTest::mouseClick(rig.ui.btAfbeeld, Qt::LeftButton);
    QCOMPARE(DialogRig::checkedCaption(rig.ui.BovenItems), upper);
    QCOMPARE(DialogRig::checkedCaption(rig.ui.OnderItems), lower);
    verifyShows(rig, n);
    QCOMPARE(d.lookup().number, n);
}

void TestLookup::oneTrigramGroupShowsNothing()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QCOMPARE(rig.ui.BovenItems->checkedButton(), nullptr);
    QCOMPARE(rig.ui.OnderItems->checkedButton(), nullptr);
    DialogRig::clickItem(rig.ui.BovenItems, u"Donder -- -- I"_s);
    DialogRig::clickItem(rig.ui.BovenItems, u"Vuur     I --  I"_s);
    QCOMPARE(d.lookup().upper, 7);
    QCOMPARE(d.lookup().lower, 0);
    verifyShowsNothingYet(rig);
    DialogRig::clickItem(rig.ui.OnderItems, u"Hemel   I  I  I"_s);
    verifyShows(rig, 14);
}

void TestLookup::pairLookupSurvivesHideAndShow()
{
    DialogRig rig;
    QVERIFY(rig.waitActive());
    DialogRig::clickItem(rig.ui.BovenItems, u"Donder -- -- I"_s);
    DialogRig::clickItem(rig.ui.OnderItems, u"Hemel   I  I  I"_s);
    QTest::mouseClick(rig.ui.CancelBtn, Qt::LeftButton);
    QVERIFY(rig.showAgain());
    verifyShows(rig, 34);
    DialogRig::clickItem(rig.ui.OnderItems, u"Aarde  -- -- --"_s);
    verifyShows(rig, 16);
}

void TestLookup::emptyNumberIsReported_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Afbeelden") << u"btAfbeeld"_s;
    QTest::newRow("OK") << u"OKBtn"_s;
    QTest::newRow("spin up") << u"HexaSpinUp"_s;
    QTest::newRow("spin down") << u"HexaSpinDown"_s;
    QTest::newRow("Up key") << u"key"_s;
}

void TestLookup::emptyNumberIsReported()
{
    QFETCH(QString, action);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    rig.typeHexanr(u"5"_s);
    QTest::mouseClick(rig.ui.btAfbeeld, Qt::LeftButton);
    rig.eraseHexanr();
    if (action == u"key"_s)
        QTest::keyClick(rig.ui.Hexanr, Qt::Key_Up);
    else
        QTest::mouseClick(d.findChild<QAbstractButton *>(action), Qt::LeftButton);

    QCOMPARE(rig.prompts.errors, QStringList { u"'' is geen geldig getal."_s });
    QCOMPARE(rig.ui.Hexanr->text(), QString());
    verifyShows(rig, 5);
    QCOMPARE(d.lookup().number, 5);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.view.shown, 0);
}

void TestLookup::pastedNonNumberIsReported_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::newRow("minus one") << u"-1"_s;
    QTest::newRow("plus five") << u"+5"_s;
}

void TestLookup::pastedNonNumberIsReported()
{
    QFETCH(QString, pasted);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QApplication::clipboard()->setText(pasted);
    rig.eraseHexanr();
    QTest::keySequence(rig.ui.Hexanr, QKeySequence::Paste);
    QCOMPARE(rig.ui.Hexanr->text(), pasted);
    QTest::keyClick(rig.ui.Hexanr, Qt::Key_Return);
    QCOMPARE(rig.prompts.errors, QStringList { u"'%1' is geen geldig getal."_s.arg(pasted) });
    verifyShowsNothingYet(rig);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.view.shown, 0);
}

// Eight items at a 12 px pitch: each radio circle stays inside its own item.
void TestLookup::trigramIndicatorsFitTheirPitch()
{
    DialogRig rig;
    for (QButtonGroup *group : { rig.ui.BovenItems, rig.ui.OnderItems }) {
        QRect previous;
        for (QAbstractButton *item : group->buttons()) {
            QStyleOptionButton option;
            option.initFrom(item);
            const QRect circle
                = item->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, item);
            QVERIFY2(item->rect().contains(circle), qPrintable(item->objectName()));
            const QRect placed = circle.translated(item->pos());
            QVERIFY2(!placed.intersects(previous), qPrintable(item->objectName()));
            previous = placed;
        }
    }
}

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"
