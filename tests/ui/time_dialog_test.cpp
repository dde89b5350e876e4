#include "ui/time_dialog.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

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

class TimeDialog : public ::testing::Test {
protected:
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    TfrmTime d{nullptr, birth(), kBirthText};

    // What the main window does for a new row.
    void presetNew() {
        d.edName->clear();
        d.numHours->setValue(0);
        d.numMin->setValue(0);
        d.edDate->setText(kBirthText);
        d.presetEnd(std::nullopt);
    }
    // What the main window does for an existing row, in its order.
    void presetRow(const QString& name, int hours, int minutes, QRadioButton* period,
                   const QString& start, const QString& end) {
        d.edName->setText(name);
        d.numHours->setValue(hours);
        d.numMin->setValue(minutes);
        period->setChecked(true);
        d.edDate->setText(start);
        d.presetEnd(end == u"Now" ? std::nullopt : std::optional(end));
    }
};

TEST_F(TimeDialog, DesignedWindowAndControls) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Activity time"));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.rbNow->parentWidget(), d.Panel1);
    EXPECT_EQ(d.edEndDate->parentWidget(), d.Panel1);
    EXPECT_EQ(d.lblEnd->parentWidget(), d.Panel1);

    EXPECT_EQ(d.Label1->text(), QStringLiteral("Description of activity"));
    EXPECT_EQ(d.Label5->text(), QStringLiteral("Amount of time spent per:"));
    EXPECT_EQ(d.Label3->text(), QStringLiteral("Hours"));
    EXPECT_EQ(d.Label4->text(), QStringLiteral("Minutes"));
    EXPECT_EQ(d.Label6->text(), QStringLiteral("Starting date of activity:"));
    EXPECT_EQ(d.Label2->text(), QStringLiteral("Ending date of activity:"));
    EXPECT_EQ(d.rbDay->text(), QStringLiteral("&Day"));
    EXPECT_EQ(d.rbWeek->text(), QStringLiteral("&Week"));
    EXPECT_EQ(d.rbMonth->text(), QStringLiteral("&Month"));
    EXPECT_EQ(d.rbNow->text(), QStringLiteral("&Indefinite"));
    EXPECT_EQ(d.rbSpecific->text(), QStringLiteral("&Specific date"));
    EXPECT_EQ(d.btOK->text(), QStringLiteral("&OK"));
    EXPECT_EQ(d.btCancel->text(), QStringLiteral("&Cancel"));
    EXPECT_TRUE(d.btOK->isDefault());
}

TEST_F(TimeDialog, LimitsDefaultsAndScreenReaderNames) {
    EXPECT_EQ(d.edName->maxLength(), 30);
    EXPECT_EQ(d.numHours->pictureMask(), QStringLiteral("###"));
    EXPECT_EQ(d.numHours->minimum(), 0);
    EXPECT_EQ(d.numHours->maximum(), 720);
    EXPECT_EQ(d.numHours->singleStep(), 1);
    EXPECT_EQ(d.numMin->pictureMask(), QStringLiteral("##"));
    EXPECT_EQ(d.numMin->maximum(), 59);
    EXPECT_EQ(d.numMin->singleStep(), 1);
    d.numHours->setValue(800);
    EXPECT_EQ(d.numHours->value(), 720);

    EXPECT_TRUE(d.rbDay->isChecked());
    EXPECT_TRUE(d.rbNow->isChecked());
    EXPECT_FALSE(d.edEndDate->isEnabled());
    EXPECT_FALSE(d.btEnd->isEnabled());
    EXPECT_TRUE(d.lastEndDate.isEmpty());

    for (QToolButton* b : {d.btStart, d.btEnd}) {
        EXPECT_EQ(b->toolTip(), QStringLiteral("Popup calendar"));
        EXPECT_EQ(b->accessibleName(), QStringLiteral("Popup calendar"));
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(b->icon().isNull()) << "calendar glyph not loaded";
    }
    EXPECT_EQ(d.Label1->buddy(), d.edName);
    EXPECT_EQ(d.Label3->buddy(), d.numHours);
    EXPECT_EQ(d.Label4->buddy(), d.numMin);
    EXPECT_EQ(d.Label6->buddy(), d.edDate);
    EXPECT_EQ(d.Label2->buddy(), d.edEndDate);
}

TEST_F(TimeDialog, TabOrderPutsIndefiniteBeforeSpecific) {
    const std::vector<QWidget*> want = {d.edName,     d.rbDay,     d.rbWeek, d.rbMonth,
                                        d.numHours,   d.numMin,    d.edDate, d.rbNow,
                                        d.rbSpecific, d.edEndDate, d.btOK,   d.btCancel};
    EXPECT_EQ(test::tabChain(d.edName, static_cast<int>(want.size())), want);
}

TEST_F(TimeDialog, NewRowShowsOnlyTheBirthDateWording) {
    presetNew();
    test::showActive(d);
    EXPECT_TRUE(d.lastEndDate.isEmpty());
    EXPECT_EQ(d.lblStart->text(), QStringLiteral("36 yrs 9 mons ago"));
    EXPECT_EQ(d.lblEnd->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), d.edName);
    EXPECT_FALSE(d.edEndDate->isEnabled());
}

TEST_F(TimeDialog, SpecificDateOnNewRowIsTodayAndSwitchesBack) {
    presetNew();
    test::showActive(d);
    d.rbSpecific->click();
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("12/6/2026"));
    EXPECT_TRUE(d.edEndDate->isEnabled());
    EXPECT_TRUE(d.btEnd->isEnabled());
    EXPECT_EQ(d.lblEnd->text(), QString()) << "the switch does not refresh the wording";
    d.rbNow->click();
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("Now"));
    EXPECT_FALSE(d.edEndDate->isEnabled());
    EXPECT_FALSE(d.btEnd->isEnabled());
}

TEST_F(TimeDialog, EditingASpecificEndDateOpensWithItAndItsWording) {
    presetRow(QStringLiteral("Piano"), 2, 30, d.rbWeek, QStringLiteral("6/15/2000"),
              QStringLiteral("6/1/2010"));
    // Selecting "Specific date" already ran the switch before the dialog shows.
    EXPECT_TRUE(d.rbSpecific->isChecked());
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("6/1/2010"));
    EXPECT_TRUE(d.edEndDate->isEnabled());
    test::showActive(d);
    EXPECT_EQ(d.lastEndDate, QStringLiteral("6/1/2010"));
    EXPECT_EQ(d.lblStart->text(), QStringLiteral("26 yrs 6 mons ago   You were 10 yrs 3 mons old"));
    EXPECT_EQ(d.lblEnd->text(), QStringLiteral("16 yrs 6 mons ago   You were 20 yrs 3 mons old"));
}

TEST_F(TimeDialog, SelectingSpecificBeforeLastEndDateFallsBackToToday) {
    // The reason the preset order matters: the switch reads lastEndDate at once.
    d.edEndDate->setText(QStringLiteral("6/1/2010"));
    d.rbSpecific->setChecked(true);
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("12/6/2026"));
}

TEST_F(TimeDialog, EditThenOkWithoutChangesKeepsTheTexts) {
    presetRow(QStringLiteral("Piano"), 2, 30, d.rbWeek, QStringLiteral("6/15/2000"),
              QStringLiteral("6/1/2010"));
    test::showActive(d);
    pressOk(d.btOK);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.edName->text(), QStringLiteral("Piano"));
    EXPECT_EQ(d.numHours->value(), 2);
    EXPECT_EQ(d.numMin->value(), 30);
    EXPECT_TRUE(d.rbWeek->isChecked());
    EXPECT_FALSE(d.rbDay->isChecked());
    EXPECT_EQ(d.edDate->text(), QStringLiteral("6/15/2000"));
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("6/1/2010"));
}

TEST_F(TimeDialog, IndefiniteAlwaysReturnsNow) {
    presetNew();
    d.edName->setText(QStringLiteral("Sleep"));
    d.numHours->setValue(8);
    d.edEndDate->setText(QStringLiteral("1/1/2020"));  // stale text under "Indefinite"
    test::showActive(d);
    pressOk(d.btOK);
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("Now"));
}

// One refused entry per control the focus goes back to; the checks themselves are rows
// of the activity-checks table.
struct FailCase {
    const char* label;
    const char* name;
    int hours;
    const char* start;
    bool specific;
    const char* end;
    const char* message;
    int focus;  // 0 name, 1 start, 2 end, 3 unchanged (stays on numMin)
};

class TimeDialogFailures : public TimeDialog, public ::testing::WithParamInterface<FailCase> {};

TEST_P(TimeDialogFailures, ShowsTheErrorMovesFocusAndStaysOpen) {
    const FailCase& c = GetParam();
    presetNew();
    d.edName->setText(QString::fromUtf8(c.name));
    d.numHours->setValue(c.hours);
    d.edDate->setText(QString::fromUtf8(c.start));
    if (c.specific) {
        d.rbSpecific->setChecked(true);
        d.edEndDate->setText(QString::fromUtf8(c.end));
    }
    test::showActive(d);
    d.numMin->setFocus();
    QTest::keyClick(d.numMin, Qt::Key_Return);  // OK is the default button
    EXPECT_EQ(boxes.errors, QStringList{QString::fromUtf8(c.message)});
    EXPECT_TRUE(d.isVisible());
    EXPECT_NE(d.result(), QDialog::Accepted);
    QWidget* const focus[] = {d.edName, d.edDate, d.edEndDate, d.numMin};
    EXPECT_EQ(QApplication::focusWidget(), focus[c.focus]);
    // Entries stay as they were.
    EXPECT_EQ(d.edName->text(), QString::fromUtf8(c.name));
    EXPECT_EQ(d.edDate->text(), QString::fromUtf8(c.start));
    if (c.specific) {
        EXPECT_EQ(d.edEndDate->text(), QString::fromUtf8(c.end));
    }
}

const FailCase kFailures[] = {
    {"blank", "", 1, "1/1/2000", false, "", "Description cannot be blank", 0},
    {"bad_start", "Run", 1, "2/30/2000", false, "", "Starting date is not valid", 1},
    {"bad_end", "Run", 1, "1/1/2000", true, "soon", "Ending date is not valid", 2},
    {"day_hours", "Run", 25, "1/1/2000", false, "", "Number of hours incorrect for days", 3},
};

INSTANTIATE_TEST_SUITE_P(Checks, TimeDialogFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(TimeDialog, LeavingEitherDateFieldRefreshesBothWordings) {
    presetNew();
    test::showActive(d);
    d.rbSpecific->click();  // end date today, wording not yet refreshed
    ASSERT_EQ(d.lblEnd->text(), QString());
    d.edDate->setFocus(Qt::TabFocusReason);
    d.edDate->setText(QStringLiteral("6/15/2000"));
    d.numHours->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(d.lblStart->text(), QStringLiteral("26 yrs 6 mons ago   You were 10 yrs 3 mons old"));
    EXPECT_EQ(d.lblEnd->text(), QStringLiteral("Today   You are 36 yrs 9 mons old"));

    d.edEndDate->setFocus(Qt::TabFocusReason);
    d.edEndDate->setText(QStringLiteral("oops"));
    d.edDate->setText(QStringLiteral("12/6/2026"));
    d.btOK->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(d.lblEnd->text(), QString());
    EXPECT_EQ(d.lblStart->text(), QStringLiteral("Today   You are 36 yrs 9 mons old"));
}

TEST_F(TimeDialog, StartCalendarWritesTheChosenDayAndRefreshesBoth) {
    presetNew();
    test::showActive(d);
    d.rbSpecific->click();
    boxes.onDialog = [](QDialog& picker) { return test::answerPicker(picker, QDate(2000, 6, 15)); };
    d.btStart->click();
    EXPECT_EQ(d.edDate->text(), QStringLiteral("6/15/2000"));
    EXPECT_EQ(QApplication::focusWidget(), d.edDate);
    EXPECT_EQ(d.lblStart->text(), QStringLiteral("26 yrs 6 mons ago   You were 10 yrs 3 mons old"));
    EXPECT_EQ(d.lblEnd->text(), QStringLiteral("Today   You are 36 yrs 9 mons old"));
}

TEST_F(TimeDialog, CancelledCalendarRewritesTheDateInShortFormat) {
    presetNew();
    d.edDate->setText(QStringLiteral("06/15/2000"));
    test::showActive(d);
    boxes.onDialog = [](QDialog& picker) { return test::answerPicker(picker, QDate()); };
    d.btStart->click();
    EXPECT_EQ(d.edDate->text(), QStringLiteral("6/15/2000"));
}

TEST_F(TimeDialog, EndCalendarRemembersTheChosenDateAcrossSwitches) {
    presetNew();
    test::showActive(d);
    d.rbSpecific->click();
    d.edEndDate->setText(QStringLiteral("Now"));  // the button turns "Now" into today first
    QDate seen;
    boxes.onDialog = [&seen](QDialog& picker) {
        seen = picker.findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->selectedDate();
        return test::answerPicker(picker, QDate(2011, 2, 3));
    };
    d.btEnd->click();
    EXPECT_EQ(seen, QDate(2026, 12, 6));
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("2/3/2011"));
    EXPECT_EQ(d.lastEndDate, QStringLiteral("2/3/2011"));
    EXPECT_EQ(QApplication::focusWidget(), d.edEndDate);
    // Too long for one line of the ending panel: the age goes under the date's wording.
    EXPECT_EQ(d.lblEnd->text(), QStringLiteral("15 yrs 10 mons ago\nYou were 20 yrs 11 mons old"));
    d.rbNow->click();
    d.rbSpecific->click();
    EXPECT_EQ(d.edEndDate->text(), QStringLiteral("2/3/2011"));
}

TEST_F(TimeDialog, ShowRunsItsSetupOnce) {
    presetRow(QStringLiteral("Piano"), 2, 30, d.rbWeek, QStringLiteral("6/15/2000"),
              QStringLiteral("6/1/2010"));
    test::showActive(d);
    d.hide();
    d.edEndDate->setText(QStringLiteral("1/1/2001"));
    d.show();
    EXPECT_EQ(d.lastEndDate, QStringLiteral("6/1/2010"));
}

TEST_F(TimeDialog, TheLongestWordingShowsWholeUnderBothDates) {
    TfrmTime dlg(nullptr, toDateTime(QDate(1989, 2, 1)), QStringLiteral("2/1/1989"));
    dlg.edDate->setText(QStringLiteral("1/15/2000"));
    dlg.edEndDate->setText(QStringLiteral("1/15/2000"));
    dlg.lastEndDate = dlg.edEndDate->text();
    dlg.rbSpecific->setChecked(true);
    dlg.show();
    const QString longest = QStringLiteral("26 yrs 11 mons ago   You were 10 yrs 11 mons old");
    ASSERT_EQ(dlg.lblStart->text(), longest);
    // Under the test fonts it fits beside the fields but not on one line inside the ending
    // panel, where the age goes on a second line.
    const auto advance = [&](QLabel* l) { return l->fontMetrics().horizontalAdvance(longest); };
    ASSERT_LE(advance(dlg.lblStart), dlg.lblStart->width());
    ASSERT_GT(advance(dlg.lblEnd), dlg.lblEnd->width());
    EXPECT_EQ(dlg.lblEnd->text(),
              QStringLiteral("26 yrs 11 mons ago\nYou were 10 yrs 11 mons old"));
    for (QLabel* l : {dlg.lblStart, dlg.lblEnd})
        EXPECT_LE(l->heightForWidth(l->width()), l->height());
    EXPECT_LE(dlg.lblEnd->geometry().bottom(), dlg.Panel1->contentsRect().bottom());
}

TEST_F(TimeDialog, KeyboardTypingEnterAndEscape) {
    presetNew();
    test::showActive(d);
    QTest::keyClicks(d.edName, QStringLiteral("A description longer than thirty chars"));
    EXPECT_EQ(d.edName->text(), QStringLiteral("A description longer than thir"));
    QTest::keyClick(d.edName, Qt::Key_Return);  // OK is the default button
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(boxes.errors.isEmpty());

    TfrmTime other(nullptr, birth(), kBirthText);
    test::showActive(other);
    QTest::keyClick(other.edName, Qt::Key_Escape);
    EXPECT_EQ(other.result(), QDialog::Rejected);
    EXPECT_FALSE(other.isVisible());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

void typeInto(MaskedNumberField* field, const char* text) {
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(text));
}

TEST_F(TimeDialog, EscCancelAndTitleBarLeaveAnHourOutOfRangeUnchecked) {
    for (int way = 0; way < 3; ++way) {
        TfrmTime t(nullptr, birth(), kBirthText);
        test::showActive(t);
        typeInto(t.numHours, "900");
        if (way == 0) QTest::keyClick(t.numHours, Qt::Key_Escape);
        if (way == 1) QTest::mouseClick(t.btCancel, Qt::LeftButton);
        if (way == 2) t.close();
        EXPECT_EQ(t.result(), QDialog::Rejected) << way;
        EXPECT_EQ(t.numHours->value(), 0) << way;
    }
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();
}

TEST_F(TimeDialog, TabAndOkRefuseAnHourOutOfRangeOnceEach) {
    presetNew();
    d.edName->setText(QStringLiteral("Reading"));
    test::showActive(d);
    typeInto(d.numHours, "900");
    QTest::keyClick(d.numHours, Qt::Key_Tab);
    typeInto(d.numHours, "900");
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    const QString no = QStringLiteral("900 is not a valid value. It must be between 0 and 720.");
    EXPECT_EQ(boxes.reports, (QStringList{no, no}));
    EXPECT_TRUE(d.isVisible());
}

TEST_F(TimeDialog, WordingLabelShowsMarkupLiterally) {
    d.lblStart->setText(QStringLiteral("<b>x</b>"));
    EXPECT_EQ(d.lblStart->textFormat(), Qt::PlainText);
}

}  // namespace
}  // namespace lt
