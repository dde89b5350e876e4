#include "core/csv_export.h"

#include "core/cell_text.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/table_description.h"
#include "core/totals.h"

namespace lt {
namespace {
// A number with a point and no grouping, whatever the locale.
QString plain(double value, int decimals) {
    return QString::number(loc::roundHalfAway(value, decimals), 'f', decimals);
}

// Up to four decimals, trailing zeros dropped: 2.5, 1.3333, 8.
QString plainTrimmed(double value) {
    QString text = plain(value, 4);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

QString isoDate(const QString& text) { return strToDate(text).toString(Qt::ISODate); }

const char* tableWord(TableKind kind) {
    switch (kind) {
        case TableKind::Hours:
            return "hours";
        case TableKind::Money:
            return "money";
        case TableKind::Freq:
            break;
    }
    return "frequency";
}

// Total and share as the total cell shows them: "20,137 (33.33%)" gives 20137 and
// 33.33. A cell not worked out yet gives two empty fields.
std::pair<QString, QString> totalAndShare(const QString& cell) {
    if (cell.isEmpty()) return {};
    const QString total = plain(totalCellValue(cell), 0);
    const int open = cell.indexOf(QStringLiteral(" ("));
    if (open < 0) return {total, QString()};
    return {total, plain(strToFloat(numberChars(cell.mid(open + 2))), 2)};
}

bool needsQuotes(const QString& field) {
    for (QChar c : field)
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') return true;
    return false;
}
}  // namespace

QStringList csvHeader() {
    return {QStringLiteral("Table"), QStringLiteral("Activity"), QStringLiteral("Amount"),
            QStringLiteral("Unit"),  QStringLiteral("Per"),      QStringLiteral("Start"),
            QStringLiteral("End"),   QStringLiteral("Total"),    QStringLiteral("Share %")};
}

QStringList csvFields(TableKind kind, const QStringList& row) {
    const QString amountText = row.value(1);
    QString amount, unit;
    switch (tableDescription(kind).amount) {
        case AmountKind::Time:
            amount = plainTrimmed(hoursOf(amountText) + minutesOf(amountText) / 60.0);
            unit = QStringLiteral("hours");
            break;
        case AmountKind::Money:
            amount = plain(strToFloat(numberChars(amountText)), 2);
            unit = loc::currencyCode();
            break;
        case AmountKind::Count:
            amount = plain(strToFloat(numberChars(amountText)), 0);
            unit = QStringLiteral("times");
            break;
    }
    const QString end = row.value(4) == u"Now" ? row.value(4) : isoDate(row.value(4));
    const auto [total, share] = totalAndShare(row.value(5));
    return {QLatin1String(tableWord(kind)), row.value(0), amount, unit, row.value(2),
            isoDate(row.value(3)),          end,          total,  share};
}

QByteArray csvRecord(const QStringList& fields) {
    QStringList out;
    for (QString f : fields) {
        if (!f.isEmpty() && QStringLiteral("=+-@").contains(f.front())) f.prepend(u'\'');
        if (needsQuotes(f)) f = u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"';
        out << f;
    }
    return out.join(u',').toUtf8() + "\r\n";
}

QByteArray tablesCsv(const std::array<TableTexts, 3>& tables) {
    QByteArray csv = csvRecord(csvHeader());
    for (const TableDescription& desc : tableDescriptions()) {
        const TableTexts& table = tables[size_t(tableIndex(desc.kind))];
        for (int r = 1, n = numNonBlankRows(table); r <= n; ++r)
            csv += csvRecord(csvFields(desc.kind, table[size_t(r)]));
    }
    return csv;
}

}  // namespace lt
