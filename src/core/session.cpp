#include "core/session.h"

#include <algorithm>

#include "core/conversion.h"
#include "core/date_span.h"
#include "core/locale_format.h"
#include "core/table_description.h"
#include "core/totals.h"

namespace lt {
namespace {
constexpr ColumnWidths kColumnWidths{171, 87, 41, 66, 67, 119};

// The sum of the totals a table shows, as the chart's "Other" needs it.
double subTotal(TableKind kind, const TableTexts& table) {
    double sum = 0;
    for (int r = 1, n = numNonBlankRows(table); r <= n; ++r)
        sum += readCell(kind, r, 5, [&] { return totalCellValue(table[size_t(r)].value(5)); });
    return sum;
}
}  // namespace

QString incomeMask() { return QStringLiteral("$###,###,###"); }

QString incomeNotShownText(qint64 stored) {
    if (stored >= 0 && stored <= kMaxIncome) return {};
    return QStringLiteral(
               "The stored income %1 cannot be shown: the income field holds %2 to %3. The "
               "settings file keeps it unless you change the income.")
        .arg(stored)
        .arg(loc::maskedNumber(0, incomeMask()), loc::maskedNumber(kMaxIncome, incomeMask()));
}

QString amountMask(AmountKind kind) {
    return kind == AmountKind::Money ? QStringLiteral("$###,###.##") : QStringLiteral("###,###");
}

int designedColumnWidth(int col) { return kColumnWidths[size_t(col)]; }
ColumnWidths designedColumnWidths() { return kColumnWidths; }

Session openSession(const StoredSettings& stored, DateTime now) {
    // From here on money is in the file's currency, whatever the locale's is.
    if (!stored.currency.code.isEmpty()) loc::setProgramCurrency(stored.currency);
    Session s;
    s.now = now;
    s.dateOfBirth = now;
    s.name = stored.name;
    s.birthDateText = stored.birthDateText;
    // What the income field can show; the stored income is worked with as the window has it.
    s.income = static_cast<double>(std::clamp(stored.income, qint64(0), kMaxIncome));
    s.incomeNote = incomeNotShownText(stored.income);
    s.incomeText = loc::maskedNumber(s.income, incomeMask());
    for (int t = 0; t < 3; ++t) {
        TableTexts& table = s.tables[size_t(t)];
        table = emptyTable(static_cast<TableKind>(t));
        const auto& rows = stored.tables[size_t(t)];
        for (int i = 0; i < static_cast<int>(rows.size()) && i + 1 < kTableRows; ++i) {
            QStringList& cells = table[size_t(i + 1)];
            while (cells.size() < kTableCols) cells << QString();
            for (int c = 0; c < 5; ++c) cells[c] = rows[size_t(i)][size_t(c)];
        }
    }

    // The birth date is taken in only when it converts, as the window does.
    if (const auto birth = loc::parseDate(s.birthDateText)) {
        s.dateOfBirth = toDateTime(*birth);
        s.hoursLived = computedatediff(now, s.dateOfBirth).totalHours;
    }

    try {
        const QString age = ageLine(s.birthDateText, now);
        s.ageLine = age;
        s.incomeLine = incomeLine(s.incomeText);
        for (int t = 0; t < 3; ++t) {
            const auto kind = static_cast<TableKind>(t);
            const double base = kind == TableKind::Hours ? s.hoursLived : s.income;
            computeTableTotals(kind, s.tables[size_t(t)], base, now);
        }
    } catch (const ConversionError& e) {
        s.errors << e.message();
    }
    return s;
}

StoredSettings storedSettingsOf(const QString& name, const QString& birthDateText, qint64 income,
                                const std::array<TableTexts, 3>& tables) {
    StoredSettings s;
    s.name = name;
    s.birthDateText = birthDateText;
    s.income = income;
    s.currency = loc::programCurrency();
    for (size_t t = 0; t < tables.size(); ++t)
        for (int r = 1; r < kTableRows && r < int(tables[t].size()); ++r) {
            std::array<QString, 5> cells;
            for (int c = 0; c < 5; ++c) cells[size_t(c)] = tables[t][size_t(r)].value(c);
            s.tables[t].push_back(cells);
        }
    return s;
}

ReportInput reportOf(const QString& name, const QString& birthDateText, const QString& ageLine,
                     const QString& incomeLine, const std::array<TableTexts, 3>& tables) {
    ReportInput in;
    in.personLine = personLine(name, birthDateText, ageLine);
    in.incomeLine = incomeLine;
    in.tables = tables;
    in.columnWidths = kColumnWidths;
    return in;
}

ReportInput sessionReport(const Session& session) {
    return reportOf(session.name, session.birthDateText, session.ageLine, session.incomeLine,
                    session.tables);
}

TableChart tableChart(TableKind kind, const QString& name, const QString& ageLine,
                      const QString& incomeLine, const TableTexts& table, double hoursLived,
                      double income) {
    QString caption;
    // Summed for every table, so that a total that does not convert is named by its
    // place; with no base (frequency) the sum draws nothing.
    const double sub = subTotal(kind, table);
    double base = 0;
    if (kind == TableKind::Hours) {
        caption = ageLine;
        base = hoursLived;
    } else if (kind == TableKind::Money) {
        caption = incomeLine;
        base = income;
    }
    return {chartTitle(kind, name, caption), buildChartPoints(table, base, sub)};
}

TableChart sessionChart(const Session& session, TableKind kind) {
    return tableChart(kind, session.name, session.ageLine, session.incomeLine,
                      session.tables[size_t(tableIndex(kind))], session.hoursLived, session.income);
}

bool hasRowsToChart(const TableTexts& table) {
    return table.size() > 1 && !isBlankActivity(table[1].value(0));
}

QString noRowsToChartText(TableKind kind) {
    return QStringLiteral("The %1 table has no rows to chart.")
        .arg(QLatin1String(tableDescription(kind).word));
}

}  // namespace lt
