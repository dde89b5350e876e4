#include "core/date_span.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace lt {
namespace {

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return toDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi, s)));
}

struct SpanCase {
    const char* name;
    DateTime later, earlier;
    int years, months, days;
    double totalDays, monthCount, totalHours;
};

void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.name; }

class Spans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(Spans, FillEveryField) {
    const SpanCase& c = GetParam();
    // Either argument order gives the same span.
    for (const bool swapped : {false, true}) {
        const TDateDiff d =
            swapped ? computedatediff(c.earlier, c.later) : computedatediff(c.later, c.earlier);
        EXPECT_EQ(d.years, c.years);
        EXPECT_EQ(d.months, c.months);
        EXPECT_EQ(d.days, c.days);
        EXPECT_EQ(d.totalDays, c.totalDays);
        EXPECT_EQ(d.monthCount, c.monthCount);
        EXPECT_EQ(d.totalHours, c.totalHours);
    }
}

// Whole days and hours from Python's datetime.
INSTANTIATE_TEST_SUITE_P(
    Examples, Spans,
    ::testing::Values(
        // Day of month 6 < 20: a month is borrowed, 20 Nov to 6 Dec is 16 days.
        SpanCase{"BirthMarch20SeenDecember6At10", at(2026, 12, 6, 10), at(1990, 3, 20), 36, 8, 16,
                 13410, 441, 321850},
        SpanCase{"BirthMarch20SeenDecember6At12", at(2026, 12, 6, 12), at(1990, 3, 20), 36, 8, 16,
                 13410, 441, 321852},
        SpanCase{"BirthNovember1", at(2026, 12, 6, 12), at(1990, 11, 1), 36, 1, 5, 13184, 434,
                 316428},
        SpanCase{"BirthMarch1", at(2026, 12, 6, 10), at(1990, 3, 1), 36, 9, 5, 13429, 442, 322306},
        // Every borrow below days: 9 days 21:44:10.
        SpanCase{"TimeBorrows", at(2026, 3, 11, 6, 30), at(2026, 3, 1, 8, 45, 50), 0, 0, 9, 10, 1,
                 237},
        // 10 Dec to 5 Jan: 26 days, no whole month.
        SpanCase{"AcrossNewYear", at(2026, 1, 5), at(2025, 12, 10), 0, 0, 26, 26, 1, 624},
        // February has 28 days, so 31 January counts from 28 February.
        SpanCase{"January31ToMarch1", at(2026, 3, 1), at(2026, 1, 31), 0, 1, 1, 29, 1, 696},
        // Hours borrow on the same day of month: 6 Nov 12:00 to 6 Dec 10:00 = 29 d 22 h.
        SpanCase{"HoursBorrowIntoMonth", at(2026, 12, 6, 10), at(2026, 11, 6, 12), 0, 0, 29, 30, 1,
                 718},
        // 31 Mar 20:00 to 1 May 08:00: April has 30 days; 30 Apr 20:00 + 12 h.
        SpanCase{"MonthEndAndHoursBorrow", at(2026, 5, 1, 8), at(2026, 3, 31, 20), 0, 1, 0, 31, 1,
                 732},
        SpanCase{"LeapDayToNextMarch1", at(2025, 3, 1), at(2024, 2, 29), 1, 0, 1, 366, 12, 8784},
        SpanCase{"LeapDayToNextFebruary28", at(2025, 2, 28), at(2024, 2, 29), 0, 11, 30, 365, 12,
                 8760},
        SpanCase{"WholeYearsDecemberToJanuary", at(2026, 1, 1), at(2024, 12, 15), 1, 0, 17, 382, 13,
                 9168},
        SpanCase{"SameMoment", at(2026, 12, 6, 10), at(2026, 12, 6, 10), 0, 0, 0, 0, 0, 0},
        SpanCase{"ThursdayToMonday", at(2026, 12, 7), at(2026, 12, 3), 0, 0, 4, 4, 1, 96},
        SpanCase{"SaturdayToMonday", at(2026, 12, 7), at(2026, 12, 5), 0, 0, 2, 2, 1, 48},
        SpanCase{"FridayToSunday", at(2026, 12, 6), at(2026, 12, 4), 0, 0, 2, 2, 1, 48}));

TEST(DateSpan, TotalsAreExactWholeUnits) {
    // 13429 days and 10 hours.
    const TDateDiff d = computedatediff(at(2026, 12, 6, 10), at(1990, 3, 1));
    EXPECT_EQ(d.totalHours, 322306);

    const TDateDiff s = computedatediff(at(2026, 12, 6, 0, 59, 59), at(2026, 12, 6));
    EXPECT_EQ(s.totalHours, 0);

    // Eight hours after a third of a day is not a whole number of hours in binary.
    const TDateDiff t = computedatediff(at(2026, 12, 6, 16), at(2026, 12, 6, 8));
    EXPECT_EQ(t.totalHours, 8);
}

TEST(DateSpan, TotalDaysIgnoreTheTimeOfDay) {
    const TDateDiff d = computedatediff(at(2026, 12, 6, 0, 0, 1), at(2026, 12, 5, 23, 59, 59));
    EXPECT_EQ(d.totalDays, 1);
    EXPECT_EQ(d.totalHours, 0);
    EXPECT_EQ(d.days, 0);
}

struct MonthCountCase {
    int days;
    double monthCount;
};

class MonthCount : public ::testing::TestWithParam<MonthCountCase> {};

TEST_P(MonthCount, CountsFirstsOfMonthsFrom30December1899) {
    const MonthCountCase& c = GetParam();
    const DateTime start = at(2026, 7, 15);
    const TDateDiff d = computedatediff(start + c.days, start);
    EXPECT_EQ(d.totalDays, c.days);
    EXPECT_EQ(d.monthCount, c.monthCount);
}

INSTANTIATE_TEST_SUITE_P(Days, MonthCount,
                         ::testing::Values(MonthCountCase{0, 0}, MonthCountCase{1, 0},
                                           MonthCountCase{2, 1}, MonthCountCase{32, 1},
                                           MonthCountCase{33, 2}, MonthCountCase{365, 12},
                                           MonthCountCase{366, 12}, MonthCountCase{367, 13}));

TDateDiff ymdOf(int years, int months, int days) {
    TDateDiff d;
    d.years = years;
    d.months = months;
    d.days = days;
    return d;
}

struct YmdCase {
    int years, months, days;
    const char* text;
};

class Ymd : public ::testing::TestWithParam<YmdCase> {};

TEST_P(Ymd, WordsEveryPositivePart) {
    const YmdCase& c = GetParam();
    const TDateDiff d = ymdOf(c.years, c.months, c.days);
    EXPECT_EQ(ymd(d), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Parts, Ymd,
    ::testing::Values(YmdCase{1, 1, 1, "1 year 1 month 1 day "},
                      YmdCase{2, 3, 4, "2 years 3 months 4 days "}, YmdCase{0, 0, 0, ""},
                      YmdCase{36, 1, 0, "36 years 1 month "}, YmdCase{36, 0, 5, "36 years 5 days "},
                      YmdCase{0, 11, 30, "11 months 30 days "}, YmdCase{0, 0, 1, "1 day "},
                      YmdCase{-1, 0, 2, "2 days "}));

TEST(DateSpan, AgeTextsOfTheExamples) {
    const DateTime now = at(2026, 12, 6, 12);
    EXPECT_EQ(ymd(computedatediff(now, at(1990, 11, 1))),
              QStringLiteral("36 years 1 month 5 days "));
    EXPECT_EQ(ymd(computedatediff(now, at(1990, 12, 1))), QStringLiteral("36 years 5 days "));
    EXPECT_EQ(ymd(computedatediff(now, at(1990, 3, 20))),
              QStringLiteral("36 years 8 months 16 days "));
    EXPECT_EQ(ymd(computedatediff(now, at(1990, 12, 6))), QStringLiteral("36 years "));
}

}  // namespace
}  // namespace lt
