#pragma once

#include "DialogHost.h"
#include "History.h"
#include "Quivar.h"
#include "QtServices.h"
#include "casting.h"
#include "consultation.h"

// The program: the one consultation state, the platform services and the four windows, made
// in start-up order and living until the main window closes, which ends the program.
class Program final : public DialogHost
{
public:
    Program();
    ~Program() override;

    ConsultationState &state() { return m_state; }
    Consultation &consultation() { return m_consultation; }
    TForm1 &mainWindow() { return m_form; }
    TVerleden &journalWindow() { return m_journal; }

    // DialogHost
    void setMainWindowEnabled(bool enabled) override;
    void focusMainWindow() override;
    void resetViewButtons() override;
    void setListNumberCaption(const QString &caption) override;
    void closeMainWindow() override;

private:
    ConsultationState m_state;
    ClockRandomSource m_random;
    SystemClock m_clock;
    QtPrompts m_prompts;
    QtShell m_shell;

    // The windows, in the order they are made.
    TForm1 m_form;
    Consultation m_consultation;
    TVerleden m_journal;
    // The question dialog (TOKBottomDlg, given this program as its DialogHost) comes here: it
    // shows itself over the main window as it is made. Then the About window (TAboutBox),
    // hidden.
};
