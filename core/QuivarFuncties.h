#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

// The hexagram model: line values, the A/B letter codes, the fixed tables and the one
// program-wide record of the consultation on screen with the rules that derive it.

// One line of a cast: 6 old yin (moving), 7 young yang, 8 young yin, 9 old yang (moving).
using LineValue = int;

// Six letters "A" (yang) / "B" (yin), top line first.
using HexPattern = QString;
// Three letters of the same kind, top line first.
using TrigramPattern = QString;

inline constexpr bool isYang(LineValue v)
{
    return v % 2 != 0;
}
inline constexpr bool isMoving(LineValue v)
{
    return v == 6 || v == 9;
}

// The 64 patterns in hexagram-number order (King Wen); number = position + 1.
extern const std::array<QLatin1String, 64> HexPatterns;
// Heaven, Earth, Thunder, Wind, Water, Fire, Mountain, Lake; number = position + 1.
extern const std::array<QLatin1String, 8> TrigramPatterns;
// Earlier Heaven numbering, read bottom line first: entry k - 1 is trigram number k of a die.
extern const std::array<QLatin1String, 8> DiceTrigrams;
// Hexagram numbers by lower (row) and upper (column) trigram, both in the order
// Heaven, Thunder, Water, Mountain, Earth, Wind, Fire, Lake; entry 8 * row + column.
extern const std::array<int, 64> HexagramByTrigrams;

// 1-based position of the pattern in HexPatterns; 0 when it is not a well-formed pattern.
int lookupHexagram(QStringView pattern);
// 1-based position of the pattern in TrigramPatterns; 0 when it is not a well-formed pattern.
int lookupTrigram(QStringView pattern);

// The nuclear lines: the cast's lines 2, 3, 4, 3, 4, 5 as lines 1..6, values kept whole.
std::array<LineValue, 6> deriveNuclear(const std::array<LineValue, 6> &lines);

// The automatic casting methods, in the order the question dialog lists them.
enum class CastMethod { Yarrow, Coins, RiceGrains, Trigrams, SixLines, ComputerPicks };

struct ConsultationState
{
    QString question;
    QString ownThrowInput;
    QString diceInput;
    CastMethod method = CastMethod::Yarrow; // the method last chosen in the dialog
    bool isOwnThrow = false;
    bool isFromJournal = false;
    QString castDate;
    std::array<LineValue, 6> lines {}; // index 0 = line 1 (bottom)
    QString lineDigits; // line 1 first; empty: no cast yet

    std::array<QString, 6> primaryLetters;
    std::array<QString, 6> changedLetters;
    std::array<int, 6> changedLines {};
    HexPattern primaryPattern;
    HexPattern changedPattern;
    int primaryNumber = 0;
    int changedNumber = 0;
    int primaryUpperTrigram = 0;
    int changedUpperTrigram = 0;
    bool hasMovingLines = false;
    TrigramPattern primaryUpperPattern;
    TrigramPattern primaryLowerPattern;
    TrigramPattern changedUpperPattern;
    TrigramPattern changedLowerPattern;

    QString savedMethodCaption;
    bool secondaryViewActive = false;
    bool storedInJournal = false;

    // Fills every derived field from `lines`.
    void derivePatterns();
    // Fills the changed-hexagram fields from `changedLines` only; the trigram patterns stay.
    void rederiveChanged();
    // Puts the intermediate hexagram (yang where the cast moves) into the changed fields;
    // returns whether any line moves. Always sets isOwnThrow.
    bool deriveIntermediate();
    // `lineDigits` written from `lines`, line 1 first.
    void writeLineDigits();
};
