#include "output/landscape_print.h"

#include <QPainter>
#include <QPrinter>

namespace lt {
namespace {
constexpr qreal kPrintMargin = 0.05;  // of the page, on every side
}  // namespace

LandscapeTurn::LandscapeTurn(QPrinter& printer)
    : printer_(printer), before_(printer.pageLayout().orientation()) {
    printer_.setPageOrientation(QPageLayout::Landscape);
}

LandscapeTurn::~LandscapeTurn() { printer_.setPageOrientation(before_); }

bool printLandscape(QPrinter& printer,
                    const std::function<bool(QPainter& painter, const QRectF& area)>& paint) {
    const LandscapeTurn turn(printer);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page(0, 0, printer.width(), printer.height());
    const bool painted =
        paint(painter, page.adjusted(page.width() * kPrintMargin, page.height() * kPrintMargin,
                                     -page.width() * kPrintMargin, -page.height() * kPrintMargin));
    return painter.end() && painted;
}

}  // namespace lt
