#pragma once
#include <QBrush>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace lt {

// A font of `family` sized in pixels, as the window's design gives its fonts.
QFont pixelFont(const QString& family, int pixels, bool bold = false);
// Paints `background` (the tiled picture) behind `w`.
void tile(QWidget* w, const QBrush& background);
// A page's navy heading at its top.
QLabel* pageHeading(const QString& text, QWidget* page);

}  // namespace lt
