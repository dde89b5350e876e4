// Journeys a user makes through the whole program, on the real main window offscreen,
// with a temporary folder standing in for the executable's folder. Each journey runs
// under en_US and de_DE; the clock is pinned to Sunday 6 December 2026 10:00.
//
// Figures worked out with Python's datetime (born 1 March 1990):
//   hours lived at 6 Dec 2026 10:00: 322,306; at 8 Dec 2026 10:00: 322,354
//   2 Hrs 30 Mins per week, 1 Jan 2020 to 1 Jan 2021: 366 days, 150 x 366 / 7 / 60 =
//     130.71 hours, 0.0406% of 322,306
//   8 Hrs per day from 1 Jan 2026: 339 days to 6 Dec (2,712 h, 0.8414%), 341 days to
//     8 Dec (2,728 h, 0.8464%)
//   k hours of 322,306 is below 0.005% up to k = 16, below 0.015% up to k = 48
//   $12.50 per month, 15 Jan to 15 Mar 2020: 2 months, $25, 0.05% of $50,000
//   $3 per day in January 2026 (30 days): $90; $12.50 per week, 1 Jan to 1 Mar 2026
//     (59 days): $105.36; $1,200 per year, 15 Dec 2024 to 1 Jan 2026: one whole year
//   2 per week, 1 Jan to 1 Feb 2026 (31 days): 8.86
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "app/window_journey_util.h"
#include "output/graph_window.h"
#include "support/test_env.h"
#include "support/ui_seams.h"
#include "ui/activity_grid.h"
#include "ui/masked_field.h"
#include "ui/money_dialog.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

using test::IniFile;
using test::Style;

QDateTime at(int y, int m, int d, int h = 10) { return QDateTime(QDate(y, m, d), QTime(h, 0)); }

class Journey : public ::testing::TestWithParam<Style>, public test::WizardHarness {
protected:
    Journey() : WizardHarness(GetParam().locale()) {}
    const Style& s = GetParam();
    test::ScriptedBoxes boxes;

    std::unique_ptr<test::Wizard> start() { return WizardHarness::start(true); }
    // Types into a field the way a user does: focus it, select what it holds, type,
    // then leave it with Tab.
    static void typeInto(QWidget* field, const QString& text) {
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    static QStringList row(const ActivityGrid* g, int r) {
        QStringList out;
        for (int c = 0; c < 6; ++c) out << g->cell(c, r);
        return out;
    }
    static void sortBy(test::Wizard& w, QPushButton* sortButton, const char* item) {
        sortButton->click();
        ASSERT_TRUE(w.PopupMenu1->isVisible());
        QAction* a = w.PopupMenu1->findChild<QAction*>(QLatin1String(item));
        ASSERT_NE(a, nullptr) << item;
        a->trigger();
        w.PopupMenu1->hide();
    }
    // The next dialog to open is answered as a user answers it: `fill` types into it,
    // then OK.
    template <class Dialog>
    void answerWith(std::function<void(Dialog&)> fill) {
        boxes.onDialog = [fill](QDialog& d) {
            auto* dialog = dynamic_cast<Dialog*>(&d);
            if (!dialog) {
                ADD_FAILURE() << "another dialog opened: " << d.metaObject()->className();
                return int(QDialog::Rejected);
            }
            dialog->show();
            fill(*dialog);
            dialog->btOK->click();
            return dialog->result();
        };
    }
    void goTo(test::Wizard& w, int page) {
        while (w.Notebook1->currentIndex() < page) w.btNext->click();
        while (w.Notebook1->currentIndex() > page) w.btPrev->click();
        ASSERT_EQ(w.Notebook1->currentIndex(), page);
    }
};

// ---- first run ---------------------------------------------------------------------

TEST_P(Journey, FirstRunFillsEveryPageAndTheNextStartRestoresIt) {
    const QString born = s.typedDate(1990, 3, 1);  // one-digit day as typed
    const QStringList hoursRow = {QStringLiteral("Walking"), QStringLiteral("2 Hrs 30 Mins"),
                                  QStringLiteral("Week"),    s.date(2020, 1, 1),
                                  s.date(2021, 1, 1),        s.num(QStringLiteral("131 (0.04%)"))};
    const QStringList moneyRow = {
        QStringLiteral("Books"), s.moneyTotal(QStringLiteral("12.50")),
        QStringLiteral("Month"), s.date(2020, 1, 15),
        s.date(2020, 3, 15),     s.moneyTotal(QStringLiteral("25"), QStringLiteral("0.05"))};
    const QStringList freqRow = {QStringLiteral("Moved house"), QStringLiteral("3"),
                                 QStringLiteral("Once"),        s.date(2000, 1, 1),
                                 QStringLiteral("Now"),         QStringLiteral("3")};
    const QString ageLine = s.num(QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306"));
    const QString incomeLine =
        QStringLiteral("Lifetime income: ") + s.moneyTotal(QStringLiteral("50,000"));
    {
        auto w = start();
        // Defaults, on the Intro page.
        EXPECT_EQ(w->Notebook1->currentIndex(), 0);
        EXPECT_FALSE(w->btPrev->isEnabled());
        EXPECT_TRUE(w->btNext->isEnabled());
        EXPECT_EQ(w->edName->text(), QStringLiteral("Your name"));
        EXPECT_EQ(w->edDOB->text(), s.date(2026, 12, 6));
        EXPECT_EQ(w->numIncome->text(), s.moneyTotal(QStringLiteral("250,000")));
        for (ActivityGrid* g : {w->gridHours, w->gridMoney, w->gridFreq})
            EXPECT_EQ(g->cell(0, 1), QString());
        // Born "today": no years, months or days yet, and the ten hours since midnight.
        EXPECT_EQ(w->Label10->text(), QStringLiteral("Age:  Hours: 10"));

        // Bio page, typed as a user types.
        w->btNext->click();
        ASSERT_EQ(w->Notebook1->currentIndex(), 1);
        typeInto(w->edName, QStringLiteral("Ann Example"));
        typeInto(w->edDOB, born);
        typeInto(w->numIncome, QStringLiteral("50000"));
        EXPECT_EQ(w->window->hoursLived(), 322306);
        EXPECT_EQ(w->numIncome->value(), 50000);
        EXPECT_EQ(w->numIncome->text(), s.moneyTotal(QStringLiteral("50,000")));
        w->btNext->click();
        ASSERT_EQ(w->Notebook1->currentIndex(), 2);
        EXPECT_EQ(w->Label10->text(), ageLine);

        // One row per table, each through its dialog.
        answerWith<TfrmTime>([&](TfrmTime& t) {
            EXPECT_EQ(t.edDate->text(), born);  // preset from the birth date field
            EXPECT_EQ(t.edEndDate->text(), QStringLiteral("Now"));
            t.edName->setText(QStringLiteral("Walking"));
            t.numHours->setValue(2);
            t.numMin->setValue(30);
            t.rbWeek->click();
            t.edDate->setText(s.date(2020, 1, 1));
            t.rbSpecific->click();
            t.edEndDate->setText(s.date(2021, 1, 1));
        });
        w->btAdd1->click();
        EXPECT_EQ(row(w->gridHours, 1), hoursRow);
        EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
        // The money and frequency tables share one dialog.
        const struct {
            QPushButton* add;
            ActivityGrid* grid;
            const QStringList& row;
            bool money;
            int when;
            double amount;
            QDate end;  // none: Now
        } amounts[] = {{w->btAdd2, w->gridMoney, moneyRow, true, 2, 12.5, QDate(2020, 3, 15)},
                       {w->btAdd3, w->gridFreq, freqRow, false, 4, 3, QDate()}};
        for (const auto& a : amounts) {
            w->btNext->click();
            answerWith<TfrmMoney>([&](TfrmMoney& m) {
                EXPECT_EQ(m.moneyMode, a.money);
                m.edName->setText(a.row[0]);
                m.cbWhen->setCurrentIndex(a.when);
                m.numMoney->setValue(a.amount);
                m.edDate->setText(a.row[3]);
                if (!a.end.isValid()) return;
                m.rbSpecific->click();
                m.edEndDate->setText(s.date(a.end));
            });
            a.add->click();
            EXPECT_EQ(row(a.grid, 1), a.row);
        }
        boxes.onDialog = nullptr;

        // The results.
        w->btNext->click();
        ASSERT_EQ(w->Notebook1->currentIndex(), 5);
        EXPECT_FALSE(w->btNext->isEnabled());
        EXPECT_EQ(w->Label10->text(), ageLine);
        EXPECT_EQ(w->label11->text(), incomeLine);
        EXPECT_TRUE(w->btGrHour->isEnabled());
        EXPECT_TRUE(w->btGrMoney->isEnabled());
        EXPECT_TRUE(w->btGrFreq->isEnabled());

        w->btClose->click();
        EXPECT_FALSE(w->window->isVisible());
    }
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();

    // The file on disk.
    const IniFile ini = test::readIni(iniPath());
    ASSERT_TRUE(test::hasSavedLayout(ini));
    EXPECT_EQ(ini.value("DOB", "Date"), born);
    EXPECT_EQ(ini.value("Name", "name"), QStringLiteral("Ann Example"));
    EXPECT_EQ(ini.value("Income", "income"), QStringLiteral("50000"));
    EXPECT_EQ(ini.row("Hour1"), hoursRow.mid(0, 5));
    // The file keeps the amount as it has always been written.
    QStringList storedMoney = moneyRow.mid(0, 5);
    storedMoney[1] = s.field(QStringLiteral("$12.50"));
    EXPECT_EQ(ini.row("Money1"), storedMoney);
    EXPECT_EQ(ini.row("Freq1"), freqRow.mid(0, 5));
    const QStringList empty(5, QString());
    for (int r = 2; r <= 51; ++r)
        for (const char* t : {"Hour", "Money", "Freq"})
            EXPECT_EQ(ini.row(QLatin1String(t) + QString::number(r)), empty) << t << r;

    // A second start brings everything back and computes the same figures.
    auto again = start();
    EXPECT_EQ(again->Notebook1->currentIndex(), 0);
    EXPECT_FALSE(again->btPrev->isEnabled());
    EXPECT_EQ(again->edName->text(), QStringLiteral("Ann Example"));
    EXPECT_EQ(again->edDOB->text(), born);
    EXPECT_EQ(again->numIncome->value(), 50000);
    EXPECT_EQ(again->window->hoursLived(), 322306);
    EXPECT_EQ(row(again->gridHours, 1), hoursRow);
    EXPECT_EQ(row(again->gridMoney, 1), moneyRow);
    EXPECT_EQ(row(again->gridFreq, 1), freqRow);
    EXPECT_EQ(again->gridHours->cell(0, 2), QString());
    EXPECT_EQ(again->Label10->text(), ageLine);
    EXPECT_EQ(again->label11->text(), incomeLine);
    again->window->close();
}

// ---- a returning user ----------------------------------------------------------------

// A file as the program saves it, for a user born 1 March 1990 with an income of
// 100,000: a full hours table (49 rows, all that Add can fill) and a few money and
// frequency rows.
struct Saved {
    QStringList hours[51], money[51], freq[51];  // columns 0 to 4 of rows 1 to 50
};

// Hours rows 4 to 49 hold "Task k" with k = 53 - r (49 down to 4): one hour a day for
// k days.
int taskOfRow(int r) { return 53 - r; }
constexpr int kFullRows = 49;

Saved returningUser(const Style& s) {
    Saved f;
    f.hours[1] = {"Sleep", "8 Hrs", "Day", s.date(2026, 1, 1), "Now"};
    f.hours[2] = {"Walking", "2 Hrs 30 Mins", "Week", s.date(2020, 1, 1), s.date(2021, 1, 1)};
    f.hours[3] = {"Reading", "1 Hr 30 Mins", "Month", s.date(2020, 1, 15), s.date(2020, 3, 15)};
    for (int r = 4; r <= kFullRows; ++r) {
        const int k = taskOfRow(r);
        f.hours[r] = {QStringLiteral("Task %1").arg(k, 2, 10, QLatin1Char('0')), "1 Hr", "Day",
                      s.date(2026, 1, 1), s.date(QDate(2026, 1, 1).addDays(k))};
    }
    f.money[1] = {"Coffee", s.field("$3.00"), "Day", s.date(2026, 1, 1), s.date(2026, 1, 31)};
    f.money[2] = {"Rent", s.field("$500.00"), "Month", s.date(2020, 1, 1), s.date(2021, 1, 1)};
    f.money[3] = {"Books", s.field("$12.50"), "Week", s.date(2026, 1, 1), s.date(2026, 3, 1)};
    f.money[4] = {"Car", s.field("$20,000.00"), "Once", s.date(2015, 6, 1), "Now"};
    f.money[5] = {"Insurance", s.field("$1,200.00"), "Year", s.date(2024, 12, 15),
                  s.date(2026, 1, 1)};
    f.freq[1] = {"Swims", "2", "Week", s.date(2026, 1, 1), s.date(2026, 2, 1)};
    f.freq[2] = {"Haircuts", "1", "Month", s.date(2025, 1, 1), s.date(2026, 1, 1)};
    f.freq[3] = {"Moved house", "3", "Once", s.date(2000, 1, 1), "Now"};
    return f;
}

QByteArray fileOf(const Style& s, const Saved& f) {
    QString out =
        QStringLiteral("[DOB]\nDate=%1\n[Name]\nname=Ann Example\n[Income]\nincome=100000\n")
            .arg(s.date(1990, 3, 1));
    const char* const names[3][2] = {{"Hours", "Hour"}, {"Money", "Money"}, {"Freq", "Freq"}};
    const QStringList* tables[3] = {f.hours, f.money, f.freq};
    for (int t = 0; t < 3; ++t) {
        const char* amountKey = t == 0 ? "HrMin" : "Amount";
        out += QStringLiteral("[%1]\nCount=51\n").arg(QLatin1String(names[t][0]));
        for (int r = 1; r <= 51; ++r) {
            const QStringList cells =
                r <= 50 && !tables[t][r].isEmpty() ? tables[t][r] : QStringList(5, QString());
            out += QStringLiteral("[%1%2]\nDesc=%3\n%4=%5\nPer=%6\nStart=%7\nEnd=%8\n")
                       .arg(QLatin1String(names[t][1]))
                       .arg(r)
                       .arg(cells[0], QLatin1String(amountKey), cells[1], cells[2], cells[3],
                            cells[4]);
        }
    }
    return out.toUtf8();
}

// The total of "Task k" (k hours) with its share of 322,306 hours.
QString taskTotal(const Style& s, int k) {
    const char* pct = k <= 16 ? "0.00" : k <= 48 ? "0.01" : "0.02";
    return s.num(QStringLiteral("%1 (%2%)").arg(k).arg(QLatin1String(pct)));
}

TEST_P(Journey, ReturningUserSortsDeletesEditsChartsPrintsAndLeavesWithoutSaving) {
    const Saved saved = returningUser(s);
    const QByteArray original = fileOf(s, saved);
    writeIni(original);
    auto w = start();

    // Loaded with every total.
    EXPECT_EQ(w->edDOB->text(), s.date(1990, 3, 1));
    EXPECT_EQ(w->numIncome->value(), 100000);
    EXPECT_EQ(w->Label10->text(),
              s.num(QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306")));
    for (int r = 1; r <= kFullRows; ++r)
        for (int c = 0; c < 5; ++c)
            ASSERT_EQ(w->gridHours->cell(c, r), saved.hours[r][c]) << r << "," << c;
    EXPECT_EQ(w->gridHours->cell(0, 50), QString());
    EXPECT_EQ(w->gridHours->cell(5, 1), s.num(QStringLiteral("2,712 (0.84%)")));
    EXPECT_EQ(w->gridHours->cell(5, 2), s.num(QStringLiteral("131 (0.04%)")));
    EXPECT_EQ(w->gridHours->cell(5, 3), s.num(QStringLiteral("3 (0.00%)")));
    // The Task rows' totals are pinned by the totals rules; here, the two ends.
    EXPECT_EQ(w->gridHours->cell(5, 4), taskTotal(s, 49));
    EXPECT_EQ(w->gridHours->cell(5, kFullRows), taskTotal(s, 4));
    const QString coffee = s.moneyTotal("90", "0.09"), rent = s.moneyTotal("6,000", "6.00"),
                  books = s.moneyTotal("105", "0.11"), car = s.moneyTotal("20,000", "20.00"),
                  insurance = s.moneyTotal("1,200", "1.20");
    EXPECT_EQ(w->gridMoney->cell(5, 1), coffee);
    EXPECT_EQ(w->gridMoney->cell(5, 2), rent);
    EXPECT_EQ(w->gridMoney->cell(5, 3), books);
    EXPECT_EQ(w->gridMoney->cell(5, 4), car);
    EXPECT_EQ(w->gridMoney->cell(5, 5), insurance);
    EXPECT_EQ(w->gridFreq->cell(5, 1), QStringLiteral("9"));
    EXPECT_EQ(w->gridFreq->cell(5, 2), QStringLiteral("12"));
    EXPECT_EQ(w->gridFreq->cell(5, 3), QStringLiteral("3"));

    // The hours table is full: Add refuses before any dialog opens.
    goTo(*w, 2);
    w->btAdd1->click();
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Maximum number of rows reached")});
    boxes.errors.clear();

    // Sorting moves whole rows, totals included.
    sortBy(*w, w->btSort1, "ActivitySort");
    QStringList byName = {QStringLiteral("Reading"), QStringLiteral("Sleep")};
    for (int k = 4; k <= 49; ++k)
        byName << QStringLiteral("Task %1").arg(k, 2, 10, QLatin1Char('0'));
    byName << QStringLiteral("Walking");
    for (int r = 1; r <= kFullRows; ++r) ASSERT_EQ(w->gridHours->cell(0, r), byName[r - 1]) << r;
    EXPECT_EQ(w->gridHours->cell(5, 1), s.num(QStringLiteral("3 (0.00%)")));
    EXPECT_EQ(w->gridHours->cell(5, 3), taskTotal(s, 4));
    EXPECT_EQ(w->gridHours->cell(4, 3), s.date(2026, 1, 5));
    sortBy(*w, w->btSort1, "Total1");
    QStringList byTotal = {QStringLiteral("Sleep"), QStringLiteral("Walking")};
    for (int k = 49; k >= 4; --k)
        byTotal << QStringLiteral("Task %1").arg(k, 2, 10, QLatin1Char('0'));
    byTotal << QStringLiteral("Reading");
    for (int r = 1; r <= kFullRows; ++r) ASSERT_EQ(w->gridHours->cell(0, r), byTotal[r - 1]) << r;

    goTo(*w, 3);
    sortBy(*w, w->btSort2, "Total1");
    const QStringList moneyOrder = {"Car", "Rent", "Insurance", "Books", "Coffee"};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(w->gridMoney->cell(0, r), moneyOrder[r - 1]);
    // Delete the first row after asking.
    w->gridMoney->selectRow(1);
    w->btDel2->click();
    EXPECT_EQ(boxes.confirmations, QStringList{QStringLiteral("Really delete Car?")});
    EXPECT_EQ(row(w->gridMoney, 1), (QStringList{"Rent", s.shownMoney(saved.money[2][1]), "Month",
                                                 s.date(2020, 1, 1), s.date(2021, 1, 1), rent}));
    EXPECT_EQ(w->gridMoney->cell(0, 4), QStringLiteral("Coffee"));
    EXPECT_EQ(w->gridMoney->cell(5, 4), coffee);
    EXPECT_EQ(w->gridMoney->cell(0, 5), QString());
    EXPECT_EQ(row(w->gridMoney, 50), QStringList(6, QString()));

    // Two days later, Edit and Cancel on the row that runs to "Now": its cells stay, its
    // total counts the two days; no other row changes.
    env.setNow(at(2026, 12, 8));
    goTo(*w, 2);
    std::vector<QStringList> before;
    for (int r = 0; r <= 50; ++r) before.push_back(row(w->gridHours, r));
    w->gridHours->selectRow(1);
    int dialogs = 0;
    boxes.onDialog = [&](QDialog& d) {
        ++dialogs;
        auto* t = dynamic_cast<TfrmTime*>(&d);
        if (!t) return int(QDialog::Rejected);
        t->show();
        EXPECT_EQ(t->edName->text(), QStringLiteral("Sleep"));
        EXPECT_EQ(t->numHours->value(), 8);
        EXPECT_TRUE(t->rbDay->isChecked());
        EXPECT_TRUE(t->rbNow->isChecked());
        t->edName->setText(QStringLiteral("Changed and cancelled"));
        t->btCancel->click();
        return t->result();
    };
    w->btEdit1->click();
    EXPECT_EQ(dialogs, 1);
    for (int r = 0; r <= 50; ++r) {
        QStringList want = before[size_t(r)];
        if (r == 1) want[5] = s.num(QStringLiteral("2,728 (0.85%)"));
        EXPECT_EQ(row(w->gridHours, r), want) << r;
    }

    // Results, computed afresh two days on.
    goTo(*w, 5);
    EXPECT_EQ(w->Label10->text(),
              s.num(QStringLiteral("Age: 36 years 9 months 7 days  Hours: 322,354")));
    EXPECT_EQ(w->label11->text(),
              QStringLiteral("Lifetime income: ") + s.moneyTotal(QStringLiteral("100,000")));
    EXPECT_TRUE(w->btGrHour->isEnabled() && w->btGrMoney->isEnabled() && w->btGrFreq->isEnabled());

    // Charts take the totals as displayed; hours and money fill up to the lifetime figure.
    std::vector<ChartPoint> points;
    QString title;
    boxes.onDialog = [&](QDialog& d) {
        auto* g = dynamic_cast<TfrmGraph*>(&d);
        if (!g) return int(QDialog::Rejected);
        points = seriesPoints(*g->Series1);
        EXPECT_EQ(seriesPoints(*g->Series2).size(), points.size());
        title = g->title();
        return int(QDialog::Rejected);
    };
    using Pt = std::pair<QString, double>;
    auto labelsAndValues = [&] {
        std::vector<Pt> out;
        for (const ChartPoint& p : points) out.emplace_back(p.label, p.value);
        return out;
    };
    w->btGrMoney->click();
    EXPECT_EQ(title, QStringLiteral("Money spent for Ann Example  Lifetime income: ") +
                         s.moneyTotal(QStringLiteral("100,000")));
    // 100,000 - (6,000 + 1,200 + 105 + 90)
    EXPECT_EQ(labelsAndValues(), (std::vector<Pt>{{"Other", 92605},
                                                  {"Rent", 6000},
                                                  {"Insurance", 1200},
                                                  {"Books", 105},
                                                  {"Coffee", 90}}));
    w->btGrFreq->click();
    EXPECT_EQ(title, QStringLiteral("Frequency of activities for Ann Example"));
    EXPECT_EQ(labelsAndValues(),
              (std::vector<Pt>{{"Swims", 9}, {"Haircuts", 12}, {"Moved house", 3}}));
    w->btGrHour->click();
    ASSERT_EQ(points.size(), 50u);
    // 322,306 - (2,728 + 131 + (4 + ... + 49) + 3)
    EXPECT_EQ(labelsAndValues()[0], Pt("Other", 318225));
    EXPECT_EQ(labelsAndValues()[1], Pt("Sleep", 2728));
    EXPECT_EQ(labelsAndValues()[2], Pt("Walking", 131));
    EXPECT_EQ(labelsAndValues()[3], Pt("Task 49", 49));
    EXPECT_EQ(labelsAndValues()[49], Pt("Reading", 3));
    boxes.onDialog = nullptr;

    // The report, printed to a PDF.
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    boxes.onPrintDialog = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    w->btReport->click();
    const QString text = test::pdfText(pdf);
    ASSERT_FALSE(text.isEmpty());
    // Every line worked out from the rows the file held, in the order the sorts and the
    // delete left them, with the totals checked above.
    QStringList expected = {
        QStringLiteral("Lifetally  - version 1.0"),
        QStringLiteral("Ann Example ") + s.date(1990, 3, 1) + QStringLiteral(" ") +
            s.num(QStringLiteral("Age: 36 years 9 months 7 days  Hours: 322,354")),
        QStringLiteral("Lifetime income: ") + s.moneyTotal(QStringLiteral("100,000")),
        QStringLiteral("Printed : ") + s.date(2026, 12, 8) + QStringLiteral("  ") +
            s.longTime10am(),
        QStringLiteral("Activity Time Per Start date End date Total Hrs"),
    };
    // The file's amount text, shown in the currency format.
    auto shownAmount = [&](QStringList cells) {
        cells[1] = s.shownMoney(cells[1]);
        return cells;
    };
    auto line = [](const QStringList& cells, const QString& total) {
        return cells.join(u' ') + u' ' + total;
    };
    expected << line(saved.hours[1], s.num(QStringLiteral("2,728 (0.85%)")))
             << line(saved.hours[2], s.num(QStringLiteral("131 (0.04%)")));
    for (int k = 49; k >= 4; --k) expected << line(saved.hours[53 - k], taskTotal(s, k));
    expected << line(saved.hours[3], s.num(QStringLiteral("3 (0.00%)")));
    expected << QStringLiteral("Activity Amount Per Start date End date Total Amt")
             << line(shownAmount(saved.money[2]), rent)
             << line(shownAmount(saved.money[5]), insurance)
             << line(shownAmount(saved.money[3]), books)
             << line(shownAmount(saved.money[1]), coffee);
    expected << QStringLiteral("Activity Frequency Per Start date End date Total Freq")
             << line(saved.freq[1], QStringLiteral("9"))
             << line(saved.freq[2], QStringLiteral("12"))
             << line(saved.freq[3], QStringLiteral("3"));
    EXPECT_TRUE(test::linesInOrder(text, expected));
    EXPECT_TRUE(boxes.quietErrors.isEmpty());

    // Leaving through the title bar keeps the file as it was.
    w->window->close();
    EXPECT_FALSE(w->window->isVisible());
    EXPECT_EQ(iniBytes(), original);
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();
}

// ---- a hand-edited file -------------------------------------------------------------

QByteArray handEditedFile(const Style& s) {
    QByteArray f;
    f += "[DOB]\nDate=" + (s.german ? QByteArray("45.13.2020") : QByteArray("13/45/2020")) + "\n";
    f += "[Name]\nname=" + QByteArray(5000, 'N') + "\n";
    f += "[Income]\nincome=lots\n";
    // Two rows counted, a third that is not.
    f += "[Hours]\nCount=2\n";
    f +=
        "[Hour1]\nDesc=Reading\nHrMin=x Hrs 5 Mins\nPer=Day\nStart=" + s.date(2026, 1, 1).toUtf8() +
        "\nEnd=Now\n";
    f += "[Hour2]\nDesc=Walking\nHrMin=1 Hr\nPer=Fortnight\nStart=" + s.date(2026, 1, 1).toUtf8() +
         "\nEnd=" + s.date(2026, 2, 1).toUtf8() + "\n";
    f += "[Hour3]\nDesc=Beyond the count\nHrMin=1 Hr\nPer=Day\nStart=" +
         s.date(2026, 1, 1).toUtf8() + "\nEnd=Now\n";
    // A table counted empty.
    f += "[Money]\nCount=0\n[Money1]\nDesc=Ghost\nAmount=5\nPer=Day\nStart=" +
         s.date(2026, 1, 1).toUtf8() + "\nEnd=Now\n";
    // No count: five rows are read. Binary bytes in a description, a start that is no date.
    f += "[Freq]\n";
    const char desc[] = "[Freq1]\nDesc=B\0\x01\x02\xff\xfe\x7fin\nAmount=2\nPer=Week\nStart=";
    f += QByteArray(desc, sizeof desc - 1) + s.date(2026, 1, 1).toUtf8() +
         "\nEnd=" + s.date(2026, 2, 1).toUtf8() + "\n";
    f += "[Freq2]\nDesc=Parties\nAmount=2\nPer=Year\nStart=someday\nEnd=Now\n";
    return f;
}

TEST_P(Journey, HandEditedFileWithBadValuesIsReportedWhereMetAndCloseWritesACleanFile) {
    writeIni(handEditedFile(s));
    const QString badBirth = s.german ? QStringLiteral("45.13.2020") : QStringLiteral("13/45/2020");
    const QString badInteger =
        QStringLiteral("Hours, row 1, time: 'x' is not a valid integer value");
    auto w = start();
    // The birth date does not parse: reported once, and the Intro page still shows.
    EXPECT_EQ(
        boxes.reports,
        QStringList{QStringLiteral("Your birthdate: '%1' is not a valid date").arg(badBirth)});
    boxes.reports.clear();
    EXPECT_EQ(w->Notebook1->currentIndex(), 0);
    EXPECT_FALSE(w->btPrev->isEnabled());
    EXPECT_EQ(w->edName->text(), QString(1023, QLatin1Char('N')));  // read up to 1,023 characters
    EXPECT_EQ(w->numIncome->value(), 250000);                       // not a number: the default
    EXPECT_EQ(w->gridHours->cell(0, 2), QStringLiteral("Walking"));
    EXPECT_EQ(w->gridHours->cell(0, 3), QString());  // beyond "Count"
    EXPECT_EQ(w->gridMoney->cell(0, 1), QString());  // "Count" 0
    EXPECT_EQ(w->gridFreq->cell(0, 2), QStringLiteral("Parties"));

    // The Bio page refuses the date until it is put right.
    w->btNext->click();
    w->btNext->click();
    EXPECT_EQ(
        boxes.errors,
        QStringList{QStringLiteral("Your birthdate is mandatory to proceed to the next step.")});
    boxes.errors.clear();
    EXPECT_EQ(w->Notebook1->currentIndex(), 1);
    typeInto(w->edDOB, s.date(1990, 3, 1));
    EXPECT_EQ(w->window->hoursLived(), 322306);
    // The totals stop at the time text that is not a number; the user still gets on to
    // the table to put it right.
    w->btNext->click();
    EXPECT_EQ(boxes.reports, QStringList{badInteger});
    boxes.reports.clear();
    EXPECT_EQ(w->Notebook1->currentIndex(), 2);
    EXPECT_EQ(w->Label10->text(),
              s.num(QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306")));
    EXPECT_EQ(w->gridHours->cell(5, 1), QString());

    // Edit stops before its dialog opens; Delete takes the row away.
    w->gridHours->selectRow(1);
    w->btEdit1->click();
    EXPECT_EQ(boxes.reports, QStringList{badInteger});
    boxes.reports.clear();
    w->btDel1->click();
    EXPECT_EQ(boxes.confirmations, QStringList{QStringLiteral("Really delete Reading?")});
    EXPECT_EQ(w->gridHours->cell(0, 1), QStringLiteral("Walking"));
    // An unknown period selects none of the three; Cancel still computes the row: 0.
    int dialogs = 0;
    boxes.onDialog = [&](QDialog& d) {
        ++dialogs;
        auto* t = dynamic_cast<TfrmTime*>(&d);
        if (!t) return int(QDialog::Rejected);
        t->show();
        EXPECT_FALSE(t->rbDay->isChecked());
        EXPECT_FALSE(t->rbWeek->isChecked());
        EXPECT_FALSE(t->rbMonth->isChecked());
        EXPECT_TRUE(t->rbSpecific->isChecked());
        EXPECT_EQ(t->edEndDate->text(), s.date(2026, 2, 1));
        return int(QDialog::Rejected);
    };
    w->btEdit1->click();
    boxes.onDialog = nullptr;
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(w->gridHours->cell(5, 1), QStringLiteral("0"));
    EXPECT_EQ(w->gridHours->cell(2, 1), QStringLiteral("Fortnight"));

    // On to the frequency page: the totals stop at the start date that is no date.
    w->btNext->click();
    w->btNext->click();
    EXPECT_EQ(boxes.reports,
              QStringList{QStringLiteral(
                  "Frequency, row 2, starting date: 'someday' is not a valid date")});
    boxes.reports.clear();
    ASSERT_EQ(w->Notebook1->currentIndex(), 4);
    EXPECT_EQ(w->gridFreq->cell(5, 1), QStringLiteral("9"));  // 2 a week over 31 days
    EXPECT_EQ(w->gridFreq->cell(5, 2), QString());
    w->gridFreq->selectRow(2);
    w->btDel3->click();
    EXPECT_EQ(boxes.confirmations.last(), QStringLiteral("Really delete Parties?"));
    w->btNext->click();
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();
    ASSERT_EQ(w->Notebook1->currentIndex(), 5);
    EXPECT_TRUE(w->btGrHour->isEnabled());
    EXPECT_FALSE(w->btGrMoney->isEnabled());
    EXPECT_TRUE(w->btGrFreq->isEnabled());
    EXPECT_EQ(w->label11->text(),
              QStringLiteral("Lifetime income: ") + s.moneyTotal(QStringLiteral("250,000")));
    const QString binaryName = w->gridFreq->cell(0, 1);

    w->btClose->click();
    EXPECT_FALSE(w->window->isVisible());
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'|').toStdString();
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();

    // A clean file: the program's sections and keys in their order, valid text, the
    // values the user ended with, and nothing left of the rows the tables never held.
    const IniFile ini = test::readIni(iniPath());
    ASSERT_TRUE(test::hasSavedLayout(ini, false));
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8(ini.bytes));
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(ini.otherLines.isEmpty()) << ini.otherLines.join(u'|').toStdString();
    EXPECT_EQ(ini.value("DOB", "Date"), s.date(1990, 3, 1));
    EXPECT_EQ(ini.value("Name", "name"), QString(1023, QLatin1Char('N')));
    EXPECT_EQ(ini.value("Income", "income"), QStringLiteral("250000"));
    EXPECT_EQ(ini.row("Hour1"), (QStringList{"Walking", "1 Hr", "Fortnight", s.date(2026, 1, 1),
                                             s.date(2026, 2, 1)}));
    EXPECT_EQ(ini.row("Freq1"),
              (QStringList{binaryName, "2", "Week", s.date(2026, 1, 1), s.date(2026, 2, 1)}));
    EXPECT_EQ(binaryName, QString::fromUtf8("B\0\x01\x02\xc3\xbf\xc3\xbe\x7fin", 11));  // cp1252
    const QStringList empty(5, QString());
    for (int r = 2; r <= 51; ++r) {
        EXPECT_EQ(ini.row(QStringLiteral("Hour%1").arg(r)), empty) << r;
        EXPECT_EQ(ini.row(QStringLiteral("Freq%1").arg(r)), empty) << r;
    }
    for (int r = 1; r <= 51; ++r) EXPECT_EQ(ini.row(QStringLiteral("Money%1").arg(r)), empty) << r;

    // And it starts cleanly.
    auto again = start();
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'|').toStdString();
    EXPECT_EQ(again->gridHours->cell(5, 1), QStringLiteral("0"));
    EXPECT_EQ(again->gridFreq->cell(0, 1), binaryName);
    again->window->close();
}

INSTANTIATE_TEST_SUITE_P(Locales, Journey, ::testing::Values(test::kEnglish, test::kGerman),
                         test::styleName);

}  // namespace
}  // namespace lt
