#include "core/activity.h"

#include <algorithm>
#include <cmath>

#include "core/cell_text.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/totals.h"

namespace lt {
namespace {
template <class T, class F>
ReadValue<T> attempt(F&& read) {
    try {
        return {read(), {}};
    } catch (const ConversionError& e) {
        return {std::nullopt, e.message()};
    }
}

template <class T>
T valueOf(const ReadValue<T>& v, const Activity& a, int col) {
    if (v.value) return *v.value;
    return readCell(a.kind, a.number, col, [&]() -> T { throw ConversionError(v.failure); });
}

// Where several words stand in one text, the last of this order counts: the totals
// have always tested them one after the other.
Period periodOf(TableKind kind, const QString& text) {
    Period p = Period::None;
    if (hasDay(text)) p = Period::Day;
    if (hasWeek(text)) p = Period::Week;
    if (hasMonth(text)) p = Period::Month;
    if (kind == TableKind::Hours) return p;
    if (hasYear(text)) p = Period::Year;
    if (hasOnce(text)) p = Period::Once;
    return p;
}
}  // namespace

double shownWholeTotal(double total) { return std::abs(loc::roundHalfAway(total, 0)); }

bool Activity::isBlank() const { return isBlankActivity(name); }
double Activity::amountValue() const { return valueOf(amount, *this, 1); }
QDate Activity::startDate() const { return valueOf(start, *this, 3); }
std::optional<QDate> Activity::endDate() const {
    if (untilToday) return std::nullopt;
    return valueOf(end, *this, 4);
}

Activity readActivity(TableKind kind, const StoredRow& texts, int number) {
    Activity a;
    a.kind = kind;
    a.number = number;
    a.texts = texts;
    a.name = texts[0];
    const QString& amount = texts[1];
    if (kind == TableKind::Hours) {
        a.amount = attempt<double>([&] {
            a.hours = hoursOf(amount);
            a.minutes = minutesOf(amount);
            // In floating point: a hand-edited hours word may be too large for an int times 60.
            return a.hours * 60.0 + a.minutes;
        });
    } else {
        a.amount = attempt<double>([&] { return strToFloat(numberChars(amount)); });
    }
    a.period = periodOf(kind, texts[2]);
    a.start = attempt<QDate>([&] { return strToDate(texts[3]); });
    a.untilToday = untilToday(texts[4]);
    if (!a.untilToday) a.end = attempt<QDate>([&] { return strToDate(texts[4]); });
    return a;
}

bool untilToday(const QString& endText) { return endText == untilTodayText(); }
QString untilTodayText() { return QStringLiteral("Now"); }

RowStretch RowStretch::upTo(DateTime moment) const {
    if (!covers || from > moment) return {};
    return {from, std::min(to, moment), true};
}

RowStretch coveredStretch(const QDate& start, const std::optional<QDate>& end, DateTime today) {
    const DateTime from = toDateTime(start);
    if (!end) return RowStretch{from, today, true}.upTo(today);
    const DateTime to = toDateTime(*end);
    return {std::min(from, to), std::max(from, to), true};
}

ActivityTable emptyActivities(TableKind kind) { return readActivityTable(kind, {}); }

ActivityTable readActivityTable(TableKind kind, const std::vector<StoredRow>& rows) {
    ActivityTable table;
    table.reserve(kDataRows);
    // Blank rows are alike but their number, and each of their texts fails to convert:
    // read one, not one a row (every failure costs an exception, and the window's start
    // makes three tables of 50 blank rows before it is on screen).
    const StoredRow none;
    const Activity blank = readActivity(kind, none);
    for (int r = 1; r <= kDataRows; ++r) {
        const StoredRow& texts = r <= int(rows.size()) ? rows[size_t(r - 1)] : none;
        table.push_back(texts == none ? blank : readActivity(kind, texts, r));
        table.back().number = r;
    }
    return table;
}

ActivityTable activitiesOf(TableKind kind, const TableTexts& texts) {
    std::vector<StoredRow> rows;
    for (size_t r = 1; r < texts.size() && r <= size_t(kDataRows); ++r)
        rows.push_back({texts[r].value(0), texts[r].value(1), texts[r].value(2), texts[r].value(3),
                        texts[r].value(4)});
    return readActivityTable(kind, rows);
}

int filledRows(const ActivityTable& table) {
    int n = 0;
    for (const Activity& a : table)
        if (!a.isBlank()) ++n;
    return n;
}

int firstBlankRow(const ActivityTable& table) {
    for (int r = 1; r < kDataRows && r <= int(table.size()); ++r)
        if (table[size_t(r - 1)].isBlank()) return r;
    return -1;
}

void setRow(ActivityTable& table, int number, const StoredRow& texts) {
    Activity& a = table[size_t(number - 1)];
    const auto total = a.total;
    a = readActivity(a.kind, texts, number);
    a.total = total;
}

}  // namespace lt
