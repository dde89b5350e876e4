#pragma once
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "core/activity.h"
#include "core/table_shape.h"

namespace lt {

// An activity table on screen: it holds the table's typed rows and shows them. Keeps
// the table's own numbering: row 0 is the heading row (shown as the header), rows 1 to
// 50 the data rows; cells are (column, row).
class ActivityGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ActivityGrid(TableKind kind, QWidget* parent = nullptr);

    const ActivityTable& activities() const { return rows_; }
    const Activity& activity(int row) const { return rows_[size_t(row - 1)]; }
    void setActivities(const ActivityTable& rows);
    // Row `row` as entered (its total stays until worked out again).
    void setRow(int row, const StoredRow& texts);
    void setTotal(int row, const RowTotal& total);

    // The text a cell shows.
    QString cell(int col, int row) const;
    // Puts a text into column 0 to 4 of a row, as a hand-edited file would hold it.
    void setCell(int col, int row, const QString& text);

    // The selected (current) data row, 1 to 50.
    int selectedRow() const;
    void selectRow(int row);

    // Right-aligned columns are drawn right-aligned, headings included.
    void setRightAligned(QList<int> columns);
    bool isRightAligned(int col) const { return rightAligned_.contains(col); }

    // Draws one cell: the cell's colour, then its text from the top, kept inside it.
    void drawCell(QPainter* p, int col, int row, const QRect& rect, bool selected) const;

private:
    QTableWidgetItem* itemAt(int col, int row) const;
    void showRows(int lo, int hi);
    ActivityTable rows_;
    QList<int> rightAligned_;
};

}  // namespace lt
