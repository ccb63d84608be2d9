#pragma once

#include "JournalState.h"
#include "QuivarFuncties.h"
#include "consultation.h"
#include "services.h"

#include <QObject>
#include <QString>

#include <optional>

// What the list-number label says: its design caption before anything was asked or stepped to,
// "Nieuw" for a consultation made since, or the place of a journal entry ("3 v 12").
struct ListNumber
{
    enum class Kind { Design, New, Entry };
    Kind kind = Kind::Design;
    int position = 0;
    int count = 0;

    QString text() const;
    bool operator==(const ListNumber &) const = default;
};

// The views of the consultation on screen: the cast, its intermediate hexagram in the second
// panel, or the whole window for its nuclear hexagram.
enum class ConsultationViewKind { Normal, Intermediate, Nuclear };

// The one owner of the consultation on screen and of the journal's place in it. Windows read it
// and call its intents; it tells them what changed and they draw. The texts the main window
// shows beside the state (the method caption, the date text, the list number) are kept here as
// values, so no label is ever read back.
class Session final : public QObject, private ConsultationView
{
    Q_OBJECT
public:
    Session(RandomSource &random, const Clock &clock, Prompts &prompts, QObject *parent = nullptr);

    const ConsultationState &state() const { return m_state; }
    const JournalState &journal() const { return m_journal; }

    const QString &methodCaption() const { return m_methodCaption; }
    const QString &dateText() const { return m_dateText; }
    const ListNumber &listNumber() const { return m_listNumber; }
    ConsultationViewKind view() const { return m_view; }
    // Whether there is a cast to derive a view from.
    bool hasCast() const { return !m_state.lineDigits.isEmpty(); }

    // The question dialog.
    void chooseMethod(CastMethod method);
    // The dialog is shown for a new question: an entry from the journal counts as stored.
    void beginQuestion();
    // The one road from a question to a consultation, also taken by a journal replay. Inputs
    // the consultation would refuse are reported and change nothing; false then.
    bool confirmQuestion(const QString &question, const QString &ownThrow, const QString &dice);

    // The main window.
    void recast();
    // The view buttons: leave a derived view, or open the one asked for.
    void toggleIntermediateView();
    void toggleNuclearView();
    void leaveDerivedView();

    // The journal.
    void supplyQuestion(const QString &question);
    // The consultation became the newest of the journal's entries.
    void savedToJournal();
    void markStored(bool stored = true);
    void resetView();
    // The journal holds this many entries, as just counted.
    void journalCounted(int count);
    // "<<": one entry further back, the first step of a run starting past the file's newest of
    // `entries`. Gives the position to show.
    int stepBack(int entries);
    // ">>": one entry further on; false at the newest counted.
    bool stepForward();
    // Entry n of the journal as a personal cast of its digits, with its own date; the journal
    // window selects it again when it opens.
    bool replayEntry(int n, const QString &question, const QString &lineDigits, const QString &dateText);
    bool replay(const QString &question, const QString &lineDigits);
    void showEntryDate(const QString &dateText);
    void showListPosition(int position, int count);
    // The journal window's changes of the list. A cleared or restored list stands at its end.
    void journalCleared();
    void journalRestored(int count);
    // After the question to delete, whether or not anything went: the consultation on screen
    // may have gone with it. `remaining` is the count when entries went.
    void deletionEnded(std::optional<int> remaining);

Q_SIGNALS:
    // The whole consultation is to be drawn again from the state.
    void consultationShown();
    // The intermediate hexagram is in the changed-hexagram fields: the second panel only.
    void intermediateShown();
    void methodCaptionChanged(const QString &caption);
    void dateTextChanged(const QString &dateText);
    void questionTextChanged(const QString &question);
    void listNumberChanged(const ListNumber &listNumber);
    void viewChanged(ConsultationViewKind view);
    // A question went ahead: the dialog goes, the main window is used again.
    void questionConfirmed();

private:
    // Tests set up a state the intents would take long to reach.
    friend struct SessionProbe;

    // ConsultationView: what the procedure says reaches the windows as signals.
    void setMethodCaption(const QString &caption) override;
    void showConsultation() override;

    void setView(ConsultationViewKind view);
    void setDateText(const QString &dateText);
    void setListNumber(const ListNumber &listNumber);
    // A view button: back to the cast from a derived view, or into the view `openView` opens.
    void toggleView(void (Session::*openView)());
    void openIntermediateView();
    void openNuclearView();

    Prompts &m_prompts;
    ConsultationState m_state;
    JournalState m_journal;
    Consultation m_consultation;
    QString m_methodCaption;
    QString m_dateText;
    ListNumber m_listNumber;
    ConsultationViewKind m_view = ConsultationViewKind::Normal;
};
