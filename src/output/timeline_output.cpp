#include "output/timeline_output.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "output/chart_export.h"
#include "output/host.h"
#include "output/landscape_print.h"
#include "output/timeline_paint.h"

namespace lt {
namespace {
constexpr qreal kPrintedWidth = 1000;      // the layout's width on paper, in its pixels
constexpr double kLeastImageWidth = 1600;  // as the charts' pictures
}  // namespace

QByteArray timelineImageBytes(const TimelineInput& input, ImageFormat format, double width,
                              double height) {
    const TimelineLayout layout = timelineLayout(input, QSizeF(width, height));
    const double scale = std::max(1.0, kLeastImageWidth / width);
    const QSize pixels(int(std::ceil(layout.size.width() * scale)),
                       int(std::ceil(layout.contentHeight * scale)));
    return paintedImageBytes(format, pixels, input.title, timelineDescription(input),
                             [&](QPainter& painter) {
                                 painter.scale(scale, scale);
                                 paintTimeline(painter, layout);
                             });
}

bool saveTimelineImage(const QString& path, const TimelineInput& input, QWidget* parent) {
    return host().saveFileBytes(path,
                                timelineImageBytes(input, imageFormatFor(path),
                                                   kExportedTimelineWidth, kExportedTimelineHeight),
                                parent);
}

bool printTimeline(const TimelineInput& input, QPrinter& printer) {
    return printLandscape(printer, [&](QPainter& painter, const QRectF& area) {
        const double scale = area.width() / kPrintedWidth;
        const double pageHeight = area.height() / scale;
        // Laid out at the page's proportions: one page when the bands fit on it, else
        // pages that end between two lanes.
        const TimelineLayout layout = timelineLayout(input, QSizeF(kPrintedWidth, pageHeight));
        const double room = pageHeight - timelinePageHeight(layout, 0, 0);
        const auto pages = timelinePages(layout, room);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !printer.newPage()) return false;
            painter.save();
            painter.translate(area.topLeft());
            painter.scale(scale, scale);
            paintTimeline(painter, layout, pages[i].first, pages[i].second);
            painter.restore();
        }
        return true;
    });
}

}  // namespace lt
