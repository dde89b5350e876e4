#include "core/table_description.h"

#include <QtGlobal>

#include "core/activity_words.h"

namespace lt {

const std::array<TableDescription, 3>& tableDescriptions() {
    static const std::array<TableDescription, 3> descriptions = {{
        {TableKind::Hours,
         AmountKind::Time,
         QT_TRANSLATE_NOOP("Tables", "Step 2: Number of hours spent on various activities"),
         QT_TRANSLATE_NOOP("Tables", "Hours spent on activities"),
         QT_TRANSLATE_NOOP("Tables",
                           "Note that the percentage is based on the number of hours you have "
                           "been alive.  Percentages may not add up to 100 due to overlap."),
         //: Column heading of the hours table: the activity's name.
         {QT_TRANSLATE_NOOP("ActivityWords", "Activity"),
          //: Column heading: the time spent on the activity each period.
          QT_TRANSLATE_NOOP("ActivityWords", "Time"),
          //: Column heading, short: the period ("Day", "Week") the amount is spent per.
          QT_TRANSLATE_NOOP("ActivityWords", "Per"),
          QT_TRANSLATE_NOOP("ActivityWords", "Start date"),
          QT_TRANSLATE_NOOP("ActivityWords", "End date"),
          //: Column heading, short: the row's total in hours.
          QT_TRANSLATE_NOOP("ActivityWords", "Total Hrs")},
         {5},
         "Hours",
         "Hour",
         {"Desc", "HrMin", "Per", "Start", "End"},
         "gridHours",
         {"btSort1", "btAdd1", "btEdit1", "btDel1", "btClear"},
         "btGrHour",
         QT_TRANSLATE_NOOP("Tables", "Graph results of &hours"),
         //: The hours chart's title; %1 is the user's name.
         QT_TRANSLATE_NOOP("ActivityWords", "Hours spent for %1"),
         true,
         "hours",
         //: A table's name at the head of a message ("Hours, row 3, ...").
         QT_TRANSLATE_NOOP("ActivityWords", "Hours")},
        {TableKind::Money,
         AmountKind::Money,
         QT_TRANSLATE_NOOP("Tables", "Step 3: Money spent on various activities"),
         QT_TRANSLATE_NOOP("Tables", "Money spent on activities"),
         QT_TRANSLATE_NOOP("Tables", "Note that the percentage is based on your lifetime income."),
         {QT_TRANSLATE_NOOP("ActivityWords", "Activity"),
          //: Column heading: the money spent each period.
          QT_TRANSLATE_NOOP("ActivityWords", "Amount"), QT_TRANSLATE_NOOP("ActivityWords", "Per"),
          QT_TRANSLATE_NOOP("ActivityWords", "Start date"),
          QT_TRANSLATE_NOOP("ActivityWords", "End date"),
          //: Column heading, short: the row's total amount of money.
          QT_TRANSLATE_NOOP("ActivityWords", "Total Amt")},
         {1, 5},
         "Money",
         "Money",
         {"Desc", "Amount", "Per", "Start", "End"},
         "gridMoney",
         {"btSort2", "btAdd2", "btEdit2", "btDel2", "btClear2"},
         "btGrMoney",
         QT_TRANSLATE_NOOP("Tables", "Graph results of &money"),
         QT_TRANSLATE_NOOP("ActivityWords", "Money spent for %1"),
         true,
         "money",
         QT_TRANSLATE_NOOP("ActivityWords", "Money")},
        {TableKind::Freq,
         AmountKind::Count,
         QT_TRANSLATE_NOOP("Tables", "Step 4: Frequency of various activities"),
         QT_TRANSLATE_NOOP("Tables", "Frequency of activities"),
         nullptr,
         {QT_TRANSLATE_NOOP("ActivityWords", "Activity"),
          //: Column heading: how many times each period.
          QT_TRANSLATE_NOOP("ActivityWords", "Frequency"),
          QT_TRANSLATE_NOOP("ActivityWords", "Per"),
          QT_TRANSLATE_NOOP("ActivityWords", "Start date"),
          QT_TRANSLATE_NOOP("ActivityWords", "End date"),
          //: Column heading, short: how many times in all.
          QT_TRANSLATE_NOOP("ActivityWords", "Total Freq")},
         {1, 5},
         "Freq",
         "Freq",
         {"Desc", "Amount", "Per", "Start", "End"},
         "gridFreq",
         {"btSort3", "btAdd3", "btEdit3", "btDel3", "btClear3"},
         "btGrFreq",
         QT_TRANSLATE_NOOP("Tables", "Graph results of &frequency"),
         QT_TRANSLATE_NOOP("ActivityWords", "Frequency of activities for %1"),
         false,
         "frequency",
         QT_TRANSLATE_NOOP("ActivityWords", "Frequency")},
    }};
    return descriptions;
}

const TableDescription& tableDescription(TableKind kind) {
    return tableDescriptions()[size_t(tableIndex(kind))];
}

namespace {
constexpr ColumnWidths kColumnWidths{171, 87, 41, 66, 67, 119};
}  // namespace

int designedColumnWidth(int col) { return kColumnWidths[size_t(col)]; }
ColumnWidths designedColumnWidths() { return kColumnWidths; }

QString tableTitle(TableKind kind) { return shownWords(tableDescription(kind).title); }

}  // namespace lt
