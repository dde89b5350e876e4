#pragma once
#include <QString>

#include "core/activity.h"
#include "core/conversion.h"
#include "core/date_span.h"
#include "core/table_shape.h"

namespace lt {

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

// What a row covers (coveredStretch). Throws ConversionError, naming the cell, for a date
// that does not convert.
RowStretch activityStretch(const Activity& a, DateTime today);
// The exact total of a row over `stretch`, unrounded: hours for the hours table, the
// amount or the count for the others; 0 when it covers nothing. Throws ConversionError
// for an amount, even then.
double activityTotal(const Activity& a, const RowStretch& stretch);
// Its total at `now` and its share of `base`: hours lived for hours, the lifetime income
// for money, unused for frequency.
RowTotal activityTotal(const Activity& a, double base, DateTime now);
// The total cell of a row of table `kind`: "131 (0.04%)", "$25 (0.05%)", "3".
QString totalText(TableKind kind, const RowTotal& t);
// Works out the total of every filled row of `table`, in order. Throws ConversionError
// (naming the cell) at the first row that does not convert; the rows before it are done.
void computeTableTotals(ActivityTable& table, double base, DateTime now);
// The sum of the totals the table shows, as whole numbers, as the chart's "Other" takes
// them. Throws ConversionError, naming the cell, for a row without a total.
double shownSubTotal(const ActivityTable& table);

// "Age: 36 years 9 months 5 days  Hours: 322,306". Throws for an invalid birth date,
// naming the birth date field.
QString ageLine(const QString& birthDateText, DateTime now);
QString incomeLine(const QString& incomeDisplayText);

}  // namespace lt
