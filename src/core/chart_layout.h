#pragma once
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <vector>

namespace lt {

// Angles are in degrees, clockwise from 12 o'clock, as the pie draws its slices.

// The middle angle of each slice of a pie of `values` whose first slice starts at
// `startAngle`.
std::vector<double> sliceMidAngles(const std::vector<double>& values, double startAngle);

// Where a slice mark goes and the arm that joins it to its slice: from the slice's
// edge outwards by the arm length, then bent to reach the mark.
struct PieMarkPlace {
    QRectF rect;
    QPolygonF arm;
    bool right = false;  // in the column at the right of the pie
};

struct PieMarkGeometry {
    QPointF centre;
    double radius = 0;
    double arm = 8;      // the straight part leaving the slice
    double run = 16;     // room between the arm's end and the first column of marks
    double spacing = 2;  // between two marks, and between columns
};

// How many columns a side of the pie needs to stack `count` marks `markHeight` high
// within `areaHeight`. Neighbouring marks go to different columns, so each column
// holds every n-th mark.
int pieMarkColumns(int count, double markHeight, double areaHeight, double spacing = 2);

// Places one mark per slice (`midAngles`, `sizes` in the same order) in columns left
// and right of the pie, sorted by the height the slice leaves the pie at and pushed
// apart so that no two marks overlap, within `area` where they fit in it.
std::vector<PieMarkPlace> layoutPieMarks(const std::vector<double>& midAngles,
                                         const std::vector<QSizeF>& sizes,
                                         const PieMarkGeometry& pie, const QRectF& area);

// A legend of `count` entries `rowHeight` high in at most `maxHeight`: the columns it
// needs, filled top to bottom, first column first.
int legendColumns(int count, double rowHeight, double maxHeight);

// Saved chart pictures.
enum class ImageFormat { Png, Svg };
// SVG for a name ending in ".svg" (any case), PNG otherwise.
ImageFormat imageFormatFor(const QString& fileName);
// The size a picture of a chart shown at `shown` is saved at: the same proportions,
// at least 1600 x 1000 pixels.
QSize savedImageSize(const QSizeF& shown);

}  // namespace lt
