#include "core/table_shape.h"

#include "core/table_description.h"

namespace lt {

QStringList headingTexts(TableKind kind) {
    QStringList out;
    for (const char* h : tableDescription(kind).headings) out << QLatin1String(h);
    return out;
}

TableTexts emptyTable(TableKind kind) {
    TableTexts t(kTableRows, QStringList(kTableCols, QString()));
    t[0] = headingTexts(kind);
    return t;
}

bool isBlankActivity(const QString& activity) { return activity.isEmpty(); }

int findFirstBlankRow(const TableTexts& table) {
    const int last = static_cast<int>(table.size()) - 2;
    for (int r = 1; r <= last; ++r)
        if (isBlankActivity(table[r].value(0))) return r;
    return -1;
}

int numNonBlankRows(const TableTexts& table) {
    int n = 0;
    for (int r = 1; r < static_cast<int>(table.size()); ++r)
        if (!isBlankActivity(table[r].value(0))) ++n;
    return n;
}

}  // namespace lt
