#include "core/table_sort.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;

// A money table with one filled row per id; the id goes in the amount cell so rows
// with equal keys can be told apart.
struct Row {
    QString activity, start, total;
};

TableTexts tableOf(const std::vector<Row>& rows) {
    TableTexts t = emptyTable(TableKind::Money);
    for (size_t i = 0; i < rows.size(); ++i)
        t[i + 1] = QStringList{rows[i].activity, QString::number(i + 1), QStringLiteral("Month"),
                               rows[i].start,    QStringLiteral("Now"),  rows[i].total};
    return t;
}

// The ids (original row numbers) of rows 1..n in their present order.
std::vector<int> idsOf(const TableTexts& t, int n) {
    std::vector<int> ids;
    for (int r = 1; r <= n; ++r) ids.push_back(t[r][1].toInt());
    return ids;
}

std::vector<Row> sameTotal(int n) {
    return std::vector<Row>(
        n, Row{QStringLiteral("Rent"), QStringLiteral("1/1/2020"), QStringLiteral("$500 (1.00%)")});
}

std::vector<Row> sameStart(int n) {
    std::vector<Row> rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back(Row{QStringLiteral("Rent"), QStringLiteral("3/1/2020"), QString::number(i)});
    return rows;
}

std::vector<Row> sameActivity(int n) {
    std::vector<Row> rows;
    // Equal keys whatever the case of a-z.
    for (int i = 1; i <= n; ++i)
        rows.push_back(Row{i % 2 ? QStringLiteral("Golf") : QStringLiteral("gOLF"),
                           QStringLiteral("1/1/2020"), QString::number(i)});
    return rows;
}

struct EqualCase {
    const char* name;
    SortKey order;
    int rows;
    std::vector<int> once;
};

void PrintTo(const EqualCase& c, std::ostream* os) { *os << c.name; }

class EqualKeys : public ::testing::TestWithParam<EqualCase> {};

TEST_P(EqualKeys, MoveAsThePartitionStepsPutThem) {
    PinnedEnv env;
    const EqualCase& c = GetParam();
    TableTexts t = tableOf(c.order == SortKey::Total       ? sameTotal(c.rows)
                           : c.order == SortKey::StartDate ? sameStart(c.rows)
                                                           : sameActivity(c.rows));
    const TableTexts before = t;
    sortTable(t, c.order);
    EXPECT_EQ(idsOf(t, c.rows), c.once);
    // Whole rows move: each keeps its own six cells.
    for (int r = 1; r <= c.rows; ++r) EXPECT_EQ(t[r], before[c.once[r - 1]]);
}

// Traces (lo 1): two rows: pivot row 1, i=1 and j=2 stop at once, exchange.
// Three: pivot row 2; exchange 1<->3, then 2 with itself. Four: pivot row 2;
// exchange 1<->4 and 2<->3, then each half of two is exchanged: 3,4,1,2.
// Six descriptions: 1<->6, 2<->5, 3<->4, then the halves of three go to the
// exchange sort, which leaves equal keys alone.
INSTANTIATE_TEST_SUITE_P(
    Orders, EqualKeys,
    ::testing::Values(EqualCase{"TwoTotals", SortKey::Total, 2, {2, 1}},
                      EqualCase{"ThreeTotals", SortKey::Total, 3, {3, 2, 1}},
                      EqualCase{"FourTotals", SortKey::Total, 4, {3, 4, 1, 2}},
                      EqualCase{"TwoStarts", SortKey::StartDate, 2, {2, 1}},
                      EqualCase{"ThreeStarts", SortKey::StartDate, 3, {3, 2, 1}},
                      EqualCase{"FourStarts", SortKey::StartDate, 4, {3, 4, 1, 2}},
                      EqualCase{"TwoActivities", SortKey::Activity, 2, {1, 2}},
                      EqualCase{"FiveActivities", SortKey::Activity, 5, {1, 2, 3, 4, 5}},
                      EqualCase{"SixActivities", SortKey::Activity, 6, {6, 5, 4, 3, 2, 1}}));

TEST(TableSort, TwoEqualTotalsSwapAtEverySort) {
    TableTexts t = tableOf(sameTotal(2));
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 2), (std::vector<int>{2, 1}));
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 2), (std::vector<int>{1, 2}));
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 2), (std::vector<int>{2, 1}));
}

std::vector<QString> activitiesOf(const TableTexts& t, int n) {
    std::vector<QString> out;
    for (int r = 1; r <= n; ++r) out.push_back(t[r][0]);
    return out;
}

TableTexts tableOfActivities(const std::vector<QString>& names) {
    std::vector<Row> rows;
    for (const QString& n : names)
        rows.push_back(Row{n, QStringLiteral("1/1/2020"), QStringLiteral("1")});
    return tableOf(rows);
}

TEST(TableSort, ActivitiesIgnoreTheCaseOfLetters) {
    TableTexts t = tableOfActivities({"cherry", "Banana", "apple"});
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(activitiesOf(t, 3), (std::vector<QString>{"apple", "Banana", "cherry"}));
}

TEST(TableSort, ADigitComesBeforeALetter) {
    TableTexts t = tableOfActivities({"zebra", "7 Up", "apple"});
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(activitiesOf(t, 3), (std::vector<QString>{"7 Up", "apple", "zebra"}));
}

TEST(TableSort, OnlyAToZAreRaised) {
    // Keys APPLE, ZEBRA, _UNDER (95), éCLAIR (233): no locale collation.
    TableTexts t = tableOfActivities({"éclair", "_under", "Zebra", "apple", "app"});
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(activitiesOf(t, 5),
              (std::vector<QString>{"app", "apple", "Zebra", "_under", "éclair"}));
}

TEST(TableSort, SixActivitiesWithRepeatedKeys) {
    // Keys B A B C B A (ids 1..6). Pivot row 3 (B): exchange 1<->6, then 3<->5, then
    // i=4 and j=3 cross. Rows 1-3 (A A B) and 4-6 (C B B) go to the exchange sort,
    // which moves C to the end: ids 6 2 5 | 3 1 4.
    std::vector<Row> rows;
    for (const char* k : {"b", "A", "B", "c", "b", "a"})
        rows.push_back(Row{QString::fromUtf8(k), QStringLiteral("1/1/2020"), QStringLiteral("1")});
    TableTexts t = tableOf(rows);
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(idsOf(t, 6), (std::vector<int>{6, 2, 5, 3, 1, 4}));
}

TEST(TableSort, LargestTotalFirstWithSharesInTheCells) {
    PinnedEnv env;
    TableTexts t = tableOf({{QStringLiteral("a"), QStringLiteral("1/1/2020"), "131 (0.04%)"},
                            {QStringLiteral("b"), QStringLiteral("1/1/2020"), "1,500 (0.47%)"},
                            {QStringLiteral("c"), QStringLiteral("1/1/2020"), "0"},
                            {QStringLiteral("d"), QStringLiteral("1/1/2020"), "25 (0.01%)"}});
    sortTable(t, SortKey::Total);
    EXPECT_EQ(activitiesOf(t, 4), (std::vector<QString>{"b", "a", "d", "c"}));
    // The total texts travel unchanged with their rows.
    EXPECT_EQ(t[1][5], QStringLiteral("1,500 (0.47%)"));
    EXPECT_EQ(t[4][5], QStringLiteral("0"));
}

TEST(TableSort, TotalsWithRepeatedKeys) {
    PinnedEnv env;
    // Totals 500 900 500 100 900 (ids 1..5), descending. Pivot row 3 (500): exchange
    // 1<->5; i runs to 3, j back to 3, exchange 3 with itself. Rows 1-2 (900 900) swap,
    // rows 4-5 (100 500) swap: ids 2 5 3 1 4.
    TableTexts t = tableOf({{"a", "1/1/2020", "$500 (1.00%)"},
                            {"b", "1/1/2020", "$900 (1.80%)"},
                            {"c", "1/1/2020", "$500 (1.00%)"},
                            {"d", "1/1/2020", "$100 (0.20%)"},
                            {"e", "1/1/2020", "$900 (1.80%)"}});
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 5), (std::vector<int>{2, 5, 3, 1, 4}));
}

TEST(TableSort, AnUnreadableStartDateCountsAs1January1900) {
    PinnedEnv env;
    TableTexts t = tableOf({{"later", "3/1/2020", "1"},
                            {"unreadable", "2/30/2020", "1"},
                            {"earlier", "1/1/1990", "1"},
                            {"before 1900", "12/31/1899", "1"}});
    sortTable(t, SortKey::StartDate);
    EXPECT_EQ(activitiesOf(t, 4),
              (std::vector<QString>{"before 1900", "unreadable", "earlier", "later"}));
}

TEST(TableSort, StartDatesInTheLocaleFormat) {
    PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    TableTexts t =
        tableOf({{"b", "01.03.2020", "1"}, {"a", "02.01.2020", "1"}, {"us text", "1/2/2020", "1"}});
    sortTable(t, SortKey::StartDate);
    EXPECT_EQ(activitiesOf(t, 3), (std::vector<QString>{"us text", "a", "b"}));
}

TEST(TableSort, GermanTotals) {
    PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    TableTexts t = tableOf({{"a", "01.01.2020", QString::fromUtf8("25\u00a0€ (0,05%)")},
                            {"b", "01.01.2020", QString::fromUtf8("1.234\u00a0€ (2,47%)")},
                            {"c", "01.01.2020", QString::fromUtf8("130\u00a0€ (0,26%)")}});
    sortTable(t, SortKey::Total);
    EXPECT_EQ(activitiesOf(t, 3), (std::vector<QString>{"b", "c", "a"}));
}

TEST(TableSort, EmptyAndOneRowTablesStayAsTheyAre) {
    for (SortKey o : {SortKey::Activity, SortKey::StartDate, SortKey::Total}) {
        TableTexts empty = emptyTable(TableKind::Hours);
        empty[50] = QStringList{"row 50", "1 Hr", "Day", "1/1/2020", "Now", "5"};
        const TableTexts emptyBefore = empty;
        sortTable(empty, o);
        EXPECT_EQ(empty, emptyBefore);

        TableTexts one = tableOf({{"only", "not a date", "x"}});
        const TableTexts oneBefore = one;
        sortTable(one, o);
        EXPECT_EQ(one, oneBefore);
    }
}

TEST(TableSort, FortyNineRowsAreAllSortedAndRow50IsLeftAlone) {
    PinnedEnv env;
    std::vector<Row> rows;
    // Row r: activity "Item <50-r>", start r days after 1 January 2020, total r x 10.
    for (int r = 1; r <= 49; ++r) {
        const QDate start = QDate(2020, 1, 1).addDays(r);
        rows.push_back(Row{QStringLiteral("Item %1").arg(50 - r, 2, 10, QChar(u'0')),
                           QStringLiteral("%1/%2/2020").arg(start.month()).arg(start.day()),
                           QString::number(r * 10)});
    }
    TableTexts t = tableOf(rows);
    t[50] = QStringList{"a row 50", "1", "Once", "1/1/1950", "Now", "99999"};
    const TableTexts before = t;
    EXPECT_EQ(sortRangeOf(t).hi, 49);

    sortTable(t, SortKey::Activity);  // Item 01 .. Item 49 = ids 49 .. 1
    for (int r = 1; r <= 49; ++r) EXPECT_EQ(t[r], before[50 - r]);
    EXPECT_EQ(t[50], before[50]);

    sortTable(t, SortKey::StartDate);  // back to ids 1 .. 49
    for (int r = 1; r <= 49; ++r) EXPECT_EQ(t[r], before[r]);
    EXPECT_EQ(t[50], before[50]);

    sortTable(t, SortKey::Total);  // 490 first
    for (int r = 1; r <= 49; ++r) EXPECT_EQ(t[r], before[50 - r]);
    EXPECT_EQ(t[50], before[50]);
    EXPECT_EQ(t[0], before[0]);
}

TEST(TableSort, BlankRowsAreNeverTouched) {
    PinnedEnv env;
    TableTexts t =
        tableOf({{"c", "3/1/2020", "3"}, {"a", "1/1/2020", "1"}, {"b", "2/1/2020", "2"}});
    // A blank row with stale cells, then a stray filled row after it.
    t[4] = QStringList{"", "stale", "Day", "1/1/1900", "Now", "999"};
    t[5] = QStringList{"aaa", "5", "Once", "1/1/1901", "Now", "1000"};
    const TableTexts before = t;
    for (SortKey o : {SortKey::Activity, SortKey::StartDate, SortKey::Total}) {
        sortTable(t, o);
        EXPECT_EQ(t[0], before[0]);
        for (int r = 4; r <= 50; ++r) EXPECT_EQ(t[r], before[r]) << r;
    }
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(activitiesOf(t, 3), (std::vector<QString>{"a", "b", "c"}));
}

TEST(TableSort, RangeEndsBeforeTheFirstBlankRow) {
    const TableTexts empty = tableOfActivities({});
    EXPECT_EQ(sortRangeOf(empty).lo, 1);
    EXPECT_EQ(sortRangeOf(empty).hi, 0);
    TableTexts t = tableOfActivities({"a", "b", "c"});
    EXPECT_EQ(sortRangeOf(t).lo, 1);
    EXPECT_EQ(sortRangeOf(t).hi, 3);
}

TEST(TableSort, Keys) {
    PinnedEnv env;
    EXPECT_EQ(textKey(QString::fromUtf8("aBc-é z{")), QString::fromUtf8("ABC-é Z{"));
    EXPECT_DOUBLE_EQ(numberValue(QStringLiteral("$1,234 (5.67%)")), 12345.67);
    EXPECT_DOUBLE_EQ(numberValue(QStringLiteral("131 (0.04%)")), 1310.04);
    EXPECT_EQ(numberValue(QString()), 0);
    EXPECT_EQ(numberValue(QStringLiteral("none")), 0);
    EXPECT_EQ(numberValue(QStringLiteral("1.2.3")), 0);
    EXPECT_EQ(dateValue(QStringLiteral("3/1/1990")), 32933);
    EXPECT_EQ(dateValue(QString()), 2);  // 1 January 1900
    EXPECT_EQ(dateValue(QStringLiteral("Now")), 2);
    {
        PinnedEnv de(PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
        EXPECT_DOUBLE_EQ(numberValue(QString::fromUtf8("1.234\u00a0€ (5,67%)")), 12345.67);
        EXPECT_EQ(dateValue(QStringLiteral("01.03.1990")), 32933);
    }
}

TEST(TableSort, KeyTableSortsDirectly) {
    // Column 0 the old row number, column 1 the key; row 0 and rows after hi stay.
    TableTexts k(6, QStringList(2, QString()));
    const char* keys[] = {"", "b", "", "a", "c"};
    for (int r = 1; r <= 4; ++r) k[r] = QStringList{QString::number(r), keys[r]};
    k[5] = QStringList{"5", "0"};
    bubbleSortText(k, 1, 4, 1, false);
    EXPECT_EQ(k[1], (QStringList{"2", ""}));
    EXPECT_EQ(k[2], (QStringList{"3", "a"}));
    EXPECT_EQ(k[3], (QStringList{"1", "b"}));
    EXPECT_EQ(k[4], (QStringList{"4", "c"}));
    EXPECT_EQ(k[5], (QStringList{"5", "0"}));
    quickSortText(k, 1, 4, 1, true);
    EXPECT_EQ(k[1][1], QStringLiteral("c"));
    EXPECT_EQ(k[4][1], QString());
}

}  // namespace
}  // namespace lt
