#include "core/table_sort.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;

// A money table with one filled row per id; the id goes in the amount cell so rows
// with equal keys can be told apart.
struct Row {
    QString activity, start;
    RowTotal total;
};

ActivityTable tableOf(const std::vector<Row>& rows) {
    std::vector<StoredRow> stored;
    for (size_t i = 0; i < rows.size(); ++i)
        stored.push_back({rows[i].activity, QString::number(i + 1), QStringLiteral("Month"),
                          rows[i].start, QStringLiteral("Now")});
    ActivityTable t = readActivityTable(TableKind::Money, stored);
    for (size_t i = 0; i < rows.size(); ++i) t[i].total = rows[i].total;
    return t;
}

// The ids (original row numbers) of rows 1..n in their present order.
std::vector<int> idsOf(const ActivityTable& t, int n) {
    std::vector<int> ids;
    for (int r = 1; r <= n; ++r) ids.push_back(t[size_t(r - 1)].texts[1].toInt());
    return ids;
}

// What a row holds, its total included, and where it stands.
QStringList rowOf(const Activity& a) {
    QStringList out(a.texts.begin(), a.texts.end());
    out << (a.total ? QString::number(a.total->total) : QStringLiteral("none"))
        << QString::number(a.number);
    return out;
}

std::vector<Row> sameTotal(int n) {
    return std::vector<Row>(
        n, Row{QStringLiteral("Rent"), QStringLiteral("1/1/2020"), RowTotal{500, 1}});
}

std::vector<Row> sameStart(int n) {
    std::vector<Row> rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back(
            Row{QStringLiteral("Rent"), QStringLiteral("3/1/2020"), RowTotal{double(i), 0}});
    return rows;
}

std::vector<Row> sameActivity(int n) {
    std::vector<Row> rows;
    // Equal keys whatever the case of a-z.
    for (int i = 1; i <= n; ++i)
        rows.push_back(Row{i % 2 ? QStringLiteral("Golf") : QStringLiteral("gOLF"),
                           QStringLiteral("1/1/2020"), RowTotal{double(i), 0}});
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
    ActivityTable t = tableOf(c.order == SortKey::Total       ? sameTotal(c.rows)
                              : c.order == SortKey::StartDate ? sameStart(c.rows)
                                                              : sameActivity(c.rows));
    const ActivityTable before = t;
    sortTable(t, c.order);
    EXPECT_EQ(idsOf(t, c.rows), c.once);
    // Whole rows move with their totals and take their new numbers.
    for (int r = 1; r <= c.rows; ++r) {
        QStringList moved = rowOf(before[size_t(c.once[r - 1] - 1)]);
        moved.last() = QString::number(r);
        EXPECT_EQ(rowOf(t[size_t(r - 1)]), moved);
    }
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
    ActivityTable t = tableOf(sameTotal(2));
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 2), (std::vector<int>{2, 1}));
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 2), (std::vector<int>{1, 2}));
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 2), (std::vector<int>{2, 1}));
}

std::vector<QString> namesOf(const ActivityTable& t, int n) {
    std::vector<QString> out;
    for (int r = 1; r <= n; ++r) out.push_back(t[size_t(r - 1)].name);
    return out;
}

ActivityTable tableOfActivities(const std::vector<QString>& names) {
    std::vector<Row> rows;
    for (const QString& n : names) rows.push_back(Row{n, QStringLiteral("1/1/2020"), {1, 0}});
    return tableOf(rows);
}

TEST(TableSort, ActivitiesIgnoreTheCaseOfLetters) {
    ActivityTable t = tableOfActivities({"cherry", "Banana", "apple"});
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(namesOf(t, 3), (std::vector<QString>{"apple", "Banana", "cherry"}));
}

TEST(TableSort, ADigitComesBeforeALetter) {
    ActivityTable t = tableOfActivities({"zebra", "7 Up", "apple"});
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(namesOf(t, 3), (std::vector<QString>{"7 Up", "apple", "zebra"}));
}

TEST(TableSort, OnlyAToZAreRaised) {
    // Keys APPLE, ZEBRA, _UNDER (95), éCLAIR (233): no locale collation.
    ActivityTable t = tableOfActivities({"éclair", "_under", "Zebra", "apple", "app"});
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(namesOf(t, 5), (std::vector<QString>{"app", "apple", "Zebra", "_under", "éclair"}));
}

TEST(TableSort, SixActivitiesWithRepeatedKeys) {
    // Keys B A B C B A (ids 1..6). Pivot row 3 (B): exchange 1<->6, then 3<->5, then
    // i=4 and j=3 cross. Rows 1-3 (A A B) and 4-6 (C B B) go to the exchange sort,
    // which moves C to the end: ids 6 2 5 | 3 1 4.
    std::vector<Row> rows;
    for (const char* k : {"b", "A", "B", "c", "b", "a"})
        rows.push_back(Row{QString::fromUtf8(k), QStringLiteral("1/1/2020"), {1, 0}});
    ActivityTable t = tableOf(rows);
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(idsOf(t, 6), (std::vector<int>{6, 2, 5, 3, 1, 4}));
}

// By the total and then the share the table shows: 1,500 (0.47%), 131 (0.04%), 131
// (0.03%), 25 (0.01%), 0.
TEST(TableSort, LargestTotalFirstThenTheLargerShare) {
    ActivityTable t = tableOf({{"a", "1/1/2020", {131.2, 0.0351}},
                               {"b", "1/1/2020", {1499.5, 0.47}},
                               {"c", "1/1/2020", {0, 0}},
                               {"d", "1/1/2020", {25, 0.0077}},
                               {"e", "1/1/2020", {130.5, 0.0449}}});
    sortTable(t, SortKey::Total);
    EXPECT_EQ(namesOf(t, 5), (std::vector<QString>{"b", "e", "a", "d", "c"}));
    EXPECT_EQ(t[0].total->total, 1499.5);
    EXPECT_EQ(t[0].number, 1);
}

TEST(TableSort, TotalsWithRepeatedKeys) {
    // Totals 500 900 500 100 900 (ids 1..5), descending. Pivot row 3 (500): exchange
    // 1<->5; i runs to 3, j back to 3, exchange 3 with itself. Rows 1-2 (900 900) swap,
    // rows 4-5 (100 500) swap: ids 2 5 3 1 4.
    ActivityTable t = tableOf({{"a", "1/1/2020", {500, 1}},
                               {"b", "1/1/2020", {900, 1.8}},
                               {"c", "1/1/2020", {500, 1}},
                               {"d", "1/1/2020", {100, 0.2}},
                               {"e", "1/1/2020", {900, 1.8}}});
    sortTable(t, SortKey::Total);
    EXPECT_EQ(idsOf(t, 5), (std::vector<int>{2, 5, 3, 1, 4}));
}

TEST(TableSort, AnUnreadableStartDateCountsAs1January1900) {
    PinnedEnv env;
    ActivityTable t = tableOf({{"later", "3/1/2020", {1, 0}},
                               {"unreadable", "2/30/2020", {1, 0}},
                               {"earlier", "1/1/1990", {1, 0}},
                               {"before 1900", "12/31/1899", {1, 0}}});
    sortTable(t, SortKey::StartDate);
    EXPECT_EQ(namesOf(t, 4),
              (std::vector<QString>{"before 1900", "unreadable", "earlier", "later"}));
}

TEST(TableSort, StartDatesInTheLocaleFormat) {
    PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    ActivityTable t = tableOf({{"b", "01.03.2020", {1, 0}},
                               {"a", "02.01.2020", {1, 0}},
                               {"us text", "1/2/2020", {1, 0}}});
    sortTable(t, SortKey::StartDate);
    EXPECT_EQ(namesOf(t, 3), (std::vector<QString>{"us text", "a", "b"}));
}

TEST(TableSort, EmptyAndOneRowTablesStayAsTheyAre) {
    for (SortKey o : {SortKey::Activity, SortKey::StartDate, SortKey::Total}) {
        ActivityTable empty = tableOf({});
        setRow(empty, 50, {"row 50", "1 Hr", "Day", "1/1/2020", "Now"});
        const ActivityTable emptyBefore = empty;
        sortTable(empty, o);
        for (int r = 0; r < kDataRows; ++r)
            EXPECT_EQ(rowOf(empty[size_t(r)]), rowOf(emptyBefore[size_t(r)]));

        ActivityTable one = tableOf({{"only", "not a date", {}}});
        one[0].total.reset();
        const ActivityTable oneBefore = one;
        sortTable(one, o);
        EXPECT_EQ(rowOf(one[0]), rowOf(oneBefore[0]));
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
                           {r * 10.0, 0}});
    }
    ActivityTable t = tableOf(rows);
    setRow(t, 50, {"a row 50", "1", "Once", "1/1/1950", "Now"});
    t[49].total = RowTotal{99999, 0};
    const ActivityTable before = t;
    EXPECT_EQ(sortRangeOf(t).hi, 49);

    sortTable(t, SortKey::Activity);  // Item 01 .. Item 49 = ids 49 .. 1
    EXPECT_EQ(idsOf(t, 3), (std::vector<int>{49, 48, 47}));
    EXPECT_EQ(rowOf(t[49]), rowOf(before[49]));

    sortTable(t, SortKey::StartDate);  // back to ids 1 .. 49
    for (int r = 1; r <= 49; ++r) EXPECT_EQ(rowOf(t[size_t(r - 1)]), rowOf(before[size_t(r - 1)]));

    sortTable(t, SortKey::Total);  // 490 first
    EXPECT_EQ(idsOf(t, 3), (std::vector<int>{49, 48, 47}));
    EXPECT_EQ(rowOf(t[49]), rowOf(before[49]));
}

TEST(TableSort, BlankRowsAreNeverTouched) {
    PinnedEnv env;
    ActivityTable t =
        tableOf({{"c", "3/1/2020", {3, 0}}, {"a", "1/1/2020", {1, 0}}, {"b", "2/1/2020", {2, 0}}});
    // A blank row with stale texts, then a stray filled row after it.
    setRow(t, 4, {"", "stale", "Day", "1/1/1900", "Now"});
    setRow(t, 5, {"aaa", "5", "Once", "1/1/1901", "Now"});
    t[4].total = RowTotal{1000, 0};
    const ActivityTable before = t;
    for (SortKey o : {SortKey::Activity, SortKey::StartDate, SortKey::Total}) {
        sortTable(t, o);
        for (int r = 4; r <= 50; ++r)
            EXPECT_EQ(rowOf(t[size_t(r - 1)]), rowOf(before[size_t(r - 1)])) << r;
    }
    sortTable(t, SortKey::Activity);
    EXPECT_EQ(namesOf(t, 3), (std::vector<QString>{"a", "b", "c"}));
}

TEST(TableSort, RangeEndsBeforeTheFirstBlankRow) {
    const ActivityTable empty = tableOfActivities({});
    EXPECT_EQ(sortRangeOf(empty).lo, 1);
    EXPECT_EQ(sortRangeOf(empty).hi, 0);
    ActivityTable t = tableOfActivities({"a", "b", "c"});
    EXPECT_EQ(sortRangeOf(t).lo, 1);
    EXPECT_EQ(sortRangeOf(t).hi, 3);
}

TEST(TableSort, Keys) {
    PinnedEnv env;
    EXPECT_EQ(textKey(QString::fromUtf8("aBc-é z{")), QString::fromUtf8("ABC-é Z{"));
    ActivityTable t = tableOf({{"a", "3/1/1990", {1234.4, 5.666}}, {"b", "Now", {-2.5, 0}}});
    EXPECT_EQ(totalKey(t[0]), (TotalKey{1234, 5.67}));
    EXPECT_EQ(totalKey(t[1]), (TotalKey{3, 0}));  // as its digits show
    t[1].total.reset();
    EXPECT_EQ(totalKey(t[1]), (TotalKey{0, 0}));
    EXPECT_EQ(startDateKey(t[0]), 32933);
    EXPECT_EQ(startDateKey(t[1]), 2);  // 1 January 1900
}

// The exchange sort for up to five keys keeps equal ones in order; the partition sort
// does not.
TEST(TableSort, PartitionOrder) {
    const std::vector<QString> keys = {"B", "", "A", "C"};
    EXPECT_EQ(partitionOrder(keys, false, true), (std::vector<int>{1, 2, 0, 3}));
    EXPECT_EQ(partitionOrder(keys, true, false), (std::vector<int>{3, 0, 2, 1}));
    EXPECT_EQ(partitionOrder(std::vector<double>{1, 1}, false, false), (std::vector<int>{1, 0}));
}

}  // namespace
}  // namespace lt
