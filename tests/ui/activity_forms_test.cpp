// What the time dialog and the money and frequency dialog do alike, each case run on
// both: they share their date controls and their OK and Cancel.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/activity_dialog_test_util.h"
#include "ui/money_dialog.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

// Born 20 March 1990; today is pinned to Sunday 6 December 2026.
const QString kBirthText = QStringLiteral("3/20/1990");

struct Form {
    const char* name;
    std::unique_ptr<form::ActivityForm> dialog;
    QToolButton* startCalendar;
};

// Both dialogs for a row from 15 June 2000 to 1 June 2010, as the main window presets
// them for Edit (the end date remembered before the switch to "Specific date").
std::vector<Form> bothForRow() {
    const DateTime birth = toDateTime(QDate(1990, 3, 20));
    auto time = std::make_unique<TfrmTime>(nullptr, birth, kBirthText);
    auto money = std::make_unique<TfrmMoney>(nullptr, birth, kBirthText);
    std::vector<Form> forms;
    forms.push_back({"time", nullptr, time->btStart});
    forms.back().dialog = std::move(time);
    forms.push_back({"money", nullptr, money->SpeedButton1});
    forms.back().dialog = std::move(money);
    for (Form& f : forms) {
        form::ActivityForm& d = *f.dialog;
        d.edName->setText(QStringLiteral("Piano"));
        d.edDate->setText(QStringLiteral("6/15/2000"));
        d.edEndDate->setText(QStringLiteral("6/1/2010"));
        d.lastEndDate = d.edEndDate->text();
        d.rbSpecific->setChecked(true);
    }
    return forms;
}

TEST(ActivityForms, CancelChecksNothing) {
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    for (Form& f : bothForRow()) {
        f.dialog->edName->clear();  // refused by OK
        test::showActive(*f.dialog);
        f.dialog->btCancel->click();
        EXPECT_TRUE(boxes.errors.isEmpty()) << f.name;
        EXPECT_EQ(f.dialog->result(), QDialog::Rejected) << f.name;
    }
}

// The end date the row had comes back after a switch to "Now" and back; one typed meanwhile
// is not remembered, and the calendar button follows the field.
TEST(ActivityForms, ASpecificEndDateComesBackAfterASwitch) {
    test::PinnedEnv env;
    for (Form& f : bothForRow()) {
        form::ActivityForm& d = *f.dialog;
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(d.edEndDate->isEnabled());
        test::showActive(d);
        EXPECT_TRUE(d.btEnd->isEnabled());
        d.edEndDate->setText(QStringLiteral("7/1/2010"));
        d.rbNow->click();
        EXPECT_EQ(d.edEndDate->text(), QStringLiteral("Now"));
        EXPECT_FALSE(d.btEnd->isEnabled());
        d.rbSpecific->click();
        EXPECT_EQ(d.edEndDate->text(), QStringLiteral("6/1/2010"));
        EXPECT_TRUE(d.btEnd->isEnabled());
    }
}

// Either calendar on a text that is no date says so, opens no picker (no answer is
// scripted) and changes nothing.
TEST(ActivityForms, ACalendarOnATextThatIsNoDateReportsAndChangesNothing) {
    test::PinnedEnv env;
    for (Form& f : bothForRow()) {
        form::ActivityForm& d = *f.dialog;
        test::showActive(d);
        const struct {
            QLineEdit* field;
            QToolButton* calendar;
            const char* report;
        } calendars[] = {
            {d.edDate, f.startCalendar, "Starting date of activity: 'June' is not a valid date"},
            {d.edEndDate, d.btEnd, "Ending date of activity: 'June' is not a valid date"}};
        for (const auto& c : calendars) {
            test::ScriptedBoxes boxes;
            const QString before = c.field->text();
            c.field->setText(QStringLiteral("June"));
            c.calendar->click();
            EXPECT_EQ(boxes.reports, QStringList{QLatin1String(c.report)}) << f.name;
            EXPECT_EQ(c.field->text(), QStringLiteral("June")) << f.name;
            EXPECT_TRUE(boxes.errors.isEmpty()) << f.name;
            c.field->setText(before);
        }
        EXPECT_EQ(d.lastEndDate, QStringLiteral("6/1/2010")) << f.name;
    }
}

}  // namespace
}  // namespace lt
