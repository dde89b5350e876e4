#pragma once
#include <QColor>
#include <QDate>
#include <QString>
#include <array>
#include <vector>

#include "core/activity.h"
#include "core/date_time.h"
#include "core/table_shape.h"

// What the timeline of a life shows, as plain data: it is worked out from the tables
// here and drawn by the outputs.
namespace lt {

// How a row runs on the timeline.
enum class TimelineSpan {
    Dated,   // from its start to its end
    GoesOn,  // ends "Now": to today, and on to the chosen age if it goes on
    Once,    // a single day: a mark
};

struct TimelineRow {
    QString label;   // "Sleeping — 8 Hrs a day"
    QString total;   // "116,376 hrs so far, 245,808 hrs by 80"
    QString spoken;  // the activity, from when to when and its total, for a screen reader
    QDate start;
    QDate end;  // the end as given (the chosen birthday for a row that goes on)
    TimelineSpan span = TimelineSpan::Dated;
    QColor color;
};

struct TimelineGroup {
    QString title;  // the table's title
    std::vector<TimelineRow> rows;
};

struct TimelineInput {
    QString title;  // "The life of Ada Lovelace to age 80"
    QDate birth;
    QDate today;
    QDate last;  // the chosen birthday
    int age = 0;
    std::vector<TimelineGroup> groups;  // the three tables, in table order
};

// The timeline of the filled rows of `tables` (by tableIndex()) from `birth` to the
// birthday of `age`, seen at `now`. Totals are the look ahead's; colours are drawn as the
// charts draw theirs, seeded from the rows so that the same data gives the same colours.
// Throws ConversionError for a row that does not convert.
TimelineInput timelineOf(const QString& name, const std::array<ActivityTable, 3>& tables,
                         const QDate& birth, int age, DateTime now);

}  // namespace lt
