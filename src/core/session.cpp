#include "core/session.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/activity_words.h"
#include "core/conversion.h"
#include "core/date_span.h"
#include "core/input_masks.h"
#include "core/locale_format.h"
#include "core/table_description.h"
#include "core/totals.h"

namespace lt {
QString incomeNotShownText(qint64 stored) {
    if (stored >= 0 && stored <= kMaxIncome) return {};
    return QStringLiteral(
               "The stored income %1 cannot be shown: the income field holds %2 to %3. The "
               "settings file keeps it unless you change the income.")
        .arg(loc::formatDigits(stored))
        .arg(loc::shownNumber(0, incomeMask()), loc::shownNumber(kMaxIncome, incomeMask()));
}

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
    s.incomeText = loc::shownNumber(s.income, incomeMask());
    for (int t = 0; t < 3; ++t)
        s.tables[size_t(t)] =
            readActivityTable(static_cast<TableKind>(t), stored.tables[size_t(t)]);

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
            computeTableTotals(s.tables[size_t(t)], base, now);
        }
    } catch (const ConversionError& e) {
        s.errors << e.message();
    }
    return s;
}

StoredSettings storedSettingsOf(const QString& name, const QString& birthDateText, qint64 income,
                                const std::array<ActivityTable, 3>& tables) {
    StoredSettings s;
    s.name = name;
    s.birthDateText = birthDateText;
    s.income = income;
    s.currency = loc::programCurrency();
    // Each row goes back in the words it was read or entered in.
    for (size_t t = 0; t < tables.size(); ++t)
        for (const Activity& a : tables[t]) s.tables[t].push_back(a.texts);
    return s;
}

ReportInput reportOf(const QString& name, const QString& birthDateText, const QString& ageLine,
                     const QString& incomeLine, const std::array<ActivityTable, 3>& tables) {
    ReportInput in;
    in.personLine = personLine(name, birthDateText, ageLine);
    in.incomeLine = incomeLine;
    for (size_t t = 0; t < tables.size(); ++t)
        in.tables[t] = shownTexts(static_cast<TableKind>(t), tables[t]);
    in.columnWidths = designedColumnWidths();
    return in;
}

ReportInput sessionReport(const Session& session) {
    return reportOf(session.name, session.birthDateText, session.ageLine, session.incomeLine,
                    session.tables);
}

TableChart tableChart(TableKind kind, const QString& name, const QString& ageLine,
                      const QString& incomeLine, const ActivityTable& table, double hoursLived,
                      double income) {
    QString caption;
    // Summed for every table, so that a total that does not convert is named by its
    // place; with no base (frequency) the sum draws nothing.
    const double sub = shownSubTotal(table);
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

bool hasRowsToChart(const ActivityTable& table) {
    return !table.empty() && !table.front().isBlank();
}

QString noRowsToChartText(TableKind kind) {
    switch (kind) {
        case TableKind::Money:
            return QCoreApplication::translate("Session", "The money table has no rows to chart.");
        case TableKind::Freq:
            return QCoreApplication::translate("Session",
                                               "The frequency table has no rows to chart.");
        case TableKind::Hours:
            break;
    }
    return QCoreApplication::translate("Session", "The hours table has no rows to chart.");
}

}  // namespace lt
