#include "core/table_sort.h"

#include <utility>

#include "core/cell_text.h"
#include "core/locale_format.h"
#include "core/utility.h"

namespace lt {
namespace {

QString cellOf(const TableTexts& t, int row, int col) { return t[row].value(col); }

// One partition sort for every key kind; keyOf turns a key text into a comparable value.
// The bounds checks in the scans never fire for a consistent order; they only keep a
// broken one inside the range.
template <typename KeyOf>
void partitionSort(TableTexts& k, int lo, int hi, int c, bool descending, KeyOf keyOf,
                   bool exchangeShortRanges) {
    if (exchangeShortRanges && hi - lo <= 4) {
        bubbleSortText(k, lo, hi, c, descending);
        return;
    }
    if (lo >= hi) return;
    const auto p = keyOf(cellOf(k, (lo + hi) / 2, c));
    int i = lo;
    int j = hi;
    while (i <= j) {
        if (!descending) {
            while (i < hi && keyOf(cellOf(k, i, c)) < p) ++i;
            while (j > lo && keyOf(cellOf(k, j, c)) > p) --j;
        } else {
            while (i < hi && keyOf(cellOf(k, i, c)) > p) ++i;
            while (j > lo && keyOf(cellOf(k, j, c)) < p) --j;
        }
        if (i <= j) {
            std::swap(k[i], k[j]);
            ++i;
            --j;
        }
    }
    partitionSort(k, lo, j, c, descending, keyOf, exchangeShortRanges);
    partitionSort(k, i, hi, c, descending, keyOf, exchangeShortRanges);
}

using KeySort = void (*)(TableTexts&, int, int, int, bool);

// Fills the key table, sorts it, then assembles the rows in their new order.
void sortBy(TableTexts& table, int lo, int hi, int keyColumn, bool descending, KeySort sort) {
    const int rows = static_cast<int>(table.size());
    if (lo < 1) lo = 1;
    if (hi > rows - 1) hi = rows - 1;
    if (hi < lo) return;

    TableTexts keys(table.size(), QStringList(2, QString()));
    for (int r = lo; r <= hi; ++r) {
        keys[r][0] = QString::number(r);
        keys[r][1] = cellOf(table, r, keyColumn);
    }
    sort(keys, lo, hi, 1, descending);

    TableTexts copy = table;
    for (int r = lo; r <= hi; ++r) {
        const int n = safeStrToInt(keys[r][0]);
        if (n >= 0 && n < rows) copy[r] = table[n];
    }
    for (int r = lo; r <= hi; ++r) table[r] = copy[r];
}

}  // namespace

SortRange sortRangeOf(const TableTexts& table) {
    const int first = findFirstBlankRow(table);
    return SortRange{1, first < 0 ? static_cast<int>(table.size()) - 2 : first - 1};
}

QString textKey(const QString& text) {
    QString key = text;
    for (QChar& ch : key)
        if (ch >= u'a' && ch <= u'z') ch = QChar(ch.unicode() - (u'a' - u'A'));
    return key;
}

double numberValue(const QString& text) {
    return loc::parseNumber(numberChars(text)).value_or(0.0);
}

DateTime dateValue(const QString& text) {
    const auto d = loc::parseDate(text);
    return toDateTime(d ? *d : QDate(1900, 1, 1));
}

void bubbleSortText(TableTexts& k, int lo, int hi, int c, bool descending) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int m = lo; m < hi; ++m) {
            const QString a = textKey(cellOf(k, m, c));
            const QString b = textKey(cellOf(k, m + 1, c));
            if (descending ? a < b : a > b) {
                std::swap(k[m], k[m + 1]);
                exchanged = true;
            }
        }
    }
}

void quickSortText(TableTexts& k, int lo, int hi, int c, bool descending) {
    partitionSort(k, lo, hi, c, descending, textKey, true);
}

void quickSortNumber(TableTexts& k, int lo, int hi, int c, bool descending) {
    partitionSort(k, lo, hi, c, descending, numberValue, false);
}

void quickSortDate(TableTexts& k, int lo, int hi, int c, bool descending) {
    partitionSort(k, lo, hi, c, descending, dateValue, false);
}

void sortByText(TableTexts& table, int lo, int hi, int keyColumn, bool descending) {
    sortBy(table, lo, hi, keyColumn, descending, quickSortText);
}

void sortByNumber(TableTexts& table, int lo, int hi, int keyColumn, bool descending) {
    sortBy(table, lo, hi, keyColumn, descending, quickSortNumber);
}

void sortByDate(TableTexts& table, int lo, int hi, int keyColumn, bool descending) {
    sortBy(table, lo, hi, keyColumn, descending, quickSortDate);
}

SortRange sortTable(TableTexts& table, SortKey key) {
    const SortRange range = sortRangeOf(table);
    switch (key) {
        case SortKey::Activity:
            sortByText(table, range.lo, range.hi, 0, false);
            break;
        case SortKey::StartDate:
            sortByDate(table, range.lo, range.hi, 3, false);
            break;
        case SortKey::Total:
            sortByNumber(table, range.lo, range.hi, 5, true);
            break;
    }
    return range;
}

}  // namespace lt
