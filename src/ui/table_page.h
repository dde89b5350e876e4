#pragma once
#include <QBrush>
#include <QWidget>
#include <functional>

#include "core/activity.h"
#include "core/table_description.h"
#include "core/table_sort.h"
#include "ui/table_editing.h"

namespace lt {

class ActivityGrid;

// One table's page: its heading, the table, the Sort/Add/Edit/Delete/Clear buttons
// and the note under the table, all made from the table's description. The controls
// are made when first needed; until then the page keeps the table's texts itself.
class TablePage : public QWidget {
    Q_OBJECT
public:
    TablePage(const TableDescription& desc, const QBrush& background, QWidget* parent = nullptr);
    void ensureBuilt();

    const TableDescription& description() const { return desc_; }
    // The table on screen; builds the page.
    ActivityGrid* grid();

    // The table's rows, 1 to 50.
    const ActivityTable& activities() const;
    void setActivities(const ActivityTable& rows);
    void setTotal(int row, const RowTotal& total);

    // What Add and Edit hand the activity dialogs, asked for when they open.
    void setEditContext(std::function<EditContext()> context) { context_ = std::move(context); }
    void sort(SortKey key);

signals:
    // Add or Edit wrote (or Edit reopened) this row; its total is due.
    void rowWritten(int row);
    // The Sort button: the window opens its one sort menu.
    void sortRequested();

private:
    // Add (a new row in the first blank one) or Edit (the selected row).
    void openRow(bool editing);
    ActivityTable& pendingRows() const;

    const TableDescription& desc_;
    QBrush background_;
    mutable ActivityTable pending_;  // the rows until the table is made
    ActivityGrid* grid_ = nullptr;
    std::function<EditContext()> context_;
};

}  // namespace lt
