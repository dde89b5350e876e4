// Under a dark desktop theme the windows keep their own dark-on-light colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "support/test_env.h"
#include "ui/about_window.h"
#include "ui/activity_grid.h"
#include "ui/graph_window.h"
#include "ui/masked_field.h"
#include "ui/money_dialog.h"
#include "ui/pick_date_window_p.h"
#include "ui/time_dialog.h"

namespace lt {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// What a dark desktop theme gives the application: light text on dark faces and fields.
QPalette darkDesktop() {
    QPalette p(QColor(53, 53, 53));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(240, 240, 240));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    return p;
}

class DarkDesktop : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setPalette(darkDesktop()); }
    void TearDown() override { QApplication::setPalette(saved_); }

    // Dark text; for a face or field, a light one.
    static void expectDarkOn(const QWidget* w, QPalette::ColorRole text,
                             QPalette::ColorRole ground) {
        const QPalette& p = w->palette();
        EXPECT_EQ(p.color(text), kBlack) << w->objectName().toStdString();
        EXPECT_GT(p.color(ground).lightness(), 200) << w->objectName().toStdString();
    }
    static QLabel* labelWithText(const QWidget* in, const QString& text) {
        for (QLabel* l : in->findChildren<QLabel*>())
            if (l->text() == text) return l;
        ADD_FAILURE() << "no label " << text.toStdString();
        return nullptr;
    }

    test::PinnedEnv env;
    QTemporaryDir data;

private:
    QPalette saved_ = QApplication::palette();
};

TEST_F(DarkDesktop, WizardPagesKeepDarkTextAndLightCells) {
    TfrmMain w(data.path());
    // The pages take the window's colours whatever the desktop's.
    QApplication::setPalette(darkDesktop());
    const QWidget* bio = w.Notebook1->widget(1);
    EXPECT_EQ(
        labelWithText(bio, QStringLiteral("Your name:"))->palette().color(QPalette::WindowText),
        kBlack);
    expectDarkOn(w.edName, QPalette::Text, QPalette::Base);
    expectDarkOn(w.numIncome, QPalette::Text, QPalette::Base);
    EXPECT_EQ(w.Label10->palette().color(QPalette::WindowText), kBlack);
    EXPECT_EQ(w.label11->palette().color(QPalette::WindowText), kBlack);
    const QWidget* hours = w.Notebook1->widget(2);
    const QLabel* note = labelWithText(
        hours, QStringLiteral("Note that the percentage is based on the number of hours you have "
                              "been alive.  Percentages may not add up to 100 due to overlap."));
    EXPECT_EQ(note->palette().color(QPalette::WindowText), kBlack);
    for (const ActivityGrid* g : {w.gridHours, w.gridMoney, w.gridFreq}) {
        EXPECT_EQ(g->palette().color(QPalette::Base), kWhite);
        EXPECT_EQ(g->palette().color(QPalette::Text), kBlack);
        expectDarkOn(g, QPalette::ButtonText, QPalette::Button);  // the heading row
    }
}

TEST_F(DarkDesktop, DialogsKeepDarkTextOnLightFaces) {
    const DateTime birth = toDateTime(QDate(1990, 3, 20));
    TfrmTime time(nullptr, birth, QStringLiteral("3/20/1990"));
    expectDarkOn(time.Label1, QPalette::WindowText, QPalette::Window);
    expectDarkOn(time.lblStart, QPalette::WindowText, QPalette::Window);
    expectDarkOn(time.rbDay, QPalette::WindowText, QPalette::Window);
    expectDarkOn(time.edName, QPalette::Text, QPalette::Base);

    TfrmMoney money(nullptr, birth, QStringLiteral("3/20/1990"));
    expectDarkOn(money.Label5, QPalette::WindowText, QPalette::Window);
    expectDarkOn(money.edDate, QPalette::Text, QPalette::Base);

    TfrmPickDate picker(birth);
    expectDarkOn(picker.findChild<QLabel*>(QStringLiteral("pnlWhen")), QPalette::WindowText,
                 QPalette::Window);
    // The day cells are drawn in the button colours.
    expectDarkOn(picker.findChild<QCalendarWidget*>(), QPalette::ButtonText, QPalette::Button);

    TfrmAbout about(nullptr, data.path());
    // The panel behind the labels is a light face.
    expectDarkOn(about.findChild<QLabel*>(QStringLiteral("ProductName")), QPalette::WindowText,
                 QPalette::Button);

    TfrmGraph graph(nullptr);
    expectDarkOn(graph.findChild<QRadioButton*>(), QPalette::WindowText, QPalette::Window);
}

}  // namespace
}  // namespace lt
