#include "core/locale_format.h"

#include <gtest/gtest.h>

#include <QHash>
#include <optional>

#include "core/conversion.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);

struct ParseCase {
    const char* text;
    std::optional<QDate> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseDateUs : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateUs, ReadsMonthDayYear) {
    PinnedEnv env;
    const ParseCase& c = GetParam();
    EXPECT_EQ(loc::parseDate(QString::fromUtf8(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateUs,
    ::testing::Values(
        ParseCase{"12/6/2026", QDate(2026, 12, 6)}, ParseCase{"1/5/2026", QDate(2026, 1, 5)},
        ParseCase{"01/05/2026", QDate(2026, 1, 5)}, ParseCase{"  3/1/1990 ", QDate(1990, 3, 1)},
        ParseCase{"2/29/2024", QDate(2024, 2, 29)},
        // Two-digit years fall in 1976..2075 seen from 2026.
        ParseCase{"1/1/76", QDate(1976, 1, 1)}, ParseCase{"1/1/75", QDate(2075, 1, 1)},
        ParseCase{"12/6/26", QDate(2026, 12, 6)}, ParseCase{"1/1/00", QDate(2000, 1, 1)},
        ParseCase{"1/1/99", QDate(1999, 1, 1)},
        // Impossible dates.
        ParseCase{"2/30/2026", std::nullopt}, ParseCase{"2/29/2025", std::nullopt},
        ParseCase{"13/1/2026", std::nullopt}, ParseCase{"0/1/2026", std::nullopt},
        ParseCase{"1/0/2026", std::nullopt}, ParseCase{"4/31/2026", std::nullopt},
        // Day before month is not the US order.
        ParseCase{"31/12/2026", std::nullopt},
        // Wrong separators and shapes.
        ParseCase{"12-6-2026", std::nullopt}, ParseCase{"12.6.2026", std::nullopt},
        ParseCase{"2026/12/6", std::nullopt}, ParseCase{"12/6", std::nullopt},
        ParseCase{"12/6/2026/1", std::nullopt}, ParseCase{"12/6/202", std::nullopt},
        ParseCase{"12/6/5", std::nullopt}, ParseCase{"12/6/20260", std::nullopt},
        ParseCase{"123/6/2026", std::nullopt}, ParseCase{"+1/6/2026", std::nullopt},
        ParseCase{"1x/6/2026", std::nullopt}, ParseCase{"Now", std::nullopt},
        ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt}));

class ParseDateDe : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateDe, ReadsDayMonthYear) {
    PinnedEnv env(PinnedEnv::defaultNow(), kDe);
    const ParseCase& c = GetParam();
    EXPECT_EQ(loc::parseDate(QString::fromUtf8(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDateDe,
                         ::testing::Values(ParseCase{"06.12.2026", QDate(2026, 12, 6)},
                                           ParseCase{"5.1.2026", QDate(2026, 1, 5)},
                                           ParseCase{"31.12.75", QDate(2075, 12, 31)},
                                           ParseCase{"1.1.76", QDate(1976, 1, 1)},
                                           ParseCase{"30.02.2026", std::nullopt},
                                           ParseCase{"12/6/2026", std::nullopt},
                                           ParseCase{"6/12/2026", std::nullopt},
                                           ParseCase{"06-12-2026", std::nullopt},
                                           ParseCase{"12.31.2026", std::nullopt}));

TEST(LocaleFormat, TwoDigitYearWindowFollowsTheClock) {
    PinnedEnv env(QDateTime(QDate(2000, 6, 1), QTime(9, 0)));
    // Seen from 2000 the window is 1950..2049.
    EXPECT_EQ(loc::parseDate(QStringLiteral("1/1/49")), QDate(2049, 1, 1));
    EXPECT_EQ(loc::parseDate(QStringLiteral("1/1/50")), QDate(1950, 1, 1));
}

TEST(LocaleFormat, ShortDateFormatHasAFourDigitYear) {
    {
        PinnedEnv env;
        EXPECT_EQ(loc::shortDateFormat(), QStringLiteral("M/d/yyyy"));
        EXPECT_EQ(loc::formatDate(QDate(2026, 1, 5)), QStringLiteral("1/5/2026"));
        EXPECT_EQ(loc::formatDate(QDate(2026, 12, 6)), QStringLiteral("12/6/2026"));
        EXPECT_EQ(loc::formatDate(QDate(1899, 12, 30)), QStringLiteral("12/30/1899"));
    }
    {
        PinnedEnv env(PinnedEnv::defaultNow(), kDe);
        EXPECT_EQ(loc::shortDateFormat(), QStringLiteral("dd.MM.yyyy"));
        EXPECT_EQ(loc::formatDate(QDate(2026, 1, 5)), QStringLiteral("05.01.2026"));
    }
}

TEST(LocaleFormat, FormattedDatesReadBack) {
    for (const QLocale& l : {kUs, kDe}) {
        PinnedEnv env(PinnedEnv::defaultNow(), l);
        for (const QDate d : {QDate(1900, 1, 1), QDate(1990, 3, 20), QDate(2024, 2, 29),
                              QDate(2075, 12, 31), QDate(2099, 7, 4)})
            EXPECT_EQ(loc::parseDate(loc::formatDate(d)), d) << qPrintable(l.name());
    }
}

// Some short formats end in a literal after the last field (Hungarian "2026. 12. 06.",
// Korean "2026. 12. 6.", Bulgarian "6.12.2026 г."); today's date written by the program
// must pass the birth-date check in those locales too.
TEST(LocaleFormat, DatesEndingInALiteralReadBack) {
    struct Case {
        QLocale locale;
        const char* formatted;  // 6 December 2026
    };
    const Case cases[] = {{QLocale(QLocale::Hungarian, QLocale::Hungary), "2026. 12. 06."},
                          {QLocale(QLocale::Korean, QLocale::SouthKorea), "2026. 12. 6."},
                          {QLocale(QLocale::Croatian, QLocale::Croatia), "06. 12. 2026."},
                          {QLocale(QLocale::Bulgarian, QLocale::Bulgaria), "6.12.2026 \u0433."}};
    for (const Case& c : cases) {
        PinnedEnv env(PinnedEnv::defaultNow(), c.locale);
        const QString name = c.locale.name();
        EXPECT_EQ(loc::formatDate(QDate(2026, 12, 6)), QString::fromUtf8(c.formatted))
            << qPrintable(name);
        EXPECT_EQ(loc::parseDate(QString::fromUtf8(c.formatted)), QDate(2026, 12, 6))
            << qPrintable(name);
        for (const QDate d : {QDate(1900, 1, 1), QDate(1990, 3, 20), QDate(2024, 2, 29)})
            EXPECT_EQ(loc::parseDate(loc::formatDate(d)), d) << qPrintable(name);
    }
    // The literal may be left off, but nothing else may follow the last field.
    PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::Hungarian, QLocale::Hungary));
    EXPECT_EQ(loc::parseDate(QStringLiteral("2026. 12. 6")), QDate(2026, 12, 6));
    EXPECT_EQ(loc::parseDate(QStringLiteral("2026.12.6.")), QDate(2026, 12, 6));
    EXPECT_EQ(loc::parseDate(QStringLiteral("2026. 12.")), std::nullopt);
    EXPECT_EQ(loc::parseDate(QStringLiteral("2026. 12. 6..")), std::nullopt);
    EXPECT_EQ(loc::parseDate(QStringLiteral("2026. 12. 6. 1")), std::nullopt);
}

// Arabic short formats carry right-to-left marks beside their separators; the dates the
// program writes read back, and so do dates typed without the marks.
TEST(LocaleFormat, DatesWithDirectionMarksReadBack) {
    for (const QLocale& l :
         {QLocale(QLocale::Arabic, QLocale::Algeria), QLocale(QLocale::Arabic, QLocale::Morocco)}) {
        PinnedEnv env(PinnedEnv::defaultNow(), l);
        const QString name = l.name();
        const QString written = loc::formatDate(QDate(2026, 12, 6));
        EXPECT_TRUE(written.contains(QChar(0x200F))) << qPrintable(name);
        EXPECT_EQ(loc::parseDate(written), QDate(2026, 12, 6)) << qPrintable(name);
        EXPECT_EQ(loc::parseDate(QStringLiteral("6/12/2026")), QDate(2026, 12, 6))
            << qPrintable(name);
        EXPECT_EQ(loc::parseDate(QStringLiteral("6-12-2026")), std::nullopt) << qPrintable(name);
        for (const QDate d : {QDate(1900, 1, 1), QDate(1990, 3, 20), QDate(2024, 2, 29)})
            EXPECT_EQ(loc::parseDate(loc::formatDate(d)), d) << qPrintable(name);
    }
}

// A pasted text may carry any direction mark at any place; each end of each range of
// marks, and the ones between, read as if they were not there.
TEST(LocaleFormat, PastedDirectionMarksAreIgnored) {
    PinnedEnv env;
    for (const char16_t mark : {u'\u200E', u'\u200F', u'\u061C', u'\u202A', u'\u202B', u'\u202C',
                                u'\u202D', u'\u202E', u'\u2066', u'\u2067', u'\u2068', u'\u2069'}) {
        const QString m(QChar{mark});
        const QString date = m + "12" + m + "/8/" + m + "2026" + m;
        EXPECT_EQ(loc::parseDate(date), QDate(2026, 12, 8)) << int(mark);
        EXPECT_EQ(loc::parseNumber(m + "12" + m + ".5" + m), 12.5) << int(mark);
    }
    // Their neighbours are not marks: the texts do not convert.
    for (const char16_t other : {u'\u200D', u'\u2010', u'\u2065', u'\u206A', u'\u061D'})
        EXPECT_EQ(loc::parseNumber(QString(QChar{other}) + "12.5"), std::nullopt) << int(other);
}

TEST(LocaleFormat, LongTimeHasNoZone) {
    {
        PinnedEnv env;
        EXPECT_EQ(loc::longTimeFormat(), QStringLiteral("h:mm:ss AP"));
        EXPECT_EQ(loc::formatLongTime(QTime(10, 0, 0)), QStringLiteral("10:00:00 AM"));
        EXPECT_EQ(loc::formatLongTime(QTime(15, 4, 5)), QStringLiteral("3:04:05 PM"));
    }
    {
        PinnedEnv env(PinnedEnv::defaultNow(), kDe);
        EXPECT_EQ(loc::formatLongTime(QTime(15, 4, 5)), QStringLiteral("15:04:05"));
    }
}

struct NumberCase {
    double value;
    int decimals;
    const char* us;
    const char* de;
};

class FormatNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FormatNumber, GroupsAndRoundsHalvesAway) {
    const NumberCase& c = GetParam();
    {
        PinnedEnv env;
        EXPECT_EQ(loc::formatNumber(c.value, c.decimals), QString::fromUtf8(c.us));
    }
    {
        PinnedEnv env(PinnedEnv::defaultNow(), kDe);
        EXPECT_EQ(loc::formatNumber(c.value, c.decimals), QString::fromUtf8(c.de));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumber,
    ::testing::Values(NumberCase{1234.5, 0, "1,235", "1.235"},  // "%.0n"
                      NumberCase{0.5, 0, "1", "1"}, NumberCase{1.5, 0, "2", "2"},
                      NumberCase{2.5, 0, "3", "3"},  // not to even
                      NumberCase{-2.5, 0, "-3", "-3"}, NumberCase{0.49, 0, "0", "0"},
                      NumberCase{0, 0, "0", "0"}, NumberCase{130.71428571, 0, "131", "131"},
                      NumberCase{322306, 0, "322,306", "322.306"},
                      NumberCase{1234567.891, 0, "1,234,568", "1.234.568"},
                      NumberCase{0.0406, 2, "0.04", "0,04"},  // "%.2n"
                      NumberCase{0.125, 2, "0.13", "0,13"}, NumberCase{2.675, 2, "2.68", "2,68"},
                      NumberCase{0.005, 2, "0.01", "0,01"}, NumberCase{0.00499, 2, "0.00", "0,00"},
                      NumberCase{0.05, 2, "0.05", "0,05"},
                      NumberCase{1500, 2, "1,500.00", "1.500,00"},
                      NumberCase{1234567.891, 2, "1,234,567.89", "1.234.567,89"}));

TEST(LocaleFormat, MoneyHasTheLocaleCurrencyAndNoDecimals) {
    {
        PinnedEnv env;
        EXPECT_EQ(loc::formatMoney0(25), QStringLiteral("$25"));
        EXPECT_EQ(loc::formatMoney0(0), QStringLiteral("$0"));
        EXPECT_EQ(loc::formatMoney0(1234.5), QStringLiteral("$1,235"));
        EXPECT_EQ(loc::formatMoney0(24.5), QStringLiteral("$25"));
        EXPECT_EQ(loc::formatMoney0(1428.5714), QStringLiteral("$1,429"));
    }
    {
        PinnedEnv env(PinnedEnv::defaultNow(), kDe);
        // The euro follows the amount after a no-break space.
        EXPECT_EQ(loc::formatMoney0(25), QString::fromUtf8("25\u00a0€"));
        EXPECT_EQ(loc::formatMoney0(1234.5), QString::fromUtf8("1.235\u00a0€"));
    }
    {
        // Whole numbers written plain, and the calendar's days, in the locale's digits.
        PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::Arabic, QLocale::Egypt));
        EXPECT_EQ(loc::formatDigits(100000000), QString::fromUtf8("١٠٠٠٠٠٠٠٠"));
        EXPECT_EQ(loc::formatDayOfMonth(QDate(2026, 12, 6)), QString::fromUtf8("٦"));
    }
}

// An amount reads only as the recorded formats write it: a grouping that is not the
// locale's, more decimals than the field has or another currency is no amount.
TEST(LocaleFormat, AmountsReadOnlyAsTheirFormatsWriteThem) {
    const QLocale in(QLocale::English, QLocale::India);
    const loc::Currency usd{"USD", "$"}, eur{"EUR", "€"}, none;
    const struct {
        const char* text;
        QLocale numbers;
        loc::Currency currency;
        int decimals;
        std::optional<double> expected;
    } cases[] = {
        {"$3.75", kUs, usd, 2, 3.75},
        {"$1,212.50", kUs, usd, 2, 1212.5},
        {"$1212.5", kUs, usd, 2, 1212.5},
        {" $7 ", kUs, usd, 2, 7},
        {"$3.75", kDe, usd, 2, std::nullopt},  // 3.75 is no German grouping
        {"$3.75", kUs, eur, 2, std::nullopt},
        {"$1.250", kDe, usd, 2, 1250},
        {"12,50 €", kDe, eur, 2, 12.5},
        {"€1.234.567,89", kDe, eur, 2, 1234567.89},
        {"1,250", kUs, none, 0, 1250},
        {"1,250", kDe, none, 0, std::nullopt},  // a count has no decimals
        {"$1,25,0", kUs, usd, 2, std::nullopt},
        {"$12,50.5", kUs, usd, 2, std::nullopt},
        {"$3.755", kUs, usd, 2, std::nullopt},
        {"$3.", kUs, usd, 2, std::nullopt},
        {"12abc", kUs, usd, 2, std::nullopt},
        {"-5", kUs, usd, 2, std::nullopt},
        {"\u20b91,23,456.00", in, loc::currencyOf(in), 2, 123456},
        {"\u20b9123,456.00", in, loc::currencyOf(in), 2, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loc::readAmountIn(QString::fromUtf8(c.text), c.numbers, c.currency, c.decimals),
                  c.expected)
            << c.text << " " << c.numbers.name().toStdString();
}

// The file's currency in the money locale's pattern: dollars stay dollars in ja_JP and de_DE.
TEST(LocaleFormat, MoneyKeepsTheFilesCurrency) {
    const QLocale ja(QLocale::Japanese, QLocale::Japan);
    for (const auto& [locale, shown] : {std::pair{ja, "$1,235"}, std::pair{kDe, "1.235\u00a0$"}}) {
        PinnedEnv env(PinnedEnv::defaultNow(), locale);
        loc::setProgramCurrency(loc::currencyOf(kUs));
        EXPECT_EQ(loc::formatMoney0(1234.5), QString::fromUtf8(shown));
        EXPECT_EQ(loc::currencyCode(), "USD");
        EXPECT_EQ(loc::maskedNumber(3.75, "$###,###.##"), locale == ja ? "$3.75" : "$3,75");
    }
    EXPECT_EQ(loc::currencyWithCode("EUR").symbol, QString::fromUtf8("€"));
    EXPECT_EQ(loc::currencyWithCode("XYZ"), (loc::Currency{"XYZ", "XYZ"}));
}

// Numbers, dates and money each follow their own variable as the C library picks it:
// LC_ALL, else the category's, else LANG. LANGUAGE and LC_MESSAGES pick the language of
// the texts and never the formats.
TEST(LocaleFormat, FormatsFollowTheirCategoriesNeverTheLanguage) {
    const QByteArrayList variables = {"LC_ALL",      "LC_NUMERIC", "LC_TIME", "LC_MONETARY",
                                      "LC_MESSAGES", "LANGUAGE",   "LANG"};
    QHash<QByteArray, QByteArray> saved;
    for (const QByteArray& v : variables)
        if (qEnvironmentVariableIsSet(v)) saved.insert(v, qgetenv(v));
    // The environment, and the numbers', dates' and money's locales with the currency.
    const std::pair<const char*, const char*> cases[] = {
        {"LANG=en_US.UTF-8 LANGUAGE=de", "en_US en_US en_US USD"},
        {"LANG=de_DE.UTF-8 LANGUAGE=en", "de_DE de_DE de_DE EUR"},
        {"LANG=en_US.UTF-8 LC_MESSAGES=de_DE.UTF-8", "en_US en_US en_US USD"},
        {"LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8", "de_DE en_US en_US USD"},
        {"LANG=en_US.UTF-8 LC_TIME=en_GB.UTF-8", "en_US en_GB en_US USD"},
        {"LANG=en_US.UTF-8 LC_MONETARY=ja_JP.UTF-8", "en_US en_US ja_JP JPY"},
        {"LC_ALL=de_DE.UTF-8 LC_NUMERIC=ja_JP.UTF-8 LANG=en_US.UTF-8", "de_DE de_DE de_DE EUR"},
        {"LANG=ar_EG.UTF-8", "ar_EG ar_EG ar_EG EGP"},
        {"LANG=C.UTF-8 LANGUAGE=de", "en_US en_US en_US USD"},
        {"", "en_US en_US en_US USD"},
    };
    for (const auto& [environment, expected] : cases) {
        for (const QByteArray& v : variables) qunsetenv(v);
        for (const QByteArray& pair : QByteArray(environment).split(' '))
            if (const qsizetype eq = pair.indexOf('='); eq > 0)
                qputenv(pair.left(eq), pair.mid(eq + 1));
        loc::initProgramLocale();
        EXPECT_EQ(QStringList({loc::programLocale().name(), loc::dateLocale().name(),
                               loc::moneyLocale().name(), loc::currencyCode()})
                      .join(u' '),
                  expected)
            << environment;
    }
    for (const QByteArray& v : variables) qunsetenv(v);
    for (auto it = saved.begin(); it != saved.end(); ++it) qputenv(it.key(), it.value());
    test::applyDefaults();
}

TEST(LocaleFormat, Separators) {
    {
        PinnedEnv env;
        EXPECT_EQ(loc::decimalSeparator(), QChar(u'.'));
        EXPECT_EQ(loc::groupSeparator(), QChar(u','));
        EXPECT_EQ(loc::currencySymbol(), QStringLiteral("$"));
        EXPECT_EQ(loc::monthName(1), QStringLiteral("January"));
        EXPECT_EQ(loc::monthName(12), QStringLiteral("December"));
    }
    {
        PinnedEnv env(PinnedEnv::defaultNow(), kDe);
        EXPECT_EQ(loc::decimalSeparator(), QChar(u','));
        EXPECT_EQ(loc::groupSeparator(), QChar(u'.'));
        EXPECT_EQ(loc::currencySymbol(), QString::fromUtf8("€"));
        EXPECT_EQ(loc::monthName(3), QString::fromUtf8("März"));
    }
}

TEST(LocaleFormat, ParseNumberUsesTheDecimalSeparatorOnly) {
    {
        PinnedEnv env;
        EXPECT_EQ(loc::parseNumber(QStringLiteral("12.5")), 12.5);
        EXPECT_EQ(loc::parseNumber(QStringLiteral("12345.67")), 12345.67);
        EXPECT_EQ(loc::parseNumber(QStringLiteral("1000")), 1000.0);
        EXPECT_EQ(loc::parseNumber(QStringLiteral("1,000")), std::nullopt);
        EXPECT_EQ(loc::parseNumber(QStringLiteral("12,5")), std::nullopt);
        EXPECT_EQ(loc::parseNumber(QString()), std::nullopt);
        EXPECT_EQ(loc::parseNumber(QStringLiteral("1.2.3")), std::nullopt);
        EXPECT_EQ(loc::plainNumber(1234.5, 2), QStringLiteral("1234.50"));
    }
    {
        PinnedEnv env(PinnedEnv::defaultNow(), kDe);
        EXPECT_EQ(loc::parseNumber(QStringLiteral("12,5")), 12.5);
        EXPECT_EQ(loc::parseNumber(QStringLiteral("12.5")), std::nullopt);
        EXPECT_EQ(loc::plainNumber(1234.5, 2), QStringLiteral("1234,50"));
    }
}

TEST(Conversion, FailuresCarryTheirMessages) {
    PinnedEnv env;
    EXPECT_EQ(strToDate(QStringLiteral("3/1/1990")), QDate(1990, 3, 1));
    EXPECT_EQ(strToInt(QStringLiteral("-12")), -12);
    EXPECT_EQ(strToInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("12.5")), 12.5);

    auto messageOf = [](auto f) {
        try {
            f();
        } catch (const ConversionError& e) {
            return e.message();
        }
        return QStringLiteral("(no error)");
    };
    EXPECT_EQ(messageOf([] { strToDate(QStringLiteral("2/30/2026")); }),
              QStringLiteral("'2/30/2026' is not a valid date"));
    EXPECT_EQ(messageOf([] { strToDate(QString()); }), QStringLiteral("'' is not a valid date"));
    EXPECT_EQ(messageOf([] { strToInt(QStringLiteral("x")); }),
              QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(messageOf([] { strToInt(QStringLiteral("2147483648")); }),
              QStringLiteral("'2147483648' is not a valid integer value"));
    EXPECT_EQ(messageOf([] { strToInt(QStringLiteral("1,000")); }),
              QStringLiteral("'1,000' is not a valid integer value"));
    EXPECT_EQ(messageOf([] { strToInt(QString()); }),
              QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(messageOf([] { strToFloat(QString()); }),
              QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(messageOf([] { strToFloat(QStringLiteral("12,5")); }),
              QStringLiteral("'12,5' is not a valid floating point value"));
}

}  // namespace
}  // namespace lt
