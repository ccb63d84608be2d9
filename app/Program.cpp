#include "Program.h"

#include "ScreenPlace.h"

#include <QApplication>
#include <QCoreApplication>

Program::Program(ProgramServices services)
    : m_random(services.random ? *services.random : m_systemRandom)
    , m_clock(services.clock ? *services.clock : m_systemClock)
    , m_prompts(services.prompts ? *services.prompts : m_systemPrompts)
    , m_shell(services.shell ? *services.shell : m_systemShell)
    , m_session(m_random, m_clock, m_prompts)
    , m_journalOps(m_session, m_journalStore, m_prompts, *this)
    , m_form(m_session, m_shell)
{
    m_form.setPrompts(&m_prompts);
    // The question dialog may still be on screen; the program ends with the main window anyway.
    QObject::connect(&m_form, &TForm1::closed, &m_form, [] { QCoreApplication::quit(); });
    placeOnScreen(m_form, QPoint(592, 208));
    m_form.show();

    // The user meets the program in the question dialog, over the main window.
    m_dialog = std::make_unique<TOKBottomDlg>(m_session, m_prompts, m_shell);
    connectWindows();
    m_dialog->show();
    // The dialog is mapped by now; nothing is painted before the event loop runs, so the labels
    // sized to their text take their sizes before anyone sees them.
    m_measures.finish();
}

Program::~Program() = default;

void Program::connectWindows()
{
    TOKBottomDlg *dialog = m_dialog.get();
    QObject::connect(&m_form, &TForm1::questionRequested, dialog, &QWidget::show);
    QObject::connect(&m_form, &TForm1::aboutRequested, &m_form, [this] { aboutWindow().show(); });
    QObject::connect(&m_form, &TForm1::saveRequested, &m_form, [this] { m_journalOps.knpBewaarClick(); });
    QObject::connect(
        &m_form, &TForm1::historyBackRequested, &m_form, [this] { m_journalOps.BackHistoryClick(); });
    QObject::connect(
        &m_form, &TForm1::historyForwardRequested, &m_form, [this] { m_journalOps.GoHistoryClick(); });
    QObject::connect(
        &m_form, &TForm1::journalRequested, &m_form, [this] { journalWindow().showJournalWindow(); });

    QObject::connect(dialog, &TOKBottomDlg::opened, &m_form, [this] { setMainWindowEnabled(false); });
    QObject::connect(dialog, &TOKBottomDlg::cancelled, &m_form, [this] { setMainWindowEnabled(true); });
    QObject::connect(dialog, &TOKBottomDlg::closed, &m_form, &QWidget::close);
    // After the dialog has hidden itself.
    QObject::connect(&m_session, &Session::questionConfirmed, &m_form, [this] {
        setMainWindowEnabled(true);
        focusMainWindow();
    });
}

// Nobody sees these two before they are asked for, so start-up need not build them.
TVerleden &Program::journalWindow()
{
    if (!m_journal) {
        m_journal = std::make_unique<TVerleden>(m_session, m_journalOps, m_journalStore, m_prompts);
        TVerleden *window = m_journal.get();
        QObject::connect(
            window, &TVerleden::mainWindowEnabledWanted, &m_form, [this] { setMainWindowEnabled(true); });
        QObject::connect(window, &TVerleden::mainWindowFocusWanted, &m_form, [this] { focusMainWindow(); });
        QObject::connect(window, &TVerleden::busyChanged, &m_form, [this](bool busy) { setBusy(busy); });
    }
    return *m_journal;
}

TAboutBox &Program::aboutWindow()
{
    if (!m_about)
        m_about = std::make_unique<TAboutBox>(&m_form);
    return *m_about;
}

void Program::setMainWindowEnabled(bool enabled)
{
    m_form.setEnabled(enabled);
}

void Program::focusMainWindow()
{
    m_form.activateWindow();
    m_form.raise();
}

void Program::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
