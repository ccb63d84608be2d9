#include "SingleLine.h"

static bool breaksLine(char16_t c)
{
    switch (c) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

QString singleLine(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (breaksLine(c.unicode())) {
            // CR LF is one break.
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += u' ';
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (!c.isSurrogate() && c.category() != QChar::Other_Control) {
            out += c;
        }
    }
    return out;
}

QString cutAtCharacter(QStringView text, qsizetype maxUnits)
{
    if (text.size() <= maxUnits)
        return text.toString();
    qsizetype end = maxUnits;
    if (end > 0 && text.at(end - 1).isHighSurrogate() && text.at(end).isLowSurrogate())
        --end;
    return text.first(end).toString();
}
