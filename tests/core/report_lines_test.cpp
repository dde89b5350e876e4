#include "core/report_lines.h"

#include <gtest/gtest.h>

#include "support/report_examples.h"
#include "support/test_env.h"

namespace {
using namespace lt;

using test::kFreqTitle;
using test::kHoursTitle;
using test::kMoneyTitle;
using test::kReportIncome;
using test::kReportPerson;
using test::kReportWidths;

struct WidthCase {
    int pixels;
    int chars;
};
class FieldWidthTest : public ::testing::TestWithParam<WidthCase> {};
TEST_P(FieldWidthTest, PixelsDivSix) { EXPECT_EQ(fieldWidth(GetParam().pixels), GetParam().chars); }
INSTANTIATE_TEST_SUITE_P(Columns, FieldWidthTest,
                         ::testing::Values(WidthCase{171, 28}, WidthCase{87, 14}, WidthCase{41, 6},
                                           WidthCase{66, 11}, WidthCase{67, 11}, WidthCase{119, 19},
                                           WidthCase{5, 0}, WidthCase{6, 1}, WidthCase{0, 0}));

TEST(ReportLines, CellFieldPadsAndNeverCuts) {
    EXPECT_EQ(cellField(QStringLiteral("Per"), 41), QStringLiteral("Per    "));
    EXPECT_EQ(cellField(QString(), 41), QStringLiteral("       "));
    EXPECT_EQ(cellField(QStringLiteral("exactly6"), 36), QStringLiteral("exactly6 "));
    EXPECT_EQ(cellField(QStringLiteral("seven77"), 41), QStringLiteral("seven77 "));
}

// A field holding right-to-left letters or digits is isolated (U+2068 ... U+2069) with
// its blanks after the isolate; one without them keeps its exact characters.
struct DirectionFieldCase {
    const char* text;
    const char* field;  // in a 41-pixel (6-character) column
};
class DirectionFieldTest : public ::testing::TestWithParam<DirectionFieldCase> {};
TEST_P(DirectionFieldTest, IsolatesRightToLeftText) {
    EXPECT_EQ(cellField(QString::fromUtf8(GetParam().text), 41),
              QString::fromUtf8(GetParam().field));
}
INSTANTIATE_TEST_SUITE_P(
    Texts, DirectionFieldTest,
    ::testing::Values(DirectionFieldCase{"Week", "Week   "},
                      DirectionFieldCase{"3/1/90", "3/1/90 "},
                      DirectionFieldCase{"שלום", "\u2068שלום\u2069   "},
                      DirectionFieldCase{"كتب", "\u2068كتب\u2069    "},
                      // Arabic-Indic digits, and a date that carries right-to-left marks.
                      DirectionFieldCase{"٣٬٥٠", "\u2068٣٬٥٠\u2069   "},
                      // The mark takes no cell.
                      DirectionFieldCase{"6\u200f/12", "\u20686\u200f/12\u2069   "},
                      DirectionFieldCase{"שלום עולם", "\u2068שלום עולם\u2069 "}));

TEST(ReportLines, HeadingLines) {
    test::PinnedEnv env;
    const QStringList lines = reportHeadingLines(kReportPerson, kReportIncome,
                                                 QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("Lifetally  - version 1.0"));
    EXPECT_EQ(lines[1], kReportPerson);
    EXPECT_EQ(lines[2], kReportIncome);
    EXPECT_EQ(lines[3], QStringLiteral("Printed : 12/6/2026  10:00:00 AM"));
    EXPECT_EQ(lines[4],
              QStringLiteral("Lifetally from Tallyhouse Software - https://tallyhouse.example"));
}

TEST(ReportLines, PrintedLineFollowsTheLocale) {
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(printedLine(QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9))),
              QStringLiteral("Printed : 06.12.2026  14:05:09"));
}

TEST(ReportLines, PersonLine) {
    EXPECT_EQ(personLine(QStringLiteral("Ann Example"), QStringLiteral("3/1/1990"),
                         QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306")),
              kReportPerson);
    // Without a name the line begins with the blank.
    EXPECT_EQ(personLine(QString(), QStringLiteral("3/1/1990"), QStringLiteral("Age: 1 year")),
              QStringLiteral(" 3/1/1990 Age: 1 year"));
    // Texts are taken as they stand, even a date as typed.
    EXPECT_EQ(personLine(QStringLiteral("Bo"), QStringLiteral(" 3/1/90 "), QString()),
              QStringLiteral("Bo  3/1/90  "));
}

TEST(ReportLines, EmptyTablesGiveHeadingAndTitleLines) {
    test::PinnedEnv env;
    const QStringList lines = reportLines(test::emptyReportInput(), test::PinnedEnv::defaultNow());
    const QStringList expected{
        QStringLiteral("Lifetally  - version 1.0"),
        kReportPerson,
        kReportIncome,
        QStringLiteral("Printed : 12/6/2026  10:00:00 AM"),
        QStringLiteral("Lifetally from Tallyhouse Software - https://tallyhouse.example"),
        QString(),
        QString(),
        kHoursTitle,
        QString(),
        QString(),
        kMoneyTitle,
        QString(),
        QString(),
        kFreqTitle,
    };
    EXPECT_EQ(lines, expected);
}

TEST(ReportLines, FiftyFilledRowsAllPrint) {
    test::PinnedEnv env;
    ReportInput in = test::emptyReportInput();
    TableTexts& hours = in.tables[0];
    for (int r = 1; r <= 50; ++r)
        hours[r] = QStringList{QStringLiteral("Activity %1").arg(r),
                               QStringLiteral("%1 Hrs").arg(r),
                               QStringLiteral("Month"),
                               QStringLiteral("1/1/2020"),
                               QStringLiteral("Now"),
                               QString::number(r)};
    const QStringList lines = reportLines(in, test::PinnedEnv::defaultNow());
    // 5 heading lines, 2 + 51 for hours, 2 + 1 each for money and frequency.
    ASSERT_EQ(lines.size(), 64);
    EXPECT_EQ(lines[7], kHoursTitle);
    EXPECT_EQ(lines[8],
              QStringLiteral("Activity 1                   1 Hrs          Month  1/1/2020    "
                             "Now         1                   "));
    EXPECT_EQ(lines[57],
              QStringLiteral("Activity 50                  50 Hrs         Month  1/1/2020    "
                             "Now         50                  "));
    for (int r = 1; r <= 50; ++r)
        EXPECT_TRUE(lines[7 + r].startsWith(QStringLiteral("Activity %1 ").arg(r))) << r;
    EXPECT_EQ(lines[58], QString());
    EXPECT_EQ(lines[59], QString());
    EXPECT_EQ(lines[60], kMoneyTitle);
    EXPECT_EQ(lines[63], kFreqTitle);
}

TEST(ReportLines, LongActivityPushesOnlyItsOwnLine) {
    ReportInput in = test::emptyReportInput();
    const QString activity = QStringLiteral("Practising the piano at nights");  // 30 characters
    ASSERT_EQ(activity.size(), 30);
    in.tables[0][1] = QStringList{activity,
                                  QStringLiteral("1 Hr"),
                                  QStringLiteral("Day"),
                                  QStringLiteral("3/1/1990"),
                                  QStringLiteral("Now"),
                                  QStringLiteral("131 (0.04%)")};
    in.tables[0][2] = QStringList{QStringLiteral("Reading"),    QStringLiteral("2 Hrs 30 Mins"),
                                  QStringLiteral("Week"),       QStringLiteral("1/15/2000"),
                                  QStringLiteral("12/31/2010"), QStringLiteral("1,305 (0.40%)")};
    const QStringList lines = reportLines(in, test::PinnedEnv::defaultNow());
    const QString overflow = QStringLiteral(
        "Practising the piano at nights 1 Hr           Day    3/1/1990    Now         131 (0.04%)  "
        "       ");
    EXPECT_EQ(lines[8], overflow);
    EXPECT_EQ(lines[8].size(), 97);
    EXPECT_EQ(lines[9],
              QStringLiteral("Reading                      2 Hrs 30 Mins  Week   1/15/2000   "
                             "12/31/2010  1,305 (0.40%)       "));
    EXPECT_EQ(lines[9].size(), 95);
}

TEST(ReportLines, AHeadingLongerThanItsFieldWidensItsColumn) {
    TableTexts table = emptyTable(TableKind::Hours);
    table[0][3] = QStringLiteral("Anfangsdatum");  // 12 characters in an 11-character field
    table[1] = QStringList{
        QStringLiteral("Lesen"), {}, {}, QStringLiteral("1.1.2020"), QStringLiteral("Jetzt")};
    const QStringList lines = tableLines(table, kReportWidths);
    // 29 + 15 + 7 = 51 for the start date, then its 12 characters and a blank: 64, not 63.
    EXPECT_EQ(lines.value(0).indexOf(u"End date"), 64);
    EXPECT_EQ(lines.value(1).indexOf(u"Jetzt"), 64);
}

TEST(ReportLines, RowsStopAtTheFirstEmptyActivity) {
    TableTexts table = emptyTable(TableKind::Freq);
    table[1] = QStringList{QStringLiteral("Coffee"), QStringLiteral("3")};
    table[2] = QStringList{QStringLiteral("Tea"), QStringLiteral("1")};
    // A stray row after a blank one is not printed.
    table[4] = QStringList{QStringLiteral("Cake"), QStringLiteral("1")};
    EXPECT_EQ(printedRowCount(table), 3);
    // A short row prints its missing cells as empty fields.
    EXPECT_EQ(tableLine(table[1], kReportWidths),
              QStringLiteral("Coffee                       3                                  "
                             "                               "));
}

TEST(ReportLines, NeverReadsPastRowFifty) {
    TableTexts table = emptyTable(TableKind::Hours);
    table.resize(60);
    for (int r = 1; r < 60; ++r) table[r] = QStringList{QStringLiteral("x")};
    EXPECT_EQ(printedRowCount(table), 51);
    EXPECT_EQ(printedRowCount(TableTexts{}), 0);
}

}  // namespace
