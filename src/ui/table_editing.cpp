#include "ui/table_editing.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

#include "core/activity.h"
#include "core/activity_words.h"
#include "core/cell_text.h"
#include "core/locale_format.h"
#include "ui/activity_grid.h"
#include "ui/masked_field.h"
#include "ui/message_boxes.h"
#include "ui/money_dialog.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {
// The row in the settings file's words, as the dialog's fields give it.
void writeTimeRow(ActivityGrid* grid, int r, const TfrmTime& d) {
    grid->setRow(
        r, {d.edName->text(),
            timeText(static_cast<int>(d.numHours->value()), static_cast<int>(d.numMin->value())),
            periodFromButtons(d.rbDay->isChecked(), d.rbWeek->isChecked()), d.edDate->text(),
            d.storedEndDate()});
}

void writeMoneyRow(ActivityGrid* grid, int r, const TfrmMoney& d) {
    grid->setRow(
        r, {d.edName->text(), loc::maskedNumber(d.numMoney->value(), d.numMoney->pictureMask()),
            periodFromIndex(d.cbWhen->currentIndex()), d.edDate->text(), d.storedEndDate()});
}

// The end-date part from a row: its end date as it was entered, or until today.
std::optional<QString> endDateOf(const Activity& a) {
    if (a.untilToday) return std::nullopt;
    return a.texts[4];
}

bool refuseFull(ActivityGrid* grid, int r, QWidget* owner) {
    if (r != -1) return false;
    showError(QCoreApplication::translate("Table", "Maximum number of rows reached"),
              owner ? owner : grid);
    return true;
}

bool refuseBlank(ActivityGrid* grid, int r, const QString& message, QWidget* owner) {
    if (!grid->activity(r).isBlank()) return false;
    showError(message, owner ? owner : grid);
    return true;
}
}  // namespace

int addHoursRow(ActivityGrid* grid, const EditContext& ctx) {
    const int r = firstBlankRow(grid->activities());
    if (refuseFull(grid, r, ctx.owner)) return -1;
    auto d = std::make_unique<TfrmTime>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    d->edName->clear();
    d->numHours->setValue(0);
    d->numMin->setValue(0);
    d->edDate->setText(ctx.birthDateText);
    d->presetEnd(std::nullopt);
    if (execDialog(*d) != QDialog::Accepted) return -1;
    writeTimeRow(grid, r, *d);
    return r;
}

int editHoursRow(ActivityGrid* grid, const EditContext& ctx) {
    const int r = grid->selectedRow();
    if (refuseBlank(grid, r, QCoreApplication::translate("Table", "Nothing to edit"), ctx.owner))
        return -1;
    const Activity& a = grid->activity(r);
    // A time that does not read (hand-edited file) opens nothing.
    a.amountValue();
    auto d = std::make_unique<TfrmTime>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    d->edName->setText(a.name);
    d->numHours->setValue(a.hours);
    d->numMin->setValue(a.minutes);
    // Setting one button of the group clears the others; clearing one clears only it.
    QRadioButton* buttons[] = {d->rbDay, d->rbWeek, d->rbMonth};
    const bool wanted[] = {a.period == Period::Day, a.period == Period::Week,
                           a.period == Period::Month};
    for (int i = 0; i < 3; ++i) {
        if (wanted[i]) {
            buttons[i]->setChecked(true);
        } else if (buttons[i]->isChecked()) {
            buttons[i]->setAutoExclusive(false);
            buttons[i]->setChecked(false);
            buttons[i]->setAutoExclusive(true);
        }
    }
    d->edDate->setText(a.texts[3]);
    d->presetEnd(endDateOf(a));
    if (execDialog(*d) == QDialog::Accepted) writeTimeRow(grid, r, *d);
    return r;
}

int addMoneyRow(ActivityGrid* grid, bool moneyMode, const EditContext& ctx) {
    const int r = firstBlankRow(grid->activities());
    if (refuseFull(grid, r, ctx.owner)) return -1;
    auto d = std::make_unique<TfrmMoney>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    d->edName->clear();
    d->numMoney->setValue(0);
    d->edDate->setText(ctx.birthDateText);
    d->presetEnd(std::nullopt);
    d->moneyMode = moneyMode;
    if (execDialog(*d) != QDialog::Accepted) return -1;
    writeMoneyRow(grid, r, *d);
    return r;
}

int editMoneyRow(ActivityGrid* grid, bool moneyMode, const EditContext& ctx) {
    const int r = grid->selectedRow();
    if (refuseBlank(grid, r, QCoreApplication::translate("Table", "Nothing to edit"), ctx.owner))
        return -1;
    auto d = std::make_unique<TfrmMoney>(ctx.owner, ctx.dateOfBirth, ctx.birthDateText);
    const Activity& a = grid->activity(r);
    d->edName->setText(a.name);
    d->amount = a.amount.value;
    d->cbWhen->setCurrentIndex(periodListIndex(a));
    d->edDate->setText(a.texts[3]);
    d->presetEnd(endDateOf(a));
    d->moneyMode = moneyMode;
    if (execDialog(*d) == QDialog::Accepted) writeMoneyRow(grid, r, *d);
    return r;
}

void deleteSelectedRow(ActivityGrid* grid, QWidget* owner) {
    const int r = grid->selectedRow();
    if (refuseBlank(grid, r, QCoreApplication::translate("Table", "Nothing to delete"), owner))
        return;
    if (!confirmYesNo(
            //: %1 is the activity's name as the user typed it.
            QCoreApplication::translate("Table", "Really delete %1?").arg(grid->activity(r).name),
            owner ? owner : grid))
        return;
    // The following rows move up with their totals; the last one is emptied.
    ActivityTable rows = grid->activities();
    rows.erase(rows.begin() + (r - 1));
    rows.push_back(readActivity(rows.front().kind, {}));
    for (int i = r; i <= kDataRows; ++i) rows[size_t(i - 1)].number = i;
    grid->setActivities(rows);
}

void clearTable(ActivityGrid* grid, QWidget* owner) {
    if (!confirmYesNo(QCoreApplication::translate("Table", "Really clear out the table?"),
                      owner ? owner : grid))
        return;
    grid->setActivities(emptyActivities(grid->activity(1).kind));
}

}  // namespace lt
