#include "core/table_description.h"

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
         {"Activity", "Time", "Per", "Start date", "End date", "Total Hrs"},
         {5},
         "Hours",
         "Hour",
         {"Desc", "HrMin", "Per", "Start", "End"},
         "gridHours",
         {"btSort1", "btAdd1", "btEdit1", "btDel1", "btClear"},
         "btGrHour",
         QT_TRANSLATE_NOOP("Tables", "Graph results of &hours"),
         "Hours spent for ",
         true,
         "hours"},
        {TableKind::Money,
         AmountKind::Money,
         QT_TRANSLATE_NOOP("Tables", "Step 3: Money spent on various activities"),
         QT_TRANSLATE_NOOP("Tables", "Money spent on activities"),
         QT_TRANSLATE_NOOP("Tables", "Note that the percentage is based on your lifetime income."),
         {"Activity", "Amount", "Per", "Start date", "End date", "Total Amt"},
         {1, 5},
         "Money",
         "Money",
         {"Desc", "Amount", "Per", "Start", "End"},
         "gridMoney",
         {"btSort2", "btAdd2", "btEdit2", "btDel2", "btClear2"},
         "btGrMoney",
         QT_TRANSLATE_NOOP("Tables", "Graph results of &money"),
         "Money spent for ",
         true,
         "money"},
        {TableKind::Freq,
         AmountKind::Count,
         QT_TRANSLATE_NOOP("Tables", "Step 4: Frequency of various activities"),
         QT_TRANSLATE_NOOP("Tables", "Frequency of activities"),
         nullptr,
         {"Activity", "Frequency", "Per", "Start date", "End date", "Total Freq"},
         {1, 5},
         "Freq",
         "Freq",
         {"Desc", "Amount", "Per", "Start", "End"},
         "gridFreq",
         {"btSort3", "btAdd3", "btEdit3", "btDel3", "btClear3"},
         "btGrFreq",
         QT_TRANSLATE_NOOP("Tables", "Graph results of &frequency"),
         "Frequency of activities for ",
         false,
         "frequency"},
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

QString tableTitle(TableKind kind) {
    QString title = QLatin1String(tableDescription(kind).word);
    title[0] = title[0].toUpper();
    return title;
}

}  // namespace lt
