#pragma once

#include "ReadingText.h"

#include <QColor>

#include <array>

class QPagedPaintDevice;
class TGradientPanel;

// What the page borrows from the window: the bar colours of the scheme on screen (line 1 first)
// and the gradient behind the lines.
struct ReadingPageLook
{
    std::array<QColor, 6> primaryBars;
    std::array<QColor, 6> secondaryBars;
    const TGradientPanel *lineBackground = nullptr;
};

// Lays the reading out as one page a person keeps: the question as heading, both hexagrams drawn
// as figures, the texts, the program's name and the date in the footer. The device keeps its
// page size and margins. False when the device cannot be painted on.
bool paintReadingPage(QPagedPaintDevice &device, const Reading &reading, const ReadingPageLook &look);
