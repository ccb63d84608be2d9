#pragma once

#include "JournalStore.h"
#include "QuivarFuncties.h"
#include "services.h"

#include <QString>

// The journal's program-wide place: where "<<" and ">>" stand and how many entries were last
// counted. All zero, false and empty at start.
struct JournalState
{
    int journalPosition = 0;   // list number (1-based) of the entry last replayed
    int journalCount = 0;      // entries as last counted; follows the file only through us
    int journalPreselect = 0;  // 0-based index the journal window selects again; 0 also for none
    bool journalPositioned = false; // the first "<<" of the run has counted the journal
    QString journalLine;       // the entry text last taken from the file
};

// What the journal needs of the windows around it. It never sees a widget.
class JournalHost
{
public:
    virtual ~JournalHost() = default;
    // The question dialog's confirm steps, also when the dialog is hidden; false when refused.
    virtual bool confirmQuestion(const QString &question, const QString &ownThrow,
                                 const QString &dice) = 0;
    // The main window's list-number label (lbRegelnr).
    virtual void setListNumberCaption(const QString &caption) = 0;
    virtual void showDateText(const QString &dateText) = 0; // lbl_Datumx
    virtual void showQuestion(const QString &question) = 0; // lbl_Vraag
    // The normal view's captions again ("R", "S") with no derived view active.
    virtual void resetViewButtons() = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void focusMainWindow() = 0;
    virtual void setBusy(bool busy) = 0;
};

namespace JournalTexts {
inline const QString Added = QStringLiteral(
    "De vraag is toegevoegd\naan de geschiedenis - QuivarLijst.txt\n(Dit bestand staat in de programma map).");
inline const QString AlreadyStored = QStringLiteral("<<< DE VRAAG IS AL BEWAARD >>>");
inline const QString MissingQuestionCaption = QStringLiteral("Bewaar vraag?");
inline const QString MissingQuestionPrompt = QStringLiteral("Er is geen vraag - Vul alsnog je vraag in...");
inline const QString NoFile = QStringLiteral("Het Gezochtte Bestand Bestaat niet!");
inline const QString SaveFirstCaption = QStringLiteral("LET OP!");
inline const QString SaveFirst = QStringLiteral("Wil je deze vraag nog bewaren?");
} // namespace JournalTexts

// The journal's operations on the consultation on screen: save it, step through the file, and
// put an entry back on screen. Every change of the file rewrites it whole.
class Journal
{
public:
    Journal(ConsultationState &consultation, JournalState &state, JournalStore &store,
            Prompts &prompts, JournalHost &host)
        : m_consultation(consultation), m_state(state), m_store(store), m_prompts(prompts),
          m_host(host)
    {}

    enum class Saved { Yes, NothingToSave, Failed };

    // Appends the consultation on screen as the newest entry, unless there is none, its
    // question is empty, or it is already in the journal.
    Saved appendToJournal();
    // Asks for the question that was not typed; at most 64 characters of it are kept.
    void askMissingQuestion();
    // "Bewaar".
    void knpBewaarClick();
    // Sets journalLine to entry n when the file has it and journalCount to the file's entries.
    // A missing or unreadable file has been reported to the user when it returns.
    enum class Read { Done, NoFile, Failed };
    Read readJournalEntry(int n);
    // "<<" (Page Up) and ">>" (Page Down).
    void BackHistoryClick();
    void GoHistoryClick();
    // Shows entry text n (1-based) as a consultation; an entry without a cast is refused with
    // a message and changes nothing.
    bool replayJournalEntry(const QString &entry, int n);
    // "3 v 12": the position against the count.
    QString listNumberText() const;

    JournalState &state() { return m_state; }

private:
    enum class Step { Shown, NoFile, NotShown };
    Step loadAndReplay(int n);
    void endStep(Step step);

    ConsultationState &m_consultation;
    JournalState &m_state;
    JournalStore &m_store;
    Prompts &m_prompts;
    JournalHost &m_host;
};
