#pragma once
#include <QString>

#include "core/date_time.h"

// The relative wording of dates ("Yesterday", "3 wks ago") and the plural of its words.
namespace lt {

struct DateWhen {
    QString text;
    // Not every path sets these; unset ones stay 0.
    int days = 0, weeks = 0, months = 0, years = 0;
};

// The wording of d seen from the reference moment r ("Yesterday", "3 wks ago", ...).
DateWhen dateWhen(DateTime r, DateTime d);
QString dateWhenNow(DateTime d);
// The label under a date field: the wording of d and, when d lies after the birth
// date b, the age at d ("26 yrs 6 mons ago   You were 10 yrs 3 mons old").
QString dateWhenAge(DateTime d, DateTime b);

// "" for 1, "s" for every other count: the plural of the age and span words.
QString pluralSuffix(int n);

}  // namespace lt
