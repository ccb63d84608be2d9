// The journal store's own rules: a change waits for another program's lock and gives up with a
// message, changing nothing; a save clears what a killed save left; a file replaced behind the
// store's back is seen even with the same size and time.
#include "FileBytes.h"
#include "JournalStore.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    QVERIFY(file.commit());
}

} // namespace

class TestJournalStore : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void init()
    {
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(path(name));
        replaceFile(path(JournalFileName), "a\r\nb\r\nc\r\n");
        replaceFile(path(JournalBackupName), "a\r\n");
    }

    void aLockHeldElsewhereChangesNothing_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("save") << 0;
        QTest::newRow("delete") << 1;
        QTest::newRow("clear") << 2;
        QTest::newRow("restore") << 3;
        QTest::newRow("edit") << 4;
    }

    void aLockHeldElsewhereChangesNothing()
    {
        JournalStore store(m_dir.path());
        QVERIFY(store.refresh().done());
        QLockFile other(path(JournalFileName) + u".lock"_s);
        QVERIFY(other.tryLock());
        store.setLockWait(std::chrono::milliseconds(200));
        QFETCH(int, change);
        const JournalResult result = change == 0 ? store.append(u"d"_s)
            : change == 1                        ? store.removeRows({ 1 })
            : change == 2                        ? store.clear()
            : change == 3                        ? store.restore()
                                                 : store.editQuestion(0, u"a"_s, u"x"_s);
        QCOMPARE(result.outcome, JournalOutcome::Busy);
        QVERIFY2(result.problem.contains(u"ander programma"_s), qPrintable(result.problem));
        QCOMPARE(bytesOf(path(JournalFileName)), QByteArray("a\r\nb\r\nc\r\n"));
        QCOMPARE(bytesOf(path(JournalBackupName)), QByteArray("a\r\n"));
        QCOMPARE(store.lines().size(), 3);
        other.unlock();
        QVERIFY(store.append(u"d"_s).done());
    }

    void aSaveRemovesWhatAKilledSaveLeft()
    {
        for (const QString &name : { u"QuivarLijst.txt.Ab12Cd"_s, u"QuivarLijst.bak.x9Y8z7"_s,
                 u"QuivarLijst.txt.mijn"_s, u"QuivarLijst.txt.lock"_s })
            replaceFile(path(name), "half");
        JournalStore store(m_dir.path());
        QVERIFY(store.append(u"d"_s).done());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
            (QStringList { JournalBackupName, JournalFileName, u"QuivarLijst.txt.mijn"_s }));
    }

    // A same-size file put in place within the same second: only its identity differs.
    void aFileReplacedBehindItsBackIsSeen()
    {
        JournalStore store(m_dir.path());
        JournalStore::Entry found;
        QVERIFY(store.entry(2, found).done());
        QCOMPARE(found.line, std::optional(u"b"_s));
        const QDateTime modified = QFileInfo(path(JournalFileName)).lastModified();
        QSignalSpy reset(&store, &JournalStore::reset);
        replaceFile(path(JournalFileName), "a\r\nB\r\nc\r\n");
        QFile file(path(JournalFileName));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(store.entry(2, found).done());
        QCOMPARE(found.line, std::optional(u"B"_s));
        QCOMPARE(reset.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestJournalStore)
#include "tst_journalstore.moc"
