#include "core/activity.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <optional>

#include "core/activity_words.h"
#include "core/conversion.h"
#include "core/session.h"
#include "core/totals.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;

struct ReadCase {
    const char* name;
    TableKind kind;
    StoredRow texts;
    const char* amount;  // the value, or the failure
    int hours, minutes;
    Period period;
    const char* shownAmount;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ActivityRead : public ::testing::TestWithParam<ReadCase> {};

// The stored-text rules: a time by its words, a period by the word it contains, an
// amount by its digits; a text the typed value does not give back is shown as stored.
TEST_P(ActivityRead, ReadsTheStoredTextsAsTheyAlwaysMeant) {
    PinnedEnv env;
    const ReadCase& c = GetParam();
    const Activity a = readActivity(c.kind, c.texts, 2);
    EXPECT_EQ(a.amount.value ? QString::number(*a.amount.value) : a.amount.failure,
              QString::fromUtf8(c.amount));
    EXPECT_EQ(a.hours, c.hours);
    EXPECT_EQ(a.minutes, c.minutes);
    EXPECT_EQ(a.period, c.period);
    EXPECT_EQ(shownCell(a, 1), QString::fromUtf8(c.shownAmount));
    EXPECT_EQ(shownCell(a, 2), c.texts[2]);
}

using K = TableKind;
using P = Period;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ActivityRead, ::testing::Values(
    ReadCase{"Time", K::Hours, {"A", "2 Hrs 30 Mins", "Week", "", ""}, "150", 2, 30, P::Week, "2 Hrs 30 Mins"},
    // No "Hr" in "hrs": no hours, and no "Min" either.
    ReadCase{"HrsInLowerCase", K::Hours, {"A", "8 hrs", "Day", "", ""}, "0", 0, 0, P::Day, "8 hrs"},
    ReadCase{"MinutesPastAnHour", K::Hours, {"A", "90 Mins", "Month", "", ""}, "90", 0, 90, P::Month, "90 Mins"},
    ReadCase{"TimeWordNotANumber", K::Hours, {"A", "x Hrs", "Day", "", ""}, "'x' is not a valid integer value", 0, 0, P::Day, "x Hrs"},
    // The last of Day, Week, Month found anywhere counts; hours know no Year or Once.
    ReadCase{"PeriodInsideAText", K::Hours, {"A", "1 Hr", "Weekly", "", ""}, "60", 1, 0, P::Week, "1 Hr"},
    ReadCase{"SeveralPeriodWords", K::Money, {"A", "$5", "Day or Year", "", ""}, "5", 0, 0, P::Year, "$5"},
    ReadCase{"HoursHaveNoYear", K::Hours, {"A", "1 Hr", "Year", "", ""}, "60", 1, 0, P::None, "1 Hr"},
    ReadCase{"PeriodInOtherCase", K::Freq, {"A", "3", "day", "", ""}, "3", 0, 0, P::None, "3"},
    // Only the digits and the decimal separator of an amount count.
    ReadCase{"LenientAmount", K::Money, {"A", " $1,2 34.505x", "Once", "", ""}, "1234.51", 0, 0, P::Once, " $1,2 34.505x"},
    ReadCase{"NoDigits", K::Freq, {"A", "$", "Once", "", ""}, "'' is not a valid floating point value", 0, 0, P::Once, "$"}));
// clang-format on

struct ShownCase {
    const char* name;
    bool german;         // the test translation below installed
    const char* locale;  // the program's formats
    TableKind kind;
    StoredRow texts;
    std::array<const char*, 4> shown;  // cells 1, 2, 4 and the total (5), worked out when dated
};
void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.name; }

class ShownWords : public ::testing::TestWithParam<ShownCase> {};

// The cells show the words of the user's language, the locale's digits and money in the
// one currency format of the totals; what the file keeps stays in its own words.
TEST_P(ShownWords, CellsShowTheLanguageAndTheFileKeepsItsWords) {
    const ShownCase& c = GetParam();
    const QLocale locale(QString::fromUtf8(c.locale));
    PinnedEnv env(PinnedEnv::defaultNow(), locale);
    std::optional<test::WordTranslator> german;
    if (c.german)
        german.emplace(test::WordTranslator::Words{{{"ActivityWords", "Now"}, "Jetzt"},
                                                   {{"ActivityWords", "Week"}, "Woche"},
                                                   {{"ActivityWords", "%Ln Hrs"}, "%Ln Std."},
                                                   {{"ActivityWords", "%Ln Min"}, "%Ln Min."},
                                                   {{"ActivityWords", "%1 %2"}, "%1 %2"}});
    ActivityTable table{readActivity(c.kind, c.texts, 1)};
    if (!c.texts[3].isEmpty()) computeTableTotals(table, 0, toDateTime(QDate(2026, 12, 6)));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(shownCell(table[0], std::array{1, 2, 4, 5}[size_t(i)]),
                  QString::fromUtf8(c.shown[size_t(i)]));
    std::array<ActivityTable, 3> tables;
    tables[size_t(tableIndex(c.kind))] = table;
    EXPECT_EQ(storedSettingsOf({}, {}, 0, tables).tables[size_t(tableIndex(c.kind))][0], c.texts);
    // Arabic-Indic digits, no Latin ones among them.
    static const QRegularExpression latin(QStringLiteral("[0-9]"));
    for (int col = 0; col < kTableCols && locale.language() == QLocale::Arabic; ++col) {
        EXPECT_FALSE(shownCell(table[0], col).contains(latin))
            << qPrintable(shownCell(table[0], col));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ShownWords, ::testing::Values(
    ShownCase{"English", false, "en_US", K::Hours, {"A", "2 Hrs 1 Min", "Week", "", "Now"}, {"2 Hrs 1 Min", "Week", "Now", ""}},
    ShownCase{"German", true, "de_DE", K::Hours, {"A", "2 Hrs 1 Min", "Week", "", "Now"}, {"2 Std. 1 Min.", "Woche", "Jetzt", ""}},
    ShownCase{"ArabicDigits", false, "ar_EG", K::Hours, {"A", "12 Hrs 30 Mins", "Week", "", "Now"}, {"١٢ Hrs ٣٠ Mins", "Week", "Now", ""}},
    ShownCase{"NoTimeAtAll", false, "ar_EG", K::Hours, {"A", "0 Hr 0 Min", "Day", "", ""}, {"٠ Hr ٠ Min", "Day", "", ""}},
    // Money as the dialog writes it, shown as the total shows money.
    ShownCase{"EnglishMoney", false, "en_US", K::Money, {"A", "$1,234.50", "Once", "1/1/2020", "Now"}, {"$1,234.50", "Once", "Now", "$1,235"}},
    ShownCase{"GermanMoney", false, "de_DE", K::Money, {"A", "€1.234,50", "Once", "01.01.2020", "Now"}, {"1.234,50\u00A0€", "Once", "Now", "1.235\u00A0€"}},
    ShownCase{"ArabicMoney", false, "ar_EG", K::Money, {"كتب", "ج١٢٫٥٠", "Once", "١\u200F/١\u200F/٢٠٢٠", "Now"}, {"١٢٫٥٠\u00A0ج.م.\u200F", "Once", "Now", "١٣\u00A0ج.م.\u200F"}},
    ShownCase{"ArabicCount", false, "ar_EG", K::Freq, {"كتب", "١٬٢٠٠", "Once", "١\u200F/١\u200F/٢٠٢٠", "Now"}, {"١٬٢٠٠", "Once", "Now", "١٬٢٠٠"}},
    // Texts the dialogs never write are shown as they stand; more decimals keep their worth.
    ShownCase{"HandEdited", true, "de_DE", K::Hours, {"A", "-2 Hrs", "Weekly", "", "now"}, {"-2 Hrs", "Weekly", "now", ""}},
    ShownCase{"HandEditedMoney", false, "en_US", K::Money, {"A", "$1,234.505", "Once", "1/1/2020", "Now"}, {"$1,234.505", "Once", "Now", "$1,235"}}));
// clang-format on

TEST(Activity, UntilTodayIsTheExactWordAndDatesFailWhereTheyAreUsed) {
    PinnedEnv env;
    const Activity now = readActivity(K::Hours, {"A", "1 Hr", "Day", "1/1/2020", "Now"}, 3);
    EXPECT_TRUE(now.untilToday);
    EXPECT_EQ(activityStretch(now, 46362.5).to, 46362.5);
    const Activity lower = readActivity(K::Hours, {"A", "1 Hr", "Day", "2/30/2020", "now"}, 3);
    EXPECT_FALSE(lower.untilToday);
    try {
        lower.startDate();
        ADD_FAILURE() << "no failure";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), "Hours, row 3, starting date: '2/30/2020' is not a valid date");
    }
    EXPECT_THROW(activityStretch(lower, 0), ConversionError);
}

// Blank rows, between filled ones or after them, are read once and copied: each copy
// still names its own row when a rule reads it.
TEST(Activity, BlankRowsKeepTheirOwnNumbers) {
    PinnedEnv env;
    const ActivityTable table = readActivityTable(
        K::Money, {{"Rent", "$5", "Month", "1/1/2020", "Now"}, {}, {"Car", "$7", "Week", "", ""}});
    for (const int row : {2, 4, 50}) {
        const Activity& a = table.at(size_t(row - 1));
        EXPECT_TRUE(a.isBlank() && a.number == row) << row;
        try {
            a.startDate();
            ADD_FAILURE() << "row " << row << " converted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Money, row %1, starting date: '' is not a valid "
                                                  "date")
                                       .arg(row));
        }
    }
    EXPECT_EQ(table.at(2).number, 3);
}

// A file the program wrote, then edited by hand with texts it would never write, goes
// through start-up and Close byte for byte.
TEST(Activity, HandEditedRowsGoBackAsTheyCame) {
    PinnedEnv env;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lifetally.ini"));
    StoredSettings s = defaultSettings();
    s.birthDateText = QStringLiteral("3/1/1990");
    s.tables[0] = {{"Sleep", "8 hrs", "Weekly", "01/01/2020", "Now"},
                   {"Odd", "x Hrs", "Day", "2/1/2020", "2/3/2020"}};
    s.tables[1] = {{"Rent", "$1,234.50", "Month Year", "1/1/20", "1/1/2021"},
                   {"Gifts", "$5", "Once", "1/1/2020", "Now"}};
    s.tables[2] = {{"Swims", "3", "", "", ""}};
    writeSettingsFile(path, s);
    const QByteArray written = test::readFile(path);

    const Session session = openSession(readSettingsFile(path), 46362.5);
    writeSettingsFile(path, storedSettingsOf(session.name, session.birthDateText,
                                             qint64(session.income), session.tables));
    EXPECT_EQ(test::readFile(path), written);
}

}  // namespace
}  // namespace lt
