#pragma once

class QWidget;

// What a screen reader sees of the program's windows. Qt exposes every child widget; the
// painted frames, gradients and shapes only decorate and would be read as empty fillers.

// Marks a control that only decorates: the program's windows leave it out of their tree.
void markDecorative(QWidget *control);

// Marks one of the program's own top-level windows. Call it first in the window's constructor,
// before anything can ask for its accessible interface (which is made once and kept).
void markProgramWindow(QWidget *window);

// Installs the interface of the marked windows: role Window (Dialog for a dialog), and among
// their children neither decorative controls nor unnamed fillers. Call once at start-up.
void installAccessibleWindows();
