// The main window's own buttons and keys.
#include "Quivar.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

// Buttons and check boxes pass these keys on unhandled, so whichever control has the focus,
// they reach the window; a focused push button still takes Enter for itself.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    FormKeyDown(key);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && knpVraag->isEnabled())
        knpVraag->click();
}

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

void TForm1::recast()
{
    m_session.recast();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

void TForm1::knpVraagClick()
{
    Q_EMIT questionRequested();
}
void TForm1::knpInfoClick()
{
    Q_EMIT aboutRequested();
}
void TForm1::knpBewaarClick()
{
    Q_EMIT saveRequested();
}
void TForm1::knpOpenClick()
{
    Q_EMIT journalRequested();
}
void TForm1::BackHistoryClick()
{
    Q_EMIT historyBackRequested();
}
void TForm1::GoHistoryClick()
{
    Q_EMIT historyForwardRequested();
}
void TForm1::knpStopClick()
{
    close();
}
void TForm1::knpHelpClick()
{
    openHelpFile();
}

// Opened by its bare name, so it is found in the current directory; a missing file is the
// desktop's business, not ours.
void TForm1::openHelpFile()
{
    m_shell.open(u"QUIVARHELP.chm"_s);
}
