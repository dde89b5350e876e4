#pragma once
#include <QByteArray>
#include <QString>

#include "core/chart_layout.h"
#include "core/timeline_rows.h"

class QPrinter;
class QWidget;

namespace lt {

// The width a timeline is laid out at for a file, in pixels; a PNG is drawn at twice it.
inline constexpr double kExportedTimelineWidth = 800;
// The least height it is laid out at: more when its bands need more.
inline constexpr double kExportedTimelineHeight = 500;

// The timeline laid out `width` wide (as tall as the bands need, `height` at least), as
// the bytes of an image file of `format`: a PNG at least 1600 pixels wide, or an SVG that
// keeps its texts as text. Empty when the picture could not be made.
QByteArray timelineImageBytes(const TimelineInput& input, ImageFormat format, double width,
                              double height);

// The timeline in a file (a PNG, or an SVG when the name ends in ".svg"), drawn without a
// window. The old file is kept when the new one cannot be written; the failure ("Unable
// to write to <full path>") has then been shown.
bool saveTimelineImage(const QString& path, const TimelineInput& input, QWidget* parent = nullptr);

// Prints the timeline on landscape pages within 5% margins, as many as its bands take,
// then puts the printer's orientation back. False when the printer could not be used.
bool printTimeline(const TimelineInput& input, QPrinter& printer);

}  // namespace lt
