#include "ui/table_editing.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

#include "core/cell_text.h"
#include "core/totals.h"
#include "ui/activity_grid.h"
#include "ui/masked_field.h"
#include "ui/message_boxes.h"
#include "ui/money_dialog.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {
// Presets the end-date part: the text and lastEndDate first, the radio buttons last,
// because selecting "Specific date" copies lastEndDate into the field at once.
template <class Dialog>
void presetEnd(Dialog& d, const QString& endText) {
    d.edEndDate->setText(endText);
    d.lastEndDate = d.edEndDate->text();
    const bool now = d.edEndDate->text() == u"Now";
    d.rbNow->setChecked(now);
    d.rbSpecific->setChecked(!now);
}

void writeTimeRow(ActivityGrid* grid, int r, const TfrmTime& d) {
    grid->setCell(0, r, d.edName->text());
    grid->setCell(
        1, r, timeText(static_cast<int>(d.numHours->value()), static_cast<int>(d.numMin->value())));
    grid->setCell(2, r, periodFromButtons(d.rbDay->isChecked(), d.rbWeek->isChecked()));
    grid->setCell(3, r, d.edDate->text());
    grid->setCell(4, r, d.edEndDate->text());
}

void writeMoneyRow(ActivityGrid* grid, int r, const TfrmMoney& d) {
    grid->setCell(0, r, d.edName->text());
    grid->setCell(1, r, d.numMoney->text());
    grid->setCell(2, r, periodFromIndex(d.cbWhen->currentIndex()));
    grid->setCell(3, r, d.edDate->text());
    grid->setCell(4, r, d.edEndDate->text());
}

bool refuseFull(ActivityGrid* grid, int r, QWidget* owner) {
    if (r != -1) return false;
    showError(QStringLiteral("Maximum number of rows reached"), owner ? owner : grid);
    return true;
}

bool refuseBlank(ActivityGrid* grid, int r, const QString& message, QWidget* owner) {
    if (!isBlankActivity(grid->cell(0, r))) return false;
    showError(message, owner ? owner : grid);
    return true;
}
}  // namespace

int addHoursRow(ActivityGrid* grid, const EditContext& ctx) {
    const int r = findFirstBlankRow(grid->texts());
    if (refuseFull(grid, r, ctx.owner)) return -1;
    auto d = std::make_unique<TfrmTime>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    d->edName->clear();
    d->numHours->setValue(0);
    d->numMin->setValue(0);
    d->edDate->setText(ctx.birthDateText);
    d->rbNow->setChecked(true);
    d->edEndDate->setText(QStringLiteral("Now"));
    if (execDialog(*d) != QDialog::Accepted) return -1;
    writeTimeRow(grid, r, *d);
    return r;
}

int editHoursRow(ActivityGrid* grid, const EditContext& ctx) {
    const int r = grid->selectedRow();
    if (refuseBlank(grid, r, QStringLiteral("Nothing to edit"), ctx.owner)) return -1;
    // Reading the time text may fail (hand-edited file): nothing opens then.
    const QString time = grid->cell(1, r);
    const int hours = readCell(TableKind::Hours, r, 1, [&] { return hoursOf(time); });
    const int minutes = readCell(TableKind::Hours, r, 1, [&] { return minutesOf(time); });
    auto d = std::make_unique<TfrmTime>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    d->edName->setText(grid->cell(0, r));
    d->numHours->setValue(hours);
    d->numMin->setValue(minutes);
    // Setting one button of the group clears the others; clearing one clears only it.
    const QString period = grid->cell(2, r);
    QRadioButton* buttons[] = {d->rbDay, d->rbWeek, d->rbMonth};
    const bool wanted[] = {hasDay(period), hasWeek(period), hasMonth(period)};
    for (int i = 0; i < 3; ++i) {
        if (wanted[i]) {
            buttons[i]->setChecked(true);
        } else if (buttons[i]->isChecked()) {
            buttons[i]->setAutoExclusive(false);
            buttons[i]->setChecked(false);
            buttons[i]->setAutoExclusive(true);
        }
    }
    d->edDate->setText(grid->cell(3, r));
    presetEnd(*d, grid->cell(4, r));
    if (execDialog(*d) == QDialog::Accepted) writeTimeRow(grid, r, *d);
    return r;
}

int addMoneyRow(ActivityGrid* grid, bool moneyMode, const EditContext& ctx) {
    const int r = findFirstBlankRow(grid->texts());
    if (refuseFull(grid, r, ctx.owner)) return -1;
    auto d = std::make_unique<TfrmMoney>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    d->edName->clear();
    d->numMoney->setValue(0);
    d->edDate->setText(ctx.birthDateText);
    d->rbNow->setChecked(true);
    d->edEndDate->setText(QStringLiteral("Now"));
    d->moneyMode = moneyMode;
    if (execDialog(*d) != QDialog::Accepted) return -1;
    writeMoneyRow(grid, r, *d);
    return r;
}

int editMoneyRow(ActivityGrid* grid, bool moneyMode, const EditContext& ctx) {
    const int r = grid->selectedRow();
    if (refuseBlank(grid, r, QStringLiteral("Nothing to edit"), ctx.owner)) return -1;
    auto d = std::make_unique<TfrmMoney>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    d->edName->setText(grid->cell(0, r));
    d->amountText = numberChars(grid->cell(1, r));
    d->cbWhen->setCurrentIndex(periodIndex(grid->cell(2, r)));
    d->edDate->setText(grid->cell(3, r));
    presetEnd(*d, grid->cell(4, r));
    d->moneyMode = moneyMode;
    if (execDialog(*d) == QDialog::Accepted) writeMoneyRow(grid, r, *d);
    return r;
}

void deleteSelectedRow(ActivityGrid* grid, QWidget* owner) {
    const int r = grid->selectedRow();
    if (refuseBlank(grid, r, QStringLiteral("Nothing to delete"), owner)) return;
    if (!confirmYesNo(QStringLiteral("Really delete %1?").arg(grid->cell(0, r)),
                      owner ? owner : grid))
        return;
    const int last = kTableRows - 1;
    for (int i = r; i < last; ++i)
        for (int c = 0; c < kTableCols; ++c) grid->setCell(c, i, grid->cell(c, i + 1));
    for (int c = 0; c < kTableCols; ++c) grid->setCell(c, last, QString());
}

void clearTable(ActivityGrid* grid, QWidget* owner) {
    if (!confirmYesNo(QStringLiteral("Really clear out the table?"), owner ? owner : grid)) return;
    for (int r = 1; r < kTableRows; ++r)
        for (int c = 0; c < kTableCols; ++c) grid->setCell(c, r, QString());
}

}  // namespace lt
