#pragma once
#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "core/chart_layout.h"
#include "core/chart_points.h"

class QPainter;
class QWidget;

namespace lt {

class ChartScene;

// The size a chart is laid out at for a file, in pixels; a PNG is drawn at twice this.
inline constexpr QSize kExportedChartSize{800, 500};

// A picture `pixels` large drawn by `paint`, as the bytes of an image file of `format`; an
// SVG keeps its texts as text and carries `title` and `description`. Empty when the
// picture could not be made.
QByteArray paintedImageBytes(ImageFormat format, const QSize& pixels, const QString& title,
                             const QString& description,
                             const std::function<void(QPainter&)>& paint);

// The chart laid out at `size`, as the bytes of an image file of `format`: a PNG of at
// least 1600 x 1000 pixels in the same proportions, or an SVG of that many pixels that
// keeps its texts as text.
QByteArray chartImageBytes(ChartScene& chart, ImageFormat format, const QSizeF& size);

// The chart of `points` under `title`, as a pie or as bars, in a file (a PNG, or an SVG
// when the name ends in ".svg"), drawn without a window. The old file is kept when the
// new one cannot be written; the failure ("Unable to write to <full path>") has then
// been shown.
bool saveChartImage(const QString& path, const QString& title,
                    const std::vector<ChartPoint>& points, bool bars, QWidget* parent = nullptr);

}  // namespace lt
