#pragma once
#include <QColor>
#include <QDate>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "core/chart_layout.h"
#include "core/timeline_rows.h"

// Where everything of the timeline goes, at whatever size it is drawn: the window, a
// printed page, a picture file. Drawing only follows it.
namespace lt {

// Bands thin from the first to the second before the picture grows taller than asked.
inline constexpr double kTimelineBandMost = 22;
inline constexpr double kTimelineBandLeast = 6;

struct TimelineText {
    QRectF rect;
    QString text;
    ChartFace face = ChartFace::Label;
    int pixels = kLabelPixels;
};

struct TimelineTick {
    double x = 0;
    TimelineText text;
};

struct TimelineBand {
    int group = 0;  // in the input
    int row = 0;
    QRectF lane;                      // all the row takes up, across the picture
    QRectF solid;                     // up to today; empty when the row starts later
    QRectF ahead;                     // after today, "if it goes on" or planned; empty when ended
    QRectF mark;                      // a "Once" row's mark; empty for a band
    std::vector<TimelineText> label;  // one line, or more where the picture is narrow
    TimelineText total;
    bool totalOnBand = false;  // within one part of the band rather than beside it
    QColor color;
};

struct TimelineLayout {
    // The width asked for; the height asked for, or more when the bands need more.
    QSizeF size;
    double contentHeight = 0;  // down to the key's foot
    std::vector<TimelineText> title;
    QDate first, last;  // the axis' dates
    double left = 0;    // where the axis starts and ends
    double right = 0;
    double lanesTop = 0;              // the year axis
    double lanesBottom = 0;           // the age axis
    double band = kTimelineBandMost;  // how thick a band is
    std::vector<TimelineTick> years;  // on 1 January, above the lanes
    std::vector<TimelineTick> ages;   // on the birthdays, below them
    double todayX = 0;
    TimelineText today;                  // "Today", above the years
    std::vector<TimelineText> headings;  // the tables' titles
    std::vector<TimelineBand> bands;     // in table order, row order
    QRectF keySolid, keyAhead;           // the key's two swatches, below the ages
    TimelineText keySolidText, keyAheadText;
    // Where a printed page may end: before a heading or a lane that is not a heading's
    // first, and at the lanes' bottom.
    std::vector<double> breaks;

    double xOf(const QDate& date) const;
};

// The timeline of `in` laid out `size` large. No two texts overlap, none leaves the
// picture, and every band and mark lies on the axis.
TimelineLayout layoutTimeline(const TimelineInput& in, const QSizeF& size,
                              const ChartTextMetrics& metrics);

// Every text placed, for checks and for the screen reader's order.
std::vector<TimelineText> timelineTexts(const TimelineLayout& layout);

// The pages a layout takes on a page whose room for lanes (below the title and years,
// above the ages and key) is `laneRoom`: the lanes' top and bottom for each page.
std::vector<std::pair<double, double>> timelinePages(const TimelineLayout& layout, double laneRoom);

}  // namespace lt
