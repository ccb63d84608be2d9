// A reading leaves the program: copied with Ctrl+C, saved as PDF with Ctrl+Shift+P, offered in
// the main window's context menu.
#include "AppSetup.h"
#include "DialogControls.h"
#include "MainWindowRig.h"
#include "Program.h"
#include "QuietRaise.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
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
        const MainControls ui(form);
        const DialogControls dialog(program.questionDialog());
        QTest::keyClicks(dialog.Vragen, u"Wat brengt de zomer?"_s);
        QTest::keyClicks(dialog.Worp, u"789678"_s);
        QTest::keyClick(dialog.Worp, Qt::Key_Return);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        QStringList shown
            = { u"Wat brengt de zomer?"_s, u"63"_s, u"NA DE VOLTOOIING"_s, u"17"_s, u"DE NAVOLGING"_s };
        // Rows 3 and 4 show lines 4 and 3, the moving ones.
        for (QLabel *label :
            { ui.lbl_Datumx, ui.lbl_Methode, ui.lbl_Huistxt_A, ui.lbl_RaadDV_A, ui.lbl_RaadSL_A,
                ui.lbl_Huistxt_B, ui.lbl_RaadDV_B, ui.lbl_RaadSL_B, ui.lbl_Lijnb[2], ui.lbl_Lijnb[3] })
            shown << label->text();

        QApplication::clipboard()->clear();
        QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        for (const QString &text : shown) {
            QVERIFY(!text.isEmpty());
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
        QVERIFY(QFileInfo(pdf).size() > 1000);

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

    // A name that cannot be written says so in Dutch and leaves no file behind; the proposed
    // name keeps nothing a file name cannot hold.
    void pdfNotWritten()
    {
        QTemporaryDir folder;
        Rig rig;
        rig.cast(u"789678"_s, u"../a/b\\c:d*\"<>|"_s);
        rig.form.saveReadingAsPdf(); // cancelled
        QVERIFY(rig.prompts.errors.isEmpty());
        rig.prompts.fileAnswer = folder.filePath(u"geen-map/lezing.pdf"_s);
        rig.form.saveReadingAsPdf();
        QCOMPARE(rig.prompts.proposedFiles.constFirst(),
            QDir::current().filePath(u"07-03-25 09-05-07 ..-a-b-c-d.pdf"_s));
        QCOMPARE(rig.prompts.errors.size(), 1);
        QVERIFY(rig.prompts.errors.constFirst().startsWith(
            u"De raadpleging kon niet als PDF worden bewaard in "_s + *rig.prompts.fileAnswer));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void contextMenuOffersTheReading()
    {
        Rig rig;
        rig.cast(u"777777"_s);
        QStringList items;
        QTimer::singleShot(0, &rig.form, [&] {
            QWidget *menu = QApplication::activePopupWidget();
            for (QAction *a : menu->actions())
                items << a->text() + u' ' + a->shortcut().toString() + (a->isEnabled() ? u""_s : u" (uit)"_s);
            menu->close();
        });
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, { 300, 200 }, rig.form.mapToGlobal(QPoint(300, 200)));
        QApplication::sendEvent(rig.ui.lbl_RaadDV_A, &event);
        QCOMPARE(items,
            (QStringList { u"Kopieer raadpleging Ctrl+C"_s, u"Afdrukken... Ctrl+P"_s,
                u"Bewaar als PDF... Ctrl+Shift+P"_s }));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
