// Leaving an activity dialog with a number outside its field's range typed in.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/activity_dialog_test_util.h"
#include "ui/masked_field.h"
#include "ui/money_dialog.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

const QString kBirthText = QStringLiteral("3/20/1990");
DateTime birth() { return toDateTime(QDate(1990, 3, 20)); }

// One masked field of one dialog, preset to a value a row could hold.
struct FieldCase {
    const char* name;
    bool money;         // the money dialog, else the time dialog
    const char* field;  // object name of the masked field
    double preset;
    const char* typed;    // outside the field's range
    const char* message;  // what the refusal says
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

const FieldCase kFields[] = {
    {"hours", false, "numHours", 8, "900",
     "900 is not a valid value. It must be between 0 and 720."},
    {"minutes", false, "numMin", 30, "75", "75 is not a valid value. It must be between 0 and 59."},
    {"money", true, "numMoney", 12.5, "12345678",
     "12345678 is not a valid value. It must be between $0.00 and $9,999,999.00."},
};

class LeavingWithOutOfRange : public ::testing::TestWithParam<FieldCase> {
protected:
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    std::unique_ptr<form::ActivityForm> d;
    MaskedNumberField* f = nullptr;

    void SetUp() override {
        const FieldCase& c = GetParam();
        if (c.money) {
            auto* m = new TfrmMoney(nullptr, birth(), kBirthText);
            m->moneyMode = true;
            d.reset(m);
        } else {
            d.reset(new TfrmTime(nullptr, birth(), kBirthText));
        }
        d->edName->setText(QStringLiteral("Reading"));
        d->edDate->setText(kBirthText);
        f = d->findChild<MaskedNumberField*>(QLatin1String(c.field));
        ASSERT_NE(f, nullptr);
        f->setValue(c.preset);
        test::showActive(*d);
        f->setFocus(Qt::TabFocusReason);
        f->selectAll();
        QTest::keyClicks(f, QString::fromLatin1(c.typed));
        ASSERT_EQ(f->findChild<QLineEdit*>()->text(), QString::fromLatin1(c.typed));
    }

    void expectLeftQuietly() {
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_FALSE(d->isVisible());
        EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();
        EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
        EXPECT_EQ(f->value(), GetParam().preset);
    }
};

TEST_P(LeavingWithOutOfRange, EscapeShowsNoBox) {
    QTest::keyClick(f, Qt::Key_Escape);
    expectLeftQuietly();
}

TEST_P(LeavingWithOutOfRange, CancelShowsNoBox) {
    QTest::mouseClick(d->btCancel, Qt::LeftButton);
    expectLeftQuietly();
}

TEST_P(LeavingWithOutOfRange, TitleBarCloseShowsNoBox) {
    d->close();
    expectLeftQuietly();
}

TEST_P(LeavingWithOutOfRange, TabToTheNextControlRefusesOnce) {
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(boxes.reports, QStringList{QString::fromLatin1(GetParam().message)});
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(f->value(), GetParam().preset);
}

TEST_P(LeavingWithOutOfRange, OkRefusesWithTheBoxAndStaysOpen) {
    QTest::mouseClick(d->btOK, Qt::LeftButton);
    EXPECT_EQ(boxes.reports, QStringList{QString::fromLatin1(GetParam().message)});
    EXPECT_TRUE(d->isVisible());
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(f->value(), GetParam().preset);

    // Enter, the default button's key, refuses the same way.
    f->setFocus(Qt::TabFocusReason);
    f->selectAll();
    QTest::keyClicks(f, QString::fromLatin1(GetParam().typed));
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_EQ(boxes.reports.size(), 2);
    EXPECT_TRUE(d->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Fields, LeavingWithOutOfRange, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lt
