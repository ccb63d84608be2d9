#pragma once

#include <QString>

// An entry of the journal as a screen reader says it, a sentence instead of the raw line:
// "Vraag 3 van 7, 9 december 2026 om 20:11: Wat brengt de zomer? Hexagram 61, verandert in 19".
// A date that does not read as one is left out; an entry without a cast is spoken as it stands.
QString spokenJournalEntry(QStringView entry, int number, int count);
