#pragma once
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QtPlugin>
#include <memory>
#include <optional>
#include <vector>

#include "core/chart_points.h"
#include "core/locale_format.h"
#include "core/report_lines.h"
#include "core/timeline_rows.h"
#include "ui/save_dialog.h"

class QDialog;
class QPrinter;
class QWidget;

namespace lt {

// What the outputs library asks of the program: its boxes, dialogs and file writer, which
// the tests answer. The library is handed one when it is loaded and calls nothing else of
// the program.
class OutputsHost {
public:
    virtual ~OutputsHost() = default;
    // The application's default error report.
    virtual void defaultReport(const QString& message, QWidget* parent) = 0;
    // The error box without the beep.
    virtual void quietError(const QString& message, QWidget* parent) = 0;
    // "Unable to write to <full path>: <reason>" in the error box; returns false.
    virtual bool writeFailed(const QString& path, const QString& reason, QWidget* parent) = 0;
    virtual int execDialog(QDialog& dialog) = 0;
    // The answer a test gives in place of the print dialog; none for the real dialog.
    virtual std::optional<bool> printDialogAnswer(QPrinter& printer, QWidget* parent) = 0;
    // As askExportPath and saveFileBytes.
    virtual QString askExportPath(QWidget* parent, const QString& caption,
                                  const QString& suggestedName,
                                  const QList<ExportFileType>& types) = 0;
    virtual bool saveFileBytes(const QString& path, const QByteArray& bytes, QWidget* parent) = 0;
};

// The report's printer as the window keeps it: the next report starts from the choices
// made in the last print dialog. `printedAt` is the time on its first page.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // "Print report": the print dialog, then the report as one job; Cancel prints nothing.
    virtual void print(QWidget* parent, const ReportInput& input, const QDateTime& printedAt) = 0;
    // The print preview of the pages print() prints.
    virtual void preview(QWidget* parent, const ReportInput& input, const QDateTime& printedAt) = 0;
};

// The page a report saved as a PDF is laid out on, and the time printed on it.
struct ReportPage {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QDateTime printedAt;
};

// The program's formats. The library writes with its own copy of the rules, whose formats
// are its own until it is handed these.
struct OutputFormats {
    QLocale numbers;
    QLocale dates;
    QLocale money;
    loc::Currency currency;
};

// Everything that needs Qt Charts, Qt Print Support or Qt SVG: the chart window, the
// report on paper or as a PDF, and chart pictures. It lives in a library of its own
// (lifetally-outputs.so) that is loaded the first time one of these is used, so that
// starting the window does not pay for linking those libraries. Only data crosses here.
class Outputs {
public:
    virtual ~Outputs() = default;
    // Called once, before anything else.
    virtual void setHost(OutputsHost& host) = 0;
    // Called before each use, since opening a settings file may change the currency.
    virtual void setFormats(const OutputFormats& formats) = 0;
    // The chart window for `points` of `table`, modal; returns when it has closed.
    virtual void showGraph(QWidget* owner, const QString& title,
                           const std::vector<ChartPoint>& points, TableKind table) = 0;
    // The Timeline window for `input`, modal; returns when it has closed.
    virtual void showTimeline(QWidget* owner, const TimelineInput& input) = 0;
    virtual std::unique_ptr<ReportPrinter> reportPrinter() = 0;
    // The report as a PDF at `path`; false (the failure shown) when it was not written.
    virtual bool saveReportPdf(const QString& path, const ReportInput& input,
                               const ReportPage& page, QWidget* parent) = 0;
    // The chart as a picture at `path` (PNG or SVG by its suffix); false (the failure
    // shown) when it was not written.
    virtual bool saveChartImage(const QString& path, const QString& title,
                                const std::vector<ChartPoint>& points, bool bars) = 0;
    // The timeline as a picture at `path` (PNG or SVG by its suffix); false (the failure
    // shown) when it was not written.
    virtual bool saveTimelineImage(const QString& path, const TimelineInput& input) = 0;
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
// Why the library whose plugin metadata is `metaData` (QPluginLoader::metaData) does not
// belong to this program, naming both versions; empty when it does.
QString outputsMismatch(const QJsonObject& metaData);

}  // namespace lt

#define LT_OUTPUTS_IID "example.tallyhouse.Lifetally.Outputs/4"
Q_DECLARE_INTERFACE(lt::Outputs, LT_OUTPUTS_IID)
