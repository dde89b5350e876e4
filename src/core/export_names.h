#pragma once
#include <QString>
#include <QStringList>

#include "core/chart_layout.h"
#include "core/table_shape.h"

// The names of the files the program writes for the user, and what is said of a name
// it cannot write.
namespace lt {

// "lifetally-report.pdf".
QString reportFileName();
// "lifetally-tables.csv".
QString tablesFileName();
// "lifetally-look-ahead.csv".
QString lookAheadFileName();
// "lifetally-timeline-80.png": the age it runs to, and the picture's kind.
QString timelineFileName(int age, ImageFormat format);
// "lifetally-hours-pie.png": the table, pie or bars, and the picture's kind.
QString chartFileName(TableKind kind, bool bars, ImageFormat format);

// The file a refused name was meant for.
enum class NamedFile { Any, Chart, Timeline };
// "The chart file name must end in .png or .svg.": the refusal of a name whose ending
// says a kind of file that cannot be written; `suffixes` without their dots.
QString fileNameEndingRefusal(NamedFile file, const QStringList& suffixes);

}  // namespace lt
