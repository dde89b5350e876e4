#include "core/pick_date_rules.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace lt {
namespace {

DateTime day(int y, int m, int d) { return toDateTime(QDate(y, m, d)); }

DateTime moment(int y, int m, int d, int h, int min) {
    return toDateTime(QDateTime(QDate(y, m, d), QTime(h, min)));
}

// ---- calendar range ----

struct RangeCase {
    QDate date;
    bool inRange;
};

class PickerRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PickerRange, HoldsFebruary1600ToNovember3999) {
    EXPECT_EQ(inPickerRange(GetParam().date), GetParam().inRange)
        << GetParam().date.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Ends, PickerRange,
    ::testing::Values(RangeCase{QDate(1600, 1, 31), false}, RangeCase{QDate(1600, 2, 1), true},
                      RangeCase{QDate(2026, 12, 6), true}, RangeCase{QDate(3999, 11, 30), true},
                      RangeCase{QDate(3999, 12, 1), false}, RangeCase{QDate(), false}));

// ---- month and year steps ----

struct StepCase {
    QDate from;
    int months;
    QDate expected;
};

class MonthStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(MonthStep, KeepsTheDayUpToTheTargetMonthsLastDay) {
    const StepCase& c = GetParam();
    EXPECT_EQ(addMonthsKeepingDay(c.from, c.months), c.expected)
        << c.from.toString().toStdString() << " + " << c.months;
}

INSTANTIATE_TEST_SUITE_P(Cases, MonthStep,
                         ::testing::Values(StepCase{QDate(2025, 3, 31), -1, QDate(2025, 2, 28)},
                                           StepCase{QDate(2024, 3, 31), -1, QDate(2024, 2, 29)},
                                           StepCase{QDate(2025, 1, 31), 1, QDate(2025, 2, 28)},
                                           StepCase{QDate(2025, 5, 31), 1, QDate(2025, 6, 30)},
                                           StepCase{QDate(2024, 1, 31), 13, QDate(2025, 2, 28)},
                                           StepCase{QDate(2024, 2, 29), 12, QDate(2025, 2, 28)},
                                           StepCase{QDate(2024, 2, 29), 48, QDate(2028, 2, 29)},
                                           StepCase{QDate(2025, 12, 15), 1, QDate(2026, 1, 15)},
                                           StepCase{QDate(2026, 1, 15), -1, QDate(2025, 12, 15)},
                                           StepCase{QDate(2000, 5, 31), -24, QDate(1998, 5, 31)},
                                           StepCase{QDate(1, 1, 15), -1, QDate()}));

TEST(PickerStep, RefusesStepsOutOfRangeAndLeavesTheDate) {
    // Year down in February 1600 would land in February 1599.
    EXPECT_EQ(stepYears(QDate(1600, 2, 15), -1), QDate(1600, 2, 15));
    EXPECT_EQ(stepMonths(QDate(1600, 2, 15), -1), QDate(1600, 2, 15));
    // Month down from February 1600 lands in January 1600, also outside.
    EXPECT_EQ(stepMonths(QDate(1600, 2, 29), -1), QDate(1600, 2, 29));
    EXPECT_EQ(stepMonths(QDate(1600, 3, 10), -1), QDate(1600, 2, 10));
    EXPECT_EQ(stepYears(QDate(1601, 1, 31), -1), QDate(1601, 1, 31));
    EXPECT_EQ(stepYears(QDate(1601, 2, 1), -1), QDate(1600, 2, 1));
    // Year up in November 3999, and month up from it.
    EXPECT_EQ(stepYears(QDate(3999, 11, 5), 1), QDate(3999, 11, 5));
    EXPECT_EQ(stepYears(QDate(3999, 11, 30), 1), QDate(3999, 11, 30));
    EXPECT_EQ(stepMonths(QDate(3999, 11, 30), -1), QDate(3999, 10, 30));
    EXPECT_EQ(stepMonths(QDate(3999, 11, 30), 1), QDate(3999, 11, 30));
    EXPECT_EQ(stepMonths(QDate(3999, 10, 31), 1), QDate(3999, 11, 30));
    EXPECT_EQ(stepYears(QDate(3998, 11, 30), 1), QDate(3999, 11, 30));
    EXPECT_EQ(stepYears(QDate(3998, 12, 1), 1), QDate(3998, 12, 1));
}

// ---- life line ----

// Birth 1 January 1990 seen on 6 December 2026: 13488 days, step 134 (remainder 88).
TEST(LifeLine, StepDropsTheRemainder) {
    const LifeLine line = lifeLine(moment(1990, 1, 1, 17, 30), moment(2026, 12, 6, 10, 0));
    EXPECT_EQ(line.birthDay, 32874);
    EXPECT_EQ(line.nowDay, 46362);
    EXPECT_EQ(line.step, 134);
}

TEST(LifeLine, EndsAreBirthAndTodayWhateverTheStep) {
    const LifeLine line = lifeLine(day(1990, 1, 1), moment(2026, 12, 6, 10, 0));
    EXPECT_EQ(trackBarDate(line, 0), day(1990, 1, 1));
    // Today, not b + 100 * step, which would stop 88 days short of it.
    EXPECT_EQ(trackBarDate(line, 100), day(2026, 12, 6));
}

TEST(LifeLine, PositionFiftyIsFiftyStepsNotTheMiddle) {
    const LifeLine line = lifeLine(day(1990, 1, 1), moment(2026, 12, 6, 10, 0));
    EXPECT_EQ(trackBarDate(line, 50), day(2008, 5, 6));
    EXPECT_EQ(trackBarDate(line, 1), day(1990, 5, 15));
    EXPECT_EQ(trackBarDate(line, 99), day(2026, 4, 28));
}

struct PositionCase {
    DateTime date;
    int expected;
};

class TrackBarPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(TrackBarPosition, FollowsTheCalendar) {
    const LifeLine line = lifeLine(day(1990, 1, 1), moment(2026, 12, 6, 10, 0));
    const auto position = trackBarPosition(line, GetParam().date);
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(*position, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrackBarPosition,
                         ::testing::Values(PositionCase{day(1989, 12, 31), 0},  // before the birth
                                           PositionCase{day(1600, 2, 1), 0},    // far before it
                                           PositionCase{day(1990, 1, 1), 0},    // the birth day
                                           PositionCase{day(1990, 1, 1) + 0.9, 0},  // its evening
                                           PositionCase{day(1990, 5, 14), 0},       // b + 133
                                           PositionCase{day(1990, 5, 15), 1},       // b + 134
                                           PositionCase{day(2008, 5, 5), 49},   // b + 50 * 134 - 1
                                           PositionCase{day(2008, 5, 6), 50},   // b + 50 * 134
                                           PositionCase{day(2026, 9, 9), 100},  // b + 100 * 134
                                           PositionCase{day(2026, 9, 8), 99},   // one day before it
                                           PositionCase{day(2026, 12, 6),
                                                        100},  // today, limited to 100
                                           PositionCase{day(2026, 12, 7), 100},     // after today
                                           PositionCase{day(3999, 11, 30), 100}));  // far after it

TEST(LifeLine, ZeroStepLeavesTheTrackBarAlone) {
    // Born today: no whole day per position.
    const LifeLine line = lifeLine(day(2026, 12, 6), moment(2026, 12, 6, 10, 0));
    EXPECT_EQ(line.step, 0);
    EXPECT_FALSE(trackBarPosition(line, day(2026, 12, 6)).has_value());
    EXPECT_EQ(trackBarPosition(line, day(2026, 12, 5)), 0);
    EXPECT_EQ(trackBarPosition(line, day(2026, 12, 7)), 100);
}

TEST(LifeLine, BirthBefore1900CountsWholeDaysTowardZero) {
    // 15 June 1850 at noon is a negative serial with a fraction; its day is still 15 June.
    const DateTime birth = moment(1850, 6, 15, 12, 0);
    ASSERT_LT(birth, 0.0);
    const LifeLine line = lifeLine(birth, moment(2026, 12, 6, 10, 0));
    EXPECT_EQ(line.birthDay, -18095);
    EXPECT_EQ(line.step, 644);
    EXPECT_EQ(trackBarDate(line, 0), day(1850, 6, 15));
    EXPECT_EQ(trackBarDate(line, 50), day(1938, 8, 13));
}

// ---- window height ----

TEST(LifeLineShown, From701DaysBack) {
    const DateTime now = moment(2026, 12, 6, 10, 0);
    EXPECT_FALSE(lifeLineShown(day(2025, 1, 5), now));  // 700 days back
    EXPECT_FALSE(lifeLineShown(moment(2025, 1, 5, 0, 1), now));
    EXPECT_TRUE(lifeLineShown(day(2025, 1, 4), now));  // 701 days back
    EXPECT_TRUE(lifeLineShown(moment(2025, 1, 4, 23, 59), now));
    EXPECT_FALSE(lifeLineShown(day(2026, 12, 6), now));
    EXPECT_FALSE(lifeLineShown(day(2030, 1, 1), now));
}

TEST(PickerHeight, PanelAndClient) {
    EXPECT_EQ(pickerPanelHeight(true), 350);
    EXPECT_EQ(pickerPanelHeight(false), 290);
    EXPECT_EQ(pickerClientHeight(true), 353);
    EXPECT_EQ(pickerClientHeight(false), 293);
}

// ---- placement ----

struct PlacementCase {
    const char* what;
    QRect field;
    QRect screen;
    QPoint expected;
};

class PickerPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PickerPlacement, NextToTheField) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(pickerPlacement(c.field, QSize(370, 353), c.screen), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PickerPlacement,
    ::testing::Values(
        PlacementCase{"below", QRect(100, 200, 120, 21), QRect(0, 0, 1280, 1024), QPoint(101, 222)},
        // 909 + 370 + 1 = 1280 still fits
        PlacementCase{"fits right", QRect(908, 200, 120, 21), QRect(0, 0, 1280, 1024),
                      QPoint(909, 222)},
        PlacementCase{"pulled left", QRect(909, 200, 120, 21), QRect(0, 0, 1280, 1024),
                      QPoint(909, 222)},
        PlacementCase{"pulled left far", QRect(1200, 200, 60, 21), QRect(0, 0, 1280, 1024),
                      QPoint(909, 222)},
        // 650 + 21 + 1 + 353 = 1025 passes the bottom edge
        PlacementCase{"above", QRect(100, 650, 120, 21), QRect(0, 0, 1280, 1024), QPoint(101, 297)},
        PlacementCase{"fits below", QRect(100, 649, 120, 21), QRect(0, 0, 1280, 1024),
                      QPoint(101, 671)},
        PlacementCase{"second screen", QRect(3000, 900, 120, 21), QRect(1280, 0, 1920, 1080),
                      QPoint(2829, 547)},
        PlacementCase{"tiny screen", QRect(10, 100, 120, 21), QRect(0, 0, 300, 300),
                      QPoint(0, 0)}));

// ---- spinner repeat ----

TEST(SpinnerRepeat, SpeedsUpTheLongerItIsHeld) {
    EXPECT_EQ(spinnerRepeatInterval(0), 150);
    EXPECT_EQ(spinnerRepeatInterval(1000), 150);
    EXPECT_EQ(spinnerRepeatInterval(2000), 88);  // halfway from 150 to 25, rounded
    EXPECT_EQ(spinnerRepeatInterval(3000), 25);
    EXPECT_EQ(spinnerRepeatInterval(60000), 25);
    int previous = spinnerRepeatInterval(0);
    for (int ms = 0; ms <= 4000; ms += 50) {
        const int interval = spinnerRepeatInterval(ms);
        EXPECT_LE(interval, previous) << ms;
        previous = interval;
    }
}

}  // namespace
}  // namespace lt
