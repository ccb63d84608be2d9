#pragma once

#include "JournalFile.h"

#include <QObject>

#include <chrono>

class QFileSystemWatcher;

// What a change of the journal came to.
enum class JournalOutcome {
    Done,
    Unchanged, // there was nothing to do; nothing was written
    NoFile, // there is no journal file
    NoBackup, // "Herstel" without a backup file
    Moved, // another program changed the entry meanwhile; nothing was written
    Busy, // another program kept the journal locked; nothing was written
    Failed, // a file could not be read or written; the journal is as it was
};

struct JournalResult
{
    JournalOutcome outcome = JournalOutcome::Done;
    QString problem; // the Dutch message that says why, for Busy and Failed
    bool done() const { return outcome == JournalOutcome::Done; }
};

// The journal: the file and its backup, the list of its lines as last read or written here, and
// every change of it. Every change holds a lock beside the file and reads the file afresh under
// it, so two programs in one folder never write over each other's change. The list is read
// again only when the file's stamp changed, so a step reads one line, not the file.
class JournalStore final : public QObject
{
    Q_OBJECT
public:
    // The journal and its backup in `folder`; by default in the working folder at each use.
    explicit JournalStore(const QString &folder = QString(), QObject *parent = nullptr);
    ~JournalStore() override;

    QString journalPath() const { return m_folder + JournalFileName; }
    QString backupPath() const { return m_folder + JournalBackupName; }
    bool journalExists() const;

    const JournalLines &lines() const { return m_lines; }

    // Reads the file again if it changed since it was last read or written here. Without a file
    // the list stays as it is (NoFile).
    JournalResult refresh();
    // Entry n (1-based) of the file, and the file's number of entries.
    struct Entry
    {
        qsizetype count = 0;
        std::optional<QString> line;
    };
    JournalResult entry(qsizetype n, Entry &found);

    // A new last entry; the file is made when it is missing.
    JournalResult append(const QString &line);
    // The backup becomes the list, then the list loses these rows (ascending), as they were
    // when the list was last shown.
    JournalResult removeRows(const QList<int> &rows);
    JournalResult clear();
    // The backup comes back; entries saved after it was written stay after it.
    JournalResult restore();
    // The question of the entry in `row`, which must still read `entry`; the backup is written
    // first. Date, numbers and digits stay.
    JournalResult editQuestion(int row, const QString &entry, const QString &question);

    // While on, changedOnDisk tells when the file may have changed.
    void setWatching(bool on);
    // How long a change waits for another program's lock.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

Q_SIGNALS:
    // After the list changed: rows inserted (in the list after), removed (in the list before,
    // a range at a time, the last range first), changed, or a list read anew from the file.
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void rowChanged(int row);
    void aboutToReset();
    void reset();
    void changedOnDisk();

private:
    class Lock;
    enum class Sync { Same, Appended, Reset, NoFile, Failed };
    Sync sync(QString &problem, bool missingIsEmpty);
    // Under the lock: clears a killed save's leftovers and reads the file afresh. A result when
    // the change must stop there (lock refused, file unreadable); `synced` says what the read found.
    std::optional<JournalResult> beginChange(const Lock &lock, bool missingIsEmpty, Sync *synced = nullptr);
    bool adopt(JournalLines fresh);
    void replaceLines(JournalLines lines);
    void removeLeftovers() const;
    void removeRange(qsizetype first, qsizetype last);
    JournalResult failed(const QString &problem) const;
    FileProblem writeBackup();
    void noteJournalWritten();

    QString m_folder; // empty or ending in "/"
    JournalLines m_lines;
    FileStamp m_stamp; // of the file m_lines was last read from or written to
    // How many leading entries the backup stands for, while this program wrote the backup (of
    // that stamp) and the journal only grew since; -1 when unknown.
    qsizetype m_backupBase = -1;
    FileStamp m_backupStamp;
    std::chrono::milliseconds m_lockWait { 5000 };
    QFileSystemWatcher *m_watcher = nullptr;
};
