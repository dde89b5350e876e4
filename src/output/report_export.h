#pragma once
#include <QByteArray>
#include <QString>

#include "core/report_lines.h"
#include "ui/outputs.h"

class QPrinter;
class QWidget;

namespace lt {

// The report's pages as a PDF at `path` ("-": standard output), on `page`, with no print
// dialog. A failure has been shown (the report's own message or "Unable to
// write to ...") when it returns false; the old file is then kept.
bool saveReportPdf(const QString& path, const ReportInput& input, const ReportPage& page,
                   QWidget* parent = nullptr);

// The print preview of the report on `printer`: the pages "Print report" prints.
void previewReport(QWidget* parent, QPrinter& printer, const ReportInput& input,
                   const QDateTime& printedAt);

}  // namespace lt
