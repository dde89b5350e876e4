#pragma once
#include <QString>

#include "core/date_time.h"

// The relative wording of dates ("Yesterday", "3 wks ago"), in the program's language.
namespace lt {

struct DateWhen {
    // What the wording counts: a word of its own ("Today", "Next week"), or a span of
    // weeks, months, or years and months.
    enum class Unit { Word, Weeks, Months, Years };
    QString text;
    Unit unit = Unit::Word;
    // Not every path sets these; unset ones stay 0.
    int days = 0, weeks = 0, months = 0, years = 0;
};

// The wording of d seen from the reference moment r ("Yesterday", "3 wks ago", ...).
DateWhen dateWhen(DateTime r, DateTime d);
QString dateWhenNow(DateTime d);
// The label under a date field: the wording of d and, when d lies after the birth
// date b, the age at d ("26 yrs 6 mons ago   You were 10 yrs 3 mons old").
QString dateWhenAge(DateTime d, DateTime b);

}  // namespace lt
