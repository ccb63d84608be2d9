// "Bewaar", "<<", ">>" and Page Up / Page Down through the real windows, on journal files in a
// temporary directory.
#include "JournalRig.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestJournalNav : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { JournalRig::setUpApplication(); }

    void bewaarAppendsOneLine_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("no moving line: 05 and 00")
            << u"777878"_s << QByteArray("07/03/25 09:05:07,Gaat \xE9\xE9n, of twee?,05,00,777878\r\n");
        QTest::newRow("a moving line")
            << u"977777"_s << QByteArray("07/03/25 09:05:07,Gaat \xE9\xE9n, of twee?,01,44,977777\r\n");
    }

    void bewaarAppendsOneLine()
    {
        QFETCH(QString, digits);
        QFETCH(QByteArray, line);
        JournalRig rig;
        rig.consult(u"Gaat één, of twee?"_s, digits);
        rig.save();
        QCOMPARE(rig.file(), line);
        QCOMPARE(rig.prompts.shown, QStringList { JournalTexts::Added });
        QVERIFY(rig.state.storedInJournal);
        QCOMPARE(rig.journal.journalCount, 1);
        QCOMPARE(rig.journal.journalPosition, 1);
        QCOMPARE(rig.listNumber(), u"Nieuw"_s);
        rig.save();
        QCOMPARE(rig.prompts.shown.last(), JournalTexts::AlreadyStored);
        QCOMPARE(rig.file(), line);
    }

    void bewaarAsksForAMissingQuestion_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QByteArray>("file");
        const QString emoji = u"\U0001F642"_s;
        QTest::newRow("Cancel saves nothing") << std::optional<QString>() << QByteArray("<none>");
        QTest::newRow("80 characters keep 64") << std::optional(
            QString(80, u'v')) << "07/03/25 09:05:07," + QByteArray(64, 'v') + ",01,44,977777\r\n";
        QTest::newRow("no half emoji") << std::optional(QString(63, u'v') + emoji)
                                       << "07/03/25 09:05:07," + QByteArray(63, 'v') + ",01,44,977777\r\n";
        QTest::newRow("an emoji makes the file UTF-8")
            << std::optional(u"Wat nu "_s + emoji)
            << "\xEF\xBB\xBF" + (u"07/03/25 09:05:07,Wat nu "_s + emoji + u",01,44,977777\r\n"_s).toUtf8();
        QTest::newRow("a line break becomes a space") << std::optional(
            u"twee\r\nregels"_s) << QByteArray("07/03/25 09:05:07,twee regels,01,44,977777\r\n");
    }

    void bewaarAsksForAMissingQuestion()
    {
        QFETCH(std::optional<QString>, answer);
        JournalRig rig;
        rig.consult(QString());
        rig.prompts.inputAnswer = answer;
        rig.save();
        QCOMPARE(rig.prompts.inputCaptions, QStringList { JournalTexts::MissingQuestionCaption });
        QCOMPARE(rig.prompts.inputs, QStringList { JournalTexts::MissingQuestionPrompt });
        QCOMPARE(rig.prompts.inputMaxLengths, QList<int> { 255 });
        QFETCH(QByteArray, file);
        QCOMPARE(rig.file(), file);
        QCOMPARE(rig.prompts.messages.size(), answer ? 1 : 0);
    }

    // A directory in the journal's place: reported, nothing counted or marked as stored.
    void failedSaveIsReportedAndChangesNothing()
    {
        JournalRig rig;
        QVERIFY(QDir().mkdir(JournalFileName));
        rig.consult(u"Lukt het?"_s);
        for (int attempt = 1; attempt <= 2; ++attempt) {
            rig.save();
            QCOMPARE(rig.prompts.errors.size(), attempt);
            QVERIFY(rig.prompts.errors.last().contains(JournalFileName));
            QVERIFY(rig.prompts.messages.isEmpty());
            QVERIFY(!rig.state.storedInJournal);
            QCOMPARE(rig.journal.journalCount, 0);
        }
        // "<<" keeps the consultation the user wanted saved on screen.
        rig.back();
        QCOMPARE(rig.prompts.errors.size(), 3);
        QCOMPARE(rig.listNumber(), u"Nieuw"_s);
    }

    void firstBackShowsTheNewestEntry()
    {
        JournalRig rig;
        rig.write(journalOf(11));
        rig.consult(u"Vraag 12, of niet?"_s, u"777777"_s);
        rig.clock.moment = QDateTime(QDate(2025, 1, 1), QTime(10, 12));
        rig.state.castDate = u"01/01/25 10:12:00"_s;
        rig.save();
        rig.back();
        QVERIFY(rig.prompts.confirms.isEmpty());
        QVERIFY_SHOWS(rig, 12, 12);
        rig.save();
        QCOMPARE(rig.prompts.shown.last(), JournalTexts::AlreadyStored);
    }

    void backOffersToSaveANewConsultation_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("entries");
        QTest::newRow("OK saves it") << u"Nog één?"_s << true << true << 13;
        QTest::newRow("Cancel does not") << u"Nog één?"_s << false << true << 12;
        QTest::newRow("no question, nothing asked") << QString() << true << false << 12;
    }

    void backOffersToSaveANewConsultation()
    {
        QFETCH(QString, question);
        QFETCH(int, entries);
        JournalRig rig;
        rig.write(journalOf(12));
        rig.consult(question);
        QFETCH(bool, ok);
        QFETCH(bool, asked);
        rig.prompts.confirmAnswer = ok;
        rig.back();
        QCOMPARE(rig.prompts.confirms, asked ? QStringList { JournalTexts::SaveFirst } : QStringList());
        QCOMPARE(rig.prompts.confirmCaptions.size(), rig.prompts.confirms.size());
        QCOMPARE(rig.file().count('\n'), entries);
        QCOMPARE(rig.listNumber(), u"%1 v %1"_s.arg(entries));
        QVERIFY(rig.state.storedInJournal && rig.state.isFromJournal);
    }

    void savedFromTheMiddleOfTheJournal()
    {
        JournalRig rig;
        rig.write(journalOf(12));
        rig.back(8);
        QVERIFY_SHOWS(rig, 5, 12);
        rig.consult(u"Een nieuwe vraag"_s);
        rig.back();
        QCOMPARE(rig.file().count('\n'), 13);
        QVERIFY(rig.file().endsWith(",Een nieuwe vraag,01,44,977777\r\n"));
        QVERIFY_SHOWS(rig, 5, 13);
    }

    void steppingStopsAtBothEnds()
    {
        JournalRig rig;
        rig.write(journalOf(3));
        rig.forward(); // right after start: nothing
        QCOMPARE(rig.listNumber(), u"Lijstnummer"_s);
        QTest::keyClick(&rig.form, Qt::Key_PageUp);
        QVERIFY_SHOWS(rig, 3, 3);
        rig.forward(); // at the newest: nothing
        QVERIFY_SHOWS(rig, 3, 3);
        rig.back(3);
        QVERIFY_SHOWS(rig, 1, 3);
        QTest::keyClick(&rig.form, Qt::Key_PageDown);
        QVERIFY_SHOWS(rig, 2, 3);
        QVERIFY(rig.prompts.shown.isEmpty());
        // Entry 7 of 3 leaves the line last read and counts the file.
        QCOMPARE(rig.program.journal().readJournalEntry(7), Journal::Read::Done);
        QCOMPARE(rig.program.journal().lastLine(), entry(2));
        QCOMPARE(rig.journal.journalCount, 3);
    }

    void markedJournalsAreSteppedThrough_data()
    {
        QTest::addColumn<QByteArray>("mark");
        QTest::addColumn<QString>("codec");
        QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF") << u"UTF-8"_s;
        QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") << u"UTF-16LE"_s;
        QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF") << u"UTF-16BE"_s;
    }

    void markedJournalsAreSteppedThrough()
    {
        QFETCH(QString, codec);
        JournalRig rig;
        QStringEncoder encoder(codec.toLatin1().constData());
        const QString text = entry(1) + u"\r\n01/02/25 11:00:00,Wat zegt 易經 🙂?,01,00,777777\r\n"_s;
        QFETCH(QByteArray, mark);
        rig.write(mark + QByteArray(encoder(text)));
        rig.back();
        QCOMPARE(rig.shownQuestion(), u"Wat zegt 易經 🙂?"_s);
        QCOMPARE(rig.listNumber(), u"2 v 2"_s);
        rig.back();
        QVERIFY_SHOWS(rig, 1, 2);
    }

    // Entries without a cast are passed over with a message, and so is a number the file no
    // longer has; the screen keeps what it showed.
    void entriesWithoutACastAreRefused()
    {
        JournalRig rig;
        rig.write(entry(1).toLatin1() + "\r\nkort\r\n01/01/25 10:03:00,Drie,01,00,777a77\r\n"
            + entry(4).toLatin1() + "\r\n");
        rig.back();
        QVERIFY_SHOWS(rig, 4, 4);
        for (int refused = 1; refused <= 2; ++refused) {
            rig.back();
            QCOMPARE(rig.prompts.errors.size(), refused);
            QVERIFY(rig.prompts.errors.last().startsWith(
                u"Vraag %1 van de geschiedenislijst"_s.arg(4 - refused)));
            QVERIFY_SHOWS(rig, 4, 4);
        }
        rig.back();
        QVERIFY_SHOWS(rig, 1, 4);
        rig.write(QByteArray());
        rig.forward();
        QCOMPARE(rig.prompts.errors.size(), 3);
        QVERIFY(rig.prompts.errors.last().contains(u"telt 0 vragen"_s));
        QCOMPARE(rig.journal.journalCount, 0);
        QCOMPARE(rig.shownQuestion(), u"Vraag 01, of niet?"_s);
    }

    // The real prompt of "Bewaar" keeps a pasted text to one line of at most 255 units.
    void promptKeepsOneLine()
    {
        QTimer::singleShot(0, qApp, [] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit *>()->insert(u"een\ntwee"_s + QString(300, u'x'));
            dialog->accept();
        });
        QtPrompts prompts;
        const auto answer = prompts.input(u"Bewaar vraag?"_s, u"Vraag"_s, QString(), 255);
        QCOMPARE(answer, std::optional(u"een twee"_s + QString(247, u'x')));
    }

    // Without a file a step shows its message and changes the consultation on screen in no
    // way: it is not counted as stored, so "Bewaar" then saves it.
    void missingFileEndsTheStep_data()
    {
        QTest::addColumn<bool>("back");
        QTest::newRow("<<") << true;
        QTest::newRow(">>") << false;
    }

    void missingFileEndsTheStep()
    {
        QFETCH(bool, back);
        JournalRig rig;
        rig.journal.journalCount = 3; // as the journal window counted it before the file went
        rig.consult(u"Zonder lijst"_s);
        rig.prompts.confirmAnswer = false;
        back ? rig.back() : rig.forward();
        QCOMPARE(rig.prompts.messages, QStringList { JournalTexts::NoFile });
        QCOMPARE(rig.listNumber(), u"Nieuw"_s);
        QCOMPARE(rig.shownQuestion(), u"Zonder lijst"_s);
        QVERIFY(!rig.state.storedInJournal && !rig.state.isFromJournal);
        rig.save();
        QCOMPARE(rig.prompts.messages.last(), JournalTexts::Added);
        QVERIFY(rig.file().endsWith(",Zonder lijst,01,44,977777\r\n"));
    }
};

QTEST_MAIN(TestJournalNav)
#include "tst_journalnav.moc"
