#pragma once

// Everything the question dialog talks to, as fakes, around a real Consultation.

#include "Accessible.h"
#include "AppLook.h"
#include "QuietRaise.h"
#include "ScriptedServices.h"
#include "Vraag.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

#include <memory>

// A fresh dialog with its fakes; the dialog shows itself on creation. No draw is scripted, so
// every draw is 0: a valid value for each method, and the automatic pick takes the yarrow.
struct DialogRig : ConsultationRig
{
    FakeHost host;
    RecordingShell shell;
    std::unique_ptr<TOKBottomDlg> dialog;

    DialogRig()
        : dialog(std::make_unique<TOKBottomDlg>(state, consultation, prompts, shell, host))
    {
        dialog->setSpinPause(std::chrono::milliseconds(0));
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
        QLineEdit *field = dialog->Hexanr;
        clickInto(field);
        QTest::keyClick(field, Qt::Key_End);
        while (!field->text().isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
    }

    void typeHexanr(const QString &digits)
    {
        eraseHexanr();
        QTest::keyClicks(dialog->Hexanr, digits);
    }

    // Clicks into the named field and types there, as a user does; Hexanr is emptied first.
    QLineEdit *typeInto(const QString &fieldName, const QString &text)
    {
        auto *field = dialog->findChild<QLineEdit *>(fieldName);
        if (!field)
            return nullptr;
        if (field == dialog->Hexanr)
            eraseHexanr();
        clickInto(field);
        QTest::keyClicks(field, text);
        return field;
    }

    // Clicks the method item with the given index (0 yarrow .. 5 computer's pick).
    void chooseMethod(int method) { clickItem(dialog->RadioGroepItems->button(method)); }

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
