#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

// The form toolkit every window builds its controls with: the palette's named colours, fonts by
// pixel size and transparent labels placed by their top-left corner.

// The named colours of the layout, each spelled once.
namespace Palette {
inline const QColor clNavy { 0x00, 0x00, 0x80 };
inline const QColor clPurple { 0x80, 0x00, 0x80 };
inline const QColor clMaroon { 0x80, 0x00, 0x00 };
inline const QColor clRed { 0xFF, 0x00, 0x00 };
inline const QColor clMoneyGreen { 0xC0, 0xDC, 0xC0 };
inline const QColor clSkyBlue { 0xA6, 0xCA, 0xF0 };
inline const QColor clCream { 0xFF, 0xFB, 0xF0 };
inline const QColor clSilver { 0xC0, 0xC0, 0xC0 };
inline const QColor clYellow { 0xFF, 0xFF, 0x00 };
inline const QColor clFuchsia { 0xFF, 0x00, 0xFF };
inline const QColor clWhite { 0xFF, 0xFF, 0xFF };
inline const QColor clMedGray { 0xA0, 0xA0, 0xA4 };
} // namespace Palette

// How a control's text looks: size in pixels, weight, slant, colour and family.
struct Look
{
    int pixelSize = 13;
    bool bold = false;
    bool italic = false;
    QColor colour; // invalid: the palette's text colour
    QString family; // empty: the window's own font
};

// `base` at the look's size, weight, slant and (when given) family.
QFont fontFor(const QFont &base, const Look &look);
// A font of `family` by pixel size.
QFont pixelFont(const QString &family, int pixelSize, bool bold = false);
// The text colour of a label or button; an invalid colour leaves the palette's.
void setTextColour(QWidget *widget, const QColor &colour);
// One colour role of a widget's palette.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// A transparent plain-text label, named, aligned to the top left, in the given font.
QLabel *newLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font);
// A label as newLabel in the parent's font with the look's changes. A width or height of 0
// sizes it to its text, as an auto-sizing label does.
QLabel *makeLabel(QWidget *parent, const QString &name, int left, int top, int width, int height,
    const QString &text, const Look &look = {}, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
    bool wraps = false);

// Measuring text loads the font database, the dearest step of start-up. While a program builds
// its first windows it may defer every measuring step to after they are on screen; outside such
// a stretch each step runs at once.
class TextMeasureDeferral
{
public:
    TextMeasureDeferral();
    ~TextMeasureDeferral();
    TextMeasureDeferral(const TextMeasureDeferral &) = delete;
    TextMeasureDeferral &operator=(const TextMeasureDeferral &) = delete;
    // Runs the deferred steps in the order they came and ends the deferral.
    void finish();
};
// Runs `step` now, or when the deferral in force finishes; a step whose `owner` is gone by
// then is dropped.
void measureText(QWidget *owner, std::function<void()> step);
