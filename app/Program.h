#pragma once

#include "About.h"
#include "FormKit.h"
#include "History.h"
#include "Journal.h"
#include "QtServices.h"
#include "Quivar.h"
#include "Session.h"
#include "Vraag.h"
#include "casting.h"

#include <memory>

// Services to use instead of the production ones (tests script them); null means production.
struct ProgramServices
{
    RandomSource *random = nullptr;
    const Clock *clock = nullptr;
    Prompts *prompts = nullptr;
    Shell *shell = nullptr;
};

// The program: the session, the platform services and the windows, connected. The main window
// and the question dialog are made at start-up, in that order, and shown; the journal window
// and the About window are made when first asked for. All live until the main window closes,
// which ends the program.
class Program final : public JournalHost
{
public:
    explicit Program(ProgramServices services = {});
    ~Program() override;

    Session &session() { return m_session; }
    const ConsultationState &state() const { return m_session.state(); }
    TForm1 &mainWindow() { return m_form; }
    TOKBottomDlg &questionDialog() { return *m_dialog; }
    TVerleden &journalWindow();
    TAboutBox &aboutWindow();
    const JournalState &journalState() const { return m_session.journal(); }
    Journal &journal() { return m_journalOps; }
    JournalStore &journalStore() { return m_journalStore; }

    // JournalHost
    void setMainWindowEnabled(bool enabled) override;
    void focusMainWindow() override;
    void setBusy(bool busy) override;

private:
    void connectWindows();

    ClockRandomSource m_systemRandom;
    SystemClock m_systemClock;
    QtPrompts m_systemPrompts;
    RandomSource &m_random;
    const Clock &m_clock;
    Prompts &m_prompts;
    // Tells through the prompts in use when the help cannot be shown.
    QtShell m_systemShell { m_prompts };
    Shell &m_shell;

    Session m_session;
    JournalStore m_journalStore;
    Journal m_journalOps;
    // Text is first measured once both windows are on screen: see the constructor.
    TextMeasureDeferral m_measures;
    // The windows, in the order they are made.
    TForm1 m_form;
    std::unique_ptr<TOKBottomDlg> m_dialog;
    std::unique_ptr<TVerleden> m_journal;
    std::unique_ptr<TAboutBox> m_about;
};
