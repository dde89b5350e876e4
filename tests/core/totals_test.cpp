#include "core/totals.h"

#include <gtest/gtest.h>

#include "core/conversion.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;

const DateTime kNow = toDateTime(PinnedEnv::defaultNow());  // Sunday 6 Dec 2026 10:00
constexpr double kHoursLived = 322306;
constexpr double kIncome = 50000;

StoredRow row(const char* amount, const char* period, const char* start, const char* end) {
    return StoredRow{QStringLiteral("Activity"), QString::fromUtf8(amount),
                     QString::fromUtf8(period), QString::fromUtf8(start), QString::fromUtf8(end)};
}

// The total cell of a row read in the locale pinned at the time of the call.
QString hourTotalText(const StoredRow& r, double hoursLived, DateTime now) {
    return totalText(TableKind::Hours,
                     activityTotal(readActivity(TableKind::Hours, r), hoursLived, now));
}
QString moneyTotalText(const StoredRow& r, bool money, double income, DateTime now) {
    const TableKind kind = money ? TableKind::Money : TableKind::Freq;
    return totalText(kind, activityTotal(readActivity(kind, r), income, now));
}
RowStretch rowStretch(const StoredRow& r, TableKind kind, DateTime today) {
    return activityStretch(readActivity(kind, r), today);
}

struct HourCase {
    const char* name;
    StoredRow row;
    double hoursLived;
    const char* text;
};

void PrintTo(const HourCase& c, std::ostream* os) { *os << c.name; }

class HourTotal : public ::testing::TestWithParam<HourCase> {};

TEST_P(HourTotal, WritesTotalAndShare) {
    PinnedEnv env;
    const HourCase& c = GetParam();
    EXPECT_EQ(hourTotalText(c.row, c.hoursLived, kNow), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HourTotal,
    ::testing::Values(
        // 150 min x 366 days / 7 / 60 = 130.71 h; 130.71 / 322306 = 0.0406 %.
        HourCase{"WorkedExample", row("2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021"), kHoursLived,
                 "131 (0.04%)"},
        // k hours over k days: k / 322306 turns from 0.00 to 0.01 % between 16 and 17
        // (0.00496, 0.00527) and to 0.02 % between 48 and 49 (0.01489, 0.01520).
        HourCase{"Share16", row("1 Hr", "Day", "1/1/2026", "1/17/2026"), kHoursLived, "16 (0.00%)"},
        HourCase{"Share17", row("1 Hr", "Day", "1/1/2026", "1/18/2026"), kHoursLived, "17 (0.01%)"},
        HourCase{"Share48", row("1 Hr", "Day", "1/1/2026", "2/18/2026"), kHoursLived, "48 (0.01%)"},
        HourCase{"Share49", row("1 Hr", "Day", "1/1/2026", "2/19/2026"), kHoursLived, "49 (0.02%)"},
        HourCase{"ReversedDates", row("2 Hrs 30 Mins", "Week", "1/1/2021", "1/1/2020"), kHoursLived,
                 "131 (0.04%)"},
        HourCase{"NoBaseNoShare", row("2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021"), 0, "131"},
        HourCase{"SameDayDay", row("1 Hr", "Day", "3/1/2026", "3/1/2026"), kHoursLived, "0"},
        HourCase{"SameDayWeek", row("5 Hrs", "Week", "3/1/2026", "3/1/2026"), kHoursLived, "0"},
        HourCase{"TodayToNow", row("8 Hrs", "Day", "12/6/2026", "Now"), kHoursLived, "0"},
        // Until today from a start after it (a hand-edited file): nothing lived yet. Two
        // later dates keep their 10 days.
        HourCase{"NowAfterToday", row("3 Hrs", "Week", "1/1/2030", "Now"), kHoursLived, "0"},
        HourCase{"DatesAfterToday", row("1 Hr", "Day", "1/1/2030", "1/11/2030"), kHoursLived,
                 "10 (0.00%)"},
        // 1 January 2024 to now is 1070 whole days; 1070 / 322306 = 0.332 %.
        HourCase{"UntilNow", row("1 Hr", "Day", "1/1/2024", "Now"), kHoursLived, "1,070 (0.33%)"},
        HourCase{"MonthOverOneDay", row("10 Hrs", "Month", "3/1/2026", "3/2/2026"), kHoursLived,
                 "0"},
        // 10 h of 322306 is 0.0031 %: above zero, shown as 0.00.
        HourCase{"MonthOverTwoDays", row("10 Hrs", "Month", "3/1/2026", "3/3/2026"), kHoursLived,
                 "10 (0.00%)"},
        HourCase{"WeekOverTenDays", row("7 Hrs", "Week", "3/1/2026", "3/11/2026"), 100,
                 "10 (10.00%)"},
        HourCase{"TinyShare", row("1 Min", "Day", "3/1/2026", "3/2/2026"), kHoursLived,
                 "0 (0.00%)"},
        HourCase{"OverAHundredPercent", row("24 Hrs", "Day", "3/1/2026", "3/11/2026"), 100,
                 "240 (240.00%)"},
        // A hand-edited word holding two period words: the later test wins, Week over Day.
        HourCase{"DayThenWeekCountsWeek", row("7 Hrs", "Day a Week", "3/1/2026", "3/11/2026"), 100,
                 "10 (10.00%)"},
        HourCase{"UnknownPeriod", row("2 Hrs", "Fortnight", "1/1/2020", "1/1/2021"), kHoursLived,
                 "0"},
        // 35,791,395 x 60 minutes is past the 32-bit range.
        HourCase{"HugeHoursWord", row("35791395 Hrs", "Day", "3/1/2026", "3/2/2026"), 0,
                 "35,791,395"},
        HourCase{"LowerCasePeriod", row("2 Hrs", "day", "1/1/2020", "1/1/2021"), kHoursLived,
                 "0"}));

struct MoneyCase {
    const char* name;
    StoredRow row;
    bool moneyMode;
    double income;
    const char* text;
};

void PrintTo(const MoneyCase& c, std::ostream* os) { *os << c.name; }

class MoneyTotal : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(MoneyTotal, WritesTotalAndShare) {
    PinnedEnv env;
    const MoneyCase& c = GetParam();
    EXPECT_EQ(moneyTotalText(c.row, c.moneyMode, c.income, kNow), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MoneyTotal,
    ::testing::Values(
        // 60 days reach 2 firsts of months: 2 x 12.50 = 25, 0.05 % of 50,000.
        MoneyCase{"WorkedExample", row("$12.50", "Month", "1/15/2020", "3/15/2020"), true, kIncome,
                  "$25 (0.05%)"},
        MoneyCase{"FrequencyOnce", row("3", "Once", "1/1/2020", "1/1/2021"), false, kIncome, "3"},
        MoneyCase{"NoIncomeNoShare", row("$12.50", "Month", "1/15/2020", "3/15/2020"), true, 0,
                  "$25"},
        MoneyCase{"SameDayDay", row("$5.00", "Day", "3/1/2026", "3/1/2026"), true, kIncome, "$0"},
        MoneyCase{"SameDayWeekFrequency", row("4", "Week", "3/1/2026", "3/1/2026"), false, kIncome,
                  "0"},
        MoneyCase{"SameDayOnce", row("$5.00", "Once", "3/1/2026", "3/1/2026"), true, kIncome,
                  "$5 (0.01%)"},
        MoneyCase{"MonthOverOneDay", row("$10.00", "Month", "3/1/2026", "3/2/2026"), true, kIncome,
                  "$0"},
        MoneyCase{"MonthOverTwoDays", row("$10.00", "Month", "3/1/2026", "3/3/2026"), true, kIncome,
                  "$10 (0.02%)"},
        // 1000 x 10 / 7 = 1428.57; 2.857 % of 50,000.
        MoneyCase{"WeekOverTenDays", row("$1,000.00", "Week", "3/1/2026", "3/11/2026"), true,
                  kIncome, "$1,429 (2.86%)"},
        MoneyCase{"WeekOverTenDaysFrequency", row("70", "Week", "3/1/2026", "3/11/2026"), false,
                  kIncome, "100"},
        // 13 calendar months from 15 Dec 2024 to 1 Jan 2026 hold one whole year.
        MoneyCase{"WholeYears", row("$100.00", "Year", "12/15/2024", "1/1/2026"), true, kIncome,
                  "$100 (0.20%)"},
        MoneyCase{"WholeYearsReversed", row("$100.00", "Year", "1/1/2026", "12/15/2024"), true,
                  kIncome, "$100 (0.20%)"},
        // Three whole years would give $300; in "Once a Year" the once test comes last.
        MoneyCase{"OnceAYearCountsOnce", row("$100.00", "Once a Year", "1/1/2020", "1/1/2023"),
                  true, kIncome, "$100 (0.20%)"},
        MoneyCase{"UnderAYear", row("12", "Year", "1/1/2025", "12/31/2025"), false, kIncome, "0"},
        MoneyCase{"DayUntilNow", row("2", "Day", "1/1/2024", "Now"), false, kIncome, "2,140"},
        MoneyCase{"OnceNowAfterToday", row("$50.00", "Once", "1/1/2030", "Now"), true, kIncome,
                  "$0"},
        MoneyCase{"OverAHundredPercent", row("$2,000.00", "Once", "1/1/2020", "1/1/2020"), true,
                  100, "$2,000 (2,000.00%)"},
        MoneyCase{"TinyShare", row("$0.01", "Once", "1/1/2020", "1/1/2020"), true, kIncome,
                  "$0 (0.00%)"},
        MoneyCase{"BlanksAndGroups", row("   1,000", "Once", "1/1/2020", "1/1/2020"), false,
                  kIncome, "1,000"},
        MoneyCase{"UnknownPeriodMoney", row("$10.00", "Fortnight", "1/1/2020", "1/1/2021"), true,
                  kIncome, "$0"},
        MoneyCase{"UnknownPeriodFrequency", row("10", "", "1/1/2020", "1/1/2021"), false, kIncome,
                  "0"}));

QString failureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ConversionError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

TEST(Totals, NowIsOnlyTheExactWord) {
    PinnedEnv env;
    EXPECT_EQ(
        failureOf([] { hourTotalText(row("1 Hr", "Day", "1/1/2024", "now"), kHoursLived, kNow); }),
        QStringLiteral("'now' is not a valid date"));
    EXPECT_EQ(failureOf([] {
                  moneyTotalText(row("1", "Day", "1/1/2024", " Now"), false, kIncome, kNow);
              }),
              QStringLiteral("' Now' is not a valid date"));
}

TEST(Totals, ConversionFailuresEndTheRow) {
    PinnedEnv env;
    EXPECT_EQ(failureOf([] {
                  moneyTotalText(row("$12.50", "Day", "2/30/2020", "Now"), true, kIncome, kNow);
              }),
              QStringLiteral("'2/30/2020' is not a valid date"));
    EXPECT_EQ(
        failureOf([] { moneyTotalText(row("$", "Once", "1/1/2020", "Now"), true, kIncome, kNow); }),
        QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(
        failureOf([] { hourTotalText(row("x Hrs", "Day", "1/1/2020", "Now"), kHoursLived, kNow); }),
        QStringLiteral("'x' is not a valid integer value"));
}

TEST(Totals, TheStartAndEndGiveTheSpan) {
    PinnedEnv env;
    using K = TableKind;
    const RowStretch s = rowStretch(row("1", "Day", "3/15/2020", "1/15/2020"), K::Hours, kNow);
    EXPECT_TRUE(s.covers);
    EXPECT_EQ(s.to - s.from, 60);
    const RowStretch n = rowStretch(row("1", "Day", "12/6/2026", "Now"), K::Hours, kNow);
    EXPECT_NEAR(n.to - n.from, 10.0 / 24, 1e-9);
    EXPECT_FALSE(rowStretch(row("1", "Day", "12/7/2026", "Now"), K::Hours, kNow).covers);
    // A bad amount is named even where nothing is counted.
    EXPECT_THROW(
        activityTotal(readActivity(K::Money, row("$", "Day", "12/7/2026", "Now")), 0, kNow),
        ConversionError);
}

TEST(Totals, ResultsLines) {
    PinnedEnv env;
    // Two blanks stand before "Hours:": the age text ends in one.
    EXPECT_EQ(ageLine(QStringLiteral("3/1/1990"), kNow),
              QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306"));
    EXPECT_EQ(ageLine(QStringLiteral("3/20/1990"), kNow),
              QStringLiteral("Age: 36 years 8 months 16 days  Hours: 321,850"));
    EXPECT_EQ(ageLine(QStringLiteral("12/6/1990"), kNow),
              QStringLiteral("Age: 36 years  Hours: 315,586"));
    EXPECT_THROW(ageLine(QStringLiteral("13/1/1990"), kNow), ConversionError);
    EXPECT_EQ(incomeLine(QStringLiteral("$50,000")), QStringLiteral("Lifetime income: $50,000"));
}

TEST(Totals, GermanFormats) {
    PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(
        hourTotalText(row("2 Hrs 30 Mins", "Week", "01.01.2020", "01.01.2021"), kHoursLived, kNow),
        QStringLiteral("131 (0,04%)"));
    EXPECT_EQ(
        moneyTotalText(row("12,50 €", "Month", "15.01.2020", "15.03.2020"), true, kIncome, kNow),
        QString::fromUtf8("25\u00a0€ (0,05%)"));
    EXPECT_EQ(moneyTotalText(row("1.500", "Once", "1.1.2020", "1.1.2020"), false, kIncome, kNow),
              QStringLiteral("1.500"));
    EXPECT_EQ(ageLine(QStringLiteral("01.03.1990"), kNow),
              QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322.306"));
    EXPECT_THROW(ageLine(QStringLiteral("3/1/1990"), kNow), ConversionError);
}

}  // namespace
}  // namespace lt
