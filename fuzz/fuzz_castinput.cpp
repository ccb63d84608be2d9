// Feeds arbitrary text as own digits and dice digits to the consultation and checks that a
// refused input changes nothing and an accepted one always yields a well-formed cast.
#include "ScriptedServices.h"
#include "consultation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool dice = data[0] & 1;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    ConsultationState state;
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts;
    RecordingView view;
    Consultation consultation(state, random, clock, prompts, view);
    state.ownThrowInput = QStringLiteral("977776");
    consultation.readOwnThrow();
    const ConsultationState before = state;

    (dice ? state.diceInput : state.ownThrowInput) = text;
    dice ? consultation.readDice() : consultation.readOwnThrow();

    if (!prompts.errors.isEmpty()) {
        if (state.lineDigits != before.lineDigits || state.castDate != before.castDate || view.shown != 1)
            std::abort();
        return 0;
    }
    if (state.lineDigits.size() != 6 || state.primaryNumber < 1 || state.primaryNumber > 64
        || state.changedNumber < 1 || state.changedNumber > 64)
        std::abort();
    for (QChar c : state.lineDigits) {
        if (c < u'6' || c > u'9')
            std::abort();
    }
    return 0;
}
