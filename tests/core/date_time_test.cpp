#include "core/date_time.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace lt {
namespace {

struct SerialCase {
    QDate date;
    double serial;
    int weekday;  // 1 = Sunday
};

class Serials : public ::testing::TestWithParam<SerialCase> {};

TEST_P(Serials, CountDaysFrom30December1899) {
    const SerialCase& c = GetParam();
    EXPECT_EQ(toDateTime(c.date), c.serial);
    EXPECT_EQ(dateOf(c.serial), c.date);
    EXPECT_EQ(dayOfWeek(c.serial), c.weekday);
    // The time of day does not change the weekday.
    EXPECT_EQ(dayOfWeek(toDateTime(QDateTime(c.date, QTime(23, 59)))), c.weekday);
    const DecodedDateTime d = decode(c.serial);
    EXPECT_EQ(d.year, c.date.year());
    EXPECT_EQ(d.month, c.date.month());
    EXPECT_EQ(d.day, c.date.day());
}

// Serials and weekdays worked out with Python's datetime.
INSTANTIATE_TEST_SUITE_P(Days, Serials,
                         ::testing::Values(SerialCase{QDate(1899, 12, 30), 0, 7},
                                           SerialCase{QDate(1899, 12, 31), 1, 1},
                                           SerialCase{QDate(1900, 1, 1), 2, 2},
                                           SerialCase{QDate(1899, 12, 29), -1, 6},
                                           SerialCase{QDate(1899, 12, 24), -6, 1},
                                           SerialCase{QDate(1990, 3, 1), 32933, 5},
                                           SerialCase{QDate(2020, 1, 1), 43831, 4},
                                           SerialCase{QDate(2026, 12, 6), 46362, 1},
                                           SerialCase{QDate(2026, 12, 12), 46368, 7},
                                           SerialCase{QDate(1, 1, 1), -693593, 2}));

TEST(DateTime, TimeOfDayIsTheFraction) {
    const DateTime t = toDateTime(QDateTime(QDate(2026, 12, 6), QTime(18, 0)));
    EXPECT_DOUBLE_EQ(t, 46362.75);
    const DecodedDateTime d = decode(toDateTime(QDateTime(QDate(2026, 3, 1), QTime(8, 45, 50))));
    EXPECT_EQ(d.hour, 8);
    EXPECT_EQ(d.minute, 45);
    EXPECT_EQ(d.second, 50);
    EXPECT_EQ(wholeDay(t), 46362);
}

TEST(DateTime, BeforeDayZeroTheFractionStillCountsForward) {
    // -1.25 is 29 December 1899 at 6:00.
    const DateTime t = toDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(t, -1.25);
    EXPECT_EQ(wholeDay(t), -1);
    const DecodedDateTime d = decode(t);
    EXPECT_EQ(d.day, 29);
    EXPECT_EQ(d.hour, 6);
    EXPECT_EQ(dateOf(t), QDate(1899, 12, 29));
}

TEST(DateTime, BeforeYearOneDecodesToZeros) {
    const DecodedDateTime d = decode(toDateTime(QDate(1, 1, 1)) - 1);
    EXPECT_EQ(d.year, 0);
    EXPECT_EQ(d.month, 0);
    EXPECT_EQ(d.day, 0);
}

TEST(DateTime, NowComesFromThePinnedClock) {
    test::PinnedEnv env;
    EXPECT_DOUBLE_EQ(nowDateTime(), 46362 + 10.0 / 24);
}

TEST(DateTime, MillisecondsLieOnOneLine) {
    EXPECT_EQ(toMilliseconds(toDateTime(QDateTime(QDate(1899, 12, 31), QTime(0, 0, 1)))),
              86400000 + 1000);
    EXPECT_EQ(toMilliseconds(toDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0)))),
              -86400000 + 6 * 3600000);
}

}  // namespace
}  // namespace lt
