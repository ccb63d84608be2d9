#include "JournalStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSet>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#else
#include <QLockFile>
#endif

using namespace Qt::StringLiterals;

namespace {

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

QString busyText(const QString &path, std::chrono::milliseconds wait)
{
    return u"%1 wordt op dit moment bijgewerkt door een ander programma (misschien een tweede "
           u"WENDARIX); na %2 seconden wachten was het nog niet vrij.\n\nProbeer het zo nog eens. "
           u"Er is niets veranderd."_s.arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))
               .arg(qMax<qint64>(1, (wait.count() + 500) / 1000));
}

QString folderText(const QString &path)
{
    return u"In de map %1 mag geen bestand worden gemaakt; zonder dat kan %2 niet veilig worden "
           u"bewaard.\n\nEr is niets veranderd."_s.arg(
               QDir::toNativeSeparators(folderOf(path)), QFileInfo(path).fileName());
}

} // namespace

// The lock beside the journal, for the length of one change of the journal or its backup. On
// Unix it is the system's own lock on a file that exists while it is held: a program that dies
// loses it at once, and taking it writes nothing to the disk.
class JournalStore::Lock
{
public:
    Lock(const QString &journal, std::chrono::milliseconds wait)
        : m_journal(journal)
        , m_wait(wait)
    {
#ifdef Q_OS_UNIX
        const QByteArray name = QFile::encodeName(journal + u".lock"_s);
        QDeadlineTimer deadline(wait);
        for (;;) {
            const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (fd < 0) {
                refuse(false);
                return;
            }
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                // The program that held it may have removed the file just before: a lock on
                // that one guards nothing, so the file now at the name is taken instead.
                struct stat held, named;
                if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0
                    && held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
                    m_fd = fd;
                    m_name = name;
                    return;
                }
                ::close(fd);
                continue;
            }
            const int error = errno;
            ::close(fd);
            if (error != EWOULDBLOCK || deadline.hasExpired()) {
                refuse(error == EWOULDBLOCK);
                return;
            }
            QThread::msleep(10);
        }
#else
        m_file.setStaleLockTime(std::chrono::seconds(30));
        if (!m_file.tryLock(wait))
            refuse(m_file.error() == QLockFile::LockFailedError);
#endif
    }
    ~Lock()
    {
#ifdef Q_OS_UNIX
        // Removed while still held, so that whoever takes it next finds the file gone.
        if (m_fd >= 0) {
            ::unlink(m_name.constData());
            ::close(m_fd);
        }
#endif
    }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    bool held() const
    {
        return m_problem.isEmpty();
    }
    JournalResult refusal() const
    {
        return { m_busy ? JournalOutcome::Busy : JournalOutcome::Failed, m_problem };
    }

private:
    void refuse(bool busy)
    {
        m_busy = busy;
        if (busy)
            m_problem = busyText(m_journal, m_wait);
        else if (!QFileInfo(folderOf(m_journal)).isWritable())
            m_problem = folderText(m_journal);
        else
            m_problem = u"Het bestand %1 kon niet worden gemaakt.\n\nEr is niets veranderd."_s.arg(
                QDir::toNativeSeparators(QFileInfo(m_journal).absoluteFilePath() + u".lock"_s));
    }

    QString m_journal;
    std::chrono::milliseconds m_wait;
    QString m_problem;
    bool m_busy = false;
#ifdef Q_OS_UNIX
    int m_fd = -1;
    QByteArray m_name;
#else
    QLockFile m_file { m_journal + u".lock"_s };
#endif
};

std::optional<JournalResult> JournalStore::beginChange(const Lock &lock, bool missingIsEmpty, Sync *synced)
{
    if (!lock.held())
        return lock.refusal();
    removeLeftovers();
    QString problem;
    const Sync result = sync(problem, missingIsEmpty);
    if (result == Sync::Failed)
        return failed(problem);
    if (synced)
        *synced = result;
    return std::nullopt;
}

JournalStore::JournalStore(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/')
{ }

JournalStore::~JournalStore() = default;

// A list replaced by another is let go once the event loop runs again: handing a hundred
// megabytes back to the system is no part of what the user waits for.
void JournalStore::replaceLines(JournalLines lines)
{
    JournalLines old = std::exchange(m_lines, std::move(lines));
    if (QCoreApplication::instance())
        QTimer::singleShot(0, this, [old = std::move(old)] {});
}

bool JournalStore::journalExists() const
{
    return QFileInfo::exists(journalPath());
}

JournalStore::Sync JournalStore::sync(QString &problem, bool missingIsEmpty)
{
    const FileStamp stamp = stampOf(journalPath());
    if (!stamp.exists) {
        m_stamp = {};
        if (missingIsEmpty && (!m_lines.isEmpty() || m_lines.encoding() != JournalEncoding::Ansi)) {
            adopt({});
            return Sync::Reset;
        }
        return Sync::NoFile;
    }
    if (stamp == m_stamp)
        return Sync::Same;
    JournalLines fresh;
    FileStamp freshStamp;
    if (const FileProblem failed = loadJournalList(journalPath(), fresh, &freshStamp)) {
        problem = *failed;
        return Sync::Failed;
    }
    m_stamp = freshStamp;
    return adopt(std::move(fresh)) ? Sync::Appended : Sync::Reset;
}

// True when the fresh list only adds to the old one.
bool JournalStore::adopt(JournalLines fresh)
{
    const qsizetype before = m_lines.size();
    if (m_lines.isStartOf(fresh)) {
        replaceLines(std::move(fresh));
        if (m_lines.size() > before)
            Q_EMIT rowsInserted(int(before), int(m_lines.size() - 1));
        return true;
    }
    // Rewritten by another program: what this program knew of the backup no longer holds.
    m_backupBase = -1;
    Q_EMIT aboutToReset();
    replaceLines(std::move(fresh));
    Q_EMIT reset();
    return false;
}

JournalResult JournalStore::refresh()
{
    QString problem;
    switch (sync(problem, false)) {
    case Sync::Failed:
        return failed(problem);
    case Sync::NoFile:
        return { JournalOutcome::NoFile, {} };
    default:
        return {};
    }
}

JournalResult JournalStore::entry(qsizetype n, Entry &found)
{
    const JournalResult result = refresh();
    if (!result.done())
        return result;
    found.count = m_lines.size();
    found.line = n >= 1 && n <= m_lines.size() ? std::optional(m_lines.at(n - 1)) : std::nullopt;
    return result;
}

JournalResult JournalStore::failed(const QString &problem) const
{
    return { JournalOutcome::Failed, problem };
}

// The temporary files of a save that was killed midway. Under the lock no save of ours is
// running, so whatever matches is left over.
void JournalStore::removeLeftovers() const
{
    QDir folder(folderOf(journalPath()));
    const QStringList names = folder.entryList(
        { JournalFileName + u".??????"_s, JournalBackupName + u".??????"_s }, QDir::Files | QDir::Hidden);
    for (const QString &name : names)
        folder.remove(name);
}

void JournalStore::noteJournalWritten()
{
    m_stamp = stampOf(journalPath());
}

FileProblem JournalStore::writeBackup()
{
    if (FileProblem problem = saveJournalList(backupPath(), m_lines))
        return problem;
    m_backupStamp = stampOf(backupPath());
    m_backupBase = m_lines.size();
    return std::nullopt;
}

JournalResult JournalStore::append(const QString &line)
{
    const Lock lock(journalPath(), m_lockWait);
    if (const auto stop = beginChange(lock, true))
        return *stop;
    const int row = int(m_lines.size());
    if (const auto encoded = m_lines.encodedLine(line)) {
        // The list as it stands and the new line after it: a million entries are not copied.
        if (const FileProblem failed
            = writeJournalBytes(journalPath(), { markOf(m_lines.encoding()), m_lines.body(), *encoded }))
            return this->failed(*failed);
        m_lines.append(line);
    } else {
        // The file turns UTF-8 to hold the line.
        JournalLines next = m_lines;
        next.append(line);
        if (const FileProblem failed = saveJournalList(journalPath(), next))
            return this->failed(*failed);
        m_lines = std::move(next);
    }
    noteJournalWritten();
    Q_EMIT rowsInserted(row, row);
    return {};
}

void JournalStore::removeRange(qsizetype first, qsizetype last)
{
    if (first <= last)
        Q_EMIT rowsRemoved(int(first), int(last));
}

JournalResult JournalStore::removeRows(const QList<int> &rows)
{
    const Lock lock(journalPath(), m_lockWait);
    Sync synced = Sync::Same;
    if (const auto stop = beginChange(lock, false, &synced))
        return *stop;
    // The list the user chose from is not the file any more: nothing is deleted.
    if (synced == Sync::Reset)
        return { JournalOutcome::Moved, {} };
    if (rows.isEmpty())
        return { JournalOutcome::Unchanged, {} };
    if (FileProblem failed = writeBackup())
        return this->failed(*failed);
    // The runs of entries that stay go out as they are, and then move down in place: a million
    // entries are not copied into a new list.
    FileProblem failed;
    if (m_lines.isWhole()) {
        QList<QByteArrayView> pieces = m_lines.bodyWithout(rows);
        pieces.prepend(markOf(m_lines.encoding()));
        failed = writeJournalBytes(journalPath(), pieces);
        if (!failed)
            m_lines.remove(rows);
    } else {
        JournalLines left = m_lines.without(rows);
        failed = saveJournalList(journalPath(), left);
        if (!failed)
            m_lines = std::move(left);
    }
    if (failed)
        return this->failed(*failed);
    m_backupBase = m_lines.size();
    noteJournalWritten();
    // Runs of rows as one range each, the last first, so that the rows before keep their place.
    for (qsizetype i = rows.size() - 1; i >= 0;) {
        qsizetype j = i;
        while (j > 0 && rows.at(j - 1) == rows.at(j) - 1)
            --j;
        removeRange(rows.at(j), rows.at(i));
        i = j - 1;
    }
    return {};
}

JournalResult JournalStore::clear()
{
    const Lock lock(journalPath(), m_lockWait);
    if (const auto stop = beginChange(lock, false))
        return *stop;
    if (m_lines.isEmpty())
        return { JournalOutcome::Unchanged, {} };
    const JournalLines empty(QStringList(), m_lines.encoding());
    if (FileProblem failed = writeBackup())
        return this->failed(*failed);
    if (FileProblem failed = saveJournalList(journalPath(), empty))
        return this->failed(*failed);
    const qsizetype before = m_lines.size();
    replaceLines(empty);
    m_backupBase = 0;
    noteJournalWritten();
    removeRange(0, before - 1);
    return {};
}

namespace {

// Where the entries start that were saved after the backup: the newest entries that the backup
// does not hold.
qsizetype savedSince(const JournalLines &backup, const JournalLines &journal)
{
    QSet<QString> held;
    held.reserve(backup.size());
    for (qsizetype row = 0; row < backup.size(); ++row)
        held.insert(backup.at(row));
    qsizetype from = journal.size();
    while (from > 0 && !held.contains(journal.at(from - 1)))
        --from;
    return from;
}

} // namespace

JournalResult JournalStore::restore()
{
    const Lock lock(journalPath(), m_lockWait);
    if (const auto stop = beginChange(lock, false))
        return *stop;
    if (!QFileInfo::exists(backupPath()))
        return { JournalOutcome::NoBackup, {} };
    JournalLines restored;
    FileStamp backupStamp;
    if (const FileProblem failed = loadJournalList(backupPath(), restored, &backupStamp))
        return this->failed(*failed);
    const qsizetype backupSize = restored.size();
    // This program knows what its own backup stands for; another program's is judged by its
    // entries.
    const bool known = m_backupBase >= 0 && m_backupBase <= m_lines.size() && backupStamp == m_backupStamp;
    const qsizetype since = known ? m_backupBase : savedSince(restored, m_lines);
    for (qsizetype row = since; row < m_lines.size(); ++row)
        restored.append(m_lines.at(row));
    if (const FileProblem failed = saveJournalList(journalPath(), restored))
        return this->failed(*failed);
    replaceLines(std::move(restored));
    m_backupBase = backupSize;
    m_backupStamp = backupStamp;
    noteJournalWritten();
    removeRange(0, since - 1);
    if (backupSize > 0)
        Q_EMIT rowsInserted(0, int(backupSize - 1));
    return {};
}

JournalResult JournalStore::editQuestion(int row, const QString &entry, const QString &question)
{
    const Lock lock(journalPath(), m_lockWait);
    if (const auto stop = beginChange(lock, false))
        return *stop;
    if (row < 0 || row >= m_lines.size() || m_lines.at(row) != entry || !holdsQuestion(entry))
        return { JournalOutcome::Moved, {} };
    const QString edited = entry.left(18) + question + entry.right(13);
    if (edited == entry)
        return { JournalOutcome::Unchanged, {} };
    if (FileProblem failed = writeBackup())
        return this->failed(*failed);
    const auto encoded = m_lines.encodedLine(edited);
    FileProblem failed;
    if (encoded && m_lines.isWhole()) {
        // The bytes around the entry as they are, so that the list is changed in place after.
        {
            const QByteArray body = m_lines.body();
            failed = writeJournalBytes(journalPath(),
                { markOf(m_lines.encoding()), QByteArrayView(body).first(m_lines.start(row)), *encoded,
                    QByteArrayView(body).sliced(m_lines.next(row)) });
        }
        if (!failed)
            m_lines.replace(row, edited);
    } else {
        JournalLines next = m_lines;
        next.replace(row, edited);
        failed = saveJournalList(journalPath(), next);
        if (!failed)
            m_lines = std::move(next);
    }
    if (failed)
        return this->failed(*failed);
    noteJournalWritten();
    Q_EMIT rowChanged(row);
    return {};
}

void JournalStore::setWatching(bool on)
{
    if (!on) {
        delete m_watcher;
        m_watcher = nullptr;
        return;
    }
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        // Every save replaces the file, so its folder is watched too, and the new file again.
        const auto changed = [this] {
            setWatching(true);
            Q_EMIT changedOnDisk();
        };
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    }
    const QString folder = folderOf(journalPath());
    const QString file = QFileInfo(journalPath()).absoluteFilePath();
    if (!m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
    if (QFileInfo::exists(file) && !m_watcher->files().contains(file))
        m_watcher->addPath(file);
}
