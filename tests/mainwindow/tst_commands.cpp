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

    void controlsByName_data();
    void controlsByName();
    void tabOrder();
    void hintsAndAccessibleNames_data();
    void hintsAndAccessibleNames();

    void programAsDialogHost();
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
    rig.state.methodIndex = 4;
    rig.random.draws = {1, 0, 0, 0, 0, 3};
    QWidget *target = focus == u"Form1"_s ? &rig.form : rig.form.findChild<QWidget *>(focus);
    QTest::keyClick(target, Qt::Key_H, modifiers);
    QCOMPARE(rig.state.lineDigits, u"977776"_s);
    QCOMPARE(rig.form.lbl_Methode->text(), MethodCaptions::SixLines);
    QCOMPARE(rig.form.lbl_Datumx->text(), u"07/03/25 09:05:07"_s);
    QVERIFY(rig.form.lbl_Vraag->text().isEmpty());
    QCOMPARE(rig.form.lbl_Hexnr_A->text(), u"43"_s);
    QCOMPARE(rig.form.lbl_Hexnr_B->text(), u"44"_s);
}

void TestCommands::recastClearsJournalMarks()
{
    Rig rig;
    rig.cast(u"977776"_s, u"Blijf ik hier?"_s);
    // As if it had come from the journal and been saved there.
    rig.state.isFromJournal = true;
    rig.state.storedInJournal = true;
    rig.form.lbRegelnr->setText(u"3"_s);
    rig.clock.moment = rig.clock.moment.addSecs(61);
    QTest::keyClick(&rig.form, Qt::Key_H);
    QVERIFY(!rig.state.isFromJournal);
    QVERIFY(!rig.state.storedInJournal);
    QVERIFY(!rig.state.isOwnThrow);
    QCOMPARE(rig.state.lineDigits.size(), 6);
    QCOMPARE(rig.form.lbl_Methode->text(), MethodCaptions::Yarrow);
    QCOMPARE(rig.form.lbl_Datumx->text(), u"07/03/25 09:06:08"_s);
    QCOMPARE(rig.form.lbl_Vraag->text(), u"Blijf ik hier?"_s);
    QCOMPARE(rig.form.lbRegelnr->text(), u"3"_s);
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
    rig.state.methodIndex = 4;
    rig.random.draws = {2, 0, 3, 1, 2, 0}; // 8, 7, 6, 9, 8, 7
    QTest::keyClick(&rig.form, Qt::Key_H);
    QVERIFY(!rig.state.secondaryViewActive);
    QCOMPARE(rig.form.btKernHex->text(), u"S"_s);
    QCOMPARE(rig.form.btTussenHex->text(), u"R"_s);
    QCOMPARE(rig.state.lineDigits, u"876987"_s);
    QCOMPARE(rig.form.lbl_Methode->text(), MethodCaptions::SixLines);
    QVERIFY(rig.form.btTussenHex->isVisibleTo(&rig.form));
    QVERIFY(!rig.form.img_taosml->isVisibleTo(&rig.form));
    QCOMPARE(rig.form.lbl_Hexnr_A->text(), QString::number(rig.state.primaryNumber));
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
        QTest::keyClick(rig.form.knpBewaar, Qt::Key_Escape);
    else if (how == u"knpStop"_s)
        QTest::mouseClick(rig.form.knpStop, Qt::LeftButton);
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
    QCOMPARE(rig.commands, QStringList{hook});
}

void TestCommands::unwiredCommandsDoNothing()
{
    Rig bare;
    QTest::keyClick(&bare.form, Qt::Key_PageUp);
    QTest::keyClick(&bare.form, Qt::Key_PageDown);
    for (auto *button : bare.form.findChildren<QAbstractButton *>()) {
        if (button != bare.form.knpStop && button != bare.form.knpHelp)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(bare.form.isVisible());
}

void TestCommands::helpOpensHelpFile()
{
    Rig rig;
    QTest::mouseClick(rig.form.knpHelp, Qt::LeftButton);
    QCOMPARE(rig.shell.opened, QStringList{u"QUIVARHELP.chm"_s});
    QVERIFY(rig.prompts.shown.isEmpty());
}

void TestCommands::controlsByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    const char *const labels[] = {
        "lbl_Datum", "lbl_Datumx", "lbl_Methode", "lbRegelnr", "lbl_Vraagtitel", "lbl_Vraag",
        "lbl_Hexa_A", "lbl_Huis_A", "lbl_Huistxt_A", "lbl_Hexnr_A", "lbl_HexTitel_A",
        "lbl_Verander", "lbl_LijnenTitel", "Label1", "Label2", "lbl_Huistxt_B", "lbl_Hexnr_B",
        "lbl_HexTitel_B", "lbl_DV_A", "lbl_RaadDV_A", "lbl_SL_A", "lbl_RaadSL_A", "Label7",
        "Label8", "lbl_RaadDV_B", "lbl_RaadSL_B"};
    for (const char *name : labels)
        QTest::newRow(name) << QString::fromLatin1(name) << u"QLabel"_s;
    for (const char *name : {"GPnl_Achter", "GPnl_Hex1A", "GPnl_Hex1b", "GPnl_Hex2a", "GPnl_Hex2b"})
        QTest::newRow(name) << QString::fromLatin1(name) << u"TGradientPanel"_s;
    for (const char *name : {"Bevel1", "Bevel2", "Bevel3", "Bevel4", "Bevel5", "Bevel6", "Bevel7",
                             "Bevel8", "Bevel9", "Bevel10", "Bevel11", "SMB_RandHex_A", "SMB_RandHex_B"})
        QTest::newRow(name) << QString::fromLatin1(name) << u"TSMBevel"_s;
    for (int r = 1; r <= 6; ++r) {
        for (const char16_t *pattern : {u"shp_Lijn%1A_A", u"shp_Lijn%1BA_A", u"shp_Lijn%1BB_A",
                                        u"shp_cirkel%1_A", u"shp_Lijn%1A_B", u"shp_Lijn%1BA_B",
                                        u"shp_Lijn%1BB_B", u"Shape%1"}) {
            const QString name = QString::fromUtf16(pattern).arg(r);
            QTest::newRow(qPrintable(name)) << name << u"TShape"_s;
        }
        for (const char16_t *pattern : {u"SMB_Strp%1A_A", u"SMB_Strp%1B_A"}) {
            const QString name = QString::fromUtf16(pattern).arg(r);
            QTest::newRow(qPrintable(name)) << name << u"TSMBevel"_s;
        }
        const QString line = u"lbl_Lijn%1b"_s.arg(r);
        QTest::newRow(qPrintable(line)) << line << u"QLabel"_s;
        const QString value = u"lbl_Uitk%1_A"_s.arg(r - 1);
        QTest::newRow(qPrintable(value)) << value << u"QLabel"_s;
    }
    for (const char *name : {"knpVraag", "knpBewaar", "knpOpen", "knpHelp", "knpInfo", "knpStop", "btTussenHex"})
        QTest::newRow(name) << QString::fromLatin1(name) << u"QPushButton"_s;
    for (const char *name : {"btKernHex", "BackHistory", "GoHistory"})
        QTest::newRow(name) << QString::fromLatin1(name) << u"QToolButton"_s;
    for (const char *name : {"cbRegen", "cbKleur"})
        QTest::newRow(name) << QString::fromLatin1(name) << u"QCheckBox"_s;
    QTest::newRow("img_taosml") << u"img_taosml"_s << u"TTaoImage"_s;
}

void TestCommands::controlsByName()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    Rig rig;
    const QList<QWidget *> found = rig.form.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.first()->inherits(kind.toLatin1().constData()), found.first()->metaObject()->className());
}

void TestCommands::tabOrder()
{
    Rig rig;
    const QStringList expected = {u"knpVraag"_s, u"knpBewaar"_s, u"knpOpen"_s, u"knpInfo"_s,
                                  u"knpHelp"_s, u"knpStop"_s, u"btTussenHex"_s, u"cbKleur"_s,
                                  u"cbRegen"_s};
    QCOMPARE(tabStops(rig.form.knpVraag), expected);
}

void TestCommands::hintsAndAccessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("BackHistory") << u"BackHistory"_s << u"Terug in Geschiedenislijst"_s;
    QTest::newRow("GoHistory") << u"GoHistory"_s << u"Verder in Geschiedenislijst"_s;
    QTest::newRow("btKernHex") << u"btKernHex"_s << u"Start Hex. / KernHexagram"_s;
    QTest::newRow("btTussenHex") << u"btTussenHex"_s << u"Result Hex. / TussenHexagram"_s;
    QTest::newRow("cbRegen") << u"cbRegen"_s << u"Wissel Kleuren Doravel / Regenboog"_s;
    QTest::newRow("cbKleur") << u"cbKleur"_s << u"Wissel Kleuren Doravel / Grijs"_s;
    QTest::newRow("knpVraag") << u"knpVraag"_s << QString();
}

void TestCommands::hintsAndAccessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    Rig rig;
    auto *control = rig.form.findChild<QAbstractButton *>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), hint);
    QVERIFY(!control->accessibleName().isEmpty());
    if (!hint.isEmpty())
        QCOMPARE(control->accessibleName(), hint);
    QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
}

void TestCommands::programAsDialogHost()
{
    RecordingPrompts prompts;
    Program program({nullptr, nullptr, &prompts, nullptr});
    DialogHost &host = program;
    TForm1 &form = program.mainWindow();
    program.questionDialog().CancelBtnClick();
    program.state().ownThrowInput = u"977776"_s;
    program.consultation().readOwnThrow();
    QTest::mouseClick(form.btKernHex, Qt::LeftButton);
    QCOMPARE(form.btKernHex->text(), u"K"_s);

    host.resetViewButtons();
    QCOMPARE(form.btKernHex->text(), u"S"_s);
    QCOMPARE(form.btTussenHex->text(), u"R"_s);
    QVERIFY(!program.state().secondaryViewActive);
    host.setListNumberCaption(u"Nieuw"_s);
    QCOMPARE(form.lbRegelnr->text(), u"Nieuw"_s);
    host.setMainWindowEnabled(false);
    QVERIFY(!form.isEnabled());
    host.setMainWindowEnabled(true);
    QVERIFY(form.isEnabled());
    QSignalSpy closed(&form, &TForm1::closed);
    host.closeMainWindow();
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
    for (const char16_t *family : {u"Microsoft Sans Serif", u"MS Sans Serif", u"Arial"}) {
        QFont font(QString::fromUtf16(family));
        font.setPixelSize(13);
        QCOMPARE(QFontInfo(font).family(), u"Liberation Sans"_s);
    }
    Rig rig;
    QCOMPARE(QFontInfo(rig.form.knpVraag->font()).family(), u"DejaVu Sans"_s);
    QVERIFY(QFontMetrics(rig.form.knpVraag->font()).inFont(QChar(0x262F)));
}

void TestCommands::textsFitTheirLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    const QString methods[] = {MethodCaptions::Yarrow, MethodCaptions::Coins, MethodCaptions::RiceGrains,
                               MethodCaptions::Trigrams, MethodCaptions::SixLines,
                               MethodCaptions::PickedYarrow, MethodCaptions::PickedCoins,
                               MethodCaptions::PickedRiceGrains, MethodCaptions::OwnThrow,
                               MethodCaptions::FromJournal};
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
    QTest::newRow("lbl_Vraag 64 characters") << u"lbl_Vraag"_s
        << u"Wat moet ik weten over mijn werk, mijn huis en de mensen om mij?"_s;
    // The longest texts the oracle may hold: process 127, advice 34, line 77 characters.
    QTest::newRow("lbl_RaadDV_A 127 characters") << u"lbl_RaadDV_A"_s
        << u"Wat lang verborgen bleef, komt nu stap voor stap aan het licht; wie rustig kijkt, "
           u"ziet hoe de weg zich langzaam voor hem opent."_s;
    QTest::newRow("lbl_RaadSL_B 34 characters") << u"lbl_RaadSL_B"_s << u"Wacht af en houd je woord gestand."_s;
    QTest::newRow("lbl_Lijn1b 77 characters") << u"lbl_Lijn1b"_s
        << u"Je staat aan het begin van een lange weg; neem de tijd en kijk goed om je."_s;
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
