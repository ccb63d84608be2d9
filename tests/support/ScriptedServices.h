#pragma once

// The test doubles of the platform services, for every test: scripted draws, a fixed clock,
// recorded prompts, shell and view.

#include "consultation.h"
#include "services.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>

class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<int> script)
        : draws(script)
    { }
    void seed() override
    {
        asked.append(-1);
        ++seeds;
    }
    int uniform(int n) override
    {
        asked.append(n);
        // An unscripted draw gives 0, valid for every n, so a test that forgets one still runs
        // deterministically.
        if (draws.empty())
            return 0;
        const int d = draws.front();
        draws.pop_front();
        // A draw the caller could not get from a real source is a fault in the test's script.
        if (d < 0 || d >= n)
            throw std::logic_error("scripted draw out of range");
        return d;
    }
    std::deque<int> draws;
    QList<int> asked; // n of every draw in order; -1 marks a seeding
    int seeds = 0;
};

class FixedClock final : public Clock
{
public:
    FixedClock() = default;
    explicit FixedClock(const QDateTime &at, const QString &dateSeparator = QStringLiteral("-"),
        const QString &timeSeparator = QStringLiteral(":"))
        : moment(at)
        , dateSep(dateSeparator)
        , timeSep(timeSeparator)
    { }
    QDateTime now() const override { return moment; }
    QString dateSeparator() const override { return dateSep; }
    QString timeSeparator() const override { return timeSep; }
    QDateTime moment { QDate(2025, 12, 24), QTime(9, 5, 7) };
    QString dateSep = QStringLiteral("-");
    QString timeSep = QStringLiteral(":");
};

// Answers every question with OK and every input with Cancel unless told otherwise.
class RecordingPrompts final : public Prompts
{
public:
    void message(const QString &text) override { messages.append(record(text)); }
    void error(const QString &text) override { errors.append(record(text)); }
    bool confirm(const QString &caption, const QString &text, Icon icon) override
    {
        confirms.append(record(text));
        confirmCaptions.append(caption);
        confirmIcons.append(icon);
        return confirmAnswer;
    }
    std::optional<QString> input(
        const QString &caption, const QString &label, const QString &initial, int maxLength) override
    {
        inputs.append(record(label));
        inputCaptions.append(caption);
        inputInitials.append(initial);
        inputMaxLengths.append(maxLength);
        return inputAnswer;
    }
    std::optional<QString> saveFileName(
        const QString &caption, const QString &proposed, const QString &) override
    {
        fileQuestions.append(record(caption));
        proposedFiles.append(proposed);
        return fileAnswer;
    }
    QStringList messages, errors, confirms, inputs;
    QStringList confirmCaptions, inputCaptions, inputInitials;
    QList<int> inputMaxLengths;
    QList<Icon> confirmIcons;
    QStringList shown; // every text of every kind, in order
    bool confirmAnswer = true;
    std::optional<QString> inputAnswer;
    QStringList fileQuestions, proposedFiles;
    std::optional<QString> fileAnswer; // none: the file question is cancelled

private:
    const QString &record(const QString &text)
    {
        shown.append(text);
        return text;
    }
};

class RecordingShell final : public Shell
{
public:
    void open(const QString &fileName) override { opened.append(fileName); }
    QStringList opened;
};

class RecordingView final : public ConsultationView
{
public:
    void setMethodCaption(const QString &caption) override
    {
        captions.append(caption);
        if (onCaption)
            onCaption(caption);
    }
    void showConsultation() override { ++shown; }
    QString caption() const { return captions.isEmpty() ? QString() : captions.back(); }
    QStringList captions;
    int shown = 0;
    std::function<void(const QString &)> onCaption; // e.g. to see what had happened by then
};

// One consultation's world without a window: state, scripted services and a recording view.
struct ConsultationRig
{
    ConsultationState state;
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts;
    RecordingView view;
    Consultation consultation { state, random, clock, prompts, view };
};
