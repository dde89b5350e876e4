#include "ui/table_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "ui/activity_grid.h"
#include "ui/message_boxes.h"
#include "ui/look.h"

namespace lt {
namespace {
// Designed widths of the table's columns; the report's field widths follow them.
constexpr int kColumnWidths[kTableCols] = {171, 87, 41, 66, 67, 119};
}  // namespace

TablePage::TablePage(const TableSpec& spec, const QBrush& background, QWidget* parent)
    : QWidget(parent), spec_(spec) {
    tile(this, background);
    pageHeading(QLatin1String(spec.pageHeading), this)->move(8, 12);

    grid_ = new ActivityGrid(this);
    grid_->setObjectName(QLatin1String(spec.gridName));
    grid_->setGeometry(8, 49, 577, 263);
    grid_->setAccessibleName(QLatin1String(spec.accessibleName));
    // Tab leaves the table for its buttons; the arrow keys move between rows.
    grid_->setTabKeyNavigation(false);
    grid_->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    grid_->horizontalHeader()->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    grid_->setToolTip(QStringLiteral("Double click to edit"));
    grid_->setRightAligned(spec.rightAligned);
    for (int c = 0; c < kTableCols; ++c) grid_->setColumnWidth(c, kColumnWidths[c]);
    grid_->setTexts(emptyTable(spec.kind), 0, 0);

    using Handler = std::function<void()>;
    const char* const captions[] = {"Sort", "Add", "Edit", "Delete", "Clear"};
    const Handler handlers[] = {
        [this] { emit sortRequested(); },
        [this] { add(); },
        [this] { edit(); },
        [this] { deleteSelectedRow(grid_, window()); },
        [this] { clearTable(grid_, window()); },
    };
    QWidget* previous = grid_;
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(QLatin1String(captions[i]), this);
        b->setObjectName(QLatin1String(spec.buttonNames[size_t(i)]));
        b->setGeometry(270 + 64 * i, 323, 60, 25);
        b->setFont(pixelFont(QStringLiteral("Arial"), 11));
        connect(b, &QPushButton::clicked, this, handlers[i]);
        QWidget::setTabOrder(previous, b);
        previous = b;
    }
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &TablePage::edit);
    // The heading row is part of the table: a double click there edits the selected row.
    connect(grid_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &TablePage::edit);

    if (spec.note) {
        auto* note = new QLabel(QLatin1String(spec.note), this);
        note->setWordWrap(true);
        note->setFont(pixelFont(QStringLiteral("Arial"), 11));
        note->setGeometry(8, 316, 250, 42);
    }
}

void TablePage::add() {
    guarded(window(), [this] {
        const EditContext ctx = context_();
        const int r = spec_.amount == AmountKind::Time
                          ? addHoursRow(grid_, ctx)
                          : addMoneyRow(grid_, spec_.amount == AmountKind::Money, ctx);
        if (r > 0) emit rowWritten(r);
    });
}

void TablePage::edit() {
    guarded(window(), [this] {
        const EditContext ctx = context_();
        const int r = spec_.amount == AmountKind::Time
                          ? editHoursRow(grid_, ctx)
                          : editMoneyRow(grid_, spec_.amount == AmountKind::Money, ctx);
        if (r > 0) emit rowWritten(r);
    });
}

void TablePage::sort(SortKey key) {
    TableTexts rows = grid_->texts();
    const SortRange range = sortTable(rows, key);
    grid_->setTexts(rows, range.lo, range.hi);
    grid_->viewport()->update();
}

}  // namespace lt
