#pragma once
#include <QPageLayout>
#include <functional>

class QPainter;
class QPrinter;
class QRectF;

namespace lt {

// Turns a printer landscape for as long as it lives, then gives the printer its own
// orientation back (the print dialog shows it next time as the user left it).
class LandscapeTurn {
public:
    explicit LandscapeTurn(QPrinter& printer);
    ~LandscapeTurn();
    LandscapeTurn(const LandscapeTurn&) = delete;
    LandscapeTurn& operator=(const LandscapeTurn&) = delete;

private:
    QPrinter& printer_;
    QPageLayout::Orientation before_;
};

// Prints on landscape pages within 5% margins on every side. `paint` is handed the
// painter, begun on the printer, and the area within the margins in the printer's
// pixels; it may start further pages, and says whether they went. False when the
// printer could not be used or a page could not be started.
bool printLandscape(QPrinter& printer,
                    const std::function<bool(QPainter& painter, const QRectF& area)>& paint);

}  // namespace lt
