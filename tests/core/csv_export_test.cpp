#include "core/csv_export.h"

#include <gtest/gtest.h>

#include "core/conversion.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;
const QLocale kUS(QLocale::English, QLocale::UnitedStates);
const QLocale kDE(QLocale::German, QLocale::Germany);

struct RowCase {
    const char* name;
    QLocale locale;
    TableKind kind;
    QStringList cells;  // columns 0 to 4, as the table shows them
    double base;        // hours lived or income
    const char* record;
};
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class CsvRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(CsvRow, IsWrittenLocaleNeutralWithExactTotals) {
    const RowCase& c = GetParam();
    PinnedEnv env(PinnedEnv::defaultNow(), c.locale);
    const Activity row =
        readActivity(c.kind, {c.cells[0], c.cells[1], c.cells[2], c.cells[3], c.cells[4]}, 1);
    EXPECT_EQ(csvRecord(csvFields(row, c.base, toDateTime(PinnedEnv::defaultNow()))),
              QByteArray(c.record));
}

// Now is 6 Dec 2026 10:00; 1 Mar 1990 is 13,429 days before. Totals worked by hand:
// 8 x 13,429 = 107,432 hours, 33.332% of 322,306; 150 min x 366 / 7 / 60 = 130.714 hours,
// 0.0406%; 80 min x 3 days = 4 hours, 0.0012%; 7.50 x 3,017 days (1 Jan 2000 to 5 Apr
// 2008) = 22,627.50, 25.142% of 90,000; 1,012.50 x 4 years = 4,050, 8.1% of 50,000;
// 2 a week over 10 days = 2.857 times.
using K = TableKind;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CsvRow, ::testing::Values(
    RowCase{"HoursDay", kUS, K::Hours, {"Sleep", "8 Hrs", "Day", "3/1/1990", "Now"}, 322306, "hours,Sleep,8,hours,Day,1990-03-01,Now,107432.00,33.33\r\n"},
    RowCase{"HoursHalf", kUS, K::Hours, {"Read", "2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021"}, 322306, "hours,Read,2.5,hours,Week,2020-01-01,2021-01-01,130.71,0.04\r\n"},
    RowCase{"HoursThirdTinyShare", kUS, K::Hours, {"Walk, daily", "1 Hr 20 Mins", "Day", "1/1/2020", "1/4/2020"}, 322306, "hours,\"Walk, daily\",1.3333,hours,Day,2020-01-01,2020-01-04,4.00,0.00\r\n"},
    RowCase{"HoursNoShare", kUS, K::Hours, {"Nap", "45 Mins", "Day", "12/6/2026", "Now"}, 0, "hours,Nap,0.75,hours,Day,2026-12-06,Now,0.00,\r\n"},
    RowCase{"MoneyToTheCent", kUS, K::Money, {"Lunch", "$7.50", "Day", "1/1/2000", "4/5/2008"}, 90000, "money,Lunch,7.50,USD,Day,2000-01-01,2008-04-05,22627.50,25.14\r\n"},
    RowCase{"MoneyFormula", kUS, K::Money, {"=SUM(A1)", "$1,000", "Once", "1/1/2020", "Now"}, 0, "money,'=SUM(A1),1000.00,USD,Once,2020-01-01,Now,1000.00,\r\n"},
    RowCase{"Frequency", kUS, K::Freq, {"Swims", "3", "Once", "1/1/2000", "Now"}, 50000, "frequency,Swims,3,times,Once,2000-01-01,Now,3,\r\n"},
    RowCase{"FrequencyNotBegun", kUS, K::Freq, {"Swims", "3", "Once", "1/1/2030", "Now"}, 0, "frequency,Swims,3,times,Once,2030-01-01,Now,0,\r\n"},
    RowCase{"FrequencyByTheWeek", kUS, K::Freq, {"Swims", "2", "Week", "1/1/2020", "1/11/2020"}, 50000, "frequency,Swims,2,times,Week,2020-01-01,2020-01-11,2.8571,\r\n"},
    RowCase{"GermanHours", kDE, K::Hours, {"Schlafen", "8 Hrs", "Day", "01.03.1990", "Now"}, 322306, "hours,Schlafen,8,hours,Day,1990-03-01,Now,107432.00,33.33\r\n"},
    RowCase{"GermanMoney", kDE, K::Money, {"Bücher", "1.012,50 €", "Year", "15.01.2020", "15.03.2024"}, 50000, "money,Bücher,1012.50,EUR,Year,2020-01-15,2024-03-15,4050.00,8.10\r\n"},
    RowCase{"GermanFrequency", kDE, K::Freq, {"Umzug", "3", "Once", "01.01.2000", "31.12.2001"}, 0, "frequency,Umzug,3,times,Once,2000-01-01,2001-12-31,3,\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct QuoteCase {
    const char* name;
    QStringList fields;
    const char* record;
};
void PrintTo(const QuoteCase& c, std::ostream* os) { *os << c.name; }

class CsvQuoting : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(CsvQuoting, FollowsRfc4180AndDisarmsFormulas) {
    EXPECT_EQ(csvRecord(GetParam().fields), QByteArray(GetParam().record));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CsvQuoting, ::testing::Values(
    QuoteCase{"Plain", {"a", "b c", ""}, "a,b c,\r\n"},
    QuoteCase{"Quote", {"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
    QuoteCase{"LineBreaks", {"a\nb", "c\rd"}, "\"a\nb\",\"c\rd\"\r\n"},
    QuoteCase{"FormulaStarts", {"+1", "-2", "@x", "=1"}, "'+1,'-2,'@x,'=1\r\n"},
    QuoteCase{"FormulaAfterTab", {"\t=1", "x\ty"}, "'\t=1,x\ty\r\n"},
    QuoteCase{"FormulaAfterReturn", {"\r=1"}, "\"'\r=1\"\r\n"},
    QuoteCase{"FormulaInside", {"a=b", "1-2"}, "a=b,1-2\r\n"},
    QuoteCase{"FormulaWithComma", {"=a,b"}, "\"'=a,b\"\r\n"},
    QuoteCase{"Utf8", {"Café ☕"}, "Caf\xc3\xa9 \xe2\x98\x95\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct PlaceCase {
    const char* name;
    TableKind kind;
    QStringList cells;
    const char* error;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class CsvFailure : public ::testing::TestWithParam<PlaceCase> {};

// A text that does not convert is named by where it stands, here row 3 of its table.
TEST_P(CsvFailure, NamesTheCell) {
    PinnedEnv env;
    const QStringList& c = GetParam().cells;
    try {
        csvFields(readActivity(GetParam().kind, {c[0], c[1], c[2], c[3], c[4]}, 3), 322306,
                  toDateTime(PinnedEnv::defaultNow()));
        ADD_FAILURE() << "no failure";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8(GetParam().error));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CsvFailure, ::testing::Values(
    PlaceCase{"EndingDate", K::Hours, {"Read", "1 Hr", "Day", "1/1/2020", ""}, "Hours, row 3, ending date: '' is not a valid date"},
    PlaceCase{"StartingDate", K::Freq, {"Swims", "3", "Once", "31/31/2000", "Now"}, "Frequency, row 3, starting date: '31/31/2000' is not a valid date"},
    PlaceCase{"Time", K::Hours, {"Read", "x Hrs", "Day", "1/1/2020", "Now"}, "Hours, row 3, time: 'x' is not a valid integer value"},
    PlaceCase{"Amount", K::Money, {"Books", "$", "Once", "1/1/2020", "Now"}, "Money, row 3, amount: '' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lt
