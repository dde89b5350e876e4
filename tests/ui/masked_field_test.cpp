#include "ui/masked_field.h"

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include "support/test_env.h"
#include "support/ui_seams.h"

namespace lt {
namespace {

MaskedNumberField* field(const QString& mask, double max,
                         std::unique_ptr<MaskedNumberField>& keep) {
    keep = std::make_unique<MaskedNumberField>();
    keep->setPictureMask(mask);
    keep->setRange(0, max);
    return keep.get();
}

void typeAndLeave(MaskedNumberField* f, const QString& text) {
    f->findChild<QLineEdit*>()->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(f, &out);
}

struct ShapeCase {
    QLocale::Language language;
    QLocale::Country country;
    const char* mask;
    double value;
    const char* text;
};

TEST(MaskedNumberField, ShowsTheValueShapedByItsMask) {
    const ShapeCase cases[] = {
        {QLocale::English, QLocale::UnitedStates, "$###,###,###", 250000, "$250,000"},
        {QLocale::English, QLocale::UnitedStates, "$###,###.##", 12.5, "$12.50"},
        {QLocale::English, QLocale::UnitedStates, "$###,###.##", 0.01, "$0.01"},
        {QLocale::English, QLocale::UnitedStates, "###,###", 1234567, "1,234,567"},
        {QLocale::English, QLocale::UnitedStates, "###", 720, "720"},
        {QLocale::German, QLocale::Germany, "$###,###.##", 1234.5, "1.234,50\u00A0\u20AC"},
        // The currency format, in the locale's digits, as the totals write money.
        {QLocale::Arabic, QLocale::Egypt, "$###,###,###", 250000, "٢٥٠٬٠٠٠\u00A0ج.م.\u200F"},
        {QLocale::German, QLocale::Germany, "###,###", 9999999, "9.999.999"},
    };
    for (const ShapeCase& c : cases) {
        test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(c.language, c.country));
        std::unique_ptr<MaskedNumberField> keep;
        MaskedNumberField* f = field(QString::fromLatin1(c.mask), 99999999, keep);
        f->setValue(c.value);
        EXPECT_EQ(f->text(), QString::fromUtf8(c.text)) << c.mask;
        // The shown text reads back as the same value.
        EXPECT_DOUBLE_EQ(f->valueFromText(f->text()), c.value) << c.text;
    }
}

TEST(MaskedNumberField, TypedValueInRangeIsTakenOnLeaving) {
    test::PinnedEnv env;
    std::unique_ptr<MaskedNumberField> keep;
    MaskedNumberField* f = field(QStringLiteral("$###,###,###"), 99999999, keep);
    f->setValue(250000);
    typeAndLeave(f, QStringLiteral("$75,000"));
    EXPECT_EQ(f->value(), 75000);
    typeAndLeave(f, QStringLiteral("99999999"));
    EXPECT_EQ(f->value(), 99999999);
}

TEST(MaskedNumberField, OutOfRangeEntryIsRefusedWithAMessage) {
    test::PinnedEnv env;
    std::unique_ptr<MaskedNumberField> keep;
    MaskedNumberField* f = field(QStringLiteral("$###,###,###"), 99999999, keep);
    f->setValue(250000);
    test::ScriptedBoxes boxes;
    typeAndLeave(f, QStringLiteral("100000000"));
    EXPECT_EQ(boxes.reports,
              QStringList{QStringLiteral(
                  "100000000 is not a valid value. It must be between $0 and $99,999,999.")});
    EXPECT_EQ(f->value(), 250000);
    EXPECT_EQ(f->text(), QStringLiteral("$250,000"));

    // Enter refuses it the same way instead of clamping it.
    f->findChild<QLineEdit*>()->setText(QStringLiteral("123456789"));
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_EQ(boxes.reports.size(), 2);
    EXPECT_EQ(f->value(), 250000);
}

// Opening the field's context menu (or another window) is not leaving the field: no
// range box then.
TEST(MaskedNumberField, OutOfRangeEntryShowsNoBoxWhenAPopupOpens) {
    test::PinnedEnv env;
    std::unique_ptr<MaskedNumberField> keep;
    MaskedNumberField* f = field(QStringLiteral("$###,###,###"), 99999999, keep);
    test::ScriptedBoxes boxes;
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        f->findChild<QLineEdit*>()->setText(QStringLiteral("100000000"));
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(f, &out);
        EXPECT_TRUE(boxes.reports.isEmpty()) << reason;
    }
}

TEST(MaskedNumberField, RefusesCharactersTheMaskHasNoPlaceFor) {
    test::PinnedEnv env;
    std::unique_ptr<MaskedNumberField> keep;
    MaskedNumberField* f = field(QStringLiteral("$###,###.##"), 9999999, keep);
    int pos = 0;
    for (const char* bad : {"-5", "1.234", "12a", "1e3"}) {
        QString t = QString::fromLatin1(bad);
        EXPECT_EQ(f->validate(t, pos), QValidator::Invalid) << bad;
    }
    QString good = QStringLiteral("$1,234.5");
    EXPECT_EQ(f->validate(good, pos), QValidator::Acceptable);
}

TEST(MaskedNumberField, SpinnerStepsAndStopsAtTheEnds) {
    test::PinnedEnv env;
    std::unique_ptr<MaskedNumberField> keep;
    MaskedNumberField* f = field(QStringLiteral("$###,###,###"), 99999999, keep);
    f->setSingleStep(10000);
    f->setValue(250000);
    f->stepBy(1);
    EXPECT_EQ(f->value(), 260000);
    f->setValue(99995000);
    f->stepBy(1);
    EXPECT_EQ(f->value(), 99999999);
    f->setValue(5000);
    f->stepBy(-1);
    EXPECT_EQ(f->value(), 0);
}

TEST(MaskedNumberField, LoadsAValueTextWrittenInTheLocale) {
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(QLocale::German, QLocale::Germany));
    std::unique_ptr<MaskedNumberField> keep;
    MaskedNumberField* f = field(QStringLiteral("$###,###.##"), 9999999, keep);
    f->setValueText(QStringLiteral("12,5"));
    EXPECT_DOUBLE_EQ(f->value(), 12.5);
    f->setValueText(QString());  // an empty text leaves the amount alone
    EXPECT_DOUBLE_EQ(f->value(), 12.5);
}

}  // namespace
}  // namespace lt

namespace lt {
namespace {

// In every locale, whatever its digits and separators, the field takes back the text it
// shows: a money amount with cents and a grouped whole income.
TEST(MaskedNumberField, EveryLocaleTakesBackItsOwnText) {
    QStringList failed;
    for (const QLocale& l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                     QLocale::AnyTerritory)) {
        if (l.language() == QLocale::C) continue;
        test::PinnedEnv env(test::PinnedEnv::defaultNow(), l);
        for (const auto& [mask, value] :
             {std::pair{"$###,###.##", 12.5}, std::pair{"$###,###.##", 999999.99},
              std::pair{"$###,###,###", 1234567.0}}) {
            std::unique_ptr<MaskedNumberField> keep;
            MaskedNumberField* f = field(QString::fromLatin1(mask), 99999999, keep);
            f->setValue(value);
            QString text = f->text();
            int pos = 0;
            if (f->validate(text, pos) != QValidator::Acceptable || f->valueFromText(text) != value)
                failed << l.name() + QStringLiteral(": ") + text;
        }
    }
    EXPECT_TRUE(failed.isEmpty()) << qPrintable(failed.join(u'\n'));
}

}  // namespace
}  // namespace lt
