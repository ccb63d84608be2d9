#pragma once

// Scripted services and a main window wired to them, for the window tests and the screenshot
// tool: no real clock, randomness, message box or shell.

#include "GradPnl.h"
#include "QuivarDATA.h"
#include "SMBevel.h"
#include "Quivar.h"
#include "Shapes.h"
#include "consultation.h"
#include "services.h"

#include <QCheckBox>
#include <QDateTime>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>
#include <QVector>

#include <deque>

class ScriptedRandom final : public RandomSource
{
public:
    std::deque<int> draws; // taken in order; 0 once they run out
    int seeds = 0;
    void seed() override { ++seeds; }
    int uniform(int n) override
    {
        if (draws.empty())
            return 0;
        const int d = draws.front();
        draws.pop_front();
        return n > 0 ? d % n : 0;
    }
};

class FixedClock final : public Clock
{
public:
    QDateTime moment{QDate(2025, 3, 7), QTime(9, 5, 7)};
    QDateTime now() const override { return moment; }
    QString dateSeparator() const override { return QStringLiteral("/"); }
    QString timeSeparator() const override { return QStringLiteral(":"); }
};

class RecordingPrompts final : public Prompts
{
public:
    QStringList shown;
    void message(const QString &text) override { shown << text; }
    void error(const QString &text) override { shown << text; }
    bool confirm(const QString &, const QString &text) override
    {
        shown << text;
        return true;
    }
    std::optional<QString> input(const QString &, const QString &label, const QString &) override
    {
        shown << label;
        return std::nullopt;
    }
};

class RecordingShell final : public Shell
{
public:
    QStringList opened;
    void open(const QString &fileName) override { opened << fileName; }
};

// Bar tops of rows 1..6 in the two panels.
inline constexpr int PrimaryBarY[6] = {142, 169, 196, 223, 250, 277};
inline constexpr int SecondaryBarY[6] = {141, 168, 195, 222, 249, 276};

// One main window with scripted services, shown on the (offscreen) screen.
struct Rig
{
    ConsultationState state;
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts;
    RecordingShell shell;
    TForm1 form{state, shell};
    Consultation consultation{state, random, clock, prompts, form};

    Rig()
    {
        form.setConsultation(&consultation);
        form.show();
    }

    // Own digits, line 1 first, through the core as the question dialog's OK would send them.
    void cast(const QString &digits, const QString &question = QStringLiteral("Wat brengt de dag?"))
    {
        state.question = question;
        state.ownThrowInput = digits;
        state.diceInput.clear();
        state.isFromJournal = false;
        state.storedInJournal = false;
        form.resetViewButtons();
        consultation.readOwnThrow();
    }

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
        return {primary ? 69 : 489, (primary ? PrimaryBarY : SecondaryBarY)[row - 1] + 9};
    }
    static QPoint leftHalfSpot(bool primary, int row) { return solidSpot(primary, row); }
    static QPoint rightHalfSpot(bool primary, int row)
    {
        return {primary ? 197 : 617, (primary ? PrimaryBarY : SecondaryBarY)[row - 1] + 9};
    }

    std::array<TShape *, 6> &solid(bool primary) { return primary ? form.shp_LijnA_A : form.shp_LijnA_B; }
    std::array<TShape *, 6> &left(bool primary) { return primary ? form.shp_LijnBA_A : form.shp_LijnBA_B; }
    std::array<TShape *, 6> &right(bool primary) { return primary ? form.shp_LijnBB_A : form.shp_LijnBB_B; }

    // Position in the stacking order (higher lies over lower).
    int stackIndex(const QWidget *w) const { return int(form.children().indexOf(const_cast<QWidget *>(w))); }

    // What the covering gradient paints at a window position inside it.
    QRgb secondaryGradientAt(QPoint windowPos) const
    {
        const TGradientPanel *panel = form.GPnl_Hex2b;
        QImage image(panel->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        panel->Paint(painter);
        painter.end();
        return image.pixel(windowPos - panel->pos());
    }
};
