#pragma once
#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/activity.h"
#include "core/table_shape.h"

namespace lt {

// One colour per data row of a table: data row r uses entry r - 1.
constexpr int kColorCount = 50;
// Colours are kept as Windows colour values, 0x00BBGGRR.
using ColorTable = std::array<std::uint32_t, kColorCount>;

// The program's colour table; it lives for the whole run.
ColorTable& aColors();
// Refills aColors(): with `randomChoice` every entry gets a uniform whole number from
// 0 to 9,999,998 (the random source is seeded from the clock once per run); without
// it every entry gets `color`.
void initAColors(bool randomChoice, std::uint32_t color);
// The same for any table.
void fillColors(ColorTable& colors, bool randomChoice, std::uint32_t color);
// The random choice from `draw` (a uniform whole number below its argument). A colour
// that looks close to one drawn before it or to white (the "Other" point and the
// chart's background) is drawn again: the first kDistinctColors entries until they are
// at least kMinColorDistance apart, later ones keep the farthest of a few draws.
void drawColors(ColorTable& colors, const std::function<std::uint32_t(std::uint32_t)>& draw);
// aColors() drawn from a generator seeded with `seed`, for pictures that must come out
// the same every time.
void initAColorsSeeded(std::uint64_t seed);
// A seed from a table's rows as entered, totals left out: the same rows give the same
// seed on every run and every day.
std::uint64_t tableSeed(const ActivityTable& table);

inline constexpr int kDistinctColors = 12;
inline constexpr double kMinColorDistance = 35;
// How different two colours look: CIE76, the distance of the two in CIE L*a*b* (D65).
double colorDistance(const QColor& a, const QColor& b);

// 0x00BBGGRR to a QColor.
QColor windowsColor(std::uint32_t value);

// What the chart takes of a table row.
struct ChartRow {
    QString activity;
    double total = 0;  // the whole number the table shows (shownWholeTotal)
};

// The filled rows of a table. Throws ConversionError, naming the cell, for a row
// without a total.
std::vector<ChartRow> chartRows(const ActivityTable& table);

// One point of a chart.
struct ChartPoint {
    double value = 0;
    QString label;
    QColor color;

    bool operator==(const ChartPoint&) const = default;
};

// The points of a chart: "Other" (white, base - subTotal) first when subTotal is above
// 0 and below `base`, then one point per row whose shown total is above 0, in the
// colour of entry r - 1 for the table's row r (rows[0] is row 1). A base of 0 means no
// lifetime figure (frequency).
std::vector<ChartPoint> chartPoints(const std::vector<ChartRow>& rows, double base, double subTotal,
                                    const ColorTable& colors);

// The points of a table as the main window charts it: its filled rows, coloured from
// aColors(). Throws ConversionError for a row without a total.
std::vector<ChartPoint> buildChartPoints(const ActivityTable& table, double base, double subTotal);

// The title of the chart of table `kind`; `caption` is the age or income line.
QString chartTitle(TableKind kind, const QString& name, const QString& caption);

// A pie mark, "##0.## %": up to two decimals, a blank and a percent sign.
QString percentMark(double percent);
// A legend value, "#,##0.###": grouped, up to three decimals.
QString legendValue(double value);
// A bar's label, "label  value"; a right-to-left label keeps its place before the value.
QString barMark(const ChartPoint& point);

// What a screen reader says for a chart: every point, largest first, as
// "label: value (share)", the share being of the sum of all points.
QString chartDescription(const std::vector<ChartPoint>& points);

}  // namespace lt
