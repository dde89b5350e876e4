#include "core/table_sort.h"

#include <utility>

#include "core/locale_format.h"

namespace lt {
namespace {

template <class Key>
using KeyRows = std::vector<std::pair<int, Key>>;

template <class Key>
void exchangeSort(KeyRows<Key>& k, int lo, int hi, bool descending) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int m = lo; m < hi; ++m) {
            const Key& a = k[size_t(m)].second;
            const Key& b = k[size_t(m + 1)].second;
            if (descending ? a < b : a > b) {
                std::swap(k[size_t(m)], k[size_t(m + 1)]);
                exchanged = true;
            }
        }
    }
}

// The bounds checks in the scans never fire for a consistent order; they only keep a
// broken one inside the range.
template <class Key>
void partitionSort(KeyRows<Key>& k, int lo, int hi, bool descending, bool exchangeShortRanges) {
    if (exchangeShortRanges && hi - lo <= 4) {
        exchangeSort(k, lo, hi, descending);
        return;
    }
    if (lo >= hi) return;
    const Key p = k[size_t((lo + hi) / 2)].second;
    int i = lo;
    int j = hi;
    const auto key = [&k](int n) -> const Key& { return k[size_t(n)].second; };
    while (i <= j) {
        if (!descending) {
            while (i < hi && key(i) < p) ++i;
            while (j > lo && key(j) > p) --j;
        } else {
            while (i < hi && key(i) > p) ++i;
            while (j > lo && key(j) < p) --j;
        }
        if (i <= j) {
            std::swap(k[size_t(i)], k[size_t(j)]);
            ++i;
            --j;
        }
    }
    partitionSort(k, lo, j, descending, exchangeShortRanges);
    partitionSort(k, i, hi, descending, exchangeShortRanges);
}

// Sorts rows lo..hi by the key of each, moving whole rows.
template <class KeyOf>
void sortRows(ActivityTable& table, const SortRange& range, bool descending,
              bool exchangeShortRanges, KeyOf keyOf) {
    std::vector<decltype(keyOf(table.front()))> keys;
    for (int r = range.lo; r <= range.hi; ++r) keys.push_back(keyOf(table[size_t(r - 1)]));
    const std::vector<int> order = partitionOrder(keys, descending, exchangeShortRanges);
    const ActivityTable before = table;
    for (size_t i = 0; i < order.size(); ++i) {
        Activity& a = table[size_t(range.lo - 1) + i];
        a = before[size_t(range.lo - 1 + order[i])];
        a.number = range.lo + int(i);
    }
}

}  // namespace

template <class Key>
std::vector<int> partitionOrder(const std::vector<Key>& keys, bool descending,
                                bool exchangeShortRanges) {
    KeyRows<Key> k;
    for (size_t i = 0; i < keys.size(); ++i) k.emplace_back(int(i), keys[i]);
    partitionSort(k, 0, int(k.size()) - 1, descending, exchangeShortRanges);
    std::vector<int> order;
    for (const auto& row : k) order.push_back(row.first);
    return order;
}
template std::vector<int> partitionOrder(const std::vector<QString>&, bool, bool);
template std::vector<int> partitionOrder(const std::vector<double>&, bool, bool);
template std::vector<int> partitionOrder(const std::vector<TotalKey>&, bool, bool);

SortRange sortRangeOf(const ActivityTable& table) {
    const int first = firstBlankRow(table);
    return SortRange{1, first < 0 ? kDataRows - 1 : first - 1};
}

QString textKey(const QString& text) {
    QString key = text;
    for (QChar& ch : key)
        if (ch >= u'a' && ch <= u'z') ch = QChar(ch.unicode() - (u'a' - u'A'));
    return key;
}

DateTime startDateKey(const Activity& a) {
    return toDateTime(a.start.value.value_or(QDate(1900, 1, 1)));
}

TotalKey totalKey(const Activity& a) {
    if (!a.total) return {};
    const bool shared = a.kind != TableKind::Freq && a.total->share > 0;
    return {shownWholeTotal(a.total->total), shared ? loc::roundHalfAway(a.total->share, 2) : 0.0};
}

SortRange sortTable(ActivityTable& table, SortKey key) {
    const SortRange range = sortRangeOf(table);
    if (range.hi < range.lo) return range;
    switch (key) {
        case SortKey::Activity:
            sortRows(table, range, false, true, [](const Activity& a) { return textKey(a.name); });
            break;
        case SortKey::StartDate:
            sortRows(table, range, false, false, startDateKey);
            break;
        case SortKey::Total:
            sortRows(table, range, true, false, totalKey);
            break;
    }
    return range;
}

}  // namespace lt
