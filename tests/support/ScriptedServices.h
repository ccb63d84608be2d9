#pragma once

// Test doubles for the platform services: scripted draws, a fixed clock, recorded prompts.

#include "consultation.h"
#include "services.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <deque>
#include <stdexcept>

class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<int> script) : draws(script) {}
    void seed() override { asked.append(-1); ++seeds; }
    int uniform(int n) override
    {
        asked.append(n);
        // An unscripted draw gives 0, so a test that forgets one still runs deterministically.
        if (draws.empty())
            return 0;
        const int d = draws.front();
        draws.pop_front();
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
    QDateTime now() const override { return moment; }
    QString dateSeparator() const override { return dateSep; }
    QString timeSeparator() const override { return timeSep; }
    QDateTime moment{QDate(2025, 12, 24), QTime(9, 5, 7)};
    QString dateSep = QStringLiteral("-");
    QString timeSep = QStringLiteral(":");
};

class RecordingPrompts final : public Prompts
{
public:
    void message(const QString &text) override { messages.append(text); }
    void error(const QString &text) override { errors.append(text); }
    bool confirm(const QString &, const QString &text) override
    {
        confirms.append(text);
        return confirmAnswer;
    }
    std::optional<QString> input(const QString &, const QString &label, const QString &) override
    {
        inputs.append(label);
        return inputAnswer;
    }
    QStringList messages, errors, confirms, inputs;
    bool confirmAnswer = true;
    std::optional<QString> inputAnswer;
};

class RecordingView final : public ConsultationView
{
public:
    void setMethodCaption(const QString &caption) override { captions.append(caption); }
    void showConsultation() override { ++shown; }
    QString caption() const { return captions.isEmpty() ? QString() : captions.back(); }
    QStringList captions;
    int shown = 0;
};
