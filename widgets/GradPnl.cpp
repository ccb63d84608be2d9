#include "GradPnl.h"

#include "Accessible.h"

#include <QPainter>

#include <cstdlib>

namespace {

// Only the RGB bytes count; whatever else the colour carries (alpha) is dropped.
QColor plainRgb(const QColor &color)
{
    return QColor(color.rgb());
}

// a * b / c rounded to the nearest integer, halves away from zero; c > 0.
int mulDiv(int a, int b, int c)
{
    const long long num = static_cast<long long>(a) * b;
    const long long q = (2 * std::llabs(num) + c) / (2LL * c);
    return static_cast<int>(num < 0 ? -q : q);
}

int channelStep(int from, int to, int i, int n)
{
    return n <= 1 ? from : from + mulDiv(i, to - from, n - 1);
}

} // namespace

TGradientPanel::TGradientPanel(QWidget *parent)
    : QWidget(parent)
{
    markDecorative(this);
    resize(100, 100);
    update();
}

void TGradientPanel::setColorFrom(const QColor &color)
{
    if (plainRgb(color) == m_colorFrom)
        return;
    m_colorFrom = plainRgb(color);
    repaint();
}

void TGradientPanel::setColorTo(const QColor &color)
{
    if (plainRgb(color) == m_colorTo)
        return;
    m_colorTo = plainRgb(color);
    repaint();
}

void TGradientPanel::setColorCount(TCountOfColor count)
{
    if (count == m_colorCount)
        return;
    m_colorCount = count;
    repaint();
}

void TGradientPanel::setDirection(TDirection direction)
{
    if (direction == m_direction)
        return;
    m_direction = direction;
    repaint();
}

void TGradientPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter);
}

void TGradientPanel::Paint(QPainter &painter) const
{
    const int W = width();
    const int H = height();
    const int n = m_colorCount;
    const auto dir = m_direction;

    bool reversed = false;
    switch (dir) {
    case BottomToTop:
    case RightToLeft:
    case CenterToEdges:
    case HCenterToEdges:
    case VCenterToEdges:
    case TopLeft:
    case BottomLeft:
    case TopRight:
    case BottomRight:
    case EllipticOut:
        reversed = true;
        break;
    default:
        break;
    }
    const QColor c0 = reversed ? m_colorTo : m_colorFrom;
    const QColor c1 = reversed ? m_colorFrom : m_colorTo;

    double sx = 0.0;
    double sy = 0.0;
    switch (dir) {
    case TopToBottom:
    case BottomToTop:
        sy = H / (n + 1.0);
        break;
    case LeftToRight:
    case RightToLeft:
        sx = W / (n + 1.0);
        break;
    case EdgesToCenter:
    case CenterToEdges:
    case EllipticIn:
    case EllipticOut:
        sx = W / (2.0 * n + 2.0);
        sy = H / (2.0 * n + 2.0);
        break;
    case HCenterToEdges:
    case EdgesToHCenter:
        sy = H / (2.0 * n + 2.0);
        break;
    case VCenterToEdges:
    case EdgesToVCenter:
        sx = W / (2.0 * n + 2.0);
        break;
    case TopLeft:
    case BottomLeft:
    case TopRight:
    case BottomRight:
        sx = W / (n + 1.0);
        sy = H / (n + 1.0);
        break;
    }
    // The step positions truncate the floating-point products, as the band edges are defined.
    const auto a = [sx](int i) { return static_cast<int>(i * sx); };
    const auto b = [sy](int i) { return static_cast<int>(i * sy); };
    const int hx = W / 2;
    const int hy = H / 2;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    // Half-open spans [x1, x2) x [y1, y2); an empty span paints nothing.
    const auto fill = [&painter](int x1, int y1, int x2, int y2, const QColor &color) {
        if (x2 > x1 && y2 > y1)
            painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), color);
    };
    const auto ellipse = [&painter](int x1, int y1, int x2, int y2, const QColor &color) {
        if (x2 > x1 && y2 > y1) {
            painter.setBrush(color);
            painter.drawEllipse(QRect(x1, y1, x2 - x1, y2 - y1));
        }
    };

    const bool elliptic = dir == EllipticIn || dir == EllipticOut;
    if (elliptic)
        fill(0, 0, W - 1, H - 1, c0);

    for (int i = 0; i < n; ++i) {
        const QColor c(channelStep(c0.red(), c1.red(), i, n), channelStep(c0.green(), c1.green(), i, n),
            channelStep(c0.blue(), c1.blue(), i, n));
        switch (dir) {
        case TopToBottom:
        case BottomToTop:
            fill(0, b(i) - 1, W - 1, b(i + 1) - 1, c);
            break;
        case LeftToRight:
        case RightToLeft:
            fill(a(i) - 1, 0, a(i + 1) - 1, H - 1, c);
            break;
        case EdgesToCenter:
        case CenterToEdges:
            fill(a(i) - 1, b(i) - 1, W - a(i) - 1, H - b(i) - 1, c);
            break;
        case HCenterToEdges:
        case EdgesToHCenter:
            fill(0, b(i) - 1, W - 1, b(i + 1) - 1, c);
            fill(0, H - b(i + 1), W - 1, H - b(i), c);
            break;
        case VCenterToEdges:
        case EdgesToVCenter:
            fill(a(i) - 1, 0, a(i + 1) - 1, H - 1, c);
            fill(W - a(i + 1), 0, W - a(i), H - 1, c);
            break;
        case TopLeft:
            fill(0, 0, W - a(i), H - b(i), c);
            break;
        case BottomLeft:
            fill(0, b(i) - 1, W - a(i), H - 1, c);
            break;
        case TopRight:
            fill(a(i) - 1, 0, W - 1, H - b(i), c);
            break;
        case BottomRight:
            fill(a(i) - 1, b(i) - 1, W - 1, H - 1, c);
            break;
        case EllipticIn:
        case EllipticOut:
            ellipse(a(i) - 1, b(i) - 1, W - a(i), H - b(i), c);
            break;
        }
    }

    switch (dir) {
    case TopToBottom:
    case BottomToTop:
        fill(0, b(n) - 1, W - 1, H - 1, c1);
        break;
    case LeftToRight:
    case RightToLeft:
        fill(a(n) - 1, 0, W - 1, H - 1, c1);
        break;
    case HCenterToEdges:
    case EdgesToHCenter:
        fill(0, b(n) - 1, W - 1, hy - 1, c1);
        fill(0, hy - 1, W - 1, H - b(n), c1);
        break;
    case VCenterToEdges:
    case EdgesToVCenter:
        fill(a(n) - 1, 0, hx - 1, H - 1, c1);
        fill(hx - 1, 0, W - a(n), H - 1, c1);
        break;
    default:
        break;
    }
    painter.restore();
}
