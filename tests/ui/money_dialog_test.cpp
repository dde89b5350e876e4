#include "ui/money_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "core/activity.h"
#include "core/cell_text.h"
#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/activity_dialog_test_util.h"
#include "ui/masked_field.h"

namespace lt {
namespace {

using test::pressOk;

// Born 20 March 1990; today is pinned to Sunday 6 December 2026.
const QString kBirthText = QStringLiteral("3/20/1990");
DateTime birth() { return toDateTime(QDate(1990, 3, 20)); }

const QString kNow = QStringLiteral("Now");

class MoneyDialog : public ::testing::Test {
protected:
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    TfrmMoney d{nullptr, birth(), kBirthText};

    // What the main window does for a new row.
    void presetNew(bool moneyMode) {
        d.edName->clear();
        d.numMoney->setValue(0);
        d.edDate->setText(kBirthText);
        d.presetEnd(std::nullopt);
        d.moneyMode = moneyMode;
    }
    // What the main window does for an existing row, in its order.
    void presetRow(bool moneyMode, const QString& name, const QString& amountCell, int when,
                   const QString& start, const QString& end) {
        d.edName->setText(name);
        d.amount = readActivity(moneyMode ? TableKind::Money : TableKind::Freq,
                                {name, amountCell, {}, start, end})
                       .amount.value;
        d.cbWhen->setCurrentIndex(when);
        d.edDate->setText(start);
        d.presetEnd(end == kNow ? std::nullopt : std::optional(end));
        d.moneyMode = moneyMode;
    }
};

TEST_F(MoneyDialog, DesignedWindowAndControls) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Activity "));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.rbNow->parentWidget(), d.Panel1);
    EXPECT_EQ(d.Label7->parentWidget(), d.Panel1);

    EXPECT_EQ(d.Label1->text(), QStringLiteral("Description of activity"));
    EXPECT_EQ(d.Label6->text(), QStringLiteral("Starting date of activity:"));
    EXPECT_EQ(d.Label2->text(), QStringLiteral("Ending date of activity:"));
    EXPECT_EQ(d.rbNow->text(), QStringLiteral("&Indefinite"));
    EXPECT_EQ(d.rbSpecific->text(), QStringLiteral("&Specific date"));
    EXPECT_TRUE(d.btOK->isDefault());
    EXPECT_EQ(d.edName->maxLength(), 30);

    QStringList items;
    for (int i = 0; i < d.cbWhen->count(); ++i) items << d.cbWhen->itemText(i);
    EXPECT_EQ(items,
              (QStringList{QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"),
                           QStringLiteral("Year"), QStringLiteral("Once only")}));
    EXPECT_FALSE(d.cbWhen->isEditable());
    EXPECT_EQ(d.cbWhen->currentIndex(), 0);
    EXPECT_EQ(d.numMoney->minimum(), 0);
    EXPECT_EQ(d.numMoney->maximum(), 9999999);
    EXPECT_EQ(d.numMoney->singleStep(), 1);
    EXPECT_TRUE(d.moneyMode);
    EXPECT_EQ(d.Label5->text(), QStringLiteral("Amount of money spent per:"));
    EXPECT_EQ(d.Label3->text(), QStringLiteral("Money"));
    EXPECT_EQ(d.numMoney->pictureMask(), QStringLiteral("$###,###.##"));

    for (QToolButton* b : {d.SpeedButton1, d.btEnd}) {
        EXPECT_EQ(b->toolTip(), QStringLiteral("Popup calendar"));
        EXPECT_EQ(b->accessibleName(), QStringLiteral("Popup calendar"));
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(b->icon().isNull());
    }
    EXPECT_EQ(d.Label1->buddy(), d.edName);
    EXPECT_EQ(d.Label5->buddy(), d.cbWhen);
    EXPECT_EQ(d.Label3->buddy(), d.numMoney);
    EXPECT_EQ(d.Label6->buddy(), d.edDate);
    EXPECT_EQ(d.Label2->buddy(), d.edEndDate);
}

TEST_F(MoneyDialog, TabOrderPutsSpecificBeforeIndefinite) {
    const std::vector<QWidget*> want = {d.edName, d.cbWhen,    d.numMoney, d.edDate,  d.rbSpecific,
                                        d.rbNow,  d.edEndDate, d.btOK,     d.btCancel};
    EXPECT_EQ(test::tabChain(d.edName, static_cast<int>(want.size())), want);
}

TEST_F(MoneyDialog, ModesChooseWordingAndMask) {
    struct Mode {
        bool money;
        const char* per;
        const char* what;
        const char* mask;
    };
    for (const Mode m : {Mode{false, "Frequency performed per:", "Number", "###,###"},
                         Mode{true, "Amount of money spent per:", "Money", "$###,###.##"}}) {
        TfrmMoney dlg(nullptr, birth(), kBirthText);
        dlg.moneyMode = m.money;
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Activity "));
        EXPECT_EQ(dlg.Label5->text(), QString::fromUtf8(m.per));
        EXPECT_EQ(dlg.Label3->text(), QString::fromUtf8(m.what));
        EXPECT_EQ(dlg.numMoney->pictureMask(), QString::fromUtf8(m.mask));
        EXPECT_GE(dlg.Label5->width(), dlg.Label5->sizeHint().width());
    }
}

TEST_F(MoneyDialog, NewRowOpensWithDayZeroBirthDateAndIndefinite) {
    presetNew(true);
    test::showActive(d);
    EXPECT_EQ(d.cbWhen->currentIndex(), 0);
    EXPECT_EQ(d.numMoney->text(), QStringLiteral("$0.00"));
    EXPECT_FALSE(d.edEndDate->isEnabled());
    EXPECT_TRUE(d.lastEndDate.isEmpty());
    EXPECT_EQ(d.Label4->text(), QStringLiteral("36 yrs 9 mons ago"));
    EXPECT_EQ(d.Label7->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), d.edName);
}

struct AmountCase {
    const char* label;
    QLocale::Language language;
    QLocale::Country country;
    bool money;
    double value;
    const char* shown;
};

class MoneyAmountText : public ::testing::TestWithParam<AmountCase> {};

TEST_P(MoneyAmountText, ShowsWhatGoesIntoTheCellAndLoadsItBack) {
    const AmountCase& c = GetParam();
    test::PinnedEnv env(test::PinnedEnv::defaultNow(), QLocale(c.language, c.country));
    test::ScriptedBoxes boxes;
    const QString shown = QString::fromUtf8(c.shown);
    {
        TfrmMoney dlg(nullptr, birth(), kBirthText);
        dlg.moneyMode = c.money;
        dlg.show();
        dlg.numMoney->setValue(c.value);
        EXPECT_EQ(dlg.numMoney->text(), shown);
    }
    // Edit loads the amount the row was read with.
    TfrmMoney dlg(nullptr, birth(), kBirthText);
    dlg.moneyMode = c.money;
    dlg.amount =
        readActivity(TableKind::Money, StoredRow{QString(), shown, QString(), QString(), QString()})
            .amount.value;
    dlg.show();
    EXPECT_DOUBLE_EQ(dlg.numMoney->value(), c.value);
    EXPECT_EQ(dlg.numMoney->text(), shown);
}

const AmountCase kAmounts[] = {
    {"us_money", QLocale::English, QLocale::UnitedStates, true, 12.5, "$12.50"},
    {"us_money_grouped", QLocale::English, QLocale::UnitedStates, true, 1234.5, "$1,234.50"},
    {"us_money_cent", QLocale::English, QLocale::UnitedStates, true, 0.01, "$0.01"},
    {"us_money_above_mask", QLocale::English, QLocale::UnitedStates, true, 9999999,
     "$9,999,999.00"},
    {"us_number", QLocale::English, QLocale::UnitedStates, false, 12, "12"},
    {"us_number_above_mask", QLocale::English, QLocale::UnitedStates, false, 1234567, "1,234,567"},
    {"de_money", QLocale::German, QLocale::Germany, true, 12.5, "12,50\u00A0\u20AC"},
    {"de_money_grouped", QLocale::German, QLocale::Germany, true, 1234.5, "1.234,50\u00A0\u20AC"},
    {"de_number", QLocale::German, QLocale::Germany, false, 1234567, "1.234.567"},
};

INSTANTIATE_TEST_SUITE_P(Locales, MoneyAmountText, ::testing::ValuesIn(kAmounts),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(MoneyDialog, EmptyAmountTextKeepsThePresetValue) {
    presetNew(false);
    d.show();
    EXPECT_EQ(d.numMoney->value(), 0);
    EXPECT_EQ(d.numMoney->text(), QStringLiteral("0"));
}

TEST_F(MoneyDialog, ZeroAmountIsRefusedWithFocusOnTheAmount) {
    presetNew(true);
    d.edName->setText(QStringLiteral("Coffee"));
    test::showActive(d);
    pressOk(d.btOK);
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Value cannot be set to 0")});
    EXPECT_TRUE(d.isVisible());
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(QApplication::focusWidget(), d.numMoney);

    d.numMoney->setValue(0.01);
    pressOk(d.btOK);
    EXPECT_EQ(boxes.errors.size(), 1);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.numMoney->text(), QStringLiteral("$0.01"));
    EXPECT_EQ(d.edEndDate->text(), kNow);
}

TEST_F(MoneyDialog, FirstFailureWinsAndMovesFocus) {
    presetNew(true);
    d.edDate->setText(QStringLiteral("3/19/1990"));  // before birth, and no name, amount 0
    test::showActive(d);
    d.numMoney->setFocus();
    pressOk(d.btOK);
    d.edName->setText(QStringLiteral("Coffee"));
    pressOk(d.btOK);
    EXPECT_EQ(boxes.errors,
              (QStringList{QStringLiteral("Description cannot be blank"),
                           QStringLiteral("Starting date is earlier than date of birth")}));
    EXPECT_EQ(QApplication::focusWidget(), d.edDate);
    d.rbSpecific->click();
    d.edEndDate->setText(QStringLiteral("31/1/2000"));
    pressOk(d.btOK);
    EXPECT_EQ(boxes.errors.last(), QStringLiteral("Ending date is not valid"));
    EXPECT_EQ(QApplication::focusWidget(), d.edEndDate);
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("31/1/2000"));
}

TEST_F(MoneyDialog, EditThenOkWithoutChangesKeepsTheTexts) {
    presetRow(false, QStringLiteral("Swim"), QStringLiteral("1,200"), 4,
              QStringLiteral("6/15/2000"), kNow);
    test::showActive(d);
    EXPECT_EQ(d.cbWhen->currentText(), QStringLiteral("Once only"));
    pressOk(d.btOK);
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.edName->text(), QStringLiteral("Swim"));
    EXPECT_EQ(d.numMoney->text(), QStringLiteral("1,200"));
    EXPECT_EQ(d.cbWhen->currentIndex(), 4);
    EXPECT_EQ(d.edDate->text(), QStringLiteral("6/15/2000"));
    EXPECT_EQ(d.edEndDate->text(), kNow);
}

TEST_F(MoneyDialog, LeavingADateFieldRefreshesOnlyItsOwnWording) {
    presetNew(true);
    test::showActive(d);
    d.rbSpecific->click();  // end date today, wording still empty
    d.edDate->setFocus(Qt::TabFocusReason);
    d.edDate->setText(QStringLiteral("6/15/2000"));
    d.numMoney->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(d.Label4->text(), QStringLiteral("26 yrs 6 mons ago   You were 10 yrs 3 mons old"));
    EXPECT_EQ(d.Label7->text(), QString());

    d.edDate->setText(QStringLiteral("12/6/2026"));  // typed elsewhere, not yet left
    d.edEndDate->setFocus(Qt::TabFocusReason);
    d.btOK->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(d.Label7->text(), QStringLiteral("Today   You are 36 yrs 9 mons old"));
    EXPECT_EQ(d.Label4->text(), QStringLiteral("26 yrs 6 mons ago   You were 10 yrs 3 mons old"));
}

TEST_F(MoneyDialog, EndCalendarRefreshesOnlyTheEndingWording) {
    presetNew(true);
    test::showActive(d);
    d.rbSpecific->click();
    d.edDate->setText(QStringLiteral("6/15/2000"));  // starting wording now stale
    boxes.onDialog = [](QDialog& picker) { return test::answerPicker(picker, QDate(2026, 12, 6)); };
    d.btEnd->click();
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("12/6/2026"));
    EXPECT_EQ(d.lastEndDate, QStringLiteral("12/6/2026"));
    EXPECT_EQ(QApplication::focusWidget(), d.edEndDate);
    EXPECT_EQ(d.Label7->text(), QStringLiteral("Today   You are 36 yrs 9 mons old"));
    EXPECT_EQ(d.Label4->text(), QStringLiteral("36 yrs 9 mons ago"));
}

TEST_F(MoneyDialog, StartCalendarRefreshesBothWordings) {
    presetNew(true);
    test::showActive(d);
    d.rbSpecific->click();
    boxes.onDialog = [](QDialog& picker) { return test::answerPicker(picker, QDate(2000, 6, 15)); };
    d.SpeedButton1->click();
    EXPECT_EQ(d.edDate->text(), QStringLiteral("6/15/2000"));
    EXPECT_EQ(QApplication::focusWidget(), d.edDate);
    EXPECT_EQ(d.Label4->text(), QStringLiteral("26 yrs 6 mons ago   You were 10 yrs 3 mons old"));
    EXPECT_EQ(d.Label7->text(), QStringLiteral("Today   You are 36 yrs 9 mons old"));
}

TEST_F(MoneyDialog, TypedAmountCountsWhenOkIsClicked) {
    presetNew(true);
    d.edName->setText(QStringLiteral("Lunch"));
    test::showActive(d);
    d.numMoney->setFocus(Qt::TabFocusReason);
    d.numMoney->selectAll();
    QTest::keyClicks(d.numMoney, QStringLiteral("1234.5"));
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.numMoney->text(), QStringLiteral("$1,234.50"));
}

}  // namespace
}  // namespace lt
