#include "core/activity_words.h"

#include "core/cell_text.h"
#include "core/totals.h"

namespace lt {
namespace {
// The period words the settings file stores.
QString storedPeriod(Period period) {
    switch (period) {
        case Period::Day:
            return periodFromIndex(0);
        case Period::Week:
            return periodFromIndex(1);
        case Period::Month:
            return periodFromIndex(2);
        case Period::Year:
            return periodFromIndex(3);
        case Period::Once:
            return periodFromIndex(4);
        case Period::None:
            break;
    }
    return {};
}
}  // namespace

QString shownTime(int hours, int minutes) { return timeText(hours, minutes); }
QString shownPeriod(Period period) { return storedPeriod(period); }
QString shownUntilToday() { return QStringLiteral("Now"); }

int periodListIndex(const Activity& a) {
    const QString word = storedPeriod(a.period);
    return word.isEmpty() || a.texts[2] != word ? 4 : int(a.period) - int(Period::Day);
}

QString shownCell(const Activity& a, int col) {
    const QString& stored = a.texts[size_t(std::min(col, 4))];
    switch (col) {
        case 1:
            if (a.kind == TableKind::Hours && a.amount.value &&
                stored == timeText(a.hours, a.minutes))
                return shownTime(a.hours, a.minutes);
            return stored;
        case 2:
            return a.period != Period::None && stored == storedPeriod(a.period)
                       ? shownPeriod(a.period)
                       : stored;
        case 4:
            return a.untilToday ? shownUntilToday() : stored;
        case 5:
            return a.total ? totalText(a.kind, *a.total) : QString();
        default:
            return stored;
    }
}

TableTexts shownTexts(TableKind kind, const ActivityTable& table) {
    TableTexts texts = emptyTable(kind);
    for (size_t r = 0; r < table.size() && r + 1 < texts.size(); ++r) {
        QStringList& cells = texts[r + 1];
        cells.clear();
        for (int c = 0; c < kTableCols; ++c) cells << shownCell(table[r], c);
    }
    return texts;
}

}  // namespace lt
