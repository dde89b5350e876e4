#include "ui/pick_date_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/pick_date_window_p.h"

namespace lt {
namespace {

DateTime day(int y, int m, int d) { return toDateTime(QDate(y, m, d)); }

DateTime moment(int y, int m, int d, int h, int min) {
    return toDateTime(QDateTime(QDate(y, m, d), QTime(h, min)));
}

// The pinned today is Sunday 6 December 2026.
const QDate pinnedToday(2026, 12, 6);

QCalendarWidget* calendarOf(TfrmPickDate& f) {
    return f.findChild<QCalendarWidget*>(QStringLiteral("Calendar"));
}
QAbstractItemView* viewOf(TfrmPickDate& f) { return f.dayTable(); }
QSlider* trackBarOf(TfrmPickDate& f) { return f.findChild<QSlider*>(QStringLiteral("TrackBar1")); }
QString panel(TfrmPickDate& f, const char* name) {
    return f.findChild<QLabel*>(QString::fromLatin1(name))->text();
}
void click(TfrmPickDate& f, const char* name) {
    auto* button = f.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs pickDate with `script` driving the shown window; the window's result (accepted,
// or rejected when the script leaves it open) is what the modal loop returns.
struct PickerRun {
    DateTime result = 0;
    bool opened = false;
    bool destroyed = false;
};

PickerRun runPicker(QWidget* field, DateTime initial, DateTime birth,
                    const std::function<void(TfrmPickDate&)>& script) {
    test::ScriptedBoxes boxes;
    QPointer<TfrmPickDate> seen;
    PickerRun run;
    boxes.onDialog = [&](QDialog& d) {
        auto* form = qobject_cast<TfrmPickDate*>(&d);
        EXPECT_NE(form, nullptr);
        if (!form) return int(QDialog::Rejected);
        seen = form;
        run.opened = true;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "hourglass left on";
        form->show();
        script(*form);
        return form->result();
    };
    run.result = pickDate(field, initial, birth);
    run.destroyed = seen.isNull();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    return run;
}

class PickDateWindow : public ::testing::Test {
protected:
    test::PinnedEnv env;
    const DateTime birth = day(1990, 1, 1);  // 13488 days before today: step 134
};

// ---- height rule ----

TEST_F(PickDateWindow, BirthSevenHundredDaysBackHasNoLifeLine) {
    // 5 January 2025 is 700 days before 6 December 2026.
    runPicker(nullptr, 0, day(2025, 1, 5), [](TfrmPickDate& f) {
        EXPECT_FALSE(f.lifeLineVisible());
        EXPECT_EQ(f.height(), 293);
        EXPECT_EQ(f.width(), 370);
        EXPECT_FALSE(trackBarOf(f)->isVisible());
        EXPECT_FALSE(f.findChild<QLabel*>(QStringLiteral("lblLifeMiddle"))->isVisible());
        EXPECT_TRUE(f.findChild<QPushButton*>(QStringLiteral("btnCancel"))->isVisible());
    });
}

TEST_F(PickDateWindow, BirthSevenHundredAndOneDaysBackHasTheLifeLine) {
    runPicker(nullptr, 0, moment(2025, 1, 4, 23, 0), [](TfrmPickDate& f) {
        EXPECT_TRUE(f.lifeLineVisible());
        EXPECT_EQ(f.height(), 353);
        EXPECT_EQ(f.width(), 370);
        EXPECT_TRUE(trackBarOf(f)->isVisible());
        for (const char* name : {"lblLifeBirth", "lblLifeMiddle", "lblLifePresent"})
            EXPECT_TRUE(f.findChild<QLabel*>(QString::fromLatin1(name))->isVisible()) << name;
        EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("lblLifeBirth"))->text(), "Date of birth");
        EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("lblLifeMiddle"))->text(), "Mid-life");
        EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("lblLifePresent"))->text(), "Present");
        EXPECT_EQ(trackBarOf(f)->minimum(), 0);
        EXPECT_EQ(trackBarOf(f)->maximum(), 100);
        EXPECT_EQ(trackBarOf(f)->tickInterval(), 5);
        EXPECT_EQ(trackBarOf(f)->tickPosition(), QSlider::TicksBelow);
    });
}

TEST_F(PickDateWindow, FramelessAndTitledCalendar) {
    runPicker(nullptr, 0, birth, [](TfrmPickDate& f) {
        EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(f.windowTitle(), "Calendar");
        EXPECT_FALSE(calendarOf(f)->isNavigationBarVisible());
        EXPECT_EQ(calendarOf(f)->minimumDate(), QDate(1600, 2, 1));
        EXPECT_EQ(calendarOf(f)->maximumDate(), QDate(3999, 11, 30));
    });
}

// ---- results ----

TEST_F(PickDateWindow, CancelWithInitialZeroStartsOnTodayAndReturnsZero) {
    const PickerRun run = runPicker(nullptr, 0.0, birth, [](TfrmPickDate& f) {
        EXPECT_EQ(calendarOf(f)->selectedDate(), pinnedToday);
        click(f, "btnCancel");
    });
    EXPECT_TRUE(run.opened);
    EXPECT_EQ(run.result, 0.0);
    EXPECT_TRUE(run.destroyed);
}

TEST_F(PickDateWindow, CancelWithNegativeInitialReturnsItExactly) {
    const PickerRun run = runPicker(nullptr, -5.25, birth, [](TfrmPickDate& f) {
        EXPECT_EQ(calendarOf(f)->selectedDate(), pinnedToday);
        click(f, "YearSpinnerDown");
        QTest::keyClick(viewOf(f), Qt::Key_Escape);
    });
    EXPECT_EQ(run.result, -5.25);
    EXPECT_TRUE(run.destroyed);
}

TEST_F(PickDateWindow, CancelAfterMovingReturnsTheInitialMomentWithItsTime) {
    const DateTime initial = moment(2001, 7, 14, 15, 30);
    const PickerRun run = runPicker(nullptr, initial, birth, [](TfrmPickDate& f) {
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2001, 7, 14));
        click(f, "MonthSpinnerUp");
        click(f, "btnCancel");
    });
    EXPECT_EQ(run.result, initial);
}

TEST_F(PickDateWindow, OkReturnsTheDayAtMidnight) {
    const PickerRun run = runPicker(nullptr, moment(2001, 7, 14, 15, 30), birth,
                                    [](TfrmPickDate& f) { click(f, "btnOk"); });
    EXPECT_EQ(run.result, day(2001, 7, 14));
    EXPECT_TRUE(run.destroyed);
}

TEST_F(PickDateWindow, ClosedWithoutAnswerCountsAsCancel) {
    const PickerRun run = runPicker(nullptr, day(2001, 7, 14), birth, [](TfrmPickDate& f) {
        click(f, "MonthSpinnerUp");
        f.close();
    });
    EXPECT_EQ(run.result, day(2001, 7, 14));
}

TEST_F(PickDateWindow, InitialOutsideTheCalendarLeavesItOnToday) {
    const DateTime far = day(4500, 1, 1);
    const PickerRun run = runPicker(nullptr, far, birth, [](TfrmPickDate& f) {
        EXPECT_EQ(calendarOf(f)->selectedDate(), pinnedToday);
        click(f, "btnCancel");
    });
    EXPECT_EQ(run.result, far);
}

// ---- spinners ----

TEST_F(PickDateWindow, MonthDownFrom31MarchGivesLastDayOfFebruary) {
    const PickerRun run = runPicker(nullptr, day(2024, 3, 31), birth, [](TfrmPickDate& f) {
        click(f, "MonthSpinnerDown");
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2024, 2, 29));
        EXPECT_EQ(panel(f, "pnlMonth"), "February");
        EXPECT_EQ(panel(f, "pnlYear"), "2024");
        click(f, "btnOk");
    });
    EXPECT_EQ(run.result, day(2024, 2, 29));
}

TEST_F(PickDateWindow, YearSpinnerStepsAndKeepsTheDay) {
    const PickerRun run = runPicker(nullptr, day(2024, 2, 29), birth, [](TfrmPickDate& f) {
        click(f, "YearSpinnerUp");
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2025, 2, 28));
        EXPECT_EQ(panel(f, "pnlYear"), "2025");
        click(f, "YearSpinnerDown");
        click(f, "YearSpinnerDown");
        click(f, "btnOk");
    });
    EXPECT_EQ(run.result, day(2023, 2, 28));
}

// ---- life line ----

TEST_F(PickDateWindow, TrackBarFiftyIsFiftyStepsFromBirth) {
    // Step 134 leaves 88 days over: position 50 is 6 May 2008, not mid-life (19 June).
    const PickerRun run = runPicker(nullptr, 0, birth, [](TfrmPickDate& f) {
        trackBarOf(f)->setValue(50);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2008, 5, 6));
        EXPECT_EQ(panel(f, "pnlMonth"), "May");
        EXPECT_EQ(panel(f, "pnlYear"), "2008");
        QTest::keyClick(trackBarOf(f), Qt::Key_Right);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2008, 9, 17));  // + 134 days
        QTest::keyClick(trackBarOf(f), Qt::Key_Return);
    });
    EXPECT_EQ(run.result, day(2008, 9, 17));
}

TEST_F(PickDateWindow, TrackBarFollowsTheCalendarWithoutMovingTheDay) {
    const PickerRun run = runPicker(nullptr, day(2008, 9, 17), birth, [](TfrmPickDate& f) {
        QSlider* bar = trackBarOf(f);
        EXPECT_EQ(bar->value(), 51);  // b + 6834 days
        QTest::keyClick(viewOf(f), Qt::Key_Left);
        EXPECT_EQ(bar->value(), 50);  // b + 6833 days
        // The track bar's own move is no user move: position 50 would pick 6 May.
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2008, 9, 16));
        QTest::keyClick(viewOf(f), Qt::Key_Return);
    });
    EXPECT_EQ(run.result, day(2008, 9, 16));
}

TEST_F(PickDateWindow, TodayAndBirthButtonsMoveTheTrackBarToItsEnds) {
    runPicker(nullptr, day(2008, 5, 6), moment(1990, 1, 1, 23, 59), [](TfrmPickDate& f) {
        click(f, "sbNow");
        EXPECT_EQ(calendarOf(f)->selectedDate(), pinnedToday);
        EXPECT_EQ(trackBarOf(f)->value(), 100);
        EXPECT_EQ(panel(f, "pnlWhen"), "Today   You are 36 yrs 11 mons old");
        click(f, "SpeedButton1");
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(1990, 1, 1));
        EXPECT_EQ(trackBarOf(f)->value(), 0);
        EXPECT_EQ(panel(f, "pnlMonth"), "January");
        EXPECT_EQ(panel(f, "pnlYear"), "1990");
    });
}

TEST_F(PickDateWindow, ButtonsCarryTheirTextsAndHints) {
    runPicker(nullptr, 0, birth, [](TfrmPickDate& f) {
        const struct {
            const char* name;
            const char* text;
            const char* hint;
        } buttons[] = {{"SpeedButton1", "Date of &birth", "Go to your birthdate"},
                       {"sbNow", "&Today", "Go to today"},
                       {"btnOk", "&OK", "Select date"},
                       {"btnCancel", "&Cancel", "Cancel"}};
        for (const auto& b : buttons) {
            auto* button = f.findChild<QPushButton*>(QString::fromLatin1(b.name));
            ASSERT_NE(button, nullptr) << b.name;
            EXPECT_EQ(button->text(), b.text);
            EXPECT_EQ(button->toolTip(), b.hint);
        }
        for (const char* name : {"MonthSpinnerUp", "MonthSpinnerDown"})
            EXPECT_EQ(f.findChild<QToolButton*>(QString::fromLatin1(name))->toolTip(),
                      "Change the displayed month");
        for (const char* name : {"YearSpinnerUp", "YearSpinnerDown"})
            EXPECT_EQ(f.findChild<QToolButton*>(QString::fromLatin1(name))->toolTip(),
                      "Change the displayed year");
    });
}

// ---- keys and mouse ----

TEST_F(PickDateWindow, HomeJumpsToTodayAndEnterAccepts) {
    const PickerRun run = runPicker(nullptr, day(1999, 2, 17), birth, [](TfrmPickDate& f) {
        QTest::keyClick(viewOf(f), Qt::Key_Home);
        EXPECT_EQ(calendarOf(f)->selectedDate(), pinnedToday);
        EXPECT_EQ(panel(f, "pnlMonth"), "December");
        EXPECT_EQ(trackBarOf(f)->value(), 100);
        QTest::keyClick(viewOf(f), Qt::Key_Return);
    });
    EXPECT_EQ(run.result, day(2026, 12, 6));
}

TEST_F(PickDateWindow, HomeWorksWhicheverControlHasTheFocus) {
    runPicker(nullptr, day(1999, 2, 17), birth, [](TfrmPickDate& f) {
        QTest::keyClick(f.findChild<QPushButton*>(QStringLiteral("btnCancel")), Qt::Key_Home);
        EXPECT_EQ(calendarOf(f)->selectedDate(), pinnedToday);
        EXPECT_TRUE(f.isVisible());
    });
}

TEST_F(PickDateWindow, CalendarArrowAndPageKeysWork) {
    const PickerRun run = runPicker(nullptr, day(2026, 1, 30), birth, [](TfrmPickDate& f) {
        QAbstractItemView* view = viewOf(f);
        QTest::keyClick(view, Qt::Key_Right);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2026, 1, 31));
        QTest::keyClick(view, Qt::Key_PageDown);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2026, 2, 28));
        EXPECT_EQ(panel(f, "pnlMonth"), "February");
        QTest::keyClick(view, Qt::Key_Down);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2026, 3, 7));
        QTest::keyClick(view, Qt::Key_Enter);
    });
    EXPECT_EQ(run.result, day(2026, 3, 7));
}

TEST_F(PickDateWindow, EscapeCancels) {
    const PickerRun run = runPicker(nullptr, day(2020, 8, 8), birth, [](TfrmPickDate& f) {
        QTest::keyClick(viewOf(f), Qt::Key_Down);
        QTest::keyClick(trackBarOf(f), Qt::Key_Escape);
    });
    EXPECT_EQ(run.result, day(2020, 8, 8));
}

TEST_F(PickDateWindow, DoubleClickOnADayAccepts) {
    const PickerRun run = runPicker(nullptr, day(2026, 12, 6), birth, [](TfrmPickDate& f) {
        QAbstractItemView* view = viewOf(f);
        QAbstractItemModel* model = view->model();
        // The cell of the 15th: in a December grid no other month's day reads 15.
        QModelIndex fifteenth;
        for (int row = 1; row < model->rowCount() && !fifteenth.isValid(); ++row)
            for (int col = 0; col < model->columnCount(); ++col)
                if (model->index(row, col).data().toInt() == 15) fifteenth = model->index(row, col);
        ASSERT_TRUE(fifteenth.isValid());
        const QPoint centre = view->visualRect(fifteenth).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2026, 12, 15));
        EXPECT_TRUE(f.isVisible());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    });
    EXPECT_EQ(run.result, day(2026, 12, 15));
}

TEST_F(PickDateWindow, DoubleClickOnTheDayNameHeadingAccepts) {
    const PickerRun run =
        runPicker(nullptr, moment(2026, 12, 6, 15, 30), birth, [](TfrmPickDate& f) {
            QAbstractItemView* view = viewOf(f);
            const QPoint heading = view->visualRect(view->model()->index(0, 3)).center();
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, heading);
        });
    EXPECT_EQ(run.result, day(2026, 12, 6));  // OK gives the day at midnight
}

// One notch of the mouse wheel over the day cells; up turns back a month.
void wheel(TfrmPickDate& f, bool up) {
    QWidget* port = viewOf(f)->viewport();
    const QPoint at = port->rect().center();
    QWheelEvent notch(QPointF(at), QPointF(port->mapToGlobal(at)), QPoint(),
                      QPoint(0, up ? 120 : -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(port, &notch);
}

TEST_F(PickDateWindow, WheelTurnsTheMonthAndTheDayFollowsIt) {
    const PickerRun run = runPicker(nullptr, day(2021, 3, 31), birth, [](TfrmPickDate& f) {
        ASSERT_EQ(trackBarOf(f)->value(), 85);  // 11412 days after the birth, step 134
        wheel(f, true);
        EXPECT_EQ(calendarOf(f)->monthShown(), 2);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2021, 2, 28));
        EXPECT_EQ(panel(f, "pnlMonth"), "February");
        EXPECT_EQ(trackBarOf(f)->value(), 84);  // 11381 days
        wheel(f, false);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(2021, 3, 28));
        EXPECT_EQ(calendarOf(f)->monthShown(), 3);
        QTest::keyClick(viewOf(f), Qt::Key_Return);
    });
    EXPECT_EQ(run.result, day(2021, 3, 28));
}

TEST_F(PickDateWindow, WheelStopsAtTheCalendarsLastMonth) {
    runPicker(nullptr, day(3999, 11, 15), birth, [](TfrmPickDate& f) {
        wheel(f, false);
        EXPECT_EQ(calendarOf(f)->selectedDate(), QDate(3999, 11, 15));
        EXPECT_EQ(calendarOf(f)->monthShown(), 11);
        EXPECT_EQ(calendarOf(f)->yearShown(), 3999);
    });
}

// ---- wording and locale ----

TEST_F(PickDateWindow, WhenPanelWordsTheDateAndTheAge) {
    runPicker(nullptr, day(2026, 12, 5), birth, [](TfrmPickDate& f) {
        EXPECT_EQ(panel(f, "pnlWhen"), "Yesterday   You were 36 yrs 11 mons old");
    });
}

TEST_F(PickDateWindow, MonthNameFollowsTheLocale) {
    test::PinnedEnv german(test::PinnedEnv::defaultNow(),
                           QLocale(QLocale::German, QLocale::Germany));
    runPicker(nullptr, day(2026, 3, 10), birth, [](TfrmPickDate& f) {
        EXPECT_EQ(panel(f, "pnlMonth"), QString::fromUtf8("März"));
        EXPECT_EQ(calendarOf(f)->firstDayOfWeek(), Qt::Monday);
    });
}

TEST_F(PickDateWindow, MonthPanelNamesTheMonthOnItsOwn) {
    // Russian writes "10 марта" in a date but names the month alone "март".
    test::PinnedEnv russian(test::PinnedEnv::defaultNow(),
                            QLocale(QLocale::Russian, QLocale::Russia));
    runPicker(nullptr, day(2026, 3, 10), birth,
              [](TfrmPickDate& f) { EXPECT_EQ(panel(f, "pnlMonth"), QString::fromUtf8("март")); });
}

// ---- placement ----

TEST_F(PickDateWindow, OpensBelowTheFieldOrAboveItAtTheScreensBottom) {
    QWidget host;
    host.setGeometry(0, 0, 500, 500);
    auto* field = new QLineEdit(&host);
    field->setGeometry(40, 30, 120, 21);
    host.show();
    const QRect screen = host.screen()->availableGeometry();
    const QRect onScreen(field->mapToGlobal(QPoint(0, 0)), field->size());
    ASSERT_GT(screen.bottom(), onScreen.bottom() + 353 + 2) << "screen too small for the test";

    QPoint below;
    runPicker(field, 0, birth, [&](TfrmPickDate& f) {
        below = f.pos();
        EXPECT_EQ(f.parentWidget(), &host);
    });
    EXPECT_EQ(below, QPoint(onScreen.left() + 1, onScreen.top() + 21 + 1));

    // Moved to the bottom of the screen, the picker opens above the field.
    host.move(screen.left(), screen.bottom() - 60);
    field->move(40, 20);
    const QRect low(field->mapToGlobal(QPoint(0, 0)), field->size());
    QPoint above;
    runPicker(field, 0, birth, [&](TfrmPickDate& f) { above = f.pos(); });
    EXPECT_EQ(above.y(), low.top() - 353);
}

}  // namespace
}  // namespace lt
