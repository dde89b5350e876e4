#include "output/linked_outputs.h"

#include <QPrinter>

#include "output/command_exports.h"
#include "output/graph_window.h"
#include "output/report_export.h"
#include "output/report_print.h"

namespace lt {
namespace {
class PrinterKept : public ReportPrinter {
public:
    void print(QWidget* parent, const ReportInput& input) override {
        printReport(parent, printer_, input);
    }
    void preview(QWidget* parent, const ReportInput& input) override {
        previewReport(parent, printer_, input);
    }

private:
    QPrinter printer_{QPrinter::HighResolution};
};
}  // namespace

void OutputsImpl::showGraph(QWidget* owner, const QString& title,
                            const std::vector<ChartPoint>& points, TableKind table) {
    lt::showGraph(owner, title, points, table);
}

std::unique_ptr<ReportPrinter> OutputsImpl::reportPrinter() {
    return std::make_unique<PrinterKept>();
}

bool OutputsImpl::saveReportPdf(const QString& path, const ReportInput& input, QWidget* parent) {
    return lt::saveReportPdf(path, input, parent);
}

int OutputsImpl::runExports(const CommandLine& line, const QString& settingsFile,
                            QStringList& messages) {
    return lt::runExports(line, settingsFile, messages);
}

void useLinkedOutputs() {
    static OutputsImpl linked;
    setLinkedOutputs(&linked);
}

}  // namespace lt
