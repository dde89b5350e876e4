#include "ui/command_exports.h"

#include "core/chart_points.h"
#include "core/command_line.h"
#include "core/conversion.h"
#include "core/csv_export.h"
#include "core/session.h"
#include "ui/chart_export.h"
#include "ui/message_boxes.h"
#include "ui/report_export.h"

namespace lt {
namespace {
// Turns every box the exports could show into a message for the caller, and puts the
// boxes back when it goes.
class CollectedBoxes {
public:
    explicit CollectedBoxes(QStringList& messages) : saved_(messageSeams()) {
        MessageSeams& s = messageSeams();
        auto keep = [&messages](QWidget*, const QString& m) { messages << m; };
        s.error = keep;
        s.quietError = keep;
        s.defaultReport = keep;
    }
    ~CollectedBoxes() { messageSeams() = saved_; }
    CollectedBoxes(const CollectedBoxes&) = delete;
    CollectedBoxes& operator=(const CollectedBoxes&) = delete;

private:
    MessageSeams saved_;
};

bool exportAll(const CommandLine& line, const Session& session, QStringList& messages) {
    if (!line.reportFile.isEmpty() && !saveReportPdf(line.reportFile, sessionReport(session)))
        return false;
    if (!line.csvFile.isEmpty() && !saveFileBytes(line.csvFile, tablesCsv(session.tables)))
        return false;
    if (!line.chartFile.isEmpty()) {
        // Random colours as the Results page draws them, but seeded from the rows, so the
        // same data gives the same file every time.
        initAColorsSeeded(tableSeed(session.tables[int(line.chartTable)]));
        const TableChart chart = sessionChart(session, line.chartTable);
        if (!saveChartImage(line.chartFile, chart.title, chart.points, line.chartBars))
            return false;
    }
    // A report that went on past a failed row has still shown its message.
    return messages.isEmpty();
}
}  // namespace

int runExports(const CommandLine& line, const QString& settingsFile, QStringList& messages) {
    const Session session = openSession(readSettingsFile(settingsFile), nowDateTime());
    if (!session.errors.isEmpty()) {
        messages << session.errors;
        return 1;
    }
    CollectedBoxes boxes(messages);
    try {
        return exportAll(line, session, messages) ? 0 : 1;
    } catch (const ConversionError& e) {
        messages << e.message();
        return 1;
    }
}

}  // namespace lt
