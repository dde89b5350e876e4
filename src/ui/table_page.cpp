#include "ui/table_page.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

#include "core/activity_words.h"
#include "core/table_description.h"
#include "ui/activity_grid.h"
#include "ui/look.h"
#include "ui/message_boxes.h"

namespace lt {

TablePage::TablePage(const TableDescription& desc, const QBrush& background, QWidget* parent)
    : QWidget(parent), desc_(desc), background_(background) {}

void TablePage::ensureBuilt() {
    if (grid_) return;
    const TableDescription& desc = desc_;
    tile(this, background_);
    pageHeading(QCoreApplication::translate("Tables", desc.pageHeading), this)->move(8, 12);

    grid_ = new ActivityGrid(desc.kind, this);
    grid_->setObjectName(QLatin1String(desc.gridName));
    grid_->setGeometry(8, 49, 577, 263);
    grid_->setAccessibleName(QCoreApplication::translate("Tables", desc.accessibleName));
    // Tab leaves the table for its buttons; the arrow keys move between rows.
    grid_->setTabKeyNavigation(false);
    grid_->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    grid_->horizontalHeader()->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    grid_->setToolTip(tr("Double click to edit"));
    grid_->setRightAligned(desc.rightAligned);
    // A heading, period word or "Now" longer than its column (another language's) widens
    // the column, and the table with it.
    QHeaderView* header = grid_->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    QStringList words[kTableCols];
    for (Period p : {Period::Day, Period::Week, Period::Month, Period::Year, Period::Once})
        words[2] << shownPeriod(p);
    words[4] << shownUntilToday();
    if (desc.amount == AmountKind::Time) words[1] << shownTime(12, 30);  // two-digit amounts
    int wider = 0;
    for (int c = 0; c < kTableCols; ++c) {
        int need = header->fontMetrics().horizontalAdvance(grid_->horizontalHeaderItem(c)->text()) +
                   margins;
        // A cell's text is drawn 2 pixels in from either side.
        for (const QString& word : words[c])
            need = std::max(need, grid_->fontMetrics().horizontalAdvance(word) + 5);
        const int width = std::max(designedColumnWidth(c), need);
        wider += width - designedColumnWidth(c);
        grid_->setColumnWidth(c, width);
    }
    grid_->setMinimumWidth(grid_->width() + wider);
    // The grid starts blank; rows given before it was made take their place.
    if (!pending_.empty()) grid_->setActivities(pending_);
    pending_.clear();

    using Handler = std::function<void()>;
    // The access keys keep clear of the window's Alt+P, Alt+N and Alt+A; Add, Edit and
    // Delete also answer the keys a table answers on the desktop.
    const struct {
        const char* caption;
        const char* tip;  // one with keys names the first as %1, as the desktop writes it
        QList<QKeySequence> keys;
        Handler handler;
    } buttons[] = {
        {QT_TR_NOOP("&Sort"), QT_TR_NOOP("Sort the table"), {}, [this] { emit sortRequested(); }},
        {QT_TR_NOOP("A&dd"),
         //: %1 is the key that does the same, as the desktop writes it (Ins).
         QT_TR_NOOP("Add a row (%1)"),
         {QKeySequence(Qt::Key_Insert)},
         [this] { openRow(false); }},
        {QT_TR_NOOP("&Edit"),
         QT_TR_NOOP("Edit the selected row (%1)"),
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
         [this] { openRow(true); }},
        {QT_TR_NOOP("De&lete"),
         QT_TR_NOOP("Delete the selected row (%1)"),
         {QKeySequence(QKeySequence::Delete)},
         [this] { deleteSelectedRow(grid_, window()); }},
        {QT_TR_NOOP("&Clear"),
         QT_TR_NOOP("Clear the table"),
         {},
         [this] { clearTable(grid_, window()); }},
    };
    QWidget* previous = grid_;
    for (int i = 0; i < 5; ++i) {
        const auto& button = buttons[i];
        auto* b = new QPushButton(tr(button.caption), this);
        b->setObjectName(QLatin1String(desc.buttonNames[size_t(i)]));
        b->setGeometry(270 + 64 * i, 323, 60, 25);
        b->setFont(pixelFont(QStringLiteral("Arial"), 11));
        connect(b, &QPushButton::clicked, this, button.handler);
        QString tip = tr(button.tip);
        if (!button.keys.isEmpty())
            tip = tip.arg(button.keys.constFirst().toString(QKeySequence::NativeText));
        b->setToolTip(tip);
        for (const QKeySequence& key : button.keys) {
            // Wherever the focus is in the window while the page shows (after Alt+N it is
            // on Next).
            auto* shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, this, [key, handler = button.handler] {
                // Enter on a button presses that button instead.
                auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
                if (focused &&
                    (key == QKeySequence(Qt::Key_Return) || key == QKeySequence(Qt::Key_Enter)))
                    focused->click();
                else
                    handler();
            });
        }
        QWidget::setTabOrder(previous, b);
        previous = b;
    }
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { openRow(true); });
    // The heading row is part of the table: a double click there edits the selected row.
    connect(grid_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this] { openRow(true); });

    if (desc.note) {
        auto* note = new QLabel(QCoreApplication::translate("Tables", desc.note), this);
        note->setWordWrap(true);
        note->setFont(pixelFont(QStringLiteral("Arial"), 11));
        note->setGeometry(8, 316, 250, 42);
    }
}

void TablePage::openRow(bool editing) {
    guarded(window(), [this, editing] {
        const EditContext ctx = context_();
        const bool time = desc_.amount == AmountKind::Time;
        const bool money = desc_.amount == AmountKind::Money;
        const int r = editing ? (time ? editHoursRow(grid_, ctx) : editMoneyRow(grid_, money, ctx))
                              : (time ? addHoursRow(grid_, ctx) : addMoneyRow(grid_, money, ctx));
        if (r > 0) emit rowWritten(r);
    });
}

ActivityGrid* TablePage::grid() {
    ensureBuilt();
    return grid_;
}

ActivityTable& TablePage::pendingRows() const {
    // Blank until the settings file has been read: made when first asked for, not
    // before the window is on screen.
    if (pending_.empty()) pending_ = emptyActivities(desc_.kind);
    return pending_;
}

const ActivityTable& TablePage::activities() const {
    return grid_ ? grid_->activities() : pendingRows();
}

void TablePage::setActivities(const ActivityTable& rows) {
    if (grid_)
        grid_->setActivities(rows);
    else
        pending_ = rows;
}

void TablePage::setTotal(int row, const RowTotal& total) {
    if (grid_)
        grid_->setTotal(row, total);
    else
        pendingRows()[size_t(row - 1)].total = total;
}

void TablePage::sort(SortKey key) {
    ActivityTable rows = grid()->activities();
    sortTable(rows, key);
    grid_->setActivities(rows);
}

}  // namespace lt
