#include "JournalCodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr char AnsiCodePage[] = "windows-1252";

// A mark's text is taken as it stands: a second mark is a character of the first line.
constexpr auto Plain = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// Qt's own converter for a Unicode encoding; none for the code page, which Qt finds by name.
std::optional<QStringConverter::Encoding> unicodeOf(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf8:
    case JournalEncoding::Utf8Unmarked:
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

// Where the first block of bytes starts that holds a byte the test marks; the size when none
// does. The blocks have a fixed length, so the compiler does the inner loop in vector registers.
template <class Test> qsizetype firstBlockWith(QByteArrayView bytes, Test test)
{
    constexpr qsizetype Block = 64;
    const char *p = bytes.data();
    qsizetype i = 0;
    for (; i + Block <= bytes.size(); i += Block) {
        uchar found = 0;
        for (qsizetype k = 0; k < Block; ++k)
            found |= test(uchar(p[i + k]));
        if (found)
            return i;
    }
    for (; i < bytes.size(); ++i) {
        if (test(uchar(p[i])))
            return i;
    }
    return bytes.size();
}

inline uchar isC1(uchar byte)
{
    return (byte & 0xE0) == 0x80;
}
inline uchar isHigh(uchar byte)
{
    return byte >> 7;
}

// The 8-bit code page, one byte a character. Qt's codec is asked once for the character of
// every byte; when that is a one-to-one map (as it is for windows-1252, whose five undefined
// bytes stand for U+0081 and the like), journals of a million lines are decoded and encoded
// through that map instead of a codec call a line.
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
        if (!m_latin1Agrees || firstBlockWith(bytes, isC1) < bytes.size()) {
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

    std::array<char16_t, 256> m_char {};
    bool m_oneToOne = false;
    bool m_latin1Agrees = false; // outside 0x80-0x9F
};

} // namespace

QByteArrayView markOf(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf8:
        return "\xEF\xBB\xBF";
    case JournalEncoding::Utf16LE:
        return "\xFF\xFE";
    case JournalEncoding::Utf16BE:
        return "\xFE\xFF";
    case JournalEncoding::Ansi:
    case JournalEncoding::Utf8Unmarked:
        break;
    }
    return {};
}

JournalUnits unitsOf(JournalEncoding encoding)
{
    switch (encoding) {
    case JournalEncoding::Utf16LE:
        return { 2, 0 };
    case JournalEncoding::Utf16BE:
        return { 2, 1 };
    default:
        return { 1, 0 };
    }
}

QString decodeIn(JournalEncoding encoding, QByteArrayView bytes)
{
    switch (encoding) {
    case JournalEncoding::Ansi:
        return AnsiCodec::instance().decode(bytes);
    case JournalEncoding::Utf8:
    case JournalEncoding::Utf8Unmarked:
        return QString::fromUtf8(bytes);
    default:
        return decoderFor(encoding)(bytes);
    }
}

bool encodeIn(JournalEncoding encoding, QStringView text, QByteArray &out)
{
    if (encoding == JournalEncoding::Ansi)
        return AnsiCodec::instance().encode(text, out);
    QStringEncoder encoder = encoderFor(encoding);
    out += QByteArray(encoder(text));
    return true;
}

JournalReading readingOf(QByteArrayView bytes)
{
    for (JournalEncoding marked :
        { JournalEncoding::Utf8, JournalEncoding::Utf16LE, JournalEncoding::Utf16BE }) {
        const QByteArrayView mark = markOf(marked);
        if (!bytes.startsWith(mark))
            continue;
        const QByteArrayView body = bytes.sliced(mark.size());
        const bool fits
            = marked == JournalEncoding::Utf8 ? body.isValidUtf8() : body.size() % unitsOf(marked).size == 0;
        return fits ? JournalReading { marked, mark.size() } : JournalReading { JournalEncoding::Ansi, 0 };
    }
    // Plain ASCII reads the same either way and stays 8-bit, as the program writes it.
    const qsizetype high = firstBlockWith(bytes, isHigh);
    if (high < bytes.size() && bytes.sliced(high).isValidUtf8())
        return { JournalEncoding::Utf8Unmarked, 0 };
    return { JournalEncoding::Ansi, 0 };
}
