// A reading leaves the program: copied with Ctrl+C, saved as PDF with Ctrl+Shift+P, offered in
// the main window's context menu.
#include "AppSetup.h"
#include "MainWindowRig.h"
#include "Program.h"
#include "QuietRaise.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        setUpApplication(*qApp);
        QLocale::setDefault(QLocale::c());
        quietenRaiseWarnings();
    }

    // Asked in the dialog, copied and saved from the main window by its keys.
    void copyAndPdfHoldWhatTheScreenShows()
    {
        WindowServices services;
        Program program { { &services.random, &services.clock, &services.prompts, &services.shell } };
        TForm1 &form = program.mainWindow();
        TOKBottomDlg &dialog = program.questionDialog();
        QTest::keyClicks(dialog.Vragen, u"Wat brengt de zomer?"_s);
        QTest::keyClicks(dialog.Worp, u"789678"_s);
        QTest::keyClick(dialog.Worp, Qt::Key_Return);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        QStringList shown
            = { u"Wat brengt de zomer?"_s, u"63"_s, u"NA DE VOLTOOIING"_s, u"17"_s, u"DE NAVOLGING"_s };
        for (QLabel *label : { form.lbl_Datumx, form.lbl_Methode, form.lbl_Huistxt_A, form.lbl_RaadDV_A,
                 form.lbl_RaadSL_A, form.lbl_Huistxt_B, form.lbl_RaadDV_B, form.lbl_RaadSL_B })
            shown << label->text();
        for (QLabel *label : form.lbl_Lijnb) {
            if (!label->text().isEmpty())
                shown << label->text();
        }
        QCOMPARE(shown.size(), 15); // two moving lines

        QApplication::clipboard()->clear();
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->hasHtml());
        for (const QString &text : shown) {
            QVERIFY2(copied->text().contains(text), qPrintable(text));
            QVERIFY2(copied->html().contains(text.toHtmlEscaped()), qPrintable(text));
        }

        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"lezing.pdf"_s);
        services.prompts.fileAnswer = pdf;
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(services.prompts.proposedFiles,
            QStringList { QDir::current().filePath(u"07-03-25 09-05-07 Wat brengt de zomer.pdf"_s) });
        QVERIFY(services.prompts.errors.isEmpty());
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");

        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (Debian poppler-utils) is not installed");
        QProcess read;
        read.start(pdftotext, { u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s });
        QVERIFY(read.waitForFinished(30000));
        const QString page = QString::fromUtf8(read.readAllStandardOutput()).simplified();
        for (const QString &text : shown)
            QVERIFY2(page.contains(text.simplified()), qPrintable(text + u"\n--- not in ---\n"_s + page));
        QVERIFY(page.contains(u"WENDARIX"_s));
    }

    void pdfNotWritten_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("error");
        QTest::newRow("file question cancelled") << false << QString() << QString();
        QTest::newRow("folder missing")
            << true << u"geen-map/lezing.pdf"_s << u"De raadpleging kon niet als PDF worden bewaard in "_s;
    }

    // A name that cannot be written says so in Dutch and leaves no file behind.
    void pdfNotWritten()
    {
        QFETCH(bool, answer);
        QFETCH(QString, fileName);
        QFETCH(QString, error);
        QTemporaryDir folder;
        Rig rig;
        rig.cast(u"789678"_s);
        if (answer)
            rig.prompts.fileAnswer = folder.filePath(fileName);
        rig.form.saveReadingAsPdf();
        QCOMPARE(rig.prompts.fileQuestions, QStringList { u"Bewaar als PDF"_s });
        QCOMPARE(rig.prompts.errors.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QVERIFY(rig.prompts.errors.constFirst().startsWith(error + folder.filePath(fileName)));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList {});
    }

    void proposedFileName_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("name");
        QTest::newRow("question mark")
            << u"Wat brengt de zomer?"_s << u"07-03-25 09-05-07 Wat brengt de zomer.pdf"_s;
        QTest::newRow("path and reserved signs")
            << u"../a/b\\c:d*\"<>|"_s << u"07-03-25 09-05-07 ..-a-b-c-d.pdf"_s;
        QTest::newRow("no question") << QString() << u"07-03-25 09-05-07.pdf"_s;
    }

    void proposedFileName()
    {
        QFETCH(QString, question);
        Rig rig;
        rig.cast(u"777777"_s, question);
        QTEST(QFileInfo(rig.form.proposedPdfName()).fileName(), "name");
        QCOMPARE(QFileInfo(rig.form.proposedPdfName()).absolutePath(), QDir::currentPath());
    }

    void contextMenu_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("before a consultation") << QString() << false;
        QTest::newRow("a consultation on screen") << u"777777"_s << true;
    }

    void contextMenu()
    {
        QFETCH(QString, digits);
        Rig rig;
        if (!digits.isEmpty())
            rig.cast(digits);
        QStringList items;
        QList<bool> states;
        QTimer::singleShot(0, &rig.form, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *a : menu->actions()) {
                items << a->text() + u' ' + a->shortcut().toString();
                states << a->isEnabled();
            }
            menu->close();
        });
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, { 300, 200 }, rig.form.mapToGlobal(QPoint(300, 200)));
        QApplication::sendEvent(rig.form.lbl_RaadDV_A, &event);
        QCOMPARE(items,
            (QStringList { u"Kopieer raadpleging Ctrl+C"_s, u"Afdrukken... Ctrl+P"_s,
                u"Bewaar als PDF... Ctrl+Shift+P"_s }));
        QFETCH(bool, enabled);
        QCOMPARE(states, QList<bool>(3, enabled));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
