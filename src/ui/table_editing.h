#pragma once
#include <QString>

#include "core/date_time.h"

class QWidget;

namespace lt {

class ActivityGrid;

// What the activity dialogs need of the main window.
struct EditContext {
    QWidget* owner;
    DateTime dateOfBirth;
    QString birthDateText;
};

// Each returns the row whose total the caller must compute now, or -1 for none.
// Add: the row written on OK. Edit: the edited row, whether OK or Cancel.
int addHoursRow(ActivityGrid* grid, const EditContext& ctx);
int editHoursRow(ActivityGrid* grid, const EditContext& ctx);
int addMoneyRow(ActivityGrid* grid, bool moneyMode, const EditContext& ctx);
int editMoneyRow(ActivityGrid* grid, bool moneyMode, const EditContext& ctx);

// Asks, then moves the following rows up; recomputes nothing.
void deleteSelectedRow(ActivityGrid* grid, QWidget* owner);
// Asks, then empties rows 1 to 50.
void clearTable(ActivityGrid* grid, QWidget* owner);

}  // namespace lt
