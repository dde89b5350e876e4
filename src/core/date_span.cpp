#include "core/date_span.h"

#include <QCoreApplication>
#include <QDate>

namespace lt {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DateSpan)
};
const char* const units[] = {QT_TRANSLATE_N_NOOP("DateSpan", "%Ln years"),
                             QT_TRANSLATE_N_NOOP("DateSpan", "%Ln months"),
                             QT_TRANSLATE_N_NOOP("DateSpan", "%Ln days")};
}  // namespace

void computedatediff(TDateDiff& r, DateTime a, DateTime b) {
    r = TDateDiff{};
    const bool bLater = b > a;
    const DateTime later = bLater ? b : a;
    const DateTime earlier = bLater ? a : b;
    const DecodedDateTime l = decode(later);
    const DecodedDateTime e = decode(earlier);

    // Only the borrows of the time of day matter: they can take a day away.
    const int seconds = l.second - e.second;
    int minutes = l.minute - e.minute;
    int hours = l.hour - e.hour;
    r.days = l.day - e.day;
    if (seconds < 0) --minutes;
    if (minutes < 0) --hours;
    bool hoursBorrowed = false;
    if (hours < 0) {
        --r.days;
        hoursBorrowed = true;
    }

    // Whole hours from the two moments in whole milliseconds, so that a span ending
    // exactly on an hour counts that hour.
    const std::int64_t ms = toMilliseconds(later) - toMilliseconds(earlier);
    r.totalHours = static_cast<double>(ms / 3600000);

    r.totalDays = wholeDay(later) - wholeDay(earlier);

    int m = (l.year * 12 + l.month) - (e.year * 12 + e.month);
    if (r.days < 0) {
        // Borrow a month: count the days from E's day of month in the month before
        // L's month (cut to that month's length) up to L's date.
        --m;
        const QDate lDate(l.year, l.month, l.day);
        const QDate prevMonth = lDate.addMonths(-1);
        const int day = std::min(e.day, prevMonth.daysInMonth());
        const QDate from(prevMonth.year(), prevMonth.month(), day);
        r.days = static_cast<std::int32_t>(from.daysTo(lDate)) - (hoursBorrowed ? 1 : 0);
    }
    r.years = m / 12;
    r.months = m % 12;

    const QDate mc = QDate(1899, 12, 30).addDays(static_cast<qint64>(r.totalDays));
    r.monthCount = (mc.year() - 1900) * 12.0 + mc.month();
}

TDateDiff computedatediff(DateTime a, DateTime b) {
    TDateDiff r;
    computedatediff(r, a, b);
    return r;
}

QString ymd(const TDateDiff& d) {
    const int values[] = {d.years, d.months, d.days};
    QString text;
    for (int i = 0; i < 3; ++i) {
        if (values[i] <= 0) continue;
        text += Text::tr(units[i], nullptr, values[i]) + QLatin1Char(' ');
    }
    return text;
}

}  // namespace lt
