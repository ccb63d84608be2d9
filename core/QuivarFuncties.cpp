#include "QuivarFuncties.h"

using namespace Qt::StringLiterals;

const std::array<QLatin1String, 64> HexPatterns = {
    "AAAAAA"_L1,
    "BBBBBB"_L1,
    "BABBBA"_L1,
    "ABBBAB"_L1,
    "BABAAA"_L1,
    "AAABAB"_L1,
    "BBBBAB"_L1,
    "BABBBB"_L1,
    "AABAAA"_L1,
    "AAABAA"_L1,
    "BBBAAA"_L1,
    "AAABBB"_L1,
    "AAAABA"_L1,
    "ABAAAA"_L1,
    "BBBABB"_L1,
    "BBABBB"_L1,
    "BAABBA"_L1,
    "ABBAAB"_L1,
    "BBBBAA"_L1,
    "AABBBB"_L1,
    "ABABBA"_L1,
    "ABBABA"_L1,
    "ABBBBB"_L1,
    "BBBBBA"_L1,
    "AAABBA"_L1,
    "ABBAAA"_L1,
    "ABBBBA"_L1,
    "BAAAAB"_L1,
    "BABBAB"_L1,
    "ABAABA"_L1,
    "BAAABB"_L1,
    "BBAAAB"_L1,
    "AAAABB"_L1,
    "BBAAAA"_L1,
    "ABABBB"_L1,
    "BBBABA"_L1,
    "AABABA"_L1,
    "ABABAA"_L1,
    "BABABB"_L1,
    "BBABAB"_L1,
    "ABBBAA"_L1,
    "AABBBA"_L1,
    "BAAAAA"_L1,
    "AAAAAB"_L1,
    "BAABBB"_L1,
    "BBBAAB"_L1,
    "BAABAB"_L1,
    "BABAAB"_L1,
    "BAAABA"_L1,
    "ABAAAB"_L1,
    "BBABBA"_L1,
    "ABBABB"_L1,
    "AABABB"_L1,
    "BBABAA"_L1,
    "BBAABA"_L1,
    "ABAABB"_L1,
    "AABAAB"_L1,
    "BAABAA"_L1,
    "AABBAB"_L1,
    "BABBAA"_L1,
    "AABBAA"_L1,
    "BBAABB"_L1,
    "BABABA"_L1,
    "ABABAB"_L1,
};

const std::array<QLatin1String, 8> TrigramPatterns = {
    "AAA"_L1,
    "BBB"_L1,
    "BBA"_L1,
    "AAB"_L1,
    "BAB"_L1,
    "ABA"_L1,
    "ABB"_L1,
    "BAA"_L1,
};

const std::array<QLatin1String, 8> DiceTrigrams = {
    "AAA"_L1,
    "AAB"_L1,
    "ABA"_L1,
    "ABB"_L1,
    "BAA"_L1,
    "BAB"_L1,
    "BBA"_L1,
    "BBB"_L1,
};

const std::array<int, 64> HexagramByTrigrams = {
    1,
    34,
    5,
    26,
    11,
    9,
    14,
    43,
    25,
    51,
    3,
    27,
    24,
    42,
    21,
    17,
    6,
    40,
    29,
    4,
    7,
    59,
    64,
    47,
    33,
    62,
    39,
    52,
    15,
    53,
    56,
    31,
    12,
    16,
    8,
    23,
    2,
    20,
    35,
    45,
    44,
    32,
    48,
    18,
    46,
    57,
    50,
    28,
    13,
    55,
    63,
    22,
    36,
    37,
    30,
    49,
    10,
    54,
    60,
    41,
    19,
    61,
    38,
    58,
};

template <std::size_t N> static int positionIn(const std::array<QLatin1String, N> &table, QStringView pattern)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (pattern == table[i])
            return int(i) + 1;
    }
    return 0;
}

int lookupHexagram(QStringView pattern)
{
    return positionIn(HexPatterns, pattern);
}

int lookupTrigram(QStringView pattern)
{
    return positionIn(TrigramPatterns, pattern);
}

std::array<LineValue, 6> deriveNuclear(const std::array<LineValue, 6> &lines)
{
    return { lines[1], lines[2], lines[3], lines[2], lines[3], lines[4] };
}

static QString topFirst(const std::array<QString, 6> &letters, int from, int to)
{
    QString pattern;
    for (int i = from; i >= to; --i)
        pattern += letters[std::size_t(i)];
    return pattern;
}

void ConsultationState::derivePatterns()
{
    hasMovingLines = false;
    for (std::size_t i = 0; i < 6; ++i) {
        const LineValue v = lines[i];
        // A value outside 6..9 can only come from unfiltered digits: classified by parity, never moving.
        if (isYang(v)) {
            primaryLetters[i] = changedLetters[i] = u"A"_s;
            changedLines[i] = 7;
            if (v == 9) {
                changedLines[i] = 8;
                changedLetters[i] = u"B"_s;
                hasMovingLines = true;
            }
        } else {
            primaryLetters[i] = changedLetters[i] = u"B"_s;
            changedLines[i] = 8;
            if (v == 6) {
                changedLines[i] = 7;
                changedLetters[i] = u"A"_s;
                hasMovingLines = true;
            }
        }
    }
    primaryPattern = topFirst(primaryLetters, 5, 0);
    changedPattern = topFirst(changedLetters, 5, 0);
    primaryUpperPattern = topFirst(primaryLetters, 5, 3);
    primaryLowerPattern = topFirst(primaryLetters, 2, 0);
    changedUpperPattern = topFirst(changedLetters, 5, 3);
    changedLowerPattern = topFirst(changedLetters, 2, 0);
    primaryNumber = lookupHexagram(primaryPattern);
    changedNumber = lookupHexagram(changedPattern);
    primaryUpperTrigram = lookupTrigram(QStringView(primaryPattern).first(3));
    changedUpperTrigram = lookupTrigram(QStringView(changedPattern).first(3));
}

void ConsultationState::rederiveChanged()
{
    for (std::size_t i = 0; i < 6; ++i)
        changedLetters[i] = changedLines[i] == 7 ? u"A"_s : u"B"_s;
    changedPattern = topFirst(changedLetters, 5, 0);
    changedNumber = lookupHexagram(changedPattern);
    changedUpperTrigram = lookupTrigram(QStringView(changedPattern).first(3));
}

bool ConsultationState::deriveIntermediate()
{
    bool anyMoving = false;
    std::array<int, 6> intermediate {};
    for (std::size_t i = 0; i < 6; ++i) {
        const QChar digit = i < std::size_t(lineDigits.size()) ? lineDigits.at(qsizetype(i)) : QChar();
        const bool moving = digit == u'6' || digit == u'9';
        intermediate[i] = moving ? 7 : 8;
        anyMoving = anyMoving || moving;
    }
    isOwnThrow = true;
    if (!anyMoving)
        return false;
    changedLines = intermediate;
    rederiveChanged();
    return true;
}

void ConsultationState::writeLineDigits()
{
    lineDigits.clear();
    for (LineValue v : lines)
        lineDigits += QString::number(v);
}
