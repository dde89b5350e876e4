#pragma once
#include <QSize>
#include <QStringList>

class QLabel;
class QWidget;

// Room for longer texts. The windows are laid out at fixed places that hold their
// English texts; a longer text (another language) makes its control grow, what lies
// beyond the control moves along, and the window grows with it. In English nothing
// moves, so the designed geometry holds.
namespace lt {

// The size `w` needs to show its own text whole (labels, buttons, check and radio
// boxes, group box titles), at least its minimum size; other controls need the size
// they have.
QSize textNeed(const QWidget* w);

// Gives every control inside `container` the room its text needs. Controls placed at
// fixed positions grow to the right (word-wrapped labels downward); the controls that
// would then be covered, and everything beyond them, move by as much, and so do the
// container's edges. Children with a layout of their own are arranged inside it and
// get a minimum size the layout keeps. Returns the size the container needs (never
// smaller than it is); the caller places it.
QSize arrangeForTexts(QWidget* container);

// arrangeForTexts for a top-level window, which takes the size it needs: a fixed-size
// window keeps a fixed size.
void fitWindowToTexts(QWidget* window);

// A label whose text changes while it is shown keeps room for the widest of `samples`
// (word-wrapped labels: the tallest at their width).
void reserveTexts(QLabel* label, const QStringList& samples);

}  // namespace lt
