#pragma once
#include <QList>
#include <QString>
#include <array>

#include "core/table_shape.h"

namespace lt {

// What a table's second column holds, and so which dialog edits its rows.
enum class AmountKind {
    Time,   // "2 Hrs 30 Mins", edited in the time dialog
    Money,  // an amount of money, edited in the money dialog
    Count,  // how many times, edited in the money dialog without the currency
};

// Everything that tells one activity table from the others: its texts on screen (in
// English; the page's shown through the "Tables" translation context, the table's own
// words through shownWords()),
// where the settings file keeps it, the names of its controls and its chart. The
// window, the settings file, the report and the charts all read from here.
struct TableDescription {
    TableKind kind;
    AmountKind amount;
    const char* pageHeading;
    const char* accessibleName;  // no label sits beside the table
    const char* note;            // under the table; nullptr for none
    std::array<const char*, kTableCols> headings;
    QList<int> rightAligned;  // columns drawn right-aligned, headings too
    // Settings file: the section holding the row count, the row sections' stem
    // ("Hour" gives [Hour1]...[Hour51]) and the keys of columns 0 to 4.
    const char* countSection;
    const char* rowSection;
    std::array<const char*, 5> keys;
    // Object names of the table and its five buttons (Sort, Add, Edit, Delete, Clear).
    const char* gridName;
    std::array<const char*, 5> buttonNames;
    // The Results page's button that charts the table, and the chart's title words.
    const char* chartButtonName;
    const char* chartButtonCaption;  // with its access key
    const char* chartTitle;          // "Hours spent for %1", %1 the user's name
    bool chartTitleHasCaption;       // the age or income line follows the name
    // The table's name in files and on the command line: "hours". Never translated.
    const char* word;
    // Its name as shown at the head of a message: "Hours".
    const char* title;
};

// Designed width in pixels of table column `col`, the same in all three tables; the
// report's fields follow them.
using ColumnWidths = std::array<int, kTableCols>;
int designedColumnWidth(int col);
ColumnWidths designedColumnWidths();

// "Hours": the table's name at the head of a message, translated.
QString tableTitle(TableKind kind);

// Hours, money, frequency: in the order of the pages, the file and the report.
const std::array<TableDescription, 3>& tableDescriptions();
const TableDescription& tableDescription(TableKind kind);
inline int tableIndex(TableKind kind) { return static_cast<int>(kind); }

}  // namespace lt
