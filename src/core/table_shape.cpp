#include "core/table_shape.h"

#include "core/activity_words.h"
#include "core/table_description.h"

namespace lt {

QStringList headingTexts(TableKind kind) {
    QStringList out;
    for (const char* h : tableDescription(kind).headings) out << shownWords(h);
    return out;
}

TableTexts emptyTable(TableKind kind) {
    TableTexts t(kTableRows, QStringList(kTableCols, QString()));
    t[0] = headingTexts(kind);
    return t;
}

bool isBlankActivity(const QString& activity) { return activity.isEmpty(); }

}  // namespace lt
