#include "output/linked_outputs.h"

#include <QPrinter>

#include "output/chart_export.h"
#include "output/graph_window.h"
#include "output/host.h"
#include "output/report_export.h"
#include "output/report_print.h"
#include "output/timeline_output.h"
#include "output/timeline_window.h"

namespace lt {
namespace {
OutputsHost*& handedHost() {
    static OutputsHost* handed = nullptr;
    return handed;
}

class PrinterKept : public ReportPrinter {
public:
    void print(QWidget* parent, const ReportInput& input, const QDateTime& printedAt) override {
        printReport(parent, printer_, input, printedAt);
    }
    void preview(QWidget* parent, const ReportInput& input, const QDateTime& printedAt) override {
        previewReport(parent, printer_, input, printedAt);
    }

private:
    QPrinter printer_{QPrinter::HighResolution};
};
}  // namespace

OutputsHost& host() {
    Q_ASSERT(handedHost());
    return *handedHost();
}

void setHost(OutputsHost& host) { handedHost() = &host; }

void OutputsImpl::setHost(OutputsHost& host) { lt::setHost(host); }

void OutputsImpl::setFormats(const OutputFormats& formats) {
    loc::setProgramLocales(formats.numbers, formats.dates, formats.money);
    loc::setProgramCurrency(formats.currency);
}

void OutputsImpl::showGraph(QWidget* owner, const QString& title,
                            const std::vector<ChartPoint>& points, TableKind table) {
    lt::showGraph(owner, title, points, table);
}

void OutputsImpl::showTimeline(QWidget* owner, const TimelineInput& input) {
    lt::showTimeline(owner, input);
}

std::unique_ptr<ReportPrinter> OutputsImpl::reportPrinter() {
    return std::make_unique<PrinterKept>();
}

bool OutputsImpl::saveReportPdf(const QString& path, const ReportInput& input,
                                const ReportPage& page, QWidget* parent) {
    return lt::saveReportPdf(path, input, page, parent);
}

bool OutputsImpl::saveChartImage(const QString& path, const QString& title,
                                 const std::vector<ChartPoint>& points, bool bars) {
    return lt::saveChartImage(path, title, points, bars);
}

bool OutputsImpl::saveTimelineImage(const QString& path, const TimelineInput& input) {
    return lt::saveTimelineImage(path, input);
}

}  // namespace lt
