// The question dialog end to end: real window, real QTest events, a real Consultation.
#include "DialogRig.h"
#include "WidgetChecks.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestVraag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { DialogRig::setUpApplication(); }

    void createdShownOverDisabledMainWindow();
    void enterConsultsWithLastClickedMethod_data();
    void enterConsultsWithLastClickedMethod();
    void methodOutlivesTheClearedSelection();
    void manualDigitsConsult_data();
    void manualDigitsConsult();
    void incompleteOwnDigitsCastYarrow_data();
    void incompleteOwnDigitsCastYarrow();
    void enteringOneDigitFieldEmptiesTheOther_data();
    void enteringOneDigitFieldEmptiesTheOther();
    void returningFocusIsNoEntry_data();
    void returningFocusIsNoEntry();
    void keyFiltersDropOtherCharacters_data();
    void keyFiltersDropOtherCharacters();
    void questionIsOneLine_data();
    void questionIsOneLine();
    void editingShortcutsAct_data();
    void editingShortcutsAct();
    void tabWalksTheKeyboardOrder();
    void numberSelectsItselfOnFocus();
    void clearButtons();
    void closingPaths_data();
    void closingPaths();
    void showingAgainResetsTheInputs();
    void refusedInputChangesNothing_data();
    void refusedInputChangesNothing();
    void journalConfirmsWhileHidden();
    void helpButtonOpensHelpFile();
    void hintsAndAccessibleNames_data();
    void hintsAndAccessibleNames();
    void keyboardOrder();
    void colours_data();
    void colours();
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
};

void TestVraag::createdShownOverDisabledMainWindow()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QVERIFY(d.isVisible());
    QVERIFY(!rig.host.mainEnabled);
    QCOMPARE(d.parentWidget(), nullptr);
    QCOMPARE(d.windowTitle(), u"Een Vraag Stellen aan de I Tjing"_s);
    QCOMPARE(d.geometry(), QRect(592, 208, 689, 448));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.font().family(), u"Microsoft Sans Serif"_s);
    QCOMPARE(rig.ui.lbl_lijn[0]->font().family(), u"MS Sans Serif"_s);
    QVERIFY(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!d.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!d.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(QApplication::focusWidget(), rig.ui.Vragen);
    QCOMPARE(rig.ui.Hexanr->text(), u"0"_s);
    QCOMPARE(rig.ui.RadioGroepItems->checkedButton(), nullptr);
}

void TestVraag::enterConsultsWithLastClickedMethod_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Duizendblad") << 0 << MethodCaptions::Yarrow;
    QTest::newRow("Muntenworp") << 1 << MethodCaptions::Coins;
    QTest::newRow("Rijstkorrels") << 2 << MethodCaptions::RiceGrains;
    QTest::newRow("Trigrammen") << 3 << MethodCaptions::Trigrams;
    QTest::newRow("6 Lijnen") << 4 << MethodCaptions::SixLines;
    // Every draw is 0, so the computer picks the yarrow oracle.
    QTest::newRow("Computer kiest methode") << 5 << MethodCaptions::PickedYarrow;
}

void TestVraag::enterConsultsWithLastClickedMethod()
{
    QFETCH(int, method);
    QFETCH(QString, caption);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    // Each row is named after its item's caption.
    QCOMPARE(rig.ui.RadioGroepItems->button(method)->text(), QString::fromUtf8(QTest::currentDataTag()));
    // Another item first: the last click counts.
    rig.chooseMethod((method + 1) % 6);
    rig.chooseMethod(method);
    DialogRig::clickInto(rig.ui.Vragen);
    QTest::keyClicks(rig.ui.Vragen, u"Wat brengt het nieuwe jaar?"_s);
    QTest::keyClick(rig.ui.Vragen, Qt::Key_Return);

    QCOMPARE(rig.view.shown, 1);
    QCOMPARE(rig.view.caption(), caption);
    QCOMPARE(int(rig.state.method), method);
    QCOMPARE(rig.state.question, u"Wat brengt het nieuwe jaar?"_s);
    QCOMPARE(rig.state.castDate, u"24-12-25 09:05:07"_s);
    QCOMPARE(rig.state.lineDigits.size(), 6);
    QVERIFY(!d.isVisible());
    QVERIFY(rig.host.mainEnabled);
    QCOMPARE(rig.host.focusCount, 1);
    QCOMPARE(rig.host.resetCount, 1);
    QCOMPARE(rig.host.listCaption, u"Nieuw"_s);
    QVERIFY(!rig.state.secondaryViewActive);
    QVERIFY(!rig.state.storedInJournal);
}

void TestVraag::methodOutlivesTheClearedSelection()
{
    DialogRig rig;
    QVERIFY(rig.waitActive());
    rig.chooseMethod(1);
    QTest::mouseClick(rig.ui.CancelBtn, Qt::LeftButton);
    QVERIFY(rig.showAgain());
    QCOMPARE(rig.ui.RadioGroepItems->checkedButton(), nullptr);
    QTest::keyClick(rig.ui.Vragen, Qt::Key_Return);
    QCOMPARE(rig.view.caption(), MethodCaptions::Coins);
}

void TestVraag::manualDigitsConsult_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("lineDigits");
    QTest::addColumn<int>("primary");
    QTest::addColumn<int>("changed");
    QTest::addColumn<QString>("pastedOwnThrow"); // put into Worp after typing, as a paste would
    QTest::newRow("own 789678") << u"Worp"_s << u"789678"_s << u"789678"_s << 63 << 17 << QString();
    QTest::newRow("dice 123") << u"Dobbel"_s << u"123"_s << u"779778"_s << 43 << 58 << QString();
    QTest::newRow("dice 886") << u"Dobbel"_s << u"886"_s << u"888886"_s << 2 << 23 << QString();
    QTest::newRow("dice 12") << u"Dobbel"_s << u"12"_s << u"797778"_s << 43 << 49 << QString();
    QTest::newRow("dice win over own digits")
        << u"Dobbel"_s << u"123"_s << u"779778"_s << 43 << 58 << u"666666"_s;
}

void TestVraag::manualDigitsConsult()
{
    QFETCH(QString, field);
    QFETCH(QString, digits);
    QFETCH(QString, lineDigits);
    QFETCH(int, primary);
    QFETCH(int, changed);
    QFETCH(QString, pastedOwnThrow);
    DialogRig rig;
    QVERIFY(rig.waitActive());
    // A method chosen first is ignored once digits are typed.
    rig.chooseMethod(3);
    QLineEdit *edit = rig.typeInto(field, digits);
    QVERIFY(edit);
    if (!pastedOwnThrow.isEmpty())
        rig.ui.Worp->setText(pastedOwnThrow);
    // Enter in the digit field itself still reaches the OK button.
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(rig.view.shown, 1);
    QCOMPARE(rig.view.caption(), MethodCaptions::OwnThrow);
    QCOMPARE(rig.state.lineDigits, lineDigits);
    QCOMPARE(rig.state.primaryNumber, primary);
    QCOMPARE(rig.state.changedNumber, changed);
    QVERIFY(rig.prompts.errors.isEmpty());
}

void TestVraag::incompleteOwnDigitsCastYarrow_data()
{
    QTest::addColumn<int>("method");
    for (int method = 0; method < 6; ++method)
        QTest::addRow("method %d chosen", method) << method;
}

void TestVraag::incompleteOwnDigitsCastYarrow()
{
    QFETCH(int, method);
    DialogRig rig;
    QVERIFY(rig.waitActive());
    rig.chooseMethod(method);
    DialogRig::clickInto(rig.ui.Worp);
    QTest::keyClicks(rig.ui.Worp, u"789"_s);
    QTest::mouseClick(rig.ui.OKBtn, Qt::LeftButton);

    QCOMPARE(rig.prompts.messages, QStringList { CastMessages::Incomplete });
    QCOMPARE(rig.view.caption(), MethodCaptions::Yarrow);
    QCOMPARE(rig.view.shown, 1);
    QCOMPARE(int(rig.state.method), method);
}

void TestVraag::enteringOneDigitFieldEmptiesTheOther_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("second");
    QTest::newRow("own throw, then dice") << u"Worp"_s << u"7896"_s << u"Dobbel"_s;
    QTest::newRow("dice, then own throw") << u"Dobbel"_s << u"123"_s << u"Worp"_s;
}

void TestVraag::enteringOneDigitFieldEmptiesTheOther()
{
    QFETCH(QString, first);
    QFETCH(QString, digits);
    QFETCH(QString, second);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QLineEdit *one = rig.typeInto(first, digits);
    auto *other = d.findChild<QLineEdit *>(second);
    rig.chooseMethod(2);
    rig.typeHexanr(u"5"_s);

    DialogRig::clickInto(other);
    QCOMPARE(QApplication::focusWidget(), other);
    QCOMPARE(one->text(), QString());
    QCOMPARE(rig.ui.Hexanr->text(), u"0"_s);
    QCOMPARE(rig.ui.RadioGroepItems->checkedButton(), nullptr);
    QCOMPARE(int(rig.state.method), 2);
}

void TestVraag::returningFocusIsNoEntry_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("entered");
    QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
    QTest::newRow("window activated again") << int(Qt::ActiveWindowFocusReason) << false;
    QTest::newRow("pop-up menu closed") << int(Qt::PopupFocusReason) << false;
}

void TestVraag::returningFocusIsNoEntry()
{
    QFETCH(int, reason);
    QFETCH(bool, entered);
    DialogRig rig;
    rig.ui.Dobbel->setText(u"12"_s);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::FocusReason(reason));
    QCoreApplication::sendEvent(rig.ui.Worp, &focusIn);
    QCOMPARE(rig.ui.Dobbel->text().isEmpty(), entered);
}

void TestVraag::keyFiltersDropOtherCharacters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("own throw keeps 6..9") << u"Worp"_s << u"a6b7 9!5x8"_s << u"6798"_s;
    QTest::newRow("own throw holds six") << u"Worp"_s << u"6789666"_s << u"678966"_s;
    QTest::newRow("own throw takes backspace") << u"Worp"_s << u"67\b8"_s << u"68"_s;
    QTest::newRow("dice keeps 1..8") << u"Dobbel"_s << u"09x1-2"_s << u"12"_s;
    QTest::newRow("dice holds three") << u"Dobbel"_s << u"12345"_s << u"123"_s;
    QTest::newRow("dice takes backspace") << u"Dobbel"_s << u"1\b8"_s << u"8"_s;
    QTest::newRow("number keeps digits") << u"Hexanr"_s << u"x1 -2"_s << u"12"_s;
    QTest::newRow("number holds two") << u"Hexanr"_s << u"123"_s << u"12"_s;
    QTest::newRow("question takes anything") << u"Vragen"_s << u"Zal 't lukken?"_s << u"Zal 't lukken?"_s;
    QTest::newRow("question holds 64") << u"Vragen"_s << QString(70, u'v') << QString(64, u'v');
}

void TestVraag::keyFiltersDropOtherCharacters()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    DialogRig rig;
    QVERIFY(rig.waitActive());
    QLineEdit *edit = rig.typeInto(field, typed);
    QVERIFY(edit);
    QCOMPARE(edit->text(), expected);
}

void TestVraag::questionIsOneLine_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    const QString letters63(63, u'x');
    const QString emoji = u"\U0001F642"_s;
    QTest::newRow("line breaks and tab") << u"Gaat\r\nhet\n\tgoed?"_s << u"Gaat het  goed?"_s;
    QTest::newRow("other controls dropped") << u"a\u0001b\u007Fc\u0085d"_s << u"abc d"_s;
    QTest::newRow("no half emoji at 64") << letters63 + emoji << letters63;
    QTest::newRow("a whole emoji fits") << letters63.left(62) + emoji << letters63.left(62) + emoji;
}

// What a paste or a drop puts into the field: QLineEdit::insert.
void TestVraag::questionIsOneLine()
{
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    DialogRig rig;
    rig.ui.Vragen->insert(pasted);
    QCOMPARE(rig.ui.Vragen->text(), expected);
}

void TestVraag::editingShortcutsAct_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("clipboardAfter");
    // Pasted text passes the filter; OK checks it.
    QTest::newRow("Ctrl+V pastes anything")
        << u"Worp"_s << QString() << u"abc"_s << u"Ctrl+V"_s << u"abc"_s << u"abc"_s;
    QTest::newRow("Ctrl+A and a digit replace")
        << u"Worp"_s << u"678"_s << QString() << u"Ctrl+A, 9"_s << u"9"_s << QString();
    QTest::newRow("Ctrl+X cuts") << u"Dobbel"_s << u"12"_s << QString() << u"Ctrl+A, Ctrl+X"_s << QString()
                                 << u"12"_s;
}

void TestVraag::editingShortcutsAct()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, clipboard);
    QFETCH(QString, keys);
    DialogRig rig;
    QVERIFY(rig.waitActive());
    QApplication::clipboard()->setText(clipboard);
    QLineEdit *edit = rig.typeInto(field, typed);
    QVERIFY(edit);
    QTest::keySequence(edit, QKeySequence(keys));
    QTEST(edit->text(), "expected");
    QTEST(QApplication::clipboard()->text(), "clipboardAfter");
}

// Round the dialog with Tab as a screen reader follows it, by the dialog's accessible focus
// child: the buttons on the way (OK, Afbeelden) are passed, not pressed. A radio group is one
// stop (its arrow keys move within it). Shift+Tab goes back, Alt does nothing.
void TestVraag::tabWalksTheKeyboardOrder()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QTest::keyClicks(rig.ui.Vragen, u"half af"_s);
    const QStringList expected = { u"Worp"_s, u"Hexanr"_s, u"btAfbeeld"_s, u"OKBtn"_s, u"CancelBtn"_s,
        u"RadioGroep_0"_s, u"HexaSpinUp"_s, u"HexaSpinDown"_s, u"Boven_0"_s, u"Onder_0"_s, u"Dobbel"_s,
        u"Vragen"_s, u"Dobbel"_s, u"Dobbel"_s };
    const QList<Qt::Key> keys = QList<Qt::Key>(12, Qt::Key_Tab) << Qt::Key_Backtab << Qt::Key_Alt;
    QStringList heard;
    for (const Qt::Key key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key);
        heard.append(QAccessible::queryAccessibleInterface(&d)->focusChild()->object()->objectName());
    }
    QCOMPARE(heard, expected);
    QVERIFY(d.isVisible());
    QCOMPARE(rig.ui.Vragen->text(), u"half af"_s);
    QCOMPARE(rig.ui.lbHexnr->text(), QString());
    QCOMPARE(rig.view.shown, 0);
}

void TestVraag::numberSelectsItselfOnFocus()
{
    // Clicked into or tabbed into, the field is selected: typing 12 replaces the "0".
    for (const bool byClick : { true, false }) {
        DialogRig rig;
        QVERIFY(rig.waitActive());
        if (byClick)
            rig.clickInto(rig.ui.Hexanr);
        else
            QTest::keyClicks(rig.ui.Vragen, u"\t\t"_s);
        QCOMPARE(QApplication::focusWidget(), rig.ui.Hexanr);
        QTest::keyClicks(rig.ui.Hexanr, u"12"_s);
        QTest::keyClick(rig.ui.Hexanr, Qt::Key_Return);
        QCOMPARE(rig.ui.lbHexnr->text(), u"12"_s);
    }
}

void TestVraag::clearButtons()
{
    DialogRig rig;
    QVERIFY(rig.waitActive());
    QTest::keyClicks(rig.ui.Vragen, u"vraag"_s);
    // The fields are filled as a paste would; entering them by click would empty the other.
    rig.ui.Worp->setText(u"6789"_s);
    rig.ui.Dobbel->setText(u"12"_s);
    QTest::mouseClick(rig.ui.Wis1, Qt::LeftButton);
    QCOMPARE(rig.ui.Worp->text(), QString());
    QCOMPARE(rig.ui.Dobbel->text(), QString());
    QCOMPARE(rig.ui.Vragen->text(), u"vraag"_s);
    QTest::mouseClick(rig.ui.Wis2, Qt::LeftButton);
    QCOMPARE(rig.ui.Vragen->text(), QString());
}

void TestVraag::closingPaths_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("endsProgram");
    QTest::newRow("Annuleer Vraag stores nothing") << u"CancelBtn"_s << false;
    QTest::newRow("Esc stores nothing") << u"Esc"_s << false;
    QTest::newRow("STOP closes the main window") << u"btStop"_s << true;
    QTest::newRow("close box closes the main window") << u"close"_s << true;
}

void TestVraag::closingPaths()
{
    QFETCH(QString, how);
    QFETCH(bool, endsProgram);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QTest::keyClicks(rig.ui.Vragen, u"nog niet"_s);
    if (how == u"Esc"_s)
        QTest::keyClick(rig.ui.Vragen, Qt::Key_Escape);
    else if (how == u"close"_s)
        QVERIFY(d.close());
    else
        QTest::mouseClick(d.findChild<QAbstractButton *>(how), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(rig.host.closeCount, endsProgram ? 1 : 0);
    QCOMPARE(rig.view.shown, 0);
    QCOMPARE(rig.state.question, QString());
    if (!endsProgram) {
        QVERIFY(rig.host.mainEnabled);
        QCOMPARE(rig.ui.Vragen->text(), u"nog niet"_s);
    }
}

void TestVraag::showingAgainResetsTheInputs()
{
    DialogRig rig;
    QVERIFY(rig.waitActive());
    rig.typeHexanr(u"12"_s);
    QTest::mouseClick(rig.ui.btAfbeeld, Qt::LeftButton);
    QTest::keyClicks(rig.ui.Vragen, u"vraag"_s);
    rig.ui.Worp->setText(u"6789"_s);
    rig.ui.Dobbel->setText(u"12"_s);
    rig.typeHexanr(u"7"_s);
    rig.chooseMethod(4);
    QTest::mouseClick(rig.ui.CancelBtn, Qt::LeftButton);
    // A journal entry is on screen when the question button is pressed.
    rig.state.isFromJournal = true;
    rig.state.isOwnThrow = true;
    rig.state.storedInJournal = false;

    QVERIFY(rig.showAgain());
    QVERIFY(!rig.host.mainEnabled);
    QCOMPARE(QApplication::focusWidget(), rig.ui.Vragen);
    QVERIFY(rig.state.storedInJournal);
    QVERIFY(!rig.state.isFromJournal);
    QVERIFY(!rig.state.isOwnThrow);
    QCOMPARE(rig.ui.RadioGroepItems->checkedButton(), nullptr);
    QCOMPARE(int(rig.state.method), 4);
    QCOMPARE(rig.ui.Vragen->text(), QString());
    QCOMPARE(rig.ui.Worp->text(), QString());
    QCOMPARE(rig.ui.Dobbel->text(), QString());
    QCOMPARE(rig.ui.Hexanr->text(), u"0"_s);
    // The lookup pane keeps what it showed.
    QCOMPARE(rig.ui.lbHexnr->text(), u"12"_s);
}

void TestVraag::refusedInputChangesNothing_data()
{
    QTest::addColumn<QString>("ownThrow");
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("message");
    QTest::newRow("one dice digit") << QString() << u"7"_s << CastMessages::DiceInvalid;
    QTest::newRow("dice line 7") << QString() << u"127"_s << CastMessages::DiceNoSuchLine;
    QTest::newRow("dice line 8") << QString() << u"438"_s << CastMessages::DiceNoSuchLine;
    QTest::newRow("pasted letter in own throw") << u"78x678"_s << QString() << CastMessages::OwnThrowInvalid;
    QTest::newRow("pasted 5 in own throw") << u"789675"_s << QString() << CastMessages::OwnThrowInvalid;
    QTest::newRow("pasted dice beside own throw") << u"789678"_s << u"19"_s << CastMessages::DiceInvalid;
}

void TestVraag::refusedInputChangesNothing()
{
    QFETCH(QString, ownThrow);
    QFETCH(QString, dice);
    QFETCH(QString, message);
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    // An earlier consultation is on screen.
    QTest::keyClicks(rig.ui.Vragen, u"oude vraag"_s);
    QTest::keyClick(rig.ui.Vragen, Qt::Key_Return);
    const ConsultationState before = rig.state;
    QVERIFY(rig.showAgain());
    rig.state.storedInJournal = true;
    rig.host.focusCount = 0;

    QTest::keyClicks(rig.ui.Vragen, u"nieuwe vraag"_s);
    rig.ui.Worp->setText(ownThrow);
    rig.ui.Dobbel->setText(dice);
    QTest::keyClick(rig.ui.Vragen, Qt::Key_Return);

    QCOMPARE(rig.prompts.errors, QStringList { message });
    QVERIFY(d.isVisible());
    QVERIFY(!rig.host.mainEnabled);
    QCOMPARE(rig.host.focusCount, 0);
    QCOMPARE(rig.view.shown, 1);
    QCOMPARE(rig.state.question, u"oude vraag"_s);
    QCOMPARE(rig.state.ownThrowInput, before.ownThrowInput);
    QCOMPARE(rig.state.diceInput, before.diceInput);
    QCOMPARE(rig.state.lineDigits, before.lineDigits);
    QCOMPARE(rig.state.castDate, before.castDate);
    QVERIFY(rig.state.storedInJournal);
    QCOMPARE(rig.ui.Vragen->text(), u"nieuwe vraag"_s);
}

void TestVraag::journalConfirmsWhileHidden()
{
    DialogRig rig;
    TOKBottomDlg &d = *rig.dialog;
    QVERIFY(rig.waitActive());
    QTest::mouseClick(rig.ui.CancelBtn, Qt::LeftButton);
    rig.state.isFromJournal = true;
    rig.state.castDate = u"01-02-03 04:05:06"_s;
    rig.state.storedInJournal = true;

    QVERIFY(d.confirmQuestion(u"uit de lijst"_s, u"789678"_s, QString()));
    QVERIFY(!d.isVisible());
    QCOMPARE(rig.view.shown, 1);
    QCOMPARE(rig.view.caption(), MethodCaptions::FromJournal);
    QCOMPARE(rig.state.question, u"uit de lijst"_s);
    QCOMPARE(rig.state.primaryNumber, 63);
    QCOMPARE(rig.state.castDate, u"01-02-03 04:05:06"_s);
    QVERIFY(!rig.state.storedInJournal);
    QCOMPARE(rig.host.listCaption, u"Nieuw"_s);
}

void TestVraag::helpButtonOpensHelpFile()
{
    DialogRig rig;
    QVERIFY(rig.waitActive());
    QTest::mouseClick(rig.ui.btHLP, Qt::LeftButton);
    QCOMPARE(rig.shell.opened, QStringList { u"QUIVARHELP.chm"_s });
    QVERIFY(rig.dialog->isVisible());
}

void TestVraag::hintsAndAccessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("name");
    QTest::newRow("yin-yang OK") << u"OKBtn"_s << u"Vraag Antwoord"_s << u"Vraag Antwoord"_s;
    QTest::newRow("help") << u"btHLP"_s << u"Help"_s << u"Help"_s;
    QTest::newRow("clear digits") << u"Wis1"_s << QString() << u"Wis de eigen worp en de dobbelstenen"_s;
    QTest::newRow("clear question") << u"Wis2"_s << QString() << u"Wis de vraag"_s;
    QTest::newRow("spin up") << u"HexaSpinUp"_s << QString() << u"Hexagramnummer hoger"_s;
    QTest::newRow("spin down") << u"HexaSpinDown"_s << QString() << u"Hexagramnummer lager"_s;
    QTest::newRow("question") << u"Vragen"_s << QString() << u"Vraag"_s;
    QTest::newRow("own throw") << u"Worp"_s << u"6 cijfers: begin met onderste getal"_s << u"Eigen Worp"_s;
    QTest::newRow("dice") << u"Dobbel"_s << u"3 Cijfers:  Onder - Boven + Lijn"_s << u"Dobbelstenen"_s;
    QTest::newRow("dice label") << u"Label7"_s << u"3 Getallen Onder-Boven trigram + Lijn"_s
                                << u"Dobbelstenen"_s;
    QTest::newRow("method group") << u"RadioGroep"_s
                                  << u"Als Handmatige getallen zijn ingevuld wordt dit genegeerd."_s
                                  << u"Automatische werpmethode kiezen:"_s;
    // The captions draw the lines with dashes and I's; the names say them.
    QTest::newRow("upper Hemel") << u"Boven_0"_s << QString() << u"Hemel, drie hele lijnen"_s;
    QTest::newRow("lower Vuur") << u"Onder_6"_s << QString()
                                << u"Vuur, een gebroken lijn tussen twee hele lijnen"_s;
    QTest::newRow("top line before a lookup")
        << u"lbl_lijn6"_s << QString() << u"Lijn 6: nog geen hexagram"_s;
    QTest::newRow("spin buttons") << u"HexaSpin"_s << QString() << u"Hexagramnummer stappen"_s;
}

void TestVraag::hintsAndAccessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    QFETCH(QString, name);
    DialogRig rig;
    auto *widget = rig.dialog->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), hint);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name).trimmed(), name);
}

void TestVraag::keyboardOrder()
{
    DialogRig rig;
    QStringList expected
        = { u"Vragen"_s, u"Worp"_s, u"Hexanr"_s, u"btAfbeeld"_s, u"OKBtn"_s, u"CancelBtn"_s };
    for (int i = 0; i < 6; ++i)
        expected.append(u"RadioGroep_"_s + QString::number(i));
    expected << u"HexaSpinUp"_s << u"HexaSpinDown"_s;
    for (int i = 0; i < 8; ++i)
        expected.append(u"Boven_"_s + QString::number(i));
    for (int i = 0; i < 8; ++i)
        expected.append(u"Onder_"_s + QString::number(i));
    expected.append(u"Dobbel"_s);
    QCOMPARE(tabStops(rig.ui.Vragen), expected);
}

void TestVraag::colours_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("left column background") << QPoint(100, 250) << QColor(0xC0, 0xC0, 0xC0);
    QTest::newRow("method group background") << QPoint(600, 127) << QColor(0xC0, 0xDC, 0xC0);
    QTest::newRow("right area, top of the gradient") << QPoint(300, 8) << QColor(0xA6, 0xCA, 0xF0);
    QTest::newRow("bottom strip ends in navy") << QPoint(300, 444) << QColor(0x00, 0x00, 0x80);
}

void TestVraag::colours()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    DialogRig rig;
    const QImage shot = rig.dialog->grab().toImage();
    QCOMPARE(shot.size(), QSize(689, 448));
    QCOMPARE(shot.pixelColor(at), colour);
}

void TestVraag::controlsAsLaidOut_data()
{
    // An empty size: an auto-sized label, placed at its top-left corner. An invalid colour: none
    // given. The colour is the text's: WindowText of labels and groups, Text of fields,
    // ButtonText of buttons.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("maxLength"); // fields only
    const QColor navy(0x00, 0x00, 0x80), red(0xFF, 0x00, 0x00), purple(0x80, 0x00, 0x80), none;
    const auto row
        = [](const char *name) -> QTestData & { return QTest::newRow(name) << QString::fromLatin1(name); };
    row("Label2") << QRect(207, 25, 255, 19) << u"Handmatige \"Eigen Worp\" Getallen:  "_s << 13 << true
                  << navy << 0;
    row("Label4") << QRect(222, 51, 282, 13) << u"Hexagram verkrijgen door zelf een methode uit te voeren."_s
                  << 11 << false << navy << 0;
    row("Label3") << QRect(222, 70, 0, 0) << u"Begin met het onderste is eerst gevonden getal [+ yin-yang ]"_s
                  << 11 << false << navy << 0;
    row("Label7") << QRect(600, 37, 0, 0) << u"Dobbelstenen"_s << 11 << false << navy << 0;
    row("Label1") << QRect(252, 254, 0, 0) << u"Hieronder kunt u uw vraag aan de QUIVAR stellen:"_s << 13
                  << true << red << 0;
    row("Label5") << QRect(223, 308, 0, 0)
                  << u"Concentreert u zich op de vraag en druk dan op Enter of de Yin-Yang knop"_s << 12
                  << false << navy << 0;
    row("Worp") << QRect(516, 55, 64, 23) << QString() << 13 << true << navy << 6;
    row("Dobbel") << QRect(613, 55, 39, 23) << QString() << 12 << true << QColor(0x80, 0x00, 0x00) << 3;
    row("Vragen") << QRect(222, 280, 402, 21) << QString() << 11 << false << navy << 64;
    row("Wis1") << QRect(586, 55, 21, 21) << QString() << 11 << false << none << 0;
    row("Wis2") << QRect(625, 280, 21, 21) << QString() << 11 << false << none << 0;
    row("RadioGroep") << QRect(223, 123, 401, 91) << u"Automatische werpmethode kiezen:  "_s << 13 << false
                      << navy << 0;
    row("btHLP") << QRect(199, 354, 30, 30) << u"?"_s << 19 << true << red << 0;
    row("OKBtn") << QRect(490, 349, 122, 34) << u"\u262F"_s << 35 << false << none << 0;
    row("CancelBtn") << QRect(490, 410, 122, 23) << u"Annuleer Vraag"_s << 13 << false << navy << 0;
    row("btStop") << QRect(57, 410, 63, 23) << u"STOP"_s << 11 << false << QColor(Qt::black) << 0;
    row("Label6") << QRect(7, 9, 74, 45) << u"Opzoeken  Hexagram  Nummer:  "_s << 12 << true << navy << 0;
    row("Hexanr") << QRect(8, 57, 36, 22) << u"0"_s << 11 << true << navy << 2;
    row("HexaSpin") << QRect(44, 57, 30, 22) << QString() << 11 << false << none << 0;
    row("btAfbeeld") << QRect(8, 83, 67, 22) << u"Afbeelden"_s << 11 << false << none << 0;
    row("Boven") << QRect(85, 2, 94, 120) << u"Trigram Boven"_s << 11 << false << navy << 0;
    row("Onder") << QRect(84, 123, 94, 120) << u"Trigram Onder"_s << 11 << false << navy << 0;
    row("lbl_lijn6") << QRect(10, 137, 64, 12) << u"--"_s << 16 << true << purple << 0;
    row("lbl_lijn4") << QRect(10, 165, 64, 12) << u"--"_s << 16 << true << purple << 0;
    row("lbl_lijn3") << QRect(10, 187, 64, 12) << u"--"_s << 16 << true << purple << 0;
    row("lbl_lijn1") << QRect(10, 216, 64, 12) << u"--"_s << 16 << true << purple << 0;
    row("lbHexnr") << QRect(31, 114, 20, 18) << QString() << 11 << true << navy << 0;
    row("Label8") << QRect(6, 252, 168, 13) << u"Naam"_s << 11 << false << navy << 0;
    row("lbl_Comment") << QRect(9, 278, 167, 71) << u"   Commentaar"_s << 11 << false << navy << 0;
    row("lbl_Prakt") << QRect(9, 359, 167, 30) << u"   Praktische Raad"_s << 11 << false << navy << 0;
}

void TestVraag::controlsAsLaidOut()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QFETCH(int, maxLength);
    DialogRig rig;
    auto *widget = rig.dialog->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->pos(), place.topLeft());
    if (!place.size().isEmpty())
        QCOMPARE(widget->size(), place.size());
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(widget->font().bold(), bold);

    QPalette::ColorRole role = QPalette::WindowText;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), text);
        if (control.startsWith(u"lbl_lijn"_s)) {
            // Their 16 px dashes overhang the 12 px rows by design; the wider yin caption
            // must fit across.
            QVERIFY(neededSize(label, u"---   ---"_s).width() <= label->width());
        } else {
            const QByteArray overflow = textOverflow(label, text);
            QVERIFY2(overflow.isEmpty(), overflow.constData());
        }
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        QCOMPARE(group->title(), text);
    } else if (auto *field = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(field->text(), text);
        QCOMPARE(field->maxLength(), maxLength);
        role = QPalette::Text;
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QCOMPARE(button->text(), text);
        role = QPalette::ButtonText;
    }
    if (colour.isValid())
        QCOMPARE(widget->palette().color(role), colour);
}

QTEST_MAIN(TestVraag)
#include "tst_vraag.moc"
