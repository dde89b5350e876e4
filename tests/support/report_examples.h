#pragma once
// The report the report tests share: its person and income lines, the hours table's
// widths on screen, and the tables' title lines those widths give.
#include <QString>

#include "core/report_lines.h"
#include "core/table_shape.h"

namespace lt::test {

inline const ColumnWidths kReportWidths{171, 87, 41, 66, 67, 119};
inline const QString kReportPerson =
    QStringLiteral("Ann Example 3/1/1990 Age: 36 years 9 months 5 days  Hours: 322,306");
inline const QString kReportIncome = QStringLiteral("Lifetime income: 250,000");

// Each cell in a field of its column's width in characters (171, 87, 41, 66, 67 and 119
// pixels by 6: 28, 14, 6, 11, 11, 19), then one blank.
inline const QString kHoursTitle = QStringLiteral(
    "Activity                     Time           Per    Start date  End date    Total Hrs          "
    " ");
inline const QString kMoneyTitle = QStringLiteral(
    "Activity                     Amount         Per    Start date  End date    Total Amt          "
    " ");
inline const QString kFreqTitle = QStringLiteral(
    "Activity                     Frequency      Per    Start date  End date    Total Freq         "
    " ");

// The three tables empty, under the lines above.
inline ReportInput emptyReportInput() {
    ReportInput in;
    in.personLine = kReportPerson;
    in.incomeLine = kReportIncome;
    in.tables = {emptyTable(TableKind::Hours), emptyTable(TableKind::Money),
                 emptyTable(TableKind::Freq)};
    in.columnWidths = kReportWidths;
    return in;
}

}  // namespace lt::test
