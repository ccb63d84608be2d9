#include "JournalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <bit>
#include <array>
#include <cerrno>
#include <cstring>
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

// Qt's own converter for a marked encoding; none for the code page, which Qt finds by name.
std::optional<QStringConverter::Encoding> unicodeOf(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf8:
        return QStringConverter::Utf8;
    case JournalEncoding::Utf16LE:
        return QStringConverter::Utf16LE;
    case JournalEncoding::Utf16BE:
        return QStringConverter::Utf16BE;
    case JournalEncoding::Ansi:
        break;
    }
    return std::nullopt;
}

QStringDecoder decoderFor(JournalEncoding encoding)
{
    const auto unicode = unicodeOf(encoding);
    return unicode ? QStringDecoder(*unicode, Plain) : QStringDecoder(AnsiCodePage, Plain);
}

QStringEncoder encoderFor(JournalEncoding encoding)
{
    const auto unicode = unicodeOf(encoding);
    return unicode ? QStringEncoder(*unicode, Plain) : QStringEncoder(AnsiCodePage, Plain);
}

// The 8-bit code page, one byte a character. Qt's codec is asked once for the character of
// every byte; when that is a one-to-one map (as it is for windows-1252, whose five undefined
// bytes stand for U+0081 and the like), journals of a million lines are decoded and encoded
// through that map, byte by byte, instead of a codec call a line.
class AnsiCodec
{
public:
    static const AnsiCodec &instance()
    {
        static const AnsiCodec codec;
        return codec;
    }

    QString decode(QByteArrayView bytes) const
    {
        if (!m_oneToOne)
            return decoderFor(JournalEncoding::Ansi)(bytes);
        // The code page agrees with Latin-1 but for 0x80-0x9F, which Dutch text seldom holds.
        QString text = QString::fromLatin1(bytes);
        if (!m_latin1Agrees || hasC1Bytes(bytes)) {
            char16_t *out = reinterpret_cast<char16_t *>(text.data());
            for (char byte : bytes)
                *out++ = m_char[uchar(byte)];
        }
        return text;
    }

    // Appends the text's bytes; false when a character has none, as the codec itself would
    // silently write a substitute for it.
    bool encode(QStringView text, QByteArray &out) const
    {
        if (!m_oneToOne) {
            QStringEncoder encoder = encoderFor(JournalEncoding::Ansi);
            const QByteArray bytes = encoder(text);
            out += bytes;
            return QString(decoderFor(JournalEncoding::Ansi)(bytes)) == text;
        }
        const qsizetype start = out.size();
        out.resize(start + text.size());
        char *to = out.data() + start;
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (u < 256 && m_char[u] == u) {
                *to++ = char(u);
                continue;
            }
            const auto found = std::find(m_char.begin(), m_char.end(), u);
            if (found == m_char.end()) {
                out.truncate(start);
                return false;
            }
            *to++ = char(found - m_char.begin());
        }
        return true;
    }

private:
    AnsiCodec()
    {
        QStringDecoder decoder = decoderFor(JournalEncoding::Ansi);
        QStringEncoder encoder = encoderFor(JournalEncoding::Ansi);
        m_oneToOne = decoder.isValid() && encoder.isValid();
        for (int b = 0; b < 256 && m_oneToOne; ++b) {
            const char byte = char(b);
            const QString c = decoder(QByteArrayView(&byte, 1));
            m_oneToOne = c.size() == 1 && QByteArray(encoder(c)) == QByteArrayView(&byte, 1);
            if (m_oneToOne)
                m_char[std::size_t(b)] = c.front().unicode();
        }
        for (std::size_t b = 0; b < 256 && m_oneToOne; ++b)
            m_oneToOne = std::count(m_char.begin(), m_char.end(), m_char[b]) == 1;
        m_latin1Agrees = m_oneToOne;
        for (std::size_t b = 0; b < 256 && m_latin1Agrees; ++b)
            m_latin1Agrees = (b >= 0x80 && b < 0xA0) || m_char[b] == b;
    }

    // Whether a byte 0x80-0x9F (top bits 100) occurs, eight bytes at a time: such a byte
    // becomes zero under the mask and the flip, and the carry trick finds zero bytes.
    static bool hasC1Bytes(QByteArrayView bytes)
    {
        constexpr quint64 Ones = 0x0101010101010101u, Highs = 0x8080808080808080u;
        const char *p = bytes.data();
        qsizetype i = 0;
        for (; i + 8 <= bytes.size(); i += 8) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            const quint64 t = (word & (0xE0 * Ones)) ^ Highs;
            if ((t - Ones) & ~t & Highs)
                return true;
        }
        for (; i < bytes.size(); ++i) {
            if ((uchar(p[i]) & 0xE0) == 0x80)
                return true;
        }
        return false;
    }

    std::array<char16_t, 256> m_char{};
    bool m_oneToOne = false;
    bool m_latin1Agrees = false; // outside 0x80-0x9F

};

JournalEncoding markedEncoding(QByteArrayView bytes)
{
    for (JournalEncoding marked :
         {JournalEncoding::Utf8, JournalEncoding::Utf16LE, JournalEncoding::Utf16BE}) {
        const std::string_view mark = markOf(marked);
        if (bytes.startsWith(QByteArrayView(mark.data(), qsizetype(mark.size()))))
            return marked;
    }
    return JournalEncoding::Ansi;
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

// A line ends at LF, with the CR before it; in UTF-16 a unit is two bytes, in the order of the
// encoding.
struct Units
{
    qsizetype size;     // bytes a unit
    qsizetype lfByte;   // where in a unit the LF's byte 0x0A stands

    bool isUnit(const QByteArray &bytes, qsizetype at, char low) const
    {
        if (bytes.at(at + lfByte) != low)
            return false;
        return size == 1 || bytes.at(at + 1 - lfByte) == '\0';
    }
};

Units unitsOf(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf16LE:
        return {2, 0};
    case JournalEncoding::Utf16BE:
        return {2, 1};
    default:
        return {1, 0};
    }
}

// The top bit of exactly those bytes of the word that are LF: after the flip an LF byte is zero,
// and no carry crosses from one byte into the next.
quint64 lineFeedMask(quint64 word)
{
    constexpr quint64 Ones = 0x0101010101010101u, Lows = 0x7F7F7F7F7F7F7F7Fu;
    const quint64 x = word ^ ('\n' * Ones);
    return ~(((x & Lows) + Lows) | x | Lows);
}

// Calls found(position) for every LF byte, in order, eight bytes at a time.
template <class Found>
void forEachLineFeed(const char *data, qsizetype size, Found &&found)
{
    qsizetype i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= size; i += 8) {
            quint64 word;
            std::memcpy(&word, data + i, 8);
            for (quint64 mask = lineFeedMask(word); mask; mask &= mask - 1)
                found(i + qsizetype(std::countr_zero(mask) / 8));
        }
    }
    for (; i < size; ++i) {
        if (data[i] == '\n')
            found(i);
    }
}

// Where every line starts (the last one counts without a break, an empty end does not), and
// whether every line ends in CR LF, as the program writes them.
struct LineScan
{
    QList<qsizetype> starts;
    bool whole = true;
};

LineScan scanLines(const QByteArray &body, Units units)
{
    LineScan scan;
    scan.starts.reserve(body.size() / 64);
    const char *data = body.constData();
    const qsizetype size = body.size() - body.size() % units.size;
    scan.whole = size == body.size();
    qsizetype start = 0;
    if (units.size == 1) {
        forEachLineFeed(data, size, [&](qsizetype lf) {
            scan.starts.append(start);
            scan.whole = scan.whole && lf > start && data[lf - 1] == '\r';
            start = lf + 1;
        });
        if (start < size) {
            scan.starts.append(start);
            scan.whole = false;
        }
        return scan;
    }
    qsizetype from = 0;
    while (start < size) {
        scan.starts.append(start);
        qsizetype next = size;
        bool broken = false;
        while (from + units.lfByte < size) {
            const void *hit = std::memchr(data + from + units.lfByte, '\n', std::size_t(size - from - units.lfByte));
            if (!hit)
                break;
            const qsizetype unit = static_cast<const char *>(hit) - data - units.lfByte;
            from = unit + 1;
            if (unit % units.size == 0 && units.isUnit(body, unit, '\n')) {
                next = unit + units.size;
                broken = true;
                break;
            }
        }
        const qsizetype lf = next - units.size;
        scan.whole = scan.whole && broken && lf - start >= units.size && units.isUnit(body, lf - units.size, '\r');
        start = from = next;
    }
    return scan;
}

QString decodeIn(JournalEncoding encoding, QByteArrayView bytes)
{
    if (encoding == JournalEncoding::Ansi)
        return AnsiCodec::instance().decode(bytes);
    if (encoding == JournalEncoding::Utf8)
        return QString::fromUtf8(bytes);
    return decoderFor(encoding)(bytes);
}

// Appends the text's bytes in the encoding; false (and nothing appended) when the 8-bit code
// page lacks a character.
bool encodeIn(JournalEncoding encoding, QStringView text, QByteArray &out)
{
    if (encoding == JournalEncoding::Ansi)
        return AnsiCodec::instance().encode(text, out);
    QStringEncoder encoder = encoderFor(encoding);
    out += QByteArray(encoder(text));
    return true;
}

} // namespace

JournalLines::JournalLines(const QStringList &lines, JournalEncoding encoding) : m_encoding(encoding)
{
    for (const QString &line : lines)
        append(line);
}

JournalLines::JournalLines(JournalEncoding encoding, QByteArray body)
    : m_encoding(encoding), m_body(std::move(body))
{
    LineScan scan = scanLines(m_body, unitsOf(encoding));
    m_starts = std::move(scan.starts);
    m_whole = scan.whole;
}

qsizetype JournalLines::endOf(qsizetype row) const
{
    const Units units = unitsOf(m_encoding);
    qsizetype end = row + 1 < size() ? m_starts.at(row + 1) : m_body.size() - m_body.size() % units.size;
    const qsizetype start = m_starts.at(row);
    if (end > start && units.isUnit(m_body, end - units.size, '\n')) {
        end -= units.size;
        if (end > start && units.isUnit(m_body, end - units.size, '\r'))
            end -= units.size;
    }
    return end;
}

QString JournalLines::at(qsizetype row) const
{
    const qsizetype start = m_starts.at(row);
    return decodeIn(m_encoding, QByteArrayView(m_body).sliced(start, endOf(row) - start));
}

QStringList JournalLines::toStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype row = 0; row < size(); ++row)
        lines.append(at(row));
    return lines;
}

QByteArray JournalLines::body() const
{
    // Read files mostly end every line in CR LF already; then the bytes go out as they came.
    if (m_whole)
        return m_body;
    QByteArray lineEnd;
    encodeIn(m_encoding, u"\r\n", lineEnd);
    QByteArray body;
    body.reserve(m_body.size() + size() * lineEnd.size());
    for (qsizetype row = 0; row < size(); ++row) {
        body += QByteArrayView(m_body).sliced(m_starts.at(row), endOf(row) - m_starts.at(row));
        body += lineEnd;
    }
    return body;
}

QString JournalLines::text() const { return decodeIn(m_encoding, body()); }

bool JournalLines::isStartOf(const JournalLines &other) const
{
    if (other.m_encoding != m_encoding || other.size() < size() || !other.m_body.startsWith(m_body))
        return false;
    return isEmpty() || other.at(size() - 1) == at(size() - 1);
}

void JournalLines::becomeUtf8()
{
    QStringEncoder encoder = encoderFor(JournalEncoding::Utf8);
    *this = JournalLines(JournalEncoding::Utf8, encoder(decodeIn(m_encoding, m_body)));
}

QByteArray JournalLines::encodedLine(const QString &line)
{
    QByteArray text;
    if (!encodeIn(m_encoding, line, text)) {
        becomeUtf8();
        encodeIn(m_encoding, line, text);
    }
    encodeIn(m_encoding, u"\r\n", text);
    return text;
}

void JournalLines::append(const QString &line)
{
    const QByteArray text = encodedLine(line);
    if (!isEmpty() && endOf(size() - 1) == m_body.size())
        encodeIn(m_encoding, u"\r\n", m_body);
    m_starts.append(m_body.size());
    m_body += text;
}

void JournalLines::replace(qsizetype row, const QString &line)
{
    const QByteArray text = encodedLine(line);
    // The line and its break give way to the new line; the lines after it move along.
    const qsizetype start = m_starts.at(row);
    const qsizetype next = row + 1 < size() ? m_starts.at(row + 1) : m_body.size();
    m_body.replace(start, next - start, text);
    const qsizetype shift = text.size() - (next - start);
    for (qsizetype r = row + 1; r < size(); ++r)
        m_starts[r] += shift;
}

JournalLines JournalLines::without(const QList<int> &rows) const
{
    QByteArray lineEnd;
    encodeIn(m_encoding, u"\r\n", lineEnd);
    JournalLines left;
    left.m_encoding = m_encoding;
    left.m_whole = true;
    left.m_starts.reserve(size() - rows.size());
    left.m_body.resize(m_body.size() + (size() - rows.size()) * lineEnd.size());
    char *out = left.m_body.data();
    auto next = rows.cbegin();
    for (qsizetype row = 0; row < size(); ++row) {
        if (next != rows.cend() && *next == row) {
            ++next;
            continue;
        }
        left.m_starts.append(out - left.m_body.constData());
        const qsizetype length = endOf(row) - m_starts.at(row);
        std::memcpy(out, m_body.constData() + m_starts.at(row), std::size_t(length));
        std::memcpy(out + length, lineEnd.constData(), std::size_t(lineEnd.size()));
        out += length + lineEnd.size();
    }
    left.m_body.truncate(out - left.m_body.constData());
    return left;
}

namespace {

// How a file is read: its encoding and where its text starts. A mark over text it does not fit
// makes the file 8-bit text, which maps every byte to a character and back.
struct Reading
{
    JournalEncoding encoding;
    qsizetype bodyStart;
};

Reading readingOf(const QByteArray &bytes)
{
    const JournalEncoding marked = markedEncoding(bytes);
    const qsizetype mark = qsizetype(markOf(marked).size());
    const QByteArrayView body = QByteArrayView(bytes).sliced(mark);
    const bool fits = marked == JournalEncoding::Utf8 ? body.isValidUtf8()
                                                     : body.size() % unitsOf(marked).size == 0;
    return fits ? Reading{marked, mark} : Reading{JournalEncoding::Ansi, 0};
}

// The number of LF bytes, eight at a time.
qsizetype countLineFeeds(QByteArrayView bytes)
{
    const char *p = bytes.data();
    qsizetype count = 0, i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, 8);
        count += std::popcount(lineFeedMask(word));
    }
    for (; i < bytes.size(); ++i)
        count += p[i] == '\n';
    return count;
}

} // namespace

FileProblem loadJournalList(const QString &path, JournalLines &list)
{
    QByteArray bytes;
    if (auto failed = readBytes(path, bytes))
        return failed;
    const Reading reading = readingOf(bytes);
    list = JournalLines(reading.encoding, reading.bodyStart ? bytes.sliced(reading.bodyStart) : bytes);
    return std::nullopt;
}

FileProblem saveJournalList(const QString &path, const JournalLines &list)
{
    const std::string_view mark = markOf(list.encoding());
    return writeBytes(path, QByteArray(mark.data(), qsizetype(mark.size())) + list.body());
}

FileProblem readJournalLine(const QString &path, qsizetype n, JournalLineRead &read)
{
    QByteArray bytes;
    if (auto failed = readBytes(path, bytes))
        return failed;
    const Reading reading = readingOf(bytes);
    if (unitsOf(reading.encoding).size != 1) {
        const JournalLines list(reading.encoding, bytes.sliced(reading.bodyStart));
        read = {list.size(), n >= 1 && n <= list.size() ? std::optional(list.at(n - 1)) : std::nullopt};
        return std::nullopt;
    }
    // One byte a unit: the lines are counted, and only line n is looked for, from the nearer end.
    const QByteArrayView body = QByteArrayView(bytes).sliced(reading.bodyStart);
    const char *data = body.data();
    const qsizetype feeds = countLineFeeds(body);
    read = {feeds + (!body.isEmpty() && !body.endsWith('\n')), std::nullopt};
    if (n < 1 || n > read.count)
        return std::nullopt;
    qsizetype start = 0;
    if (n - 1 <= feeds / 2) {
        for (qsizetype k = 1; k < n; ++k)
            start = static_cast<const char *>(std::memchr(data + start, '\n', std::size_t(body.size() - start))) - data + 1;
    } else {
        qsizetype end = body.size();
        for (qsizetype k = feeds; k >= n - 1; --k)
            end = static_cast<const char *>(memrchr(data, '\n', std::size_t(end))) - data;
        start = end + 1;
    }
    const void *lf = std::memchr(data + start, '\n', std::size_t(body.size() - start));
    qsizetype end = lf ? static_cast<const char *>(lf) - data : body.size();
    if (lf && end > start && data[end - 1] == '\r')
        --end;
    read.line = decodeIn(reading.encoding, body.sliced(start, end - start));
    return std::nullopt;
}

QString decodeJournalText(JournalEncoding encoding, QByteArrayView bytes)
{
    return decodeIn(encoding, bytes);
}

std::optional<QByteArray> encodeJournalText(JournalEncoding encoding, QStringView text)
{
    QByteArray bytes;
    return encodeIn(encoding, text, bytes) ? std::optional(bytes) : std::nullopt;
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
