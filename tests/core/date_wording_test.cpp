#include "core/date_wording.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace lt {
namespace {

DateTime day(int y, int m, int d) { return toDateTime(QDate(y, m, d)); }

struct WhenCase {
    QDate date;
    const char* text;
};

void PrintTo(const WhenCase& c, std::ostream* os) {
    *os << c.date.toString(Qt::ISODate).toStdString();
}

class RelativeDate : public ::testing::TestWithParam<WhenCase> {};

// Seen from Sunday 6 December 2026 at 10:00.
TEST_P(RelativeDate, SeenFromSunday6December2026) {
    test::PinnedEnv env;
    const WhenCase& c = GetParam();
    EXPECT_EQ(dateWhenNow(toDateTime(c.date)), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, RelativeDate,
    ::testing::Values(
        WhenCase{QDate(2026, 12, 6), "Today"}, WhenCase{QDate(2026, 12, 5), "Yesterday"},
        WhenCase{QDate(2026, 12, 7), "Tomorrow"}, WhenCase{QDate(2026, 12, 1), "Last week"},
        WhenCase{QDate(2026, 11, 29), "Last week"}, WhenCase{QDate(2026, 12, 12), "This week"},
        WhenCase{QDate(2026, 12, 13), "Next week"}, WhenCase{QDate(2026, 12, 19), "Next week"},
        WhenCase{QDate(2026, 12, 20), "2 wks"}, WhenCase{QDate(2026, 11, 28), "2 wks ago"},
        WhenCase{QDate(2026, 11, 21), "3 wks ago"}, WhenCase{QDate(2026, 10, 1), "10 wks ago"},
        WhenCase{QDate(2026, 9, 30), "3 mons ago"}, WhenCase{QDate(2024, 1, 1), "35 mons ago"},
        WhenCase{QDate(2023, 12, 31), "3 yrs ago"},
        WhenCase{QDate(2023, 11, 15), "3 yrs 1 mon ago"},
        WhenCase{QDate(2023, 10, 15), "3 yrs 2 mons ago"}, WhenCase{QDate(2027, 3, 1), "3 mons"},
        WhenCase{QDate(2029, 2, 1), "2 yrs 2 mons"}, WhenCase{QDate(2029, 12, 31), "3 yrs"},
        WhenCase{QDate(2030, 1, 1), "3 yrs 1 mon"}, WhenCase{QDate(2027, 1, 20), "6 wks"},
        // A year difference of 2 still reads in months.
        WhenCase{QDate(2028, 2, 1), "14 mons"}));

TEST(DateWhen, WeeksFromASaturday) {
    const DateTime saturday = day(2026, 12, 12);
    EXPECT_EQ(dateWhen(saturday, day(2026, 12, 10)).text, QStringLiteral("This week"));
    EXPECT_EQ(dateWhen(saturday, day(2026, 12, 6)).text, QStringLiteral("This week"));
    EXPECT_EQ(dateWhen(saturday, day(2026, 12, 5)).text, QStringLiteral("Last week"));
    EXPECT_EQ(dateWhen(saturday, day(2026, 12, 13)).text, QStringLiteral("Tomorrow"));
    EXPECT_EQ(dateWhen(saturday, day(2026, 12, 14)).text, QStringLiteral("Next week"));
    EXPECT_EQ(dateWhen(saturday, day(2026, 12, 26)).text, QStringLiteral("2 wks"));
    // Calendar weeks, not days / 7: 15 days on from a Saturday is the third week after.
    EXPECT_EQ(dateWhen(saturday, day(2026, 12, 27)).text, QStringLiteral("3 wks"));
    EXPECT_EQ(dateWhen(saturday, day(2027, 1, 2)).text, QStringLiteral("3 wks"));
    EXPECT_EQ(dateWhen(saturday, day(2027, 1, 3)).text, QStringLiteral("4 wks"));
}

TEST(DateWhen, HandsBackItsNumbers) {
    const DateTime now = toDateTime(test::PinnedEnv::defaultNow());
    const DateWhen past = dateWhen(now, day(2023, 11, 15));
    EXPECT_EQ(past.days, 1117);
    EXPECT_EQ(past.weeks, 160);
    EXPECT_EQ(past.months, 1);
    EXPECT_EQ(past.years, 3);

    const DateWhen weeks = dateWhen(now, day(2026, 10, 1));
    EXPECT_EQ(weeks.days, 66);
    EXPECT_EQ(weeks.weeks, 10);
    EXPECT_EQ(weeks.months, 2);
    EXPECT_EQ(weeks.years, 0);

    const DateWhen future = dateWhen(now, day(2029, 2, 1));
    EXPECT_EQ(future.days, 788);
    EXPECT_EQ(future.weeks, 112);
    EXPECT_EQ(future.months, 2);
    EXPECT_EQ(future.years, 2);

    // "Yesterday" stops before weeks, months and years are set.
    const DateWhen yesterday = dateWhen(now, day(2026, 12, 5));
    EXPECT_EQ(yesterday.days, 1);
    EXPECT_EQ(yesterday.weeks, 0);
    EXPECT_EQ(yesterday.months, 0);
    EXPECT_EQ(yesterday.years, 0);
}

TEST(DateWhen, BeforeYearOneIsBlank) {
    const DateWhen w = dateWhen(toDateTime(test::PinnedEnv::defaultNow()), day(1, 1, 1) - 1);
    EXPECT_EQ(w.text, QString());
    EXPECT_EQ(w.days, 0);
}

struct AgeCase {
    QDate date;
    QDate birth;
    const char* text;
};

void PrintTo(const AgeCase& c, std::ostream* os) { *os << c.text; }

class DateWhenAge : public ::testing::TestWithParam<AgeCase> {};

TEST_P(DateWhenAge, JoinsTheWordingAndTheAge) {
    test::PinnedEnv env;
    const AgeCase& c = GetParam();
    EXPECT_EQ(dateWhenAge(toDateTime(c.date), toDateTime(c.birth)), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DateWhenAge,
    ::testing::Values(
        AgeCase{QDate(2000, 6, 15), QDate(1990, 3, 20),
                "26 yrs 6 mons ago   You were 10 yrs 3 mons old"},
        AgeCase{QDate(2026, 12, 6), QDate(1990, 3, 20), "Today   You are 36 yrs 9 mons old"},
        AgeCase{QDate(2026, 12, 5), QDate(1990, 1, 1), "Yesterday   You were 36 yrs 11 mons old"},
        AgeCase{QDate(2027, 1, 20), QDate(1990, 3, 20), "6 wks   You will be 36 yrs 10 mons old"},
        AgeCase{QDate(1991, 3, 20), QDate(1990, 11, 1), "35 yrs 9 mons ago   You were 4 mons old"},
        // On or before the birth date only the wording is shown.
        AgeCase{QDate(2026, 12, 6), QDate(2026, 12, 6), "Today"},
        AgeCase{QDate(2026, 12, 1), QDate(2026, 12, 6), "Last week"},
        AgeCase{QDate(1990, 3, 20), QDate(1990, 3, 20), "36 yrs 9 mons ago"},
        AgeCase{QDate(1985, 3, 3), QDate(1990, 1, 1), "41 yrs 9 mons ago"},
        // Under two weeks old the age is counted in days.
        AgeCase{QDate(2026, 12, 5), QDate(2026, 12, 4), "Yesterday   You were 1 day old"},
        AgeCase{QDate(2026, 12, 6), QDate(2026, 12, 1), "Today   You are 5 days old"},
        AgeCase{QDate(2026, 12, 12), QDate(2026, 11, 29), "This week   You will be 13 days old"},
        // Born on a Saturday, 8 days is already two calendar weeks back, but under two weeks.
        AgeCase{QDate(2026, 12, 6), QDate(2026, 11, 28), "Today   You are 8 days old"},
        AgeCase{QDate(2026, 12, 6), QDate(2026, 11, 22), "Today   You are 2 wks old"}));

// Counts are written in the numbers' locale's digits, whatever the language of the words.
TEST(DateWhen, CountsInTheLocalesDigits) {
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(dateWhenAge(day(2000, 6, 15), day(1990, 3, 20)),
              QString::fromUtf8("٢٦ yrs ٦ mons ago   You were ١٠ yrs ٣ mons old"));
    EXPECT_EQ(dateWhenAge(day(2026, 12, 5), day(2026, 12, 4)),
              QString::fromUtf8("Yesterday   You were ١ day old"));
}

}  // namespace
}  // namespace lt
