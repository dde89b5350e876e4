#pragma once
#include <QString>

#include "core/date_time.h"
#include "core/table_shape.h"

namespace lt {

// The rows a sort works on: 1 to the row before the first blank one among rows 1
// to 49, or 1 to 49 when those are all filled. An empty table gives lo 1, hi 0.
struct SortRange {
    int lo = 1;
    int hi = 0;
};
SortRange sortRangeOf(const TableTexts& table);

// Sort rows lo..hi of a table by the cells of one column, moving whole rows. Rows
// outside lo..hi are left alone. Text keys ascend by their upper-case letters, dates
// ascend, numbers descend when `descending` is set.
void sortByText(TableTexts& table, int lo, int hi, int keyColumn, bool descending);
void sortByNumber(TableTexts& table, int lo, int hi, int keyColumn, bool descending);
void sortByDate(TableTexts& table, int lo, int hi, int keyColumn, bool descending);

// The partition sorts over a key table (column 0 the row number before sorting,
// column 1 the key text); they move whole key rows. The order of equal keys follows
// from their exact steps, which is why they are written out rather than std::sort.
void quickSortText(TableTexts& keys, int lo, int hi, int keyColumn, bool descending);
void quickSortNumber(TableTexts& keys, int lo, int hi, int keyColumn, bool descending);
void quickSortDate(TableTexts& keys, int lo, int hi, int keyColumn, bool descending);
// The exchange sort quickSortText uses for ranges of up to five rows; keeps the
// order of equal keys.
void bubbleSortText(TableTexts& keys, int lo, int hi, int keyColumn, bool descending);

// Letters a-z raised to A-Z, nothing else changed, whatever the locale.
QString textKey(const QString& text);
// The digits and decimal separator of a text as a number; 0 when none is left.
double numberValue(const QString& text);
// The short date of a text; 1 January 1900 when it is not a valid date.
DateTime dateValue(const QString& text);

// The three orders the Sort menu offers: activity A to Z, start date oldest first,
// total largest first.
enum class SortKey { Activity, StartDate, Total };
// Sorts the table's filled rows (its sort range) by `key`; returns the rows it sorted.
SortRange sortTable(TableTexts& table, SortKey key);

}  // namespace lt
