#include "SMBevel.h"

#include "Accessible.h"

#include <QEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace {

// Widths and lengths beyond this paint as this: far beyond any screen, yet small enough that no
// coordinate derived from them overflows.
constexpr int kMaxExtent = 65535;

// Nearest integer, halves to the even neighbour (the default rounding mode).
int N(double v)
{
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(v), -1e7, 1e7));
}

template <typename T> bool store(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// The on/off pattern of a pen style, counted in pixels along a 1-pixel line.
class DashPattern
{
public:
    explicit DashPattern(Qt::PenStyle style)
    {
        for (qreal d : QPen(style).dashPattern()) {
            m_lengths.push_back(std::max<qint64>(1, std::llround(d)));
            m_period += m_lengths.back();
        }
    }
    bool solid() const { return m_lengths.empty(); }
    bool on(qint64 i) const
    {
        if (solid())
            return true;
        qint64 pos = i % m_period;
        for (size_t k = 0; k < m_lengths.size(); ++k) {
            if (pos < m_lengths[k])
                return k % 2 == 0;
            pos -= m_lengths[k];
        }
        return true;
    }

private:
    std::vector<qint64> m_lengths;
    qint64 m_period = 0;
};

// A 1-pixel line from `from` to `to`: every pixel from `from` on, `to` itself only when
// withEnd. Plotted here because Qt's thin lines drop whichever end they reach last in their own
// drawing order, which for lines running left or up is the start, not the end.
void plotThinLine(QPainter &p, QPoint from, QPoint to, bool withEnd, const QColor &color, Qt::PenStyle style)
{
    if (style == Qt::NoPen)
        return;
    const DashPattern dashes(style);
    qint64 x = from.x();
    qint64 y = from.y();
    const qint64 dx = std::abs(to.x() - x);
    const qint64 dy = -std::abs(to.y() - y);
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    const qint64 steps = std::max(dx, -dy) + (withEnd ? 1 : 0);
    if (steps <= 0)
        return;
    if (dashes.solid() && (dx == 0 || dy == 0)) {
        const auto n = static_cast<int>(steps);
        const auto ix = static_cast<int>(x);
        const auto iy = static_cast<int>(y);
        p.fillRect(
            dx == 0 ? QRect(ix, sy > 0 ? iy : iy - n + 1, 1, n) : QRect(sx > 0 ? ix : ix - n + 1, iy, n, 1),
            color);
        return;
    }
    qint64 err = dx + dy;
    for (qint64 i = 0; i < steps; ++i) {
        if (dashes.on(i))
            p.fillRect(QRect(static_cast<int>(x), static_cast<int>(y), 1, 1), color);
        const qint64 e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

class BevelPainter
{
public:
    BevelPainter(QPainter &p, int width, Qt::PenStyle style)
        : m_p(p)
        , m_width(width)
        , m_style(style)
    { }

    // A line with the bevel's pen; the end point is not drawn.
    void line(QPoint from, QPoint to, const QColor &color) const
    {
        if (m_width == 1) {
            plotThinLine(m_p, from, to, false, color, m_style);
            return;
        }
        m_p.setPen(widePen(color));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawLine(from, to);
    }

    // Ring k runs on l = x1 + k, t = y1 + k, r = x2 - 1 - k, b = y2 - 1 - k. The top colour
    // takes the left column and the top row, the bottom colour then the right column and the
    // bottom row, so the top-right and bottom-left corners end up in the bottom colour.
    void frame(int x1, int y1, int x2, int y2, const QColor &top, const QColor &bottom) const
    {
        for (int k = 0; k < m_width; ++k) {
            const int l = x1 + k;
            const int t = y1 + k;
            const int r = x2 - 1 - k;
            const int b = y2 - 1 - k;
            if (l > r || t > b)
                break; // no room left for this ring or any further in
            plotThinLine(m_p, { l, b }, { l, t }, true, top, m_style);
            if (r - 1 >= l)
                plotThinLine(m_p, { l, t }, { r - 1, t }, true, top, m_style);
            plotThinLine(m_p, { r, t }, { r, b }, true, bottom, m_style);
            plotThinLine(m_p, { r, b }, { l, b }, true, bottom, m_style);
        }
    }

    void arrowHead(QPoint from, QPoint to, TSMArrow which, TSMArrowType type, double halfAngle, int length,
        const QColor &c1, const QColor &c2) const
    {
        const double dx = to.x() - from.x();
        const double dy = to.y() - from.y();
        QPoint tip;
        double theta = 0.0;
        double sign = 1.0;
        bool fromStart = which == TSMArrow::smaStart;
        // Where the angle's divisor is zero, take its limit from the side that makes the head
        // open back along the segment; a segment of length 0 gets angle 0.
        if (fromStart) {
            tip = from;
            theta = dy != 0 ? std::atan(dx / dy) : std::atan2(dx, 0.0);
        } else {
            tip = to;
            theta = dx != 0 ? std::atan(dy / dx) : (dy != 0 ? -std::copysign(std::numbers::pi / 2, dy) : 0.0);
            sign = to.x() > from.x() ? -1.0 : 1.0;
        }
        const auto barb = [&](double phi) {
            if (fromStart)
                return QPoint(N(tip.x() + length * std::sin(phi)), N(tip.y() + length * std::cos(phi)));
            return QPoint(
                N(tip.x() + sign * length * std::cos(phi)), N(tip.y() + sign * length * std::sin(phi)));
        };
        const QPoint plus = barb(theta + halfAngle);
        const QPoint minus = barb(theta - halfAngle);

        if (type == TSMArrowType::atOutline) {
            if (m_width == 1) {
                plotThinLine(m_p, minus, tip, false, c1, m_style);
                plotThinLine(m_p, tip, plus, false, c1, m_style);
            } else {
                const QPoint stroke[3] = { minus, tip, plus };
                m_p.setPen(widePen(c1));
                m_p.setBrush(Qt::NoBrush);
                m_p.drawPolyline(stroke, 3);
            }
            return;
        }
        const QPoint triangle[3] = { tip, plus, minus };
        m_p.setBrush(c2);
        if (m_width == 1) {
            m_p.setPen(Qt::NoPen);
            m_p.drawPolygon(triangle, 3);
            for (int i = 0; i < 3; ++i)
                plotThinLine(m_p, triangle[i], triangle[(i + 1) % 3], false, c1, m_style);
        } else {
            m_p.setPen(widePen(c1));
            m_p.drawPolygon(triangle, 3);
        }
    }

private:
    QPen widePen(const QColor &color) const
    {
        return QPen(color, m_width, m_style, Qt::FlatCap, Qt::RoundJoin);
    }

    QPainter &m_p;
    int m_width;
    Qt::PenStyle m_style;
};

} // namespace

TSMBevel::TSMBevel(QWidget *parent)
    : QWidget(parent)
{
    markDecorative(this);
    resize(50, 50);
}

QColor TSMBevel::TopColor() const
{
    return m_topColor.value_or(palette().color(QPalette::Normal, QPalette::Light));
}

QColor TSMBevel::BottomColor() const
{
    return m_bottomColor.value_or(palette().color(QPalette::Normal, QPalette::Dark));
}

void TSMBevel::setArrow(TSMArrow arrow)
{
    if (store(m_arrow, arrow))
        update();
}

void TSMBevel::setArrowType(TSMArrowType type)
{
    if (store(m_arrowType, type))
        update();
}

void TSMBevel::setArrowAngle(int degrees)
{
    if (store(m_arrowAngle, degrees))
        update();
}

void TSMBevel::setArrowLength(int pixels)
{
    if (store(m_arrowLength, pixels))
        update();
}

void TSMBevel::setAlignment(Qt::Alignment alignment)
{
    if (store(m_alignment, alignment))
        update();
}

void TSMBevel::setLayout(TTextLayout layout)
{
    if (store(m_layout, layout))
        update();
}

void TSMBevel::setBevelWidth(int width)
{
    if (width > 0 && store(m_bevelWidth, width))
        update();
}

void TSMBevel::setStyle(TSMBevelStyle style)
{
    if (store(m_style, style))
        update();
}

void TSMBevel::setShape(TSMBevelShape shape)
{
    if (store(m_shape, shape))
        update();
}

void TSMBevel::setPenStyle(Qt::PenStyle style)
{
    if (store(m_penStyle, style))
        update();
}

void TSMBevel::setTopColor(const QColor &color)
{
    if (store(m_topColor, std::optional<QColor>(color)))
        update();
}

void TSMBevel::setBottomColor(const QColor &color)
{
    if (store(m_bottomColor, std::optional<QColor>(color)))
        update();
}

void TSMBevel::setCaption(const QString &caption)
{
    if (!store(m_caption, caption))
        return;
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    if (!mnemonic.isEmpty())
        m_shortcutId = grabShortcut(mnemonic);
    update();
}

void TSMBevel::setFocusControl(QWidget *control)
{
    m_focusControl = control;
}

bool TSMBevel::event(QEvent *event)
{
    // Any mnemonic offered to the bevel moves the focus on; which key it was does not matter.
    if (event->type() == QEvent::Shortcut) {
        QWidget *target = m_focusControl;
        if (target && isEnabled() && target->isEnabled() && target->isVisible()
            && target->focusPolicy() != Qt::NoFocus) {
            target->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QWidget::event(event);
}

void TSMBevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
}

void TSMBevel::Paint(QPainter &painter) const
{
    const int W = width();
    const int H = height();
    const int bw = std::min(m_bevelWidth, kMaxExtent);
    const int length = std::clamp(m_arrowLength, -kMaxExtent, kMaxExtent);
    const double halfAngle = m_arrowAngle * std::numbers::pi / 360.0;
    const int a = N(std::sin(halfAngle) * length);
    const int d = bw / 2;
    const int d3 = 3 * bw / 2;
    // Odd widths centre a line on its pixel row, so H - d would sit one row below the control;
    // the bottom and right pairs move up one row then, mirroring the top and left ones.
    const int odd = bw % 2;

    const QPalette &pal = palette();
    QColor c1;
    QColor c2;
    switch (m_style) {
    case mbsLowered:
        c1 = BottomColor();
        c2 = TopColor();
        break;
    case mbsRaised:
        c1 = TopColor();
        c2 = BottomColor();
        break;
    default:
        c1 = c2 = pal.color(QPalette::Normal, QPalette::WindowText);
        break;
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const BevelPainter bevel(painter, bw, m_penStyle);
    const bool arrow = m_arrow != smaNone;
    std::optional<QLine> segment;
    switch (m_shape) {
    case mbsBox:
        bevel.frame(0, 0, W, H, c1, c2);
        break;
    case mbsBoxIn:
        bevel.frame(0, 0, W, H, c1, c2);
        bevel.frame(bw, bw, W - bw, H - bw, c2, c1);
        break;
    case mbsFrame:
        bevel.frame(bw, bw, W, H, c1, c1);
        bevel.frame(0, 0, W - bw, H - bw, c2, c2);
        break;
    case mbsTopLine:
        if (arrow) {
            bevel.line({ 0, a }, { W, a }, c1);
            bevel.line({ 0, a + bw }, { W, a + bw }, c2);
            segment = QLine(0, a, W, a + bw);
        } else {
            bevel.line({ 0, d }, { W, d }, c1);
            bevel.line({ 0, d3 }, { W, d3 }, c2);
        }
        break;
    case mbsBottomLine:
        if (arrow) {
            bevel.line({ 0, H - a - 2 * bw }, { W, H - a - 2 * bw }, c1);
            bevel.line({ 0, H - a - bw }, { W, H - a - bw }, c2);
            segment = QLine(0, H - a - 2 * bw, W, H - a - bw);
        } else {
            bevel.line({ 0, H - d3 - odd }, { W, H - d3 - odd }, c1);
            bevel.line({ 0, H - d - odd }, { W, H - d - odd }, c2);
        }
        break;
    case mbsLeftLine:
        if (arrow) {
            bevel.line({ a, 0 }, { a, H }, c1);
            bevel.line({ a + bw, 0 }, { a + bw, H }, c2);
            segment = QLine(a, 0, a + bw, H);
        } else {
            bevel.line({ d, 0 }, { d, H }, c1);
            bevel.line({ d3, 0 }, { d3, H }, c2);
        }
        break;
    case mbsRightLine:
        if (arrow) {
            bevel.line({ W - a - 2 * bw, 0 }, { W - a - 2 * bw, H }, c1);
            bevel.line({ W - a - bw, 0 }, { W - a - bw, H }, c2);
            segment = QLine(W - a - 2 * bw, 0, W - a - bw, H);
        } else {
            bevel.line({ W - d3 - odd, 0 }, { W - d3 - odd, H }, c1);
            bevel.line({ W - d - odd, 0 }, { W - d - odd, H }, c2);
        }
        break;
    case mbsTopLeftLine:
        bevel.line({ 0, 0 }, { W, H - 2 * bw }, c1);
        bevel.line({ 0, bw }, { W, H - bw }, c2);
        segment = QLine(0, 0, W, H - bw);
        break;
    case mbsTopRightLine:
        bevel.line({ W, 0 }, { 0, H - 2 * bw }, c1);
        bevel.line({ W, bw }, { bw, H - bw }, c2);
        segment = QLine(W, 0, bw, H - bw);
        break;
    }
    if (arrow && segment)
        bevel.arrowHead(segment->p1(), segment->p2(), m_arrow, m_arrowType, halfAngle, length, c1, c2);

    // An empty caption draws nothing wherever it is placed, so it is not measured either.
    if (!m_caption.isEmpty()) {
        const int flags = (m_alignment & Qt::AlignHorizontal_Mask).toInt() | Qt::AlignTop | Qt::TextWordWrap
            | Qt::TextExpandTabs;
        painter.setFont(font());
        QRect rect(0, 0, W, H);
        if (m_layout != tlTop) {
            const int h = painter.boundingRect(QRect(0, 0, W, 0), flags, m_caption).height();
            rect.translate(0, m_layout == tlBottom ? H - h : (H - h) / 2);
        }
        if (isEnabled()) {
            painter.setPen(pal.color(foregroundRole()));
            painter.drawText(rect, flags, m_caption);
        } else {
            painter.setPen(pal.color(QPalette::Normal, QPalette::Light));
            painter.drawText(rect.translated(1, 1), flags, m_caption);
            painter.setPen(pal.color(QPalette::Normal, QPalette::Dark));
            painter.drawText(rect, flags, m_caption);
        }
    }
    painter.restore();
}
