#pragma once
#include <QSize>

#include "core/timeline_layout.h"

class QPainter;

namespace lt {

// The one drawing of the timeline: the window, each printed page and the picture files
// all come from here.

// The height of a page showing the lanes from `from` to `to` under the title and years,
// with the ages and the key below them.
double timelinePageHeight(const TimelineLayout& layout, double from, double to);
// Draws that page at the painter's origin, in the layout's units.
void paintTimeline(QPainter& painter, const TimelineLayout& layout, double from, double to);
// The whole picture.
void paintTimeline(QPainter& painter, const TimelineLayout& layout);

// The layout of `input` at `size`, in the charts' type.
TimelineLayout timelineLayout(const TimelineInput& input, const QSizeF& size);
// What a screen reader reads for the picture: each band, one a line.
QString timelineDescription(const TimelineInput& input);

}  // namespace lt
