#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/activity.h"
#include "core/chart_points.h"
#include "core/date_time.h"
#include "core/report_lines.h"
#include "core/settings_file.h"
#include "core/table_description.h"
#include "core/table_shape.h"

namespace lt {

// Empty when the income field can show a stored income; else what the window says at
// start, naming the stored income.
QString incomeNotShownText(qint64 stored);

// What the window holds once start-up has read the settings file and worked out
// every total: the same texts, lines and figures, without a window.
struct Session {
    QString name;
    QString birthDateText;
    double income = 0;
    QString incomeText;  // as the income field shows it
    // incomeNotShownText of the stored income.
    QString incomeNote;
    DateTime dateOfBirth = 0;
    double hoursLived = 0;
    // The Results page's two lines; the age line keeps its designed text when the birth
    // date does not convert.
    QString ageLine = QStringLiteral("You are: xx Years, xx Months, xx Days old");
    QString incomeLine;
    // Hours, money, frequency, with their totals.
    std::array<ActivityTable, 3> tables;
    // Conversion failures, as the window would report them at start-up.
    QStringList errors;
    // The moment it was worked out at.
    DateTime now = 0;
};

// Start-up over `stored` at the moment `now`: the birth date taken in, then the
// lines and every row's total, stopping at the first text that does not convert.
Session openSession(const StoredSettings& stored, DateTime now);

// What Close stores of the window's fields and tables: columns 0 to 4 of the data
// rows 1 to 50.
StoredSettings storedSettingsOf(const QString& name, const QString& birthDateText, qint64 income,
                                const std::array<ActivityTable, 3>& tables);

// The printed report of these tables as they are shown, with the designed column widths.
ReportInput reportOf(const QString& name, const QString& birthDateText, const QString& ageLine,
                     const QString& incomeLine, const std::array<ActivityTable, 3>& tables);
// The printed report of a session.
ReportInput sessionReport(const Session& session);

// What the chart of one table shows.
struct TableChart {
    QString title;
    std::vector<ChartPoint> points;
};

// The chart of table `kind` as the Results page draws it: the title with the age or
// income line, the points coloured from aColors(), "Other" filling up to the hours
// lived or the income. Throws ConversionError for a row without a total.
TableChart tableChart(TableKind kind, const QString& name, const QString& ageLine,
                      const QString& incomeLine, const ActivityTable& table, double hoursLived,
                      double income);
TableChart sessionChart(const Session& session, TableKind kind);

// Whether a table has a row to chart: the Results page charts only a table whose first
// row is filled.
bool hasRowsToChart(const ActivityTable& table);
// "The frequency table has no rows to chart."
QString noRowsToChartText(TableKind kind);

}  // namespace lt
