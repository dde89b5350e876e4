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
        // The income field shows grouped whole units behind the sign.
        const QString income = sign + loc::formatNumber(a.whole, 0);
        if (loc::parseNumber(loc::shownNumberDigits(income, sign)) != a.whole)
            bad << QStringLiteral("income '%1'").arg(income);
    }
    return bad;
}

struct WrittenCase {
    QLocale::Language language;
    QLocale::Country country;
    const char* date;    // 8 December 2026 as the locale writes it, or typed
    const char* amount;  // 12.50 behind the currency sign
};

// Worked by hand from each locale's digits, separators and short format.
TEST(LocaleRoundTrip, ReadsDigitsOfEveryScript) {
    const WrittenCase cases[] = {
        {QLocale::Arabic, QLocale::Egypt, "٨\u200F/١٢\u200F/٢٠٢٦", "ج١٢٫٥٠"},
        {QLocale::Arabic, QLocale::Egypt, "٨/١٢/٢٠٢٦", "١٢٫٥"},
        {QLocale::Persian, QLocale::Iran, "۲۰۲۶/۱۲/۸", "ر۱۲٫۵۰"},
        {QLocale::Marathi, QLocale::India, "८/१२/२०२६", "₹१२.५०"},
        {QLocale::Chakma, QLocale::Bangladesh, "𑄾/𑄷𑄸/𑄸𑄼", "৳𑄷𑄸.𑄻𑄶"},  // "yy": 26 is 2026
        {QLocale::Kako, QLocale::Cameroon, "08/12 2026", "F12,50"},
        {QLocale::Spanish, QLocale::Panama, "12/08/26", "B/.12.50"},  // month first
    };
    for (const WrittenCase& c : cases) {
        PinnedEnv env(PinnedEnv::defaultNow(), QLocale(c.language, c.country));
        const QString name = QLocale().name();
        EXPECT_EQ(loc::parseDate(QString::fromUtf8(c.date)), QDate(2026, 12, 8))
            << qPrintable(name);
        EXPECT_EQ(loc::parseNumber(numberChars(QString::fromUtf8(c.amount))), 12.5)
            << qPrintable(name);
    }
    PinnedEnv env(PinnedEnv::defaultNow(), QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(loc::asciiDigits(QString::fromUtf8("٨\u200F/١٢\u061C")), QStringLiteral("8/12"));
    EXPECT_EQ(numberChars(QString::fromUtf8("ج١٬٢٣٤٫٥٠")), QString::fromUtf8("1234٫50"));
    EXPECT_EQ(loc::parseNumber(QString::fromUtf8("١٬٢٣٤")), std::nullopt);
    EXPECT_EQ(loc::parseNumber(QStringLiteral("12.5")), std::nullopt);  // not its separator
    EXPECT_EQ(loc::parseDate(QString::fromUtf8("٨-١٢-٢٠٢٦")), std::nullopt);
    // kkj_CM: a slash, then a blank.
    loc::setProgramLocale(QLocale(QLocale::Kako, QLocale::Cameroon));
    EXPECT_EQ(loc::parseDate(QStringLiteral("08/12/2026")), std::nullopt);
    EXPECT_EQ(loc::parseDate(QStringLiteral("08/122026")), std::nullopt);
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
