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
QStringList captionsOfLines(const TOKBottomDlg &d)
{
    QStringList captions;
    for (int k = 6; k >= 1; --k)
        captions.append(d.lbl_lijn[std::size_t(k - 1)]->text());
    return captions;
}

void verifyShowsNothingYet(const TOKBottomDlg &d);

// n 0: nothing looked up yet.
void verifyShows(const TOKBottomDlg &d, int n)
{
    if (n == 0)
        return verifyShowsNothingYet(d);
    QCOMPARE(d.lbHexnr->text(), QString::number(n));
    QCOMPARE(d.shownNumber, n);
    QCOMPARE(d.Label8->text(), Title(n));
    QCOMPARE(d.lbl_Comment->text(), ProcessText(n));
    QCOMPARE(d.lbl_Prakt->text(), AdviceText(n));
}

void verifyShowsNothingYet(const TOKBottomDlg &d)
{
    QCOMPARE(d.lbHexnr->text(), QString());
    QCOMPARE(d.Label8->text(), u"Naam"_s);
    QCOMPARE(d.lbl_Comment->text(), u"   Commentaar"_s);
    QCOMPARE(d.lbl_Prakt->text(), u"   Praktische Raad"_s);
    QCOMPARE(captionsOfLines(d), QStringList(6, u"--"_s));
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
    QTest::keyClick(d.Hexanr, Qt::Key_Return);

    verifyShows(d, 12);
    QCOMPARE(DialogRig::checkedCaption(d.BovenItems), u"Hemel   I  I  I"_s);
    QCOMPARE(DialogRig::checkedCaption(d.OnderItems), u"Aarde  -- -- --"_s);
    QCOMPARE(d.Hexanr->text(), u"0"_s);
    QCOMPARE(d.lookupNumber, 12);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.view.shown, 0);

    QTest::keyClick(d.Hexanr, Qt::Key_Return);
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
    QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    verifyShows(d, shown);
    QCOMPARE(d.Hexanr->text(), fieldAfter);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.view.shown, 0);

    if (fieldAfter != u"0"_s) {
        // Still in the lookup step, until a click into the question puts "0" back.
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(rig.view.shown, 0);
        DialogRig::clickInto(d.Vragen);
        QCOMPARE(d.Hexanr->text(), u"0"_s);
    }
    QTest::mouseClick(d.OKBtn, Qt::LeftButton);
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
    QTest::mouseClick(rig.dialog->btAfbeeld, Qt::LeftButton);
    QCOMPARE(captionsOfLines(*rig.dialog), captions);
    verifyShows(*rig.dialog, n);
    // A screen reader hears the same lines in words, line 6 first as they are shown.
    for (int k = 6; k >= 1; --k) {
        const bool yin = captions.at(6 - k) == Yin;
        QCOMPARE(QAccessible::queryAccessibleInterface(rig.dialog->lbl_lijn[std::size_t(k - 1)])
                     ->text(QAccessible::Name),
            u"Lijn %1: %2"_s.arg(k).arg(yin ? u"gebroken lijn"_s : u"hele lijn"_s));
    }
}

void TestLookup::spinFromZeroToOneAndBack()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QTest::mouseClick(d.HexaSpin->upButton(), Qt::LeftButton);
    QCOMPARE(d.Hexanr->text(), u"1"_s);
    verifyShows(d, 1);
    QCOMPARE(captionsOfLines(d), QStringList(6, Yang));
    QCOMPARE(DialogRig::checkedCaption(d.BovenItems), u"Hemel   I  I  I"_s);
    QCOMPARE(DialogRig::checkedCaption(d.OnderItems), u"Hemel   I  I  I"_s);

    QTest::mouseClick(d.HexaSpin->downButton(), Qt::LeftButton);
    QCOMPARE(d.Hexanr->text(), u"0"_s);
    verifyShows(d, 1);
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
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    rig.typeHexanr(start);
    if (key != 0)
        QTest::keyClick(d.Hexanr, Qt::Key(key));
    else
        QTest::mouseClick(step > 0 ? d.HexaSpin->upButton() : d.HexaSpin->downButton(), Qt::LeftButton);
    QCOMPARE(d.Hexanr->text(), fieldAfter);
    verifyShows(d, shown);
}

void TestLookup::spinPauseIgnoresQuickSteps()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    d.setSpinPause(std::chrono::hours(1));
    QTest::mouseClick(d.HexaSpin->upButton(), Qt::LeftButton);
    QTest::mouseClick(d.HexaSpin->upButton(), Qt::LeftButton);
    QTest::keyClick(d.Hexanr, Qt::Key_Up);
    QCOMPARE(d.Hexanr->text(), u"1"_s);
    d.setSpinPause(std::chrono::milliseconds(0));
    QTest::mouseClick(d.HexaSpin->upButton(), Qt::LeftButton);
    QCOMPARE(d.Hexanr->text(), u"2"_s);
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
    DialogRig::clickItem(d.OnderItems, lower);
    DialogRig::clickItem(d.BovenItems, upper);
    verifyShows(d, n);
    QCOMPARE(d.lookupNumber, n);
    QCOMPARE(d.Hexanr->text(), u"0"_s);

    // Looking the number up again from elsewhere selects the same pair.
    DialogRig::clickItem(d.OnderItems->button((d.OnderItems->checkedId() + 1) % 8));
    rig.typeHexanr(QString::number(n));
    QTest::mouseClick(d.btAfbeeld, Qt::LeftButton);
    QCOMPARE(DialogRig::checkedCaption(d.BovenItems), upper);
    QCOMPARE(DialogRig::checkedCaption(d.OnderItems), lower);
    verifyShows(d, n);
    QCOMPARE(d.lookupNumber, n);
}

void TestLookup::oneTrigramGroupShowsNothing()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QCOMPARE(d.BovenItems->checkedButton(), nullptr);
    QCOMPARE(d.OnderItems->checkedButton(), nullptr);
    DialogRig::clickItem(d.BovenItems, u"Donder -- -- I"_s);
    DialogRig::clickItem(d.BovenItems, u"Vuur     I --  I"_s);
    QCOMPARE(d.upperChoice, 7);
    QCOMPARE(d.lowerChoice, 0);
    verifyShowsNothingYet(d);
    DialogRig::clickItem(d.OnderItems, u"Hemel   I  I  I"_s);
    verifyShows(d, 14);
}

void TestLookup::pairLookupSurvivesHideAndShow()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    DialogRig::clickItem(d.BovenItems, u"Donder -- -- I"_s);
    DialogRig::clickItem(d.OnderItems, u"Hemel   I  I  I"_s);
    QTest::mouseClick(d.CancelBtn, Qt::LeftButton);
    QVERIFY(rig.showAgain());
    verifyShows(d, 34);
    DialogRig::clickItem(d.OnderItems, u"Aarde  -- -- --"_s);
    verifyShows(d, 16);
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
    QTest::mouseClick(d.btAfbeeld, Qt::LeftButton);
    rig.eraseHexanr();
    if (action == u"key"_s)
        QTest::keyClick(d.Hexanr, Qt::Key_Up);
    else
        QTest::mouseClick(d.findChild<QAbstractButton *>(action), Qt::LeftButton);

    QCOMPARE(rig.prompts.errors, QStringList { u"'' is geen geldig getal."_s });
    QCOMPARE(d.Hexanr->text(), QString());
    verifyShows(d, 5);
    QCOMPARE(d.lookupNumber, 5);
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
    QTest::keySequence(d.Hexanr, QKeySequence::Paste);
    QCOMPARE(d.Hexanr->text(), pasted);
    QTest::keyClick(d.Hexanr, Qt::Key_Return);
    QCOMPARE(rig.prompts.errors, QStringList { u"'%1' is geen geldig getal."_s.arg(pasted) });
    verifyShowsNothingYet(d);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.view.shown, 0);
}

// Eight items at a 12 px pitch: each radio circle stays inside its own item.
void TestLookup::trigramIndicatorsFitTheirPitch()
{
    DialogRig rig;
    for (QButtonGroup *group : { rig.dialog->BovenItems, rig.dialog->OnderItems }) {
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
