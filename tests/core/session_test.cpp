#include "core/session.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/activity_words.h"
#include "core/csv_export.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;
using Cells = std::array<QString, 5>;

// Ann, born 1 March 1990, income 50,000; one row a table.
StoredSettings sample() {
    StoredSettings s;
    s.name = QStringLiteral("Ann");
    s.birthDateText = QStringLiteral("3/1/1990");
    s.income = 50000;
    s.tables[0] = {Cells{"Reading", "2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021"}};
    s.tables[1] = {Cells{"Books", "$12.50", "Month", "1/15/2020", "3/15/2020"}};
    s.tables[2] = {Cells{"Moved", "3", "Once", "1/1/2000", "Now"}};
    return s;
}

QString total(const Session& s, int table) { return shownCell(s.tables[size_t(table)][0], 5); }

TEST(Session, WorksOutStartUpsLinesAndTotals) {
    PinnedEnv env;
    const Session s = openSession(sample(), toDateTime(PinnedEnv::defaultNow()));
    EXPECT_TRUE(s.errors.isEmpty());
    // 1 Mar 1990 to 6 Dec 2026 10:00: 13,429 days and 10 hours.
    EXPECT_EQ(s.hoursLived, 322306);
    EXPECT_EQ(s.ageLine, QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306"));
    EXPECT_EQ(s.incomeLine, QStringLiteral("Lifetime income: $50,000"));
    // 150 minutes x 366 / 7 days = 130.7 hours, 0.04% of 322,306; $12.50 x 2 months, 0.05%.
    EXPECT_EQ(total(s, 0), QStringLiteral("131 (0.04%)"));
    EXPECT_EQ(total(s, 1), QStringLiteral("$25 (0.05%)"));
    EXPECT_EQ(total(s, 2), QStringLiteral("3"));

    EXPECT_EQ(sessionReport(s).personLine,
              QStringLiteral("Ann 3/1/1990 Age: 36 years 9 months 5 days  Hours: 322,306"));
}

struct FailCase {
    const char* name;
    std::function<void(StoredSettings&)> spoil;
    const char* error;
    std::array<const char*, 3> totals;
};
void PrintTo(const FailCase& c, std::ostream* os) { *os << c.name; }

class SessionFailure : public ::testing::TestWithParam<FailCase> {};

// The first text that does not convert ends the work there, as at start-up.
TEST_P(SessionFailure, StopsAtTheFirstFailure) {
    PinnedEnv env;
    StoredSettings stored = sample();
    GetParam().spoil(stored);
    const Session s = openSession(stored, toDateTime(PinnedEnv::defaultNow()));
    EXPECT_EQ(s.errors, QStringList{QString::fromUtf8(GetParam().error)});
    for (int t = 0; t < 3; ++t) EXPECT_EQ(total(s, t), QString::fromUtf8(GetParam().totals[t]));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, SessionFailure, ::testing::Values(
    FailCase{"BirthDate", [](StoredSettings& s) { s.birthDateText = "31/31/1990"; }, "Your birthdate: '31/31/1990' is not a valid date", {"", "", ""}},
    FailCase{"MoneyRowDate", [](StoredSettings& s) { s.tables[1][0][3] = "13/45/2020"; }, "Money, row 1, starting date: '13/45/2020' is not a valid date", {"131 (0.04%)", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The last filled row of each table reaches the CSV and the chart; "Other" is what the
// rows leave of the hours lived or the income.
TEST(Session, ExportsReachTheLastFilledRow) {
    PinnedEnv env;
    StoredSettings stored = sample();
    // 17 days of an hour; $1,000 once; 2 a week over 14 days.
    stored.tables[0].push_back(Cells{"Walks", "1 Hr", "Day", "1/1/2026", "1/18/2026"});
    stored.tables[1].push_back(Cells{"Rent", "$1,000.00", "Once", "1/1/2020", "Now"});
    stored.tables[2].push_back(Cells{"Swims", "2", "Week", "1/1/2026", "1/15/2026"});
    const Session s = openSession(stored, toDateTime(PinnedEnv::defaultNow()));
    ASSERT_TRUE(s.errors.isEmpty());
    const QByteArray csv = tablesCsv(s.tables, s.hoursLived, s.income, s.now);
    EXPECT_EQ(csv.count("\r\n"), 7);  // the heading and two rows a table
    for (const char* last : {"\r\nhours,Walks,", "\r\nmoney,Rent,", "\r\nfrequency,Swims,"})
        EXPECT_TRUE(csv.contains(last)) << last;

    const auto chartOf = [&s](TableKind kind) {
        QStringList shown;
        for (const ChartPoint& p : sessionChart(s, kind).points)
            shown << QStringLiteral("%1=%2").arg(p.label).arg(p.value, 0, 'f', 0);
        return shown.join(u' ').toStdString();
    };
    // 322,306 - 131 - 17; 50,000 - 25 - 1,000.
    EXPECT_EQ(chartOf(TableKind::Hours), "Other=322158 Reading=131 Walks=17");
    EXPECT_EQ(chartOf(TableKind::Money), "Other=48975 Books=25 Rent=1000");
    EXPECT_EQ(chartOf(TableKind::Freq), "Moved=3 Swims=4");
}

// A hand-made file with all 50 rows of a table filled keeps row 50 through a start and a
// Close.
TEST(Session, FiftiethRowSurvivesAStartAndAClose) {
    PinnedEnv env;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lifetally.ini"));
    QByteArray content = "[Freq]\nCount=51\n";
    for (int n = 1; n <= 50; ++n)
        content += "[Freq" + QByteArray::number(n) + "]\nDesc=F" + QByteArray::number(n) +
                   "\nAmount=" + QByteArray::number(n) + "\nPer=Once\nStart=1/1/2020\nEnd=Now\n";
    test::writeFile(path, content);
    const Session s = openSession(readSettingsFile(path), toDateTime(PinnedEnv::defaultNow()));
    EXPECT_EQ(shownCell(s.tables[2][49], 5), QStringLiteral("50"));
    writeSettingsFile(path, storedSettingsOf(s.name, s.birthDateText, qint64(s.income), s.tables));
    EXPECT_TRUE(test::readFile(path).contains(
        "[Freq50]\nDesc=F50\nAmount=50\nPer=Once\nStart=1/1/2020\nEnd=Now\n"));
    EXPECT_EQ(readSettingsFile(path).tables[2][49][0], QStringLiteral("F50"));
}

struct PaperCase {
    const char* name;
    const char* paperLocale;  // LC_ALL or LC_PAPER
    const char* paperFile;    // /etc/papersize
    QLocale locale;
    QPageSize::PageSizeId paper;
};
void PrintTo(const PaperCase& c, std::ostream* os) { *os << c.name; }

class ReportPaper : public ::testing::TestWithParam<PaperCase> {};

TEST_P(ReportPaper, FollowsLcPaperThenThePaperFileThenTheLocale) {
    const PaperCase& c = GetParam();
    EXPECT_EQ(reportPaper({QString::fromUtf8(c.paperLocale), c.paperFile, c.locale}), c.paper);
}

const QLocale kUS(QLocale::English, QLocale::UnitedStates);
const QLocale kGB(QLocale::English, QLocale::UnitedKingdom);
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ReportPaper, ::testing::Values(
    PaperCase{"BritishPaperInAnAmericanSession", "en_GB.UTF-8", "", kUS, QPageSize::A4},
    PaperCase{"AmericanPaperOverThePaperFile", "en_US.UTF-8", "a4\n", kGB, QPageSize::Letter},
    PaperCase{"CanadianPaper", "fr_CA.UTF-8", "", kGB, QPageSize::Letter},
    PaperCase{"CLocaleNamesNoCountry", "C.UTF-8", "letter\n", kGB, QPageSize::Letter},
    PaperCase{"PaperFile", "", "# system paper\n\n  A4  \n", kUS, QPageSize::A4},
    PaperCase{"PaperFileLegal", "", "legal\n", kGB, QPageSize::Legal},
    PaperCase{"UnknownPaperFileWord", "", "quarto-ish\n", kUS, QPageSize::Letter},
    PaperCase{"LocaleUS", "", "", kUS, QPageSize::Letter},
    PaperCase{"LocaleMexico", "", "", QLocale(QLocale::Spanish, QLocale::Mexico), QPageSize::Letter},
    PaperCase{"LocaleGermany", "", "", QLocale(QLocale::German, QLocale::Germany), QPageSize::A4}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lt
