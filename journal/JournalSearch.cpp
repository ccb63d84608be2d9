#include "JournalSearch.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {

// One UTF-16 unit folded: its case folded (lower case, "ς" as "σ"), then the base of its
// canonical decomposition, again and again ("Ǻ" to "å" to "a"); 0 for a combining accent, which
// folds away. Made once for the whole plane, so that folding is a table look-up a unit.
const std::array<char16_t, 0x10000> &foldTable()
{
    static const std::unique_ptr<std::array<char16_t, 0x10000>> table = [] {
        auto t = std::make_unique<std::array<char16_t, 0x10000>>();
        for (char32_t u = 0; u < 0x10000; ++u) {
            QChar c { char16_t(u) };
            if (c.isSurrogate()) {
                (*t)[u] = char16_t(u);
                continue;
            }
            if (c.category() == QChar::Mark_NonSpacing) {
                (*t)[u] = 0;
                continue;
            }
            c = c.toCaseFolded();
            // Hangul syllables decompose into their letters; their first letter is no base.
            while (
                c.decompositionTag() == QChar::Canonical && (c.unicode() < 0xAC00 || c.unicode() > 0xD7A3)) {
                const QChar base = c.decomposition().front();
                if (base.isSurrogate())
                    break;
                c = base.toCaseFolded();
            }
            (*t)[u] = c.unicode();
        }
        return t;
    }();
    return *table;
}

// The 8-bit code page folded byte for byte, so that the folded list keeps the list's line
// starts. A character whose folded form the code page lacks keeps its own byte.
const std::array<char, 256> &ansiFoldTable()
{
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t {};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString folded = foldForSearch(decodeIn(JournalEncoding::Ansi, QByteArrayView(&byte, 1)));
            QByteArray encoded;
            t[std::size_t(b)] = encodeIn(JournalEncoding::Ansi, folded, encoded) && encoded.size() == 1
                ? encoded.front()
                : byte;
        }
        return t;
    }();
    return table;
}

// Byte for byte through the table, so that the folded copy keeps the line starts.
void foldBytes(const QByteArray &from, QByteArray &to, const std::array<char, 256> &table)
{
    to.resize(from.size());
    std::transform(
        from.cbegin(), from.cend(), to.begin(), [&table](char byte) { return table[uchar(byte)]; });
}

} // namespace

QString foldForSearch(QStringView text)
{
    const auto &table = foldTable();
    QString folded(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    for (QChar c : text) {
        if (const char16_t f = table[c.unicode()])
            *out++ = f;
    }
    folded.truncate(out - reinterpret_cast<const char16_t *>(folded.constData()));
    return folded;
}

void JournalSearch::setList(JournalEncoding encoding, const QByteArray &bytes, const QList<qsizetype> &starts)
{
    m_encoding = encoding;
    m_source = bytes;
    m_starts = starts;
    m_folded.clear();
    m_stale = true;
}

void JournalSearch::setList(const JournalLines &lines)
{
    setList(lines.encoding(), lines.storedBytes(), lines.lineStarts());
}

void JournalSearch::fold()
{
    m_stale = false;
    if (m_encoding == JournalEncoding::Ansi) {
        foldBytes(m_source, m_folded, ansiFoldTable());
        m_source.clear();
        return;
    }
    // Folding may change a line's length in UTF-8, so the folded lines get starts of their own,
    // one line feed after each.
    QList<qsizetype> starts;
    starts.reserve(m_starts.size());
    m_folded.reserve(m_source.size());
    for (qsizetype row = 0; row < m_starts.size(); ++row) {
        const qsizetype end = row + 1 < m_starts.size() ? m_starts.at(row + 1) : m_source.size();
        starts.append(m_folded.size());
        const QByteArrayView line = QByteArrayView(m_source).sliced(m_starts.at(row), end - m_starts.at(row));
        m_folded += foldForSearch(decodeIn(m_encoding, line)).toUtf8();
        m_folded += '\n';
    }
    m_starts = std::move(starts);
    m_source.clear();
}

std::optional<QByteArray> JournalSearch::foldedNeedle(QStringView text) const
{
    if (m_encoding != JournalEncoding::Ansi)
        return foldForSearch(text).toUtf8();
    // A character the code page lacks can still be found by its folded form ("ā" finds "a").
    const auto &table = ansiFoldTable();
    QByteArray needle;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QByteArray bytes;
        if (!encodeIn(m_encoding, text.sliced(i, 1), bytes)
            && !encodeIn(m_encoding, foldForSearch(text.sliced(i, 1)), bytes))
            return std::nullopt;
        for (char byte : std::as_const(bytes))
            needle += table[uchar(byte)];
    }
    return needle;
}

QList<int> JournalSearch::rowsHolding(QStringView text)
{
    if (m_stale)
        fold();
    const auto needle = foldedNeedle(text);
    // A line feed ends a line, so no line holds one.
    if (!needle || needle->isEmpty() || needle->contains('\n'))
        return {};
    // glibc's memmem, several times faster than QByteArrayView::indexOf on short texts.
    const auto find = [this, &needle](qsizetype from) -> qsizetype {
        const void *hit = memmem(m_folded.constData() + from, std::size_t(m_folded.size() - from),
            needle->constData(), std::size_t(needle->size()));
        return hit ? static_cast<const char *>(hit) - m_folded.constData() : -1;
    };
    QList<int> rows;
    qsizetype row = 0;
    for (qsizetype at = find(0); at >= 0;) {
        // The matches come in order, so the row is looked for from the last one on, in steps
        // that double, then halved again: a few comparisons where every row matches.
        qsizetype step = 1;
        while (row + step < m_starts.size() && m_starts.at(row + step) <= at) {
            row += step;
            step *= 2;
        }
        row = std::upper_bound(
                  m_starts.cbegin() + row, m_starts.cbegin() + qMin(row + step, m_starts.size()), at)
            - m_starts.cbegin() - 1;
        rows.append(int(row));
        if (++row >= m_starts.size())
            break;
        at = find(m_starts.at(row));
    }
    return rows;
}

int stepToMatch(const QList<int> &rows, int from, bool forward)
{
    if (rows.isEmpty())
        return -1;
    if (forward) {
        const auto next = std::upper_bound(rows.cbegin(), rows.cend(), from);
        return next == rows.cend() ? rows.first() : *next;
    }
    const auto at = std::lower_bound(rows.cbegin(), rows.cend(), from);
    return at == rows.cbegin() ? rows.last() : *(at - 1);
}
