// A program killed (SIGKILL) while it saves the journal leaves the old file or the new one,
// whole: never a mix, never a truncation. Two programs that save, delete and restore on one
// journal at once lose no save.
#include "JournalFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

static QByteArray entries(int from, int to)
{
    QByteArray bytes;
    for (int n = from; n <= to; ++n)
        bytes += "entry " + QByteArray::number(n).rightJustified(6, '0') + "\r\n";
    return bytes;
}

class TestJournalCrash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedWhileSaving()
    {
        // 200 here; set WENDARIX_KILLS for a longer run by hand.
        const int kills = qEnvironmentVariableIsSet("WENDARIX_KILLS")
            ? qEnvironmentVariableIntValue("WENDARIX_KILLS")
            : 200;
        QTemporaryDir dir;
        const QString journal = dir.filePath(JournalFileName);
        // Big enough that a save takes a while, so kills land in the middle of writing too.
        constexpr int Start = 20000;
        {
            QFile file(journal);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(entries(1, Start));
        }
        QRandomGenerator random(QRandomGenerator::global()->generate());
        int count = Start;
        for (int k = 0; k < kills; ++k) {
            QProcess saver;
            saver.setWorkingDirectory(dir.path());
            saver.start(QCoreApplication::applicationDirPath() + u"/journal_saver"_s);
            QVERIFY(saver.waitForStarted());
            QVERIFY2(saver.waitForReadyRead(10000), "the saver never saved");
            QThread::usleep(random.bounded(20000));
            saver.kill();
            QVERIFY(saver.waitForFinished());

            QFile file(journal);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.endsWith("\r\n"), qPrintable(u"kill %1: the file ends in the middle"_s.arg(k)));
            const int saved = int(bytes.count('\n'));
            QVERIFY2(
                saved >= count, qPrintable(u"kill %1: %2 entries after %3"_s.arg(k).arg(saved).arg(count)));
            count = saved;
            QVERIFY2(bytes == entries(1, count), qPrintable(u"kill %1: a mixed file"_s.arg(k)));
        }
        qInfo("%d kills, %d entries saved in between", kills, count - Start);
    }

    void twoProgramsLoseNoSave()
    {
        QTemporaryDir dir;
        QProcess savers[2];
        for (int k = 0; k < 2; ++k) {
            savers[k].setWorkingDirectory(dir.path());
            savers[k].start(QCoreApplication::applicationDirPath() + u"/journal_saver"_s,
                { u"mixed"_s, k ? u"B"_s : u"A"_s, u"3000"_s });
        }
        QStringList saved;
        for (QProcess &saver : savers) {
            QVERIFY(saver.waitForFinished(30000));
            QCOMPARE(saver.exitCode(), 0); // 3: the file was not whole after a step
            saved += QString::fromLatin1(saver.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        }
        JournalLines list;
        QCOMPARE(loadJournalList(dir.filePath(JournalFileName), list), FileProblem());
        const QStringList lines = list.toStringList();
        QVERIFY2(saved.size() > 20, qPrintable(u"only %1 saves"_s.arg(saved.size())));
        for (const QString &save : std::as_const(saved))
            QVERIFY2(lines.contains(save), qPrintable(save + u" was lost"_s));
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::Files), QStringList { JournalBackupName } << JournalFileName);
    }
};

QTEST_GUILESS_MAIN(TestJournalCrash)
#include "tst_journalcrash.moc"
