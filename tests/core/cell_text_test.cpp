#include "core/cell_text.h"

#include <gtest/gtest.h>

#include "core/activity_words.h"
#include "core/conversion.h"
#include "support/test_env.h"

namespace lt {
namespace {

struct TimeCase {
    int hours, minutes;
    const char* text;
};

void PrintTo(const TimeCase& c, std::ostream* os) { *os << c.text; }

class TimeText : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeText, WordsHoursAndMinutes) {
    const TimeCase& c = GetParam();
    EXPECT_EQ(timeText(c.hours, c.minutes), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(Table, TimeText,
                         ::testing::Values(TimeCase{0, 0, "0 Hr 0 Min"}, TimeCase{0, 1, "1 Min"},
                                           TimeCase{0, 30, "30 Mins"}, TimeCase{0, 45, "45 Mins"},
                                           TimeCase{1, 0, "1 Hr"}, TimeCase{3, 0, "3 Hrs"},
                                           TimeCase{12, 0, "12 Hrs"}, TimeCase{1, 1, "1 Hr 1 Min"},
                                           TimeCase{1, 30, "1 Hr 30 Mins"},
                                           TimeCase{2, 1, "2 Hrs 1 Min"},
                                           TimeCase{2, 30, "2 Hrs 30 Mins"},
                                           TimeCase{720, 59, "720 Hrs 59 Mins"}));

TEST(TimeText, EveryHourAndMinuteReadsBack) {
    for (int h = 0; h <= 720; ++h)
        for (int m = 0; m <= 59; ++m) {
            const QString t = timeText(h, m);
            ASSERT_EQ(hoursOf(t), h) << qPrintable(t);
            ASSERT_EQ(minutesOf(t), m) << qPrintable(t);
            ASSERT_FALSE(t.startsWith(u' ') || t.endsWith(u' ') || t.contains(QStringLiteral("  ")))
                << qPrintable(t);
        }
}

TEST(TimeText, ReadingBack) {
    EXPECT_EQ(hoursOf(QStringLiteral("45 Mins")), 0);
    EXPECT_EQ(minutesOf(QStringLiteral("45 Mins")), 45);
    EXPECT_EQ(hoursOf(QStringLiteral("3 Hrs")), 3);
    EXPECT_EQ(minutesOf(QStringLiteral("3 Hrs")), 0);
    // Without "Hr" or "Min" the part is 0, whatever the text holds.
    EXPECT_EQ(hoursOf(QStringLiteral("7 hours")), 0);
    EXPECT_EQ(minutesOf(QStringLiteral("7 minutes")), 0);
    EXPECT_EQ(hoursOf(QString()), 0);
    EXPECT_EQ(minutesOf(QString()), 0);
}

TEST(TimeText, AWordThatIsNoNumberFails) {
    EXPECT_THROW(hoursOf(QStringLiteral("x Hrs")), ConversionError);
    EXPECT_THROW(minutesOf(QStringLiteral("2 Hrs y Mins")), ConversionError);
    EXPECT_THROW(minutesOf(QStringLiteral("Mins")), ConversionError);
    try {
        hoursOf(QStringLiteral("two Hrs"));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'two' is not a valid integer value"));
    }
}

struct WordCase {
    const char* text;
    int n;
    const char* word;
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << '"' << c.text << "\" " << c.n; }

class NthWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(NthWord, SplitsAtEveryBlank) {
    const WordCase& c = GetParam();
    EXPECT_EQ(nthWord(QString::fromUtf8(c.text), c.n), QString::fromUtf8(c.word));
}

INSTANTIATE_TEST_SUITE_P(
    Words, NthWord,
    ::testing::Values(WordCase{"a  b", 1, "a"}, WordCase{"a  b", 2, ""}, WordCase{"a  b", 3, "b"},
                      WordCase{"a  b", 4, ""}, WordCase{"2 Hrs 30 Mins", 1, "2"},
                      WordCase{"2 Hrs 30 Mins", 2, "Hrs"}, WordCase{"2 Hrs 30 Mins", 3, "30"},
                      WordCase{"2 Hrs 30 Mins", 4, "Mins"}, WordCase{"2 Hrs 30 Mins", 5, ""},
                      WordCase{"2 Hrs", 0, ""}, WordCase{"2 Hrs", -1, ""},
                      WordCase{"word", 1, "word"}, WordCase{" a", 1, ""}, WordCase{" a", 2, "a"},
                      WordCase{"", 1, ""}, WordCase{"", 2, ""},
                      // Only code 32 separates; a tab stays in the word
                      // and is trimmed at its ends.
                      WordCase{"\ta\tb c", 1, "a\tb"}, WordCase{"a\t b", 1, "a"}));

TEST(Period, FromButtons) {
    EXPECT_EQ(periodFromButtons(true, false), QStringLiteral("Day"));
    EXPECT_EQ(periodFromButtons(true, true), QStringLiteral("Day"));
    EXPECT_EQ(periodFromButtons(false, true), QStringLiteral("Week"));
    EXPECT_EQ(periodFromButtons(false, false), QStringLiteral("Month"));
}

// The money dialog's list entry for a money row whose period text is `word`.
int listIndex(const QString& word) {
    return periodListIndex(
        readActivity(TableKind::Money, {"Books", "$5", word, "1/1/2020", "Now"}));
}

TEST(Period, IndexAndWord) {
    const char* const words[] = {"Day", "Week", "Month", "Year", "Once"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(periodFromIndex(i), QString::fromUtf8(words[i]));
        EXPECT_EQ(listIndex(QString::fromUtf8(words[i])), i);
    }
    EXPECT_EQ(periodFromIndex(-1), QStringLiteral("Once"));
    EXPECT_EQ(periodFromIndex(5), QStringLiteral("Once"));
    // Only the exact word selects its entry, though the totals read "Weekly" as a week.
    for (const char* odd : {"day", "Once only", " Day", "", "Weekly"})
        EXPECT_EQ(listIndex(QString::fromUtf8(odd)), 4) << odd;
}

TEST(Period, EachWordPassesOnlyItsOwnTest) {
    using Test = bool (*)(const QString&);
    const Test tests[] = {hasDay, hasWeek, hasMonth, hasYear, hasOnce};
    for (int w = 0; w < 5; ++w)
        for (int t = 0; t < 5; ++t)
            EXPECT_EQ(tests[t](periodFromIndex(w)), w == t) << w << ' ' << t;
    EXPECT_TRUE(hasDay(QStringLiteral("Every Day!")));
    EXPECT_FALSE(hasDay(QStringLiteral("day")));
    EXPECT_FALSE(hasOnce(QStringLiteral("ONCE")));
}

TEST(NumberChars, KeepsDigitsAndTheDecimalSeparator) {
    test::PinnedEnv env;
    EXPECT_EQ(numberChars(QStringLiteral("$1,234 (5.67%)")), QStringLiteral("12345.67"));
    EXPECT_EQ(numberChars(QStringLiteral("$12.50")), QStringLiteral("12.50"));
    EXPECT_EQ(numberChars(QStringLiteral("   1,000")), QStringLiteral("1000"));
    EXPECT_EQ(numberChars(QStringLiteral("-5")), QStringLiteral("5"));
    EXPECT_EQ(numberChars(QStringLiteral("1,5")), QStringLiteral("15"));
    EXPECT_EQ(numberChars(QStringLiteral("Now")), QString());
    EXPECT_EQ(numberChars(QString()), QString());
}

TEST(NumberChars, GermanDecimalComma) {
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(numberChars(QString::fromUtf8("1.234\u00a0€ (5,67%)")), QStringLiteral("12345,67"));
    EXPECT_EQ(numberChars(QStringLiteral("12.50")), QStringLiteral("1250"));
}

}  // namespace
}  // namespace lt
