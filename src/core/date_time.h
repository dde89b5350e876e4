#pragma once
#include <QDate>
#include <QDateTime>
#include <cstdint>

namespace lt {

// A moment as a count of days since 30 December 1899 (day 0, earlier days negative);
// the fraction is the time of day.
using DateTime = double;

struct DecodedDateTime {
    int year = 0, month = 0, day = 0;  // all 0 before 1 January of year 1
    int hour = 0, minute = 0, second = 0, msec = 0;
};

DateTime toDateTime(const QDate& date);  // midnight
DateTime toDateTime(const QDateTime& moment);
QDate dateOf(DateTime value);
DecodedDateTime decode(DateTime value);
// The whole-day value: truncation toward zero.
double wholeDay(DateTime value);
// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(DateTime value);
// The moment in whole milliseconds on one straight time line (exact for
// serials made from moments with millisecond precision).
std::int64_t toMilliseconds(DateTime value);

DateTime nowDateTime();

}  // namespace lt
