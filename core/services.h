#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The platform services the program reaches through small interfaces, so that time,
// randomness, dialogs and the shell come from outside and tests can script them.

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Starts a new sequence; every casting method calls this before it draws.
    virtual void seed() = 0;
    // A draw uniform in 0..n-1 (n >= 1).
    virtual int uniform(int n) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The user's regional separators, as the system reports them.
    virtual QString dateSeparator() const = 0;
    virtual QString timeSeparator() const = 0;
};

class Prompts
{
public:
    virtual ~Prompts() = default;
    // A plain message with an OK button, captioned with the application title.
    virtual void message(const QString &text) = 0;
    // An error message (warning icon) with an OK button.
    virtual void error(const QString &text) = 0;
    // A question with OK and Cancel, under a question mark or, before a deletion, a warning
    // sign; true for OK.
    enum class Icon { Question, Warning };
    virtual bool confirm(const QString &caption, const QString &text, Icon icon) = 0;
    // A one-line input of at most maxLength units, kept to one line; no value when the user
    // cancels.
    virtual std::optional<QString> input(
        const QString &caption, const QString &label, const QString &initial, int maxLength)
        = 0;
    // The name of a file to write, starting from the proposed path; `filter` as "PDF-bestanden
    // (*.pdf)". No value when the user cancels.
    virtual std::optional<QString> saveFileName(
        const QString &caption, const QString &proposed, const QString &filter)
        = 0;
};

class Shell
{
public:
    virtual ~Shell() = default;
    // Asks the desktop to open a file by name; the result is deliberately not reported.
    virtual void open(const QString &fileName) = 0;
};

// The system clock with the separators of the system locale.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    QString dateSeparator() const override;
    QString timeSeparator() const override;
};

// The separator a locale format puts between its fields, e.g. "/" in "dd/MM/yyyy"; empty when
// the format has none. Quoted literals and the first field are skipped.
QString separatorOfFormat(const QString &format);

// "dd/mm/yy hh:mm:ss" with the given separators. The journal reads the stamp by position, so a
// separator that is not exactly one punctuation character is replaced by "/" (date) or ":"
// (time).
QString formatCastDate(const QDateTime &moment, const QString &dateSeparator, const QString &timeSeparator);
QString castDateNow(const Clock &clock);
