#pragma once

#include "JournalState.h"
#include "JournalStore.h"
#include "QuivarFuncties.h"
#include "Session.h"
#include "services.h"

#include <QString>

// What the journal needs of the windows around it. It never sees a widget.
class JournalHost
{
public:
    virtual ~JournalHost() = default;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void focusMainWindow() = 0;
    virtual void setBusy(bool busy) = 0;
};

namespace JournalTexts {
inline const QString Added = QStringLiteral("De vraag is toegevoegd\naan de geschiedenis - "
                                            "QuivarLijst.txt\n(Dit bestand staat in de programma map).");
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
    Journal(Session &session, JournalStore &store, Prompts &prompts, JournalHost &host)
        : m_session(session)
        , m_consultation(session.state())
        , m_state(session.journal())
        , m_store(store)
        , m_prompts(prompts)
        , m_host(host)
    { }

    enum class Saved { Yes, NothingToSave, Failed };

    // Appends the consultation on screen as the newest entry, unless there is none, its
    // question is empty, or it is already in the journal.
    Saved appendToJournal();
    // Asks for the question that was not typed; at most 64 characters of it are kept.
    void askMissingQuestion();
    // "Bewaar".
    void knpBewaarClick();
    // Takes entry n as lastLine() when the file has it and counts the file's entries.
    // A missing or unreadable file has been reported to the user when it returns.
    enum class Read { Done, NoFile, Failed };
    Read readJournalEntry(int n);
    // "<<" (Page Up) and ">>" (Page Down).
    void BackHistoryClick();
    void GoHistoryClick();
    // Shows entry text n (1-based) as a consultation; an entry without a cast is refused with
    // a message and changes nothing.
    bool replayJournalEntry(const QString &entry, int n);
    // The entry text last taken from the file.
    const QString &lastLine() const { return m_line; }

private:
    enum class Step { Shown, NoFile, NotShown };
    Step loadAndReplay(int n);
    void endStep(Step step);

    Session &m_session;
    const ConsultationState &m_consultation;
    const JournalState &m_state;
    JournalStore &m_store;
    Prompts &m_prompts;
    JournalHost &m_host;
    QString m_line;
};
