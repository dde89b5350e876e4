#include "core/chart_layout.h"

#include <gtest/gtest.h>

#include <QLineF>
#include <cmath>
#include <numbers>

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

}  // namespace
}  // namespace lt
