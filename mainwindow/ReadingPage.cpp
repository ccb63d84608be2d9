#include "ReadingPage.h"

#include "FormKit.h"

#include "GradPnl.h"
#include "Quivar.h"
#include "Shapes.h"

#include <QPagedPaintDevice>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// A figure is drawn in the window's own pixels, inside the rectangle of its line area, and set on
// paper at 96 pixels to the inch.
constexpr qreal PointsPerPixel = 0.75;
constexpr QSize LineArea(164, 160);
constexpr std::array<int, 6> BarTop = { 4, 31, 58, 85, 112, 139 }; // rows 1..6, row 1 = line 6
constexpr int BarLeft = 8, BarWidth = 148, HalfWidth = 60, BarHeight = 18;
constexpr int ValueLeft = -34; // the value circles stand left of the line area, as on screen

QFont font(const QString &family, qreal points, bool bold = false, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(qRound(points)); // the painter works in points
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

class PageWriter
{
public:
    PageWriter(QPainter &painter, const QRectF &area)
        : m_painter(painter)
        , m_area(area)
        , m_y(area.top())
    { }

    void text(
        const QString &text, const QFont &f, const QColor &colour, qreal after = 4, int align = Qt::AlignLeft)
    {
        m_painter.setFont(f);
        m_painter.setPen(colour);
        QRectF used;
        m_painter.drawText(QRectF(m_area.left(), m_y, m_area.width(), m_area.bottom() - m_y),
            align | Qt::TextWordWrap, text, &used);
        m_y += used.height() + after;
    }
    void space(qreal points) { m_y += points; }
    void rule()
    {
        m_painter.setPen(QPen(Palette::clSilver, 0.8));
        m_painter.drawLine(QPointF(m_area.left(), m_y), QPointF(m_area.right(), m_y));
        m_y += 8;
    }
    qreal y() const { return m_y; }
    void setY(qreal y) { m_y = y; }

private:
    QPainter &m_painter;
    QRectF m_area;
    qreal m_y;
};

// The six lines as the window draws them: bars in the scheme's colours over the line gradient, a
// ring on an old yang line and a cross on an old yin line, the values in their circles.
void paintFigure(QPainter &p, QPointF topLeft, const ReadingHexagram &h, const std::array<QColor, 6> &colours,
    const ReadingPageLook &look, bool marks)
{
    p.save();
    p.translate(topLeft);
    p.scale(PointsPerPixel, PointsPerPixel);
    if (look.lineBackground)
        look.lineBackground->Paint(p);
    for (int r = 1; r <= 6; ++r) {
        const std::size_t line = std::size_t(6 - r);
        const LineValue v = h.lines[line];
        const QColor &colour = colours[line];
        const int top = BarTop[std::size_t(r - 1)];
        const auto bar = [&](int left, int width) {
            p.save();
            p.translate(left, top);
            TShape::paint(p, TShapeType::stRoundRect, width, BarHeight, Palette::clWhite, 1, colour, true);
            p.restore();
        };
        if (isYang(v)) {
            bar(BarLeft, BarWidth);
        } else {
            bar(BarLeft, HalfWidth);
            bar(BarLeft + BarWidth - HalfWidth, HalfWidth);
        }
        if (!marks)
            continue;
        if (v == 9) {
            p.save();
            p.translate(70, top - 3);
            TShape::paint(p, TShapeType::stCircle, 24, 24, Palette::clNavy, 3, {}, false);
            p.restore();
        } else if (v == 6) {
            p.setPen(QPen(Palette::clNavy, 2));
            p.drawLine(QLineF(72, top - 3, 92, top + 21));
            p.drawLine(QLineF(92, top - 3, 72, top + 21));
        }
        p.save();
        p.translate(ValueLeft, top);
        TShape::paint(p, TShapeType::stCircle, 20, 20, Palette::clMaroon, 1, Palette::clMoneyGreen, true);
        p.setPen(Qt::black);
        p.setFont(font(u"Liberation Sans"_s, 12));
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QString::number(v));
        p.restore();
    }
    p.restore();
}

void paintHexagramTexts(PageWriter &w, const ReadingHexagram &h)
{
    const QString serif = u"Liberation Serif"_s;
    w.text(u"%1 %2: %3"_s.arg(h.label, QString::number(h.number), h.title),
        font(u"Liberation Sans"_s, 13, true), Palette::clNavy, 2);
    w.text(ReadingHeadings::House + u' ' + h.house, font(serif, 11, false, true), Qt::black, 6);
    w.text(ReadingHeadings::Process, font(u"Liberation Sans"_s, 10, true), Palette::clPurple, 1);
    w.text(h.process, font(serif, 12), Qt::black, 6);
    w.text(ReadingHeadings::Advice, font(u"Liberation Sans"_s, 10, true), Palette::clPurple, 1);
    w.text(h.advice, font(serif, 12), Qt::black, 10);
}

void paintPage(QPainter &p, const QRectF &area, const Reading &r, const ReadingPageLook &look)
{
    const QString sans = u"Liberation Sans"_s;
    const QString serif = u"Liberation Serif"_s;
    PageWriter w(p, area);
    w.text(ReadingHeadings::Question, font(sans, 10, true), Palette::clPurple, 2);
    w.text(r.question, font(sans, 20, true), Palette::clNavy, 4);
    w.text(r.date + u"    "_s + r.methodCaption, font(sans, 10), Qt::darkGray, 6);
    w.rule();

    // The figures side by side, each with its number and title under it.
    const qreal half = area.width() / 2;
    const qreal figureWidth = LineArea.width() * PointsPerPixel;
    const qreal figureHeight = LineArea.height() * PointsPerPixel;
    const qreal top = w.y() + 4;
    const auto caption = [&](qreal left, const QString &line1, const QString &line2) {
        p.setPen(Palette::clNavy);
        p.setFont(font(sans, 11, true));
        const QRectF box(left, top + figureHeight + 6, half, 40);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, line1 + u'\n' + line2);
    };
    const qreal primaryLeft = area.left() + (half - figureWidth) / 2;
    paintFigure(p, { primaryLeft, top }, r.primary, look.primaryBars, look, true);
    caption(area.left(), u"%1 %2"_s.arg(r.primary.label).arg(r.primary.number), r.primary.title);
    const qreal secondLeft = area.left() + half + (half - figureWidth) / 2;
    if (r.secondary) {
        p.setPen(Palette::clNavy);
        p.setFont(font(sans, 28, true));
        p.drawText(QRectF(area.left() + half - 30, top, 60, figureHeight), Qt::AlignCenter, u"→"_s);
        paintFigure(p, { secondLeft, top }, *r.secondary, look.secondaryBars, look, false);
        caption(area.left() + half, u"%1 %2"_s.arg(r.secondary->label).arg(r.secondary->number),
            r.secondary->title);
    } else {
        const qreal side = 80 * PointsPerPixel;
        p.save();
        p.translate(area.left() + half + (half - side) / 2, top + (figureHeight - side) / 2);
        TTaoImage::paint(p, int(side), int(side));
        p.restore();
        caption(area.left() + half, r.changeHeading, QString());
    }
    w.setY(top + figureHeight + 50);
    w.rule();

    paintHexagramTexts(w, r.primary);
    if (!r.movingLines.isEmpty()) {
        w.text(ReadingHeadings::MovingLines, font(sans, 11, true), Palette::clPurple, 3);
        for (const ReadingLine &line : r.movingLines) {
            w.text(spokenLine(line.line, line.value), font(sans, 10, true), Qt::black, 1);
            w.text(line.text, font(serif, 12), Qt::black, 5);
        }
        w.space(6);
    }
    if (r.secondary) {
        w.text(r.changeHeading, font(sans, 11, true), Palette::clPurple, 3);
        paintHexagramTexts(w, *r.secondary);
    }

    p.setPen(QPen(Palette::clSilver, 0.8));
    const qreal footer = area.bottom() - 14;
    p.drawLine(QPointF(area.left(), footer - 4), QPointF(area.right(), footer - 4));
    p.setPen(Qt::darkGray);
    p.setFont(font(sans, 9));
    const QRectF footerBox(area.left(), footer, area.width(), 14);
    p.drawText(footerBox, Qt::AlignLeft | Qt::AlignVCenter, u"WENDARIX"_s);
    p.drawText(footerBox, Qt::AlignRight | Qt::AlignVCenter, r.date);
}

} // namespace

bool paintReadingPage(QPagedPaintDevice &device, const Reading &reading, const ReadingPageLook &look)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Work in points whatever the device's resolution.
    const qreal scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(painter, QRectF(0, 0, device.width() / scale, device.height() / scale), reading, look);
    return painter.end();
}
