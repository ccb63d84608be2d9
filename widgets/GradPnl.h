#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

// Where ColorFrom ends up; the comment names the pattern of the bands.
enum class TDirection : quint8 {
    TopToBottom, // horizontal bands
    BottomToTop,
    LeftToRight, // vertical bands
    RightToLeft,
    EdgesToCenter, // concentric rectangles
    CenterToEdges,
    HCenterToEdges, // horizontal bands mirrored about the horizontal centre line
    EdgesToHCenter,
    VCenterToEdges, // vertical bands mirrored about the vertical centre line
    EdgesToVCenter,
    TopLeft, // rectangles shrinking towards a corner
    BottomLeft,
    TopRight,
    BottomRight,
    EllipticIn, // concentric ellipses
    EllipticOut,
};

// Number of interpolated colour steps, 1..255.
using TCountOfColor = quint8;

// A background that fills its rectangle with a stepped gradient between two colours. It paints
// only its bands (no auto-filled background), so the parent shows through the pixels no band
// covers, and controls stacked above it are drawn over it.
class TGradientPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor ColorFrom READ ColorFrom WRITE setColorFrom)
    Q_PROPERTY(QColor ColorTo READ ColorTo WRITE setColorTo)
    Q_PROPERTY(quint8 ColorCount READ ColorCount WRITE setColorCount)
    Q_PROPERTY(TDirection Direction READ Direction WRITE setDirection)
public:
    using enum TDirection;

    explicit TGradientPanel(QWidget *parent = nullptr);

    QColor ColorFrom() const { return m_colorFrom; }
    QColor ColorTo() const { return m_colorTo; }
    TCountOfColor ColorCount() const { return m_colorCount; }
    TDirection Direction() const { return m_direction; }

    // Each setter repaints at once, and only when the value changes.
    void setColorFrom(const QColor &color);
    void setColorTo(const QColor &color);
    void setColorCount(TCountOfColor count);
    void setDirection(TDirection direction);

    // Draws the whole pattern over the panel's rectangle (0, 0, width(), height()).
    void Paint(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colorFrom { 0, 0, 255 };
    QColor m_colorTo { 0, 0, 0 };
    TCountOfColor m_colorCount = 64;
    TDirection m_direction = TDirection::TopToBottom;
};
