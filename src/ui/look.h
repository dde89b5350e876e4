#pragma once
#include <QString>

#include "ui/shared_look.h"

class QBrush;
class QLabel;
class QScreen;
class QToolButton;
class QWidget;

// The look the windows share.
namespace lt {

// Moves a top-level window to the middle of the available area of `screen` (the
// window's own when none is given).
void centreOnScreen(QWidget* window, const QScreen* screen = nullptr);

// The calendar button beside a date field: 25 x 25 at (left, top), glyph only, takes
// no focus.
QToolButton* calendarButton(QWidget* parent, int left, int top);

// Paints `background` (the tiled picture) behind `w`.
void tile(QWidget* w, const QBrush& background);
// A page's navy heading at its top.
QLabel* pageHeading(const QString& text, QWidget* page);

}  // namespace lt
