#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace lt {

// A table's texts as the user sees them: row 0 the headings, rows 1 to 50 the
// activities, six cells per row (activity, amount, period, start, end, total).
using TableTexts = std::vector<QStringList>;

constexpr int kTableRows = 51;
constexpr int kTableCols = 6;

enum class TableKind { Hours, Money, Freq };

// The six heading texts of a table, as shown (translated).
QStringList headingTexts(TableKind kind);
// An empty table with its heading row.
TableTexts emptyTable(TableKind kind);

// A data row is blank when its activity text (column 0) is empty; its other cells
// mean nothing then.
bool isBlankActivity(const QString& activity);

}  // namespace lt
