#include "consultation.h"

#include "casting.h"

using namespace Qt::StringLiterals;

static bool allDigitsIn(const QString &text, QChar low, QChar high)
{
    for (QChar c : text) {
        if (c < low || c > high)
            return false;
    }
    return true;
}

static std::optional<QString> diceError(const QString &dice)
{
    // The second and the last digit choose; a single digit leaves the upper trigram unread.
    if (dice.size() < 2 || !allDigitsIn(dice, u'1', u'8'))
        return CastMessages::DiceInvalid;
    if (dice.back() > u'6')
        return CastMessages::DiceNoSuchLine;
    return std::nullopt;
}

std::optional<QString> castInputError(const QString &ownThrowInput, const QString &diceInput)
{
    if (!diceInput.isEmpty())
        return diceError(diceInput);
    // None or one to five digits are never refused: a cast by the chosen or the yarrow method.
    // Pasted text that holds anything else is no incomplete cast and is refused like six.
    if (ownThrowInput.size() <= 6 && allDigitsIn(ownThrowInput, u'6', u'9'))
        return std::nullopt;
    return CastMessages::OwnThrowInvalid;
}

void Consultation::stampCastDate()
{
    m_state.castDate = castDateNow(m_clock);
}

void Consultation::runConsultation(bool forceYarrow)
{
    ConsultationState &s = m_state;
    const auto cast = [&](const QString &caption, void (*castLines)(ConsultationState &, RandomSource &)) {
        m_view.setMethodCaption(caption);
        castLines(s, m_random);
    };
    if (s.lineDigits.isEmpty()) {
        switch (forceYarrow ? CastMethod::Yarrow : s.method) {
        case CastMethod::Coins:
            cast(MethodCaptions::Coins, castCoins);
            break;
        case CastMethod::RiceGrains:
            cast(MethodCaptions::RiceGrains, castRiceGrains);
            break;
        case CastMethod::Trigrams:
            cast(MethodCaptions::Trigrams, castTrigrams);
            break;
        case CastMethod::SixLines:
            cast(MethodCaptions::SixLines, castSixLines);
            break;
        case CastMethod::ComputerPicks:
            // The pick draws from the generator as it stands, before the method reseeds it.
            switch (m_random.uniform(5)) {
            case 0:
                cast(MethodCaptions::PickedYarrow, castYarrow);
                break;
            case 1:
                cast(MethodCaptions::PickedCoins, castCoins);
                break;
            case 2:
                cast(MethodCaptions::PickedRiceGrains, castRiceGrains);
                break;
            case 3:
                cast(MethodCaptions::Trigrams, castTrigrams);
                break;
            default:
                cast(MethodCaptions::SixLines, castSixLines);
                break;
            }
            break;
        case CastMethod::Yarrow:
            cast(MethodCaptions::Yarrow, castYarrow);
            break;
        }
    }
    if (s.isOwnThrow) {
        m_view.setMethodCaption(MethodCaptions::OwnThrow);
        s.derivePatterns();
    }
    if (s.isFromJournal) {
        m_view.setMethodCaption(MethodCaptions::FromJournal);
        s.derivePatterns();
    }
    m_view.showConsultation();
}

void Consultation::readOwnThrow()
{
    ConsultationState &s = m_state;
    const QString &digits = s.ownThrowInput;
    // Refused before anything changes, so the screen and the state keep agreeing.
    if (const auto problem = castInputError(digits, QString())) {
        m_prompts.error(*problem);
        return;
    }
    if (!s.isFromJournal)
        stampCastDate();
    bool forceYarrow = false;
    if (digits.size() == 6) {
        s.lineDigits = digits;
        for (std::size_t i = 0; i < 6; ++i)
            s.lines[i] = digits.at(qsizetype(i)).digitValue();
        s.isOwnThrow = true;
    } else if (!digits.isEmpty()) {
        m_prompts.message(CastMessages::Incomplete);
        s.lineDigits.clear();
        forceYarrow = true;
    } else {
        s.lineDigits.clear();
    }
    runConsultation(forceYarrow);
}

void Consultation::readDice()
{
    ConsultationState &s = m_state;
    const QString &dice = s.diceInput;
    if (const auto problem = diceError(dice)) {
        m_prompts.error(*problem);
        return;
    }
    s.lineDigits.clear();
    if (!s.isFromJournal)
        stampCastDate();
    const int lower = dice.at(0).digitValue();
    const int upper = dice.at(1).digitValue();
    const int line = dice.back().digitValue();
    const QString letters = DiceTrigrams[std::size_t(lower - 1)] + DiceTrigrams[std::size_t(upper - 1)];
    for (std::size_t k = 0; k < 6; ++k)
        s.lines[k] = letters.at(qsizetype(k)) == u'A' ? 7 : 8;
    LineValue &moving = s.lines[std::size_t(line - 1)];
    moving = moving == 7 ? 9 : 6;
    s.writeLineDigits();
    s.isOwnThrow = true;
    runConsultation();
}
