#pragma once
#include <QString>
#include <QStringList>

#include "core/activity.h"
#include "core/table_shape.h"

// Every word the tables show, in the user's language (translation context
// "ActivityWords"). The settings file keeps its own English words (cell_text), so a file
// written under one language opens unchanged under another; these words are only shown.
namespace lt {

// A text of the tables marked with QT_TRANSLATE_NOOP("ActivityWords", ...), translated.
QString shownWords(const char* text);

// "2 Hrs 30 Mins", "1 Hr", "45 Mins", "0 Hr 0 Min", in the locale's digits.
QString shownTime(int hours, int minutes);
// "Day" to "Once"; nothing for a period the table does not know.
QString shownPeriod(Period period);
// "Now": the end of a row that runs until today.
QString shownUntilToday();
// The money dialog's list: "Day", "Week", "Month", "Year", "Once only".
QStringList periodChoices();

// The money dialog's list entry (0 "Day" to 4 "Once only") for a row's period: only the
// exact word selects its entry; any other text selects "Once only".
int periodListIndex(const Activity& a);

// The text of cell `col` (0 to 5) of a row. A stored text that the typed value does not
// give back word for word (hand-edited: "8 hrs", "Weekly") is shown as it stands.
QString shownCell(const Activity& a, int col);
// The heading row and the 50 data rows as the table shows them.
TableTexts shownTexts(TableKind kind, const ActivityTable& table);
// "8 Hrs a day", "$12.50 a month", "3 once": a row's rate as the table shows it.
QString shownRate(const Activity& a);

}  // namespace lt
