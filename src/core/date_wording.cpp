#include "core/date_wording.h"

#include <QCoreApplication>
#include <cmath>

namespace lt {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DateWording)
};

QString weeks(int n) { return Text::tr("%Ln wks", nullptr, n); }
QString months(int n) { return Text::tr("%Ln mons", nullptr, n); }
// Years, and the months after them when there are any.
QString yearsMonths(int years, int months) {
    const QString y = Text::tr("%Ln yrs", nullptr, years);
    if (months <= 0) return y;
    //: Years, then months: "3 yrs 2 mons".
    return Text::tr("%1 %2").arg(y, Text::tr("%Ln mons", nullptr, months));
}

// The span of a wording counted in weeks, months or years.
QString spanText(const DateWhen& w) {
    switch (w.unit) {
        case DateWhen::Unit::Weeks:
            return weeks(w.weeks);
        case DateWhen::Unit::Months:
            return months(w.months);
        case DateWhen::Unit::Years:
            return yearsMonths(w.years, w.months);
        case DateWhen::Unit::Word:
            break;
    }
    return {};
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
        w.text = Text::tr("Today");
        return w;
    }
    if (w.days == 1) {
        w.text = future ? Text::tr("Tomorrow") : Text::tr("Yesterday");
        return w;
    }
    if (future) {
        const int wdR = dayOfWeek(r);
        w.weeks = (w.days + wdR - 1) / 7;
        w.months = (dd.year * 12 + dd.month) - (rd.year * 12 + rd.month);
        w.years = dd.year - rd.year;
        if (w.days <= 7 - wdR) {
            w.text = Text::tr("This week");
            return w;
        }
        if (w.weeks < 2) {
            w.text = Text::tr("Next week");
            return w;
        }
        if (w.months < 3) {
            w.unit = DateWhen::Unit::Weeks;
        } else if (w.years <= 2) {
            w.unit = DateWhen::Unit::Months;
        } else {
            w.unit = DateWhen::Unit::Years;
            w.years = w.months / 12;
            w.months = w.months % 12;
        }
        //: A time ahead, under a future date: "6 wks", "3 yrs 1 mon".
        w.text = Text::tr("%1", "ahead").arg(spanText(w));
        return w;
    }
    const int wdD = dayOfWeek(d);
    w.weeks = (w.days + wdD - 1) / 7;
    w.months = (rd.year * 12 + rd.month) - (dd.year * 12 + dd.month);
    w.years = rd.year - dd.year;
    if (w.weeks == 0) {
        w.text = Text::tr("This week");
        return w;
    }
    if (w.weeks == 1) {
        w.text = Text::tr("Last week");
        return w;
    }
    if (w.months < 3) {
        w.unit = DateWhen::Unit::Weeks;
    } else if (w.years <= 2) {
        w.unit = DateWhen::Unit::Months;
    } else {
        w.unit = DateWhen::Unit::Years;
        w.years = w.months / 12;
        w.months = w.months % 12;
    }
    //: A time ago: "3 wks ago", "3 yrs 2 mons ago".
    w.text = Text::tr("%1 ago").arg(spanText(w));
    return w;
}

QString dateWhenNow(DateTime d) { return dateWhen(nowDateTime(), d).text; }

QString dateWhenAge(DateTime d, DateTime b) {
    QString text = dateWhenNow(d);
    if (wholeDay(d) <= wholeDay(b)) return text;
    const DateWhen birth = dateWhen(d, b);
    // Under two weeks old, count days: the calendar-week wording would say "Last week"
    // or, for a birth on a Saturday eight days back, already "2 wks".
    const QString age = birth.days < 14 || birth.unit == DateWhen::Unit::Word
                            ? Text::tr("%Ln days", nullptr, birth.days)
                            : spanText(birth);
    const double dayD = wholeDay(d);
    const double dayNow = wholeDay(nowDateTime());
    //: The age at a date: "You were 10 yrs 3 mons old".
    const QString sentence = dayD < dayNow    ? Text::tr("You were %1 old")
                             : dayD == dayNow ? Text::tr("You are %1 old")
                                              : Text::tr("You will be %1 old");
    return text + QStringLiteral("   ") + sentence.arg(age);
}

}  // namespace lt
