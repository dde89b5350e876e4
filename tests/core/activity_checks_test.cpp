#include "core/activity_checks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "core/conversion.h"
#include "support/test_env.h"

namespace lt {
namespace {

// Today is pinned to Sunday 6 December 2026; the user was born on 15 March 1980.
const QString kBirth = QStringLiteral("3/15/1980");

enum class Per { Day, Week, Month, None };

struct TimeCase {
    const char* label;
    const char* name;
    int hours, minutes;
    Per per;
    const char* start;
    bool specific;
    const char* end;
    const char* message;  // "" = passes
    CheckFocus focus;
};

TimeEntry entryOf(const TimeCase& c) {
    TimeEntry e;
    e.name = QString::fromUtf8(c.name);
    e.hours = c.hours;
    e.minutes = c.minutes;
    e.day = c.per == Per::Day;
    e.week = c.per == Per::Week;
    e.month = c.per == Per::Month;
    e.startDate = QString::fromUtf8(c.start);
    e.specificEnd = c.specific;
    e.endDate = QString::fromUtf8(c.end);
    return e;
}

constexpr CheckFocus kNone = CheckFocus::Unchanged;
constexpr const char* kDays = "Number of hours incorrect for days";
constexpr const char* kWeeks = "Number of hours/minutes incorrect for weeks";
constexpr const char* kMonths = "Number of hours/minutes incorrect for months";
constexpr const char* kBlank = "Description cannot be blank";

const TimeCase kTimeCases[] = {
    {"plain", "Sleep", 8, 0, Per::Day, "1/1/2000", false, "Now", "", kNone},
    {"zero time", "Sleep", 0, 0, Per::Day, "1/1/2000", false, "Now", "", kNone},
    {"day 23:59", "Sleep", 23, 59, Per::Day, "1/1/2000", false, "Now", "", kNone},
    {"day 24:00", "Sleep", 24, 0, Per::Day, "1/1/2000", false, "Now", "", kNone},
    {"day 24:01", "Sleep", 24, 1, Per::Day, "1/1/2000", false, "Now", kDays, kNone},
    {"day 25:00", "Sleep", 25, 0, Per::Day, "1/1/2000", false, "Now", kDays, kNone},
    {"week takes 25 h", "Work", 25, 0, Per::Week, "1/1/2000", false, "Now", "", kNone},
    {"week 168:00", "Work", 168, 0, Per::Week, "1/1/2000", false, "Now", "", kNone},
    {"week 168:30", "Work", 168, 30, Per::Week, "1/1/2000", false, "Now", kWeeks, kNone},
    {"week 169:00", "Work", 169, 0, Per::Week, "1/1/2000", false, "Now", kWeeks, kNone},
    {"month 720:59", "Read", 720, 59, Per::Month, "1/1/2000", false, "Now", "", kNone},
    {"month 5208:00", "Read", 5208, 0, Per::Month, "1/1/2000", false, "Now", "", kNone},
    {"month 5208:01", "Read", 5208, 1, Per::Month, "1/1/2000", false, "Now", kMonths, kNone},
    {"month 5209:00", "Read", 5209, 0, Per::Month, "1/1/2000", false, "Now", kMonths, kNone},
    {"no period, no limit", "Read", 9000, 0, Per::None, "1/1/2000", false, "Now", "", kNone},
    {"blank name", "", 8, 0, Per::Day, "1/1/2000", false, "Now", "Description cannot be blank",
     CheckFocus::Name},
    {"blank name wins over bad start", "", 8, 0, Per::Day, "13/1/2000", false, "Now",
     "Description cannot be blank", CheckFocus::Name},
    {"blanks", " \t\n ", 8, 0, Per::Day, "1/1/2000", false, "Now", kBlank, CheckFocus::Name},
    {"bad start", "Sleep", 8, 0, Per::Day, "13/1/2000", false, "Now", "Starting date is not valid",
     CheckFocus::StartDate},
    {"empty start", "Sleep", 8, 0, Per::Day, "", false, "Now", "Starting date is not valid",
     CheckFocus::StartDate},
    {"30 February start", "Run", 1, 0, Per::Day, "2/30/2000", false, "Now",
     "Starting date is not valid", CheckFocus::StartDate},
    {"five-digit year start", "Run", 1, 0, Per::Day, "1/1/20000", false, "Now",
     "Starting date is not valid", CheckFocus::StartDate},
    {"word as end", "Run", 1, 0, Per::Day, "1/1/2000", true, "soon", "Ending date is not valid",
     CheckFocus::EndDate},
    {"bad end", "Sleep", 8, 0, Per::Day, "1/1/2000", true, "2/30/2001", "Ending date is not valid",
     CheckFocus::EndDate},
    {"bad end wins over hours", "Sleep", 25, 0, Per::Day, "1/1/2000", true, "x",
     "Ending date is not valid", CheckFocus::EndDate},
    {"end not read when indefinite", "Sleep", 8, 0, Per::Day, "1/1/2000", false, "x", "", kNone},
    {"hours win over birth date", "Sleep", 25, 0, Per::Day, "1/1/1970", false, "Now", kDays, kNone},
    {"start on birth date", "Sleep", 8, 0, Per::Day, "3/15/1980", false, "Now", "", kNone},
    {"start day before birth", "Sleep", 8, 0, Per::Day, "3/14/1980", false, "Now",
     "Starting date is earlier than date of birth", CheckFocus::StartDate},
    {"start today", "Sleep", 8, 0, Per::Day, "12/6/2026", false, "Now", "", kNone},
    {"start tomorrow", "Sleep", 8, 0, Per::Day, "12/7/2026", false, "Now",
     "Starting date is in the future", CheckFocus::StartDate},
    {"future wins over end order", "Sleep", 8, 0, Per::Day, "12/7/2026", true, "1/1/2000",
     "Starting date is in the future", CheckFocus::StartDate},
    {"end day before start", "Sleep", 8, 0, Per::Day, "6/2/2010", true, "6/1/2010",
     "Starting date is after the ending date", CheckFocus::StartDate},
    {"end equals start", "Sleep", 8, 0, Per::Day, "6/2/2010", true, "6/2/2010", "", kNone},
    {"end in the future", "Sleep", 8, 0, Per::Day, "6/2/2010", true, "1/1/2030", "", kNone},
};

class TimeChecks : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeChecks, FirstFailureAndFocus) {
    test::PinnedEnv env;
    const TimeCase& c = GetParam();
    const CheckResult r = qKosher(entryOf(c), kBirth);
    EXPECT_EQ(r.passed, *c.message == 0);
    EXPECT_EQ(r.message.toStdString(), c.message);
    EXPECT_EQ(r.focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(Table, TimeChecks, ::testing::ValuesIn(kTimeCases), [](const auto& info) {
    std::string n = info.param.label;
    for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

struct MoneyCase {
    const char* label;
    const char* name;
    double amount;
    const char* start;
    bool specific;
    const char* end;
    const char* message;
    CheckFocus focus;
};

const MoneyCase kMoneyCases[] = {
    {"plain", "Coffee", 3.5, "1/1/2000", false, "Now", "", kNone},
    {"one cent", "Coffee", 0.01, "1/1/2000", false, "Now", "", kNone},
    {"zero", "Coffee", 0, "1/1/2000", false, "Now", "Value cannot be set to 0", CheckFocus::Amount},
    {"negative", "Coffee", -1, "1/1/2000", false, "Now", "Value cannot be set to 0",
     CheckFocus::Amount},
    {"large", "Car", 9999999, "1/1/2000", false, "Now", "", kNone},
    {"blank name", "", 3.5, "1/1/2000", false, "Now", "Description cannot be blank",
     CheckFocus::Name},
    {"blanks", "   ", 3.5, "1/1/2000", false, "Now", kBlank, CheckFocus::Name},
    {"bad start", "Coffee", 3.5, "1/32/2000", false, "Now", "Starting date is not valid",
     CheckFocus::StartDate},
    {"bad end", "Coffee", 3.5, "1/1/2000", true, "Now", "Ending date is not valid",
     CheckFocus::EndDate},
    {"end before start accepted", "Coffee", 3.5, "6/2/2010", true, "6/1/2010", "", kNone},
    {"start on birth date", "Coffee", 3.5, "3/15/1980", false, "Now", "", kNone},
    {"start day before birth", "Coffee", 3.5, "3/14/1980", false, "Now",
     "Starting date is earlier than date of birth", CheckFocus::StartDate},
    {"start today", "Coffee", 3.5, "12/6/2026", false, "Now", "", kNone},
    {"start tomorrow", "Coffee", 3.5, "12/7/2026", false, "Now", "Starting date is in the future",
     CheckFocus::StartDate},
    {"dates win over zero amount", "Coffee", 0, "12/7/2026", false, "Now",
     "Starting date is in the future", CheckFocus::StartDate},
};

class MoneyChecks : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(MoneyChecks, FirstFailureAndFocus) {
    test::PinnedEnv env;
    const MoneyCase& c = GetParam();
    MoneyEntry e;
    e.name = QString::fromUtf8(c.name);
    e.amount = c.amount;
    e.startDate = QString::fromUtf8(c.start);
    e.specificEnd = c.specific;
    e.endDate = QString::fromUtf8(c.end);
    const CheckResult r = qKosher(e, kBirth);
    EXPECT_EQ(r.passed, *c.message == 0);
    EXPECT_EQ(r.message.toStdString(), c.message);
    EXPECT_EQ(r.focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(Table, MoneyChecks, ::testing::ValuesIn(kMoneyCases),
                         [](const auto& info) {
                             std::string n = info.param.label;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

TEST(ActivityChecks, DatesFollowTheLocale) {
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    TimeEntry e;
    e.name = QStringLiteral("Schlaf");
    e.hours = 8;
    e.day = true;
    e.startDate = QStringLiteral("06.12.2026");
    e.specificEnd = true;
    e.endDate = QStringLiteral("07.12.2026");
    EXPECT_TRUE(qKosher(e, QStringLiteral("15.03.1980")).passed);
    e.startDate = QStringLiteral("12/6/2026");
    EXPECT_EQ(qKosher(e, QStringLiteral("15.03.1980")).message,
              QStringLiteral("Starting date is not valid"));
}

TEST(ActivityChecks, TodayFollowsTheClock) {
    test::PinnedEnv env(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59)));
    MoneyEntry e;
    e.name = QStringLiteral("Coffee");
    e.amount = 1;
    e.startDate = QStringLiteral("12/6/2026");
    EXPECT_TRUE(qKosher(e, kBirth).passed);
    env.setNow(QDateTime(QDate(2026, 12, 5), QTime(0, 0)));
    EXPECT_EQ(qKosher(e, kBirth).message, QStringLiteral("Starting date is in the future"));
}

TEST(ActivityChecks, UnreadableBirthDateIsAConversionError) {
    test::PinnedEnv env;
    MoneyEntry e;
    e.name = QStringLiteral("Coffee");
    e.amount = 1;
    e.startDate = QStringLiteral("1/1/2000");
    try {
        qKosher(e, QStringLiteral("soon"));
        ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& err) {
        EXPECT_EQ(err.message(), QStringLiteral("'soon' is not a valid date"));
    }
}

}  // namespace
}  // namespace lt
