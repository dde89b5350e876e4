#pragma once
#include <QDateTime>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <array>

#include "core/table_description.h"
#include "core/table_shape.h"

// The texts of the printed report: the heading and one line per table row.
namespace lt {

// Column widths on screen, in pixels.

// Everything one report prints.
struct ReportInput {
    QString personLine;
    QString incomeLine;
    // Hours, money, frequency; each row 0 (titles) to 50, six cells per row.
    std::array<TableTexts, 3> tables;
    // The hours table's widths, which the other two share.
    ColumnWidths columnWidths{};
};

// "Lifetally  - version 1.0".
QString reportTitleLine();
// Name, date of birth text and age caption, each joined by one blank, as they stand; a
// part holding right-to-left text is isolated.
QString personLine(const QString& name, const QString& dobText, const QString& ageCaption);
// "Printed : " + short date + two blanks + long time.
QString printedLine(const QDateTime& when);
// Lines 1 to 5; the fifth is the maker's credit line.
QStringList reportHeadingLines(const QString& personLine, const QString& incomeLine,
                               const QDateTime& when);

// Field width in characters of a column `pixels` wide on screen.
int fieldWidth(int pixels);
// "%-<w>s ": the text left-aligned in its field, then one blank; a longer text is kept
// whole and pushes the rest of the line right. The field counts character cells, not
// the marks that take no room. A text holding right-to-left letters or digits is
// isolated, so that it stays in its field whatever its neighbours' direction.
QString cellField(const QString& text, int pixels);
// Cell `col` of a table row; missing cells are empty.
QString cellOf(const QStringList& row, int col);
QString tableLine(const QStringList& row, const ColumnWidths& pixels);
// Row 0 and every row after it, up to row 50, until the first empty activity cell.
int printedRowCount(const TableTexts& table);
// The printed lines of one table: its title line and its rows up to the first empty one.
QStringList tableLines(const TableTexts& table, const ColumnWidths& pixels);

// Where the paper of a saved report is looked for, in this order.
struct PaperSources {
    // The locale the C library takes paper from: LC_ALL, else LC_PAPER ("en_GB.UTF-8");
    // empty when neither is set.
    QString paperLocale;
    // The system's paper (/etc/papersize: "a4", "letter"); empty when there is none.
    QByteArray paperFile;
    // The program's locale, when neither says.
    QLocale locale;
};
// The sources on this system: the environment and /etc/papersize.
PaperSources systemPaperSources();
// The paper a report saved as a PDF is laid out on.
QPageSize::PageSizeId reportPaper(const PaperSources& sources);
// Letter in the territories whose locales use it (the United States, Canada, Mexico,
// ...), A4 elsewhere.
QPageSize::PageSizeId localePaper(const QLocale& locale);

// The whole report, line by line (empty strings for empty lines).
QStringList reportLines(const ReportInput& input, const QDateTime& when);

}  // namespace lt
