#pragma once
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <memory>
#include <vector>

#include "core/chart_points.h"
#include "core/report_lines.h"

class QWidget;

namespace lt {

struct CommandLine;

// The report's printer as the window keeps it: the next report starts from the choices
// made in the last print dialog.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // "Print report": the print dialog, then the report as one job; Cancel prints nothing.
    virtual void print(QWidget* parent, const ReportInput& input) = 0;
    // The print preview of the pages print() prints.
    virtual void preview(QWidget* parent, const ReportInput& input) = 0;
};

// Everything that needs Qt Charts, Qt Print Support or Qt SVG: the chart window, the
// report on paper or as a PDF, and the command line's exports. It lives in a library of
// its own (lifetally-outputs.so) that is loaded the first time one of these is used, so
// that starting the window does not pay for linking those libraries.
class Outputs {
public:
    virtual ~Outputs() = default;
    // The chart window for `points` of `table`, modal; returns when it has closed.
    virtual void showGraph(QWidget* owner, const QString& title,
                           const std::vector<ChartPoint>& points, TableKind table) = 0;
    virtual std::unique_ptr<ReportPrinter> reportPrinter() = 0;
    // The report as a PDF at `path`; false (the failure shown) when it was not written.
    virtual bool saveReportPdf(const QString& path, const ReportInput& input, QWidget* parent) = 0;
    // The command line's exports; see runExports.
    virtual int runExports(const CommandLine& line, const QString& settingsFile,
                           QStringList& messages) = 0;
};

// The outputs linked into this program (setLinkedOutputs), or else the library, loaded
// on the first call. Null when the library cannot be loaded: `why` then tells why, as
// "Cannot load <full path>: <reason>".
Outputs* outputs(QString* why = nullptr);
// outputs(), or null once the reason has been shown in the error box.
Outputs* outputsOrError(QWidget* parent);
// Makes `linked` the outputs, for programs that link them in (the tests and tools).
void setLinkedOutputs(Outputs* linked);
// Where the library is looked for: beside the program (a build folder), then in the
// installed library folder.
QStringList outputsLibraryPaths(const QString& programFolder);

}  // namespace lt

#define LT_OUTPUTS_IID "example.tallyhouse.Lifetally.Outputs/1"
Q_DECLARE_INTERFACE(lt::Outputs, LT_OUTPUTS_IID)
