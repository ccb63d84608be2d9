#pragma once

#include "About.h"
#include "DialogHost.h"
#include "History.h"
#include "Journal.h"
#include "Quivar.h"
#include "QtServices.h"
#include "Vraag.h"
#include "casting.h"
#include "consultation.h"

#include <memory>

// Services to use instead of the production ones (tests script them); null means production.
struct ProgramServices
{
    RandomSource *random = nullptr;
    const Clock *clock = nullptr;
    Prompts *prompts = nullptr;
    Shell *shell = nullptr;
};

// The program: the one consultation state, the platform services and the four windows, made
// in start-up order and living until the main window closes, which ends the program.
class Program final : public DialogHost, public JournalHost
{
public:
    explicit Program(ProgramServices services = {});
    ~Program() override;

    ConsultationState &state() { return m_state; }
    Consultation &consultation() { return m_consultation; }
    TForm1 &mainWindow() { return m_form; }
    TVerleden &journalWindow() { return m_journal; }
    TOKBottomDlg &questionDialog() { return *m_dialog; }
    TAboutBox &aboutWindow() { return *m_about; }
    JournalState &journalState() { return m_journalState; }
    Journal &journal() { return m_journalOps; }
    JournalStore &journalStore() { return m_journalStore; }

    // DialogHost
    void setMainWindowEnabled(bool enabled) override;
    void focusMainWindow() override;
    void resetViewButtons() override;
    void setListNumberCaption(const QString &caption) override;
    void closeMainWindow() override;

    // JournalHost (with the two above that both hosts share)
    bool confirmQuestion(const QString &question, const QString &ownThrow,
                         const QString &dice) override;
    void showDateText(const QString &dateText) override;
    void showQuestion(const QString &question) override;
    void setBusy(bool busy) override;

private:
    ConsultationState m_state;
    JournalState m_journalState;
    ClockRandomSource m_systemRandom;
    SystemClock m_systemClock;
    QtPrompts m_systemPrompts;
    RandomSource &m_random;
    const Clock &m_clock;
    Prompts &m_prompts;
    // Tells through the prompts in use when the help cannot be shown.
    QtShell m_systemShell{m_prompts};
    Shell &m_shell;

    // The windows, in the order they are made.
    TForm1 m_form;
    Consultation m_consultation;
    JournalStore m_journalStore;
    Journal m_journalOps;
    TVerleden m_journal;
    // Made after the main window is on screen: it shows itself over it as it is made.
    std::unique_ptr<TOKBottomDlg> m_dialog;
    std::unique_ptr<TAboutBox> m_about;
};
