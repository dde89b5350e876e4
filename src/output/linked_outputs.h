#pragma once
#include "ui/outputs.h"

namespace lt {

// The outputs as this library makes them, whether linked in or loaded as the plugin.
class OutputsImpl : public Outputs {
public:
    void setHost(OutputsHost& host) override;
    void setFormats(const OutputFormats& formats) override;
    void showGraph(QWidget* owner, const QString& title, const std::vector<ChartPoint>& points,
                   TableKind table) override;
    void showTimeline(QWidget* owner, const TimelineInput& input) override;
    std::unique_ptr<ReportPrinter> reportPrinter() override;
    bool saveReportPdf(const QString& path, const ReportInput& input, const ReportPage& page,
                       QWidget* parent) override;
    bool saveChartImage(const QString& path, const QString& title,
                        const std::vector<ChartPoint>& points, bool bars) override;
    bool saveTimelineImage(const QString& path, const TimelineInput& input) override;
};

// Makes the outputs linked into this program the ones outputs() gives.
void useLinkedOutputs();

}  // namespace lt
