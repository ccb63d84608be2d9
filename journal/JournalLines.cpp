#include "JournalLines.h"

#include <QStringEncoder>

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QByteArray lineEndIn(JournalEncoding encoding)
{
    QByteArray end;
    encodeIn(encoding, u"\r\n", end);
    return end;
}

// Calls found(at) for every LF byte, in order; sixty-four bytes a step where the processor can.
template <class Found> void forEachLineFeed(const char *data, qsizetype size, Found found)
{
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const auto maskAt = [&](qsizetype at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at));
        return quint64(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed))));
    };
    for (; i + 64 <= size; i += 64) {
        for (quint64 mask = maskAt(i) | maskAt(i + 16) << 16 | maskAt(i + 32) << 32 | maskAt(i + 48) << 48;
             mask; mask &= mask - 1)
            found(i + std::countr_zero(mask));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '\n')
            found(i);
    }
}

// Where every line starts (the last one counts without a break, an empty end does not), and
// whether every line ends in CR LF, as the program writes them.
LineScan scanLines(QByteArrayView body, JournalUnits units)
{
    LineScan scan;
    const qsizetype size = body.size() - body.size() % units.size;
    scan.whole = size == body.size();
    qsizetype start = 0;
    if (units.size == 1) {
        JournalLines::ByteLines lines;
        lines.expect(size);
        lines.readTo(body.data(), size);
        return lines.finish(size);
    }
    scan.starts.reserve(body.size() / 64);
    qsizetype from = 0; // where the search for the next LF byte goes on
    while (start < size) {
        scan.starts.append(start);
        qsizetype next = size;
        bool broken = false;
        while (from + units.lowByte < size) {
            const qsizetype hit = body.first(size).indexOf('\n', from + units.lowByte);
            if (hit < 0)
                break;
            const qsizetype unit = hit - units.lowByte;
            from = unit + 1;
            // In UTF-16 the byte 0x0A may be half of another character.
            if (unit % units.size == 0 && units.isUnit(body, unit, '\n')) {
                next = unit + units.size;
                broken = true;
                break;
            }
        }
        const qsizetype lf = next - units.size;
        scan.whole
            = scan.whole && broken && lf - start >= units.size && units.isUnit(body, lf - units.size, '\r');
        start = from = next;
    }
    return scan;
}

} // namespace

void JournalLines::ByteLines::add(qsizetype at)
{
    if (m_count == m_starts.size())
        m_starts.resize(qMax<qsizetype>(1024, m_count * 2));
    m_starts[m_count++] = at;
}

void JournalLines::ByteLines::expect(qsizetype size)
{
    if (m_count == 0)
        m_starts.resize(qMax<qsizetype>(1024, size / 64));
}

void JournalLines::ByteLines::readTo(const char *text, qsizetype end)
{
    // In locals, so that the compiler need not fear that a start written aliases them.
    qsizetype *out = m_starts.data();
    qsizetype count = m_count;
    qsizetype room = m_starts.size();
    qsizetype next = m_next;
    bool whole = m_whole;
    const qsizetype from = m_searched;
    forEachLineFeed(text + from, end - from, [&](qsizetype found) {
        if (count == room) {
            m_starts.resize(qMax<qsizetype>(1024, count * 2));
            out = m_starts.data();
            room = m_starts.size();
        }
        out[count++] = next;
        const qsizetype at = from + found;
        whole = whole && at > next && text[at - 1] == '\r';
        next = at + 1;
    });
    m_count = count;
    m_next = next;
    m_whole = whole;
    m_searched = end;
}

JournalLines::ByteLines::Piece JournalLines::ByteLines::search(const char *text, qsizetype from, qsizetype to)
{
    Piece piece;
    piece.from = from;
    piece.to = to;
    piece.afterBreaks.resize(qMax<qsizetype>(64, (to - from) / 64));
    qsizetype *out = piece.afterBreaks.data();
    qsizetype count = 0;
    qsizetype room = piece.afterBreaks.size();
    bool whole = true;
    forEachLineFeed(text + from, to - from, [&](qsizetype found) {
        if (count == room) {
            piece.afterBreaks.resize(count * 2);
            out = piece.afterBreaks.data();
            room = piece.afterBreaks.size();
        }
        const qsizetype at = from + found;
        if (found == 0)
            piece.breakFirst = true;
        else
            whole = whole && text[at - 1] == '\r';
        out[count++] = at + 1;
    });
    piece.afterBreaks.resize(count);
    piece.whole = whole;
    return piece;
}

void JournalLines::ByteLines::take(const char *text, const Piece &piece)
{
    Q_ASSERT(piece.from == m_searched);
    m_whole = m_whole && piece.whole
        && (!piece.breakFirst || (piece.from > m_next && text[piece.from - 1] == '\r'));
    const qsizetype found = piece.afterBreaks.size();
    if (found > 0) {
        if (m_count + found > m_starts.size())
            m_starts.resize(qMax(m_count + found, m_count * 2));
        // Each break ends the line that began after the one before it.
        m_starts[m_count] = m_next;
        std::copy_n(piece.afterBreaks.constData(), found - 1, m_starts.data() + m_count + 1);
        m_count += found;
        m_next = piece.afterBreaks.last();
    }
    m_searched = piece.to;
}

LineScan JournalLines::ByteLines::finish(qsizetype size, qsizetype bodyStart)
{
    // A last line without a break, if the text after the mark holds one.
    if (qMax(m_next, bodyStart) < size) {
        add(m_next);
        m_whole = false;
    }
    m_starts.resize(m_count);
    return { std::move(m_starts), m_whole };
}

JournalLines::JournalLines(
    JournalEncoding encoding, QByteArray body, ByteLines found, qsizetype bodyStart, qsizetype size)
    : m_encoding(encoding)
    , m_body(std::move(body))
{
    if (unitsOf(encoding).size != 1 || found.m_searched != size) {
        LineScan scan = scanLines(m_body, unitsOf(encoding));
        m_starts = std::move(scan.starts);
        m_whole = scan.whole;
        return;
    }
    LineScan scan = found.finish(size, bodyStart);
    // Found in the file's bytes; the body starts after its mark.
    if (bodyStart > 0) {
        for (qsizetype &start : scan.starts)
            start = qMax<qsizetype>(0, start - bodyStart);
    }
    m_starts = std::move(scan.starts);
    m_whole = scan.whole;
}

JournalLines::JournalLines(const QStringList &lines, JournalEncoding encoding)
    : m_encoding(encoding)
{
    for (const QString &line : lines)
        append(line);
}

JournalLines::JournalLines(JournalEncoding encoding, QByteArray body)
    : m_encoding(encoding)
    , m_body(std::move(body))
{
    LineScan scan = scanLines(m_body, unitsOf(encoding));
    m_starts = std::move(scan.starts);
    m_whole = scan.whole;
}

qsizetype JournalLines::next(qsizetype row) const
{
    return row + 1 < size() ? m_starts.at(row + 1) : m_body.size();
}

qsizetype JournalLines::endOf(qsizetype row) const
{
    const JournalUnits units = unitsOf(m_encoding);
    qsizetype end = row + 1 < size() ? m_starts.at(row + 1) : m_body.size() - m_body.size() % units.size;
    const qsizetype start = m_starts.at(row);
    if (end > start && units.isUnit(m_body, end - units.size, '\n')) {
        end -= units.size;
        if (end > start && units.isUnit(m_body, end - units.size, '\r'))
            end -= units.size;
    }
    return end;
}

QByteArrayView JournalLines::bytesAt(qsizetype row) const
{
    return QByteArrayView(m_body).sliced(m_starts.at(row), endOf(row) - m_starts.at(row));
}

QString JournalLines::at(qsizetype row) const
{
    return decodeIn(m_encoding, bytesAt(row));
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
    const QByteArray lineEnd = lineEndIn(m_encoding);
    QByteArray body;
    body.reserve(m_body.size() + size() * lineEnd.size());
    for (qsizetype row = 0; row < size(); ++row)
        body.append(bytesAt(row)).append(lineEnd);
    return body;
}

QString JournalLines::text() const
{
    return decodeIn(m_encoding, body());
}

bool JournalLines::isStartOf(const JournalLines &other) const
{
    if (other.m_encoding != m_encoding || other.size() < size() || !other.m_body.startsWith(m_body))
        return false;
    return isEmpty() || other.at(size() - 1) == at(size() - 1);
}

void JournalLines::becomeUtf8()
{
    QStringEncoder encoder(QStringConverter::Utf8);
    *this = JournalLines(JournalEncoding::Utf8, encoder(decodeIn(m_encoding, m_body)));
}

std::optional<QByteArray> JournalLines::encodedLine(QStringView line) const
{
    QByteArray text;
    if (!encodeIn(m_encoding, line, text))
        return std::nullopt;
    encodeIn(m_encoding, u"\r\n", text);
    return text;
}

void JournalLines::append(const QString &line)
{
    auto text = encodedLine(line);
    if (!text) {
        becomeUtf8();
        text = encodedLine(line);
    }
    if (!isEmpty() && endOf(size() - 1) == m_body.size())
        encodeIn(m_encoding, u"\r\n", m_body);
    m_starts.append(m_body.size());
    m_body += *text;
}

void JournalLines::replace(qsizetype row, const QString &line)
{
    auto text = encodedLine(line);
    if (!text) {
        becomeUtf8();
        text = encodedLine(line);
    }
    // The line and its break give way to the new line; the lines after it move along.
    const qsizetype from = m_starts.at(row);
    const qsizetype to = next(row);
    m_body.replace(from, to - from, *text);
    const qsizetype shift = text->size() - (to - from);
    for (qsizetype r = row + 1; r < size(); ++r)
        m_starts[r] += shift;
}

JournalLines JournalLines::without(const QList<int> &rows) const
{
    const QByteArray lineEnd = lineEndIn(m_encoding);
    JournalLines left;
    left.m_encoding = m_encoding;
    left.m_whole = true;
    left.m_starts.reserve(size() - rows.size());
    left.m_body.resize(m_body.size() + (size() - rows.size()) * lineEnd.size());
    char *out = left.m_body.data();
    auto doomed = rows.cbegin();
    for (qsizetype row = 0; row < size(); ++row) {
        if (doomed != rows.cend() && *doomed == row) {
            ++doomed;
            continue;
        }
        left.m_starts.append(out - left.m_body.constData());
        const QByteArrayView line = bytesAt(row);
        std::memcpy(out, line.data(), std::size_t(line.size()));
        std::memcpy(out + line.size(), lineEnd.constData(), std::size_t(lineEnd.size()));
        out += line.size() + lineEnd.size();
    }
    left.m_body.truncate(out - left.m_body.constData());
    return left;
}

QList<QByteArrayView> JournalLines::bodyWithout(const QList<int> &rows) const
{
    Q_ASSERT(m_whole);
    QList<QByteArrayView> runs;
    qsizetype from = 0;
    for (int row : rows) {
        if (m_starts.at(row) > from)
            runs.append(QByteArrayView(m_body).sliced(from, m_starts.at(row) - from));
        from = next(row);
    }
    if (from < m_body.size())
        runs.append(QByteArrayView(m_body).sliced(from));
    return runs;
}

void JournalLines::remove(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    if (!m_whole) {
        *this = without(rows);
        return;
    }
    // Each run of rows that stays moves down over the rows removed before it.
    char *data = m_body.data();
    qsizetype to = m_starts.at(rows.first());
    qsizetype toRow = rows.first();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const qsizetype firstKept = rows.at(i) + 1;
        const qsizetype endKept = i + 1 < rows.size() ? rows.at(i + 1) : size();
        if (firstKept >= endKept)
            continue;
        const qsizetype from = m_starts.at(firstKept);
        const qsizetype length = (endKept < size() ? m_starts.at(endKept) : m_body.size()) - from;
        std::memmove(data + to, data + from, std::size_t(length));
        for (qsizetype row = firstKept; row < endKept; ++row)
            m_starts[toRow++] = m_starts.at(row) - (from - to);
        to += length;
    }
    m_starts.resize(toRow);
    m_body.truncate(to);
}
