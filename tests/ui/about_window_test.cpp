#include "ui/about_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "support/ui_seams.h"
#include "support/url_opener_stub.h"

namespace {
using namespace lt;
using test::RecordingOpener;

template <class T>
T* child(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class AboutBox : public ::testing::Test {
protected:
    test::ScriptedBoxes boxes;
    int dialogs = 0;
    int result = -1;
    bool stillVisible = true;

    // Opens the box through its entry and presses the home-page button.
    void pressHomePage() {
        boxes.onDialog = [this](QDialog& d) {
            ++dialogs;
            d.show();
            child<QPushButton>(d, "btWeb")->click();
            stillVisible = d.isVisible();
            result = d.result();
            return d.result();
        };
        showAboutBox(nullptr);
    }
    // Nothing is left in the folder the program runs in.
    QStringList filesBesideTheProgram() const {
        return QDir(QCoreApplication::applicationDirPath())
            .entryList({QStringLiteral("*.URL"), QStringLiteral("*.url")}, QDir::Files);
    }
};

TEST_F(AboutBox, ShowsItsTexts) {
    TfrmAbout box;
    EXPECT_EQ(child<QLabel>(box, "ProductName")->text(), QStringLiteral("Lifetally version 1.1"));
    EXPECT_EQ(child<QLabel>(box, "Label4")->text(), QStringLiteral("Compliments of:"));
    EXPECT_EQ(child<QLabel>(box, "Label1")->text(), QStringLiteral("Tallyhouse Software"));
    EXPECT_EQ(child<QLabel>(box, "Label5")->text(), QStringLiteral("https://tallyhouse.example"));
    auto* ok = child<QPushButton>(box, "OKButton");
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(ok->isDefault());
    auto* web = child<QPushButton>(box, "btWeb");
    EXPECT_EQ(web->text(), QStringLiteral("Tallyhouse &home page"));
    EXPECT_EQ(web->toolTip(),
              QStringLiteral("Open the Tallyhouse Software home page in your web browser"));
}

TEST_F(AboutBox, IsCentredOnTheScreen) {
    TfrmAbout box;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centre = box.geometry().center();
    EXPECT_LE(std::abs(centre.x() - area.center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - area.center().y()), 1);
}

TEST_F(AboutBox, PaintsGradientAndBlackStrip) {
    TfrmAbout box;
    const QImage shot = box.grab().toImage();
    const QColor top = shot.pixelColor(2, 2);
    EXPECT_GT(top.red(), 200);
    EXPECT_GT(top.green(), 200);
    EXPECT_LT(top.blue(), 40);
    const QColor low = shot.pixelColor(2, 300);
    EXPECT_LT(low.red(), 30);
    EXPECT_LT(low.green(), 30);
    // The scrolling text starts beyond the right edge, so the strip is all black.
    EXPECT_EQ(shot.pixelColor(200, 320), QColor(Qt::black));
}

TEST_F(AboutBox, LineScrollsLeftAndComesBack) {
    TfrmAbout box;
    auto* marquee = child<ScrollingLine>(box, "EsScrollingMarquee1");
    EXPECT_EQ(marquee->offset(), 420);
    marquee->step();
    EXPECT_LT(marquee->offset(), 420);
    const int textWidth = marquee->fontMetrics().horizontalAdvance(marquee->text());
    ASSERT_GT(textWidth, 0);
    int steps = 1;
    int lowest = marquee->offset();
    while (marquee->offset() <= lowest && steps < 10000) {
        lowest = marquee->offset();
        marquee->step();
        ++steps;
    }
    // It went right off the left edge before coming back in at the right.
    EXPECT_LE(lowest, -textWidth + 1);
    EXPECT_EQ(marquee->offset(), 420);
    EXPECT_TRUE(marquee->text().contains(QStringLiteral("https://tallyhouse.example")));
}

TEST_F(AboutBox, LineRunsOnlyWhileShown) {
    TfrmAbout box;
    auto* marquee = child<ScrollingLine>(box, "EsScrollingMarquee1");
    EXPECT_FALSE(marquee->isRunning());
    box.show();
    const int start = marquee->offset();
    // Returns on the first tick, not after a fixed time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return marquee->offset() < start; }, 2000));
    box.hide();
    EXPECT_FALSE(marquee->isRunning());
}

TEST_F(AboutBox, OkClosesAndWritesNothing) {
    boxes.onDialog = [this](QDialog& d) {
        ++dialogs;
        d.show();
        QTest::keyClick(&d, Qt::Key_Return);
        stillVisible = d.isVisible();
        return d.result();
    };
    RecordingOpener opener;
    showAboutBox(nullptr);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(stillVisible);
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(AboutBox, IsDestroyedWhenItReturns) {
    QPointer<QDialog> seen;
    boxes.onDialog = [&](QDialog& d) {
        seen = &d;
        return int(QDialog::Accepted);
    };
    QWidget owner;
    showAboutBox(&owner);
    EXPECT_TRUE(seen.isNull());
}

TEST_F(AboutBox, HomePageOpensTheAddressAndWritesNoFile) {
    const QStringList before = filesBesideTheProgram();
    RecordingOpener opener;
    pressHomePage();
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl(QStringLiteral("https://tallyhouse.example")));
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_TRUE(boxes.reports.isEmpty());
    EXPECT_FALSE(stillVisible);
    EXPECT_EQ(result, int(QDialog::Accepted));
    EXPECT_EQ(filesBesideTheProgram(), before);
}

TEST_F(AboutBox, BrowserThatDoesNotStartIsReported) {
    RecordingOpener opener(false);
    pressHomePage();
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(boxes.errors,
              QStringList{QStringLiteral(
                  "Couldn't open web browser for home page https://tallyhouse.example")});
    EXPECT_FALSE(stillVisible);
    EXPECT_EQ(result, int(QDialog::Accepted));
}

}  // namespace
