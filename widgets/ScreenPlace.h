#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Puts a top-level window at its given top-left corner (its frame's, as QWidget::move does)
// when it fits the available area of the screen there; otherwise moves it just far enough to
// lie wholly on that area, or at its top-left corner when the window is larger still. Every
// window of the program is placed through here.
void placeOnScreen(QWidget &window, QPoint topLeft);

// Where a window of this frame rectangle lies wholly in `available`, moved as little as may be.
QPoint fitInto(const QRect &frame, const QRect &available);
