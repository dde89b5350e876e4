#include "ui/chart_export.h"

#include <QChart>
#include <QCoreApplication>

#include "core/chart_layout.h"
#include "ui/graph_window.h"
#include "ui/report_export.h"

namespace lt {

bool saveChartImage(const QString& path, const QString& title,
                    const std::vector<ChartPoint>& points, bool bars, QWidget* parent) {
    TfrmGraph frm;
    frm.setTitle(title);
    frm.setPoints(points);
    if (bars)
        frm.rbBarClick();
    else
        frm.rbPieClick();
    frm.chart()->resize(kExportedChartSize);
    // The chart finishes its layout in posted events.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    return saveFileBytes(path, frm.imageBytes(imageFormatFor(path)), parent);
}

}  // namespace lt
