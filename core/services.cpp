#include "services.h"

#include <QLocale>

using namespace Qt::StringLiterals;

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QString SystemClock::dateSeparator() const
{
    return separatorOfFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
}

QString SystemClock::timeSeparator() const
{
    return separatorOfFormat(QLocale::system().timeFormat(QLocale::LongFormat));
}

QString separatorOfFormat(const QString &format)
{
    const auto isField = [](QChar c) { return c.isLetter() || c == u'\''; };
    qsizetype i = 0;
    while (i < format.size() && isField(format.at(i)))
        ++i;
    QString separator;
    while (i < format.size() && !isField(format.at(i)))
        separator += format.at(i++);
    return separator;
}

static QString twoDigits(int value)
{
    return u"%1"_s.arg(value, 2, 10, QChar(u'0'));
}

// A separator is one punctuation character; anything else (longer, empty, a blank as in the
// C locale's "d MMM yyyy", an invisible direction mark, an accent that would sit on a digit)
// would blur the stamp, so the usual one stands in.
static QString usableSeparator(const QString &separator, const QString &fallback)
{
    return separator.size() == 1 && separator.front().isPunct() ? separator : fallback;
}

QString formatCastDate(const QDateTime &moment, const QString &dateSeparator, const QString &timeSeparator)
{
    const QString ds = usableSeparator(dateSeparator, u"/"_s);
    const QString ts = usableSeparator(timeSeparator, u":"_s);
    const QDate d = moment.date();
    const QTime t = moment.time();
    return twoDigits(d.day()) + ds + twoDigits(d.month()) + ds + twoDigits(d.year() % 100) + u' '
        + twoDigits(t.hour()) + ts + twoDigits(t.minute()) + ts + twoDigits(t.second());
}

QString castDateNow(const Clock &clock)
{
    return formatCastDate(clock.now(), clock.dateSeparator(), clock.timeSeparator());
}
