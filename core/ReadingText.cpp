#include "ReadingText.h"

#include "QuivarDATA.h"

using namespace Qt::StringLiterals;

namespace {

ReadingHexagram hexagram(
    const QString &label, int number, int upperTrigram, const std::array<LineValue, 6> &lines)
{
    return ReadingHexagram { label, number, Title(number), HouseWords(upperTrigram), ProcessText(number),
        AdviceText(number), lines };
}

QString heading(const ReadingHexagram &h)
{
    return u"%1 %2: %3"_s.arg(h.label, QString::number(h.number), h.title);
}

void appendHexagram(QStringList &out, const ReadingHexagram &h, bool marks)
{
    out << heading(h) << ReadingHeadings::House + u' ' + h.house << QString();
    out << lineFigure(h.lines, marks) << QString();
    out << ReadingHeadings::Process + u' ' + h.process;
    out << ReadingHeadings::Advice + u' ' + h.advice;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

void appendHexagramHtml(QString &out, const ReadingHexagram &h, bool marks)
{
    out += u"<h2>%1</h2>\n<p><i>%2</i> %3</p>\n"_s.arg(
        escaped(heading(h)), escaped(ReadingHeadings::House), escaped(h.house));
    out += u"<pre>"_s + escaped(lineFigure(h.lines, marks).join(u'\n')) + u"</pre>\n"_s;
    out += u"<p><b>%1</b> %2</p>\n<p><b>%3</b> %4</p>\n"_s.arg(escaped(ReadingHeadings::Process),
        escaped(h.process), escaped(ReadingHeadings::Advice), escaped(h.advice));
}

} // namespace

bool hasReading(const ConsultationState &state)
{
    return state.primaryNumber != 0;
}

Reading readingOf(const ConsultationState &s, const ReadingScreen &screen)
{
    const bool nuclear = screen.view == ReadingView::Nuclear;
    const std::array<LineValue, 6> lines = nuclear ? deriveNuclear(s.lines) : s.lines;

    Reading reading;
    reading.date = screen.date;
    reading.question = s.question;
    reading.methodCaption = screen.methodCaption;
    reading.primary = hexagram(
        nuclear ? u"KERNHEXAGRAM"_s : u"HEXAGRAM"_s, s.primaryNumber, s.primaryUpperTrigram, lines);
    for (int k = 1; k <= 6; ++k) {
        const LineValue v = lines[std::size_t(k - 1)];
        if (isMoving(v))
            reading.movingLines.append({ k, v, LineTexts(s.primaryNumber, k) });
    }
    if (!s.hasMovingLines) {
        reading.changeHeading = ReadingHeadings::NoChanges;
        return reading;
    }
    const bool intermediate = screen.view == ReadingView::Intermediate;
    reading.changeHeading = intermediate ? u"Het TussenHexagram"_s : ReadingHeadings::Changes;
    reading.secondary = hexagram(intermediate ? u"TUSSENHEXAGRAM"_s : u"HEXAGRAM"_s, s.changedNumber,
        s.changedUpperTrigram, s.changedLines);
    return reading;
}

QString spokenLine(int line, LineValue value)
{
    QString kind = isYang(value) ? u"hele lijn"_s : u"gebroken lijn"_s;
    if (isMoving(value))
        kind.prepend(u"bewegende "_s);
    return u"Lijn %1: %2, %3"_s.arg(line).arg(value).arg(kind);
}

QStringList lineFigure(const std::array<LineValue, 6> &lines, bool marks)
{
    QStringList rows;
    for (int i = 5; i >= 0; --i) {
        const LineValue v = lines[std::size_t(i)];
        QString row = isYang(v) ? u"━━━━━━━━━━━"_s : u"━━━━   ━━━━"_s;
        if (marks) {
            row.prepend(QString::number(v) + u"  "_s);
            if (v == 9)
                row += u"  ○"_s;
            else if (v == 6)
                row += u"  ×"_s;
        }
        rows << row;
    }
    return rows;
}

QString readingPlainText(const Reading &r)
{
    QStringList out;
    out << ReadingHeadings::Date + u' ' + r.date;
    out << ReadingHeadings::Question + u' ' + r.question;
    out << r.methodCaption << QString();
    appendHexagram(out, r.primary, true);
    if (!r.movingLines.isEmpty()) {
        out << QString() << ReadingHeadings::MovingLines;
        for (const ReadingLine &l : r.movingLines)
            out << spokenLine(l.line, l.value) << l.text;
    }
    out << QString() << r.changeHeading;
    if (r.secondary)
        appendHexagram(out, *r.secondary, false);
    return out.join(u'\n') + u'\n';
}

QString readingHtml(const Reading &r)
{
    QString out
        = u"<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>\n"_s.arg(escaped(r.question));
    out += u"<p>%1 %2</p>\n<h1>%3 %4</h1>\n<p>%5</p>\n"_s.arg(escaped(ReadingHeadings::Date), escaped(r.date),
        escaped(ReadingHeadings::Question), escaped(r.question), escaped(r.methodCaption));
    appendHexagramHtml(out, r.primary, true);
    if (!r.movingLines.isEmpty()) {
        out += u"<h3>%1</h3>\n<dl>\n"_s.arg(escaped(ReadingHeadings::MovingLines));
        for (const ReadingLine &l : r.movingLines)
            out += u"<dt>%1</dt><dd>%2</dd>\n"_s.arg(escaped(spokenLine(l.line, l.value)), escaped(l.text));
        out += u"</dl>\n"_s;
    }
    out += u"<h3>%1</h3>\n"_s.arg(escaped(r.changeHeading));
    if (r.secondary)
        appendHexagramHtml(out, *r.secondary, false);
    return out + u"</body></html>\n"_s;
}
