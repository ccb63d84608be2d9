#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Helpers shared by the widget tests.

// The widget's Paint over a transparent image, so that untouched pixels read as 0.
template <typename Widget> QImage render(const Widget &widget, QSize size = {})
{
    QImage image(size.isValid() ? size : widget.size(), QImage::Format_ARGB32);
    image.fill(0);
    QPainter painter(&image);
    widget.Paint(painter);
    return image;
}

// Compares pixels given as "x,y=c x,y=c ..."; colourOf turns a code into the expected QRgb.
template <typename ColourOf> void checkPixels(const QImage &image, const QString &expected, ColourOf colourOf)
{
    for (const QString &item : expected.split(u' ')) {
        const QStringList parts = item.split(u'=');
        const QStringList xy = parts[0].split(u',');
        const QColor actual = QColor::fromRgba(image.pixel(xy[0].toInt(), xy[1].toInt()));
        const QColor want = QColor::fromRgba(colourOf(parts[1][0]));
        if (actual != want)
            qWarning("at %s", qPrintable(item));
        QCOMPARE(actual, want);
    }
}

// The bounding box of the pixels in the given colour.
inline QRect ink(const QImage &image, QRgb color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A shown window with a red background, for checking what shows through a child.
inline void makeRedWindow(QWidget &window, QSize size)
{
    window.resize(size);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::red);
    window.setPalette(palette);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}
