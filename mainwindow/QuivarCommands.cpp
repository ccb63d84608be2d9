// The main window's own buttons and keys.
#include "Quivar.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
void call(const std::function<void()> &hook)
{
    if (hook)
        hook();
}
} // namespace

// Buttons and check boxes pass these keys on unhandled, so whichever control has the focus,
// they reach the window; a focused push button still takes Enter for itself.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    FormKeyDown(key);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && knpVraag->isEnabled())
        knpVraag->click();
}

void TForm1::FormCreate(JournalState &journal) { journal = JournalState(); }

void TForm1::FormKeyDown(int key)
{
    // Shift, Ctrl and Alt are not looked at: any H recasts.
    if (key == Qt::Key_H)
        recast();
    if (key == Qt::Key_PageDown)
        GoHistoryClick();
    if (key == Qt::Key_PageUp)
        BackHistoryClick();
    if (key == Qt::Key_Escape)
        close();
}

// The same question again, cast anew with the current automatic method.
void TForm1::recast()
{
    if (!m_consultation)
        return;
    m_state.storedInJournal = false;
    m_state.isFromJournal = false;
    m_state.isOwnThrow = false;
    m_state.lineDigits.clear();
    resetViewButtons();
    m_consultation->stampCastDate();
    m_consultation->runConsultation();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

void TForm1::knpVraagClick() { call(onQuestion); }
void TForm1::knpInfoClick() { call(onAbout); }
void TForm1::knpBewaarClick() { call(onSave); }
void TForm1::knpOpenClick() { call(onOpenJournal); }
void TForm1::BackHistoryClick() { call(onHistoryBack); }
void TForm1::GoHistoryClick() { call(onHistoryForward); }
void TForm1::knpStopClick() { close(); }
void TForm1::knpHelpClick() { openHelpFile(); }

// Opened by its bare name, so it is found in the current directory; a missing file is the
// desktop's business, not ours.
void TForm1::openHelpFile() { m_shell.open(u"QUIVARHELP.chm"_s); }
