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

QStringList csvFields(TableKind kind, const ActivityRow& row, double base, DateTime now) {
    const auto cell = [&](int col, auto read) { return readCell(kind, row.number, col, read); };
    const QString& amountText = row.amount;
    QString amount, unit;
    switch (tableDescription(kind).amount) {
        case AmountKind::Time:
            amount = cell(1, [&] {
                return plainTrimmed(hoursOf(amountText) + minutesOf(amountText) / 60.0);
            });
            unit = QStringLiteral("hours");
            break;
        case AmountKind::Money:
            amount = cell(1, [&] { return plain(strToFloat(numberChars(amountText)), 2); });
            unit = loc::currencyCode();
            break;
        case AmountKind::Count:
            amount = cell(1, [&] { return plain(strToFloat(numberChars(amountText)), 0); });
            unit = QStringLiteral("times");
            break;
    }
    const QString start = cell(3, [&] { return isoDate(row.start); });
    const QString end = row.end == u"Now" ? row.end : cell(4, [&] { return isoDate(row.end); });
    const RowTotal t = rowTotal(kind, row, base, now);
    const QString total = kind == TableKind::Freq ? plainTrimmed(t.total) : plain(t.total, 2);
    const QString share = t.share > 0 ? plain(t.share, 2) : QString();
    return {QLatin1String(tableDescription(kind).word),
            row.activity,
            amount,
            unit,
            row.period,
            start,
            end,
            total,
            share};
}

QByteArray csvRecord(const QStringList& fields) {
    QStringList out;
    for (QString f : fields) {
        if (!f.isEmpty() && QStringLiteral("=+-@\t\r").contains(f.front())) f.prepend(u'\'');
        if (needsQuotes(f)) f = u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"';
        out << f;
    }
    return out.join(u',').toUtf8() + "\r\n";
}

QByteArray tablesCsv(const std::array<TableTexts, 3>& tables, double hoursLived, double income,
                     DateTime now) {
    QByteArray csv = csvRecord(csvHeader());
    for (const TableDescription& desc : tableDescriptions()) {
        const TableTexts& table = tables[size_t(tableIndex(desc.kind))];
        const double base = desc.kind == TableKind::Hours ? hoursLived : income;
        for (int r = 1, n = numNonBlankRows(table); r <= n; ++r)
            csv += csvRecord(csvFields(desc.kind, activityRowOf(table, r), base, now));
    }
    return csv;
}

}  // namespace lt
