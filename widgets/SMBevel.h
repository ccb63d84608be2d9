#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

enum class TSMArrow : quint8 { smaNone, smaStart, smaFinish };
enum class TSMArrowType : quint8 { atOutline, atSolid };
enum class TTextLayout : quint8 { tlTop, tlCenter, tlBottom };
enum class TSMBevelStyle : quint8 { mbsLowered, mbsNone, mbsRaised };
enum class TSMBevelShape : quint8 {
    mbsBox,
    mbsBoxIn,
    mbsFrame,
    mbsTopLine,
    mbsBottomLine,
    mbsLeftLine,
    mbsRightLine,
    mbsTopLeftLine,
    mbsTopRightLine,
};

// A decorative control: a 3-D box, an etched frame or a pair of parallel lines in two colours,
// a line optionally ending in an arrowhead, and a caption. It paints only what it draws, so the
// parent shows through everywhere else.
//
// System colours come from the control's palette (Normal group), as Qt maps the Windows ones:
// button highlight = Light, button shadow = Dark, window frame = WindowText. TopColor and
// BottomColor follow the palette until they are set.
class TSMBevel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TSMArrow Arrow READ Arrow WRITE setArrow)
    Q_PROPERTY(TSMArrowType ArrowType READ ArrowType WRITE setArrowType)
    Q_PROPERTY(int ArrowAngle READ ArrowAngle WRITE setArrowAngle)
    Q_PROPERTY(int ArrowLength READ ArrowLength WRITE setArrowLength)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(TTextLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(TSMBevelStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(TSMBevelShape Shape READ Shape WRITE setShape)
    Q_PROPERTY(Qt::PenStyle PenStyle READ PenStyle WRITE setPenStyle)
    Q_PROPERTY(QColor TopColor READ TopColor WRITE setTopColor)
    Q_PROPERTY(QColor BottomColor READ BottomColor WRITE setBottomColor)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    using enum TSMArrow;
    using enum TSMArrowType;
    using enum TTextLayout;
    using enum TSMBevelStyle;
    using enum TSMBevelShape;

    explicit TSMBevel(QWidget *parent = nullptr);

    // The given names setLayout and setStyle overload QWidget's; keep those reachable too.
    using QWidget::setLayout;
    using QWidget::setStyle;

    TSMArrow Arrow() const { return m_arrow; }
    TSMArrowType ArrowType() const { return m_arrowType; }
    int ArrowAngle() const { return m_arrowAngle; }
    int ArrowLength() const { return m_arrowLength; }
    Qt::Alignment Alignment() const { return m_alignment; }
    TTextLayout Layout() const { return m_layout; }
    int BevelWidth() const { return m_bevelWidth; }
    TSMBevelStyle Style() const { return m_style; }
    TSMBevelShape Shape() const { return m_shape; }
    Qt::PenStyle PenStyle() const { return m_penStyle; }
    QColor TopColor() const;
    QColor BottomColor() const;
    QString Caption() const { return m_caption; }
    QWidget *FocusControl() const { return m_focusControl; }

    // Each setter queues a repaint, and only when the value changes.
    void setArrow(TSMArrow arrow);
    void setArrowType(TSMArrowType type);
    void setArrowAngle(int degrees);
    void setArrowLength(int pixels);
    // Only the horizontal part counts; Layout places the caption vertically.
    void setAlignment(Qt::Alignment alignment);
    void setLayout(TTextLayout layout);
    // Values <= 0 are ignored.
    void setBevelWidth(int width);
    void setStyle(TSMBevelStyle style);
    void setShape(TSMBevelShape shape);
    void setPenStyle(Qt::PenStyle style);
    void setTopColor(const QColor &color);
    void setBottomColor(const QColor &color);
    // The caption is drawn as it stands ("&" stays "&"); its "&x" mnemonic focuses FocusControl.
    void setCaption(const QString &caption);
    // Held weakly: destroying the control clears it.
    void setFocusControl(QWidget *control);

    // Draws the shape and the caption over the rectangle (0, 0, width(), height()).
    void Paint(QPainter &painter) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> m_focusControl;
    TSMArrow m_arrow = smaFinish;
    TSMArrowType m_arrowType = atSolid;
    int m_arrowAngle = 25;
    int m_arrowLength = 15;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    TTextLayout m_layout = tlTop;
    int m_bevelWidth = 1;
    TSMBevelStyle m_style = mbsLowered;
    TSMBevelShape m_shape = mbsBox;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    std::optional<QColor> m_topColor; // unset: the button highlight colour
    std::optional<QColor> m_bottomColor; // unset: the button shadow colour
    QString m_caption;
    int m_shortcutId = 0;
};
