#include "core/chart_layout.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/bidi_text.h"
#include "core/chart_points.h"
#include "core/locale_format.h"

namespace lt {

std::vector<double> sliceMidAngles(const std::vector<double>& values, double startAngle) {
    double total = 0;
    for (double v : values) total += v;
    std::vector<double> out;
    double before = 0;
    for (double v : values) {
        out.push_back(total > 0 ? startAngle + 360 * (before + v / 2) / total : startAngle);
        before += v;
    }
    return out;
}

int pieMarkColumns(int count, double markHeight, double areaHeight, double spacing) {
    int columns = 1;
    while (columns < count &&
           (count - 1) * (markHeight + spacing) / columns + markHeight > areaHeight)
        ++columns;
    return columns;
}

namespace {

// Distance from `p` to the segment from `a` to `b`.
double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

struct SideMark {
    std::size_t index;
    QPointF edge;
    QPointF elbow;
};

void placeSide(std::vector<SideMark>& marks, bool right, const std::vector<QSizeF>& sizes,
               const PieMarkGeometry& pie, const QRectF& area, std::vector<PieMarkPlace>& out) {
    if (marks.empty()) return;
    std::stable_sort(marks.begin(), marks.end(), [](const SideMark& a, const SideMark& b) {
        return a.elbow.y() < b.elbow.y();
    });
    double height = 0, width = 0;
    for (const SideMark& m : marks) {
        height = std::max(height, sizes[m.index].height());
        width = std::max(width, sizes[m.index].width());
    }
    const int count = int(marks.size());
    const int columns = pieMarkColumns(count, height, area.height(), pie.spacing);
    // Neighbours sit in different columns, so a column's marks are `columns` slots apart.
    const double slot = (height + pie.spacing) / columns;

    std::vector<double> tops(marks.size());
    for (int j = 0; j < count; ++j) {
        const double wanted = marks[j].elbow.y() - height / 2;
        tops[j] = j == 0 ? std::max(wanted, area.top()) : std::max(wanted, tops[j - 1] + slot);
    }
    if (tops.back() + height > area.bottom()) {
        tops.back() = area.bottom() - height;
        for (int j = count - 2; j >= 0; --j) tops[j] = std::min(tops[j], tops[j + 1] - slot);
    }
    if (tops.front() < area.top()) {
        // More marks than the area holds: keep them apart and let the last ones overflow.
        tops.front() = area.top();
        for (int j = 1; j < count; ++j) tops[j] = std::max(tops[j], tops[j - 1] + slot);
    }

    const double sign = right ? 1 : -1;
    const double reach = pie.radius + pie.arm;
    const double bendX = pie.centre.x() + sign * (reach + pie.run / 2);
    const double nearX = pie.centre.x() + sign * (reach + pie.run);
    for (int j = 0; j < count; ++j) {
        const SideMark& m = marks[j];
        const QSizeF size = sizes[m.index];
        const double column = nearX + sign * (j % columns) * (width + pie.spacing);
        const double middle = tops[j] + height / 2;
        PieMarkPlace& place = out[m.index];
        place.right = right;
        place.rect = QRectF(right ? column : column - size.width(), middle - size.height() / 2,
                            size.width(), size.height());
        // Out along the slice's radius, then straight to the mark, or across to the bend
        // first where the straight way would cut the pie; a mark in an outer column is
        // reached along its own middle line, which runs between the marks of the inner
        // columns.
        const QPointF end(nearX - sign * 2, middle);
        place.arm = QPolygonF{m.edge, m.elbow};
        if (distanceToSegment(pie.centre, m.elbow, end) < pie.radius + 1)
            place.arm << QPointF(bendX, m.elbow.y());
        place.arm << end;
        if (j % columns != 0) place.arm << QPointF(column - sign * 2, middle);
    }
}

}  // namespace

std::vector<PieMarkPlace> layoutPieMarks(const std::vector<double>& midAngles,
                                         const std::vector<QSizeF>& sizes,
                                         const PieMarkGeometry& pie, const QRectF& area) {
    std::vector<PieMarkPlace> out(midAngles.size());
    std::vector<SideMark> left, right;
    for (std::size_t i = 0; i < midAngles.size() && i < sizes.size(); ++i) {
        const double a = midAngles[i] * std::numbers::pi / 180;
        const QPointF dir(std::sin(a), -std::cos(a));
        const SideMark m{i, pie.centre + pie.radius * dir,
                         pie.centre + (pie.radius + pie.arm) * dir};
        // Straight up counts as right, straight down as left.
        const bool onRight = dir.x() > 1e-9 || (std::abs(dir.x()) <= 1e-9 && dir.y() < 0);
        (onRight ? right : left).push_back(m);
    }
    placeSide(left, false, sizes, pie, area, out);
    placeSide(right, true, sizes, pie, area, out);
    return out;
}

int legendColumns(int count, double rowHeight, double maxHeight) {
    if (count <= 0 || rowHeight <= 0) return 1;
    const int rows = std::max(1, int(std::floor(maxHeight / rowHeight)));
    return (count + rows - 1) / rows;
}

namespace {

constexpr double kGap = 10;               // between the chart's edge and what is in it
constexpr double kTitleTop = 6;           // above the title
constexpr double kLegendTopShare = 0.08;  // of the chart's height, above the legend
constexpr double kLegendMaxShare = 0.5;   // of the chart's width, for a legend in columns
constexpr double kMarkArm = 8;            // from a slice to its mark's arm bend
constexpr double kMarkRun = 16;           // from the bend to the first column of marks
constexpr double kMarkSpacing = 2;
constexpr double kPieShare = 0.7;       // of the plot's smaller side, at most
constexpr double kLeastPieShare = 0.2;  // of it, at least, before marks are gathered

struct LegendFit {
    int pixels;
    int columns;
    int rows;
    double rowHeight;
    double valueWidth;
    double columnWidth;
    double width() const { return 6 + columns * columnWidth; }
};

LegendFit fitLegend(const QStringList& values, const QStringList& labels, int pixels,
                    double maxHeight, const ChartTextMetrics& m) {
    LegendFit f{pixels, 1, 0, 0, 0, 0};
    const double line = m.height(ChartFace::Label, pixels);
    f.rowHeight = line + (pixels >= kSmallLabelPixels ? 4 : 2);
    double labelWidth = 0;
    for (const QString& v : values)
        f.valueWidth = std::max(f.valueWidth, m.width(ChartFace::Label, pixels, v));
    for (const QString& l : labels)
        labelWidth = std::max(labelWidth, m.width(ChartFace::Label, pixels, l));
    // box, gap, values, gap, labels, gap
    f.columnWidth = line + 6 + f.valueWidth + 8 + labelWidth + 6;
    const int count = int(labels.size());
    f.columns = legendColumns(count, f.rowHeight, maxHeight - 6);
    f.rows = (count + f.columns - 1) / f.columns;
    return f;
}

// The type the legend is drawn in and its columns: the designed type in one column, or
// a little smaller; then columns, in type as large as lets them fit.
LegendFit chooseLegend(const ChartLayoutInput& in, double maxHeight, const ChartTextMetrics& m) {
    QStringList values, labels;
    for (qsizetype i = in.labels.size() - 1; i >= 0; --i) {
        values << in.legendValues.value(i);
        labels << in.labels[i];
    }
    for (int px = kLabelPixels; px >= kSmallLabelPixels; --px) {
        const LegendFit f = fitLegend(values, labels, px, maxHeight, m);
        if (f.columns == 1 && f.width() <= in.size.width() * kLegendMaxShare) return f;
    }
    const double room = in.size.width() * kLegendMaxShare;
    for (int px = kLabelPixels - 1; px > kLeastLabelPixels; --px) {
        const LegendFit f = fitLegend(values, labels, px, maxHeight, m);
        if (f.width() <= room) return f;
    }
    return fitLegend(values, labels, kLeastLabelPixels, maxHeight, m);
}

// The radius a pie in `plot` can have with `count` marks of `size` on either side (the
// pie turns, so either side may have to hold them all).
double pieRadius(const QRectF& plot, int count, QSizeF size) {
    const int columns = pieMarkColumns(count, size.height(), plot.height(), kMarkSpacing);
    const double marks = columns * (size.width() + kMarkSpacing);
    return std::min({std::min(plot.width(), plot.height()) / 2 * kPieShare,
                     plot.width() / 2 - kMarkArm - kMarkRun - marks - 4,
                     plot.height() / 2 - kMarkArm - 2});
}

void layoutPie(const ChartLayoutInput& in, const ChartTextMetrics& m, ChartLayout& out) {
    const int n = int(in.values.size());
    if (n == 0 || out.plot.isEmpty()) return;
    const double least = std::min(out.plot.width(), out.plot.height()) / 2 * kLeastPieShare;
    double total = 0;
    for (double v : in.values) total += v;

    // The points whose marks are shown, largest first; the rest are gathered.
    std::vector<int> bySize(n);
    for (int i = 0; i < n; ++i) bySize[i] = i;
    std::stable_sort(bySize.begin(), bySize.end(),
                     [&](int a, int b) { return in.values[a] > in.values[b]; });
    auto markSize = [&](int px, const QString& text) {
        return QSizeF(m.width(ChartFace::Label, px, text) + 2, m.height(ChartFace::Label, px));
    };
    auto gatheredText = [&](int shown) {
        double rest = 0;
        for (int k = shown; k < n; ++k) rest += in.values[bySize[k]];
        return gatheredMark(n - shown, percentMark(total > 0 ? 100 * rest / total : 0));
    };
    int px = kLabelPixels;
    int shown = n;
    double radius = 0;
    for (;;) {
        QSizeF widest;
        for (int k = 0; k < shown; ++k) {
            const QSizeF s = markSize(px, in.marks.value(bySize[k]));
            widest = QSizeF(std::max(widest.width(), s.width()), s.height());
        }
        const int count = shown < n ? shown + 1 : shown;
        if (shown < n)
            widest.setWidth(std::max(widest.width(), markSize(px, gatheredText(shown)).width()));
        radius = pieRadius(out.plot, count, widest);
        if (radius >= least) break;
        if (px > 8) {
            --px;
        } else if (shown > 1) {
            --shown;
        } else {
            break;
        }
    }
    out.markPixels = px;
    out.radius = std::max(10.0, radius);
    out.centre = out.plot.center();

    const std::vector<double> mids = sliceMidAngles(in.values, in.pieStart);
    std::vector<double> markMids;
    std::vector<QSizeF> sizes;
    for (int i = 0; i < n; ++i) {
        if (std::find(bySize.begin(), bySize.begin() + shown, i) == bySize.begin() + shown)
            continue;
        out.markPoints.push_back(i);
        out.markTexts << in.marks.value(i);
    }
    if (shown < n) {
        out.markPoints.push_back(bySize[shown]);
        out.markTexts << gatheredText(shown);
    }
    for (std::size_t k = 0; k < out.markPoints.size(); ++k) {
        markMids.push_back(mids[out.markPoints[k]]);
        sizes.push_back(markSize(px, out.markTexts[qsizetype(k)]));
    }
    const PieMarkGeometry pie{out.centre, out.radius, kMarkArm, kMarkRun, kMarkSpacing};
    out.marks = layoutPieMarks(markMids, sizes, pie, out.plot);
}

void layoutBars(const ChartLayoutInput& in, const ChartTextMetrics& m, ChartLayout& out) {
    const int n = int(in.values.size());
    if (n == 0) return;
    QRectF plot = out.plot;
    double most = 0;
    for (double v : in.values) most = std::max(most, v);

    // Labels as large as the rows let them be, and no wider than 40% of the room.
    int px = kLabelPixels;
    double labelWidth = 0;
    for (;; --px) {
        const double axis = m.height(ChartFace::Label, px) + 6;
        const double row = (plot.height() - axis) / n;
        labelWidth = 0;
        for (const QString& t : in.marks)
            labelWidth = std::max(labelWidth, m.width(ChartFace::Label, px, t) + 4);
        if (px == kLeastLabelPixels ||
            (m.height(ChartFace::Label, px) <= row && labelWidth <= plot.width() * 0.4))
            break;
    }
    out.barLabelPixels = px;
    const double axisHeight = m.height(ChartFace::Label, px) + 6;
    // Room for half of the last axis label past the plot's right end.
    const std::vector<double> probe = valueTicks(most, 2);
    const double lastLabel = m.width(ChartFace::Label, px, loc::formatNumber(probe.back(), 0));
    plot = QRectF(QPointF(plot.left() + labelWidth + 4, plot.top()),
                  QPointF(plot.right() - lastLabel / 2, plot.bottom() - axisHeight));
    out.plot = plot;
    // The first point at the bottom, as the bars stack their categories: read from the
    // top, the bars come in the legend's order.
    const double row = plot.height() / n;
    for (int i = 0; i < n; ++i)
        out.barLabels << QRectF(plot.left() - labelWidth - 4, plot.bottom() - (i + 1) * row,
                                labelWidth, row);
    out.valueAxis = QRectF(plot.left(), plot.bottom(), plot.width(), axisHeight);

    // As many round steps as leave room between their labels.
    for (int ticks = 10; ticks >= 1; --ticks) {
        const std::vector<double> values = valueTicks(most, ticks);
        QStringList texts;
        double widest = 0;
        for (double v : values) {
            texts << loc::formatNumber(v, 0);
            widest = std::max(widest, m.width(ChartFace::Label, px, texts.back()));
        }
        const double step = plot.width() / (int(values.size()) - 1);
        if (step < widest + 12 && ticks > 1) continue;
        out.ticks = values;
        out.tickTexts = texts;
        for (qsizetype k = 0; k < texts.size(); ++k) {
            const double w = m.width(ChartFace::Label, px, texts[k]);
            const double x = plot.left() + k * step;
            out.tickLabels << QRectF(x - w / 2, plot.bottom() + 4, w,
                                     m.height(ChartFace::Label, px));
        }
        break;
    }
    out.barMinimum = out.ticks.back() * kBarMinLength / std::max(1.0, plot.width());
}

}  // namespace

QStringList wrapTitle(const QString& title, double width, const ChartTextMetrics& m) {
    return wrapText(title, width, m, ChartFace::Title, kTitlePixels);
}

QStringList wrapText(const QString& text, double width, const ChartTextMetrics& m, ChartFace face,
                     int pixels) {
    QStringList lines;
    QString rest = text.trimmed();
    auto fits = [&](const QString& t) { return m.width(face, pixels, t) <= width + 1e-9; };
    while (!rest.isEmpty()) {
        if (fits(rest)) {
            lines << rest;
            break;
        }
        // The last blank that leaves a line that fits.
        qsizetype cut = -1;
        for (qsizetype at = rest.indexOf(QLatin1Char(' ')); at > 0;
             at = rest.indexOf(QLatin1Char(' '), at + 1)) {
            if (!fits(rest.left(at).trimmed())) break;
            cut = at;
        }
        if (cut <= 0) {
            // One word too long for the line: as much of it as fits, and at least one
            // character that shows, for an isolate's opening mark alone would come back
            // on the next line and never end.
            cut = 1;
            while (cut < rest.size() && rest.at(cut - 1).category() == QChar::Other_Format) ++cut;
            while (cut < rest.size() && fits(rest.left(cut + 1))) ++cut;
        }
        // Each line is drawn on its own: an isolated name broken at one of its blanks is
        // closed on this line and opened again on the next.
        const QString head = rest.left(cut);
        QString tail = rest.mid(cut);
        while (!tail.isEmpty() && tail.front().isSpace()) tail.remove(0, 1);
        auto [line, next] = splitIsolated(head + tail, head.size());
        lines << line.trimmed();
        rest = next.trimmed();
    }
    return lines;
}

QString gatheredMark(int count, const QString& percent) {
    //: One pie mark for the smallest slices, whose own marks found no room: how many
    //: there are and their share together, for example "7 more, 3.5 %".
    return QCoreApplication::translate("Chart", "%Ln more, %1", nullptr, count).arg(percent);
}

std::vector<double> valueTicks(double most, int ticks) {
    if (most <= 0 || ticks < 1) return {0, 1};
    const double raw = most / ticks;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double f : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (f * power >= raw - 1e-9 * raw) {
            step = f * power;
            break;
        }
    }
    // Whole numbers only: the axis shows no decimals.
    step = std::max(1.0, std::round(step));
    std::vector<double> out{0};
    while (out.back() < most - 1e-9 * most) out.push_back(out.back() + step);
    return out;
}

ChartLayout layoutChart(const ChartLayoutInput& in, const ChartTextMetrics& m) {
    ChartLayout out;
    const double w = in.size.width(), h = in.size.height();

    // The title takes the whole width before it wraps.
    const double titleLine = m.height(ChartFace::Title, kTitlePixels);
    out.titleLines = wrapTitle(in.title, w - 2 * kGap, m);
    out.title = QRectF(kGap, kTitleTop, w - 2 * kGap, titleLine * out.titleLines.size());
    for (qsizetype i = 0; i < out.titleLines.size(); ++i) {
        const double lineWidth = m.width(ChartFace::Title, kTitlePixels, out.titleLines[i]);
        out.titleRects << QRectF((w - lineWidth) / 2, kTitleTop + i * titleLine, lineWidth,
                                 titleLine);
    }

    const double footerHeight = m.height(ChartFace::Footer, kLabelPixels);
    const double footerWidth = std::min(w, m.width(ChartFace::Footer, kLabelPixels, in.footer));
    out.footer = QRectF((w - footerWidth) / 2, h - footerHeight - 4, footerWidth, footerHeight);

    // The legend at the right, 8% down unless a long title reaches further.
    const double legendTop = std::max(h * kLegendTopShare, out.title.bottom() + 4);
    const double legendHeight = out.footer.top() - 8 - legendTop;
    double plotRight = w - kGap;
    if (!in.labels.isEmpty()) {
        const LegendFit f = chooseLegend(in, legendHeight, m);
        ChartLegendLayout& legend = out.legend;
        legend.pixels = f.pixels;
        legend.columns = f.columns;
        legend.valueWidth = f.valueWidth;
        legend.frame = QRectF(w - kGap - f.width(), legendTop, f.width(), f.rows * f.rowHeight + 6);
        for (qsizetype i = 0; i < in.labels.size(); ++i)
            legend.entries << QRectF(legend.frame.left() + 6 + (i / f.rows) * f.columnWidth,
                                     legend.frame.top() + 3 + (i % f.rows) * f.rowHeight,
                                     f.columnWidth, f.rowHeight);
        plotRight = legend.frame.left() - kGap;
    }
    out.plot =
        QRectF(QPointF(kGap, out.title.bottom() + 6), QPointF(plotRight, out.footer.top() - 6));
    if (out.plot.width() < 0 || out.plot.height() < 0) out.plot = QRectF();
    if (in.kind == ChartKind::Pie)
        layoutPie(in, m, out);
    else
        layoutBars(in, m, out);
    return out;
}

ImageFormat imageFormatFor(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? ImageFormat::Svg
                                                                          : ImageFormat::Png;
}

QSize savedImageSize(const QSizeF& shown) {
    if (shown.width() <= 0 || shown.height() <= 0) return QSize(1600, 1000);
    const double scale = std::max({1.0, 1600 / shown.width(), 1000 / shown.height()});
    return QSize(int(std::ceil(shown.width() * scale - 1e-9)),
                 int(std::ceil(shown.height() * scale - 1e-9)));
}

QByteArray svgSizedInPixels(const QByteArray& svg, const QSize& pixels) {
    const qsizetype start = svg.indexOf("<svg");
    const qsizetype end = start < 0 ? -1 : svg.indexOf('>', start);
    if (end < 0) return svg;
    QString root = QString::fromUtf8(svg.mid(start, end - start));
    static const QRegularExpression width(QStringLiteral("\\swidth=\"[^\"]*\""));
    static const QRegularExpression height(QStringLiteral("\\sheight=\"[^\"]*\""));
    root.replace(width, QStringLiteral(" width=\"%1px\"").arg(pixels.width()));
    root.replace(height, QStringLiteral(" height=\"%1px\"").arg(pixels.height()));
    return svg.left(start) + root.toUtf8() + svg.mid(end);
}

namespace {
// The bytes of `text` as the content of an XML element.
QByteArray xmlText(const QString& text) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeCharacters(text);
    return out;
}

QByteArray withElementText(const QByteArray& svg, const QByteArray& name, const QString& text) {
    const QByteArray open = '<' + name + '>';
    const qsizetype start = svg.indexOf(open);
    const qsizetype end = start < 0 ? -1 : svg.indexOf("</" + name + '>', start);
    if (end < 0) return svg;
    return svg.left(start + open.size()) + xmlText(text) + svg.mid(end);
}
}  // namespace

QByteArray svgTitled(const QByteArray& svg, const QString& title, const QString& description) {
    return withElementText(withElementText(svg, "title", title), "desc", description);
}

}  // namespace lt
