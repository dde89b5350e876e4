#pragma once
#include <QWidget>
#include <functional>

#include "core/table_sort.h"
#include "core/table_spec.h"
#include "ui/table_editing.h"

class QPushButton;

namespace lt {

class ActivityGrid;

// One table's page: its heading, the table, the Sort/Add/Edit/Delete/Clear buttons
// and the note under the table, all made from the table's description.
class TablePage : public QWidget {
    Q_OBJECT
public:
    TablePage(const TableSpec& spec, const QBrush& background, QWidget* parent = nullptr);

    const TableSpec& spec() const { return spec_; }
    ActivityGrid* grid() const { return grid_; }
    // What Add and Edit hand the activity dialogs, asked for when they open.
    void setEditContext(std::function<EditContext()> context) { context_ = std::move(context); }
    void sort(SortKey key);

signals:
    // Add or Edit wrote (or Edit reopened) this row; its total is due.
    void rowWritten(int row);
    // The Sort button: the window opens its one sort menu.
    void sortRequested();

private:
    void add();
    void edit();

    const TableSpec& spec_;
    ActivityGrid* grid_ = nullptr;
    std::function<EditContext()> context_;
};

}  // namespace lt
