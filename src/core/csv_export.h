#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

#include "core/date_time.h"
#include "core/table_shape.h"
#include "core/totals.h"

// The three tables as one CSV file for spreadsheets: locale-neutral numbers and ISO
// dates, UTF-8, RFC 4180 quoting, CRLF line ends.
namespace lt {

// A number with a point, `decimals` decimals and no grouping, whatever the locale.
QString csvNumber(double value, int decimals);
// "hours", "money" or "frequency": the first field of a table's records.
QString csvTableWord(TableKind kind);
// What a table's numbers count: "hours", the currency's ISO code, or "times".
QString csvUnit(TableKind kind);

// "Table,Activity,Amount,Unit,Per,Start,End,Total,Share %".
QStringList csvHeader();

// The fields of one filled row. Total and share are worked out from the row at `now`
// (money to the cent, hours to two decimals, counts as they come), not from the rounded
// total the table shows; `base` is as for activityTotal; the period is its text as
// stored. Throws ConversionError, naming the cell, for a value that does not convert.
QStringList csvFields(const Activity& a, double base, DateTime now);

// One record: fields quoted where they need it, a field that a spreadsheet would run
// as a formula (one starting with =, +, -, @, a tab or a carriage return) led by an
// apostrophe, then CRLF. Every CSV the program writes goes through it.
QByteArray csvRecord(const QStringList& fields);
// One record of `texts`, written as above, then `numbers`, which the program made
// (csvNumber) and writes as they stand: a minus sign there starts no formula.
QByteArray csvRecord(const QStringList& texts, const QStringList& numbers);

// The header and every filled row of the hours, money and frequency tables, in order;
// shares are of `hoursLived` and `income`.
QByteArray tablesCsv(const std::array<ActivityTable, 3>& tables, double hoursLived, double income,
                     DateTime now);

}  // namespace lt
