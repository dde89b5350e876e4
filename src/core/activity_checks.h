#pragma once
#include <QString>

namespace lt {

// The control a failed check hands the focus to.
enum class CheckFocus { Unchanged, Name, StartDate, EndDate, Amount };

struct CheckResult {
    bool passed = true;
    QString message;  // empty when passed
    CheckFocus focus = CheckFocus::Unchanged;
};

// What the activity time dialog holds when OK is pressed.
struct TimeEntry {
    QString name;
    int hours = 0;
    int minutes = 0;
    bool day = false, week = false, month = false;
    QString startDate;
    QString endDate;
    bool specificEnd = false;  // "Specific date" rather than "Indefinite"
};

// What the money/frequency dialog holds when OK is pressed.
struct MoneyEntry {
    QString name;
    double amount = 0;
    QString startDate;
    QString endDate;
    bool specificEnd = false;
};

// The checks of each activity dialog, in order; the first failure is returned.
// Dates are read in the locale's short date format and compared by whole days with
// the birth-date text and today's date. A birth-date text that does not convert
// throws ConversionError ("'%s' is not a valid date").
CheckResult qKosher(const TimeEntry& entry, const QString& birthDateText);
CheckResult qKosher(const MoneyEntry& entry, const QString& birthDateText);

}  // namespace lt
