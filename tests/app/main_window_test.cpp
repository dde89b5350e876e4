#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>

#include "support/main_window_harness.h"
#include "support/test_env.h"
#include "support/ui_seams.h"
#include "support/url_opener_stub.h"
#include "ui/activity_grid.h"
#include "ui/masked_field.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

class MainWindowTest : public ::testing::Test, public test::WizardHarness {
protected:
    static void leave(QWidget* field) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(field, &out);
    }
};

TEST_F(MainWindowTest, FirstStartShowsDefaultsOnTheIntroPage) {
    auto w = start();
    EXPECT_EQ(w->window->windowTitle(), QStringLiteral("Lifetally"));
    EXPECT_EQ(w->window->size(), QSize(623, 419));
    EXPECT_EQ(w->Notebook1->currentIndex(), 0);
    EXPECT_FALSE(w->btPrev->isEnabled());
    EXPECT_TRUE(w->btNext->isEnabled());
    EXPECT_EQ(w->edName->text(), QStringLiteral("Your name"));
    EXPECT_EQ(w->edDOB->text(), QStringLiteral("12/6/2026"));
    EXPECT_EQ(w->numIncome->value(), 250000);
    EXPECT_EQ(w->numIncome->text(), QStringLiteral("$250,000"));
    for (ActivityGrid* g : {w->gridHours, w->gridMoney, w->gridFreq}) {
        EXPECT_EQ(g->cell(0, 0), QStringLiteral("Activity"));
        EXPECT_EQ(g->cell(0, 1), QString());
    }
    EXPECT_EQ(w->gridHours->cell(5, 0), QStringLiteral("Total Hrs"));
    EXPECT_EQ(w->gridMoney->cell(1, 0), QStringLiteral("Amount"));
    EXPECT_EQ(w->gridFreq->cell(5, 0), QStringLiteral("Total Freq"));
    // Born "today" at start-up: whole hours since midnight.
    EXPECT_EQ(w->window->hoursLived(), 10);
}

TEST_F(MainWindowTest, UpStepsTheIncomeByTenThousand) {
    auto w = start(true);
    w->btNext->click();
    w->numIncome->setFocus();
    QTest::keyClick(w->numIncome, Qt::Key_Up);
    EXPECT_EQ(w->numIncome->text(), QStringLiteral("$260,000"));
}

TEST_F(MainWindowTest, CaptionsAndAccessKeys) {
    auto w = start();
    EXPECT_EQ(w->btPrev->text(), QStringLiteral("<<&Prev"));
    EXPECT_EQ(w->btNext->text(), QStringLiteral("&Next>>"));
    EXPECT_EQ(w->btAbout->text(), QStringLiteral("&About"));
    EXPECT_EQ(w->btClose->text(), QStringLiteral("Close"));
    EXPECT_EQ(w->btGrHour->text(), QStringLiteral("Graph results of &hours"));
    EXPECT_EQ(w->btReport->text(), QStringLiteral("P&rint report"));
    EXPECT_EQ(w->btPreview->text(), QStringLiteral("Pre&view report"));
    EXPECT_EQ(w->btPdf->text(), QStringLiteral("Save report as P&DF..."));
    EXPECT_EQ(w->btCsv->text(), QStringLiteral("Export tables as &CSV..."));
    EXPECT_EQ(w->SpeedButton1->toolTip(), QStringLiteral("Popup calendar"));
    EXPECT_EQ(w->gridHours->toolTip(), QStringLiteral("Double click to edit"));
}

TEST_F(MainWindowTest, NextAndPrevFollowTheStateTable) {
    auto w = start();
    struct Step {
        bool next;
        int page;
        bool prevEnabled, nextEnabled;
    };
    const Step steps[] = {
        {true, 1, true, true},   {true, 2, true, true},  {true, 3, true, true},
        {true, 4, true, true},   {true, 5, true, false}, {false, 4, true, true},
        {true, 5, true, false},  {false, 4, true, true}, {false, 3, true, true},
        {false, 2, true, true},  {false, 1, true, true}, {false, 0, false, true},
        {false, 0, false, true},
    };
    for (const Step& s : steps) {
        (s.next ? w->btNext : w->btPrev)->click();
        EXPECT_EQ(w->Notebook1->currentIndex(), s.page);
        EXPECT_EQ(w->btPrev->isEnabled(), s.prevEnabled) << "page " << s.page;
        EXPECT_EQ(w->btNext->isEnabled(), s.nextEnabled) << "page " << s.page;
    }
}

TEST_F(MainWindowTest, NextFromBioNeedsAValidBirthDate) {
    auto w = start();
    w->btNext->click();
    for (const QString& bad :
         {QString(), QStringLiteral("2/30/1990"), QStringLiteral("yesterday")}) {
        test::ScriptedBoxes boxes;
        w->edDOB->setText(bad);
        w->btNext->click();
        ASSERT_EQ(boxes.errors.size(), 1) << bad.toStdString();
        EXPECT_EQ(boxes.errors[0],
                  QStringLiteral("Your birthdate is mandatory to proceed to the next step."));
        EXPECT_EQ(w->Notebook1->currentIndex(), 1);
        EXPECT_TRUE(w->btPrev->isEnabled());
        EXPECT_TRUE(w->btNext->isEnabled());
    }
}

TEST_F(MainWindowTest, LeavingTheBirthDateTakesItIn) {
    auto w = start();
    w->edDOB->setText(QStringLiteral("3/1/1990"));
    leave(w->edDOB);
    // 1 March 1990 to 6 December 2026 10:00, counted with Python's datetime.
    EXPECT_EQ(w->window->hoursLived(), 322306);
    EXPECT_EQ(w->window->dateOfBirth(), toDateTime(QDate(1990, 3, 1)));
    // An unparsable text leaves both values alone.
    w->edDOB->setText(QStringLiteral("3/1/19x0"));
    leave(w->edDOB);
    EXPECT_EQ(w->window->hoursLived(), 322306);
}

TEST_F(MainWindowTest, ResultsLinesAndGraphButtons) {
    writeIni(QStringLiteral(
        "[DOB]\nDate=3/1/1990\n[Income]\nincome=50000\n"
        "[Hours]\nCount=0\n[Money]\nCount=1\n[Money1]\nDesc=Books\nAmount=$12.50\nPer=Month\n"
        "Start=1/15/2020\nEnd=3/15/2020\n[Freq]\nCount=1\n[Freq1]\nDesc=Moved\nAmount=3\n"
        "Per=Once\nStart=1/1/2000\nEnd=Now\n"));
    auto w = start();
    EXPECT_EQ(w->Label10->text(), QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306"));
    EXPECT_EQ(w->label11->text(), QStringLiteral("Lifetime income: $50,000"));
    EXPECT_EQ(w->gridMoney->cell(5, 1), QStringLiteral("$25 (0.05%)"));
    EXPECT_EQ(w->gridFreq->cell(5, 1), QStringLiteral("3"));
    for (int i = 0; i < 5; ++i) w->btNext->click();
    ASSERT_EQ(w->Notebook1->currentIndex(), 5);
    EXPECT_FALSE(w->btGrHour->isEnabled());
    EXPECT_TRUE(w->btGrMoney->isEnabled());
    EXPECT_TRUE(w->btGrFreq->isEnabled());
}

TEST_F(MainWindowTest, UnparsableStoredBirthDateIsReportedOnceAndTheIntroPageShows) {
    writeIni(QStringLiteral("[DOB]\nDate=13/45/2020\n"));
    test::ScriptedBoxes boxes;
    auto w = start();
    EXPECT_EQ(boxes.reports,
              QStringList{QStringLiteral("Your birthdate: '13/45/2020' is not a valid date")});
    EXPECT_EQ(w->Notebook1->currentIndex(), 0);
    EXPECT_FALSE(w->btPrev->isEnabled());
    EXPECT_EQ(w->window->hoursLived(), 0);
    EXPECT_EQ(w->edDOB->text(), QStringLiteral("13/45/2020"));
}

TEST_F(MainWindowTest, ARowThatDoesNotConvertIsReportedAndNextStillLeadsToIt) {
    writeIni(QStringLiteral(
        "[DOB]\nDate=3/1/1990\n[Hours]\nCount=2\n[Hour1]\nDesc=Walk\nHrMin=1 Hr\nPer=Day\n"
        "Start=1/1/2026\nEnd=1/3/2026\n[Hour2]\nDesc=Run\nHrMin=1 "
        "Hr\nPer=Day\nStart=soon\nEnd=Now\n"));
    test::ScriptedBoxes boxes;
    auto w = start();
    EXPECT_EQ(
        boxes.reports,
        QStringList{QStringLiteral("Hours, row 2, starting date: 'soon' is not a valid date")});
    EXPECT_EQ(w->gridHours->cell(5, 1), QStringLiteral("2 (0.00%)"));
    EXPECT_EQ(w->gridHours->cell(5, 2), QString());
    w->btNext->click();
    w->btNext->click();
    EXPECT_EQ(boxes.reports.size(), 2);
    // Staying on the Bio page would keep the row out of reach for good.
    EXPECT_EQ(w->Notebook1->currentIndex(), 2);
    EXPECT_TRUE(w->btPrev->isEnabled());
    EXPECT_TRUE(w->btNext->isEnabled());
    // The labels come before the rows, so they are already up to date.
    EXPECT_EQ(w->Label10->text(), QStringLiteral("Age: 36 years 9 months 5 days  Hours: 322,306"));
}

TEST_F(MainWindowTest, CloseSavesAndTheTitleBarDoesNot) {
    {
        auto w = start();
        w->edName->setText(QStringLiteral("Ada"));
        w->window->close();  // title bar, Alt+F4, system menu
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("lifetally.ini"))));
    {
        auto w = start();
        w->edName->setText(QStringLiteral("Ada"));
        w->btClose->click();
        EXPECT_FALSE(w->window->isVisible());
    }
    auto again = start();
    EXPECT_EQ(again->edName->text(), QStringLiteral("Ada"));
}

// A stored income the field cannot hold is said at start and kept through a Close, unless
// the user changes the income; the clamped figure never goes over it on its own.
TEST_F(MainWindowTest, AStoredIncomeTheFieldCannotShowIsSaidAndKept) {
    for (const char* stored : {"1234567890", "-5"}) {
        writeIni(QStringLiteral("[Income]\nincome=%1\n").arg(stored));
        {
            test::ScriptedBoxes boxes;
            auto w = start();
            EXPECT_EQ(boxes.reports,
                      QStringList{QStringLiteral("The stored income %1 cannot be shown: the income "
                                                 "field holds $0 to $99,999,999. The settings "
                                                 "file keeps it unless you change the income.")
                                      .arg(stored)})
                << stored;
            w->btClose->click();
        }
        EXPECT_TRUE(iniBytes().contains(QByteArray("\nincome=") + stored + "\n")) << stored;
        {
            test::ScriptedBoxes boxes;
            auto w = start();
            w->btNext->click();
            w->numIncome->setValue(1000);
            w->btClose->click();
        }
        EXPECT_TRUE(iniBytes().contains("\nincome=1000\n")) << stored;
    }
}

TEST_F(MainWindowTest, SettingsFileGoesWhereTheWindowIsToldAndTheHomePageLeavesNoFile) {
    const QString file = dir.filePath(QStringLiteral("cfg/lifetally/my.ini"));
    TfrmMain window(file);
    window.show();
    test::ScriptedBoxes boxes;
    boxes.onDialog = [](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("btWeb"))->click();
        return int(QDialog::Accepted);
    };
    test::RecordingOpener opener;
    window.findChild<QPushButton*>(QStringLiteral("btAbout"))->click();
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("cfg/lifetally/KORVO.URL"))));
    window.findChild<QPushButton*>(QStringLiteral("btClose"))->click();
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(MainWindowTest, FailedSaveKeepsTheWindowOpen) {
    QTemporaryDir other;
    QFile blocker(other.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The settings folder is a regular file, so nothing can be written inside it.
    test::Wizard w(other.filePath(QStringLiteral("file")));
    w.window->show();
    test::ScriptedBoxes boxes;
    w.btClose->click();
    ASSERT_EQ(boxes.reports.size(), 1);
    EXPECT_EQ(boxes.reports[0], QStringLiteral("Unable to write to %1: Not a directory")
                                    .arg(other.filePath(QStringLiteral("file/lifetally.ini"))));
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindowTest, DarkDesktopThemeLeavesTextDarkOnLight) {
    const QPalette desktop = QApplication::palette();
    const QColor light(240, 240, 240), face(53, 53, 53);  // light text on dark faces
    QApplication::setPalette(QPalette(light, face, face, face, face, light, QColor(35, 35, 35)));
    test::Wizard w(dir.path());
    TfrmTime t(w.window.get(), 0, QString());
    QList<QLabel*> labels = w.Notebook1->widget(1)->findChildren<QLabel*>();      // the Bio page
    labels.removeIf([](const QLabel* l) { return !l->styleSheet().isEmpty(); });  // headings
    for (const QLabel* label : labels << w.Label10 << t.Label1)
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(w.gridHours->palette().color(QPalette::Base), QColor(Qt::white));
    QApplication::setPalette(desktop);
}

TEST_F(MainWindowTest, AFileThatCannotBeReadIsSaidAndCloseAsksBeforeWritingOverIt) {
    const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    writeIni(binary);
    test::ScriptedBoxes boxes;
    boxes.confirmAnswer = false;
    auto w = start();
    EXPECT_EQ(boxes.reports,
              QStringList{"Cannot read " + iniPath() + ": It is not a settings file."});
    EXPECT_EQ(w->edName->text(), QStringLiteral("Your name"));
    w->btClose->click();
    EXPECT_EQ(boxes.confirmations, QStringList{"Lifetally could not read " + iniPath() +
                                               " when it started. Overwrite it?"});
    EXPECT_TRUE(w->window->isVisible());
    EXPECT_EQ(iniBytes(), binary);
    boxes.confirmAnswer = true;
    w->btClose->click();
    EXPECT_FALSE(w->window->isVisible());
    EXPECT_TRUE(iniBytes().startsWith("[DOB]\nDate=12/6/2026\n[Name]\nname=Your name\n"));
}

TEST_F(MainWindowTest, AnEditMadeMeanwhileIsNotWrittenOverWithoutAsking) {
    writeIni(QByteArray("[Name]\nname=Ann\n"));
    auto w = start();
    test::ScriptedBoxes boxes;
    boxes.confirmAnswer = false;
    writeIni(QByteArray("[Name]\nname=Edited by hand\n"));
    w->btClose->click();
    EXPECT_EQ(
        boxes.confirmations,
        QStringList{iniPath() +
                    " was changed by another program since Lifetally read it. Overwrite it?"});
    EXPECT_TRUE(w->window->isVisible());
    EXPECT_EQ(iniBytes(), QByteArray("[Name]\nname=Edited by hand\n"));
    boxes.confirmAnswer = true;
    w->btClose->click();
    EXPECT_FALSE(w->window->isVisible());
    EXPECT_TRUE(iniBytes().startsWith("[Name]\nname=Ann\n"));
}

TEST_F(MainWindowTest, ASecondCopyOnTheSameFileWarnsAStaleLockDoesNot) {
    const QString warning = "Another copy of Lifetally has " + iniPath() +
                            " open. Whichever copy is closed last will overwrite what the "
                            "other one saved.";
    auto first = start();
    test::ScriptedBoxes boxes;
    auto second = start();
    EXPECT_EQ(boxes.reports, QStringList{warning});
    // The first copy ends without letting go, as in a crash: its lock names a process
    // number no process can have.
    const QString lock = dir.filePath(QStringLiteral(".lifetally.ini.lock"));
    QByteArray held = test::readFile(lock);
    first.reset();
    test::writeFile(lock, held.replace(0, held.indexOf('\n'), "2147483647"));
    boxes.reports.clear();
    auto third = start();
    EXPECT_TRUE(boxes.reports.isEmpty()) << boxes.reports.join(u'\n').toStdString();
}

// ---- round trips through the window --------------------------------------------------

// A table's row sections `from` to 51 with empty values, as a save writes them.
QByteArray blankRows(const char* section, const char* amountKey, int from) {
    QByteArray out;
    for (int r = from; r <= 51; ++r)
        out += QStringLiteral("[%1%2]\nDesc=\n%3=\nPer=\nStart=\nEnd=\n")
                   .arg(QLatin1String(section))
                   .arg(r)
                   .arg(QLatin1String(amountKey))
                   .toUtf8();
    return out;
}

// Three full tables as a save lays them out, with texts a hand edit leaves: words in
// another case or inside longer words, a time word that is no number, amounts with stray
// characters or more decimals than cents, a two-digit year, "now" that is not Now, dates
// the wrong way round, a start after today or on no day, quotes and blanks around the
// name, letters beyond ASCII; with or without the record of the formats it was written in.
QByteArray fiftyRowFile(bool record) {
    const char* odd[][6] = {{"8 hrs", "Weekly", "$1,2 34.505x", "3 times", "1/1/20", "Now"},
                            {"2 Hrs 30 Mins", "Month Year", "$3.14159", "2", "3/1/1990", "now"},
                            {"1 Hr 90 Mins", "day", "12", "1,000", "12/31/2020", "1/1/2000"},
                            {"x Hrs", "Fortnight", "$0.10", "7", "1/1/2030", "Now"},
                            {"45 Mins", "Once", "$7", "12", "2/30/2020", "1/1/2021"}};
    QByteArray f = "[DOB]\nDate=3/1/1990\n[Name]\nname=\"  Jo = Smith \"\n[Income]\nincome=7\n";
    const char* tables[][3] = {
        {"Hours", "Hour", "HrMin"}, {"Money", "Money", "Amount"}, {"Freq", "Freq", "Amount"}};
    for (int t = 0; t < 3; ++t) {
        f += "[" + QByteArray(tables[t][0]) + "]\nCount=51\n";
        for (int r = 1; r <= 50; ++r) {
            const auto& o = odd[r % 5];
            f += QStringLiteral("[%1%2]\nDesc=Caf\u00e9 %2\n%3=%4\nPer=%5\nStart=%6\nEnd=%7\n")
                     .arg(QLatin1String(tables[t][1]))
                     .arg(r)
                     .arg(QLatin1String(tables[t][2]), QLatin1String(o[t == 0 ? 0 : t + 1]),
                          QLatin1String(o[1]), QLatin1String(o[4]), QLatin1String(o[5]))
                     .toUtf8();
        }
        f += blankRows(tables[t][1], tables[t][2], 51);
    }
    if (record)
        f += "[Locale]\nName=en_US\nNumbers=en_US\nDates=en_US\nCurrency=USD\nCurrencySymbol=$\n";
    return f;
}

// Opening the window and pressing Close leaves the file byte for byte as it was, whether
// the pages were walked (every total worked out again) or not, and a second round
// changes nothing. A file with fewer sections gains those a save writes, and nothing else.
TEST_F(MainWindowTest, CloseWritesBackWhatItRead) {
    // Comments, an unknown section and key, a section named in another case, CRLF.
    const auto edited = [](bool record) {
        QByteArray f = fiftyRowFile(record);
        f.replace("[Hour7]\n", "; edited by hand\n[hour7]\nNote=mine\n");
        return f.replace("[Freq]\n", "[Window]\nLeft=10\n\n[Freq]\n").replace("\n", "\r\n");
    };
    // The sample's counts become 51 and its locale record gains the keys a save writes;
    // the rows it lacks follow at the end, in the order they are written.
    const QByteArray sample = test::readFile(QStringLiteral(LT_SAMPLE_SETTINGS));
    QByteArray saved = sample;
    saved.replace("Count=3\n", "Count=51\n").replace("Count=2\n", "Count=51\n");
    saved.replace("Count=1\n", "Count=51\n");
    saved += "Numbers=en_US\nDates=en_US\nCurrency=USD\nCurrencySymbol=$\n" +
             blankRows("Hour", "HrMin", 4) + blankRows("Money", "Amount", 3) +
             blankRows("Freq", "Amount", 2);
    const struct {
        const char* name;
        QByteArray file, saved;
    } cases[] = {{"fifty rows", fiftyRowFile(true), fiftyRowFile(true)},
                 {"hand-edited, without the record", edited(false), edited(true)},
                 {"the sample", sample, saved}};
    for (const auto& c : cases) {
        for (const bool walk : {false, true}) {
            writeIni(c.file);
            test::ScriptedBoxes boxes;
            for (int round = 0; round < 2; ++round) {
                auto w = start();
                while (walk && w->btNext->isEnabled()) w->btNext->click();
                w->btClose->click();
                EXPECT_FALSE(w->window->isVisible()) << c.name;
                EXPECT_EQ(iniBytes(), c.saved)
                    << c.name << (walk ? ", pages walked" : "") << ", round " << round;
            }
        }
    }
}

}  // namespace
}  // namespace lt
