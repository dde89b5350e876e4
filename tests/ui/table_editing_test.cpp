#include "ui/table_editing.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "core/locale_format.h"
#include "core/totals.h"
#include "output/graph_window.h"
#include "support/main_window_harness.h"
#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/activity_form.h"
#include "ui/activity_grid.h"
#include "ui/masked_field.h"
#include "ui/message_boxes.h"
#include "ui/money_dialog.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

// The main window with a birth date of 1 March 1990 (322,306 hours lived on the pinned
// Sunday 6 December 2026 at 10:00) and an income of 50,000.
class TableEditingTest : public ::testing::Test, public test::WizardHarness {
protected:
    void SetUp() override {
        writeIni(QByteArray("[DOB]\nDate=3/1/1990\n[Income]\nincome=50000\n"));
        w = start();
    }
    void fill(ActivityGrid* g, int rows) {
        for (int r = 1; r <= rows; ++r) {
            const QStringList cells = {QString(QChar(u'A' + (r - 1) % 26)) + QString::number(r),
                                       QStringLiteral("1 Hr"), QStringLiteral("Day"),
                                       QStringLiteral("1/1/2026"), QStringLiteral("1/2/2026")};
            for (int c = 0; c < 5; ++c) g->setCell(c, r, cells[c]);
            // A total from an earlier moment, told apart by its row.
            g->setTotal(r, RowTotal{double(r), 0});
        }
    }
    QStringList row(ActivityGrid* g, int r) {
        QStringList out;
        for (int c = 0; c < 6; ++c) out << g->cell(c, r);
        return out;
    }
    std::unique_ptr<test::Wizard> w;
};

TEST_F(TableEditingTest, AddHoursRowPresetsTheDialogAndWritesTheRow) {
    test::ScriptedBoxes boxes;
    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmTime&>(dlg);
        EXPECT_EQ(d.edName->text(), QString());
        EXPECT_EQ(d.edDate->text(), QStringLiteral("3/1/1990"));
        EXPECT_EQ(d.edEndDate->text(), QStringLiteral("Now"));
        EXPECT_TRUE(d.rbNow->isChecked());
        EXPECT_EQ(d.numHours->value(), 0);
        d.edName->setText(QStringLiteral("Reading"));
        d.numHours->setValue(2);
        d.numMin->setValue(30);
        d.rbWeek->setChecked(true);
        d.edDate->setText(QStringLiteral("1/1/2020"));
        d.rbSpecific->setChecked(true);
        d.edEndDate->setText(QStringLiteral("1/1/2021"));
        d.btOK->click();
        return d.result();
    };
    w->btAdd1->click();
    // 150 minutes x 366 days / 7 / 60 = 130.71 hours; 130.71 / 322,306 = 0.0406 %.
    EXPECT_EQ(row(w->gridHours, 1), (QStringList{"Reading", "2 Hrs 30 Mins", "Week", "1/1/2020",
                                                 "1/1/2021", "131 (0.04%)"}));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(TableEditingTest, AddStopsAt49RowsAndWorksAgainAfterADelete) {
    fill(w->gridHours, 49);
    {
        test::ScriptedBoxes boxes;
        w->btAdd1->click();
        EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Maximum number of rows reached")});
    }
    w->gridHours->selectRow(3);
    {
        test::ScriptedBoxes boxes;
        w->btDel1->click();
        EXPECT_EQ(boxes.confirmations, QStringList{QStringLiteral("Really delete C3?")});
    }
    test::ScriptedBoxes boxes;
    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmTime&>(dlg);
        d.edName->setText(QStringLiteral("Last"));
        d.btOK->click();
        return d.result();
    };
    w->btAdd1->click();
    EXPECT_EQ(w->gridHours->cell(0, 49), QStringLiteral("Last"));
    EXPECT_EQ(w->gridHours->cell(4, 49), QStringLiteral("Now"));
    EXPECT_EQ(w->gridHours->cell(0, 50), QString());
}

TEST_F(TableEditingTest, EditThenCancelRewritesOnlyTheTotal) {
    fill(w->gridHours, 2);
    w->gridHours->selectRow(2);
    const QStringList before = row(w->gridHours, 2);
    test::ScriptedBoxes boxes;
    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmTime&>(dlg);
        d.edName->setText(QStringLiteral("changed"));
        return int(QDialog::Rejected);
    };
    w->btEdit1->click();
    const QStringList after = row(w->gridHours, 2);
    EXPECT_EQ(after.mid(0, 5), before.mid(0, 5));
    // One hour a day over one day.
    EXPECT_EQ(after[5], QStringLiteral("1 (0.00%)"));
    EXPECT_EQ(w->gridHours->cell(5, 1), QStringLiteral("1"));
}

TEST_F(TableEditingTest, EditThenOkWithoutChangesWritesTheSameTexts) {
    const QStringList cells = {"Walk", "1 Hr 5 Mins", "Month", "3/1/2020", "4/15/2020", "x"};
    for (int c = 0; c < 6; ++c) w->gridHours->setCell(c, 1, cells[c]);
    test::ScriptedBoxes boxes;
    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmTime&>(dlg);
        EXPECT_TRUE(d.rbMonth->isChecked());
        EXPECT_TRUE(d.rbSpecific->isChecked());
        EXPECT_TRUE(d.edEndDate->isEnabled());
        EXPECT_EQ(d.edEndDate->text(), QStringLiteral("4/15/2020"));
        EXPECT_EQ(d.numHours->value(), 1);
        EXPECT_EQ(d.numMin->value(), 5);
        d.btOK->click();
        return d.result();
    };
    w->btEdit1->click();
    // monthCount of 45 days is 2: 130 minutes.
    EXPECT_EQ(row(w->gridHours, 1),
              (QStringList{"Walk", "1 Hr 5 Mins", "Month", "3/1/2020", "4/15/2020", "2 (0.00%)"}));
}

// The period buttons are set in turn from the period word; a word none of them knows
// (a hand-edited file) leaves none selected, and OK then stores "Month". An end cell of
// "Now" opens with "Indefinite" and the ending date field disabled.
TEST_F(TableEditingTest, EditPresetsThePeriodButtonsAndTheIndefiniteEnd) {
    const QStringList week = {"Walk", "2 Hrs 30 Mins", "Week", "3/1/2020", "Now", "x"};
    const QStringList odd = {"Swim", "45 Mins", "Fortnight", "3/1/2020", "Now", "x"};
    for (int c = 0; c < 6; ++c) {
        w->gridHours->setCell(c, 1, week[c]);
        w->gridHours->setCell(c, 2, odd[c]);
    }
    test::ScriptedBoxes boxes;
    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmTime&>(dlg);
        EXPECT_FALSE(d.rbDay->isChecked());
        EXPECT_TRUE(d.rbWeek->isChecked());
        EXPECT_FALSE(d.rbMonth->isChecked());
        EXPECT_EQ(d.numHours->value(), 2);
        EXPECT_EQ(d.numMin->value(), 30);
        EXPECT_TRUE(d.rbNow->isChecked());
        EXPECT_FALSE(d.rbSpecific->isChecked());
        EXPECT_EQ(d.edEndDate->text(), QStringLiteral("Now"));
        EXPECT_FALSE(d.edEndDate->isEnabled());
        return int(QDialog::Rejected);
    };
    w->gridHours->selectRow(1);
    w->btEdit1->click();

    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmTime&>(dlg);
        EXPECT_FALSE(d.rbDay->isChecked());
        EXPECT_FALSE(d.rbWeek->isChecked());
        EXPECT_FALSE(d.rbMonth->isChecked());
        d.btOK->click();
        return d.result();
    };
    w->gridHours->selectRow(2);
    w->btEdit1->click();
    // 45 minutes a month from 1 March 2020 to 6 December 2026 (2471 days: 82 firsts of
    // months from 30 December 1899) = 61.5 hours, 0.019 % of 322,306.
    EXPECT_EQ(row(w->gridHours, 2),
              (QStringList{"Swim", "45 Mins", "Month", "3/1/2020", "Now", "62 (0.02%)"}));
    EXPECT_TRUE(boxes.errors.isEmpty());
}

// Under another language the dialogs show the translated word for until today and keep
// the choice as the buttons' state: switching back and forth, and OK, store the file's
// "Now" or the chosen date, in both dialogs.
TEST_F(TableEditingTest, UntilTodayIsTheButtonsStateInEveryLanguage) {
    const test::WordTranslator german({{{"ActivityWords", "Now"}, "Jetzt"}});
    // The row's ending date, "Specific date" chosen, the ending date written back, shown.
    struct Case {
        ActivityGrid* grid;
        QPushButton* edit;
        const char *end, *specific, *stored, *shown;
    };
    for (const Case& c : {Case{w->gridHours, w->btEdit1, "Now", nullptr, "Now", "Jetzt"},
                          Case{w->gridHours, w->btEdit1, "Now", "", "12/6/2026", "12/6/2026"},
                          Case{w->gridMoney, w->btEdit2, "1/1/2021", nullptr, "Now", "Jetzt"},
                          Case{w->gridFreq, w->btEdit3, "Now", "", "12/6/2026", "12/6/2026"}}) {
        const QStringList cells = {"Walk", c.grid == w->gridHours ? "1 Hr" : "$1.00", "Day",
                                   "1/1/2020", QString::fromUtf8(c.end)};
        for (int col = 0; col < 5; ++col) c.grid->setCell(col, 1, cells[col]);
        c.grid->selectRow(1);
        test::ScriptedBoxes boxes;
        boxes.onDialog = [&](QDialog& dlg) {
            auto& d = dynamic_cast<form::ActivityForm&>(dlg);
            const bool now = c.end == std::string_view("Now");
            EXPECT_EQ(d.edEndDate->text(), now ? "Jetzt" : c.end);
            EXPECT_EQ(d.rbNow->isChecked(), now);
            // There and back: the field shows the word again, or the date it opened with.
            (now ? d.rbSpecific : d.rbNow)->click();
            (now ? d.rbNow : d.rbSpecific)->click();
            EXPECT_EQ(d.edEndDate->text(), now ? "Jetzt" : c.end);
            (c.specific ? d.rbSpecific : d.rbNow)->click();
            // The script runs unshown: the money dialog loads its amount when shown.
            if (auto* m = dynamic_cast<TfrmMoney*>(&dlg)) m->numMoney->setValue(1);
            d.btOK->click();
            return d.result();
        };
        c.edit->click();
        EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
        EXPECT_EQ(c.grid->activity(1).texts[4], c.stored) << c.end;
        EXPECT_EQ(c.grid->cell(4, 1), c.shown) << c.end;
    }
}

TEST_F(TableEditingTest, BlankRowsRefuseEditAndDelete) {
    test::ScriptedBoxes boxes;
    w->btEdit2->click();
    w->btDel3->click();
    EXPECT_EQ(boxes.errors, (QStringList{"Nothing to edit", "Nothing to delete"}));
    EXPECT_TRUE(boxes.confirmations.isEmpty());
}

// A double click anywhere on a table does what its page's Edit does: on a data row it
// selects that row first; on the heading row it edits the row already selected.
TEST_F(TableEditingTest, DoubleClickOnTheTableEdits) {
    fill(w->gridHours, 2);
    fill(w->gridFreq, 1);
    QStringList opened;
    test::ScriptedBoxes boxes;
    boxes.onDialog = [&](QDialog& dlg) {
        if (auto* t = dynamic_cast<TfrmTime*>(&dlg)) opened << t->edName->text();
        if (auto* m = dynamic_cast<TfrmMoney*>(&dlg)) opened << m->edName->text();
        return int(QDialog::Rejected);
    };
    // As on screen: a press and release, then the second press arrives as a double click.
    auto doubleClick = [](QWidget* target, QPoint at) {
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
    };
    auto cellCentre = [](ActivityGrid* g, int row) {
        return g->visualRect(g->model()->index(row - 1, 0)).center();
    };
    doubleClick(w->gridHours->viewport(), cellCentre(w->gridHours, 2));
    EXPECT_EQ(w->gridHours->selectedRow(), 2);
    doubleClick(w->gridHours->viewport(), cellCentre(w->gridHours, 3));
    QHeaderView* heading = w->gridFreq->horizontalHeader();
    doubleClick(heading->viewport(),
                QPoint(heading->sectionViewportPosition(1) + 10, heading->height() / 2));
    EXPECT_EQ(opened, (QStringList{"B2", "A1"}));
    EXPECT_EQ(boxes.errors, QStringList{"Nothing to edit"});
    EXPECT_EQ(w->gridFreq->selectedRow(), 1);
    EXPECT_EQ(w->gridFreq->cell(0, 0), QStringLiteral("Activity"));
}

TEST_F(TableEditingTest, DeleteMovesTheFollowingRowsUp) {
    fill(w->gridMoney, 5);
    w->gridMoney->setCell(0, 50, QStringLiteral("row fifty"));
    w->gridMoney->selectRow(3);
    test::ScriptedBoxes boxes;
    boxes.confirmAnswer = false;
    w->btDel2->click();
    EXPECT_EQ(w->gridMoney->cell(0, 3), QStringLiteral("C3"));
    boxes.confirmAnswer = true;
    w->btDel2->click();
    QStringList names;
    for (int r = 1; r <= 5; ++r) names << w->gridMoney->cell(0, r);
    EXPECT_EQ(names, (QStringList{"A1", "B2", "D4", "E5", ""}));
    EXPECT_EQ(w->gridMoney->cell(0, 49), QStringLiteral("row fifty"));
    EXPECT_EQ(row(w->gridMoney, 50), QStringList(6, QString()));
    EXPECT_EQ(w->gridMoney->selectedRow(), 3);
    EXPECT_EQ(w->gridMoney->cell(5, 3), QStringLiteral("$4"));  // moved, nothing recomputed
}

TEST_F(TableEditingTest, ClearEmptiesEveryRowAndKeepsTheHeadings) {
    fill(w->gridFreq, 50);
    test::ScriptedBoxes boxes;
    w->btClear3->click();
    EXPECT_EQ(boxes.confirmations, QStringList{QStringLiteral("Really clear out the table?")});
    for (int r = 1; r <= 50; ++r) EXPECT_EQ(row(w->gridFreq, r), QStringList(6, QString()));
    EXPECT_EQ(row(w->gridFreq, 0), (QStringList{"Activity", "Frequency", "Per", "Start date",
                                                "End date", "Total Freq"}));
}

TEST_F(TableEditingTest, MoneyRowsGoThroughTheMoneyDialog) {
    test::ScriptedBoxes boxes;
    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmMoney&>(dlg);
        EXPECT_TRUE(d.moneyMode);
        EXPECT_EQ(d.cbWhen->currentIndex(), 0);
        d.edName->setText(QStringLiteral("Books"));
        d.numMoney->setValue(12.5);
        d.cbWhen->setCurrentIndex(2);
        d.edDate->setText(QStringLiteral("1/15/2020"));
        d.rbSpecific->setChecked(true);
        d.edEndDate->setText(QStringLiteral("3/15/2020"));
        d.btOK->click();
        return d.result();
    };
    w->btAdd2->click();
    EXPECT_EQ(row(w->gridMoney, 1),
              (QStringList{"Books", "$12.50", "Month", "1/15/2020", "3/15/2020", "$25 (0.05%)"}));

    w->gridFreq->setCell(0, 1, QStringLiteral("Moved"));
    w->gridFreq->setCell(1, 1, QStringLiteral("3"));
    w->gridFreq->setCell(2, 1, QStringLiteral("Once"));
    w->gridFreq->setCell(3, 1, QStringLiteral("1/1/2000"));
    w->gridFreq->setCell(4, 1, QStringLiteral("Now"));
    boxes.onDialog = [](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmMoney&>(dlg);
        EXPECT_FALSE(d.moneyMode);
        EXPECT_EQ(d.cbWhen->currentIndex(), 4);
        EXPECT_EQ(d.amount, std::optional<double>(3));
        d.btOK->click();
        return d.result();
    };
    w->btEdit3->click();
    EXPECT_EQ(row(w->gridFreq, 1), (QStringList{"Moved", "3", "Once", "1/1/2000", "Now", "3"}));
}

TEST_F(TableEditingTest, SortMenuSortsTheTableOfTheShownPage) {
    // Totals descend m2, m3, m1; starts ascend m3, m1, m2; names ascend m1, m2, m3.
    const RowTotal totals[] = {{5, 0.01}, {1234, 2.47}, {40, 0.08}};
    const char* const starts[] = {"1/1/2020", "6/1/2021", "3/15/1999"};
    for (int r = 1; r <= 3; ++r) {
        w->gridMoney->setCell(0, r, QStringLiteral("m%1").arg(r));
        w->gridMoney->setCell(3, r, QString::fromLatin1(starts[r - 1]));
        w->gridMoney->setTotal(r, totals[r - 1]);
        w->gridHours->setCell(0, r, QStringLiteral("h%1").arg(4 - r));
    }
    w->Notebook1->setCurrentIndex(3);
    w->btSort2->click();
    EXPECT_TRUE(w->PopupMenu1->isVisible());
    QStringList items;
    for (QAction* a : w->PopupMenu1->actions()) items << a->text();
    EXPECT_EQ(items, (QStringList{"Sort by activity", "Sort by start date", "Sort by total"}));
    const struct {
        const char* item;
        QStringList order;
    } choices[] = {{"Sort by total", {"m2", "m3", "m1"}},
                   {"Sort by start date", {"m3", "m1", "m2"}},
                   {"Sort by activity", {"m1", "m2", "m3"}}};
    for (const auto& choice : choices) {
        w->btSort2->click();
        for (QAction* a : w->PopupMenu1->actions())
            if (a->text() == QLatin1String(choice.item)) a->trigger();
        w->PopupMenu1->hide();
        QStringList got;
        for (int r = 1; r <= 3; ++r) got << w->gridMoney->cell(0, r);
        EXPECT_EQ(got, choice.order) << choice.item;
    }
    // Whole rows move: m2 keeps its total.
    EXPECT_EQ(w->gridMoney->cell(5, 2), QStringLiteral("$1,234 (2.47%)"));
    EXPECT_EQ(w->gridHours->cell(0, 1), QStringLiteral("h3"));  // other tables untouched
}

TEST_F(TableEditingTest, HoursChartGetsTheDisplayedTotalsAndOther) {
    const QStringList cells = {"Reading", "2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021"};
    for (int c = 0; c < 5; ++c) w->gridHours->setCell(c, 1, cells[c]);
    for (int i = 0; i < 5; ++i) w->btNext->click();
    ASSERT_TRUE(w->btGrHour->isEnabled());
    test::ScriptedBoxes boxes;
    std::vector<ChartPoint> points;
    QString title;
    boxes.onDialog = [&](QDialog& dlg) {
        auto& g = dynamic_cast<TfrmGraph&>(dlg);
        points = seriesPoints(*g.Series1);
        title = g.title();
        return int(QDialog::Rejected);
    };
    w->btGrHour->click();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].label, QStringLiteral("Other"));
    EXPECT_EQ(points[0].value, 322306 - 131);
    EXPECT_EQ(points[0].color, QColor(Qt::white));
    EXPECT_EQ(points[1].label, QStringLiteral("Reading"));
    EXPECT_EQ(points[1].value, 131);
    EXPECT_EQ(
        title,
        QStringLiteral("Hours spent for Your name  Age: 36 years 9 months 5 days  Hours: 322,306"));
}

TEST_F(TableEditingTest, ReportPrintsToAPdf) {
    const QStringList cells = {"Reading", "2 Hrs 30 Mins", "Week", "1/1/2020", "1/1/2021"};
    for (int c = 0; c < 5; ++c) w->gridHours->setCell(c, 1, cells[c]);
    for (int i = 0; i < 5; ++i) w->btNext->click();
    test::ScriptedBoxes boxes;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    boxes.onPrintDialog = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    w->btReport->click();
    EXPECT_TRUE(boxes.quietErrors.isEmpty());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    // The text extractor folds runs of blanks; the exact lines are checked where they are built.
    const QString out = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(out.contains(
        QStringLiteral("Lifetally - version 1.0 Your name 3/1/1990 Age: 36 years 9 months 5 days "
                       "Hours: 322,306 Lifetime income: $50,000")))
        << out.toStdString();
    EXPECT_TRUE(
        out.contains(QStringLiteral("Reading 2 Hrs 30 Mins Week 1/1/2020 1/1/2021 131 (0.04%)")));
}

TEST_F(TableEditingTest, BirthDateCalendarWritesTheDateBackNormalised) {
    test::PinnedEnv german(test::PinnedEnv::defaultNow(),
                           QLocale(QLocale::German, QLocale::Germany));
    test::ScriptedBoxes boxes;
    int opened = 0;
    boxes.onDialog = [&](QDialog&) {
        ++opened;
        return int(QDialog::Rejected);
    };
    w->edDOB->setText(QStringLiteral("1.3.1990"));
    w->SpeedButton1->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(w->edDOB->text(), QStringLiteral("01.03.1990"));
    EXPECT_EQ(w->window->hoursLived(), 322306);

    w->edDOB->setText(QStringLiteral("someday"));
    w->SpeedButton1->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(boxes.reports,
              QStringList{QStringLiteral("Your birthdate: 'someday' is not a valid date")});
    EXPECT_EQ(w->edDOB->text(), QStringLiteral("someday"));
}

TEST(MessageBoxes, ShowTheTextTheyQuoteAsTyped) {
    resetMessageSeams();  // the real boxes, their modal loop answered here
    QStringList plain;
    messageSeams().execBox = [&plain](QMessageBox& b) {
        if (b.textFormat() == Qt::PlainText) plain << b.text();
        return int(QMessageBox::No);
    };
    ActivityGrid grid(TableKind::Hours);
    grid.setCell(0, 1, QStringLiteral("<b>Sleep</b> <i>well</i>"));
    deleteSelectedRow(&grid, nullptr);
    showError(QStringLiteral("<img src=\"x\">"));
    reportDefaultError(QStringLiteral("'<b>1</b>' is not a valid date"));
    resetMessageSeams();
    test::installFailingSeams();
    EXPECT_EQ(plain.join(u'|'), QStringLiteral("Really delete <b>Sleep</b> <i>well</i>?|"
                                               "<img src=\"x\">|'<b>1</b>' is not a valid date"));
}

}  // namespace
}  // namespace lt

namespace lt {
namespace {

// A money row written in Egyptian Arabic (Arabic-Indic digits, "٫" as decimal separator,
// right-to-left marks in the dates) totals and opens in Edit with its amount.
TEST_F(TableEditingTest, ArabicDigitsMoneyRowTotalsAndEditsWithItsAmount) {
    loc::setProgramLocale(QLocale(QLocale::Arabic, QLocale::Egypt));
    test::ScriptedBoxes boxes;
    const QStringList cells = {QStringLiteral("Books"), QString::fromUtf8("ج١٢٫٥٠"),
                               QStringLiteral("Once"), QString::fromUtf8("١\u200F/١\u200F/٢٠٢٠"),
                               QStringLiteral("Now")};
    for (int c = 0; c < 5; ++c) w->gridMoney->setCell(c, 1, cells[c]);
    double shown = -1;
    boxes.onDialog = [&shown](QDialog& dlg) {
        auto& d = dynamic_cast<TfrmMoney&>(dlg);
        d.show();
        shown = d.numMoney->value();
        d.btOK->click();
        return d.result();
    };
    w->gridMoney->selectRow(1);
    w->btEdit2->click();
    EXPECT_EQ(shown, 12.5);
    EXPECT_TRUE(boxes.errors.isEmpty()) << qPrintable(boxes.errors.join(u'\n'));
    // The file keeps the text; the table shows the amount as it shows the total, in the
    // currency format.
    EXPECT_EQ(w->gridMoney->activity(1).texts[1], QString::fromUtf8("ج١٢٫٥٠"));
    EXPECT_EQ(w->gridMoney->cell(1, 1), QString::fromUtf8("١٢٫٥٠\u00A0ج.م.\u200F"));
    EXPECT_TRUE(w->gridMoney->cell(5, 1).startsWith(QString::fromUtf8("١٣\u00A0ج.م.\u200F ")));
    // 12.50 once gives 13 whole pounds.
    ASSERT_TRUE(w->gridMoney->activity(1).total);
    EXPECT_EQ(shownWholeTotal(w->gridMoney->activity(1).total->total), 13);
}

}  // namespace
}  // namespace lt
