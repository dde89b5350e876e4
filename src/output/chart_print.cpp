#include "output/chart_print.h"

#include <QChart>
#include <QPainter>
#include <QPrinter>

#include "output/chart_scene.h"

namespace lt {
namespace {
constexpr qreal kPrintMargin = 0.05;  // of the page, on every side
}  // namespace

bool printChartPage(ChartScene& chart, QPrinter& printer) {
    const QPageLayout::Orientation before = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    bool ok = painter.begin(&printer);
    if (ok) {
        const QRectF page(0, 0, printer.width(), printer.height());
        const QRectF target(page.width() * kPrintMargin, page.height() * kPrintMargin,
                            page.width() * (1 - 2 * kPrintMargin),
                            page.height() * (1 - 2 * kPrintMargin));
        // Laid out at the height shown and the page's proportions, so that the type
        // keeps its size against the chart.
        const qreal height = std::max<qreal>(chart.chart()->size().height(), 400);
        chart.draw(painter, target, QSizeF(height * target.width() / target.height(), height));
        ok = painter.end();
    }
    printer.setPageOrientation(before);
    return ok;
}

}  // namespace lt
