#include "output/chart_print.h"

#include <QChart>
#include <QPainter>
#include <algorithm>

#include "output/chart_scene.h"
#include "output/landscape_print.h"

namespace lt {

bool printChartPage(ChartScene& chart, QPrinter& printer) {
    return printLandscape(printer, [&](QPainter& painter, const QRectF& area) {
        // Laid out at the height shown and the page's proportions, so that the type
        // keeps its size against the chart.
        const qreal height = std::max<qreal>(chart.chart()->size().height(), 400);
        chart.draw(painter, area, QSizeF(height * area.width() / area.height(), height));
        return true;
    });
}

}  // namespace lt
