#pragma once

class QApplication;
class QPalette;

// The program's look, the same under every desktop theme: the Fusion style, a fixed light
// palette and metric-compatible stand-ins for the Windows fonts the layout was made for.
// The window tests apply it too, so they see what the user sees.
void applyWendarixLook(QApplication &app);

// The fixed light palette; Light and Dark are the button highlight and shadow colours.
QPalette wendarixPalette();
