// The one place that reads the tables for the timeline.
#include "core/timeline_rows.h"

#include <QCoreApplication>

#include "core/activity_words.h"
#include "core/chart_points.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "core/random_source.h"
#include "core/table_description.h"
#include "core/totals.h"

namespace lt {
namespace {
QString amountText(TableKind kind, double value) {
    switch (kind) {
        case TableKind::Hours:
            return QStringLiteral("%1 hrs").arg(loc::formatNumber(value, 0));
        case TableKind::Money:
            return loc::formatMoney0(value);
        case TableKind::Freq:
            break;
    }
    const QString n = loc::formatNumber(value, 0);
    return (n == u"1" ? QStringLiteral("%1 time") : QStringLiteral("%1 times")).arg(n);
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
            return QStringLiteral("on %1").arg(loc::formatDate(row.start));
        case TimelineSpan::GoesOn:
            return QStringLiteral("from %1 to today, and on to age %2 on %3 if it goes on")
                .arg(loc::formatDate(row.start), QString::number(in.age), loc::formatDate(in.last));
        case TimelineSpan::Dated:
            break;
    }
    return QStringLiteral("from %1 to %2")
        .arg(loc::formatDate(row.start), loc::formatDate(row.end));
}
}  // namespace

TimelineInput timelineOf(const QString& name, const std::array<ActivityTable, 3>& tables,
                         const QDate& birth, int age, DateTime now) {
    TimelineInput in;
    in.title = QStringLiteral("The life of %1 to age %2").arg(name, QString::number(age));
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
            row.label = QStringLiteral("%1 — %2").arg(a.name, shownRate(a));
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
            row.total = amountText(desc.kind, sum.soFar) + QStringLiteral(" so far");
            if (row.span != TimelineSpan::Once && row.end > in.today)
                row.total += QStringLiteral(", %1 by %2")
                                 .arg(amountText(desc.kind, sum.byAge), QString::number(age));
            row.spoken = QStringLiteral("%1, %2: %3").arg(row.label, whenText(row, in), row.total);
            group.rows.push_back(row);
        }
        in.groups.push_back(group);
    }
    return in;
}

}  // namespace lt
