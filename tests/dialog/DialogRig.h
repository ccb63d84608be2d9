#pragma once

// Everything the question dialog talks to, as fakes, around a real Consultation.

#include "Accessible.h"
#include "AppLook.h"
#include "DialogControls.h"
#include "QuietRaise.h"
#include "ScriptedServices.h"
#include "Session.h"
#include "SessionProbe.h"
#include "Vraag.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

#include <memory>

// What the program does with the dialog's and the session's signals, recorded.
struct FakeHost
{
    bool mainEnabled = true;
    int focusCount = 0;
    int resetCount = 0;
    int closeCount = 0;
    QString listCaption;
};

// A fresh dialog with its fakes, shown as the program shows it. No draw is scripted, so every
// draw is 0: a valid value for each method, and the automatic pick takes the yarrow.
struct DialogRig
{
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts;
    RecordingView view;
    Session session { random, clock, prompts };
    ConsultationState &state = SessionProbe::state(session);
    FakeHost host;
    RecordingShell shell;
    std::unique_ptr<TOKBottomDlg> dialog;
    DialogControls ui { *dialog };

    DialogRig()
        : dialog(std::make_unique<TOKBottomDlg>(session, prompts, shell))
    {
        TOKBottomDlg *d = dialog.get();
        QObject::connect(d, &TOKBottomDlg::opened, d, [this] { host.mainEnabled = false; });
        QObject::connect(d, &TOKBottomDlg::cancelled, d, [this] { host.mainEnabled = true; });
        QObject::connect(d, &TOKBottomDlg::closed, d, [this] { ++host.closeCount; });
        QObject::connect(&session, &Session::questionConfirmed, d, [this] {
            host.mainEnabled = true;
            ++host.focusCount;
        });
        QObject::connect(&session, &Session::viewChanged, d, [this] { ++host.resetCount; });
        QObject::connect(&session, &Session::listNumberChanged, d,
            [this](const ListNumber &number) { host.listCaption = number.text(); });
        QObject::connect(&session, &Session::methodCaptionChanged, d,
            [this](const QString &caption) { view.setMethodCaption(caption); });
        QObject::connect(&session, &Session::consultationShown, d, [this] { view.showConsultation(); });
        dialog->setSpinPause(std::chrono::milliseconds(0));
        dialog->show();
    }

    // The program's look, and a Dutch locale as the dialog's users have.
    static void setUpApplication()
    {
        applyWendarixLook(*qApp);
        installAccessibleWindows();
        quietenRaiseWarnings();
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    }

    bool waitActive() { return QTest::qWaitForWindowActive(dialog.get()); }

    // The main window's question button: the user was back in the main window (the offscreen
    // platform leaves a hidden window active, a desktop would not), then the dialog shows.
    bool showAgain()
    {
        mainWindow.show();
        mainWindow.activateWindow();
        if (!QTest::qWaitForWindowActive(&mainWindow))
            return false;
        dialog->show();
        return waitActive();
    }

    // Stands in for the main window only as something else to be active.
    QWidget mainWindow;

    // A click into a field: gives it the focus as the user's click does.
    static void clickInto(QWidget *field) { QTest::mouseClick(field, Qt::LeftButton); }

    // A radio button takes clicks on its circle and caption only, not on its whole width.
    static void clickItem(QAbstractButton *item)
    {
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    }

    // Empties Hexanr as a user does: to the end, then Backspace over its digits.
    void eraseHexanr()
    {
        QLineEdit *field = ui.Hexanr;
        clickInto(field);
        QTest::keyClick(field, Qt::Key_End);
        while (!field->text().isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
    }

    void typeHexanr(const QString &digits)
    {
        eraseHexanr();
        QTest::keyClicks(ui.Hexanr, digits);
    }

    // Clicks into the named field and types there, as a user does; Hexanr is emptied first.
    QLineEdit *typeInto(const QString &fieldName, const QString &text)
    {
        auto *field = dialog->findChild<QLineEdit *>(fieldName);
        if (!field)
            return nullptr;
        if (field == ui.Hexanr)
            eraseHexanr();
        clickInto(field);
        QTest::keyClicks(field, text);
        return field;
    }

    // Clicks the method item with the given index (0 yarrow .. 5 computer's pick).
    void chooseMethod(int method) { clickItem(ui.RadioGroepItems->button(method)); }

    static QString checkedCaption(QButtonGroup *group)
    {
        QAbstractButton *checked = group->checkedButton();
        return checked ? checked->text() : QString();
    }

    static QAbstractButton *item(QButtonGroup *group, const QString &caption)
    {
        for (QAbstractButton *button : group->buttons()) {
            if (button->text() == caption)
                return button;
        }
        return nullptr;
    }

    static void clickItem(QButtonGroup *group, const QString &caption) { clickItem(item(group, caption)); }
};
