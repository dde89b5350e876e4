#include "app/command_exports.h"

#include <cerrno>

#include "core/chart_points.h"
#include "core/clock.h"
#include "core/command_line.h"
#include "core/conversion.h"
#include "core/csv_export.h"
#include "core/export_file.h"
#include "core/file_io.h"
#include "core/look_ahead.h"
#include "core/report_lines.h"
#include "core/session.h"
#include "core/table_description.h"
#include "core/timeline_rows.h"
#include "ui/message_boxes.h"
#include "ui/outputs.h"
#include "ui/save_dialog.h"

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

// The outputs library, or null with the reason it cannot be loaded in `messages`.
Outputs* outputsFor(QStringList& messages) {
    QString why;
    Outputs* out = outputs(&why);
    if (!out) messages << why;
    return out;
}

// Writes one file; false when it could not be written (the message is in `messages`).
bool exportOne(const CommandLine& line, const ExportRequest& request, const Session& session,
               QStringList& messages) {
    switch (request.kind) {
        case ExportRequest::Kind::Report:
        case ExportRequest::Kind::Chart:
            break;
        case ExportRequest::Kind::Csv:
            return saveFileBytes(request.file, tablesCsv(session.tables, session.hoursLived,
                                                         session.income, session.now));
        case ExportRequest::Kind::LookAhead:
        case ExportRequest::Kind::Timeline: {
            const QDate birth = strToDate(session.birthDateText);
            const QString refusal = lookAheadRefusal(line.lookAheadAge, birth, dateOf(session.now));
            if (!refusal.isEmpty()) {
                messages << refusal;
                return false;
            }
            if (request.kind == ExportRequest::Kind::Timeline) {
                const TimelineInput timeline =
                    timelineOf(session.name, session.tables, birth, line.lookAheadAge, session.now);
                Outputs* out = outputsFor(messages);
                return out && out->saveTimelineImage(request.file, timeline);
            }
            const LookAhead look = lookAhead(session.tables, birth, line.lookAheadAge, session.now);
            return saveFileBytes(request.file, lookAheadCsv(look));
        }
    }
    // The report and the chart need the outputs library; the tables and the look ahead
    // are written without it.
    Outputs* out = outputsFor(messages);
    if (!out) return false;
    if (request.kind == ExportRequest::Kind::Report)
        return out->saveReportPdf(request.file, sessionReport(session),
                                  {reportPaper(systemPaperSources()), now()}, nullptr);
    // As the Results page, which offers no chart of a table without rows.
    const ActivityTable& table = session.tables[size_t(tableIndex(line.chartTable))];
    if (!hasRowsToChart(table)) {
        messages << noRowsToChartText(line.chartTable);
        return false;
    }
    // Random colours as the Results page draws them, but seeded from the rows, so the same
    // data gives the same file every time.
    initAColorsSeeded(tableSeed(table));
    const TableChart chart = sessionChart(session, line.chartTable);
    return out->saveChartImage(request.file, chart.title, chart.points, line.chartBars);
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
        // An empty file, or another program's, would export as empty tables over a good
        // export.
        stored = readSettingsFile(settingsFile, nullptr, true);
    } catch (const SettingsReadError& e) {
        messages << e.message();
        return 1;
    }
    const Session session = openSession(stored, nowDateTime());
    if (!session.errors.isEmpty()) {
        messages << session.errors;
        return 1;
    }
    setExportSource(settingsFile);
    CollectedBoxes boxes(messages);
    // Each file in turn; one that fails does not keep the others from being written.
    bool allWritten = true;
    for (const ExportRequest& request : line.exports) {
        const qsizetype before = messages.size();
        bool written = false;
        try {
            written = exportOne(line, request, session, messages);
        } catch (const ConversionError& e) {
            messages << e.message();
        }
        // A report that went on past a failed row has still shown its message.
        allWritten = allWritten && written && messages.size() == before;
    }
    return allWritten ? 0 : 1;
}

}  // namespace lt
