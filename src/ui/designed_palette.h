#pragma once
#include <QPalette>

class QWidget;

namespace lt {

// The program's own colours: dark text on light fields and faces. The wizard paints a
// light background picture, so its text must stay dark whatever the desktop's theme.
QPalette designedPalette();

// Gives a window and everything on it the designed colours; child widgets made later
// take them too. Call it before the window reads colours from its palette.
void applyDesignedPalette(QWidget* window);

}  // namespace lt
