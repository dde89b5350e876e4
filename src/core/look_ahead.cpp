#include "core/look_ahead.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/bidi_text.h"
#include "core/chart_points.h"
#include "core/conversion.h"
#include "core/csv_export.h"
#include "core/date_span.h"
#include "core/locale_format.h"
#include "core/table_description.h"

namespace lt {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LookAhead)
};

// The Gregorian calendar's average year.
constexpr double kDaysPerYear = 365.2425;

// What is still to come, from the two figures as they are shown with `decimals`, so
// that the three columns add up as read.
double stillToCome(const LookAheadRow& row, int decimals) {
    return loc::roundHalfAway(row.byAge, decimals) - loc::roundHalfAway(row.soFar, decimals);
}

// An age in the locale's digits, as the dates and figures beside it.
QString ageText(int age) { return loc::formatNumber(age, 0); }

double shareOfLife(const LookAhead& look, const LookAheadRow& row) {
    return look.hoursToBirthday > 0 ? 100 * row.byAge / look.hoursToBirthday : 0;
}

QString hoursCell(double hours) {
    const QString inTime = hoursAsYearsAndDays(hours);
    const QString number = loc::formatNumber(hours, 0);
    //: A number of hours, then the same time in years and days: "107,456 (12 years 94 days)".
    return inTime.isEmpty() ? number : Text::tr("%1 (%2)").arg(number, inTime);
}
}  // namespace

QDate nthBirthday(const QDate& birth, int age) { return birth.addYears(age); }

int youngestAgeAhead(const QDate& birth, const QDate& today) {
    // The age turned this calendar year, or one more when that birthday is still to come.
    int age = std::max(1, today.year() - birth.year());
    if (nthBirthday(birth, age) <= today) ++age;
    return age;
}

int lookAheadStartAge(int remembered, const QDate& birth, const QDate& today) {
    const int wanted = remembered > 0 ? remembered : kLookAheadDefaultAge;
    return std::min(std::max(wanted, youngestAgeAhead(birth, today)), kLookAheadOldestAge);
}

QString lookAheadRefusal(int age, const QDate& birth, const QDate& today) {
    const int youngest = youngestAgeAhead(birth, today);
    if (age >= youngest && age <= kLookAheadOldestAge) return {};
    const QString oldest = ageText(kLookAheadOldestAge);
    const bool ahead = youngest <= kLookAheadOldestAge;
    if (age > kLookAheadOldestAge)
        return ahead ? Text::tr("Ages go up to %1: choose an age from %2 to %1.")
                           .arg(oldest, ageText(youngest))
                     : Text::tr("Ages go up to %1: no age up to %1 lies ahead.").arg(oldest);
    // A date written right to left keeps its place between the numbers around it.
    const QString reached = isolated(loc::formatDate(nthBirthday(birth, age)));
    //: %1 is an age, %2 the date of that birthday.
    return ahead ? Text::tr("You reached the age of %1 on %2: choose an age from %3 to %4.")
                       .arg(ageText(age), reached, ageText(youngest), oldest)
                 : Text::tr("You reached the age of %1 on %2: no age up to %3 lies ahead.")
                       .arg(ageText(age), reached, oldest);
}

double totalByBirthday(const Activity& a, const QDate& birthday) {
    const DateTime by = toDateTime(birthday);
    return activityTotal(a, activityStretch(a, by).upTo(by));
}

LookAhead lookAhead(const std::array<ActivityTable, 3>& tables, const QDate& birth, int age,
                    DateTime now) {
    LookAhead look;
    look.age = age;
    look.birthday = nthBirthday(birth, age);
    look.hoursToBirthday = computedatediff(toDateTime(birth), toDateTime(look.birthday)).totalHours;
    for (const TableDescription& desc : tableDescriptions()) {
        const size_t t = size_t(tableIndex(desc.kind));
        const ActivityTable& table = tables[t];
        for (int r = 1, n = filledRows(table); r <= n; ++r) {
            const Activity& a = table[size_t(r - 1)];
            // Only what has been lived: a later end is cut at today.
            const double soFar = activityTotal(a, activityStretch(a, now).upTo(now));
            look.tables[t].push_back({a.name, soFar, totalByBirthday(a, look.birthday)});
        }
    }
    return look;
}

QString lookAheadLine(const LookAhead& look) {
    //: %1 is an age, %2 the date of that birthday, %3 a number of hours.
    return Text::tr("By age %1, on %2, you will have lived %3 hours.")
        .arg(ageText(look.age), isolated(loc::formatLongDate(look.birthday)),
             loc::formatNumber(look.hoursToBirthday, 0));
}

QStringList lookAheadHeadings(TableKind kind, int age) {
    //: The look ahead's column headings; %1 is the age looked ahead to.
    QStringList headings = {Text::tr("Activity"), Text::tr("So far"),
                            Text::tr("By age %1").arg(ageText(age)), Text::tr("Still to come")};
    if (kind == TableKind::Hours) headings << Text::tr("Share of life by %1").arg(ageText(age));
    return headings;
}

QStringList lookAheadCells(TableKind kind, const LookAhead& look, const LookAheadRow& row) {
    const double still = stillToCome(row, 0);
    switch (kind) {
        case TableKind::Hours:
            return {row.activity, hoursCell(row.soFar), hoursCell(row.byAge), hoursCell(still),
                    loc::formatNumber(shareOfLife(look, row), 2) + u'%'};
        case TableKind::Money:
            return {row.activity, loc::formatMoney0(row.soFar), loc::formatMoney0(row.byAge),
                    loc::formatMoney0(still)};
        case TableKind::Freq:
            break;
    }
    return {row.activity, loc::formatNumber(row.soFar, 0), loc::formatNumber(row.byAge, 0),
            loc::formatNumber(still, 0)};
}

QString hoursAsYearsAndDays(double hours) {
    const double days = std::floor(hours / 24);
    if (!(days >= 1) || !std::isfinite(days)) return {};
    // In floating point throughout: a hand-edited amount can make more years than an int
    // holds.
    const double years = std::floor(days / kDaysPerYear);
    const double rest = std::clamp(std::floor(days - years * kDaysPerYear), 0.0, 365.0);
    // The count chooses the plural form; years beyond an int's range read as many.
    const auto form = [](double n) {
        return int(std::min(n, double(std::numeric_limits<int>::max())));
    };
    //: %1 is the number of years, written by the program.
    const QString y = Text::tr("%1 years", nullptr, form(years)).arg(loc::formatNumber(years, 0));
    //: %1 is the number of days, written by the program.
    const QString d = Text::tr("%1 days", nullptr, form(rest)).arg(loc::formatNumber(rest, 0));
    if (years <= 0) return d;
    if (rest <= 0) return y;
    //: Years, then days: "12 years 94 days".
    return Text::tr("%1 %2").arg(y, d);
}

QByteArray lookAheadCsv(const LookAhead& look) {
    // The file is the same in every locale: the age in ASCII digits.
    const QString age = QString::number(look.age);
    QByteArray csv = csvRecord({QStringLiteral("Table"), QStringLiteral("Activity"),
                                QStringLiteral("Unit"), QStringLiteral("So far"),
                                QStringLiteral("By age ") + age, QStringLiteral("Still to come"),
                                QStringLiteral("Share of life by %1 %").arg(age)});
    for (const TableDescription& desc : tableDescriptions()) {
        for (const LookAheadRow& row : look.tables[size_t(tableIndex(desc.kind))]) {
            const bool hours = desc.kind == TableKind::Hours;
            csv += csvRecord({csvTableWord(desc.kind), row.activity, csvUnit(desc.kind)},
                             {csvNumber(row.soFar, 2), csvNumber(row.byAge, 2),
                              csvNumber(stillToCome(row, 2), 2),
                              hours ? csvNumber(shareOfLife(look, row), 2) : QString()});
        }
    }
    return csv;
}

TableChart lookAheadChart(const LookAhead& look, const QString& name) {
    // Charted as the tables are: whole hours, as shown.
    std::vector<ChartRow> rows;
    double sum = 0;
    for (const LookAheadRow& row : look.tables[size_t(tableIndex(TableKind::Hours))]) {
        rows.push_back({row.activity, shownWholeTotal(row.byAge)});
        sum += loc::roundHalfAway(row.byAge, 0);
    }
    //: The chart's title: %1 is the age looked ahead to, %2 the user's name.
    return {Text::tr("Hours by age %1 for %2").arg(ageText(look.age), isolated(name)),
            chartPoints(rows, look.hoursToBirthday, sum, aColors())};
}

}  // namespace lt
