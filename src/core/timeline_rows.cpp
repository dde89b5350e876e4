// The one place that reads the tables for the timeline.
#include "core/timeline_rows.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cmath>

#include "core/activity_words.h"
#include "core/bidi_text.h"
#include "core/chart_points.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "core/random_source.h"
#include "core/table_description.h"
#include "core/totals.h"

namespace lt {
namespace {
// A whole number for a counted word, within what the count can hold.
int wholeCount(double value) {
    return int(std::clamp(std::round(value), double(INT_MIN), double(INT_MAX)));
}

QString amountText(TableKind kind, double value) {
    switch (kind) {
        case TableKind::Hours:
            //: A timeline total in hours, short: "116,376 hrs".
            return QCoreApplication::translate("Timeline", "%Ln hrs", nullptr, wholeCount(value));
        case TableKind::Money:
            return loc::formatMoney0(value);
        case TableKind::Freq:
            break;
    }
    //: A timeline total of how often something was done: "3 times".
    return QCoreApplication::translate("Timeline", "%Ln times", nullptr, wholeCount(value));
}

// Colours as the charts draw theirs, one table of them per activity table, from a seed
// that the rows give.
ColorTable seededColors(const ActivityTable& table, int index) {
    ColorTable colors{};
    SeededRandom random(tableSeed(table) + std::uint64_t(index));
    drawColors(colors, [&random](std::uint32_t limit) { return random.below(limit); });
    return colors;
}

QString whenText(const TimelineRow& row, const TimelineInput& in) {
    switch (row.span) {
        case TimelineSpan::Once:
            //: When a one-off activity happened, for a screen reader: %1 is its date.
            return QCoreApplication::translate("Timeline", "on %1").arg(loc::formatDate(row.start));
        case TimelineSpan::GoesOn:
            //: When an activity that has not ended runs, for a screen reader: %1 is its
            //: start, %2 the age the timeline goes to and %3 that birthday.
            return QCoreApplication::translate(
                       "Timeline", "from %1 to today, and on to age %2 on %3 if it goes on")
                .arg(loc::formatDate(row.start), loc::formatNumber(in.age, 0),
                     loc::formatDate(in.last));
        case TimelineSpan::Dated:
            break;
    }
    //: When an activity ran, for a screen reader: from its start date to its end date.
    return QCoreApplication::translate("Timeline", "from %1 to %2")
        .arg(loc::formatDate(row.start), loc::formatDate(row.end));
}
}  // namespace

TimelineInput timelineOf(const QString& name, const std::array<ActivityTable, 3>& tables,
                         const QDate& birth, int age, DateTime now) {
    TimelineInput in;
    //: The timeline's title: %1 is the user's name, %2 the age it runs to.
    in.title = QCoreApplication::translate("Timeline", "The life of %1 to age %2")
                   .arg(isolated(name), loc::formatNumber(age, 0));
    in.birth = birth;
    in.today = dateOf(now);
    in.age = age;
    const LookAhead look = lookAhead(tables, birth, age, now);
    in.last = look.birthday;
    for (const TableDescription& desc : tableDescriptions()) {
        const int t = tableIndex(desc.kind);
        const ActivityTable& table = tables[size_t(t)];
        const ColorTable colors = seededColors(table, t);
        TimelineGroup group{QCoreApplication::translate("Tables", desc.accessibleName), {}};
        const std::vector<LookAheadRow>& totals = look.tables[size_t(t)];
        // The rows the look ahead counted, in the same order.
        for (int r = 1; r <= int(totals.size()); ++r) {
            const Activity& a = table[size_t(r - 1)];
            const LookAheadRow& sum = totals[size_t(r - 1)];
            TimelineRow row;
            //: A timeline row's label: %1 is the activity, %2 its rate ("8 Hrs a day").
            row.label = QCoreApplication::translate("Timeline", "%1 — %2")
                            .arg(isolated(a.name), shownRate(a));
            row.color = windowsColor(colors[size_t(r - 1)]);
            row.start = a.startDate();
            const std::optional<QDate> end = a.endDate();
            if (a.period == Period::Once) {
                row.span = TimelineSpan::Once;
                row.end = row.start;
            } else if (!end) {
                row.span = TimelineSpan::GoesOn;
                row.end = in.last;
            } else {
                // Dates the wrong way round count as swapped, as the tables count them.
                row.end = *end;
                if (row.end < row.start) std::swap(row.start, row.end);
            }
            const QString soFar = amountText(desc.kind, sum.soFar);
            if (row.span != TimelineSpan::Once && row.end > in.today)
                //: A row's total so far and by the age the timeline runs to (%3).
                row.total =
                    QCoreApplication::translate("Timeline", "%1 so far, %2 by %3")
                        .arg(soFar, amountText(desc.kind, sum.byAge), loc::formatNumber(age, 0));
            else
                row.total = QCoreApplication::translate("Timeline", "%1 so far").arg(soFar);
            //: What a screen reader says of a timeline row: its label, when it runs and
            //: its total.
            row.spoken = QCoreApplication::translate("Timeline", "%1, %2: %3")
                             .arg(row.label, whenText(row, in), row.total);
            group.rows.push_back(row);
        }
        in.groups.push_back(group);
    }
    return in;
}

}  // namespace lt
