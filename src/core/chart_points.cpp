#include "core/chart_points.h"

#include <algorithm>

#include "core/locale_format.h"
#include "core/random_source.h"
#include "core/table_description.h"
#include "core/table_shape.h"
#include "core/totals.h"

namespace lt {
namespace {

// Random colour values run from 0 to 9,999,998.
constexpr std::uint32_t kRandomColorLimit = 9'999'999;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Drops trailing zeros of the decimal part, and the separator when nothing is left.
QString trimDecimals(QString text) {
    const QChar sep = loc::decimalSeparator();
    if (!text.contains(sep)) return text;
    // The locale's own zero (Arabic-Indic "٠", or a surrogate pair in Chakma).
    const QString zero = loc::formatNumber(0, 0);
    while (text.endsWith(zero)) text.chop(zero.size());
    if (text.endsWith(sep)) text.chop(1);
    return text;
}

}  // namespace

ColorTable& aColors() {
    static ColorTable colors{};
    return colors;
}

void initAColors(bool randomChoice, std::uint32_t color) {
    fillColors(aColors(), randomChoice, color);
}

void fillColors(ColorTable& colors, bool randomChoice, std::uint32_t color) {
    for (std::uint32_t& entry : colors)
        entry = randomChoice ? randomBelow(kRandomColorLimit) : color;
}

QColor windowsColor(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::vector<ChartRow> chartRows(const std::vector<QStringList>& table, int n) {
    std::vector<ChartRow> rows;
    for (int r = 1; r <= n && r < int(table.size()); ++r)
        rows.push_back({table[r].value(0), table[r].value(5)});
    return rows;
}

std::vector<ChartPoint> chartPoints(const std::vector<ChartRow>& rows, double base, double subTotal,
                                    const ColorTable& colors) {
    std::vector<ChartPoint> points;
    if (subTotal > 0 && subTotal < base)
        points.push_back({base - subTotal, QStringLiteral("Other"), windowsColor(kWhite)});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double value = totalCellValue(rows[i].total);
        // A zero row adds nothing but keeps its colour slot.
        if (value > 0) {
            const std::uint32_t color = i < colors.size() ? colors[i] : 0;
            points.push_back({value, rows[i].activity, windowsColor(color)});
        }
    }
    return points;
}

std::vector<ChartPoint> buildChartPoints(const std::vector<QStringList>& table, double base,
                                         double subTotal) {
    return chartPoints(chartRows(table, numNonBlankRows(table)), base, subTotal, aColors());
}

QString chartTitle(TableKind kind, const QString& name, const QString& caption) {
    const TableDescription& desc = tableDescription(kind);
    QString title = QLatin1String(desc.chartTitleWords) + name;
    if (desc.chartTitleHasCaption) title += QStringLiteral("  ") + caption;
    return title;
}

QString percentMark(double percent) {
    QString digits = trimDecimals(loc::plainNumber(percent, 2));
    if (digits == QStringLiteral("-0")) digits = QStringLiteral("0");
    return digits + QStringLiteral(" %");
}

QString legendValue(double value) { return trimDecimals(loc::formatNumber(value, 3)); }

QString chartDescription(const std::vector<ChartPoint>& points) {
    double total = 0;
    for (const ChartPoint& p : points) total += p.value;
    std::vector<ChartPoint> sorted = points;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ChartPoint& a, const ChartPoint& b) { return a.value > b.value; });
    QStringList parts;
    for (const ChartPoint& p : sorted)
        parts << QStringLiteral("%1: %2 (%3)")
                     .arg(p.label, legendValue(p.value),
                          percentMark(total > 0 ? 100 * p.value / total : 0));
    return parts.join(QStringLiteral("; "));
}

}  // namespace lt
