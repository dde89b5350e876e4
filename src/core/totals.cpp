#include "core/totals.h"

#include "core/cell_text.h"
#include "core/conversion.h"
#include "core/locale_format.h"

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
}  // namespace

TDateDiff rowSpan(const ActivityRow& row, DateTime now) {
    const DateTime start = toDateTime(strToDate(row.start));
    const DateTime end = row.end == u"Now" ? now : toDateTime(strToDate(row.end));
    return computedatediff(start, end);
}

double rowTotal(TableKind kind, const ActivityRow& row, const TDateDiff& span) {
    if (kind != TableKind::Hours)
        return spanTotal(strToFloat(numberChars(row.amount)), row.period, span, true);
    // In floating point: a hand-edited hours word may be too large for an int times 60.
    const double perPeriod = hoursOf(row.amount) * 60.0 + minutesOf(row.amount);
    return spanTotal(perPeriod, row.period, span, false) * (1.0 / 60);
}

QString hourTotalText(const ActivityRow& row, double hoursLived, DateTime now) {
    const double hours = rowTotal(TableKind::Hours, row, rowSpan(row, now));
    const double percentage = hoursLived > 0 ? 100 * hours / hoursLived : 0;
    return loc::formatNumber(hours, 0) + percentText(percentage);
}

QString moneyTotalText(const ActivityRow& row, bool moneyMode, double income, DateTime now) {
    const double total =
        rowTotal(moneyMode ? TableKind::Money : TableKind::Freq, row, rowSpan(row, now));
    if (!moneyMode) return loc::formatNumber(total, 0);
    const double percentage = income > 0 ? 100 * total / income : 0;
    return loc::formatMoney0(total) + percentText(percentage);
}

double totalCellValue(const QString& totalText) {
    const int cut = totalText.indexOf(QStringLiteral(" ("));
    return strToFloat(numberChars(cut >= 0 ? totalText.left(cut) : totalText));
}

QString ageLine(const QString& birthDateText, DateTime now) {
    const DateTime birth = toDateTime(strToDate(birthDateText));
    const TDateDiff span = computedatediff(now, birth);
    return QStringLiteral("Age: ") + ymd(span, false) + QStringLiteral(" Hours: ") +
           loc::formatNumber(span.totalHours, 0);
}

QString incomeLine(const QString& incomeDisplayText) {
    return QStringLiteral("Lifetime income: ") + incomeDisplayText;
}

QString rowTotalText(TableKind kind, const ActivityRow& row, double base, DateTime now) {
    if (kind == TableKind::Hours) return hourTotalText(row, base, now);
    return moneyTotalText(row, kind == TableKind::Money, base, now);
}

void computeTableTotals(TableKind kind, TableTexts& table, double base, DateTime now) {
    for (int r = 1, n = numNonBlankRows(table); r <= n; ++r) {
        QStringList& cells = table[size_t(r)];
        while (cells.size() < kTableCols) cells << QString();
        cells[5] =
            rowTotalText(kind, {cells[0], cells[1], cells[2], cells[3], cells[4]}, base, now);
    }
}

}  // namespace lt
