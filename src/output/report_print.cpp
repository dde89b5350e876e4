#include "output/report_print.h"

#include <QCoreApplication>
#include <QPrinter>

#include "output/host.h"
#include "output/printer_stream.h"
#include "ui/shared_look.h"

namespace lt {

void showPrintError(QWidget* parent) {
    //: The report's own error message, as it has always read.
    host().quietError(QCoreApplication::translate("Report", "Error printing report ... quitting"),
                      parent);
}

QFont reportFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

bool printGrid(LineStream& stream, const TableTexts& table, const ColumnWidths& widths,
               const QString& personLine, const QString& incomeLine, const QDateTime& printedAt,
               bool heading, bool closing, QWidget* parent) {
    if (heading) {
        stream.setFont(reportFont());
        bool ok = stream.open();
        // The stream is left open on failure; it abandons the job when it goes.
        const QStringList lines = reportHeadingLines(personLine, incomeLine, printedAt);
        for (const QString& line : lines) ok = ok && stream.writeLine(line);
        if (!ok) {
            showPrintError(parent);
            return false;
        }
    }

    // Failures here and in closing are not the report's own: they go to the default
    // error report and end the report.
    if (!stream.writeLine() || !stream.writeLine()) {
        host().defaultReport(stream.errorString(), parent);
        return false;
    }

    {
        WaitCursor wait;
        const QStringList lines = tableLines(table, widths);
        // The column titles and the first row go on one page.
        stream.beginTable(lines.value(0), std::min<int>(2, int(lines.size())));
        for (const QString& line : lines) {
            if (!stream.write(line) || !stream.writeLine()) {
                showPrintError(parent);
                break;
            }
        }
        stream.endTable();
    }

    if (closing && !stream.close()) {
        host().defaultReport(stream.errorString(), parent);
        return false;
    }
    return true;
}

void writeReport(LineStream& stream, const ReportInput& input, const QDateTime& printedAt,
                 QWidget* parent) {
    const std::array<bool, 3> heading{true, false, false};
    const std::array<bool, 3> closing{false, false, true};
    for (int t = 0; t < 3; ++t) {
        if (!printGrid(stream, input.tables[t], input.columnWidths, input.personLine,
                       input.incomeLine, printedAt, heading[t], closing[t], parent))
            return;
    }
}

void printReport(QWidget* parent, QPrinter& printer, const ReportInput& input,
                 const QDateTime& printedAt) {
    if (!runPrintDialog(printer, parent)) return;
    PrinterTextStream stream(printer);
    writeReport(stream, input, printedAt, parent);
}

}  // namespace lt
