#include "JournalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>
#include <cerrno>
#include <system_error>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QString displayName(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString reasonFor(int error, const QString &fallback)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return u"daarvoor is geen toestemming"_s;
    case EROFS:
        return u"de schijf is alleen te lezen"_s;
    case ENOSPC:
    case EDQUOT:
        return u"de schijf is vol"_s;
    case ENOENT:
        return u"de map bestaat niet"_s;
    case EISDIR:
        return u"er staat een map met die naam"_s;
    case EIO:
        return u"de schijf gaf een lees- of schrijffout"_s;
    default:
        return fallback;
    }
}

QString problem(const QString &path, bool writing, const QString &reason)
{
    return u"Het bestand %1 kon niet worden %2: %3.\n\nEr is niets veranderd."_s.arg(
        displayName(path), writing ? u"geschreven"_s : u"gelezen"_s, reason);
}

#ifdef Q_OS_UNIX
FileStamp stampFrom(const struct stat &info)
{
    return { true, qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
        quint64(info.st_dev), quint64(info.st_ino) };
}
#endif

FileStamp stampOfOpen(QFile &file)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::fstat(file.handle(), &info) == 0)
        return stampFrom(info);
#endif
    return stampOf(file.fileName());
}

// Small enough to stay in the processor's cache until it is searched.
constexpr qint64 Piece = 256 * 1024;
// From here on a read waits on memory more than on the processor: a second thread halves it,
// and so do bigger pages. A smaller file is in the cache, and a second thread there only takes
// a core from the display server that is drawing the window.
constexpr qint64 ReadByTwo = 32 * 1024 * 1024;

#ifdef Q_OS_UNIX
// Tens of megabytes of fresh memory cost more to hand out a page at a time than to fill; in
// pages of two megabytes they come at half the cost.
void offerHugePages([[maybe_unused]] QByteArray &bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    constexpr quintptr Huge = 2 * 1024 * 1024;
    const quintptr from = (quintptr(bytes.data()) + Huge - 1) & ~(Huge - 1);
    const quintptr to = (quintptr(bytes.data()) + quintptr(bytes.size())) & ~(Huge - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
#endif
}

// A big file is read by two threads at once, each taking the next piece not yet taken, and
// each piece is searched for lines by the thread that read it: copying the bytes and searching
// them take a core's full speed, and a thread that starts late simply takes fewer pieces. An
// error number, -1 when the file turned out shorter than it was, or 0.
int readInPieces(int fd, char *bytes, qint64 size, JournalLines::ByteLines &lines)
{
    const qint64 count = (size + Piece - 1) / Piece;
    std::vector<JournalLines::ByteLines::Piece> pieces(static_cast<std::size_t>(count));
    std::atomic<qint64> next { 0 };
    std::atomic<int> error { 0 };
    const auto readPieces = [&] {
        for (qint64 k; error.load() == 0 && (k = next.fetch_add(1)) < count;) {
            const qint64 from = k * Piece;
            const qint64 to = qMin(size, from + Piece);
            for (qint64 got = from; got < to;) {
                const ssize_t read = ::pread(fd, bytes + got, std::size_t(to - got), got);
                if (read < 0 && errno == EINTR)
                    continue;
                if (read <= 0) {
                    error = read == 0 ? -1 : errno ? errno : EIO;
                    return;
                }
                got += read;
            }
            pieces[std::size_t(k)] = JournalLines::ByteLines::search(bytes, from, to);
        }
    };
    std::optional<std::thread> helper;
    try {
        helper.emplace(readPieces);
    } catch (const std::system_error &) {
        // No thread to be had: this one reads every piece.
    }
    // Room for the lines is made while the helper reads: fresh memory takes time to hand out.
    lines.expect(size);
    readPieces();
    if (helper)
        helper->join();
    if (error != 0)
        return error;
    for (const auto &piece : pieces)
        lines.take(bytes, piece);
    return 0;
}
#endif

// Reads the file a piece at a time, and hands every piece to `lines` as soon as it is in.
FileProblem readBytes(
    const QString &path, QByteArray &bytes, FileStamp *stamp, JournalLines::ByteLines &lines)
{
    if (QFileInfo(path).isDir())
        return problem(path, false, reasonFor(EISDIR, {}));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return problem(path, false, reasonFor(errno, file.errorString()));
    // The stamp of the file that is read, even when a save replaces it meanwhile.
    if (stamp)
        *stamp = stampOfOpen(file);
    // A byte more than the file holds, so that the read that finds its end needs no more room.
    const qint64 size = qMax<qint64>(file.size(), 0);
    bytes.resize(size + 1);
    qint64 got = 0;
#ifdef Q_OS_UNIX
    if (size >= ReadByTwo) {
        offerHugePages(bytes);
        const int error = readInPieces(file.handle(), bytes.data(), size, lines);
        if (error > 0)
            return problem(path, false, reasonFor(error, file.errorString()));
        // A file cut short meanwhile is read again from its start, the plain way.
        if (error == 0 && file.seek(size))
            got = size;
        else if (file.seek(0))
            lines = {};
        else
            return problem(path, false, reasonFor(EIO, file.errorString()));
    }
#endif
    if (got == 0)
        lines.expect(bytes.size());
    for (;;) {
        // A file that grows while it is read is read to its end.
        if (got == bytes.size())
            bytes.resize(qMax<qint64>(got * 2, Piece));
        const qint64 read = file.read(bytes.data() + got, qMin(Piece, bytes.size() - got));
        if (read < 0) {
            bytes.clear();
            return problem(path, false, reasonFor(errno, file.errorString()));
        }
        if (read == 0)
            break;
        got += read;
        lines.readTo(bytes.constData(), got);
    }
    bytes.resize(got);
    return std::nullopt;
}

} // namespace

FileStamp stampOf(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return stampFrom(info);
#else
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    return { true, file.size(), file.lastModified().toMSecsSinceEpoch() * 1000000, 0, 0 };
#endif
}

FileProblem writeJournalBytes(const QString &path, const QList<QByteArrayView> &pieces)
{
    if (QFileInfo(path).isDir())
        return problem(path, true, reasonFor(EISDIR, {}));
    // A temporary file beside it, renamed over it at the end: a crash, a kill or a full disk
    // leaves the old file or the new one, never a part.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        // The temporary file needs the folder, even when the file itself may be written.
        const QString folder = QFileInfo(path).absolutePath();
        if ((error == EACCES || error == EPERM) && !QFileInfo(folder).isWritable())
            return problem(path, true,
                u"in de map %1 mag geen nieuw bestand worden gemaakt, en dat is "
                u"nodig om veilig te bewaren"_s.arg(QDir::toNativeSeparators(folder)));
        return problem(path, true, reasonFor(error, file.errorString()));
    }
    for (QByteArrayView piece : pieces) {
        if (file.write(piece.data(), piece.size()) != piece.size()) {
            const int error = errno;
            file.cancelWriting();
            return problem(path, true, reasonFor(error, file.errorString()));
        }
    }
    errno = 0;
    if (!file.commit())
        return problem(path, true, reasonFor(errno, file.errorString()));
    return std::nullopt;
}

FileProblem loadJournalList(const QString &path, JournalLines &list, FileStamp *stamp)
{
    QByteArray bytes;
    JournalLines::ByteLines found;
    if (auto failed = readBytes(path, bytes, stamp, found))
        return failed;
    const JournalReading reading = readingOf(bytes);
    const qsizetype size = bytes.size();
    list = JournalLines(reading.encoding,
        reading.bodyStart ? bytes.sliced(reading.bodyStart) : std::move(bytes), std::move(found),
        reading.bodyStart, size);
    return std::nullopt;
}

FileProblem saveJournalList(const QString &path, const JournalLines &list)
{
    return writeJournalBytes(path, { markOf(list.encoding()), list.body() });
}

JournalEntry parseJournalEntry(QStringView entry)
{
    const qsizetype length = entry.size();
    JournalEntry fields;
    fields.dateText = entry.first(qMin<qsizetype>(17, length)).toString();
    fields.lineDigits = entry.last(qMin<qsizetype>(6, length)).toString();
    if (length > 31)
        fields.question = entry.sliced(18, length - 31).toString();
    return fields;
}

static QString twoDigits(int number)
{
    return u"%1"_s.arg(number, 2, 10, QChar(u'0'));
}

QString makeJournalEntry(const QString &castDate, const QString &question, int primaryNumber,
    int changedNumber, const QString &lineDigits)
{
    QString oneLine = question;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    return castDate + u',' + oneLine + u',' + twoDigits(primaryNumber) + u',' + twoDigits(changedNumber)
        + u',' + lineDigits;
}

bool holdsQuestion(QStringView entry)
{
    return entry.size() >= 31;
}

bool holdsCast(QStringView entry)
{
    if (!holdsQuestion(entry))
        return false;
    for (QChar c : entry.last(6)) {
        if (c < u'6' || c > u'9')
            return false;
    }
    return true;
}
