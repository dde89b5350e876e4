#include "core/look_ahead.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;
using K = TableKind;

const DateTime kNow = toDateTime(PinnedEnv::defaultNow());  // Sunday 6 Dec 2026 10:00
const QDate kToday(2026, 12, 6);
const QDate kBirth(1990, 3, 1);
const QDate kLeapBirth(2000, 2, 29);
// Age 37, the present age (36) plus one: 1 March 2027, 85 days after today; from
// 1 December 2026, 90 days.
const QDate kT37(2027, 3, 1);

StoredRow row(const char* amount, const char* period, const char* start, const char* end) {
    return {QStringLiteral("A"), QString::fromUtf8(amount), QString::fromUtf8(period),
            QString::fromUtf8(start), QString::fromUtf8(end)};
}

TEST(LookAheadRow, CountsTheRowToTheBirthday) {
    PinnedEnv env;
    // clang-format off
    const std::tuple<const char*, K, StoredRow, QDate, double> rows[] = {
        // The kinds of end, an hour a day from 1 December 2026 (so far 5 days).
        {"NowRunsToTheBirthday", K::Hours, row("1 Hr", "Day", "12/1/2026", "Now"), kT37, 90},
        {"FutureEndBeforeTheBirthday", K::Hours, row("1 Hr", "Day", "12/1/2026", "1/1/2027"), kT37, 31},
        {"FutureEndAfterTheBirthdayIsCut", K::Hours, row("1 Hr", "Day", "12/1/2026", "6/1/2027"), kT37, 90},
        {"PastEndKeepsItsTotal", K::Hours, row("1 Hr", "Day", "1/1/2020", "1/1/2021"), kT37, 366},
        {"EndToday", K::Hours, row("1 Hr", "Day", "12/1/2026", "12/6/2026"), kT37, 5},
        {"SwappedDatesCountAsSwapped", K::Hours, row("1 Hr", "Day", "6/1/2027", "12/1/2026"), kT37, 90},
        {"StartAfterTheBirthday", K::Hours, row("1 Hr", "Day", "3/2/2027", "Now"), kT37, 0},
        {"DatedStartAfterTheBirthday", K::Money, row("$5", "Day", "4/1/2027", "5/1/2027"), kT37, 0},
        {"StartOnTheBirthday", K::Hours, row("1 Hr", "Day", "3/1/2027", "Now"), kT37, 0},
        {"NowStartingAfterToday", K::Hours, row("1 Hr", "Day", "2/1/2027", "Now"), kT37, 28},
        // Each period over the 90 days from 1 December 2026.
        {"HoursWeek", K::Hours, row("2 Hrs", "Week", "12/1/2026", "Now"), kT37, 120.0 * 90 / 7 / 60},
        {"HoursMonth", K::Hours, row("3 Hrs", "Month", "12/1/2026", "Now"), kT37, 9},  // 3 months
        {"MoneyDay", K::Money, row("$2.50", "Day", "12/1/2026", "Now"), kT37, 225},
        {"MoneyWeek", K::Money, row("$7", "Week", "12/1/2026", "Now"), kT37, 90},
        {"MoneyMonth", K::Money, row("$10", "Month", "12/1/2026", "Now"), kT37, 30},
        {"MoneyYear", K::Money, row("$100", "Year", "3/1/2020", "Now"), kT37, 700},  // 7 years
        {"FrequencyWeek", K::Freq, row("1", "Week", "12/1/2026", "Now"), kT37, 90.0 / 7},
        {"OnceBeforeTheBirthday", K::Money, row("$50", "Once", "2/1/2027", "Now"), kT37, 50},
        {"OnceOnTheBirthday", K::Freq, row("1", "Once", "3/1/2027", "3/5/2027"), kT37, 1},
        {"OnceAfterTheBirthday", K::Money, row("$50", "Once", "3/2/2027", "Now"), kT37, 0},
        // Born on 29 February 2000: 27 on 28 February 2027, 84 days from 6 December 2026.
        {"LeapBirthday", K::Hours, row("1 Hr", "Day", "12/6/2026", "Now"), nthBirthday(kLeapBirth, 27), 84}};
    // clang-format on
    for (const auto& [name, kind, r, birthday, byAge] : rows)
        EXPECT_NEAR(totalByBirthday(readActivity(kind, r), birthday), byAge, 1e-9) << name;
}

TEST(LookAheadAge, YoungestStartAndRefusal) {
    PinnedEnv env;
    // Birth, today, the youngest age ahead (the present age plus one).
    const std::tuple<QDate, QDate, int> youngest[] = {{kBirth, kToday, 37},
                                                      {QDate(1990, 12, 20), kToday, 36},
                                                      {QDate(1990, 12, 6), kToday, 37},
                                                      {kToday, kToday, 1},
                                                      {QDate(2027, 1, 1), kToday, 1},
                                                      {kLeapBirth, QDate(2001, 2, 28), 2},
                                                      {kLeapBirth, QDate(2001, 2, 27), 1}};
    for (const auto& [birth, today, age] : youngest)
        EXPECT_EQ(youngestAgeAhead(birth, today), age) << birth.toString().toStdString();
    EXPECT_EQ(nthBirthday(kLeapBirth, 27), QDate(2027, 2, 28));
    EXPECT_EQ(nthBirthday(kLeapBirth, 28), QDate(2028, 2, 29));
    // Remembered age (0 for none), birth, the age shown first.
    const std::tuple<int, QDate, int> starts[] = {
        {0, kBirth, 80}, {90, kBirth, 90}, {30, kBirth, 37}, {0, QDate(1940, 1, 1), 87}};
    for (const auto& [remembered, birth, age] : starts)
        EXPECT_EQ(lookAheadStartAge(remembered, birth, kToday), age) << remembered;
    const std::tuple<int, QDate, const char*> refusals[] = {
        {37, kBirth, ""},
        {120, kBirth, ""},
        {36, kBirth, "You reached the age of 36 on 3/1/2026: choose an age from 37 to 120."},
        {121, kBirth, "Ages go up to 120: choose an age from 37 to 120."},
        {120, QDate(1900, 1, 1),
         "You reached the age of 120 on 1/1/2020: no age up to 120 lies ahead."}};
    for (const auto& [age, birth, text] : refusals)
        EXPECT_EQ(lookAheadRefusal(age, birth, kToday), QString::fromUtf8(text)) << age;
}

// 232,560 h = 9,690 days; 9,690 / 365.2425 = 26.53 years; 9,690 - 26 x 365.2425 = 193.7.
// 2,147,483,647 hours a day (a hand-edited file) for 10,000 days: 894,784,852,916 days,
// 2,449,837,718.5 years, more than an int holds.
TEST(LookAheadHours, InYearsAndDaysFromADay) {
    PinnedEnv env;
    // clang-format off
    const std::pair<double, const char*> rows[] = {{23.9, ""}, {24, "1 day"}, {48, "2 days"},
        {8766, "365 days"}, {8784, "1 year"}, {232560, "26 years 193 days"},
        {21474836470000, "2,449,837,718 years 199 days"}};
    // clang-format on
    for (const auto& [hours, text] : rows)
        EXPECT_EQ(hoursAsYearsAndDays(hours), QString::fromUtf8(text)) << hours;
}

// So far is what has been lived up to today; by 37 (1 March 2027) the rest comes on top.
TEST(LookAheadRow, SoFarStopsAtToday) {
    PinnedEnv env;
    const std::tuple<QStringList, double, double> rows[] = {
        {{"Ending later", "$1", "Day", "12/1/2026", "1/1/2027"}, 5, 31},
        {{"Not begun", "$1", "Day", "2/1/2027", "Now"}, 0, 28},
        {{"Once today", "$50", "Once", "12/6/2026", "Now"}, 50, 50},
        {{"Once later", "$50", "Once", "1/1/2027", "Now"}, 0, 50},
        {{"Dated later", "$1", "Once", "1/1/2027", "2/1/2027"}, 0, 1},
        {{"Beyond the age", "$2", "Week", "1/1/2030", "Now"}, 0, 0}};
    std::array<TableTexts, 3> t{emptyTable(K::Hours), emptyTable(K::Money), emptyTable(K::Freq)};
    for (size_t r = 0; r < std::size(rows); ++r) t[1][r + 1] = std::get<0>(rows[r]);
    const LookAhead look = lookAhead(
        {activitiesOf(K::Hours, t[0]), activitiesOf(K::Money, t[1]), activitiesOf(K::Freq, t[2])},
        kBirth, 37, kNow);
    for (size_t r = 0; r < std::size(rows); ++r) {
        EXPECT_NEAR(look.tables[1].at(r).soFar, std::get<1>(rows[r]), 1e-9) << r;
        EXPECT_NEAR(look.tables[1].at(r).byAge, std::get<2>(rows[r]), 1e-9) << r;
    }
}

// One row a table, dates and amounts in the locale's forms.
std::array<TableTexts, 3> tables(const QStringList& hours, const QStringList& money,
                                 const QStringList& freq) {
    std::array<TableTexts, 3> t{emptyTable(K::Hours), emptyTable(K::Money), emptyTable(K::Freq)};
    t[0][1] = hours;
    t[1][1] = money;
    t[2][1] = freq;
    return t;
}

struct LocaleCase {
    const char* name;
    QLocale locale;
    std::array<TableTexts, 3> tables;
    const char* currency;
    const char* line;
    QStringList hoursCells;
    const char* age;  // 37 in the locale's digits
};
void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }

class LookAheadTables : public ::testing::TestWithParam<LocaleCase> {};

// Age 37: 13,514 days (37 x 365 + 9 leap days), 324,336 hours. Sleep, 8 hours a day from
// 1 December 2026: 40 h so far, 720 by the birthday, 0.22 % of it. Books, 12.50 a month
// from 15 January 2020 to 15 March 2020: 25 either way. Moves, 2 a week from 1 December
// 2026 to 1 June 2027: 5 days so far (1.43), 90 by the birthday (25.71): 24.28 to come.
TEST_P(LookAheadTables, LineCellsAndCsv) {
    const LocaleCase& c = GetParam();
    PinnedEnv env(PinnedEnv::defaultNow(), c.locale);
    const LookAhead look =
        lookAhead({activitiesOf(K::Hours, c.tables[0]), activitiesOf(K::Money, c.tables[1]),
                   activitiesOf(K::Freq, c.tables[2])},
                  kBirth, 37, kNow);
    EXPECT_EQ(lookAheadLine(look), QString::fromUtf8(c.line));
    EXPECT_EQ(lookAheadCells(K::Hours, look, look.tables[0].at(0)), c.hoursCells);
    const QString age = QString::fromUtf8(c.age);
    EXPECT_EQ(lookAheadHeadings(K::Hours, 37),
              QStringList({"Activity", "So far", "By age " + age, "Still to come",
                           "Share of life by " + age}));
    EXPECT_EQ(lookAheadChart(look, "Ann").title, "Hours by age " + age + " for Ann");
    const QByteArray csv =
        "Table,Activity,Unit,So far,By age 37,Still to come,Share of life by 37 %\r\n"
        "hours,\"Sleep, mostly\",hours,40.00,720.00,680.00,0.22\r\n"
        "money,'=Books,CUR,25.00,25.00,0.00,\r\n"
        "frequency,Moves,times,1.43,25.71,24.28,\r\n";
    EXPECT_EQ(lookAheadCsv(look), QByteArray(csv).replace("CUR", c.currency));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Locales, LookAheadTables, ::testing::Values(
    LocaleCase{"en_US", QLocale(QLocale::English, QLocale::UnitedStates),
        tables({"Sleep, mostly", "8 Hrs", "Day", "12/1/2026", "Now"},
               {"=Books", "$12.50", "Month", "1/15/2020", "3/15/2020"},
               {"Moves", "2", "Week", "12/1/2026", "6/1/2027"}), "USD",
        "By age 37, on Monday, March 1, 2027, you will have lived 324,336 hours.",
        {"Sleep, mostly", "40 (1 day)", "720 (30 days)", "680 (28 days)", "0.22%"}, "37"},
    LocaleCase{"de_DE", QLocale(QLocale::German, QLocale::Germany),
        tables({"Sleep, mostly", "8 Hrs", "Day", "01.12.2026", "Now"},
               {"=Books", "12,50 €", "Month", "15.01.2020", "15.03.2020"},
               {"Moves", "2", "Week", "01.12.2026", "01.06.2027"}), "EUR",
        "By age 37, on Montag, 1. März 2027, you will have lived 324.336 hours.",
        {"Sleep, mostly", "40 (1 day)", "720 (30 days)", "680 (28 days)", "0,22%"}, "37"},
    LocaleCase{"ar_EG", QLocale(QLocale::Arabic, QLocale::Egypt),
        tables({"Sleep, mostly", "8 Hrs", "Day", "١/١٢/٢٠٢٦", "Now"},
               {"=Books", "١٢٫٥٠ ج.م.‏", "Month", "١٥/١/٢٠٢٠", "١٥/٣/٢٠٢٠"},
               {"Moves", "٢", "Week", "١/١٢/٢٠٢٦", "١/٦/٢٠٢٧"}), "EGP",
        // The right-to-left date set apart (U+2068 ... U+2069) from the numbers around it.
        "By age ٣٧, on \u2068الاثنين، ١ مارس ٢٠٢٧\u2069, you will have lived ٣٢٤٬٣٣٦ hours.",
        {"Sleep, mostly", "٤٠ (١ day)", "٧٢٠ (٣٠ days)", "٦٨٠ (٢٨ days)", "٠٫٢٢%"}, "٣٧"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lt
