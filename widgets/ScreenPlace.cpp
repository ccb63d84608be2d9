#include "ScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint fitInto(const QRect &frame, const QRect &available)
{
    // Right and bottom first, so that a window wider or taller than the area keeps its
    // title bar and left edge on it.
    const int x
        = std::max(std::min(frame.x(), available.x() + available.width() - frame.width()), available.x());
    const int y
        = std::max(std::min(frame.y(), available.y() + available.height() - frame.height()), available.y());
    return { x, y };
}

void placeOnScreen(QWidget &window, QPoint topLeft)
{
    const QScreen *screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect frame(topLeft, window.frameGeometry().size());
    window.move(screen ? fitInto(frame, screen->availableGeometry()) : topLeft);
}
