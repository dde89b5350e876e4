#include "core/date_wording.h"

#include <cmath>

namespace lt {
namespace {
QString mons(int months) {
    return QStringLiteral("%1 mon%2").arg(months).arg(months > 1 ? "s" : "");
}
}  // namespace

DateWhen dateWhen(DateTime r, DateTime d) {
    DateWhen w;
    const DecodedDateTime rd = decode(r);
    const DecodedDateTime dd = decode(d);
    if (dd.year == 0) return w;
    const bool future = wholeDay(r) < wholeDay(d);
    w.days = static_cast<int>(std::abs(wholeDay(r) - wholeDay(d)));
    if (w.days == 0) {
        w.text = QStringLiteral("Today");
        return w;
    }
    if (w.days == 1) {
        w.text = future ? QStringLiteral("Tomorrow") : QStringLiteral("Yesterday");
        return w;
    }
    if (future) {
        const int wdR = dayOfWeek(r);
        w.weeks = (w.days + wdR - 1) / 7;
        w.months = (dd.year * 12 + dd.month) - (rd.year * 12 + rd.month);
        w.years = dd.year - rd.year;
        if (w.days <= 7 - wdR) {
            w.text = QStringLiteral("This week");
        } else if (w.weeks < 2) {
            w.text = QStringLiteral("Next week");
        } else if (w.months < 3) {
            w.text = QStringLiteral("%1 wks").arg(w.weeks);
        } else if (w.years <= 2) {
            w.text = mons(w.months);
        } else {
            w.years = w.months / 12;
            w.months = w.months % 12;
            w.text = QStringLiteral("%1 yrs").arg(w.years);
            if (w.months > 0) w.text += QLatin1Char(' ') + mons(w.months);
        }
        return w;
    }
    const int wdD = dayOfWeek(d);
    w.weeks = (w.days + wdD - 1) / 7;
    w.months = (rd.year * 12 + rd.month) - (dd.year * 12 + dd.month);
    w.years = rd.year - dd.year;
    if (w.weeks == 0) {
        w.text = QStringLiteral("This week");
    } else if (w.weeks == 1) {
        w.text = QStringLiteral("Last week");
    } else if (w.months < 3) {
        w.text = QStringLiteral("%1 wks ago").arg(w.weeks);
    } else if (w.years <= 2) {
        w.text = mons(w.months) + QStringLiteral(" ago");
    } else {
        w.years = w.months / 12;
        w.months = w.months % 12;
        w.text = QStringLiteral("%1 yrs ").arg(w.years);
        if (w.months > 0) w.text += mons(w.months) + QLatin1Char(' ');
        w.text += QStringLiteral("ago");
    }
    return w;
}

QString dateWhenNow(DateTime d) { return dateWhen(nowDateTime(), d).text; }

QString dateWhenAge(DateTime d, DateTime b) {
    QString text = dateWhenNow(d);
    if (wholeDay(d) <= wholeDay(b)) return text;
    const DateWhen birth = dateWhen(d, b);
    QString age;
    const int ago = birth.text.indexOf(QStringLiteral("ago"));
    if (birth.days < 14 || ago < 0) {
        // Under two weeks old, count days: the calendar-week wording would say "Last week"
        // or, for a birth on a Saturday eight days back, already "2 wks".
        age = QStringLiteral("%1 day%2 old").arg(birth.days).arg(pluralSuffix(birth.days));
    } else {
        age = birth.text;
        age.remove(ago, 3);
        age += QStringLiteral("old");
    }
    const double dayD = wholeDay(d);
    const double dayNow = wholeDay(nowDateTime());
    const QString joiner = dayD < dayNow    ? QStringLiteral("   You were ")
                           : dayD == dayNow ? QStringLiteral("   You are ")
                                            : QStringLiteral("   You will be ");
    return text + joiner + age;
}

QString pluralSuffix(int n) { return n == 1 ? QString() : QStringLiteral("s"); }

}  // namespace lt
