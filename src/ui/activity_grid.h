#pragma once
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "core/table_shape.h"
#include "core/totals.h"

namespace lt {

// An activity table on screen. Keeps the table's own numbering: row 0 is the heading
// row (shown as the header), rows 1 to 50 the data rows; cells are (column, row).
class ActivityGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ActivityGrid(QWidget* parent = nullptr);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    ActivityRow activityRow(int row) const;

    TableTexts texts() const;
    // Writes rows lo..hi of `table` back (all six cells).
    void setTexts(const TableTexts& table, int lo, int hi);

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
    QList<int> rightAligned_;
};

}  // namespace lt
