#include "ui/look_ahead_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include "app/window_journey_util.h"
#include "output/graph_window.h"
#include "support/ui_seams.h"

namespace lt {
namespace {

// Ann, born 1 March 1990 (36 on 6 December 2026), sleeping 8 hours a day since 1 December
// 2026: 40 hours so far. By 80, on Saturday 1 March 2070, 15,796 days: 126,368 hours of
// the 701,280 lived (29,220 days), 18.02 %. By 37, on Monday 1 March 2027, 90 days: 720 of
// 324,336, leaving 323,616 for "Other".
const char* const kIni =
    "[DOB]\nDate=3/1/1990\n[Name]\nname=Ann\n[Hours]\nCount=1\n"
    "[Hour1]\nDesc=Sleep\nHrMin=8 Hrs\nPer=Day\nStart=12/1/2026\nEnd=Now\n"
    "[Money]\nCount=0\n[Freq]\nCount=0\n";

class LookAheadWindow : public ::testing::Test, public test::WizardHarness {};

TEST_F(LookAheadWindow, FromTheResultsPageToTheChartTheCsvAndTheSettingsFile) {
    writeIni(QByteArray(kIni));
    auto w = start();
    while (w->Notebook1->currentIndex() < 5) w->btNext->click();
    const QPalette desktop = QApplication::palette();
    const QColor light(240, 240, 240), face(53, 53, 53);  // a dark desktop theme
    QApplication::setPalette(QPalette(light, face, face, face, face, light, QColor(35, 35, 35)));

    test::ScriptedBoxes boxes;
    boxes.saveAnswer = dir.filePath(QStringLiteral("ahead.csv"));
    QString chartTitle;
    std::vector<ChartPoint> charted;
    int opened = 0, charts = 0;
    boxes.onDialog = [&](QDialog& d) {
        if (auto* graph = qobject_cast<TfrmGraph*>(&d)) {
            ++charts;
            chartTitle = graph->title();
            charted = seriesPoints(*graph->Series1);
            return int(QDialog::Rejected);
        }
        auto* f = qobject_cast<TfrmLookAhead*>(&d);
        EXPECT_TRUE(f);
        if (!f || ++opened > 1) {
            EXPECT_EQ(f ? f->numAge->value() : 0, 37);  // the age is kept
            return int(QDialog::Rejected);
        }
        EXPECT_TRUE(test::activate(f));
        f->numAge->setFocus();
        QWidgetList order;  // Tab runs through the age, the tabs, the table and the buttons
        for (int i = 0; i < 8; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            order << test::focusedControl();
        EXPECT_EQ(order, QWidgetList({f->numAge, f->tabTables, f->grids[0], f->btChart, f->btCsv,
                                      f->btTimeline, f->btClose, f->numAge}));
        EXPECT_EQ(f->lblAge->buddy(), f->numAge);
        EXPECT_EQ(f->lblLine->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(f->grids[0]->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(f->numAge->value(), 80);
        EXPECT_EQ(f->lblLine->text(),
                  "By age 80, on Saturday, March 1, 2070, you will have lived 701,280 hours.");
        EXPECT_EQ(f->grids[0]->horizontalHeaderItem(4)->text(), "Share of life by 80");
        QStringList cells;
        for (int c = 0; c < f->grids[0]->columnCount(); ++c)
            cells << f->grids[0]->item(0, c)->text();
        EXPECT_EQ(cells, QStringList({"Sleep", "40 (1 day)", "126,368 (14 years 151 days)",
                                      "126,328 (14 years 149 days)", "18.02%"}));

        // An age already reached is refused; one typed in counts on Enter, which closes nothing.
        f->numAge->setValue(36);
        EXPECT_EQ(boxes.errors, QStringList{"You reached the age of 36 on 3/1/2026: choose an "
                                            "age from 37 to 120."});
        EXPECT_EQ(f->numAge->value(), 80);
        f->numAge->selectAll();
        QTest::keyClicks(f->numAge, QStringLiteral("37"));
        QTest::keyClick(f->numAge, Qt::Key_Return);
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->lblLine->text(),
                  "By age 37, on Monday, March 1, 2027, you will have lived 324,336 hours.");
        EXPECT_EQ(f->grids[0]->item(0, 2)->text(), "720 (30 days)");
        EXPECT_EQ(f->grids[0]->accessibleName(), "Hours by age 37");

        // Every action takes the age as the box shows it, typed and not yet entered: a
        // click into the table, a tab, Alt+E and Alt+C. 38 is 1 March 2028, 13,880 days.
        const auto type = [&](const char* age) {
            f->numAge->setFocus();
            f->numAge->selectAll();
            QTest::keyClicks(f->numAge, QLatin1String(age));
        };
        type("38");
        QTest::mouseClick(f->grids[0]->viewport(), Qt::LeftButton);
        EXPECT_EQ(f->lblLine->text(),
                  "By age 38, on Wednesday, March 1, 2028, you will have lived 333,120 hours.");
        type("37");
        QTest::keyClick(f->numAge, Qt::Key_M, Qt::AltModifier);  // to the Money tab
        EXPECT_EQ(f->tabTables->currentIndex(), 1);
        EXPECT_EQ(f->lblLine->text(),
                  "By age 37, on Monday, March 1, 2027, you will have lived 324,336 hours.");
        for (const Qt::Key key : {Qt::Key_E, Qt::Key_C}) {
            type("38");
            QTest::keyClick(f->numAge, Qt::Key_Return);
            type("37");
            QTest::keyClick(f->numAge, key, Qt::AltModifier);
            QTest::qWait(300);  // a mnemonic clicks a moment later, as on screen
        }
        type("30");  // refused: no chart
        QTest::keyClick(f->numAge, Qt::Key_C, Qt::AltModifier);
        QTest::qWait(300);
        EXPECT_TRUE(boxes.errors.last().startsWith("You reached the age of 30 on 3/1/2020"));
        f->btClose->click();
        EXPECT_FALSE(f->isVisible());
        return f->result();
    };
    test::named<QPushButton>(w->window.get(), "btLookAhead")->click();
    QApplication::setPalette(desktop);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(charts, 1);
    EXPECT_EQ(chartTitle, "Hours by age 37 for Ann");
    ASSERT_EQ(charted.size(), 2u);
    EXPECT_EQ(charted[0], (ChartPoint{323616, "Other", Qt::white}));
    EXPECT_EQ(charted[1].value, 720);
    EXPECT_EQ(boxes.saveCaptions, QStringList{"Export look ahead as CSV"});
    EXPECT_EQ(test::readFile(boxes.saveAnswer),
              "Table,Activity,Unit,So far,By age 37,Still to come,Share of life by 37 %\r\n"
              "hours,Sleep,hours,40.00,720.00,680.00,0.22\r\n");

    test::named<QPushButton>(w->window.get(), "btLookAhead")->click();
    EXPECT_EQ(opened, 2);
    w->btClose->click();
    EXPECT_TRUE(iniBytes().endsWith("[LookAhead]\nAge=37\n"));
}

}  // namespace
}  // namespace lt
