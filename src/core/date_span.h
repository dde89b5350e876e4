#pragma once
#include <QString>
#include <cstdint>

#include "core/date_time.h"

namespace lt {

// The span between two moments, later (L) minus earlier (E).
struct TDateDiff {
    std::int32_t years = 0;
    std::int32_t months = 0;
    std::int32_t days = 0;
    double totalHours = 0;
    double monthCount = 0;
    double totalDays = 0;
};

// Fills the span between a and b in either order.
void computedatediff(TDateDiff& diff, DateTime a, DateTime b);
TDateDiff computedatediff(DateTime a, DateTime b);

// "36 years 1 month 5 days ", in the program's language and its locale's digits; every
// part ends in a blank.
QString ymd(const TDateDiff& diff);

}  // namespace lt
