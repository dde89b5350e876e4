#include "core/csv_export.h"

#include "core/cell_text.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "core/table_description.h"
#include "core/totals.h"

namespace lt {
namespace {
// Up to four decimals, trailing zeros dropped: 2.5, 1.3333, 8.
QString plainTrimmed(double value) {
    QString text = csvNumber(value, 4);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

QString isoDate(const QString& text) { return strToDate(text).toString(Qt::ISODate); }

// Total and share as the total cell shows them: "20,137 (33.33%)" gives 20137 and
// 33.33. A cell not worked out yet gives two empty fields.
std::pair<QString, QString> totalAndShare(const QString& cell) {
    if (cell.isEmpty()) return {};
    const QString total = csvNumber(totalCellValue(cell), 0);
    const int open = cell.indexOf(QStringLiteral(" ("));
    if (open < 0) return {total, QString()};
    return {total, csvNumber(strToFloat(numberChars(cell.mid(open + 2))), 2)};
}

bool needsQuotes(const QString& field) {
    for (QChar c : field)
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') return true;
    return false;
}
}  // namespace

QString csvNumber(double value, int decimals) {
    return QString::number(loc::roundHalfAway(value, decimals), 'f', decimals);
}

QString csvTableWord(TableKind kind) {
    switch (kind) {
        case TableKind::Hours:
            return QStringLiteral("hours");
        case TableKind::Money:
            return QStringLiteral("money");
        case TableKind::Freq:
            break;
    }
    return QStringLiteral("frequency");
}

QString csvUnit(TableKind kind) {
    switch (tableDescription(kind).amount) {
        case AmountKind::Time:
            return QStringLiteral("hours");
        case AmountKind::Money:
            return loc::currencyCode();
        case AmountKind::Count:
            break;
    }
    return QStringLiteral("times");
}

QStringList csvHeader() {
    return {QStringLiteral("Table"), QStringLiteral("Activity"), QStringLiteral("Amount"),
            QStringLiteral("Unit"),  QStringLiteral("Per"),      QStringLiteral("Start"),
            QStringLiteral("End"),   QStringLiteral("Total"),    QStringLiteral("Share %")};
}

QStringList csvFields(TableKind kind, const QStringList& row) {
    const QString amountText = row.value(1);
    QString amount;
    switch (tableDescription(kind).amount) {
        case AmountKind::Time:
            amount = plainTrimmed(hoursOf(amountText) + minutesOf(amountText) / 60.0);
            break;
        case AmountKind::Money:
            amount = csvNumber(strToFloat(numberChars(amountText)), 2);
            break;
        case AmountKind::Count:
            amount = csvNumber(strToFloat(numberChars(amountText)), 0);
            break;
    }
    const QString end = row.value(4) == u"Now" ? row.value(4) : isoDate(row.value(4));
    const auto [total, share] = totalAndShare(row.value(5));
    return {csvTableWord(kind),    row.value(0), amount, csvUnit(kind), row.value(2),
            isoDate(row.value(3)), end,          total,  share};
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

QByteArray csvRecord(const QStringList& texts, const QStringList& numbers) {
    QByteArray record = csvRecord(texts);
    record.chop(2);
    for (const QString& n : numbers) record += ',' + n.toUtf8();
    return record + "\r\n";
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
