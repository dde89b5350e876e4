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
    QStringList cells;  // as the table shows them
    const char* record;
};
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class CsvRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(CsvRow, IsWrittenLocaleNeutral) {
    const RowCase& c = GetParam();
    PinnedEnv env(PinnedEnv::defaultNow(), c.locale);
    EXPECT_EQ(csvRecord(csvFields(c.kind, c.cells)), QByteArray(c.record));
}

using K = TableKind;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CsvRow, ::testing::Values(
    RowCase{"HoursDay", kUS, K::Hours, {"Sleep", "8 Hrs", "Day", "3/1/1990", "Now", "107,448 (33.33%)"}, "hours,Sleep,8,hours,Day,1990-03-01,Now,107448,33.33\r\n"},
    RowCase{"HoursHalf", kUS, K::Hours, {"Read", "2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021", "131 (0.04%)"}, "hours,Read,2.5,hours,Week,2020-01-01,2021-01-01,131,0.04\r\n"},
    RowCase{"HoursThirdGroupedShare", kUS, K::Hours, {"Walk, daily", "1 Hr 20 Mins", "Month", "1/1/2020", "Now", "1,234 (1,234.5%)"}, "hours,\"Walk, daily\",1.3333,hours,Month,2020-01-01,Now,1234,1234.50\r\n"},
    RowCase{"HoursNoShare", kUS, K::Hours, {"Nap", "45 Mins", "Day", "12/6/2026", "Now", "0"}, "hours,Nap,0.75,hours,Day,2026-12-06,Now,0,\r\n"},
    RowCase{"Money", kUS, K::Money, {"Books", "$12.50", "Month", "1/15/2020", "3/15/2020", "$25 (0.05%)"}, "money,Books,12.50,USD,Month,2020-01-15,2020-03-15,25,0.05\r\n"},
    RowCase{"MoneyFormula", kUS, K::Money, {"=SUM(A1)", "$1,000", "Once", "1/1/2020", "Now", "$1,000"}, "money,'=SUM(A1),1000.00,USD,Once,2020-01-01,Now,1000,\r\n"},
    RowCase{"Frequency", kUS, K::Freq, {"Swims", "3", "Once", "1/1/2000", "Now", "3"}, "frequency,Swims,3,times,Once,2000-01-01,Now,3,\r\n"},
    RowCase{"TotalNotWorkedOut", kUS, K::Freq, {"Swims", "2", "Week", "1/1/2000", "Now", ""}, "frequency,Swims,2,times,Week,2000-01-01,Now,,\r\n"},
    RowCase{"GermanHours", kDE, K::Hours, {"Schlafen", "8 Hrs", "Day", "01.03.1990", "Now", "107.448 (33,33%)"}, "hours,Schlafen,8,hours,Day,1990-03-01,Now,107448,33.33\r\n"},
    RowCase{"GermanMoney", kDE, K::Money, {"Bücher", "1.012,50 €", "Year", "15.01.2020", "15.03.2024", "4.050 € (8,10%)"}, "money,Bücher,1012.50,EUR,Year,2020-01-15,2024-03-15,4050,8.10\r\n"},
    RowCase{"GermanFrequency", kDE, K::Freq, {"Umzug", "3", "Once", "01.01.2000", "31.12.2001", "3"}, "frequency,Umzug,3,times,Once,2000-01-01,2001-12-31,3,\r\n"}),
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
    QuoteCase{"FormulaInside", {"a=b", "1-2"}, "a=b,1-2\r\n"},
    QuoteCase{"FormulaWithComma", {"=a,b"}, "\"'=a,b\"\r\n"},
    QuoteCase{"Utf8", {"Café ☕"}, "Caf\xc3\xa9 \xe2\x98\x95\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(CsvFile, DateThatDoesNotConvertFails) {
    PinnedEnv env;
    try {
        csvFields(TableKind::Freq, {"Swims", "3", "Once", "31/31/2000", "Now", "3"});
        ADD_FAILURE() << "no failure";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'31/31/2000' is not a valid date"));
    }
}

}  // namespace
}  // namespace lt
