#include "core/totals.h"

#include "core/cell_text.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/table_description.h"

namespace lt {
namespace {
QString percentText(double percentage) {
    return percentage > 0 ? QStringLiteral(" (%1%)").arg(loc::formatNumber(percentage, 2))
                          : QString();
}

// `perPeriod` over the span, counted by day, week or month, and with `yearsAndOnce` also
// by year or once. A period word none of these knows (only from a hand-edited file)
// totals 0; where several match, the last one listed counts.
double spanTotal(double perPeriod, const QString& period, const TDateDiff& span,
                 bool yearsAndOnce) {
    double total = 0;
    if (hasDay(period)) total = perPeriod * span.totalDays;
    if (hasWeek(period)) total = perPeriod * span.totalDays * (1.0 / 7);
    if (hasMonth(period)) total = perPeriod * span.monthCount;
    if (!yearsAndOnce) return total;
    if (hasYear(period)) total = span.years * perPeriod;
    if (hasOnce(period)) total = perPeriod;
    return total;
}
double periodTotal(double perPeriod, Period period, const TDateDiff& span) {
    switch (period) {
        case Period::Day:
            return perPeriod * span.totalDays;
        case Period::Week:
            return perPeriod * span.totalDays * (1.0 / 7);
        case Period::Month:
            return perPeriod * span.monthCount;
        case Period::Year:
            return span.years * perPeriod;
        case Period::Once:
            return perPeriod;
        case Period::None:
            break;
    }
    return 0;
}
}  // namespace

RowStretch activityStretch(const Activity& a, DateTime today) {
    const QDate start = a.startDate();  // named before the end when both fail
    return coveredStretch(start, a.endDate(), today);
}

double activityTotal(const Activity& a, const RowStretch& stretch) {
    // The amount is read even for a stretch that covers nothing, so a bad one is named.
    const double perPeriod = a.amountValue();
    if (!stretch.covers) return 0;
    const double total =
        periodTotal(perPeriod, a.period, computedatediff(stretch.from, stretch.to));
    return a.kind == TableKind::Hours ? total * (1.0 / 60) : total;
}

RowTotal activityTotal(const Activity& a, double base, DateTime now) {
    RowTotal t;
    t.total = activityTotal(a, activityStretch(a, now));
    if (a.kind != TableKind::Freq && base > 0) t.share = 100 * t.total / base;
    return t;
}

QString totalText(TableKind kind, const RowTotal& t) {
    if (kind == TableKind::Freq) return loc::formatNumber(t.total, 0);
    return (kind == TableKind::Money ? loc::formatMoney0(t.total) : loc::formatNumber(t.total, 0)) +
           percentText(t.share);
}

QString cellPlace(TableKind kind, int row, int col) {
    // The amount column is named by its heading: time, amount, frequency.
    const QString column = col == 1
                               ? QString::fromLatin1(tableDescription(kind).headings[1]).toLower()
                               : QLatin1String(std::array{"activity", "", "period", "starting date",
                                                          "ending date", "total"}[size_t(col)]);
    return QStringLiteral("%1, row %2, %3").arg(tableTitle(kind)).arg(row).arg(column);
}

RowStretch rowStretch(const ActivityRow& row, TableKind kind, DateTime today) {
    const QDate start = readCell(kind, row.number, 3, [&] { return strToDate(row.start); });
    if (untilToday(row.end)) return coveredStretch(start, std::nullopt, today);
    return coveredStretch(start, readCell(kind, row.number, 4, [&] { return strToDate(row.end); }),
                          today);
}

double rowTotal(TableKind kind, const ActivityRow& row, const RowStretch& stretch) {
    // The amount is read even for a stretch that covers nothing, so a bad one is named.
    const bool hours = kind == TableKind::Hours;
    // In floating point: a hand-edited hours word may be too large for an int times 60.
    const double perPeriod = readCell(kind, row.number, 1, [&] {
        return hours ? hoursOf(row.amount) * 60.0 + minutesOf(row.amount)
                     : strToFloat(numberChars(row.amount));
    });
    if (!stretch.covers) return 0;
    const TDateDiff span = computedatediff(stretch.from, stretch.to);
    return hours ? spanTotal(perPeriod, row.period, span, false) * (1.0 / 60)
                 : spanTotal(perPeriod, row.period, span, true);
}

RowTotal rowTotal(TableKind kind, const ActivityRow& row, double base, DateTime now) {
    RowTotal t;
    t.total = rowTotal(kind, row, rowStretch(row, kind, now));
    if (kind != TableKind::Freq && base > 0) t.share = 100 * t.total / base;
    return t;
}

QString hourTotalText(const ActivityRow& row, double hoursLived, DateTime now) {
    return rowTotalText(TableKind::Hours, row, hoursLived, now);
}

QString moneyTotalText(const ActivityRow& row, bool moneyMode, double income, DateTime now) {
    return rowTotalText(moneyMode ? TableKind::Money : TableKind::Freq, row, income, now);
}

double totalCellValue(const QString& totalText) {
    const int cut = totalText.indexOf(QStringLiteral(" ("));
    return strToFloat(numberChars(cut >= 0 ? totalText.left(cut) : totalText));
}

QString ageLine(const QString& birthDateText, DateTime now) {
    const DateTime birth = readAt(QStringLiteral("Your birthdate"),
                                  [&] { return toDateTime(strToDate(birthDateText)); });
    const TDateDiff span = computedatediff(now, birth);
    return QStringLiteral("Age: ") + ymd(span, false) + QStringLiteral(" Hours: ") +
           loc::formatNumber(span.totalHours, 0);
}

QString incomeLine(const QString& incomeDisplayText) {
    return QStringLiteral("Lifetime income: ") + incomeDisplayText;
}

QString rowTotalText(TableKind kind, const ActivityRow& row, double base, DateTime now) {
    const RowTotal t = rowTotal(kind, row, base, now);
    if (kind == TableKind::Freq) return loc::formatNumber(t.total, 0);
    return (kind == TableKind::Money ? loc::formatMoney0(t.total) : loc::formatNumber(t.total, 0)) +
           percentText(t.share);
}

ActivityRow activityRowOf(const TableTexts& table, int row) {
    const QStringList& c = table[size_t(row)];
    return {c.value(0), c.value(1), c.value(2), c.value(3), c.value(4), row};
}

void computeTableTotals(TableKind kind, TableTexts& table, double base, DateTime now) {
    for (int r = 1, n = numNonBlankRows(table); r <= n; ++r) {
        QStringList& cells = table[size_t(r)];
        while (cells.size() < kTableCols) cells << QString();
        cells[5] = rowTotalText(kind, activityRowOf(table, r), base, now);
    }
}

}  // namespace lt
