// The whole program through its real windows: start-up, a question asked in the dialog and
// answered in the main window, recasting, the About window, and the ways it ends.
#include "AppSetup.h"
#include "DialogControls.h"
#include "MainWindowRig.h"
#include "Program.h"
#include "WidgetChecks.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

struct ProgramRig : WindowServices
{
    Program program { { &random, &clock, &prompts, &shell } };
    TForm1 &form = program.mainWindow();
    MainControls ui { form };
    TOKBottomDlg &dialog = program.questionDialog();
    DialogControls dlg { dialog };
    TAboutBox &about = program.aboutWindow();

    // The user types a question and presses Enter in the dialog.
    void ask(const QString &question)
    {
        QTest::keyClicks(dlg.Vragen, question);
        QTest::keyClick(dlg.Vragen, Qt::Key_Return);
    }

    // The offscreen platform keeps a hidden window active; a desktop hands activation back.
    bool activateMain()
    {
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }
};

class TestProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        setUpApplication(*qApp);
        QLocale::setDefault(QLocale::c());
    }

    void startsInTheQuestionDialog()
    {
        ProgramRig rig;
        QCOMPARE(QApplication::applicationName(), u"WENDARIX"_s);
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(rig.form.isVisible());
        QVERIFY(!rig.form.isEnabled());
        QCOMPARE(rig.form.pos(), QPoint(592, 208));
        QVERIFY(!rig.program.journalWindow().isVisible());
        QVERIFY(rig.dialog.isVisible());
        QVERIFY(rig.dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(rig.dialog.geometry(), QRect(592, 208, 689, 448));
        QVERIFY(!rig.about.isVisible());
        QVERIFY(rig.program.state().lineDigits.isEmpty());
        QVERIFY(QTest::qWaitForWindowActive(&rig.dialog));
        QCOMPARE(QApplication::focusWidget(), rig.dlg.Vragen);
    }

    // Start-up measures text only once the windows are mapped; what comes out must be the
    // windows as they are built alone. (Only the controls the windows place: the spin buttons
    // place their own parts when shown.)
    void startUpBuildsTheWindowsAsAlone()
    {
        ProgramRig rig;
        Session session { rig.random, rig.clock, rig.prompts };
        const TForm1 form { session, rig.shell };
        const TOKBottomDlg dialog { session, rig.prompts, rig.shell };
        for (const auto &[built, alone] :
            { std::pair<const QWidget *, const QWidget *> { &rig.form, &form }, { &rig.dialog, &dialog } }) {
            for (const QWidget *child : alone->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (child->objectName().isEmpty())
                    continue;
                const auto *twin = built->findChild<QWidget *>(child->objectName());
                QVERIFY2(twin, qPrintable(child->objectName()));
                const QByteArray name = child->objectName().toUtf8();
                QVERIFY2(twin->geometry() == child->geometry(), name.constData());
                QVERIFY2(twin->font() == child->font(), name.constData());
            }
        }
        QCOMPARE(rig.dlg.Hexanr->text(), u"0"_s);
    }

    void questionAnsweredInTheMainWindow_data()
    {
        QTest::addColumn<int>("method"); // the item clicked in the method group, -1 for none
        QTest::addColumn<QString>("caption");
        QTest::newRow("no method ever chosen: yarrow") << -1 << MethodCaptions::Yarrow;
        QTest::newRow("coins") << 1 << MethodCaptions::Coins;
        QTest::newRow("six lines") << 4 << MethodCaptions::SixLines;
    }

    void questionAnsweredInTheMainWindow()
    {
        QFETCH(int, method);
        ProgramRig rig;
        if (method >= 0)
            rig.dlg.RadioGroepItems->button(method)->click();
        rig.ask(u"Waar gaat mijn werk heen?"_s);
        QVERIFY(!rig.dialog.isVisible());
        QVERIFY(rig.form.isEnabled());
        QTEST(rig.ui.lbl_Methode->text(), "caption");
        QCOMPARE(rig.ui.lbl_Vraag->text(), u"Waar gaat mijn werk heen?"_s);
        QCOMPARE(rig.ui.lbl_Datumx->text(), u"07/03/25 09:05:07"_s);
        QCOMPARE(rig.ui.lbRegelnr->text(), u"Nieuw"_s);
        QCOMPARE(rig.program.state().lineDigits.size(), 6);
        QCOMPARE(rig.ui.lbl_Hexnr_A->text(), QString::number(rig.program.state().primaryNumber));
    }

    void ownDigitsThroughTheDialog()
    {
        ProgramRig rig;
        QTest::keyClicks(rig.dlg.Vragen, u"Eigen worp"_s);
        QTest::mouseClick(rig.dlg.Worp, Qt::LeftButton);
        QTest::keyClicks(rig.dlg.Worp, u"789678"_s);
        QTest::keyClick(rig.dlg.Worp, Qt::Key_Return);
        QCOMPARE(rig.ui.lbl_Hexnr_A->text(), u"63"_s);
        QCOMPARE(rig.ui.lbl_Hexnr_B->text(), u"17"_s);
        QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::OwnThrow);
        QCOMPARE(rig.ui.lbl_HexTitel_A->text(), Title(63));
        QCOMPARE(rig.ui.lbl_Lijnb[3]->text(), LineTexts(63, 3)); // row 4 shows line 3, a 9
    }

    void recastWithTheKeyH()
    {
        ProgramRig rig;
        rig.dlg.RadioGroepItems->button(1)->click();
        rig.ask(u"Nog eens?"_s);
        QVERIFY(rig.activateMain());
        QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton);
        QCOMPARE(rig.ui.btKernHex->text(), u"K"_s);
        rig.clock.moment = rig.clock.moment.addSecs(75);
        rig.random.draws = { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 };
        QTest::keyClick(&rig.form, Qt::Key_H);
        QCOMPARE(rig.program.state().lineDigits, u"999999"_s);
        QCOMPARE(rig.ui.lbl_Methode->text(), MethodCaptions::Coins);
        QCOMPARE(rig.ui.lbl_Datumx->text(), u"07/03/25 09:06:22"_s);
        QCOMPARE(rig.ui.lbl_Vraag->text(), u"Nog eens?"_s);
        QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
        QCOMPARE(rig.ui.btTussenHex->text(), u"R"_s);
    }

    void mainWindowTakesNoInputWhileCovered_data()
    {
        QTest::addColumn<bool>("about"); // covered by the About window, else by the dialog
        QTest::newRow("question dialog") << false;
        QTest::newRow("About window") << true;
    }

    void mainWindowTakesNoInputWhileCovered()
    {
        QFETCH(bool, about);
        ProgramRig rig;
        rig.ask(u"Eerst een vraag"_s);
        const QString digits = rig.program.state().lineDigits;
        if (about)
            QTest::mouseClick(rig.ui.knpInfo, Qt::LeftButton);
        else
            QTest::mouseClick(rig.ui.knpVraag, Qt::LeftButton);
        QVERIFY((about ? static_cast<QWidget *>(&rig.about) : &rig.dialog)->isVisible());
        QVERIFY(!rig.form.isEnabled());

        QSignalSpy closed(&rig.form, &TForm1::closed);
        QTest::keyClick(&rig.form, Qt::Key_H);
        QTest::mouseClick(rig.ui.knpStop, Qt::LeftButton);
        QTest::mouseClick(rig.ui.btKernHex, Qt::LeftButton);
        QCOMPARE(rig.program.state().lineDigits, digits);
        QCOMPARE(rig.ui.btKernHex->text(), u"S"_s);
        QCOMPARE(closed.count(), 0);
    }

    void aboutWindowClosesLikeItsOkButton_data()
    {
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close box") << 0;
    }

    void aboutWindowClosesLikeItsOkButton()
    {
        QFETCH(int, key);
        ProgramRig rig;
        QTest::mouseClick(rig.dlg.CancelBtn, Qt::LeftButton);
        QVERIFY(rig.form.isEnabled());
        QTest::mouseClick(rig.ui.knpInfo, Qt::LeftButton);
        QVERIFY(rig.about.isVisible());
        QVERIFY(!rig.form.isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(&rig.about));
        if (key)
            QTest::keyClick(&rig.about, Qt::Key(key));
        else
            rig.about.close();
        QVERIFY(!rig.about.isVisible());
        QVERIFY(rig.form.isEnabled());
        QVERIFY(rig.dialog.isHidden());
    }

    void theProgramEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("STOP in the dialog") << u"btStop"_s;
        QTest::newRow("dialog close box") << u"dialog"_s;
        QTest::newRow("Stop in the main window") << u"knpStop"_s;
        QTest::newRow("Esc in the main window") << u"Esc"_s;
    }

    void theProgramEnds()
    {
        QFETCH(QString, how);
        ProgramRig rig;
        QSignalSpy closed(&rig.form, &TForm1::closed);
        if (how == u"btStop")
            QTest::mouseClick(rig.dlg.btStop, Qt::LeftButton);
        else if (how == u"dialog")
            rig.dialog.close();
        else {
            rig.ask(u"Een vraag, niet bewaard"_s);
            QVERIFY(rig.activateMain());
            if (how == u"knpStop")
                QTest::mouseClick(rig.ui.knpStop, Qt::LeftButton);
            else
                QTest::keyClick(&rig.form, Qt::Key_Escape);
        }
        QCOMPARE(closed.count(), 1);
        QVERIFY(!rig.form.isVisible());
        QVERIFY(rig.prompts.shown.isEmpty()); // nothing asked, nothing saved
    }

    void helpFromBothWindows()
    {
        ProgramRig rig;
        QTest::mouseClick(rig.dlg.btHLP, Qt::LeftButton);
        QTest::mouseClick(rig.dlg.CancelBtn, Qt::LeftButton);
        QTest::mouseClick(rig.ui.knpHelp, Qt::LeftButton);
        QCOMPARE(rig.shell.opened, (QStringList { u"QUIVARHELP.chm"_s, u"QUIVARHELP.chm"_s }));
    }

    // Every text of the corpus fits the label that shows it, at the sizes the layout gives.
    void everyOracleTextFitsItsLabel()
    {
        ProgramRig rig;
        const DialogControls &d = rig.dlg;
        const std::pair<const QLabel *, QString (*)(int)> labels[] = { { rig.ui.lbl_HexTitel_A, Title },
            { rig.ui.lbl_RaadDV_A, ProcessText }, { rig.ui.lbl_RaadSL_A, AdviceText },
            { rig.ui.lbl_RaadDV_B, ProcessText }, { rig.ui.lbl_RaadSL_B, AdviceText }, { d.Label8, Title },
            { d.lbl_Comment, ProcessText }, { d.lbl_Prakt, AdviceText } };
        const auto verifyFits = [](const QLabel *label, const QString &text) {
            const QByteArray overflow = textOverflow(label, text);
            QVERIFY2(overflow.isEmpty(), overflow.constData());
        };
        for (int n = 1; n <= 64; ++n) {
            for (const auto &[label, text] : labels)
                verifyFits(label, text(n));
            for (int k = 1; k <= 6; ++k)
                verifyFits(rig.ui.lbl_Lijnb[std::size_t(6 - k)], LineTexts(n, k));
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
