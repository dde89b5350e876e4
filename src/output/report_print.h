#pragma once
#include <QFont>
#include <QString>

#include "core/report_lines.h"

class QPrinter;
class QWidget;

namespace lt {

class LineStream;

// The report's own error message, in an error box without the beep.
void showPrintError(QWidget* parent = nullptr);

// "Courier New" 9 points (fontconfig finds a metric-compatible monospace).
QFont reportFont();

// Writes one table of the report to `stream`, each cell in a field of its column's
// width. With `heading` it first sets the font, opens the stream and writes the five
// heading lines, printed at `printedAt`; with `closing` it closes the stream at the end. Failures
// are shown to the user here; returns false when the report has ended and nothing more may be
// written.
bool printGrid(LineStream& stream, const TableTexts& table, const ColumnWidths& widths,
               const QString& personLine, const QString& incomeLine, const QDateTime& printedAt,
               bool heading, bool closing, QWidget* parent = nullptr);

// The heading and the three tables as one job on `stream`, stopping where a failure
// ends the report.
void writeReport(LineStream& stream, const ReportInput& input, const QDateTime& printedAt,
                 QWidget* parent = nullptr);

// "Print report": runs the print dialog on `printer` and, when the user confirms, prints
// the heading and the three tables as one job. Cancel prints nothing.
void printReport(QWidget* parent, QPrinter& printer, const ReportInput& input,
                 const QDateTime& printedAt);

}  // namespace lt
