#pragma once
#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
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

// ---- the whole chart --------------------------------------------------------------
// One rule places the title, the plot with its marks, the legend and the footer, at
// whatever size the chart is drawn: the window, a printed page, its preview, a file.

// The chart's type, measured: widths and heights of texts in each face at a pixel size.
enum class ChartFace { Title, Label, Footer };
class ChartTextMetrics {
public:
    virtual ~ChartTextMetrics() = default;
    virtual double width(ChartFace face, int pixels, const QString& text) const = 0;
    // The height of a line of that type.
    virtual double height(ChartFace face, int pixels) const = 0;
};

// The designed sizes: title 16 pixels, labels and footer 11.
inline constexpr int kTitlePixels = 16;
inline constexpr int kLabelPixels = 11;
// Smaller type is tried before more columns, down to the second; the last is the least
// any text is drawn at.
inline constexpr int kSmallLabelPixels = 9;
inline constexpr int kLeastLabelPixels = 6;
inline constexpr double kBarMinLength = 4;  // pixels: a bar above zero stays visible

enum class ChartKind { Pie, Bars };

struct ChartLayoutInput {
    QSizeF size;
    QString title;
    QString footer;
    ChartKind kind = ChartKind::Pie;
    // One entry each per point, in the points' order.
    std::vector<double> values;
    QStringList legendValues;  // "#,##0.###"
    QStringList labels;
    QStringList marks;  // the pie's "##0.## %" marks, or each bar's "label  value"
    double pieStart = 0;
};

struct ChartLegendLayout {
    QRectF frame;  // empty when there are no points
    int pixels = kLabelPixels;
    int columns = 1;
    double valueWidth = 0;  // the right-aligned value column
    // One per legend entry, last point first, filled top to bottom, column by column.
    QList<QRectF> entries;
};

struct ChartLayout {
    QStringList titleLines;    // the title broken into the lines shown
    QRectF title;              // around the lines
    QList<QRectF> titleRects;  // each line, centred
    QRectF footer;
    ChartLegendLayout legend;
    QRectF plot;  // the pie with its marks, or the bars (axis labels outside it)

    // The pie.
    QPointF centre;
    double radius = 0;
    int markPixels = kLabelPixels;
    // One per mark; a mark names the point `markPoints[i]`. Where the marks of the
    // smallest slices cannot all have room, one mark sums them up after the others
    // (its point is the largest of them).
    std::vector<PieMarkPlace> marks;
    std::vector<int> markPoints;
    QStringList markTexts;

    // The bars, first point at the bottom: one label per point, right-aligned against the
    // plot, and the value axis.
    int barLabelPixels = kLabelPixels;
    QList<QRectF> barLabels;
    QRectF valueAxis;           // under the plot, for the axis labels
    std::vector<double> ticks;  // from 0; the last is the axis' end
    QStringList tickTexts;      // in the locale's numbers
    QList<QRectF> tickLabels;
    double barMinimum = 0;  // in values: what a bar is drawn at least as long as
};

// The layout of a chart of `in.size` (pixels of the chart, not of a device).
ChartLayout layoutChart(const ChartLayoutInput& in, const ChartTextMetrics& metrics);

// The title broken at blanks into lines no wider than `width` (a word wider than that
// is broken where it must).
QStringList wrapTitle(const QString& title, double width, const ChartTextMetrics& metrics);
// The same for any text in `face` at `pixels`.
QStringList wrapText(const QString& text, double width, const ChartTextMetrics& metrics,
                     ChartFace face, int pixels);

// "N more, x %": the one mark for the slices whose own marks found no room.
QString gatheredMark(int count, const QString& percent);

// A value axis from 0 past `most`: round steps, `ticks` of them at most.
std::vector<double> valueTicks(double most, int ticks);

// Saved chart pictures.
enum class ImageFormat { Png, Svg };
// SVG for a name ending in ".svg" (any case), PNG otherwise.
ImageFormat imageFormatFor(const QString& fileName);
// The size a picture of a chart shown at `shown` is saved at: the same proportions,
// at least 1600 x 1000 pixels.
QSize savedImageSize(const QSizeF& shown);
// An SVG whose root element declares its size in millimetres, given its size in pixels
// instead ("1600px"), so that it imports at that size (96 pixels to the inch). The
// viewBox is left as it is.
QByteArray svgSizedInPixels(const QByteArray& svg, const QSize& pixels);
// The SVG with `title` and `description` as the texts of its first <title> and <desc>
// elements, escaped for XML (names hold "&" and "<").
QByteArray svgTitled(const QByteArray& svg, const QString& title, const QString& description);

}  // namespace lt
