#include "core/totals.h"

#include <QCoreApplication>

#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/table_description.h"

namespace lt {
namespace {
QString percentText(double percentage) {
    return percentage > 0 ? QStringLiteral(" (%1%)").arg(loc::formatNumber(percentage, 2))
                          : QString();
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
    // The amount column is named as its heading names it.
    static const char* const columns[] = {
        QT_TRANSLATE_NOOP("Totals", "activity"),    QT_TRANSLATE_NOOP("Totals", "time"),
        QT_TRANSLATE_NOOP("Totals", "amount"),      QT_TRANSLATE_NOOP("Totals", "frequency"),
        QT_TRANSLATE_NOOP("Totals", "period"),      QT_TRANSLATE_NOOP("Totals", "starting date"),
        QT_TRANSLATE_NOOP("Totals", "ending date"), QT_TRANSLATE_NOOP("Totals", "total")};
    const size_t at =
        col == 0   ? 0
        : col == 1 ? 1 + size_t(kind == TableKind::Money) + 2 * size_t(kind == TableKind::Freq)
                   : size_t(col) + 2;
    //: Where a value of a table stands: "Hours, row 3, ending date".
    return QCoreApplication::translate("Totals", "%1, row %2, %3")
        .arg(tableTitle(kind), loc::formatNumber(row, 0),
             QCoreApplication::translate("Totals", columns[at]));
}

QString ageLine(const QString& birthDateText, DateTime now) {
    const DateTime birth =
        readAt(birthDatePlace(), [&] { return toDateTime(strToDate(birthDateText)); });
    const TDateDiff span = computedatediff(now, birth);
    //: The results page and the report: "Age: 36 years 9 months 8 days  Hours: 322,381".
    return QCoreApplication::translate("Totals", "Age: %1 Hours: %2")
        .arg(ymd(span), loc::formatNumber(span.totalHours, 0));
}

QString incomeLine(const QString& incomeDisplayText) {
    return QCoreApplication::translate("Totals", "Lifetime income: %1").arg(incomeDisplayText);
}

void computeTableTotals(ActivityTable& table, double base, DateTime now) {
    for (int r = 1, n = filledRows(table); r <= n; ++r) {
        Activity& a = table[size_t(r - 1)];
        a.total = activityTotal(a, base, now);
    }
}

double shownSubTotal(const ActivityTable& table) {
    double sum = 0;
    for (int r = 1, n = filledRows(table); r <= n; ++r) {
        const Activity& a = table[size_t(r - 1)];
        // A row without a total reads as an empty total cell did.
        if (!a.total) readCell(a.kind, r, 5, [] { return strToFloat(QString()); });
        sum += shownWholeTotal(a.total->total);
    }
    return sum;
}

}  // namespace lt
