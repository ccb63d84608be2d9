#pragma once

#include "QuivarFuncties.h"
#include "services.h"

#include <QString>

#include <optional>

// What the consultation procedure needs of the window that shows it.
class ConsultationView
{
public:
    virtual ~ConsultationView() = default;
    virtual void setMethodCaption(const QString &caption) = 0;
    // Fills the window from the state; never changes the state.
    virtual void showConsultation() = 0;
};

namespace MethodCaptions {
inline const QString Yarrow = QStringLiteral("De Computer Simuleerde het Duizendblad-Orakel");
inline const QString Coins = QStringLiteral("De Computer Simuleerde de Muntenworp");
inline const QString RiceGrains = QStringLiteral("De Computer Simuleerde de Rijstkorrels methode");
inline const QString Trigrams = QStringLiteral("De Computer Simuleerde de Trigrammen methode");
inline const QString SixLines = QStringLiteral("De Computer Simuleerde de 6 Lijnen methode");
inline const QString PickedYarrow = QStringLiteral("De Computer heeft het Duizendblad-Orakel gekozen");
inline const QString PickedCoins = QStringLiteral("De Computer heeft de Muntenworp gekozen");
inline const QString PickedRiceGrains = QStringLiteral("De Computer heeft de Rijstkorrels methode gekozen");
inline const QString OwnThrow = QStringLiteral("Uw Worp geeft het Volgende Resultaat te Zien");
inline const QString FromJournal = QStringLiteral("Dit is een Vraag uit de Geschiedenislijst.");
} // namespace MethodCaptions

namespace CastMessages {
inline const QString Incomplete
    = QStringLiteral("----- Getallen zijn niet kompleet -----\n\nNu volgt Het Duizendblad-Orakel.");
inline const QString OwnThrowInvalid
    = QStringLiteral("De eigen worp is niet bruikbaar.\n\n"
                     "Typ zes cijfers van 6 tot en met 9, te beginnen met de onderste lijn.");
inline const QString DiceInvalid
    = QStringLiteral("De dobbelsteengetallen zijn onvolledig of onleesbaar.\n\n"
                     "Typ drie cijfers: het onderste en het bovenste trigram, elk van 1 tot en met 8, en dan "
                     "de bewegende lijn, van 1 tot en met 6.");
inline const QString DiceNoSuchLine
    = QStringLiteral("Een hexagram heeft geen lijn 7 of 8.\n\n"
                     "Het laatste dobbelsteencijfer kiest de bewegende lijn en moet 1 tot en met 6 zijn.");
} // namespace CastMessages

// The message that refuses these inputs, or nothing when the consultation can go ahead.
// Dice digits take precedence over own digits, as in the consultation itself; one to five own
// digits 6 to 9 are not refused (they fall back to the yarrow oracle), other characters are.
std::optional<QString> castInputError(const QString &ownThrowInput, const QString &diceInput);

// The one road from the state to the screen: a cast or a derivation, the method caption,
// then the view.
class Consultation
{
public:
    Consultation(ConsultationState &state, RandomSource &random, const Clock &clock, Prompts &prompts,
        ConsultationView &view)
        : m_state(state)
        , m_random(random)
        , m_clock(clock)
        , m_prompts(prompts)
        , m_view(view)
    { }

    // Casts when lineDigits is empty (with the yarrow oracle when forced), derives when the
    // lines come from the user or the journal, then shows the state.
    void runConsultation(bool forceYarrow = false);
    // Own digits (or none): stamps the date, takes six digits as the cast, falls back to the
    // yarrow oracle after a message for one to five; refuses anything else unchanged.
    void readOwnThrow();
    // Three dice digits: lower trigram, upper trigram, moving line; refuses bad digits unchanged.
    void readDice();

    void stampCastDate();

    ConsultationState &state() { return m_state; }

private:
    ConsultationState &m_state;
    RandomSource &m_random;
    const Clock &m_clock;
    Prompts &m_prompts;
    ConsultationView &m_view;
};
