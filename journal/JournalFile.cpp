#include "JournalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

constexpr char AnsiCodePage[] = "windows-1252";
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LEMark = "\xFF\xFE";
constexpr std::string_view Utf16BEMark = "\xFE\xFF";

std::string_view markOf(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf8:
        return Utf8Mark;
    case JournalEncoding::Utf16LE:
        return Utf16LEMark;
    case JournalEncoding::Utf16BE:
        return Utf16BEMark;
    case JournalEncoding::Ansi:
        break;
    }
    return {};
}

// A mark's text is taken as it stands: a second mark is a character of the first line.
constexpr auto Plain = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QStringDecoder decoderFor(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf8:
        return QStringDecoder(QStringConverter::Utf8, Plain);
    case JournalEncoding::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE, Plain);
    case JournalEncoding::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE, Plain);
    case JournalEncoding::Ansi:
        break;
    }
    return QStringDecoder(AnsiCodePage, Plain);
}

QStringEncoder encoderFor(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf8:
        return QStringEncoder(QStringConverter::Utf8, Plain);
    case JournalEncoding::Utf16LE:
        return QStringEncoder(QStringConverter::Utf16LE, Plain);
    case JournalEncoding::Utf16BE:
        return QStringEncoder(QStringConverter::Utf16BE, Plain);
    case JournalEncoding::Ansi:
        break;
    }
    return QStringEncoder(AnsiCodePage, Plain);
}

struct DecodedFile
{
    QString text;
    JournalEncoding encoding = JournalEncoding::Ansi;
};

JournalEncoding markedEncoding(const QByteArray &bytes)
{
    for (JournalEncoding marked :
         {JournalEncoding::Utf8, JournalEncoding::Utf16LE, JournalEncoding::Utf16BE}) {
        const std::string_view mark = markOf(marked);
        if (bytes.startsWith(QByteArrayView(mark.data(), qsizetype(mark.size()))))
            return marked;
    }
    return JournalEncoding::Ansi;
}

DecodedFile decodeFile(const QByteArray &bytes)
{
    const JournalEncoding marked = markedEncoding(bytes);
    if (marked != JournalEncoding::Ansi) {
        const QByteArrayView body = QByteArrayView(bytes).sliced(qsizetype(markOf(marked).size()));
        QStringDecoder decoder = decoderFor(marked);
        QString text = decoder(body);
        const bool halfUnit = marked != JournalEncoding::Utf8 && body.size() % 2 != 0;
        if (!decoder.hasError() && !halfUnit)
            return {text, marked};
    }
    // No mark, or a mark over text it does not fit: the 8-bit code page maps every byte to a
    // character and back.
    QStringDecoder decoder = decoderFor(JournalEncoding::Ansi);
    return {decoder(bytes), JournalEncoding::Ansi};
}

// Calls line(start, length) for every line of the text and returns their number. A line ends at
// LF, with the CR before it; a last line without a break counts too.
template <class Char, class LineFn>
qsizetype forEachLine(std::basic_string_view<Char> text, LineFn &&line)
{
    qsizetype count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find(Char('\n'), start);
        const bool broken = lf != text.npos;
        std::size_t end = broken ? lf : text.size();
        if (broken && end > start && text[end - 1] == Char('\r'))
            --end;
        line(qsizetype(start), qsizetype(end - start));
        ++count;
        start = broken ? lf + 1 : text.size();
    }
    return count;
}

std::u16string_view viewOf(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())};
}

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

FileProblem readBytes(const QString &path, QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return problem(path, false, reasonFor(EISDIR, {}));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return problem(path, false, reasonFor(errno, file.errorString()));
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return problem(path, false, reasonFor(errno, file.errorString()));
    return std::nullopt;
}

FileProblem writeBytes(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return problem(path, true, reasonFor(EISDIR, {}));
    // A temporary file beside it, renamed over it at the end: a crash, a kill or a full disk
    // leaves the old file or the new one, never a part.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return problem(path, true, reasonFor(errno, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return problem(path, true, reasonFor(error, file.errorString()));
    }
    errno = 0;
    if (!file.commit())
        return problem(path, true, reasonFor(errno, file.errorString()));
    return std::nullopt;
}

// The text in the encoding, mark first; false when a character would not come back as it was.
bool encode(const QString &text, JournalEncoding encoding, QByteArray &bytes)
{
    QStringEncoder encoder = encoderFor(encoding);
    const std::string_view mark = markOf(encoding);
    bytes = QByteArray(mark.data(), qsizetype(mark.size())) + QByteArray(encoder(text));
    if (encoder.hasError())
        return false;
    // The code page's encoder puts a substitute for what it cannot hold without saying so.
    if (encoding == JournalEncoding::Ansi)
        return decoderFor(encoding)(bytes) == text;
    return true;
}

} // namespace

FileProblem loadJournalList(const QString &path, JournalLines &list)
{
    QByteArray bytes;
    if (auto failed = readBytes(path, bytes))
        return failed;
    const DecodedFile file = decodeFile(bytes);
    bytes = QByteArray();
    QStringList lines;
    const std::u16string_view text = viewOf(file.text);
    forEachLine(text, [&](qsizetype start, qsizetype length) {
        lines.append(QStringView(file.text).sliced(start, length).toString());
    });
    list.lines = std::move(lines);
    list.encoding = file.encoding;
    return std::nullopt;
}

FileProblem saveJournalList(const QString &path, JournalLines &list)
{
    QString text = list.lines.join(u"\r\n"_s);
    if (!list.lines.isEmpty())
        text += u"\r\n"_s;
    JournalEncoding encoding = list.encoding;
    QByteArray bytes;
    if (!encode(text, encoding, bytes)) {
        encoding = JournalEncoding::Utf8;
        if (!encode(text, encoding, bytes))
            return problem(path, true, u"de tekst bevat tekens die niet te bewaren zijn"_s);
    }
    text = QString();
    if (auto failed = writeBytes(path, bytes))
        return failed;
    list.encoding = encoding;
    return std::nullopt;
}

FileProblem readJournalLine(const QString &path, qsizetype n, JournalLineRead &read)
{
    QByteArray bytes;
    if (auto failed = readBytes(path, bytes))
        return failed;
    qsizetype lineStart = 0;
    qsizetype lineLength = -1;
    const auto note = [&](qsizetype start, qsizetype length) {
        if (--n == 0) {
            lineStart = start;
            lineLength = length;
        }
    };
    read = {};
    // 8-bit text maps byte to character, so its lines are found in the bytes and only the line
    // asked for is decoded; marked text is decoded whole, which also tells whether it is valid.
    if (markedEncoding(bytes) == JournalEncoding::Ansi) {
        read.count = forEachLine(std::string_view(bytes.constData(), std::size_t(bytes.size())), note);
        if (lineLength >= 0)
            read.line = decoderFor(JournalEncoding::Ansi)(QByteArrayView(bytes).sliced(lineStart, lineLength));
        return std::nullopt;
    }
    const DecodedFile file = decodeFile(bytes);
    read.count = forEachLine(viewOf(file.text), note);
    if (lineLength >= 0)
        read.line = QStringView(file.text).sliced(lineStart, lineLength).toString();
    return std::nullopt;
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

static QString twoDigits(int number) { return u"%1"_s.arg(number, 2, 10, QChar(u'0')); }

QString makeJournalEntry(const QString &castDate, const QString &question, int primaryNumber,
                         int changedNumber, const QString &lineDigits)
{
    QString oneLine = question;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    return castDate + u',' + oneLine + u',' + twoDigits(primaryNumber) + u','
        + twoDigits(changedNumber) + u',' + lineDigits;
}

bool holdsCast(QStringView entry)
{
    if (entry.size() < 31)
        return false;
    for (QChar c : entry.last(6)) {
        if (c < u'6' || c > u'9')
            return false;
    }
    return true;
}
