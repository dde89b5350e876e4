#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

#include "core/table_shape.h"

// The three tables as one CSV file for spreadsheets: locale-neutral numbers and ISO
// dates, UTF-8, RFC 4180 quoting, CRLF line ends.
namespace lt {

// "Table,Activity,Amount,Unit,Per,Start,End,Total,Share %".
QStringList csvHeader();

// The fields of one filled row of table `kind`, from the texts the table shows. Throws
// ConversionError for an amount or a date that does not convert.
QStringList csvFields(TableKind kind, const QStringList& row);

// One record: fields quoted where they need it, a field that a spreadsheet would run
// as a formula led by an apostrophe, then CRLF.
QByteArray csvRecord(const QStringList& fields);

// The header and every filled row of the hours, money and frequency tables, in order.
QByteArray tablesCsv(const std::array<TableTexts, 3>& tables);

}  // namespace lt
