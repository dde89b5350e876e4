// The typed rows against the cell-text readers they replace: over many random rows,
// in every locale the program is tested in, both give the same totals, shares, total
// texts, CSV fields and look-ahead figures, or fail with the same message.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "core/activity.h"
#include "core/csv_export.h"
#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "core/totals.h"
#include "support/test_env.h"

namespace lt {
namespace {

using test::PinnedEnv;

template <class F>
QString outcome(F&& f) {
    try {
        return f();
    } catch (const ConversionError& e) {
        return QStringLiteral("error: ") + e.message();
    }
}

QString pick(QRandomGenerator& g, const QStringList& from) {
    return from[int(g.bounded(qsizetype(from.size())))];
}

QString randomDate(QRandomGenerator& g) {
    const QDate d = QDate(1900, 1, 1).addDays(g.bounded(60000));
    switch (g.bounded(8)) {
        case 0:
            return pick(
                g, {QString(), QStringLiteral("Now"), QStringLiteral("now"), QStringLiteral(" Now"),
                    QStringLiteral("2/30/2020"), QStringLiteral("30.02.2020"),
                    QStringLiteral("1/1/20"), QStringLiteral("01.01.20"), QStringLiteral("x")});
        case 1:
            return d.toString(QStringLiteral("d/M/yy"));
        default:
            return loc::formatDate(d);
    }
}

StoredRow randomRow(QRandomGenerator& g) {
    const QString number = loc::formatNumber(g.bounded(200000) / 100.0, int(g.bounded(3)));
    const QString amount =
        g.bounded(3) == 0
            ? pick(g, {QStringLiteral("2 Hrs 30 Mins"), QStringLiteral("8 hrs"),
                       QStringLiteral("1 Hr"), QStringLiteral("45 Mins"),
                       QStringLiteral("0 Hr 0 Min"), QStringLiteral("x Hrs y Mins"),
                       QStringLiteral("3 Hrs  5 Mins"), QStringLiteral(" 4 Hrs"),
                       QStringLiteral("2147483647 Hrs 59 Mins"), QStringLiteral("90 Mins"),
                       QStringLiteral("Hr"), QStringLiteral("12.505"), QStringLiteral("1.2.3"),
                       QStringLiteral("$1,234.50"), QStringLiteral("-5"), QString()})
            : (g.bounded(2)
                   ? loc::maskedNumber(g.bounded(1000000) / 100.0, QStringLiteral("$###,###.##"))
                   : number + (g.bounded(2) ? QStringLiteral(" Hrs") : QString()));
    const QString period =
        pick(g, {QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"),
                 QStringLiteral("Year"), QStringLiteral("Once"), QStringLiteral("day"),
                 QStringLiteral("Weekly"), QStringLiteral("DayWeek"), QStringLiteral("Month Year"),
                 QStringLiteral("Once only"), QString(), QStringLiteral("xyz")});
    const QString end = g.bounded(3) == 0 ? QStringLiteral("Now") : randomDate(g);
    return {pick(g, {QStringLiteral("Sleep"), QStringLiteral("a, \"b\""), QString()}), amount,
            period, randomDate(g), end};
}

std::string shown(const StoredRow& t) {
    return QStringList(t.begin(), t.end()).join(u'|').toStdString();
}

class ActivityDifferential : public ::testing::TestWithParam<QLocale::Language> {};

TEST_P(ActivityDifferential, TypedRowsMeanWhatTheirTextsMeant) {
    const QLocale locale =
        GetParam() == QLocale::English  ? QLocale(QLocale::English, QLocale::UnitedStates)
        : GetParam() == QLocale::German ? QLocale(QLocale::German, QLocale::Germany)
                                        : QLocale(QLocale::Arabic, QLocale::Egypt);
    PinnedEnv env(PinnedEnv::defaultNow(), locale);
    const DateTime now = toDateTime(PinnedEnv::defaultNow());
    const QDate birthday(2069, 3, 1);
    QRandomGenerator g(20261206);
    int converted = 0;
    for (int i = 0; i < 3000; ++i) {
        const StoredRow texts = randomRow(g);
        const ActivityRow row{texts[0], texts[1], texts[2], texts[3], texts[4], 1 + i % 50};
        for (TableKind kind : {TableKind::Hours, TableKind::Money, TableKind::Freq}) {
            const Activity a = readActivity(kind, texts, row.number);
            const double base = kind == TableKind::Hours ? 322306 : 50000;
            const QString oldTotal = outcome([&] {
                const RowTotal t = rowTotal(kind, row, base, now);
                return QString::number(t.total, 'g', 17) + u' ' +
                       QString::number(t.share, 'g', 17) + u' ' +
                       rowTotalText(kind, row, base, now);
            });
            const QString newTotal = outcome([&] {
                const RowTotal t = activityTotal(a, base, now);
                return QString::number(t.total, 'g', 17) + u' ' +
                       QString::number(t.share, 'g', 17) + u' ' + totalText(kind, t);
            });
            ASSERT_EQ(oldTotal.toStdString(), newTotal.toStdString()) << shown(texts);
            if (!newTotal.startsWith(u"error")) ++converted;
            ASSERT_EQ(
                outcome([&] { return csvFields(kind, row, base, now).join(u'|'); }).toStdString(),
                outcome([&] { return csvFields(a, base, now).join(u'|'); }).toStdString())
                << shown(texts);
            // The look ahead reaches a row's birthday total only once its span has
            // converted and named any cell that does not; here only failing matters.
            const QString oldAhead = outcome(
                [&] { return QString::number(totalByBirthday(kind, row, birthday), 'g', 17); });
            const QString newAhead =
                outcome([&] { return QString::number(totalByBirthday(a, birthday), 'g', 17); });
            if (oldAhead.startsWith(u"error"))
                ASSERT_TRUE(newAhead.startsWith(u"error")) << shown(texts);
            else
                ASSERT_EQ(oldAhead.toStdString(), newAhead.toStdString()) << shown(texts);
        }
    }
    // The comparison means something only when many rows convert.
    EXPECT_GT(converted, 1000);
}

INSTANTIATE_TEST_SUITE_P(Locales, ActivityDifferential,
                         ::testing::Values(QLocale::English, QLocale::German, QLocale::Arabic));

}  // namespace
}  // namespace lt
