#include "Shapes.h"

#include "Accessible.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

TShape::TShape(TShapeType shape, QWidget *parent)
    : QWidget(parent)
    , m_shape(shape)
{
    // The values and texts are in the labels; the bars, rings and circles only draw them.
    markDecorative(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::setPenColor(const QColor &colour)
{
    if (m_penColor == colour)
        return;
    m_penColor = colour;
    update();
}

void TShape::setPenWidth(int width)
{
    if (m_penWidth == width)
        return;
    m_penWidth = width;
    update();
}

void TShape::setBrushColor(const QColor &colour)
{
    if (m_brushColor == colour)
        return;
    m_brushColor = colour;
    update();
}

void TShape::setFilled(bool filled)
{
    if (m_filled == filled)
        return;
    m_filled = filled;
    update();
}

void TShape::paint(QPainter &painter, TShapeType shape, int width, int height, const QColor &pen,
    int penWidth, const QColor &brush, bool filled)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The outline's centre line runs half a pen inside the box, so a wide pen stays inside it.
    const int inset = penWidth / 2;
    int x = inset;
    int y = inset;
    int w = width - penWidth;
    int h = height - penWidth;
    if (penWidth == 0) {
        w = width - 1;
        h = height - 1;
    }
    if (w < 0 || h < 0)
        return;
    QPen outline(pen);
    outline.setWidth(penWidth);
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(penWidth > 0 ? outline : QPen(Qt::NoPen));
    painter.setBrush(filled ? QBrush(brush) : QBrush(Qt::NoBrush));
    const int side = std::min(w, h);
    if (shape == TShapeType::stCircle && penWidth > 1) {
        // A wide outline is filled as the band between two circles about the box's centre: the
        // stroker leaves a pixel gap in an aliased wide ellipse and sits half a pixel off centre.
        const QPointF centre(width / 2.0, height / 2.0);
        const qreal outer = std::min(width, height) / 2.0;
        const qreal inner = outer - penWidth;
        QPainterPath disc;
        disc.addEllipse(centre, inner, inner);
        painter.setPen(Qt::NoPen);
        if (filled)
            painter.fillPath(disc, brush);
        QPainterPath band;
        band.addEllipse(centre, outer, outer);
        band.addEllipse(centre, inner, inner); // odd-even fill: the inner disc stays open
        painter.fillPath(band, pen);
        return;
    }
    if (shape == TShapeType::stCircle) {
        x += (w - side) / 2;
        y += (h - side) / 2;
        painter.drawEllipse(QRect(x, y, side, side));
    } else {
        // The corner ellipses are a quarter of the short side wide.
        const qreal radius = side / 8.0;
        painter.drawRoundedRect(QRect(x, y, w, h), radius, radius);
    }
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, m_shape, width(), height(), m_penColor, m_penWidth, m_brushColor, m_filled);
}

const QColor TTaoImage::Dark = QColor(0x00, 0x00, 0x00);
const QColor TTaoImage::Light = QColor(0xFF, 0xFF, 0xFF);

TTaoImage::TTaoImage(QWidget *parent)
    : QWidget(parent)
{
    markDecorative(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TTaoImage::paint(QPainter &painter, int width, int height)
{
    const qreal side = std::min(width, height);
    if (side < 4)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Drawn on a unit square of 150 so the proportions are those of the original picture.
    painter.translate((width - side) / 2.0, (height - side) / 2.0);
    painter.scale(side / 150.0, side / 150.0);
    const QPointF centre(75, 75);
    const qreal r = 72; // leaves room for the outline
    const QRectF disc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);

    // The dark half: the right half-disc, plus the lower small disc, minus the upper one.
    QPainterPath right;
    right.moveTo(centre.x(), centre.y() - r);
    right.arcTo(disc, 90, -180);
    right.closeSubpath();
    QPainterPath lowerBulge;
    lowerBulge.addEllipse(QPointF(centre.x(), centre.y() + r / 2), r / 2, r / 2);
    QPainterPath upperBulge;
    upperBulge.addEllipse(QPointF(centre.x(), centre.y() - r / 2), r / 2, r / 2);
    const QPainterPath dark = right.united(lowerBulge).subtracted(upperBulge);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Light);
    painter.drawEllipse(disc);
    painter.setBrush(Dark);
    painter.drawPath(dark);
    // The seeds: a dark one in the light head, a light one in the dark head.
    const qreal seed = r / 7;
    painter.drawEllipse(QPointF(centre.x(), centre.y() - r / 2), seed, seed);
    painter.setBrush(Light);
    painter.drawEllipse(QPointF(centre.x(), centre.y() + r / 2), seed, seed);
    QPen rim(Dark);
    rim.setWidthF(3);
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
    painter.restore();
}

void TTaoImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, width(), height());
}

TFaceLabel::TFaceLabel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void TFaceLabel::paintEvent(QPaintEvent *event)
{
    if (!text().isEmpty()) {
        const int w = std::min(width(), fontMetrics().horizontalAdvance(text()) + 1);
        QPainter painter(this);
        painter.fillRect(QRect(width() - w, 0, w, height()), palette().window());
    }
    QLabel::paintEvent(event);
}
