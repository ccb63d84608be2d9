#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Meer informatie": name, version, picture and credits. Created hidden at start-up and shown
// by the main window's Info button. It is a top-level window of its own (a child of the main
// window would be disabled with it) and acts modally by disabling the main window while shown.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *mainWindow);

    QWidget *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QLabel *Copyright = nullptr;
    QLabel *Comments = nullptr;
    QPushButton *OKButton = nullptr;

    void FormShow();
    void OKButtonClick();
    void FormClose();

    // Enter and Esc both end up here: the OK button is the default and the cancel button.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPicture();
    void centreOverMainWindow();

    QWidget *m_mainWindow;
};
