#include "core/chart_points.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/activity_words.h"
#include "core/bidi_text.h"
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

using Lab = std::array<double, 3>;

double linear(double c) {
    c /= 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double labF(double t) {
    constexpr double d = 6.0 / 29;
    return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29;
}

Lab toLab(const QColor& c) {
    const double r = linear(c.red()), g = linear(c.green()), b = linear(c.blue());
    // sRGB to XYZ, relative to the D65 white.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    return {116 * labF(y) - 16, 500 * (labF(x) - labF(y)), 200 * (labF(y) - labF(z))};
}

double labDistance(const Lab& a, const Lab& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// Draws enough to find distinct colours for the first entries; the later ones keep the
// best of a few, since fifty colours cannot all be far apart.
constexpr int kDistinctTries = 2000;
constexpr int kLaterTries = 40;

}  // namespace

double colorDistance(const QColor& a, const QColor& b) { return labDistance(toLab(a), toLab(b)); }

void drawColors(ColorTable& colors, const std::function<std::uint32_t(std::uint32_t)>& draw) {
    std::vector<Lab> taken{toLab(windowsColor(kWhite))};
    for (int i = 0; i < kColorCount; ++i) {
        const int tries = i < kDistinctColors ? kDistinctTries : kLaterTries;
        std::uint32_t best = 0;
        double bestDistance = -1;
        for (int t = 0; t < tries && bestDistance < kMinColorDistance; ++t) {
            const std::uint32_t candidate = draw(kRandomColorLimit);
            const Lab lab = toLab(windowsColor(candidate));
            double nearest = 1e9;
            for (const Lab& other : taken) nearest = std::min(nearest, labDistance(lab, other));
            if (nearest > bestDistance) {
                bestDistance = nearest;
                best = candidate;
            }
        }
        colors[i] = best;
        taken.push_back(toLab(windowsColor(best)));
    }
}

void initAColorsSeeded(std::uint64_t seed) {
    SeededRandom random(seed);
    drawColors(aColors(), [&random](std::uint32_t limit) { return random.below(limit); });
}

std::uint64_t tableSeed(const ActivityTable& table) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto addRow = [&hash](const auto& texts) {
        for (const QString& text : texts) {
            hash.addData(text.toUtf8());
            hash.addData(QByteArrayView("\x1f", 1));
        }
        hash.addData(QByteArrayView("\x1e", 1));
    };
    // The English headings first, as the seed has always been taken, so that a file keeps
    // its colours in every language; then what the user typed, not the totals, which grow
    // with the clock.
    if (!table.empty()) {
        const auto& headings = tableDescription(table.front().kind).headings;
        addRow(QStringList(headings.begin(), headings.begin() + 5));
    }
    for (const Activity& row : table) addRow(row.texts);
    const QByteArray digest = hash.result();
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i) seed = (seed << 8) | std::uint8_t(digest[i]);
    return seed;
}

ColorTable& aColors() {
    static ColorTable colors{};
    return colors;
}

void initAColors(bool randomChoice, std::uint32_t color) {
    fillColors(aColors(), randomChoice, color);
}

void fillColors(ColorTable& colors, bool randomChoice, std::uint32_t color) {
    if (randomChoice)
        drawColors(colors, randomBelow);
    else
        colors.fill(color);
}

QColor windowsColor(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::vector<ChartRow> chartRows(const ActivityTable& table) {
    shownSubTotal(table);  // names a row without a total
    std::vector<ChartRow> rows;
    for (int r = 1, n = filledRows(table); r <= n; ++r) {
        const Activity& a = table[size_t(r - 1)];
        rows.push_back({a.name, shownWholeTotal(a.total->total)});
    }
    return rows;
}

std::vector<ChartPoint> chartPoints(const std::vector<ChartRow>& rows, double base, double subTotal,
                                    const ColorTable& colors) {
    std::vector<ChartPoint> points;
    if (subTotal > 0 && subTotal < base)
        points.push_back({base - subTotal,
                          //: The chart's slice for the rest of the hours lived or of the
                          //: lifetime income, beside the activities.
                          QCoreApplication::translate("Chart", "Other"), windowsColor(kWhite)});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double value = rows[i].total;
        // A zero row adds nothing but keeps its colour slot.
        if (value > 0) {
            const std::uint32_t color = i < colors.size() ? colors[i] : 0;
            points.push_back({value, rows[i].activity, windowsColor(color)});
        }
    }
    return points;
}

std::vector<ChartPoint> buildChartPoints(const ActivityTable& table, double base, double subTotal) {
    return chartPoints(chartRows(table), base, subTotal, aColors());
}

QString chartTitle(TableKind kind, const QString& name, const QString& caption) {
    const TableDescription& desc = tableDescription(kind);
    QString title = shownWords(desc.chartTitle).arg(isolated(name));
    if (desc.chartTitleHasCaption) title += QStringLiteral("  ") + isolated(caption);
    return title;
}

QString percentMark(double percent) {
    QString digits = trimDecimals(loc::plainNumber(percent, 2));
    if (digits == QStringLiteral("-0")) digits = QStringLiteral("0");
    return digits + QLatin1Char(' ') + loc::programLocale().percent();
}

QString legendValue(double value) { return trimDecimals(loc::formatNumber(value, 3)); }

QString barMark(const ChartPoint& point) {
    return isolated(point.label) + QStringLiteral("  ") + legendValue(point.value);
}

QString chartDescription(const std::vector<ChartPoint>& points) {
    double total = 0;
    for (const ChartPoint& p : points) total += p.value;
    std::vector<ChartPoint> sorted = points;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ChartPoint& a, const ChartPoint& b) { return a.value > b.value; });
    QStringList parts;
    for (const ChartPoint& p : sorted)
        //: What a screen reader says of one point of a chart: %1 is the activity, %2 its
        //: value and %3 its share, for example "Reading: 1,234 (5.2 %)".
        parts << QCoreApplication::translate("Chart", "%1: %2 (%3)")
                     .arg(isolated(p.label), legendValue(p.value),
                          percentMark(total > 0 ? 100 * p.value / total : 0));
    return parts.join(QStringLiteral("; "));
}

}  // namespace lt
