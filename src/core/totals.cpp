#include "core/totals.h"

#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/cell_text.h"

namespace lt {
namespace {
QString percentText(double percentage) {
    return percentage > 0 ? QStringLiteral(" (%1%)").arg(loc::formatNumber(percentage, 2))
                          : QString();
}
}  // namespace

TDateDiff rowSpan(const ActivityRow& row, DateTime now) {
    const DateTime start = toDateTime(strToDate(row.start));
    const DateTime end = row.end == u"Now" ? now : toDateTime(strToDate(row.end));
    return computedatediff(start, end);
}

QString hourTotalText(const ActivityRow& row, double hoursLived, DateTime now) {
    const TDateDiff span = rowSpan(row, now);
    // In floating point: a hand-edited hours word may be too large for an int times 60.
    const double perPeriod = hoursOf(row.amount) * 60.0 + minutesOf(row.amount);
    // A period word none of the tests knows (only from a hand-edited file) totals 0.
    double minutes = 0;
    if (hasDay(row.period)) minutes = perPeriod * span.totalDays;
    if (hasWeek(row.period)) minutes = perPeriod * span.totalDays * (1.0 / 7);
    if (hasMonth(row.period)) minutes = perPeriod * span.monthCount;
    const double hours = minutes * (1.0 / 60);
    const double percentage = hoursLived > 0 ? 100 * hours / hoursLived : 0;
    return loc::formatNumber(hours, 0) + percentText(percentage);
}

QString moneyTotalText(const ActivityRow& row, bool moneyMode, double income, DateTime now) {
    const TDateDiff span = rowSpan(row, now);
    const double amount = strToFloat(numberChars(row.amount));
    double total = 0;
    if (hasDay(row.period)) total = amount * span.totalDays;
    if (hasWeek(row.period)) total = amount * span.totalDays * (1.0 / 7);
    if (hasMonth(row.period)) total = amount * span.monthCount;
    if (hasYear(row.period)) total = span.years * amount;
    if (hasOnce(row.period)) total = amount;
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

}  // namespace lt
