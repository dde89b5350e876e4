#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/date_time.h"
#include "core/session.h"
#include "core/table_shape.h"
#include "core/totals.h"

// What the activities will add up to by a chosen age, at the pace the tables give.
namespace lt {

constexpr int kLookAheadDefaultAge = 80;
constexpr int kLookAheadOldestAge = 120;

// The birthday on which someone born on `birth` turns `age`; 29 February falls on
// 28 February in a year that is not a leap year.
QDate nthBirthday(const QDate& birth, int age);
// The youngest age still ahead on `today`: the present age in whole years plus one.
int youngestAgeAhead(const QDate& birth, const QDate& today);
// The age to show first: `remembered` (80 when none, that is 0), at least the youngest
// age ahead and at most 120.
int lookAheadStartAge(int remembered, const QDate& birth, const QDate& today);
// Why `age` cannot be looked ahead to ("You reached the age of 30 on 3/1/2020: ..."),
// or an empty text when it can.
QString lookAheadRefusal(int age, const QDate& birth, const QDate& today);

// What one row adds up to by `birthday`, a day still ahead: a row until
// today runs to the birthday from its start, a later end is cut at the birthday, a row
// that has ended keeps its total, and a row starting after the birthday counts nothing
// (a "Once" row counts once if it starts on or before it). Throws ConversionError.
double totalByBirthday(const Activity& a, const QDate& birthday);

struct LookAheadRow {
    QString activity;
    double soFar = 0;  // from its start up to now or its end, whichever is earlier; unrounded
    double byAge = 0;  // its total by the birthday, unrounded
};

// Every filled row of the three tables looked ahead to one age.
struct LookAhead {
    int age = 0;
    QDate birthday;                                   // the day the age is reached
    double hoursToBirthday = 0;                       // from the birth to that day
    std::array<std::vector<LookAheadRow>, 3> tables;  // by tableIndex()
};

// Throws ConversionError for a row that does not convert. `age` is one the refusal
// lets through.
LookAhead lookAhead(const std::array<ActivityTable, 3>& tables, const QDate& birth, int age,
                    DateTime now);

// "By age 80, on Friday, March 1, 2069, you will have lived 692,232 hours."
QString lookAheadLine(const LookAhead& look);
// "Activity", "So far", "By age 80", "Still to come" and, for hours, "Share of life by 80".
QStringList lookAheadHeadings(TableKind kind, int age);
// A row's cells under those headings, in the locale's formats: hours also in years and
// days, money in the currency, still to come as the difference of the figures shown.
QStringList lookAheadCells(TableKind kind, const LookAhead& look, const LookAheadRow& row);
// "26 years 193 days" for hours that make at least a day (years of 365.2425 days, the
// calendar's average); empty below a day.
QString hoursAsYearsAndDays(double hours);

// The CSV file: "Table,Activity,Unit,So far,By age 80,Still to come,Share of life by 80 %"
// and a record per row, numbers to two decimals with a point, as the tables' CSV.
QByteArray lookAheadCsv(const LookAhead& look);

// The hours by the age as a chart, "Other" filling up to the hours to the birthday,
// coloured from aColors().
TableChart lookAheadChart(const LookAhead& look, const QString& name);

}  // namespace lt
