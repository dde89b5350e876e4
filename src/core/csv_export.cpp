#include "core/csv_export.h"

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

bool needsQuotes(const QString& field) {
    for (QChar c : field)
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') return true;
    return false;
}
}  // namespace

QString csvNumber(double value, int decimals) {
    return QString::number(loc::roundHalfAway(value, decimals), 'f', decimals);
}

QString csvTableWord(TableKind kind) { return QLatin1String(tableDescription(kind).word); }

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

QStringList csvFields(const Activity& a, double base, DateTime now) {
    const double value = a.amountValue();
    QString amount;
    switch (tableDescription(a.kind).amount) {
        case AmountKind::Time:
            amount = plainTrimmed(a.hours + a.minutes / 60.0);
            break;
        case AmountKind::Money:
            amount = csvNumber(value, 2);
            break;
        case AmountKind::Count:
            amount = csvNumber(value, 0);
            break;
    }
    const QString start = a.startDate().toString(Qt::ISODate);
    const auto end = a.endDate();
    const RowTotal t = activityTotal(a, base, now);
    const QString total = a.kind == TableKind::Freq ? plainTrimmed(t.total) : csvNumber(t.total, 2);
    const QString share = t.share > 0 ? csvNumber(t.share, 2) : QString();
    return {csvTableWord(a.kind),
            a.name,
            amount,
            csvUnit(a.kind),
            a.texts[2],
            start,
            end ? end->toString(Qt::ISODate) : QStringLiteral("Now"),
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

QByteArray csvRecord(const QStringList& texts, const QStringList& numbers) {
    QByteArray record = csvRecord(texts);
    record.chop(2);
    for (const QString& n : numbers) record += ',' + n.toUtf8();
    return record + "\r\n";
}

QByteArray tablesCsv(const std::array<ActivityTable, 3>& tables, double hoursLived, double income,
                     DateTime now) {
    QByteArray csv = csvRecord(csvHeader());
    for (const TableDescription& desc : tableDescriptions()) {
        const ActivityTable& table = tables[size_t(tableIndex(desc.kind))];
        const double base = desc.kind == TableKind::Hours ? hoursLived : income;
        for (int r = 1, n = filledRows(table); r <= n; ++r)
            csv += csvRecord(csvFields(table[size_t(r - 1)], base, now));
    }
    return csv;
}

}  // namespace lt
