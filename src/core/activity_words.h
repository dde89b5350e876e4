#pragma once
#include <QString>

#include "core/activity.h"
#include "core/table_shape.h"

// What the tables show of the typed rows. The words are those the settings file keeps
// today, but they come from here, apart from the file's, so that they can change
// without changing what is stored.
namespace lt {

// "2 Hrs 30 Mins", "1 Hr", "45 Mins", "0 Hr 0 Min".
QString shownTime(int hours, int minutes);
// "Day" to "Once"; nothing for a period the table does not know.
QString shownPeriod(Period period);
// "Now": the end of a row that runs until today.
QString shownUntilToday();

// The money dialog's list entry (0 "Day" to 4 "Once only") for a row's period: only the
// exact word selects its entry; any other text selects "Once only".
int periodListIndex(const Activity& a);

// The text of cell `col` (0 to 5) of a row. A stored text that the typed value does not
// give back word for word (hand-edited: "8 hrs", "Weekly") is shown as it stands.
QString shownCell(const Activity& a, int col);
// The heading row and the 50 data rows as the table shows them.
TableTexts shownTexts(TableKind kind, const ActivityTable& table);

}  // namespace lt
