#pragma once

// A main window wired to the scripted services, for the window tests and the screenshot tool:
// no real clock, randomness, message box or shell.

#include "GradPnl.h"
#include "MainControls.h"
#include "Quivar.h"
#include "QuivarDATA.h"
#include "SMBevel.h"
#include "ScriptedServices.h"
#include "Session.h"
#include "SessionProbe.h"
#include "Shapes.h"
#include "consultation.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The scripted services of the window tests. The clock stands at 07/03/25 09:05:07 with "/" for
// a date separator, as the window tests read their date labels.
struct WindowServices
{
    ScriptedRandom random;
    FixedClock clock { QDateTime(QDate(2025, 3, 7), QTime(9, 5, 7)), QStringLiteral("/") };
    RecordingPrompts prompts;
    RecordingShell shell;
};

// Bar tops of rows 1..6 in the two panels.
inline constexpr int PrimaryBarY[6] = { 142, 169, 196, 223, 250, 277 };
inline constexpr int SecondaryBarY[6] = { 141, 168, 195, 222, 249, 276 };

// One main window with scripted services, shown on the (offscreen) screen.
struct Rig : WindowServices
{
    Session session { random, clock, prompts };
    ConsultationState &state = SessionProbe::state(session);
    TForm1 form { session, shell };
    MainControls ui { form };

    Rig()
    {
        form.setPrompts(&prompts);
        form.show();
    }

    // Own digits, line 1 first, through the session as the question dialog's OK sends them.
    void cast(const QString &digits, const QString &question = QStringLiteral("Wat brengt de dag?"))
    {
        state.isFromJournal = false;
        session.confirmQuestion(question, digits, QString());
    }

    // The digits as a journal entry with its own date text.
    void replay(const QString &digits, const QString &dateText)
    {
        session.replay(QStringLiteral("Uit de lijst"), digits);
        session.showEntryDate(dateText);
    }

    // Clicks the control of the window that carries this name.
    void click(const QString &name) { QTest::mouseClick(form.findChild<QWidget *>(name), Qt::LeftButton); }

    // Notes the name of every command the window hands to the program in `commands`.
    void recordCommands()
    {
        const auto note
            = [this](const char *name) { return [this, name] { commands << QString::fromLatin1(name); }; };
        QObject::connect(&form, &TForm1::questionRequested, &form, note("question"));
        QObject::connect(&form, &TForm1::aboutRequested, &form, note("about"));
        QObject::connect(&form, &TForm1::saveRequested, &form, note("save"));
        QObject::connect(&form, &TForm1::journalRequested, &form, note("journal"));
        QObject::connect(&form, &TForm1::historyBackRequested, &form, note("back"));
        QObject::connect(&form, &TForm1::historyForwardRequested, &form, note("forward"));
    }
    QStringList commands;

    QImage screen() { return form.grab().toImage(); }

    // The screen with the buttons and boxes blanked out: clicks move the focus and the hover
    // look between them, which is not what a comparison of two views is about.
    QImage screenWithoutControls()
    {
        QImage image = screen();
        QPainter painter(&image);
        for (QAbstractButton *control : form.findChildren<QAbstractButton *>())
            painter.fillRect(control->geometry(), Qt::black);
        return image;
    }

    // The fill a bar shows on screen, sampled clear of its outline, the ring and the X.
    static QPoint solidSpot(bool primary, int row)
    {
        return { primary ? 69 : 489, (primary ? PrimaryBarY : SecondaryBarY)[row - 1] + 9 };
    }
    static QPoint leftHalfSpot(bool primary, int row) { return solidSpot(primary, row); }
    static QPoint rightHalfSpot(bool primary, int row)
    {
        return { primary ? 197 : 617, (primary ? PrimaryBarY : SecondaryBarY)[row - 1] + 9 };
    }

    std::array<TShape *, 6> &solid(bool primary) { return primary ? ui.shp_LijnA_A : ui.shp_LijnA_B; }
    std::array<TShape *, 6> &left(bool primary) { return primary ? ui.shp_LijnBA_A : ui.shp_LijnBA_B; }
    std::array<TShape *, 6> &right(bool primary) { return primary ? ui.shp_LijnBB_A : ui.shp_LijnBB_B; }

    // Position in the stacking order (higher lies over lower).
    int stackIndex(const QWidget *w) const { return int(form.children().indexOf(const_cast<QWidget *>(w))); }

    // What the covering gradient paints at a window position inside it.
    QRgb secondaryGradientAt(QPoint windowPos) const
    {
        const TGradientPanel *panel = ui.GPnl_Hex2b;
        QImage image(panel->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        panel->Paint(painter);
        painter.end();
        return image.pixel(windowPos - panel->pos());
    }
};
