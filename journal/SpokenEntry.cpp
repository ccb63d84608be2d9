#include "SpokenEntry.h"

#include "JournalFile.h"
#include "QuivarFuncties.h"

#include <QDate>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// "dd/mm/yy hh:mm:ss" with any separators; the year counts from 2000. Empty when the text is
// not such a date.
QString spokenDate(QStringView text)
{
    const auto number = [text](qsizetype at) {
        const QStringView digits = text.sliced(at, 2);
        return digits.front().isDigit() && digits.back().isDigit() ? digits.toInt() : -1;
    };
    if (text.size() != 17 || text.at(8) != u' ')
        return {};
    const QDate date(2000 + number(6), number(3), number(0));
    const QTime time(number(9), number(12), number(15));
    if (number(6) < 0 || !date.isValid() || !time.isValid())
        return {};
    return QLocale(QLocale::Dutch).toString(date, u"d MMMM yyyy"_s) + u" om "_s + time.toString(u"HH:mm"_s);
}

// The question and the hexagrams the six digits give, as a replay of the entry would show them.
QString spokenCast(QStringView entry)
{
    const JournalEntry fields = parseJournalEntry(entry);
    QString question = fields.question.trimmed();
    if (question.isEmpty())
        question = u"Zonder vraag."_s;
    else if (!question.endsWith(u'?') && !question.endsWith(u'.') && !question.endsWith(u'!'))
        question += u'.';
    ConsultationState cast;
    for (std::size_t i = 0; i < 6; ++i)
        cast.lines[i] = fields.lineDigits.at(qsizetype(i)).digitValue();
    cast.derivePatterns();
    QString hexagrams = u"Hexagram %1"_s.arg(cast.primaryNumber);
    if (cast.hasMovingLines)
        hexagrams += u", verandert in %1"_s.arg(cast.changedNumber);
    return question + u' ' + hexagrams;
}

} // namespace

QString spokenJournalEntry(QStringView entry, int number, int count)
{
    QString sentence = u"Vraag %1 van %2"_s.arg(number).arg(count);
    const QString date = spokenDate(entry.first(qMin<qsizetype>(17, entry.size())));
    if (!date.isEmpty())
        sentence += u", "_s + date;
    QString rest;
    if (holdsCast(entry))
        rest = spokenCast(entry);
    else
        rest
            = (date.isEmpty() ? entry : entry.sliced(qMin<qsizetype>(18, entry.size()))).trimmed().toString();
    return sentence + u": "_s + (rest.isEmpty() ? u"lege regel"_s : rest);
}
