#pragma once

#include "QuivarFuncties.h"
#include "Session.h"
#include "services.h"

#include <QDialog>
#include <QElapsedTimer>

#include <array>
#include <chrono>
#include <optional>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class SpinButtons;
class TGradientPanel;

// "Een Vraag Stellen aan de I Tjing": where every consultation starts. The user types a
// question, picks a casting method or types own digits or dice digits, and OK hands these to
// the consultation. The left column is a lookup pane that shows any hexagram by number or by
// two trigrams without consulting.
//
// The dialog is a top-level window of its own that stays on top; it is not modal, but the
// program disables the main window while it is shown. It lives for the whole run; closing it
// ends the program.
class TOKBottomDlg : public QDialog
{
    Q_OBJECT
public:
    TOKBottomDlg(Session &session, Prompts &prompts, Shell &shell);

    // The lookup pane's state; it lives for the whole run and showing the dialog does not reset it.
    struct Lookup
    {
        int number = 0; // the number asked for
        int shown = 0; // the hexagram the pane shows
        int upper = 0; // 0 until Boven had its first choice, then the item's position + 1
        int lower = 0;
    };
    const Lookup &lookup() const { return m_lookup; }

    // OK's road to a consultation (the session's); returns whether the consultation went ahead.
    bool confirmQuestion(const QString &question, const QString &ownThrow, const QString &dice);

    // Spin steps closer together than this are ignored, so a held arrow steps at most this
    // often. Tests shorten it.
    void setSpinPause(std::chrono::milliseconds pause) { m_spinPause = pause; }

    void reject() override;

Q_SIGNALS:
    // The dialog is on screen for a new question; the main window waits behind it.
    void opened();
    // Cancelled: back to the main window, nothing asked.
    void cancelled();
    // Closed or stopped: the program ends.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Background and frames.
    TGradientPanel *GradientPanel1 = nullptr;
    TGradientPanel *GradientPanel2 = nullptr;
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QFrame *Bevel3 = nullptr;
    QFrame *Bevel4 = nullptr;

    // The question area.
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *Worp = nullptr;
    QToolButton *Wis1 = nullptr;
    QLineEdit *Dobbel = nullptr;
    QGroupBox *RadioGroep = nullptr;
    QButtonGroup *RadioGroepItems = nullptr;
    QLineEdit *Vragen = nullptr;
    QToolButton *Wis2 = nullptr;
    QToolButton *btHLP = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QToolButton *btStop = nullptr;

    // The lookup pane.
    QLabel *Label6 = nullptr;
    QLineEdit *Hexanr = nullptr;
    SpinButtons *HexaSpin = nullptr;
    QPushButton *btAfbeeld = nullptr;
    QGroupBox *Boven = nullptr;
    QButtonGroup *BovenItems = nullptr;
    QGroupBox *Onder = nullptr;
    QButtonGroup *OnderItems = nullptr;
    // lbl_lijn[k - 1] is lbl_lijnk, the caption of line k (1 = bottom).
    std::array<QLabel *, 6> lbl_lijn {};
    QLabel *lbHexnr = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *lbl_Comment = nullptr;
    QLabel *lbl_Prakt = nullptr;
    QFrame *Bevel5 = nullptr;
    QFrame *Bevel6 = nullptr;
    QFrame *Bevel7 = nullptr;
    QFrame *Bevel8 = nullptr;
    QFrame *Bevel9 = nullptr;
    QFrame *Bevel10 = nullptr;
    QFrame *Bevel11 = nullptr;

    void FormShow();
    // Cancel: back to the main window.
    void CancelBtnClick();
    void VragenClick();
    void WorpEnter();
    void DobbelEnter();
    void Wis1Click();
    void Wis2Click();
    // The key filters return true when they discard the typed character.
    bool WorpKeyPress(const QKeyEvent &event);
    bool DobbelKeyPress(const QKeyEvent &event);
    bool HexanrKeyPress(const QKeyEvent &event);
    void RadioGroepClick(int index);
    void OKBtnClick();
    void btStopClick();
    void btHLPClick();
    void FormClose();

    void BovenClick(int index);
    void OnderClick(int index);
    // Runs after the spin buttons stepped the number in Hexanr.
    void HexaSpinClick();
    void btAfbeeldClick();
    void selectTrigramsFor();
    void lookupFromTrigrams();
    void showLookupHexagram();
    // The step OK takes first: with anything but "0" in Hexanr it looks up instead; returns
    // whether it did.
    bool lookupStep();

    void buildBackground();
    void buildQuestionArea();
    void buildLookupPane();
    void buildTabOrder();
    void clearMethodSelection();
    // A press of an arrow of HexaSpin (or Up/Down in Hexanr): steps Hexanr, then HexaSpinClick.
    void spinStep(int step);
    // The number in Hexanr; reports an invalid number and gives nothing.
    std::optional<int> readHexanr();
    // Shows the hexagram numbered in Hexanr in the pane; false when Hexanr holds no number.
    bool lookUpHexanr();
    // The caption of lbl_lijn<line> and the words a screen reader says for it.
    void setLineCaption(int line, const QString &caption);

    Session &m_session;
    Prompts &m_prompts;
    Lookup m_lookup;
    Shell &m_shell;

    std::chrono::milliseconds m_spinPause { 300 };
    bool m_selectHexanrOnRelease = false;
    QElapsedTimer m_sinceSpinStep;
};
