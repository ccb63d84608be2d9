// Throughput of the oracle core: each casting method against the bare derivation, so the
// figures read as ratios that hold from one machine to the next.
#include "casting.h"

#include <QElapsedTimer>

#include <cstdio>

template <typename F> static double perSecond(F &&work, int rounds)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work();
    return rounds / (double(timer.nsecsElapsed()) / 1e9);
}

int main()
{
    ClockRandomSource random;
    ConsultationState s;
    s.lines = { 9, 7, 8, 6, 7, 8 };
    const int rounds = 200000;
    const double derive = perSecond([&] { s.derivePatterns(); }, rounds);
    std::printf("derivePatterns: %.0f per second (the unit below)\n", derive);
    const struct
    {
        const char *name;
        void (*cast)(ConsultationState &, RandomSource &);
    } methods[] = {
        { "castYarrow", castYarrow },
        { "castCoins", castCoins },
        { "castRiceGrains", castRiceGrains },
        { "castTrigrams", castTrigrams },
        { "castSixLines", castSixLines },
    };
    for (const auto &m : methods) {
        const double rate = perSecond([&] { m.cast(s, random); }, rounds);
        std::printf(
            "%-15s %10.0f per second, %.2f x the time of one derivation\n", m.name, rate, derive / rate);
    }
    return 0;
}
