#pragma once
#include <QString>
#include <vector>

#include "core/activity.h"
#include "core/date_time.h"

namespace lt {

// The rows a sort works on: 1 to the row before the first blank one among rows 1
// to 49, or 1 to 49 when those are all filled. An empty table gives lo 1, hi 0.
struct SortRange {
    int lo = 1;
    int hi = 0;
};
SortRange sortRangeOf(const ActivityTable& table);

// Letters a-z raised to A-Z, nothing else changed, whatever the locale.
QString textKey(const QString& text);
// The start date as the sort takes it: 1 January 1900 for one that does not convert.
DateTime startDateKey(const Activity& a);
// The total as the sort takes it: the whole number shown, then the share shown (two
// decimals), 0 for none.
struct TotalKey {
    double total = 0;
    double share = 0;
    auto operator<=>(const TotalKey&) const = default;
};
TotalKey totalKey(const Activity& a);

// The order of `keys` (position 0 is row lo) after the partition sort; with
// `exchangeShortRanges`, ranges of up to five keys are put in order by the exchange
// sort instead, which keeps equal keys in their order. The order of equal keys follows
// from these exact steps, which is why they are written out rather than std::sort.
template <class Key>
std::vector<int> partitionOrder(const std::vector<Key>& keys, bool descending,
                                bool exchangeShortRanges);

// The three orders the Sort menu offers: activity A to Z, start date oldest first,
// total largest first.
enum class SortKey { Activity, StartDate, Total };
// Sorts the table's filled rows (its sort range) by `key`, moving whole rows with their
// totals; returns the rows it sorted.
SortRange sortTable(ActivityTable& table, SortKey key);

}  // namespace lt
