#include <gtest/gtest.h>

#include <QSet>
#include <cmath>

#include "core/cell_text.h"
#include "core/locale_format.h"
#include "core/totals.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;

// Dates inside the calendar's range 1 Feb 1600 .. 30 Nov 3999.
const QDate kDates[] = {QDate(2026, 12, 8), QDate(1600, 2, 1), QDate(1999, 12, 31),
                        QDate(2024, 2, 29), QDate(3999, 11, 30)};

struct AmountCase {
    double value;
    double whole;  // the value rounded half away from zero
};
const AmountCase kAmounts[] = {{12.5, 13}, {1234567.89, 1234568}, {0.05, 0}, {250000, 250000}};

// One locale's failures, each named, empty when everything reads back.
QStringList roundTripFailures() {
    QStringList bad;
    for (const QDate d : kDates)
        if (loc::parseDate(loc::formatDate(d)) != d)
            bad << QStringLiteral("date %1 as '%2'")
                       .arg(d.toString(Qt::ISODate), loc::formatDate(d));
    const QString sign = loc::currencySign();
    for (const AmountCase& a : kAmounts) {
        const QString written[] = {loc::plainNumber(a.value, 2), loc::formatNumber(a.value, 2),
                                   sign + loc::formatNumber(a.value, 2)};
        for (const QString& text : written)
            if (loc::parseNumber(numberChars(text)) != a.value)
                bad << QStringLiteral("amount '%1'").arg(text);
        for (const QString& total : {loc::formatNumber(a.value, 0), loc::formatMoney0(a.value),
                                     loc::formatMoney0(a.value) + QStringLiteral(" (1.5%)")}) {
            double v = -1;
            try {
                v = totalCellValue(total);
            } catch (...) {
            }
            if (v != a.whole) bad << QStringLiteral("total '%1'").arg(total);
        }
        // The income field shows grouped whole units behind the sign.
        const QString income = sign + loc::formatNumber(a.whole, 0);
        if (loc::parseNumber(loc::shownNumberDigits(income, sign)) != a.whole)
            bad << QStringLiteral("income '%1'").arg(income);
    }
    return bad;
}

TEST(LocaleRoundTrip, EveryLocaleReadsBackWhatItWrites) {
    int covered = 0;
    QStringList failed;
    for (const QLocale& l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                     QLocale::AnyTerritory)) {
        if (l.language() == QLocale::C) continue;  // read as en_US
        PinnedEnv env(PinnedEnv::defaultNow(), l);
        ++covered;
        const QStringList bad = roundTripFailures();
        if (!bad.isEmpty()) failed << l.name() + QStringLiteral(": ") + bad.front();
    }
    EXPECT_GE(covered, 600);
    EXPECT_TRUE(failed.isEmpty()) << failed.size() << " of " << covered << " locales:\n"
                                  << qPrintable(failed.join(u'\n'));
}

}  // namespace
}  // namespace lt
