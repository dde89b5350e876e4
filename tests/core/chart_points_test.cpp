#include "core/chart_points.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/conversion.h"
#include "core/random_source.h"
#include "core/table_shape.h"
#include "core/totals.h"
#include "support/test_env.h"

namespace lt {
namespace {

const QColor kWhite(255, 255, 255);

// Entry i holds a value whose colour is easy to tell apart: red = i + 1.
ColorTable numberedColors() {
    ColorTable t{};
    for (int i = 0; i < kColorCount; ++i) t[i] = std::uint32_t(i + 1) | 0x203000;
    return t;
}

QColor numbered(int row) { return QColor(row, 0x30, 0x20); }

// ---- colours ----------------------------------------------------------------------

TEST(ChartColors, WindowsValueIsBlueGreenRed) {
    EXPECT_EQ(windowsColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(windowsColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(windowsColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(windowsColor(0xFFFFFF), kWhite);
    // 9,999,998 is 0x98967E, the largest random colour.
    EXPECT_EQ(windowsColor(9'999'998), QColor(0x7E, 0x96, 0x98));
}

TEST(ChartColors, FixedChoiceFillsEveryEntryWithTheColour) {
    initAColors(false, 0xFF0000);
    for (std::uint32_t c : aColors()) EXPECT_EQ(c, 0xFF0000u);
    initAColors(false, 0x123456);
    for (std::uint32_t c : aColors()) EXPECT_EQ(c, 0x123456u);
}

TEST(ChartColors, RandomChoiceIgnoresTheColourAndStaysInRange) {
    reseedRandom(20261206);
    initAColors(true, 0xFF0000);
    const ColorTable first = aColors();
    EXPECT_TRUE(std::any_of(first.begin(), first.end(), [](auto c) { return c != 0xFF0000u; }));
    for (std::uint32_t c : first) EXPECT_LE(c, 9'999'998u);

    // Drawn from the program's random source: the same seed gives the same table ...
    reseedRandom(20261206);
    initAColors(true, 0xFF0000);
    EXPECT_EQ(aColors(), first);
    // ... and a second chart without reseeding gets other colours.
    initAColors(true, 0xFF0000);
    EXPECT_NE(aColors(), first);
}

// Colours too close to others are drawn again, which favours the far ends of the range a
// little; every tenth of it is still drawn from.
TEST(ChartColors, RandomValuesSpreadOverTheWholeRange) {
    reseedRandom(7);
    ColorTable t{};
    std::array<int, 10> tenths{};
    int total = 0;
    std::uint32_t most = 0;
    for (int fill = 0; fill < 400; ++fill) {
        fillColors(t, true, 0);
        for (std::uint32_t c : t) {
            ++total;
            most = std::max(most, c);
            ++tenths[std::min<std::uint32_t>(9, c / 1'000'000)];
        }
    }
    EXPECT_LE(most, 9'999'998u);
    EXPECT_GE(most, 9'990'000u);
    for (int i = 0; i < 10; ++i) EXPECT_GE(double(tenths[i]) / total, 0.05) << i;
}

// Published CIE L*a*b* values: white (100, 0, 0), black (0, 0, 0), sRGB red
// (53.24, 80.09, 67.20), sRGB blue (32.30, 79.19, -107.86).
TEST(ChartColors, DistanceIsCie76InLab) {
    const struct {
        QColor a, b;
        double distance;
    } rows[] = {{Qt::white, Qt::black, 100},
                {Qt::white, QColor(255, 0, 0), 114.56},
                {QColor(255, 0, 0), QColor(0, 0, 255), 176.33},
                {QColor(10, 20, 30), QColor(10, 20, 30), 0}};
    for (const auto& r : rows) EXPECT_NEAR(colorDistance(r.a, r.b), r.distance, 0.05) << r.distance;
}

// The first twelve colours of a chart, over many charts: apart from each other and from
// the white of "Other" and the background.
TEST(ChartColors, TwelvePointsArePairwiseApart) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        initAColorsSeeded(seed);
        std::vector<QColor> seen{kWhite};
        for (int i = 0; i < kDistinctColors; ++i) {
            const QColor c = windowsColor(aColors()[i]);
            for (const QColor& other : seen)
                EXPECT_GE(colorDistance(c, other), kMinColorDistance) << seed << " " << i;
            seen.push_back(c);
        }
    }
}

// The command line's colours: the same rows give the same colours, whatever the totals.
TEST(ChartColors, SeededFromTheRowsTheTotalsLeftOut) {
    const ActivityTable a =
        readActivityTable(TableKind::Hours, {{"Sleep", "8 Hrs", "Day", "1/1/2000", "Now"}});
    ActivityTable later = a;
    later[0].total = RowTotal{200, 0};
    const ActivityTable other =
        readActivityTable(TableKind::Hours, {{"Nap", "8 Hrs", "Day", "1/1/2000", "Now"}});
    EXPECT_EQ(tableSeed(a), tableSeed(later));
    EXPECT_NE(tableSeed(a), tableSeed(other));
    {
        // The same colours in every language: the headings are shown translated, not seeded.
        const std::uint64_t english = tableSeed(a);
        const test::WordTranslator german({{{"ActivityWords", "Activity"}, "Tätigkeit"}});
        EXPECT_EQ(headingTexts(TableKind::Hours)[0], "Tätigkeit");
        EXPECT_EQ(tableSeed(a), english);
    }
    initAColorsSeeded(tableSeed(a));
    const ColorTable first = aColors();
    initAColorsSeeded(tableSeed(later));
    EXPECT_EQ(aColors(), first);
}

// ---- points -----------------------------------------------------------------------

TEST(ChartPoints, HoursGetOtherFirstInWhiteUpToHoursLived) {
    const std::vector<ChartRow> rows = {{"Sleep", 131}, {"Chess", 0}, {"Work", 2000}};
    const double sub = 131 + 0 + 2000;
    const std::vector<ChartPoint> expected = {
        {320175, "Other", kWhite},  // 322,306 - 2,131
        {131, "Sleep", numbered(1)},
        {2000, "Work", numbered(3)},  // row 3 keeps entry 2 although row 2 is not charted
    };
    EXPECT_EQ(chartPoints(rows, 322306, sub, numberedColors()), expected);
}

TEST(ChartPoints, FrequencyNeverHasOther) {
    const std::vector<ChartRow> rows = {{"Swim", 3}, {"Run", 1200}};
    // The frequency chart has neither subtotal nor base.
    const std::vector<ChartPoint> expected = {{3, "Swim", numbered(1)}, {1200, "Run", numbered(2)}};
    EXPECT_EQ(chartPoints(rows, 0, 0, numberedColors()), expected);
}

struct OtherCase {
    const char* name;
    double subTotal;
    double base;
    bool other;
    double otherValue;
};

class ChartOther : public ::testing::TestWithParam<OtherCase> {};

TEST_P(ChartOther, OnlyWhenTheSubtotalIsAboveZeroAndBelowTheBase) {
    const OtherCase& c = GetParam();
    const std::vector<ChartRow> rows = {{"A", 5}};
    const auto points = chartPoints(rows, c.base, c.subTotal, numberedColors());
    ASSERT_EQ(points.size(), c.other ? 2u : 1u);
    if (c.other) {
        EXPECT_EQ(points[0], (ChartPoint{c.otherValue, "Other", kWhite}));
    }
    EXPECT_EQ(points.back().label, "A");
}

INSTANTIATE_TEST_SUITE_P(Cases, ChartOther,
                         ::testing::Values(OtherCase{"below", 5, 100, true, 95},
                                           OtherCase{"justBelow", 99.5, 100, true, 0.5},
                                           OtherCase{"reaches", 100, 100, false, 0},
                                           OtherCase{"passes", 150, 100, false, 0},
                                           OtherCase{"baseZero", 5, 0, false, 0},
                                           OtherCase{"subtotalZero", 0, 100, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartPoints, AllZeroTotalsGiveAnEmptyChart) {
    const std::vector<ChartRow> rows = {{"A", 0}, {"B", 0}};
    EXPECT_TRUE(chartPoints(rows, 322306, 0, numberedColors()).empty());
}

TEST(ChartPoints, FiftyRowsUseFiftyColourSlots) {
    std::vector<ChartRow> rows;
    for (int r = 1; r <= 50; ++r) rows.push_back({QString::number(r), 1});
    const auto points = chartPoints(rows, 0, 0, numberedColors());
    ASSERT_EQ(points.size(), 50u);
    EXPECT_EQ(points.front().color, numbered(1));
    EXPECT_EQ(points.back().color, numbered(50));
}

// A row whose total was never worked out reads as an empty total cell did.
TEST(ChartPoints, ARowWithoutATotalIsNotANumber) {
    ActivityTable table = readActivityTable(
        TableKind::Hours,
        {{"Sleep", "8 Hrs", "Day", "1/1/2020", "Now"}, {"Broken", "x", "Day", "", "Now"}});
    table[0].total = RowTotal{131, 0.04};
    try {
        chartRows(table);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), "Hours, row 2, total: '' is not a valid floating point value");
    }
}

// The chart takes the whole numbers the table shows: rounded half away from zero, and
// without a sign, as the digits of a shown total read.
TEST(ChartPoints, BuiltFromTheTotalsAsShown) {
    ActivityTable table =
        readActivityTable(TableKind::Hours, {{"Sleep", "8 Hrs", "Day", "1/1/2020", "Now"},
                                             {"Read", "1 Hr", "Week", "1/1/2020", "Now"},
                                             {"Work", "8 Hrs", "Day", "1/1/2020", "Now"},
                                             {"Odd", "-1 Hr", "Day", "1/1/2020", "Now"}});
    table[0].total = RowTotal{130.5, 0.04};
    table[1].total = RowTotal{0.49, 0};
    table[2].total = RowTotal{1999.6, 0.62};
    table[3].total = RowTotal{-4.5, 0};
    EXPECT_DOUBLE_EQ(shownSubTotal(table), 131 + 0 + 2000 + 5);

    initAColors(false, 0x0000FF);
    const std::vector<ChartPoint> expected = {{1000, "Other", kWhite},
                                              {131, "Sleep", QColor(255, 0, 0)},
                                              {2000, "Work", QColor(255, 0, 0)},
                                              {5, "Odd", QColor(255, 0, 0)}};
    EXPECT_EQ(buildChartPoints(table, 3136, 2136), expected);
}

// ---- texts ------------------------------------------------------------------------

TEST(ChartTexts, Titles) {
    EXPECT_EQ(chartTitle(TableKind::Hours, "Ann", "Age: 36 years 9 months 5 days  Hours: 322,306"),
              "Hours spent for Ann  Age: 36 years 9 months 5 days  Hours: 322,306");
    EXPECT_EQ(chartTitle(TableKind::Money, "Ann", "Lifetime income: $50,000"),
              "Money spent for Ann  Lifetime income: $50,000");
    EXPECT_EQ(chartTitle(TableKind::Freq, "Ann", "ignored"), "Frequency of activities for Ann");
}

struct FormatCase {
    double value;
    const char* percent;
    const char* legend;
};

class ChartFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ChartFormats, PercentMarkAndLegendValue) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(percentMark(c.value), QString::fromUtf8(c.percent));
    EXPECT_EQ(legendValue(c.value), QString::fromUtf8(c.legend));
}

INSTANTIATE_TEST_SUITE_P(
    UnitedStates, ChartFormats,
    ::testing::Values(
        FormatCase{25, "25 %", "25"}, FormatCase{12.5, "12.5 %", "12.5"},
        FormatCase{100.0 / 3, "33.33 %", "33.333"}, FormatCase{200.0 / 3, "66.67 %", "66.667"},
        FormatCase{0.001, "0 %", "0.001"}, FormatCase{0.0004, "0 %", "0"},
        FormatCase{1234.5, "1234.5 %", "1,234.5"}, FormatCase{320175, "320175 %", "320,175"},
        FormatCase{0.1236, "0.12 %", "0.124"},
        // Shares of a pie of 1, 2 and 5.
        FormatCase{100.0 / 8, "12.5 %", "12.5"}, FormatCase{500.0 / 8, "62.5 %", "62.5"},
        // Shares of 322,306: 320,175 is 99.3388 %, 2,000 is 0.6205 %, 131 is 0.0406 %.
        FormatCase{100.0 * 320175 / 322306, "99.34 %", "99.339"},
        FormatCase{100.0 * 2000 / 322306, "0.62 %", "0.621"},
        FormatCase{100.0 * 131 / 322306, "0.04 %", "0.041"}, FormatCase{2000, "2000 %", "2,000"},
        FormatCase{131, "131 %", "131"}));

TEST(ChartFormats, GermanSeparators) {
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(percentMark(12.5), "12,5 %");
    EXPECT_EQ(percentMark(40), "40 %");
    EXPECT_EQ(legendValue(320175), "320.175");
    EXPECT_EQ(legendValue(1234.5), "1.234,5");
}

// Trailing zeros go in the locale's own digits too.
TEST(ChartFormats, ArabicIndicDigits) {
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(legendValue(12.5), QString::fromUtf8("١٢٫٥"));
    EXPECT_EQ(legendValue(40), QString::fromUtf8("٤٠"));
}

// ---- what a screen reader says -------------------------------------------------------

const std::vector<ChartPoint> kHours = {{210836, "Other", kWhite},
                                        {3907, "Commuting", numbered(1)},
                                        {131, "Reading", numbered(2)},
                                        {107432, "Sleeping", numbered(3)}};

// Shares of 322,306: 65.414 %, 33.332 %, 1.212 %, 0.041 %.
TEST(ChartDescription, EveryPointLargestFirst) {
    const QLocale us(QLocale::English, QLocale::UnitedStates),
        de(QLocale::German, QLocale::Germany);
    const struct {
        QLocale locale;
        std::vector<ChartPoint> points;
        const char* text;
    } rows[] = {
        {us, kHours,
         "Other: 210,836 (65.41 %); Sleeping: 107,432 (33.33 %); Commuting: 3,907 (1.21 %); "
         "Reading: 131 (0.04 %)"},
        {de, kHours,
         "Other: 210.836 (65,41 %); Sleeping: 107.432 (33,33 %); Commuting: 3.907 (1,21 %); "
         "Reading: 131 (0,04 %)"},
        {de,
         {{1234.5, "Auto", kWhite}, {3703.5, "Miete", kWhite}},
         "Miete: 3.703,5 (75 %); Auto: 1.234,5 (25 %)"},
        {us, {{1, "A %1", kWhite}, {1, "B", kWhite}}, "A %1: 1 (50 %); B: 1 (50 %)"}};
    for (const auto& r : rows) {
        test::PinnedEnv env(test::PinnedEnv::defaultNow(), r.locale);
        EXPECT_EQ(chartDescription(r.points), QString::fromUtf8(r.text));
    }
}

}  // namespace
}  // namespace lt
