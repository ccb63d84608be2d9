#include "Vraag.h"

#include "Accessible.h"
#include "FormKit.h"
#include "ScreenPlace.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

static void initDialogPictures()
{
    Q_INIT_RESOURCE(dialogpictures);
}

namespace {

const QString HelpFile = u"QUIVARHELP.chm"_s;

// The editing shortcuts of a field. They pass the filters; whatever they paste is checked on OK.
bool isEditingShortcut(const QKeyEvent &event)
{
    for (const auto shortcut : { QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
             QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo }) {
        if (event.matches(shortcut))
            return true;
    }
    return false;
}

// Whether a key filter drops this key event: a typed character outside low..high. Keys that
// type nothing pass, and so do Backspace, the editing shortcuts and the keys that act rather
// than type (Enter for the default button, Esc for the cancel button, Delete, Tab to move on).
bool discardsTypedCharacter(const QKeyEvent &event, QChar low, QChar high)
{
    const QString text = event.text();
    if (text.isEmpty() || isEditingShortcut(event))
        return false;
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    for (QChar c : text) {
        if (c < low || c > high)
            return true;
    }
    return false;
}

} // namespace

TOKBottomDlg::TOKBottomDlg(Session &session, Prompts &prompts, Shell &shell)
    : QDialog(nullptr)
    , m_session(session)
    , m_prompts(prompts)
    , m_shell(shell)
{
    markProgramWindow(this);
    initDialogPictures();
    setObjectName(u"OKBottomDlg"_s);
    setWindowTitle(u"Een Vraag Stellen aan de I Tjing"_s);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    // It lies exactly over the main window, placed the same way.
    setFixedSize(689, 448);
    placeOnScreen(*this, QPoint(592, 208));

    QFont base(u"Microsoft Sans Serif"_s);
    base.setPixelSize(11);
    setFont(base);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Palette::clSilver);
    colours.setColor(QPalette::WindowText, Palette::clNavy);
    colours.setColor(QPalette::Text, Palette::clNavy);
    setPalette(colours);

    buildBackground();
    buildLookupPane();
    buildQuestionArea();
    buildTabOrder();

    // Key preview and the field handlers: the dialog sees the events of all its controls first.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    // A question that went ahead, from OK or from the journal, takes the dialog away.
    connect(&m_session, &Session::questionConfirmed, this, [this] {
        if (isVisible())
            hide();
    });
}

void TOKBottomDlg::FormShow()
{
    Q_EMIT opened();
    Vragen->setFocus();
    // Over the main window, which confirmQuestion raised; without a window manager nothing
    // else would lift the dialog when it is shown again.
    raise();
    activateWindow();
    m_session.beginQuestion();
    clearMethodSelection();
    // Laying out the fields' texts may wait, at start-up, until the dialog is on screen.
    measureText(this, [this] {
        Worp->clear();
        Dobbel->clear();
        Vragen->clear();
        Hexanr->setText(u"0"_s);
    });
}

void TOKBottomDlg::VragenClick()
{
    Hexanr->setText(u"0"_s);
}

void TOKBottomDlg::WorpEnter()
{
    Hexanr->setText(u"0"_s);
    Dobbel->clear();
    clearMethodSelection();
}

void TOKBottomDlg::DobbelEnter()
{
    Hexanr->setText(u"0"_s);
    Worp->clear();
    clearMethodSelection();
}

void TOKBottomDlg::Wis1Click()
{
    Worp->clear();
    Dobbel->clear();
}

void TOKBottomDlg::Wis2Click()
{
    Vragen->clear();
}

bool TOKBottomDlg::WorpKeyPress(const QKeyEvent &event)
{
    return discardsTypedCharacter(event, u'6', u'9');
}

bool TOKBottomDlg::DobbelKeyPress(const QKeyEvent &event)
{
    return discardsTypedCharacter(event, u'1', u'8');
}

bool TOKBottomDlg::HexanrKeyPress(const QKeyEvent &event)
{
    return discardsTypedCharacter(event, u'0', u'9');
}

void TOKBottomDlg::RadioGroepClick(int index)
{
    m_session.chooseMethod(CastMethod(index));
}

void TOKBottomDlg::OKBtnClick()
{
    if (lookupStep())
        return;
    confirmQuestion(Vragen->text(), Worp->text(), Dobbel->text());
}

void TOKBottomDlg::CancelBtnClick()
{
    Q_EMIT cancelled();
    hide();
}

void TOKBottomDlg::reject()
{
    CancelBtnClick();
}

// FormClose closes the main window, which ends the program.
void TOKBottomDlg::btStopClick()
{
    close();
}

void TOKBottomDlg::btHLPClick()
{
    m_shell.open(HelpFile);
}

void TOKBottomDlg::FormClose()
{
    Q_EMIT closed();
}

bool TOKBottomDlg::confirmQuestion(const QString &question, const QString &ownThrow, const QString &dice)
{
    return m_session.confirmQuestion(question, ownThrow, dice);
}

void TOKBottomDlg::clearMethodSelection()
{
    // An exclusive group always keeps one button checked; only a non-exclusive one lets go.
    RadioGroepItems->setExclusive(false);
    for (QAbstractButton *item : RadioGroepItems->buttons())
        item->setChecked(false);
    RadioGroepItems->setExclusive(true);
}

bool TOKBottomDlg::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (watched == Worp)
            return WorpKeyPress(key);
        if (watched == Dobbel)
            return DobbelKeyPress(key);
        if (watched == Hexanr) {
            if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) {
                spinStep(key.key() == Qt::Key_Up ? 1 : -1);
                return true;
            }
            return HexanrKeyPress(key);
        }
        break;
    }
    case QEvent::FocusIn: {
        // Focus that comes back with the window or after a pop-up menu is no new entry.
        const auto reason = static_cast<const QFocusEvent &>(*event).reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (watched == Worp)
            WorpEnter();
        else if (watched == Dobbel)
            DobbelEnter();
        else if (watched == Hexanr)
            m_selectHexanrOnRelease = reason == Qt::MouseFocusReason;
        break;
    }
    case QEvent::MouseButtonPress:
        if (watched == Vragen)
            VragenClick();
        break;
    case QEvent::MouseButtonRelease:
        // Tab already selects the number; a click that brought the focus selects it too, so
        // that typing replaces it (unless the click dragged a selection of its own).
        if (watched == Hexanr && m_selectHexanrOnRelease) {
            m_selectHexanrOnRelease = false;
            if (!Hexanr->hasSelectedText())
                Hexanr->selectAll();
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TOKBottomDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TOKBottomDlg::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}
