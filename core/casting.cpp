#include "casting.h"

#include <chrono>

static std::uint64_t splitmix64(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

ClockRandomSource::ClockRandomSource(TickSource ticks)
    : m_ticks(ticks ? std::move(ticks) : TickSource([] {
        return std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::high_resolution_clock::now().time_since_epoch())
                                 .count());
    }))
{
    seed();
}

void ClockRandomSource::seed()
{
    std::uint64_t raw = m_ticks();
    if (m_seeded && raw <= m_lastRaw)
        raw = m_lastRaw + 1;
    m_lastRaw = raw;
    m_seeded = true;
    // splitmix64 is a bijection, so distinct raw values give distinct seeds.
    m_lastSeed = splitmix64(raw);
    m_engine.seed(m_lastSeed);
}

int ClockRandomSource::uniform(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

static int countOffRemainder(int stalks)
{
    const int r = stalks % 4;
    return r == 0 ? 4 : r;
}

LineValue yarrowLine(RandomSource &random)
{
    int stalks = 49;
    int score = 0;
    for (int change = 0; change < 3; ++change) {
        const int left = random.uniform(stalks) + 1;
        const int leftRest = countOffRemainder(left);
        // One stalk is set aside; the right heap may be empty, which the formula allows.
        const int rightRest = countOffRemainder(stalks - 1 - leftRest);
        const int removed = 1 + leftRest + rightRest;
        score += (removed == 8 || removed == 9) ? 2 : 3;
        stalks -= removed;
    }
    return score;
}

static void begin(ConsultationState &state, RandomSource &random)
{
    state.lineDigits.clear();
    random.seed();
}

static void finish(ConsultationState &state)
{
    state.writeLineDigits();
    state.derivePatterns();
}

static void makeMoving(LineValue &line)
{
    line = line == 7 ? 9 : 6;
}

void castYarrow(ConsultationState &state, RandomSource &random)
{
    begin(state, random);
    for (LineValue &line : state.lines)
        line = yarrowLine(random);
    finish(state);
}

void castCoins(ConsultationState &state, RandomSource &random)
{
    begin(state, random);
    for (LineValue &line : state.lines) {
        line = 0;
        for (int coin = 0; coin < 3; ++coin)
            line += random.uniform(2) + 2;
    }
    finish(state);
}

void castRiceGrains(ConsultationState &state, RandomSource &random)
{
    begin(state, random);
    for (LineValue &line : state.lines) {
        const int x = random.uniform(64) + 1;
        line = x % 2 != 0 ? 7 : 8;
    }
    random.seed();
    const int y = random.uniform(64) + 1;
    const int position = y % 6 == 0 ? 6 : y % 6;
    makeMoving(state.lines[std::size_t(position - 1)]);
    finish(state);
}

void castTrigrams(ConsultationState &state, RandomSource &random)
{
    begin(state, random);
    const int upper = random.uniform(8);
    const int lower = random.uniform(8);
    const int moving = random.uniform(6);
    const QString letters = DiceTrigrams[std::size_t(lower)] + DiceTrigrams[std::size_t(upper)];
    for (std::size_t k = 0; k < 6; ++k)
        state.lines[k] = letters.at(qsizetype(k)) == u'A' ? 7 : 8;
    makeMoving(state.lines[std::size_t(moving)]);
    finish(state);
}

void castSixLines(ConsultationState &state, RandomSource &random)
{
    begin(state, random);
    for (LineValue &line : state.lines)
        line = SixLinesValues[std::size_t(random.uniform(4))];
    finish(state);
}
