#include "ui/activity_grid.h"

#include <QHeaderView>
#include <QPainter>

#include "core/activity_words.h"

namespace lt {
namespace {
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(ActivityGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        grid_->drawCell(p, index.column(), index.row() + 1, option.rect, selected);
    }

private:
    ActivityGrid* grid_;
};
}  // namespace

ActivityGrid::ActivityGrid(TableKind kind, QWidget* parent)
    : QTableWidget(kTableRows - 1, kTableCols, parent), rows_(emptyActivities(kind)) {
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(21);
    horizontalHeader()->setFixedHeight(21);
    // Columns keep their set widths; the report's field widths are taken from them.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setWordWrap(false);
    setShowGrid(true);
    const QStringList headings = headingTexts(kind);
    for (int c = 0; c < kTableCols; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem(headings.value(c)));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < kTableCols; ++c) setItem(r, c, new QTableWidgetItem);
    setCurrentCell(0, 0);
}

QTableWidgetItem* ActivityGrid::itemAt(int col, int row) const {
    return row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
}

QString ActivityGrid::cell(int col, int row) const {
    const QTableWidgetItem* i = itemAt(col, row);
    return i ? i->text() : QString();
}

void ActivityGrid::setCell(int col, int row, const QString& text) {
    if (row < 1 || row > kDataRows || col < 0 || col > 4) return;
    StoredRow texts = activity(row).texts;
    texts[size_t(col)] = text;
    setRow(row, texts);
}

void ActivityGrid::setActivities(const ActivityTable& rows) {
    rows_ = rows;
    showRows(1, kDataRows);
}

void ActivityGrid::setRow(int row, const StoredRow& texts) {
    lt::setRow(rows_, row, texts);
    showRows(row, row);
}

void ActivityGrid::setTotal(int row, const RowTotal& total) {
    rows_[size_t(row - 1)].total = total;
    showRows(row, row);
}

void ActivityGrid::showRows(int lo, int hi) {
    for (int r = lo; r <= hi; ++r)
        for (int c = 0; c < kTableCols; ++c)
            if (QTableWidgetItem* i = itemAt(c, r)) i->setText(shownCell(activity(r), c));
    viewport()->update();
}

int ActivityGrid::selectedRow() const { return currentRow() < 0 ? 1 : currentRow() + 1; }

void ActivityGrid::selectRow(int row) {
    setCurrentCell(row - 1, currentColumn() < 0 ? 0 : currentColumn());
}

void ActivityGrid::setRightAligned(QList<int> columns) {
    rightAligned_ = std::move(columns);
    for (int c = 0; c < kTableCols; ++c)
        horizontalHeaderItem(c)->setTextAlignment(
            (isRightAligned(c) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void ActivityGrid::drawCell(QPainter* p, int col, int row, const QRect& rect, bool selected) const {
    const QPalette& pal = palette();
    p->save();
    p->setClipRect(rect);
    p->fillRect(rect, selected ? pal.brush(QPalette::Highlight) : pal.brush(QPalette::Base));
    p->setPen(selected ? pal.color(QPalette::HighlightedText) : QColor(Qt::black));
    p->setFont(font());
    const QRect text = rect.adjusted(2, 2, -2, 0);
    p->drawText(
        text,
        (isRightAligned(col) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine,
        cell(col, row));
    p->restore();
}

}  // namespace lt
