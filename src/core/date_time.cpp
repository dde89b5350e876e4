#include "core/date_time.h"

#include <cmath>

#include "core/clock.h"

namespace lt {
namespace {
constexpr std::int64_t msPerDay = 86400000;

std::int64_t epochJulianDay() { return QDate(1899, 12, 30).toJulianDay(); }

// Splits a serial into its day number and its time of day in milliseconds. Before
// day 0 the fraction still counts forward from midnight (-1.25 is 29 December 1899 6:00).
void split(DateTime value, std::int64_t& day, std::int64_t& msOfDay) {
    const double whole = std::trunc(value);
    day = static_cast<std::int64_t>(whole);
    msOfDay = std::llround(std::fabs(value - whole) * msPerDay);
    if (msOfDay >= msPerDay) msOfDay = msPerDay - 1;
}
}  // namespace

DateTime toDateTime(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - epochJulianDay());
}

DateTime toDateTime(const QDateTime& moment) {
    const double day = toDateTime(moment.date());
    const double fraction = moment.time().msecsSinceStartOfDay() / static_cast<double>(msPerDay);
    return day >= 0 ? day + fraction : day - fraction;
}

QDate dateOf(DateTime value) {
    std::int64_t day, ms;
    split(value, day, ms);
    return QDate::fromJulianDay(epochJulianDay() + day);
}

DecodedDateTime decode(DateTime value) {
    std::int64_t day, ms;
    split(value, day, ms);
    DecodedDateTime d;
    const QDate date = QDate::fromJulianDay(epochJulianDay() + day);
    if (date.isValid() && date.year() >= 1) {
        d.year = date.year();
        d.month = date.month();
        d.day = date.day();
    }
    d.hour = static_cast<int>(ms / 3600000);
    d.minute = static_cast<int>(ms / 60000 % 60);
    d.second = static_cast<int>(ms / 1000 % 60);
    d.msec = static_cast<int>(ms % 1000);
    return d;
}

double wholeDay(DateTime value) { return std::trunc(value); }

int dayOfWeek(DateTime value) {
    // 30 December 1899 was a Saturday (7).
    const std::int64_t day = static_cast<std::int64_t>(std::trunc(value));
    const std::int64_t m = ((day + 6) % 7 + 7) % 7;  // 0 = Sunday
    return static_cast<int>(m) + 1;
}

std::int64_t toMilliseconds(DateTime value) {
    std::int64_t day, ms;
    split(value, day, ms);
    return day * msPerDay + ms;
}

DateTime nowDateTime() { return toDateTime(now()); }

}  // namespace lt
