#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

class QPainter;

// The outline a TShape draws.
enum class TShapeType { stRoundRect, stCircle };

// A lightweight painted shape (the bars, the rings and the value circles of the main window).
// It paints only its outline and fill, so whatever lies under it in the stacking order shows
// around the rounded corners and inside an unfilled ring.
class TShape : public QWidget
{
    Q_OBJECT
public:
    explicit TShape(TShapeType shape, QWidget *parent = nullptr);

    TShapeType shape() const { return m_shape; }
    QColor penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }
    QColor brushColor() const { return m_brushColor; }
    bool isFilled() const { return m_filled; }

    void setPenColor(const QColor &colour);
    void setPenWidth(int width);
    void setBrushColor(const QColor &colour);
    // No fill at all: the ring marks show the bar under them.
    void setFilled(bool filled);

    // Draws the shape into a width x height box at the painter's origin.
    static void paint(QPainter &painter, TShapeType shape, int width, int height, const QColor &pen,
        int penWidth, const QColor &brush, bool filled);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TShapeType m_shape;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    QColor m_brushColor = Qt::white;
    bool m_filled = true;
};

// The yin-yang sign: two colours on a transparent background, scaled to fit the widget and
// kept round.
class TTaoImage : public QWidget
{
    Q_OBJECT
public:
    explicit TTaoImage(QWidget *parent = nullptr);

    static const QColor Dark;
    static const QColor Light;

    // Draws the sign centred in a width x height box at the painter's origin.
    static void paint(QPainter &painter, int width, int height);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A right-aligned label drawn on the face colour. Like an auto-sizing label that keeps its right
// edge, it shows the face colour only behind its text, so a longer text grows to the left and a
// short one leaves the gradient around it.
class TFaceLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TFaceLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
