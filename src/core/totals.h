#pragma once
#include <QString>

#include "core/date_span.h"
#include "core/table_shape.h"

namespace lt {

// The five texts a user enters for one activity (columns 0 to 4 of a table row).
struct ActivityRow {
    QString activity, amount, period, start, end;
};

// The span of a row: start date to end date, or to `now` when the end reads "Now".
// Throws ConversionError for a date that does not convert.
TDateDiff rowSpan(const ActivityRow& row, DateTime now);

// The exact total of a row of table `kind` over `span`, unrounded: hours for the hours
// table, the amount or the count for the others. Throws ConversionError for an amount.
double rowTotal(TableKind kind, const ActivityRow& row, const TDateDiff& span);

// Total-cell text of an hours row: "131 (0.04%)". Throws ConversionError.
QString hourTotalText(const ActivityRow& row, double hoursLived, DateTime now);
// Total-cell text of a money row ("$25 (0.05%)") or a frequency row ("3").
QString moneyTotalText(const ActivityRow& row, bool moneyMode, double income, DateTime now);
// The total-cell text of a row of table `kind`; `base` is what its share is of (hours
// lived, lifetime income; unused for frequency). Throws ConversionError.
QString rowTotalText(TableKind kind, const ActivityRow& row, double base, DateTime now);
// Writes the total cell of every filled row of `table`, in order. Throws ConversionError
// at the first row that does not convert; the rows before it are done.
void computeTableTotals(TableKind kind, TableTexts& table, double base, DateTime now);

// The number a total cell shows, without its percentage: "$1,234 (2.47%)" gives 1234.
// Throws ConversionError when no number is left.
double totalCellValue(const QString& totalText);

// "Age: 36 years 9 months 5 days  Hours: 322,306". Throws for an invalid birth date.
QString ageLine(const QString& birthDateText, DateTime now);
QString incomeLine(const QString& incomeDisplayText);

}  // namespace lt
