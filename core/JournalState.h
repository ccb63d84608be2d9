#pragma once

#include <QString>

// The journal's program-wide place: where "<<" and ">>" stand and how many entries were last
// counted. All zero, false and empty at start.
struct JournalState
{
    int journalPosition = 0; // list number (1-based) of the entry last replayed
    int journalCount = 0; // entries as last counted; follows the file only through us
    int journalPreselect = 0; // 0-based index the journal window selects again; 0 also for none
    bool journalPositioned = false; // the first "<<" of the run has counted the journal
};
