#pragma once

#include <QString>

// What the question dialog asks of the program around it: the main window it covers and the
// view-switching state it resets before a new consultation.
class DialogHost
{
public:
    virtual ~DialogHost() = default;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void focusMainWindow() = 0;
    // The normal view again: btTussenHex "R", secondaryViewActive false, btKernHex "S".
    virtual void resetViewButtons() = 0;
    // The list-number label of the main window (lbRegelnr), e.g. "Nieuw".
    virtual void setListNumberCaption(const QString &caption) = 0;
    // Closing the main window ends the program.
    virtual void closeMainWindow() = 0;
};
