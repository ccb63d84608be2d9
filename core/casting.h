#pragma once

#include "QuivarFuncties.h"
#include "services.h"

#include <cstdint>
#include <functional>
#include <random>

// The program's random source: a 64-bit Mersenne Twister, seeded anew by every casting method.
// Seeds come from a high-resolution clock, but the raw value is forced to rise by at least one
// on every seeding, so two casts begun within one clock tick never repeat each other.
class ClockRandomSource final : public RandomSource
{
public:
    using TickSource = std::function<std::uint64_t()>;
    // The default tick source is the high-resolution clock in nanoseconds; it may step back,
    // which the rising raw value absorbs.
    explicit ClockRandomSource(TickSource ticks = {});

    void seed() override;
    int uniform(int n) override;

    std::uint64_t lastSeed() const { return m_lastSeed; }

private:
    TickSource m_ticks;
    std::uint64_t m_lastRaw = 0;
    std::uint64_t m_lastSeed = 0;
    bool m_seeded = false;
    std::mt19937_64 m_engine;
};

// The values of the six-lines method, by draw 0..3.
inline constexpr std::array<LineValue, 4> SixLinesValues = { 7, 9, 8, 6 };

// Each method clears lineDigits, seeds the generator, sets all six lines, writes lineDigits
// and runs the full derivation; it touches nothing else.
void castYarrow(ConsultationState &state, RandomSource &random);
void castCoins(ConsultationState &state, RandomSource &random);
void castRiceGrains(ConsultationState &state, RandomSource &random);
void castTrigrams(ConsultationState &state, RandomSource &random);
void castSixLines(ConsultationState &state, RandomSource &random);

// One line of the yarrow-stalk oracle: three changes from 49 stalks.
LineValue yarrowLine(RandomSource &random);
