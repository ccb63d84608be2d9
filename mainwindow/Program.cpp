#include "Program.h"

#include "ScreenPlace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>

Program::Program(ProgramServices services)
    : m_random(services.random ? *services.random : m_systemRandom)
    , m_clock(services.clock ? *services.clock : m_systemClock)
    , m_prompts(services.prompts ? *services.prompts : m_systemPrompts)
    , m_shell(services.shell ? *services.shell : m_systemShell)
    , m_form(m_state, m_shell)
    , m_consultation(m_state, m_random, m_clock, m_prompts, m_form)
    , m_journalOps(m_state, m_journalState, m_journalStore, m_prompts, *this)
    , m_journal(m_state, m_journalOps, m_journalStore, m_prompts)
{
    m_form.setConsultation(&m_consultation);
    m_form.FormCreate(m_journalState);
    // The question dialog may still be on screen; the program ends with the main window anyway.
    QObject::connect(&m_form, &TForm1::closed, &m_form, [] { QCoreApplication::quit(); });
    placeOnScreen(m_form, QPoint(592, 208));
    m_form.show();

    // The journal window stays hidden until "Open" asks for it.
    m_journal.hide();
    QObject::connect(&m_journal, &TVerleden::mainWindowEnabledWanted, &m_form,
                     [this] { setMainWindowEnabled(true); });
    QObject::connect(&m_journal, &TVerleden::mainWindowFocusWanted, &m_form, [this] { focusMainWindow(); });
    QObject::connect(&m_journal, &TVerleden::listNumberShown, &m_form,
                     [this](const QString &caption) { setListNumberCaption(caption); });
    QObject::connect(&m_journal, &TVerleden::busyChanged, &m_form, [this](bool busy) { setBusy(busy); });

    m_dialog = std::make_unique<TOKBottomDlg>(m_state, m_consultation, m_prompts, m_shell, *this);
    m_about = std::make_unique<TAboutBox>(&m_form);
    m_form.onQuestion = [this] { m_dialog->show(); };
    m_form.onAbout = [this] { m_about->show(); };
    m_form.onSave = [this] { m_journalOps.knpBewaarClick(); };
    m_form.onHistoryBack = [this] { m_journalOps.BackHistoryClick(); };
    m_form.onHistoryForward = [this] { m_journalOps.GoHistoryClick(); };
    m_form.onOpenJournal = [this] { m_journal.showJournalWindow(); };
}

Program::~Program() = default;

void Program::setMainWindowEnabled(bool enabled) { m_form.setEnabled(enabled); }

void Program::focusMainWindow()
{
    m_form.activateWindow();
    m_form.raise();
}

void Program::resetViewButtons() { m_form.resetViewButtons(); }

void Program::setListNumberCaption(const QString &caption) { m_form.lbRegelnr->setText(caption); }

void Program::closeMainWindow() { m_form.close(); }

bool Program::confirmQuestion(const QString &question, const QString &ownThrow, const QString &dice)
{
    return m_dialog->confirmQuestion(question, ownThrow, dice);
}

void Program::showDateText(const QString &dateText) { m_form.lbl_Datumx->setText(dateText); }

void Program::showQuestion(const QString &question) { m_form.lbl_Vraag->setText(question); }

void Program::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
