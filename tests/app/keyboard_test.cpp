// Keyboard and screen-reader use of the windows: the designed tab orders walked with the
// Tab key, the access keys of the main window, the names a screen reader announces for
// every control, the cells the tables expose, and a walk through the Bio page and an
// activity dialog with the keyboard alone.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/main_window.h"
#include "app/window_journey_util.h"
#include "output/graph_window.h"
#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/about_window.h"
#include "ui/activity_grid.h"
#include "ui/masked_field.h"
#include "ui/money_dialog.h"
#include "ui/pick_date_window_p.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

std::string describe(const QWidget* w) {
    if (!w) return "nothing";
    QString s = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) s += u' ' + w->objectName();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        s += QStringLiteral(" \"%1\"").arg(b->text());
    return s.toStdString();
}

// Presses Tab (or Shift+Tab) `steps.size() - 1` times from the first control and checks
// that the focus visits the controls in this order.
::testing::AssertionResult tabsThrough(const std::vector<QWidget*>& steps, bool backwards = false) {
    steps.front()->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    for (size_t i = 0; i < steps.size(); ++i) {
        QWidget* now = test::focusedControl();
        if (now != steps[i])
            return ::testing::AssertionFailure() << "step " << i << ": focus on " << describe(now)
                                                 << ", expected " << describe(steps[i]);
        if (i + 1 < steps.size())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return ::testing::AssertionSuccess();
}

std::vector<QWidget*> reversed(std::vector<QWidget*> v) { return {v.rbegin(), v.rend()}; }

// What a screen reader says a control is: its accessible name, or, where the platform
// puts the value in the name (a list box on Linux), the name of its labelling label.
QString announced(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a) return QString();
    if (qobject_cast<QComboBox*>(w)) {
        const auto labels = a->relations(QAccessible::Label);
        if (!labels.isEmpty()) return labels.first().first->text(QAccessible::Name);
    }
    return a->text(QAccessible::Name);
}

// A caption as spoken: without the access-key ampersand.
QString spoken(QString caption) { return caption.remove(u'&'); }

// A calendar's own month and year navigation, hidden where the window has its own.
bool hiddenInsideACalendar(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QCalendarWidget*>(p)) return !w->isVisibleTo(p);
    return false;
}

// The controls of a window a user works with: buttons, fields, lists, tables, sliders.
std::vector<QWidget*> controlsOf(QWidget* window) {
    std::vector<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QScrollBar*>(w)) continue;
        QWidget* parent = w->parentWidget();
        // Parts of a composite control (a numeric field's inner edit, a table's corner
        // button, a calendar's own navigation) speak for their owner.
        if (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QAbstractItemView*>(parent))
            continue;
        if (hiddenInsideACalendar(w)) continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractItemView*>(w) || qobject_cast<QAbstractSlider*>(w))
            out.push_back(w);
    }
    return out;
}

// Every control is announced: a button by its caption, any other control by one of
// the names the window is known to give.
void expectEveryControlAnnounced(QWidget* window, const QStringList& names) {
    for (QWidget* w : controlsOf(window)) {
        const QString name = announced(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && !button->text().isEmpty())
            EXPECT_EQ(name, spoken(button->text())) << describe(w);
        else
            EXPECT_TRUE(names.contains(name)) << describe(w) << " in " << describe(window)
                                              << " is announced as \"" << name.toStdString() << '"';
    }
}

class Keyboard : public ::testing::Test, public test::WizardHarness {
protected:
    test::ScriptedBoxes boxes;

    // One row in each table, so every results button is enabled.
    void writeOneRowEach() {
        writeIni(QStringLiteral(
            "[DOB]\nDate=3/1/1990\n[Name]\nname=Ann\n"
            "[Hours]\nCount=1\n[Hour1]\nDesc=Walking\nHrMin=2 Hrs 30 "
            "Mins\nPer=Week\nStart=1/1/2020\nEnd=1/1/2021\n"
            "[Money]\nCount=1\n[Money1]\nDesc=Books\nAmount=$12.50\nPer=Month\nStart=1/15/"
            "2020\nEnd=3/15/2020\n"
            "[Freq]\nCount=1\n[Freq1]\nDesc=Moved\nAmount=3\nPer=Once\nStart=1/1/2000\nEnd=Now\n"));
    }
    std::unique_ptr<test::Wizard> start() { return WizardHarness::start(true); }
    // An access key: Alt plus the letter, to the control that has the focus. The
    // button's click comes a moment later, as on screen.
    static void altKey(Qt::Key key) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                      : QApplication::activeWindow();
        QTest::keyClick(target, key, Qt::AltModifier);
    }
};

// ---- tab orders ---------------------------------------------------------------------

TEST_F(Keyboard, BioPageFieldsThenTheWizardButtons) {
    auto w = start();
    w->btNext->click();
    const std::vector<QWidget*> order = {w->edName, w->edDOB,   w->numIncome, w->btPrev,
                                         w->btNext, w->btAbout, w->btClose,   w->edName};
    EXPECT_TRUE(tabsThrough(order));
    EXPECT_TRUE(tabsThrough(reversed(order), true));
}

TEST_F(Keyboard, EveryPageInTurn) {
    writeOneRowEach();
    auto w = start();
    // Intro: nothing to fill; Prev is off.
    EXPECT_TRUE(tabsThrough({w->btNext, w->btAbout, w->btClose, w->btNext}));
    const struct {
        ActivityGrid* grid;
        std::vector<QPushButton*> buttons;
    } pages[] = {
        {w->gridHours, {w->btSort1, w->btAdd1, w->btEdit1, w->btDel1, w->btClear}},
        {w->gridMoney, {w->btSort2, w->btAdd2, w->btEdit2, w->btDel2, w->btClear2}},
        {w->gridFreq, {w->btSort3, w->btAdd3, w->btEdit3, w->btDel3, w->btClear3}},
    };
    w->btNext->click();
    for (const auto& page : pages) {
        w->btNext->click();
        std::vector<QWidget*> order = {page.grid};
        order.insert(order.end(), page.buttons.begin(), page.buttons.end());
        order.insert(order.end(), {w->btPrev, w->btNext, w->btAbout, w->btClose, page.grid});
        EXPECT_TRUE(tabsThrough(order)) << "page " << w->Notebook1->currentIndex();
    }
    // Results: Next is off on the last page.
    w->btNext->click();
    ASSERT_EQ(w->Notebook1->currentIndex(), 5);
    EXPECT_TRUE(
        tabsThrough({w->btReport, w->btPreview, w->btPdf, w->btCsv, w->btGrHour, w->btGrMoney,
                     w->btGrFreq, test::named<QPushButton>(w->window.get(), "btLookAhead"),
                     test::named<QPushButton>(w->window.get(), "btTimeline"), w->btPrev, w->btAbout,
                     w->btClose, w->btReport}));
}

TEST_F(Keyboard, TimeDialogInItsDesignedOrder) {
    TfrmTime d(nullptr, toDateTime(QDate(1990, 3, 1)), QStringLiteral("3/1/1990"));
    d.edDate->setText(QStringLiteral("3/1/1990"));
    d.edEndDate->setText(QStringLiteral("Now"));
    ASSERT_TRUE(test::activate(&d));
    // The radio buttons of a choice are one stop; arrows move within it.
    EXPECT_TRUE(tabsThrough({d.edName, d.rbDay, d.numHours, d.numMin, d.edDate, d.rbNow, d.btOK,
                             d.btCancel, d.edName}));
    // Choosing "Specific date" with the arrow key opens the ending date to the keyboard.
    d.rbNow->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.rbNow, Qt::Key_Left);
    EXPECT_TRUE(d.rbSpecific->isChecked());
    EXPECT_TRUE(d.edEndDate->isEnabled());
    EXPECT_TRUE(tabsThrough({d.edDate, d.rbSpecific, d.edEndDate, d.btOK}));
    // Back across the period choice with the arrow keys.
    d.rbDay->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.rbDay, Qt::Key_Down);
    EXPECT_TRUE(d.rbWeek->isChecked());
    EXPECT_TRUE(d.rbSpecific->isChecked());  // the other choice is left alone
    EXPECT_TRUE(tabsThrough({d.edName, d.rbWeek, d.numHours}));
}

TEST_F(Keyboard, MoneyDialogInItsDesignedOrder) {
    TfrmMoney d(nullptr, toDateTime(QDate(1990, 3, 1)), QStringLiteral("3/1/1990"));
    d.edDate->setText(QStringLiteral("3/1/1990"));
    d.edEndDate->setText(QStringLiteral("Now"));
    ASSERT_TRUE(test::activate(&d));
    EXPECT_TRUE(tabsThrough(
        {d.edName, d.cbWhen, d.numMoney, d.edDate, d.rbSpecific, d.btOK, d.btCancel, d.edName}));
    d.rbSpecific->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.rbSpecific, Qt::Key_Space);
    EXPECT_TRUE(d.rbSpecific->isChecked());
    EXPECT_TRUE(tabsThrough({d.edDate, d.rbSpecific, d.edEndDate, d.btOK}));
}

// ---- access keys -----------------------------------------------------------------------

TEST_F(Keyboard, AltNAltPAndAltAOnTheMainWindow) {
    auto w = start();
    altKey(Qt::Key_N);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->Notebook1->currentIndex() == 1; }, 2000));
    altKey(Qt::Key_N);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->Notebook1->currentIndex() == 2; }, 2000));
    altKey(Qt::Key_P);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->Notebook1->currentIndex() == 1; }, 2000));
    int opened = 0, aboutBoxes = 0;
    boxes.onDialog = [&](QDialog& d) {
        ++opened;
        if (qobject_cast<TfrmAbout*>(&d)) ++aboutBoxes;
        return int(QDialog::Accepted);
    };
    altKey(Qt::Key_A);
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened > 0; }, 2000));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(aboutBoxes, 1);
    EXPECT_EQ(w->Notebook1->currentIndex(), 1);
}

// Every button with a caption has an access key, none twice among the buttons shown
// together; the design's "Close" buttons keep their caption.
::testing::AssertionResult accessKeysUnique(QWidget* window) {
    QMap<QString, QString> seen;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(window) || b->text().isEmpty()) continue;
        const QString key = QKeySequence::mnemonic(b->text()).toString();
        if (key.isEmpty() && b->text() != u"Close")
            return ::testing::AssertionFailure() << describe(b) << " has no access key";
        if (!key.isEmpty() && seen.contains(key))
            return ::testing::AssertionFailure()
                   << key.toStdString() << " on " << describe(b) << " and "
                   << seen[key].toStdString() << " in " << describe(window);
        seen[key] = QString::fromStdString(describe(b));
    }
    return ::testing::AssertionSuccess();
}

TEST_F(Keyboard, EveryWindowHasUniqueAccessKeys) {
    auto w = start();
    for (int page = 0; page <= 5; ++page) {
        EXPECT_TRUE(accessKeysUnique(w->window.get())) << "page " << page;
        w->btNext->click();
    }
    TfrmGraph graph;
    graph.setPoints({{5, QStringLiteral("A"), Qt::red},
                     {4, QStringLiteral("B"), Qt::blue},
                     {3, QStringLiteral("C"), Qt::green},
                     {2, QStringLiteral("D"), Qt::gray}});
    graph.show();
    EXPECT_TRUE(accessKeysUnique(&graph));
    TfrmTime time(nullptr, toDateTime(QDate(1990, 3, 1)), QStringLiteral("3/1/1990"));
    EXPECT_TRUE(accessKeysUnique(&time));
    TfrmMoney money(nullptr, toDateTime(QDate(1990, 3, 1)), QStringLiteral("3/1/1990"));
    EXPECT_TRUE(accessKeysUnique(&money));
    TfrmPickDate picker(toDateTime(QDate(1990, 3, 1)));
    EXPECT_TRUE(accessKeysUnique(&picker));
    TfrmAbout about;
    EXPECT_TRUE(accessKeysUnique(&about));
}

// On a table page Delete, Enter and Insert do what Delete, Edit (a double click) and Add
// do, and the buttons' tips say so; Enter on a button of the page presses that button.
TEST_F(Keyboard, TablePageKeys) {
    writeOneRowEach();
    auto w = start();
    w->btNext->click();
    w->btNext->click();
    EXPECT_EQ(w->btAdd1->toolTip(), QStringLiteral("Add a row (Ins)"));
    EXPECT_EQ(w->btEdit1->toolTip(), QStringLiteral("Edit the selected row (Return)"));
    EXPECT_EQ(w->btDel1->toolTip(), QStringLiteral("Delete the selected row (Del)"));
    QStringList opened;  // the name each dialog opened with
    boxes.onDialog = [&](QDialog& d) {
        if (auto* t = dynamic_cast<TfrmTime*>(&d)) opened << t->edName->text();
        if (auto* m = dynamic_cast<TfrmMoney*>(&d)) opened << u'$' + m->edName->text();
        return int(QDialog::Rejected);
    };
    boxes.confirmAnswer = false;
    w->gridHours->setFocus();
    w->gridHours->selectRow(1);
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    key(Qt::Key_Delete);
    EXPECT_EQ(boxes.confirmations, QStringList{QStringLiteral("Really delete Walking?")});
    key(Qt::Key_Return);
    key(Qt::Key_Enter);
    key(Qt::Key_Insert);
    EXPECT_EQ(opened, (QStringList{"Walking", "Walking", ""}));
    w->btClear->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(boxes.confirmations.last(), QStringLiteral("Really clear out the table?"));
    EXPECT_EQ(opened.size(), 3);
    // With the focus on the wizard's buttons, as after Alt+N, the page's keys still work.
    w->btPrev->setFocus();
    key(Qt::Key_Insert);
    EXPECT_EQ(opened.size(), 4);
    // The money page's own keys, with its own dialog.
    w->btNext->click();
    w->gridMoney->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(opened.last(), QStringLiteral("$Books"));
    EXPECT_EQ(opened.size(), 5);  // the hidden hours page's keys are off
    EXPECT_EQ(w->gridHours->cell(0, 1), QStringLiteral("Walking"));  // nothing deleted
}

TEST_F(Keyboard, CtrlPPrintsTheReportOnTheResultsPageOnly) {
    writeOneRowEach();
    auto w = start();
    int printDialogs = 0;
    boxes.onPrintDialog = [&](QPrinter&) {
        ++printDialogs;
        return false;
    };
    for (int page = 0; page <= 5; ++page) {
        w->btPrev->setFocus();  // anywhere in the window
        QTest::keyClick(w->btPrev, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(printDialogs, page == 5 ? 1 : 0) << page;
        w->btNext->click();
    }
    EXPECT_EQ(w->btReport->toolTip(), QStringLiteral("Print the report (Ctrl+P)"));
}

TEST_F(Keyboard, CtrlPAndCtrlSInTheChartWindow) {
    TfrmGraph graph;
    graph.setTable(TableKind::Money);
    graph.setPoints({{5, QStringLiteral("Walking"), Qt::red}});
    ASSERT_TRUE(test::activate(&graph));
    int printDialogs = 0;
    boxes.onPrintDialog = [&](QPrinter&) {
        ++printDialogs;
        return false;
    };
    QTest::keyClick(&graph, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printDialogs, 1);
    QTest::keyClick(&graph, Qt::Key_S, Qt::ControlModifier);
    graph.rbBarClick();
    QTest::keyClick(&graph, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(boxes.saveDialogs.size(), 2);  // both cancelled
    EXPECT_EQ(boxes.saveDialogs[0].fileName, QStringLiteral("lifetally-money-pie.png"));
    EXPECT_EQ(boxes.saveDialogs[1].fileName, QStringLiteral("lifetally-money-bar.png"));
}

// ---- screen readers ---------------------------------------------------------------------

TEST_F(Keyboard, MainWindowControlsAreAnnouncedByTheirLabels) {
    auto w = start();
    EXPECT_EQ(announced(w->edName), QStringLiteral("Your name:"));
    EXPECT_EQ(announced(w->edDOB), QStringLiteral("Your birthdate:"));
    EXPECT_EQ(announced(w->numIncome), QStringLiteral("Estimate your lifetime income up to now:"));
    EXPECT_EQ(announced(w->SpeedButton1), QStringLiteral("Popup calendar"));
    EXPECT_EQ(announced(w->btPrev), QStringLiteral("<<Prev"));
    EXPECT_EQ(announced(w->btNext), QStringLiteral("Next>>"));
    EXPECT_EQ(announced(w->btAbout), QStringLiteral("About"));
    EXPECT_EQ(announced(w->btClose), QStringLiteral("Close"));
    EXPECT_EQ(announced(w->btAdd2), QStringLiteral("Add"));
    EXPECT_EQ(announced(w->btGrFreq), QStringLiteral("Graph results of frequency"));
    EXPECT_EQ(announced(w->gridHours), QStringLiteral("Hours spent on activities"));
    EXPECT_EQ(announced(w->gridMoney), QStringLiteral("Money spent on activities"));
    EXPECT_EQ(announced(w->gridFreq), QStringLiteral("Frequency of activities"));
    expectEveryControlAnnounced(
        w->window.get(),
        {"Your name:", "Your birthdate:", "Estimate your lifetime income up to now:",
         "Popup calendar", "Hours spent on activities", "Money spent on activities",
         "Frequency of activities"});
}

TEST_F(Keyboard, ActivityDialogControlsAreAnnouncedByTheirLabels) {
    TfrmTime t(nullptr, toDateTime(QDate(1990, 3, 1)), QStringLiteral("3/1/1990"));
    const std::pair<QWidget*, const char*> timeNames[] = {
        {t.edName, "Description of activity"},
        {t.rbDay, "Day"},
        {t.rbWeek, "Week"},
        {t.rbMonth, "Month"},
        {t.numHours, "Hours"},
        {t.numMin, "Minutes"},
        {t.edDate, "Starting date of activity:"},
        {t.rbNow, "Indefinite"},
        {t.rbSpecific, "Specific date"},
        {t.edEndDate, "Ending date of activity:"},
        {t.btStart, "Popup calendar"},
        {t.btEnd, "Popup calendar"},
        {t.btOK, "OK"},
        {t.btCancel, "Cancel"},
    };
    for (const auto& [w, name] : timeNames)
        EXPECT_EQ(announced(w), QLatin1String(name)) << describe(w);
    QStringList known;
    for (const auto& entry : timeNames) known << QLatin1String(entry.second);
    expectEveryControlAnnounced(&t, known);

    for (const bool moneyMode : {true, false}) {
        TfrmMoney m(nullptr, toDateTime(QDate(1990, 3, 1)), QStringLiteral("3/1/1990"));
        m.moneyMode = moneyMode;
        m.show();  // the mode's wording is set when it is shown
        const std::pair<QWidget*, const char*> moneyNames[] = {
            {m.edName, "Description of activity"},
            {m.cbWhen, moneyMode ? "Amount of money spent per:" : "Frequency performed per:"},
            {m.numMoney, moneyMode ? "Money" : "Number"},
            {m.edDate, "Starting date of activity:"},
            {m.rbSpecific, "Specific date"},
            {m.rbNow, "Indefinite"},
            {m.edEndDate, "Ending date of activity:"},
            {m.SpeedButton1, "Popup calendar"},
            {m.btEnd, "Popup calendar"},
        };
        for (const auto& [w, name] : moneyNames)
            EXPECT_EQ(announced(w), QLatin1String(name)) << describe(w) << " money " << moneyMode;
        QStringList known;
        for (const auto& entry : moneyNames) known << QLatin1String(entry.second);
        expectEveryControlAnnounced(&m, known);
    }
}

TEST_F(Keyboard, OutputWindowsAndThePickerAnnounceEveryControl) {
    TfrmPickDate picker(toDateTime(QDate(1990, 3, 1)));
    expectEveryControlAnnounced(&picker, {"Calendar", "Change the displayed month",
                                          "Change the displayed year", "Life line"});
    TfrmGraph graph;
    graph.setPoints({{5, QStringLiteral("Walking"), Qt::red}});
    expectEveryControlAnnounced(&graph, {});
    TfrmAbout about;
    expectEveryControlAnnounced(&about, {});
}

TEST_F(Keyboard, TablesExposeTheirCells) {
    writeOneRowEach();
    auto w = start();
    const struct {
        ActivityGrid* grid;
        QStringList header, row1;
    } tables[] = {
        {w->gridHours,
         {"Activity", "Time", "Per", "Start date", "End date", "Total Hrs"},
         {"Walking", "2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021", "131 (0.04%)"}},
        {w->gridMoney,
         {"Activity", "Amount", "Per", "Start date", "End date", "Total Amt"},
         {"Books", "$12.50", "Month", "1/15/2020", "3/15/2020", "$25 (0.01%)"}},
        {w->gridFreq,
         {"Activity", "Frequency", "Per", "Start date", "End date", "Total Freq"},
         {"Moved", "3", "Once", "1/1/2000", "Now", "3"}},
    };
    for (const auto& t : tables) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(t.grid);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Table);
        QAccessibleTableInterface* table = a->tableInterface();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->columnCount(), 6);
        EXPECT_EQ(table->rowCount(), 50);
        for (int c = 0; c < 6; ++c) {
            EXPECT_EQ(table->columnDescription(c), t.header[c]) << c;
            QAccessibleInterface* cell = table->cellAt(0, c);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), t.row1[c]) << c;
            // The cell knows its place and its column's heading.
            QAccessibleTableCellInterface* ci = cell->tableCellInterface();
            ASSERT_NE(ci, nullptr);
            EXPECT_EQ(ci->rowIndex(), 0);
            EXPECT_EQ(ci->columnIndex(), c);
        }
        QAccessibleInterface* last = table->cellAt(49, 0);
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last->text(QAccessible::Name), QString());
    }
}

// ---- the keyboard alone ---------------------------------------------------------------

// An access key clicks its button without moving the focus, so the income typed last
// is still in its field when Next computes the results lines.
TEST_F(Keyboard, IncomeTypedJustBeforeAltNCounts) {
    auto w = start();
    w->btNext->click();
    w->numIncome->setFocus();
    ASSERT_EQ(test::focusedControl(), w->numIncome);
    w->numIncome->selectAll();
    QTest::keyClicks(w->numIncome, QStringLiteral("50000"));
    altKey(Qt::Key_N);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Notebook1->currentIndex() == 2; }, 2000));
    EXPECT_EQ(w->numIncome->value(), 50000);
    EXPECT_EQ(w->label11->text(), QStringLiteral("Lifetime income: $50,000"));
}

TEST_F(Keyboard, BioPageAndTimeDialogWithTheKeyboardOnly) {
    auto w = start();
    // Keys go where the focus is, as they do for a user.
    auto type = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
    auto press = [](Qt::Key k) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k);
    };
    // Each step: the focus is on `control`; `text` is typed there, or `key` pressed; then
    // Tab goes on.
    struct Step {
        QWidget* control;
        const char* text;
        Qt::Key key = Qt::Key_Tab;
    };
    auto walk = [&](std::initializer_list<Step> steps) {
        for (const Step& step : steps) {
            EXPECT_EQ(test::focusedControl(), step.control) << step.text;
            type(QLatin1String(step.text));
            if (step.key != Qt::Key_Tab) press(step.key);
            press(Qt::Key_Tab);
        }
    };

    // Alt+N to the Bio page; from Next, Tab round to the first field. A field reached by
    // Tab has its text selected.
    altKey(Qt::Key_N);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Notebook1->currentIndex() == 1; }, 2000));
    for (int i = 0; i < 3; ++i) press(Qt::Key_Tab);
    walk({{w->edName, "Ann Example"}, {w->edDOB, "3/1/1990"}, {w->numIncome, "50000"}});
    EXPECT_EQ(w->edName->text(), QStringLiteral("Ann Example"));
    EXPECT_EQ(w->edDOB->text(), QStringLiteral("3/1/1990"));
    EXPECT_EQ(w->numIncome->value(), 50000);
    EXPECT_EQ(w->window->hoursLived(), 322306);  // leaving the birth date took it in

    altKey(Qt::Key_N);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Notebook1->currentIndex() == 2; }, 2000));
    EXPECT_EQ(w->Label10->text(), QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306"));

    // To Add (table, Sort, Add after the wizard buttons), and Space opens the dialog,
    // which is filled with keys only.
    int dialogs = 0;
    boxes.onDialog = [&](QDialog& dialog) {
        ++dialogs;
        auto* d = dynamic_cast<TfrmTime*>(&dialog);
        if (!d) return int(QDialog::Rejected);
        EXPECT_TRUE(test::activate(d));
        // Down: Day to Week; Left: Indefinite to Specific date.
        walk({{d->edName, "Walking"},
              {d->rbDay, "", Qt::Key_Down},
              {d->numHours, "2"},
              {d->numMin, "30"},
              {d->edDate, "1/1/2020"},
              {d->rbNow, "", Qt::Key_Left}});
        EXPECT_EQ(d->edEndDate->text(), QStringLiteral("12/6/2026"));  // today, to start from
        EXPECT_EQ(test::focusedControl(), d->edEndDate);
        type(QStringLiteral("1/1/2021"));
        press(Qt::Key_Return);  // the default button
        return d->result();
    };
    ActivityGrid* grid = w->gridHours;
    w->btClose->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 3; ++i) press(Qt::Key_Tab);
    ASSERT_EQ(test::focusedControl(), w->btAdd1);
    press(Qt::Key_Space);
    EXPECT_EQ(dialogs, 1);
    const QStringList row = {grid->cell(0, 1), grid->cell(1, 1), grid->cell(2, 1),
                             grid->cell(3, 1), grid->cell(4, 1), grid->cell(5, 1)};
    EXPECT_EQ(row, (QStringList{"Walking", "2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021",
                                "131 (0.04%)"}));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();

    // The table is reached with Tab too, and its rows with the arrow keys.
    ASSERT_TRUE(test::activate(w->window.get()));
    w->btClose->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    ASSERT_EQ(test::focusedControl(), grid);
    press(Qt::Key_Down);
    EXPECT_EQ(grid->selectedRow(), 2);
    press(Qt::Key_Up);
    EXPECT_EQ(grid->selectedRow(), 1);
}

}  // namespace
}  // namespace lt
