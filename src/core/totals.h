#pragma once
#include <QString>

#include "core/activity.h"
#include "core/conversion.h"
#include "core/date_span.h"
#include "core/table_shape.h"

namespace lt {

// The five texts a user enters for one activity (columns 0 to 4 of a table row).
struct ActivityRow {
    QString activity, amount, period, start, end;
    // The row's number in its table (1 to 50), for messages; 0 when not known.
    int number = 0;
};

// "Hours, row 3, ending date": where cell `col` of data row `row` of a table stands.
QString cellPlace(TableKind kind, int row, int col);
// Runs `read` on cell `col` of row `row`; a ConversionError it throws names the cell
// ("Hours, row 3, ending date: '' is not a valid date"). Row 0 names nothing.
template <class F>
auto readCell(TableKind kind, int row, int col, F&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const ConversionError& e) {
        if (row <= 0) throw;
        throw e.placed(cellPlace(kind, row, col));
    }
}

// What a row of table `kind` covers (coveredStretch). Throws ConversionError, naming the
// cell, for a date that does not convert.
RowStretch rowStretch(const ActivityRow& row, TableKind kind, DateTime today);

// A row's total over its span, unrounded, and its share of the lifetime figure in per
// cent (0 for frequency rows and for a figure of 0).
struct RowTotal {
    double total = 0;
    double share = 0;
};
// `base` is hours lived for hours, the lifetime income for money, unused for frequency.
// Throws ConversionError, naming the cell when the row's number is known.
RowTotal rowTotal(TableKind kind, const ActivityRow& row, double base, DateTime now);

// What a typed row covers, as rowStretch.
RowStretch activityStretch(const Activity& a, DateTime today);
// The exact total of a typed row over `stretch`, unrounded, as rowTotal.
double activityTotal(const Activity& a, const RowStretch& stretch);
// Its total at `now` and its share of `base`, as rowTotal.
RowTotal activityTotal(const Activity& a, double base, DateTime now);
// The total cell of a row of table `kind`: "131 (0.04%)", "$25 (0.05%)", "3".
QString totalText(TableKind kind, const RowTotal& t);

// The exact total of a row of table `kind` over `stretch`, unrounded: hours for the hours
// table, the amount or the count for the others; 0 when it covers nothing. Throws
// ConversionError for an amount.
double rowTotal(TableKind kind, const ActivityRow& row, const RowStretch& stretch);

// Total-cell text of an hours row: "131 (0.04%)". Throws ConversionError.
QString hourTotalText(const ActivityRow& row, double hoursLived, DateTime now);
// Total-cell text of a money row ("$25 (0.05%)") or a frequency row ("3").
QString moneyTotalText(const ActivityRow& row, bool moneyMode, double income, DateTime now);
// The total-cell text of a row of table `kind`; `base` is what its share is of (hours
// lived, lifetime income; unused for frequency). Throws ConversionError.
QString rowTotalText(TableKind kind, const ActivityRow& row, double base, DateTime now);
// Writes the total cell of every filled row of `table`, in order. Throws ConversionError
// (naming the cell) at the first row that does not convert; the rows before it are done.
void computeTableTotals(TableKind kind, TableTexts& table, double base, DateTime now);

// The number a total cell shows, without its percentage: "$1,234 (2.47%)" gives 1234.
// Throws ConversionError when no number is left.
double totalCellValue(const QString& totalText);
// Row `row` of `table` as its five entered texts, numbered.
ActivityRow activityRowOf(const TableTexts& table, int row);

// "Age: 36 years 9 months 5 days  Hours: 322,306". Throws for an invalid birth date,
// naming the birth date field.
QString ageLine(const QString& birthDateText, DateTime now);
QString incomeLine(const QString& incomeDisplayText);

}  // namespace lt
