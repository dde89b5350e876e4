#pragma once
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/date_time.h"
#include "core/table_shape.h"

namespace lt {

// How often an activity's amount comes back. None: a word the table does not know
// (only from a hand-edited file); such a row totals 0.
enum class Period { None, Day, Week, Month, Year, Once };

// A value read from its stored text, or the conversion failure to report when a rule
// needs it: a file may hold texts that do not convert, and they are reported where
// they are used, not when the file is read.
template <class T>
struct ReadValue {
    std::optional<T> value;
    QString failure;  // "'x' is not a valid date"
};

// Whether an ending date's text means the row runs until today: exactly "Now".
bool untilToday(const QString& endText);
// The ending date's text the settings file keeps for a row that runs until today.
QString untilTodayText();

// The stretch of time a row covers, earlier moment first.
struct RowStretch {
    DateTime from = 0;
    DateTime to = 0;
    bool covers = false;  // false: it covers nothing
    // The part up to `moment`; nothing when the stretch starts after it.
    RowStretch upTo(DateTime moment) const;
};
// What a row from `start` to `end` covers: its two dates (the wrong way round they count
// as swapped), or, with no end (until today), its start to `today`, and nothing when it
// starts after that (only a hand-edited file has such a row).
RowStretch coveredStretch(const QDate& start, const std::optional<QDate>& end, DateTime today);

// A row's total over its span, unrounded, and its share of the lifetime figure in per
// cent (0 for frequency rows and for a figure of 0).
struct RowTotal {
    double total = 0;
    double share = 0;
};
// The whole number a total shows, as the charts and the sort take it: rounded half away
// from zero, without its sign.
double shownWholeTotal(double total);

// The five texts of a row as the settings file stores them: activity, amount, period,
// start, end.
using StoredRow = std::array<QString, 5>;

// One activity, typed. It keeps the texts it was read from, so that a row nobody
// touched goes back into the file as it came.
struct Activity {
    TableKind kind = TableKind::Hours;
    int number = 0;  // its row in the table (1 to 50), for messages; 0 when not known
    QString name;
    // Minutes for the hours table, the amount of money, or the count. A hand-edited
    // money or count text may carry more decimals than cents, and keeps them.
    ReadValue<double> amount;
    // The time as its two words give it (hours rows): "90 Mins" is 0 and 90.
    int hours = 0, minutes = 0;
    Period period = Period::None;
    ReadValue<QDate> start;
    bool untilToday = false;
    ReadValue<QDate> end;  // when not until today
    StoredRow texts;
    // The total the table shows, from when it was last worked out; it moves with its row
    // (Delete and Sort recompute nothing). None until then.
    std::optional<RowTotal> total;

    bool isBlank() const;
    // The values, or the ConversionError naming the cell ("Hours, row 3, ending date:
    // '' is not a valid date").
    double amountValue() const;
    QDate startDate() const;
    // The end date; nullopt for "until today".
    std::optional<QDate> endDate() const;
};

// Reads a row by the stored-text rules: a time by its words ("8 hrs" has no "Hr", so
// it is 0 hours), a period by the word it contains anywhere, an amount by its digits
// and decimal separator, dates in the program's locale, "Now" (exactly) as until today.
Activity readActivity(TableKind kind, const StoredRow& texts, int number = 0);

// The 50 data rows of one table, row 1 first; blank rows keep their texts too.
using ActivityTable = std::vector<Activity>;
constexpr int kDataRows = kTableRows - 1;
// 50 blank rows.
ActivityTable emptyActivities(TableKind kind);
// Rows 1..n read from their stored texts, the rest blank.
ActivityTable readActivityTable(TableKind kind, const std::vector<StoredRow>& rows);
// The rows of a table of texts (row 0 the headings; columns 0 to 4 are read).
ActivityTable activitiesOf(TableKind kind, const TableTexts& texts);
// How many rows are filled; they come first, as in the tables.
int filledRows(const ActivityTable& table);
// The first blank row among rows 1 to 49 (row 50 is never offered), or -1.
int firstBlankRow(const ActivityTable& table);
// Puts `texts` into row `number` as a user entered them.
void setRow(ActivityTable& table, int number, const StoredRow& texts);

}  // namespace lt
