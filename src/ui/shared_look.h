#pragma once
#include <QColor>
#include <QFont>
#include <QString>

// The part of the windows' look that the outputs library shares, linked into both.
namespace lt {

// `family` at a height in pixels, as the windows were laid out.
QFont pixelFont(const QString& family, int pixels, bool bold = false, bool italic = false);

// The navy of titles, headings and credits.
QColor navy();

// The hourglass for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace lt
