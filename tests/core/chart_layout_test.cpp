#include "core/chart_layout.h"

#include <gtest/gtest.h>

#include <QLineF>
#include <cmath>
#include <numbers>

#include "support/test_env.h"

namespace lt {
namespace {

TEST(SliceMidAngles, HalfwayThroughEachSlice) {
    const struct {
        std::vector<double> values;
        double start;
        std::vector<double> mids;
    } rows[] = {
        {{1, 1, 2}, 0, {45, 135, 270}}, {{1, 1, 2}, 90, {135, 225, 360}}, {{0, 0}, 12, {12, 12}}};
    for (const auto& r : rows) EXPECT_EQ(sliceMidAngles(r.values, r.start), r.mids) << r.start;
}

TEST(PieMarkColumns, AsFewAsFit) {
    const struct {
        int count;
        double height, area;
        int columns;
    } rows[] = {{10, 14, 200, 1},   // 9 * 16 + 14 = 158
                {10, 14, 157, 2},   // one short of 158
                {50, 14, 500, 2},   // 49 * 16 / 2 + 14 = 406
                {50, 14, 300, 3}};  // 49 * 16 / 3 + 14 = 275.3
    for (const auto& r : rows)
        EXPECT_EQ(pieMarkColumns(r.count, r.height, r.area), r.columns) << r.count << " " << r.area;
}

// A pie at (500, 400) of radius 100, arms 8, marks 40 x 14, run 16: a right column starts
// at 500 + 108 + 16 = 624, a left column ends at 376.
TEST(PieMarks, MarksWithRoomStayLevelWithTheirSlice) {
    const PieMarkGeometry pie{QPointF(500, 400), 100, 8, 16, 2};
    const auto places = layoutPieMarks({45, 135, 270}, std::vector<QSizeF>(3, QSizeF(40, 14)), pie,
                                       QRectF(0, 0, 1000, 800));
    ASSERT_EQ(places.size(), 3u);
    const double d = 108 * std::sqrt(0.5);  // the arm's end, across and down from the centre
    EXPECT_EQ(places[0].rect, QRectF(624, 400 - d - 7, 40, 14));
    EXPECT_EQ(places[2].rect, QRectF(336, 393, 40, 14));
    // The arm: the slice's edge, 8 pixels out, then level to 2 pixels before the mark.
    const double e = 100 * std::sqrt(0.5);
    EXPECT_EQ(places[0].arm, (QPolygonF{{500 + e, 400 - e}, {500 + d, 400 - d}, {622, 400 - d}}));
}

// A mark pushed far below its slice at the top of the pie: the straight way would cut
// the pie, so the arm first runs level out to the bend, halfway to the column (616).
TEST(PieMarks, AnArmBendsAroundThePie) {
    const PieMarkGeometry pie{QPointF(500, 400), 100, 8, 16, 2};
    const auto places = layoutPieMarks({10}, {QSizeF(40, 14)}, pie, QRectF(0, 380, 1000, 100));
    const double elbowY = 400 - 108 * std::cos(10 * std::numbers::pi / 180);
    EXPECT_EQ(places[0].rect, QRectF(624, 380, 40, 14));
    ASSERT_EQ(places[0].arm.size(), 4);
    EXPECT_EQ(places[0].arm[2], QPointF(616, elbowY));
    EXPECT_EQ(places[0].arm[3], QPointF(622, 387));
}

// A 50-row table's tiny slices beside a large one, turned, on 1366 and 1920 wide screens and a
// small window.
TEST(PieMarks, CrowdedMarksNeverOverlapAndEveryArmLeavesItsSlice) {
    std::vector<double> values{300000};
    for (int i = 0; i < 50; ++i) values.push_back(10 + i);
    std::vector<QSizeF> sizes(values.size(), QSizeF(44, 13));
    const struct {
        double turn;
        QRectF area;
    } rows[] = {{0, {20, 40, 1000, 560}},   {90, {20, 40, 1000, 560}}, {177, {20, 40, 1000, 560}},
                {300, {20, 40, 1000, 560}}, {45, {20, 40, 1500, 900}}, {357, {20, 40, 1500, 900}},
                {120, {20, 30, 600, 330}},  {240, {20, 30, 600, 330}}};
    for (const auto& r : rows) {
        const auto mids = sliceMidAngles(values, r.turn);
        const double radius = std::min(r.area.width(), r.area.height()) * 0.3;
        const PieMarkGeometry pie{r.area.center(), radius, 8, 16, 2};
        const auto places = layoutPieMarks(mids, sizes, pie, r.area);
        ASSERT_EQ(places.size(), values.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            const PieMarkPlace& p = places[i];
            EXPECT_TRUE(r.area.contains(p.rect) && p.rect.size() == sizes[i]) << r.turn << " " << i;
            // Outside the pie, on its own side.
            EXPECT_TRUE(p.right ? p.rect.left() >= pie.centre.x() + radius + 8
                                : p.rect.right() <= pie.centre.x() - radius - 8);
            // The arm runs from the middle of the slice's edge to 2 pixels before the mark.
            const double a = mids[i] * std::numbers::pi / 180;
            const QPointF edge = pie.centre + radius * QPointF(std::sin(a), -std::cos(a));
            EXPECT_NEAR(QLineF(p.arm.front(), edge).length(), 0, 1e-6) << r.turn << " " << i;
            const QPointF end(p.right ? p.rect.left() - 2 : p.rect.right() + 2,
                              p.rect.center().y());
            EXPECT_NEAR(QLineF(p.arm.back(), end).length(), 0, 1e-6) << r.turn << " " << i;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(p.rect.intersects(places[j].rect)) << r.turn << ": " << i << ", " << j;
        }
    }
}

TEST(LegendColumns, EnoughForEveryEntry) {
    const struct {
        int count;
        double rowHeight, maxHeight;
        int columns;
    } rows[] = {{4, 16, 500, 1},  {51, 16, 500, 2},  // 31 rows fit
                {31, 16, 500, 1}, {51, 16, 100, 9},  // 6 rows fit
                {3, 16, 10, 3},   {0, 16, 100, 1}};  // one row at least
    for (const auto& r : rows)
        EXPECT_EQ(legendColumns(r.count, r.rowHeight, r.maxHeight), r.columns) << r.count;
}

// PNG unless the name ends in ".svg"; at least 1600 x 1000 in the shown proportions.
TEST(SavedImage, FormatAndSize) {
    EXPECT_EQ(imageFormatFor("/tmp/chart.svg"), ImageFormat::Svg);
    EXPECT_EQ(imageFormatFor("CHART.SVG"), ImageFormat::Svg);
    for (const char* name : {"chart.png", "chart.svg.png", "chart"})
        EXPECT_EQ(imageFormatFor(name), ImageFormat::Png) << name;
    EXPECT_EQ(savedImageSize(QSizeF(1000, 640)), QSize(1600, 1024));  // x 1.6
    EXPECT_EQ(savedImageSize(QSizeF(1366, 600)), QSize(2277, 1000));  // x 5/3
    EXPECT_EQ(savedImageSize(QSizeF(2000, 1200)), QSize(2000, 1200));
    EXPECT_EQ(savedImageSize(QSizeF()), QSize(1600, 1000));
}

// Type measured as a proportional face roughly measures: Arial about 0.55 of its pixel size
// per character, the bold title 0.6, a line 1.15 of the size.
class FakeMetrics : public ChartTextMetrics {
public:
    double width(ChartFace face, int pixels, const QString& text) const override {
        return text.size() * pixels * (face == ChartFace::Title ? 0.6 : 0.55);
    }
    double height(ChartFace, int pixels) const override { return pixels * 1.15; }
};

struct Data {
    const char* name;
    std::vector<double> values;
    QStringList labels;
};

// The sample file's hours, 30 small rows under a large "Other", 50 long names.
std::vector<Data> chartData() {
    std::vector<Data> out{{"sample",
                           {320175, 131, 2000, 1234.5, 7},
                           {"Other", "Sleeping", "Working", "Reading", "Chess"}}};
    Data small{"30 small", {1.2e6}, {"Other"}};
    for (int i = 1; i <= 30; ++i) {
        small.values.push_back(25 + i);
        small.labels << QString("Row %1").arg(i);
    }
    out.push_back(small);
    Data names{"50 long", {}, {}};
    for (int i = 1; i <= 50; ++i) {
        names.values.push_back(100 * i);
        names.labels << QString("A rather long activity name %1").arg(i, 2);
    }
    out.push_back(names);
    for (int n : {1, 2, 12, 49}) {
        Data d{"n rows", {}, {}};
        for (int i = 0; i < n; ++i) {
            d.values.push_back(1 + i * i);
            d.labels << QString("Activity %1").arg(i);
        }
        out.push_back(d);
    }
    return out;
}

ChartLayoutInput inputOf(const Data& d, QSizeF size, ChartKind kind, double turn) {
    ChartLayoutInput in;
    in.size = size;
    in.title = "Hours spent for Ann Example  Age: 36 years 9 months 5 days  Hours: 322,306";
    in.footer = "Lifetally from Tallyhouse Software - https://tallyhouse.example";
    in.kind = kind;
    in.values = d.values;
    in.labels = d.labels;
    in.pieStart = turn;
    double total = 0;
    for (double v : d.values) total += v;
    for (std::size_t i = 0; i < d.values.size(); ++i) {
        in.legendValues << QString::number(d.values[i], 'f', 0);
        in.marks << (kind == ChartKind::Pie
                         ? QString::number(100 * d.values[i] / total, 'f', 2) + " %"
                         : d.labels[i] + "  " + in.legendValues.back());
    }
    return in;
}

// Every text the chart draws, with what it is for the failure message.
QList<std::pair<QString, QRectF>> textBoxes(const ChartLayout& l) {
    QList<std::pair<QString, QRectF>> out;
    for (const QRectF& r : l.titleRects) out.append({"title", r});
    out.append({"footer", l.footer});
    for (const QRectF& r : l.legend.entries) out.append({"legend", r});
    for (std::size_t i = 0; i < l.marks.size(); ++i) out.append({l.markTexts[i], l.marks[i].rect});
    for (const QRectF& r : l.barLabels) out.append({"bar label", r});
    for (const QRectF& r : l.tickLabels) out.append({"tick", r});
    return out;
}

// The window's normal chart (648 x 445 less its panel) up to a full HD screen, and the
// landscape pages (Letter, A4) inside their 5% margins at the height of the chart shown.
TEST(ChartLayout, NothingOverlapsOrLeavesTheChartAtAnySize) {
    const QSizeF sizes[] = {{648, 404},   {800, 500},   {1024, 600}, {1280, 940},
                            {1600, 1000}, {1920, 1039}, {776, 600},  {849, 600}};
    const FakeMetrics m;
    for (const Data& d : chartData())
        for (const QSizeF size : sizes)
            for (const ChartKind kind : {ChartKind::Pie, ChartKind::Bars})
                for (const double turn : {0.0, 137.0}) {
                    const ChartLayoutInput in = inputOf(d, size, kind, turn);
                    const ChartLayout l = layoutChart(in, m);
                    const QString where = QString("%1 at %2x%3 %4 %5")
                                              .arg(d.name)
                                              .arg(size.width())
                                              .arg(size.height())
                                              .arg(kind == ChartKind::Pie ? "pie" : "bars")
                                              .arg(turn);
                    const auto boxes = textBoxes(l);
                    const QRectF chart(QPointF(0, 0), size);
                    for (const auto& [what, r] : boxes)
                        EXPECT_TRUE(chart.contains(r))
                            << qPrintable(where) << " " << qPrintable(what);
                    // Neighbours may share an edge, to rounding.
                    auto inner = [](const QRectF& r) {
                        return r.adjusted(0.01, 0.01, -0.01, -0.01);
                    };
                    for (int i = 0; i < boxes.size(); ++i)
                        for (int j = 0; j < i; ++j)
                            EXPECT_FALSE(inner(boxes[i].second).intersects(inner(boxes[j].second)))
                                << qPrintable(where) << ": " << qPrintable(boxes[i].first) << " / "
                                << qPrintable(boxes[j].first);
                    // The whole title, every legend entry, every point marked or gathered.
                    EXPECT_EQ(l.titleLines.join(" ").simplified(), in.title.simplified());
                    EXPECT_EQ(l.legend.entries.size(), qsizetype(d.values.size()));
                    EXPECT_GE(l.legend.pixels, kLeastLabelPixels);
                    for (const QRectF& e : l.legend.entries)
                        EXPECT_TRUE(l.legend.frame.contains(e)) << qPrintable(where);
                    EXPECT_FALSE(l.plot.intersects(l.legend.frame)) << qPrintable(where);
                    if (kind == ChartKind::Pie) {
                        const int gathered =
                            l.markTexts.isEmpty() || l.markTexts.back().contains("more")
                                ? l.markTexts.back().section(' ', 0, 0).toInt()
                                : 0;
                        EXPECT_EQ(int(l.markPoints.size()) - (gathered ? 1 : 0) + gathered,
                                  int(d.values.size()))
                            << qPrintable(where);
                        EXPECT_GE(l.radius, std::min(l.plot.width(), l.plot.height()) * 0.1)
                            << qPrintable(where);
                        for (const PieMarkPlace& p : l.marks)
                            EXPECT_FALSE(p.rect.intersects(l.legend.frame)) << qPrintable(where);
                    } else {
                        EXPECT_EQ(l.barLabels.size(), qsizetype(d.values.size()));
                        // Every bar at least a few pixels long, the smallest included.
                        for (double v : d.values)
                            EXPECT_GE(std::max(v, l.barMinimum) / l.ticks.back() * l.plot.width(),
                                      3.9)
                                << qPrintable(where);
                        EXPECT_GE(l.ticks.back(),
                                  *std::max_element(d.values.begin(), d.values.end()));
                    }
                }
}

// A small pie with 51 slices: the marks of the smallest slices are gathered into one, which
// counts them and names their share; every larger slice keeps its own mark.
TEST(ChartLayout, ACrowdedSmallPieGathersItsSmallestMarks) {
    Data d{"crowded", {1e6}, {"Other"}};
    for (int i = 1; i <= 50; ++i) {
        d.values.push_back(1000 + i);
        d.labels << QString("Row %1").arg(i);
    }
    const ChartLayout l =
        layoutChart(inputOf(d, QSizeF(480, 300), ChartKind::Pie, 0), FakeMetrics());
    ASSERT_FALSE(l.markTexts.isEmpty());
    const QString gathered = l.markTexts.back();
    ASSERT_TRUE(gathered.contains(" more, ")) << gathered.toStdString();
    const int count = gathered.section(' ', 0, 0).toInt();
    EXPECT_EQ(int(l.markPoints.size()) - 1 + count, 51);
    // Rows 1 to count are the smallest; the mark points at the largest of them. "Other"
    // (point 0) and the larger rows keep their own.
    EXPECT_EQ(l.markPoints.back(), count);
    for (std::size_t i = 0; i + 1 < l.markPoints.size(); ++i)
        EXPECT_TRUE(l.markPoints[i] == 0 || l.markPoints[i] > count) << l.markPoints[i];
}

// The title keeps to one line while the width holds it, and breaks at blanks.
TEST(ChartLayout, TitleUsesItsWidthBeforeItWraps) {
    const FakeMetrics m;                                         // 9.6 pixels a character
    const QString title = "Hours spent for Ann  Age: 36 years";  // 34 characters, 326.4 pixels
    const struct {
        double width;
        QStringList lines;
    } rows[] = {{330, {title}},
                {200, {"Hours spent for Ann", "Age: 36 years"}},
                {100, {"Hours", "spent for", "Ann  Age:", "36 years"}},
                {30, {"Hou", "rs", "spe", "nt", "for", "Ann", "Age", ":", "36", "yea", "rs"}}};
    for (const auto& r : rows) EXPECT_EQ(wrapTitle(title, r.width, m), r.lines) << r.width;
    // A right-to-left name broken at its blank: each line holds a whole isolate, so the
    // second does not take its direction from the name.
    EXPECT_EQ(wrapTitle("Hours spent for \u2068שלום עולם\u2069  Age: 36", 210, m),
              QStringList({"Hours spent for \u2068שלום\u2069", "\u2068עולם\u2069  Age: 36"}));
    // Narrower than a character (a window not yet sized): a letter a line, each in its
    // isolate, and the text ends.
    EXPECT_EQ(
        wrapTitle("\u2068שלום\u2069 x", -20, m),
        QStringList({"\u2068ש\u2069", "\u2068ל\u2069", "\u2068ו\u2069", "\u2068ם\u2069", "x"}));
}

// Round steps from 0 past the largest value.
TEST(ChartLayout, ValueTicks) {
    const struct {
        double most;
        int ticks;
        std::vector<double> values;
    } rows[] = {{1.2e6, 5, {0, 250000, 500000, 750000, 1000000, 1250000}},
                {95, 4, {0, 25, 50, 75, 100}},
                {3, 10, {0, 1, 2, 3}},
                {0, 5, {0, 1}}};
    for (const auto& r : rows) EXPECT_EQ(valueTicks(r.most, r.ticks), r.values) << r.most;
}

// The value axis reads in the locale's numbers: about 350 pixels hold six labels of nine
// characters (6 pixels each) with 12 between them, in steps of 250,000.
TEST(ChartLayout, ValueAxisInTheLocalesNumbers) {
    const struct {
        QLocale locale;
        QStringList ticks;
    } rows[] = {{QLocale(QLocale::English, QLocale::UnitedStates),
                 {"0", "250,000", "500,000", "750,000", "1,000,000", "1,250,000"}},
                {QLocale(QLocale::German, QLocale::Germany),
                 {"0", "250.000", "500.000", "750.000", "1.000.000", "1.250.000"}}};
    for (const auto& r : rows) {
        test::PinnedEnv env(test::PinnedEnv::defaultNow(), r.locale);
        const Data d{"two", {1.2e6, 25}, {"Other", "Books"}};
        const ChartLayout l =
            layoutChart(inputOf(d, QSizeF(648, 404), ChartKind::Bars, 0), FakeMetrics());
        EXPECT_EQ(l.tickTexts, r.ticks) << r.locale.name().toStdString();
    }
}

TEST(SavedImage, SvgSizedInPixels) {
    const QByteArray svg =
        "<?xml version=\"1.0\"?>\n<svg width=\"564.444mm\" height=\"352.778mm\"\n"
        " viewBox=\"0 0 1600 1000\" version=\"1.2\">\n<g stroke-width=\"1\"/>";
    EXPECT_EQ(svgSizedInPixels(svg, QSize(1600, 1000)),
              "<?xml version=\"1.0\"?>\n<svg width=\"1600px\" height=\"1000px\"\n"
              " viewBox=\"0 0 1600 1000\" version=\"1.2\">\n<g stroke-width=\"1\"/>");
}

}  // namespace
}  // namespace lt
