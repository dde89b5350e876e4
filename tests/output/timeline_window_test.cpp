#include "output/timeline_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/clock.h"
#include "support/test_env.h"
#include "support/ui_seams.h"

namespace lt {
namespace {

// `perTable` rows in each of the three tables, for Ann born 1 March 1990, to age 80.
TimelineInput rows(int perTable) {
    std::array<TableTexts, 3> t{emptyTable(TableKind::Hours), emptyTable(TableKind::Money),
                                emptyTable(TableKind::Freq)};
    const char* amounts[] = {"1 Hr", "$2.50", "3"};
    for (int k = 0; k < 3; ++k)
        for (int r = 1; r <= perTable; ++r)
            t[size_t(k)][size_t(r)] = QStringList{
                QStringLiteral("Activity %1").arg(r), amounts[k],
                k == 2 && r % 2 ? "Once" : "Day",     QStringLiteral("3/1/%1").arg(1990 + r % 36),
                r % 3 ? "Now" : "1/1/2026",           ""};
    return timelineOf("Ann",
                      {activitiesOf(TableKind::Hours, t[0]), activitiesOf(TableKind::Money, t[1]),
                       activitiesOf(TableKind::Freq, t[2])},
                      QDate(1990, 3, 1), 80, toDateTime(test::PinnedEnv::defaultNow()));
}

int pdfPages(const QString& path) {
    return int(QString::fromLatin1(test::readFile(path))
                   .count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST(TimelineWindow, ScrollsPrintsOnPagesAndNamesEveryBand) {
    test::PinnedEnv env;
    QTemporaryDir dir;
    for (int perTable : {1, 50}) {
        TfrmTimeline w(nullptr, rows(perTable));
        w.resize(648, 445);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_EQ(w.windowTitle(), "Timeline");
        const int view = w.scrTimeline->viewport()->height();
        // One row a table fits the window; fifty scroll.
        if (perTable == 1) {
            EXPECT_EQ(w.canvas->height(), view);
        } else {
            EXPECT_GT(w.canvas->height(), 3 * view);
            EXPECT_GT(w.scrTimeline->verticalScrollBar()->maximum(), 0);
        }
        EXPECT_LE(w.canvas->width(), w.scrTimeline->viewport()->width());

        // A screen reader meets each band in table order, with its own words.
        QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(w.canvas);
        ASSERT_NE(canvas, nullptr);
        EXPECT_EQ(canvas->role(), QAccessible::List);
        ASSERT_EQ(canvas->childCount(), 3 * perTable);
        int i = 0;
        for (const TimelineGroup& g : w.canvas->input().groups) {
            for (const TimelineRow& r : g.rows) {
                QAccessibleInterface* band = canvas->child(i);
                ASSERT_NE(band, nullptr);
                EXPECT_EQ(band->text(QAccessible::Name), r.spoken);
                EXPECT_EQ(canvas->indexOfChild(band), i);
                EXPECT_EQ(band->parent(), canvas);
                ++i;
            }
        }

        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(perTable));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Portrait);
        ASSERT_TRUE(w.printTimeline(printer));
        // The printer keeps its own orientation.
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        // 150 bands of at least two lines each do not go on one page.
        if (perTable == 1) {
            EXPECT_EQ(pdfPages(pdf), 1);
        } else {
            EXPECT_GT(pdfPages(pdf), 2);
        }

        const QImage png = QImage::fromData(w.imageBytes(ImageFormat::Png), "PNG");
        EXPECT_EQ(png.width(), 1600);
        EXPECT_GE(png.height(), perTable == 1 ? 400 : 3 * 1600 * view / w.canvas->width());
    }
}

}  // namespace
}  // namespace lt
