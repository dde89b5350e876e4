#include "ui/command_exports.h"

#include <cerrno>

#include "core/chart_points.h"
#include "core/command_line.h"
#include "core/conversion.h"
#include "core/csv_export.h"
#include "core/file_io.h"
#include "core/look_ahead.h"
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
    if (!line.lookAheadFile.isEmpty()) {
        const QDate birth = strToDate(session.birthDateText);
        const DateTime now = nowDateTime();
        const QString refusal = lookAheadRefusal(line.lookAheadAge, birth, dateOf(now));
        if (!refusal.isEmpty()) {
            messages << refusal;
            return false;
        }
        const LookAhead look = lookAhead(session.tables, birth, line.lookAheadAge, now);
        if (!saveFileBytes(line.lookAheadFile, lookAheadCsv(look))) return false;
    }
    // A report that went on past a failed row has still shown its message.
    return messages.isEmpty();
}
}  // namespace

int runExports(const CommandLine& line, const QString& settingsFile, QStringList& messages) {
    // An export of the defaults would pass for the user's data: a file named on the command
    // line must be there, and any file must read.
    StoredSettings stored;
    try {
        if (!line.settingsFile.isEmpty() &&
            readWholeFile(settingsFile).status == FileRead::Status::Missing)
            throw SettingsReadError(settingsFile, systemReason(ENOENT));
        stored = readSettingsFile(settingsFile);
    } catch (const SettingsReadError& e) {
        messages << e.message();
        return 1;
    }
    const Session session = openSession(stored, nowDateTime());
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
