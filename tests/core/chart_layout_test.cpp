#include "core/chart_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace lt {
namespace {

struct AnglesCase {
    std::vector<double> values;
    double start;
    std::vector<double> mids;
};

class SliceMidAngles : public ::testing::TestWithParam<AnglesCase> {};

TEST_P(SliceMidAngles, HalfwayThroughEachSlice) {
    const AnglesCase& c = GetParam();
    EXPECT_EQ(sliceMidAngles(c.values, c.start), c.mids);
}

INSTANTIATE_TEST_SUITE_P(Cases, SliceMidAngles,
                         ::testing::Values(AnglesCase{{1, 1, 2}, 0, {45, 135, 270}},
                                           AnglesCase{{1, 1, 2}, 90, {135, 225, 360}},
                                           AnglesCase{{3}, 33, {213}}, AnglesCase{{}, 0, {}},
                                           AnglesCase{{0, 0}, 12, {12, 12}}));

struct ColumnsCase {
    int count;
    double height;
    double area;
    int columns;
};

class PieMarkColumns : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(PieMarkColumns, AsFewAsFit) {
    const ColumnsCase& c = GetParam();
    EXPECT_EQ(pieMarkColumns(c.count, c.height, c.area), c.columns);
}

INSTANTIATE_TEST_SUITE_P(Cases, PieMarkColumns,
                         ::testing::Values(ColumnsCase{10, 14, 200, 1},  // 9 * 16 + 14 = 158
                                           ColumnsCase{10, 14, 157, 2},  // one short of 158
                                           ColumnsCase{50, 14, 500, 2},  // 49 * 16 / 2 + 14 = 406
                                           ColumnsCase{50, 14, 300, 3},  // 49 * 16 / 3 + 14 = 275.3
                                           ColumnsCase{0, 14, 100, 1}, ColumnsCase{1, 14, 5, 1}));

// A pie at (500, 400) of radius 100, arms 8, marks 40 x 14, run 16: a right column starts
// at 500 + 108 + 16 = 624, a left column ends at 376.
TEST(PieMarks, MarksWithRoomStayLevelWithTheirSlice) {
    const PieMarkGeometry pie{QPointF(500, 400), 100, 8, 16, 2};
    const auto places = layoutPieMarks({45, 135, 270}, std::vector<QSizeF>(3, QSizeF(40, 14)), pie,
                                       QRectF(0, 0, 1000, 800));
    ASSERT_EQ(places.size(), 3u);
    const double d = 108 * std::sqrt(0.5);  // the arm's end, across and down from the centre
    EXPECT_TRUE(places[0].right);
    EXPECT_TRUE(places[1].right);
    EXPECT_FALSE(places[2].right);
    const double eps = 1e-9;
    EXPECT_NEAR(places[0].rect.left(), 624, eps);
    EXPECT_NEAR(places[0].rect.center().y(), 400 - d, eps);
    EXPECT_NEAR(places[1].rect.center().y(), 400 + d, eps);
    EXPECT_NEAR(places[2].rect.right(), 376, eps);
    EXPECT_NEAR(places[2].rect.center().y(), 400, eps);
    // The arm: the slice's edge, 8 pixels out, then level to 2 pixels before the mark.
    const QPolygonF arm = places[0].arm;
    ASSERT_EQ(arm.size(), 3);
    EXPECT_NEAR(arm[0].x(), 500 + 100 * std::sqrt(0.5), eps);
    EXPECT_NEAR(arm[1].x(), 500 + d, eps);
    EXPECT_NEAR(arm[2].x(), 622, eps);
    EXPECT_NEAR(arm[2].y(), 400 - d, eps);
}

// A mark pushed far below its slice at the top of the pie: the straight way would cut
// the pie, so the arm first runs level out to the bend, halfway to the column (616).
TEST(PieMarks, AnArmBendsAroundThePie) {
    const PieMarkGeometry pie{QPointF(500, 400), 100, 8, 16, 2};
    const auto places = layoutPieMarks({10}, {QSizeF(40, 14)}, pie, QRectF(0, 380, 1000, 100));
    ASSERT_EQ(places.size(), 1u);
    const double a = 10 * std::numbers::pi / 180;
    EXPECT_NEAR(places[0].rect.top(), 380, 1e-9);
    const QPolygonF arm = places[0].arm;
    ASSERT_EQ(arm.size(), 4);
    EXPECT_NEAR(arm[2].x(), 616, 1e-9);
    EXPECT_NEAR(arm[2].y(), 400 - 108 * std::cos(a), 1e-9);
    EXPECT_NEAR(arm[3].y(), 387, 1e-9);
}

struct CrowdCase {
    const char* name;
    double rotation;
    QRectF area;  // the plot area the marks may use
};

class PieMarksCrowded : public ::testing::TestWithParam<CrowdCase> {};

// Fifty tiny slices beside one large one, as a table of 50 rows charts them.
TEST_P(PieMarksCrowded, NoMarkOverlapsAnotherAndEveryArmLeavesItsSlice) {
    const CrowdCase& c = GetParam();
    std::vector<double> values{300000};
    for (int i = 0; i < 50; ++i) values.push_back(10 + i);
    const auto mids = sliceMidAngles(values, c.rotation);
    std::vector<QSizeF> sizes(values.size(), QSizeF(44, 13));
    sizes[0] = QSizeF(52, 13);
    const double radius = std::min(c.area.width(), c.area.height()) * 0.3;
    const PieMarkGeometry pie{c.area.center(), radius, 8, 16, 2};
    const auto places = layoutPieMarks(mids, sizes, pie, c.area);
    ASSERT_EQ(places.size(), values.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PieMarkPlace& p = places[i];
        EXPECT_EQ(p.rect.size(), sizes[i]);
        EXPECT_TRUE(c.area.contains(p.rect)) << i;
        // Outside the pie, on its own side.
        if (p.right)
            EXPECT_GE(p.rect.left(), pie.centre.x() + radius + 8) << i;
        else
            EXPECT_LE(p.rect.right(), pie.centre.x() - radius - 8) << i;
        // The arm starts on the slice's edge, in the middle of the slice ...
        ASSERT_GE(p.arm.size(), 3);
        const QPointF start = p.arm.front() - pie.centre;
        EXPECT_NEAR(std::hypot(start.x(), start.y()), radius, 1e-6) << i;
        const double a = mids[i] * std::numbers::pi / 180;
        EXPECT_NEAR(start.x(), radius * std::sin(a), 1e-6) << i;
        EXPECT_NEAR(start.y(), -radius * std::cos(a), 1e-6) << i;
        // ... and ends 2 pixels before its mark, level with its middle.
        const QPointF end = p.arm.back();
        EXPECT_NEAR(end.y(), p.rect.center().y(), 1e-6) << i;
        EXPECT_NEAR(end.x(), p.right ? p.rect.left() - 2 : p.rect.right() + 2, 1e-6) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(p.rect.intersects(places[j].rect)) << i << " and " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PieMarksCrowded,
    ::testing::Values(CrowdCase{"screen1366at0", 0, QRectF(20, 40, 1000, 560)},
                      CrowdCase{"screen1366at90", 90, QRectF(20, 40, 1000, 560)},
                      CrowdCase{"screen1366at177", 177, QRectF(20, 40, 1000, 560)},
                      CrowdCase{"screen1366at300", 300, QRectF(20, 40, 1000, 560)},
                      CrowdCase{"screen1920at45", 45, QRectF(20, 40, 1500, 900)},
                      CrowdCase{"screen1920at357", 357, QRectF(20, 40, 1500, 900)},
                      CrowdCase{"smallWindowAt120", 120, QRectF(20, 30, 600, 330)},
                      CrowdCase{"smallWindowAt240", 240, QRectF(20, 30, 600, 330)}),
    [](const auto& info) { return std::string(info.param.name); });

struct LegendCase {
    int count;
    double rowHeight;
    double maxHeight;
    int columns;
};

class LegendColumns : public ::testing::TestWithParam<LegendCase> {};

TEST_P(LegendColumns, EnoughForEveryEntry) {
    const LegendCase& c = GetParam();
    EXPECT_EQ(legendColumns(c.count, c.rowHeight, c.maxHeight), c.columns);
}

INSTANTIATE_TEST_SUITE_P(Cases, LegendColumns,
                         ::testing::Values(LegendCase{4, 16, 500, 1},
                                           LegendCase{51, 16, 500, 2},  // 31 rows fit
                                           LegendCase{31, 16, 500, 1},
                                           LegendCase{51, 16, 100, 9},  // 6 rows fit
                                           LegendCase{3, 16, 10, 3},    // one row at least
                                           LegendCase{0, 16, 100, 1}));

TEST(SavedImage, FormatFromTheExtension) {
    EXPECT_EQ(imageFormatFor("chart.png"), ImageFormat::Png);
    EXPECT_EQ(imageFormatFor("/tmp/chart.svg"), ImageFormat::Svg);
    EXPECT_EQ(imageFormatFor("CHART.SVG"), ImageFormat::Svg);
    EXPECT_EQ(imageFormatFor("chart.svg.png"), ImageFormat::Png);
    EXPECT_EQ(imageFormatFor("chart"), ImageFormat::Png);
}

TEST(SavedImage, AtLeast1600By1000InTheShownProportions) {
    EXPECT_EQ(savedImageSize(QSizeF(1000, 640)), QSize(1600, 1024));  // x 1.6
    EXPECT_EQ(savedImageSize(QSizeF(1366, 600)), QSize(2277, 1000));  // x 5/3
    EXPECT_EQ(savedImageSize(QSizeF(2000, 1200)), QSize(2000, 1200));
    EXPECT_EQ(savedImageSize(QSizeF(800, 500)), QSize(1600, 1000));
    EXPECT_EQ(savedImageSize(QSizeF()), QSize(1600, 1000));
}

}  // namespace
}  // namespace lt
