#pragma once
#include <QSize>
#include <QString>
#include <vector>

#include "core/chart_points.h"

class QWidget;

namespace lt {

// The size a chart is laid out at for a file, in pixels; a PNG is drawn at twice this.
inline constexpr QSize kExportedChartSize{800, 500};

// The chart window's chart of `points` under `title`, as a pie or as bars, in a file
// (a PNG of 1600 x 1000 pixels, or an SVG when the name ends in ".svg"), drawn without
// showing the window. The old file is kept when the new one cannot be written; the
// failure ("Unable to write to <full path>") has then been shown.
bool saveChartImage(const QString& path, const QString& title,
                    const std::vector<ChartPoint>& points, bool bars, QWidget* parent = nullptr);

}  // namespace lt
