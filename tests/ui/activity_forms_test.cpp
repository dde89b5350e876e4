// What the time dialog and the money and frequency dialog do alike, run on both.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>
#include <tuple>
#include <utility>

#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/activity_dialog_test_util.h"
#include "ui/money_dialog.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

// Each dialog for Piano, 15 June 2000 to 1 June 2010, as the main window presets it for
// Edit (born 20 March 1990; today is pinned to 6 December 2026); then `check` on it and
// its starting date's calendar button.
void onBoth(const std::function<void(form::ActivityForm&, QToolButton*)>& check) {
    const DateTime birth = toDateTime(QDate(1990, 3, 20));
    TfrmTime time(nullptr, birth, QStringLiteral("3/20/1990"));
    TfrmMoney money(nullptr, birth, QStringLiteral("3/20/1990"));
    for (auto [d, startCalendar] :
         {std::pair<form::ActivityForm*, QToolButton*>{&time, time.btStart},
          {&money, money.SpeedButton1}}) {
        SCOPED_TRACE(d->metaObject()->className());
        d->edName->setText(QStringLiteral("Piano"));
        d->edDate->setText(QStringLiteral("6/15/2000"));
        d->edEndDate->setText(QStringLiteral("6/1/2010"));
        d->lastEndDate = d->edEndDate->text();
        d->rbSpecific->setChecked(true);
        test::showActive(*d);
        check(*d, startCalendar);
    }
}

TEST(ActivityForms, CancelChecksNothing) {
    test::PinnedEnv env;
    onBoth([](form::ActivityForm& d, QToolButton*) {
        test::ScriptedBoxes boxes;
        d.edName->clear();  // OK would refuse it
        d.btCancel->click();
        EXPECT_TRUE(boxes.errors.isEmpty());
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
}

// The row's end date comes back after a switch to "Now"; one typed meanwhile does not.
TEST(ActivityForms, ASpecificEndDateComesBackAfterASwitch) {
    test::PinnedEnv env;
    onBoth([](form::ActivityForm& d, QToolButton*) {
        d.edEndDate->setText(QStringLiteral("7/1/2010"));
        d.rbNow->click();
        EXPECT_EQ(d.edEndDate->text(), QStringLiteral("Now"));
        EXPECT_FALSE(d.btEnd->isEnabled());
        d.rbSpecific->click();
        EXPECT_EQ(d.edEndDate->text(), QStringLiteral("6/1/2010"));
        EXPECT_TRUE(d.btEnd->isEnabled() && d.edEndDate->isEnabled());
    });
}

// Either calendar on a text that is no date says so, opens no picker (none is scripted)
// and changes nothing.
TEST(ActivityForms, ACalendarOnATextThatIsNoDateReportsAndChangesNothing) {
    test::PinnedEnv env;
    onBoth([](form::ActivityForm& d, QToolButton* startCalendar) {
        const std::tuple<QLineEdit*, QToolButton*, const char*> calendars[] = {
            {d.edDate, startCalendar, "Starting date of activity: 'June' is not a valid date"},
            {d.edEndDate, d.btEnd, "Ending date of activity: 'June' is not a valid date"}};
        for (const auto& [field, calendar, report] : calendars) {
            test::ScriptedBoxes boxes;
            field->setText(QStringLiteral("June"));
            calendar->click();
            EXPECT_EQ(boxes.reports, QStringList{QLatin1String(report)});
            EXPECT_EQ(field->text(), QStringLiteral("June"));
            EXPECT_TRUE(boxes.errors.isEmpty());
        }
        EXPECT_EQ(d.lastEndDate, QStringLiteral("6/1/2010"));
    });
}

}  // namespace
}  // namespace lt
