#pragma once

// Everything the question dialog talks to, as fakes, around a real Consultation.

#include "DialogHost.h"
#include "Vraag.h"
#include "consultation.h"
#include "services.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFont>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <memory>

inline void setUpFixedLook()
{
    using namespace Qt::StringLiterals;
    QApplication::setStyle(u"Fusion"_s);
    QApplication::setPalette(QApplication::style()->standardPalette());
    for (const QString &family : {u"Microsoft Sans Serif"_s, u"MS Sans Serif"_s, u"Arial"_s})
        QFont::insertSubstitution(family, u"Liberation Sans"_s);
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
}

class FakeHost final : public DialogHost
{
public:
    void setMainWindowEnabled(bool enabled) override { mainEnabled = enabled; }
    void focusMainWindow() override { ++focusCount; }
    void resetViewButtons() override { ++resetCount; }
    void setListNumberCaption(const QString &caption) override { listCaption = caption; }
    void closeMainWindow() override { ++closeCount; }

    bool mainEnabled = true;
    int focusCount = 0;
    int resetCount = 0;
    int closeCount = 0;
    QString listCaption;
};

class ScriptedPrompts final : public Prompts
{
public:
    void message(const QString &text) override { messages.append(text); }
    void error(const QString &text) override { errors.append(text); }
    bool confirm(const QString &, const QString &) override { return true; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }

    QStringList messages;
    QStringList errors;
};

class RecordingShell final : public Shell
{
public:
    void open(const QString &fileName) override { opened.append(fileName); }
    QStringList opened;
};

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2025, 12, 24), QTime(9, 5, 7)); }
    QString dateSeparator() const override { return QStringLiteral("-"); }
    QString timeSeparator() const override { return QStringLiteral(":"); }
};

// Every draw is 0: a valid value for each method, and the automatic pick takes the yarrow.
class ZeroRandom final : public RandomSource
{
public:
    void seed() override { ++seeds; }
    int uniform(int) override { return 0; }
    int seeds = 0;
};

class RecordingView final : public ConsultationView
{
public:
    void setMethodCaption(const QString &text) override { caption = text; }
    void showConsultation() override { ++shown; }

    QString caption;
    int shown = 0;
};

// A fresh dialog with its fakes; the dialog shows itself on creation.
struct DialogRig
{
    ConsultationState state;
    FakeHost host;
    ScriptedPrompts prompts;
    RecordingShell shell;
    FixedClock clock;
    ZeroRandom random;
    RecordingView view;
    Consultation consultation{state, random, clock, prompts, view};
    std::unique_ptr<TOKBottomDlg> dialog;

    DialogRig()
        : dialog(std::make_unique<TOKBottomDlg>(state, consultation, prompts, shell, host))
    {
        dialog->setSpinPause(std::chrono::milliseconds(0));
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
};
