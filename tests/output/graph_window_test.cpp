#include "output/graph_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "support/svg_texts.h"
#include "support/test_env.h"
#include "support/ui_seams.h"

namespace lt {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kGray(128, 128, 128);

std::vector<ChartPoint> somePoints(int n) {
    const std::vector<ChartPoint> all = {{320175, "Other", kWhite},
                                         {131, "Sleep", kRed},
                                         {2000, "Work", kGreen},
                                         {1234.5, "Reading", kBlue},
                                         {7, "Chess", kGray}};
    return std::vector<ChartPoint>(all.begin(), all.begin() + n);
}

QStringList sliceMarks(const TfrmGraph& frm) {
    QStringList out;
    for (const QPieSlice* s : frm.Series1->slices()) out << s->label();
    return out;
}

// A window with `n` points, shown offscreen at a fixed size.
struct ShownGraph {
    explicit ShownGraph(int n) : ShownGraph(somePoints(n)) {}
    explicit ShownGraph(const std::vector<ChartPoint>& points) {
        frm.setTitle("Hours spent for Ann");
        frm.setPoints(points);
        frm.resize(1000, 700);
        frm.show();
        QCoreApplication::processEvents();
    }
    test::PinnedEnv env;
    TfrmGraph frm;
};

// What the user sees of the layout: the panel of controls under the chart, the credit
// line at the chart's foot, no axes.
TEST(GraphWindow, ChartAbovePanelCreditAtTheFoot) {
    ShownGraph g(3);
    TfrmGraph& frm = g.frm;
    EXPECT_EQ(frm.windowTitle(), "Activity Graph");
    EXPECT_EQ(frm.Panel1->geometry().top(), frm.Chart1->geometry().bottom() + 1);
    EXPECT_EQ(frm.Panel1->geometry().bottom(), frm.height() - 1);
    EXPECT_EQ(frm.Panel1->height(), 41);
    EXPECT_TRUE(frm.rbPie->isChecked());
    for (const QAbstractAxis* axis : frm.chart()->axes()) EXPECT_FALSE(axis->isVisible());
    EXPECT_EQ(frm.footer()->text(),
              "Lifetally from Tallyhouse Software - https://tallyhouse.example");
    // The footer sits at the bottom of the chart, below the plot area.
    EXPECT_GE(frm.footer()->pos().y(), frm.chart()->plotArea().bottom());
    EXPECT_LE(frm.footer()->pos().y() + frm.footer()->boundingRect().height(),
              frm.chart()->size().height());
}

QStringList titleLines(const TfrmGraph& frm) {
    QStringList out;
    for (const ChartTexts::Text& t : frm.titleItem()->texts()) out << t.text;
    return out;
}

TEST(GraphWindow, TitleIsShownAsTyped) {
    ShownGraph g(3);
    const QString title = "Hours spent for <b>Ann</b> & co  Age: 36 years";
    g.frm.setTitle(title);
    EXPECT_EQ(titleLines(g.frm), QStringList{title});
}

TEST(GraphWindow, BothSeriesHoldThePointsInOrder) {
    ShownGraph g(4);
    EXPECT_EQ(seriesPoints(*g.frm.Series1), somePoints(4));
    EXPECT_EQ(seriesPoints(*g.frm.Series2), somePoints(4));
    EXPECT_EQ(g.frm.visiblePoints, 4);
}

TEST(GraphWindow, PieMarksArePercentagesOfTheWholePie) {
    ShownGraph g(std::vector<ChartPoint>{{1, "A", kRed}, {2, "B", kGreen}, {5, "C", kBlue}});
    // 1/8, 2/8, 5/8
    EXPECT_EQ(sliceMarks(g.frm), (QStringList{"12.5 %", "25 %", "62.5 %"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(g.frm.pieMarks()->marks().at(i).text, sliceMarks(g.frm)[i]);
    EXPECT_FALSE(g.frm.Series2->isLabelsVisible());
}

TEST(GraphWindow, AnEmptyChartHidesTheReduceButton) {
    ShownGraph g(0);
    EXPECT_EQ(g.frm.visiblePoints, 0);
    EXPECT_FALSE(g.frm.SpeedButton1->isVisible());
    EXPECT_EQ(g.frm.Series1->count(), 0);
    EXPECT_EQ(g.frm.Series2->count(), 0);
    EXPECT_TRUE(g.frm.legend()->entries().isEmpty());
}

TEST(GraphWindow, ThreePointsHideTheReduceButtonFromTheStart) {
    ShownGraph g(3);
    EXPECT_EQ(g.frm.visiblePoints, 3);
    EXPECT_FALSE(g.frm.SpeedButton1->isVisible());
}

TEST(GraphWindow, FourPointsReduceOnceToThree) {
    ShownGraph g(4);
    ASSERT_TRUE(g.frm.SpeedButton1->isVisible());
    QTest::mouseClick(g.frm.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(g.frm.visiblePoints, 3);
    EXPECT_FALSE(g.frm.SpeedButton1->isVisible());
    // The last point goes; the first three stay.
    EXPECT_EQ(seriesPoints(*g.frm.Series1), somePoints(3));
    EXPECT_EQ(seriesPoints(*g.frm.Series2), somePoints(3));
}

TEST(GraphWindow, PieAndBarsShowTheSamePointsAfterReducing) {
    ShownGraph g(5);
    g.frm.SpeedButton1Click();
    EXPECT_TRUE(g.frm.SpeedButton1->isVisible());
    g.frm.SpeedButton1Click();
    EXPECT_FALSE(g.frm.SpeedButton1->isVisible());
    // Further presses change nothing: at least three points always remain.
    g.frm.SpeedButton1Click();
    EXPECT_EQ(g.frm.visiblePoints, 3);

    // The pie's marks are shares of what is left: 320175 + 131 + 2000 = 322306.
    EXPECT_EQ(sliceMarks(g.frm), (QStringList{"99.34 %", "0.04 %", "0.62 %"}));
    const QStringList pieLegend = g.frm.legend()->texts();

    QTest::mouseClick(g.frm.rbBar, Qt::LeftButton);
    EXPECT_TRUE(g.frm.barActive());
    EXPECT_FALSE(g.frm.pieActive());
    EXPECT_EQ(seriesPoints(*g.frm.Series2), somePoints(3));
    EXPECT_EQ(g.frm.legend()->texts(), pieLegend);

    QTest::mouseClick(g.frm.rbPie, Qt::LeftButton);
    EXPECT_TRUE(g.frm.pieActive());
    EXPECT_FALSE(g.frm.barActive());
    EXPECT_EQ(seriesPoints(*g.frm.Series1), somePoints(3));
    EXPECT_EQ(g.frm.legend()->texts(), pieLegend);
}

TEST(GraphWindow, LegendListsThePointsInReverseWithFormattedValues) {
    ShownGraph g(4);
    EXPECT_EQ(g.frm.legend()->texts(),
              (QStringList{"1,234.5  Reading", "2,000  Work", "131  Sleep", "320,175  Other"}));
    const auto& entries = g.frm.legend()->entries();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0].color, kBlue);
    EXPECT_EQ(entries[3].color, kWhite);
}

TEST(GraphWindow, LegendSitsAtTheRightEightPercentDown) {
    ShownGraph g(4);
    const QRectF chart = g.frm.chart()->geometry();
    const QRectF legend = g.frm.legend()->mapRectToScene(g.frm.legend()->boundingRect());
    EXPECT_NEAR(legend.top() - chart.top(), chart.height() * 0.08, 1.0);
    EXPECT_LE(legend.right(), chart.right());
    EXPECT_GT(legend.left(), chart.center().x());
    // The plot keeps clear of it.
    EXPECT_LE(g.frm.chart()->mapRectToScene(g.frm.chart()->plotArea()).right(), legend.left());

    g.frm.resize(800, 500);
    QCoreApplication::processEvents();
    const QRectF smaller = g.frm.chart()->geometry();
    const QRectF moved = g.frm.legend()->mapRectToScene(g.frm.legend()->boundingRect());
    EXPECT_NEAR(moved.top() - smaller.top(), smaller.height() * 0.08, 1.0);
}

TEST(GraphWindow, Panel1ResizeKeepsCloseAndPrintAtTheRight) {
    ShownGraph g(3);
    TfrmGraph& frm = g.frm;
    EXPECT_EQ(frm.btClose->x(), 1000 - frm.btClose->width() - 5);
    EXPECT_EQ(frm.btPrint->x(), frm.btClose->x() - frm.btPrint->width() - 5);
    frm.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(frm.btClose->x(), 700 - frm.btClose->width() - 5);
    EXPECT_EQ(frm.btPrint->x(), frm.btClose->x() - frm.btPrint->width() - 5);
    EXPECT_EQ(frm.btPreview->x(), frm.btPrint->x() - frm.btPreview->width() - 5);
    EXPECT_EQ(frm.rbPie->x(), 8);
    EXPECT_EQ(frm.rbBar->x(), 75);
    EXPECT_EQ(frm.SpeedButton1->x(), 224);
}

TEST(GraphWindow, AClickOnThePieStartsAndStopsTheRotation) {
    ShownGraph g(3);
    TfrmGraph& frm = g.frm;
    const QPoint centre = frm.Chart1->viewport()->rect().center();
    QTest::mouseClick(frm.Chart1->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(frm.Timer1->isActive());
    frm.Timer1Timer();
    frm.Timer1Timer();
    EXPECT_DOUBLE_EQ(frm.pieAngle(), 6);
    // The running timer turns the pie by itself.
    EXPECT_TRUE(QTest::qWaitFor([&] { return frm.pieAngle() > 6; }, 2000));
    QTest::mouseClick(frm.Chart1->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_FALSE(frm.Timer1->isActive());
    // The keyboard does the same.
    QTest::keyClick(frm.Chart1, Qt::Key_Space);
    EXPECT_TRUE(frm.Timer1->isActive());
}

TEST(GraphWindow, RotationOnlyWhileThePieIsShown) {
    ShownGraph g(3);
    TfrmGraph& frm = g.frm;
    frm.Chart1Click();
    ASSERT_TRUE(frm.Timer1->isActive());
    frm.Timer1Timer();
    EXPECT_DOUBLE_EQ(frm.pieAngle(), 3);

    frm.rbBarClick();
    // The timer keeps running but turns nothing, and a click no longer stops it.
    frm.Timer1Timer();
    EXPECT_DOUBLE_EQ(frm.pieAngle(), 3);
    QTest::mouseClick(frm.Chart1->viewport(), Qt::LeftButton, {},
                      frm.Chart1->viewport()->rect().center());
    EXPECT_TRUE(frm.Timer1->isActive());

    frm.rbPieClick();
    frm.Timer1Timer();
    EXPECT_DOUBLE_EQ(frm.pieAngle(), 6);
    frm.Chart1Click();
    EXPECT_FALSE(frm.Timer1->isActive());

    // With the timer off, a click while the bars are shown does not start it either.
    frm.rbBarClick();
    frm.Chart1Click();
    EXPECT_FALSE(frm.Timer1->isActive());
}

TEST(GraphWindow, AFullTurnTakesOneHundredTwentyTicks) {
    ShownGraph g(3);
    for (int i = 0; i < 119; ++i) g.frm.Timer1Timer();
    EXPECT_DOUBLE_EQ(g.frm.pieAngle(), 357);
    g.frm.Timer1Timer();
    EXPECT_DOUBLE_EQ(g.frm.pieAngle(), 0);
    EXPECT_DOUBLE_EQ(g.frm.Series1->pieEndAngle() - g.frm.Series1->pieStartAngle(), 360);
}

TEST(GraphWindow, RotationRefusesDegreesOutsideAFullTurn) {
    ShownGraph g(3);
    EXPECT_FALSE(g.frm.rotatePie(-3));
    EXPECT_FALSE(g.frm.rotatePie(361));
    EXPECT_DOUBLE_EQ(g.frm.pieAngle(), 0);
    EXPECT_TRUE(g.frm.rotatePie(350));
    EXPECT_TRUE(g.frm.rotatePie(20));
    EXPECT_DOUBLE_EQ(g.frm.pieAngle(), 10);
}

TEST(GraphWindow, CloseAndEscapeCancel) {
    {
        ShownGraph g(3);
        QTest::mouseClick(g.frm.btClose, Qt::LeftButton);
        EXPECT_FALSE(g.frm.isVisible());
        EXPECT_EQ(g.frm.result(), QDialog::Rejected);
    }
    {
        ShownGraph g(3);
        QTest::keyClick(&g.frm, Qt::Key_Escape);
        EXPECT_FALSE(g.frm.isVisible());
        EXPECT_EQ(g.frm.result(), QDialog::Rejected);
    }
}

// The page size of the first page, in points, from the PDF's MediaBox.
QSizeF pdfPageSize(const QByteArray& pdf) {
    const int at = pdf.indexOf("/MediaBox");
    if (at < 0) return {};
    const int open = pdf.indexOf('[', at), close = pdf.indexOf(']', at);
    const QList<QByteArray> nums = pdf.mid(open + 1, close - open - 1).simplified().split(' ');
    if (nums.size() != 4) return {};
    return QSizeF(nums[2].toDouble() - nums[0].toDouble(), nums[3].toDouble() - nums[1].toDouble());
}

// Scripts the print dialog: it points the printer at `file` as an A4 PDF in
// `orientation` and answers `confirm`. Counts its runs in `dialogs`.
void scriptPrintDialog(test::ScriptedBoxes& boxes, const QString& file,
                       QPageLayout::Orientation orientation, bool confirm, int* dialogs = nullptr) {
    boxes.onPrintDialog = [=](QPrinter& printer) {
        if (dialogs) ++*dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        return confirm;
    };
}

TEST(GraphWindow, PrintsTheChartLandscapeIntoAPdf) {
    ShownGraph g(4);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("chart.pdf");
    test::ScriptedBoxes boxes;
    int dialogs = 0;
    scriptPrintDialog(boxes, file, QPageLayout::Portrait, true, &dialogs);
    QTest::mouseClick(g.frm.btPrint, Qt::LeftButton);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(boxes.reports.isEmpty());

    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // A4 landscape: 842 x 595 points.
    const QSizeF page = pdfPageSize(bytes);
    EXPECT_NEAR(page.width(), 842, 1);
    EXPECT_NEAR(page.height(), 595, 1);
    // The printer's orientation is put back.
    EXPECT_EQ(g.frm.printer().pageLayout().orientation(), QPageLayout::Portrait);
    // The window is as it was.
    EXPECT_EQ(g.frm.chart()->size(), QSizeF(g.frm.Chart1->viewport()->size()));
    EXPECT_EQ(seriesPoints(*g.frm.Series1), somePoints(4));
}

// The box around everything drawn on the first page, in parts of the page's width and
// height; empty when the page could not be rendered or is blank.
QRectF inkBox(const QString& pdf, const QString& workDir) {
    const QString prefix = QDir(workDir).filePath("page");
    QProcess p;
    p.start("pdftoppm", {"-r", "36", "-gray", "-png", "-singlefile", pdf, prefix});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    const QImage page(prefix + ".png");
    if (page.isNull()) return {};
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0) return {};
    return QRectF(double(left) / page.width(), double(top) / page.height(),
                  double(right + 1 - left) / page.width(),
                  double(bottom + 1 - top) / page.height());
}

TEST(GraphWindow, PrintedChartKeepsFivePerCentMargins) {
    ShownGraph g(4);
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.pdf");
    test::ScriptedBoxes boxes;
    scriptPrintDialog(boxes, file, QPageLayout::Portrait, true);
    g.frm.btPrintClick();
    const QRectF ink = inkBox(file, dir.path());
    ASSERT_FALSE(ink.isEmpty());
    // Nothing in the outer 5 per cent of the page on any side ...
    EXPECT_GE(ink.left(), 0.05);
    EXPECT_GE(ink.top(), 0.05);
    EXPECT_LE(ink.right(), 0.95);
    EXPECT_LE(ink.bottom(), 0.95);
    // ... while the chart (title at the top, legend at the right, credit line at the
    // bottom) fills what is inside.
    EXPECT_LE(ink.top(), 0.15);
    EXPECT_GE(ink.right(), 0.85);
    EXPECT_GE(ink.bottom(), 0.85);
}

TEST(GraphWindow, PrintingKeepsALandscapePrinterLandscape) {
    ShownGraph g(3);
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.pdf");
    test::ScriptedBoxes boxes;
    scriptPrintDialog(boxes, file, QPageLayout::Landscape, true);
    g.frm.btPrintClick();
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(g.frm.printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(GraphWindow, PreviewShowsTheOneLandscapePagePrintPrints) {
    ShownGraph g(3);
    test::ScriptedBoxes boxes;
    int pages = -1;
    bool landscape = false;
    boxes.onDialog = [&](QDialog& d) {
        EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(&d), nullptr);
        d.show();  // the preview draws its pages when shown
        QCoreApplication::processEvents();
        if (auto* view = d.findChild<QPrintPreviewWidget*>()) {
            pages = view->pageCount();
            landscape = view->orientation() == QPageLayout::Landscape;
        }
        return int(QDialog::Rejected);
    };
    g.frm.btPreview->click();
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(landscape);
    EXPECT_TRUE(boxes.reports.isEmpty());
    // The printer keeps its own orientation for the next print dialog.
    EXPECT_EQ(g.frm.printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(GraphWindow, CancelledPrintDialogPrintsNothing) {
    ShownGraph g(3);
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.pdf");
    test::ScriptedBoxes boxes;
    scriptPrintDialog(boxes, file, QPageLayout::Portrait, false);
    g.frm.btPrintClick();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(boxes.reports.isEmpty());
}

TEST(GraphWindow, APrinterThatCannotStartIsReportedAndTheWindowStays) {
    ShownGraph g(3);
    QTemporaryDir dir;
    test::ScriptedBoxes boxes;
    scriptPrintDialog(boxes, dir.filePath("no/such/folder/chart.pdf"), QPageLayout::Portrait, true);
    g.frm.btPrintClick();
    EXPECT_EQ(boxes.reports, QStringList{"The chart could not be printed."});
    EXPECT_TRUE(g.frm.isVisible());
    EXPECT_EQ(g.frm.printer().pageLayout().orientation(), QPageLayout::Portrait);
}

bool anyTwoOverlap(const QList<QRectF>& rects) {
    for (int i = 0; i < rects.size(); ++i)
        for (int j = 0; j < i; ++j)
            if (rects[i].intersects(rects[j])) return true;
    return false;
}

// Fifty rows and "Other", as a full hours table charts them, at 1366 x 700.
TEST(GraphWindow, FiftyRowsShowEveryMarkApartAndEveryLegendEntry) {
    std::vector<ChartPoint> points{{150000, "Other", kWhite}};
    for (int i = 1; i <= 50; ++i) points.push_back({20.0 + i, QString("Row %1").arg(i), kRed});
    ShownGraph g(points);
    g.frm.resize(1366, 700);
    QCoreApplication::processEvents();
    const QRectF chart = g.frm.chart()->rect();
    for (const int turn : {0, 137, 223}) {
        g.frm.rotatePie(turn);
        QList<QRectF> marks;
        for (const PieMarks::Mark& m : g.frm.pieMarks()->marks()) marks << m.rect;
        ASSERT_EQ(marks.size(), 51);
        EXPECT_FALSE(anyTwoOverlap(marks)) << turn;
        for (const QRectF& r : marks) EXPECT_TRUE(chart.contains(r)) << turn;
    }
    const ChartLegend& legend = *g.frm.legend();
    ASSERT_EQ(legend.entryRects().size(), 51);
    EXPECT_FALSE(anyTwoOverlap(legend.entryRects()));
    for (const QRectF& r : legend.entryRects()) EXPECT_TRUE(legend.boundingRect().contains(r));
    EXPECT_TRUE(chart.contains(legend.mapRectToParent(legend.boundingRect())));
}

TEST(GraphWindow, ANarrowWindowWrapsTheTitleWhole) {
    ShownGraph g(4);
    const QString title = "Hours spent for Ann  Age: 36 years 9 months 5 days  Hours: 322,306";
    g.frm.setTitle(title);
    g.frm.resize(420, 400);
    QCoreApplication::processEvents();
    EXPECT_GE(titleLines(g.frm).size(), 2);
    EXPECT_EQ(titleLines(g.frm).join(' ').simplified(), title.simplified());
    for (const ChartTexts::Text& t : g.frm.titleItem()->texts())
        EXPECT_TRUE(g.frm.chart()->rect().contains(t.rect)) << t.text.toStdString();
}

// Each face has its legend box's colour halfway out along the slice's middle; only the rim is
// shaded.
TEST(GraphWindow, SliceFacesHaveTheirPointsColours) {
    const std::vector<ChartPoint> points{{1, "Other", kWhite}, {1, "A", kRed}, {2, "B", kBlue}};
    ShownGraph g(points);
    QImage image(g.frm.chart()->size().toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    g.frm.Chart1->scene()->render(&painter, image.rect(), g.frm.chart()->geometry());
    const QRectF plot = g.frm.chart()->plotArea();
    const double half = std::min(plot.width(), plot.height()) / 4 * g.frm.Series1->pieSize();
    for (const auto& [i, degrees] : {std::pair{0, 45}, {1, 135}, {2, 270}}) {
        const double a = degrees * M_PI / 180;
        const QPointF at = plot.center() + half * QPointF(std::sin(a), -std::cos(a));
        EXPECT_EQ(image.pixelColor(at.toPoint()), points[i].color) << i;
    }
}

TEST(GraphWindow, SavesThePictureAsPngOrSvgOrReportsTheFullPath) {
    ShownGraph g(4);
    QTemporaryDir dir;
    test::ScriptedBoxes boxes;
    QString answer = boxes.saveAnswer = dir.filePath("chart.png");
    QTest::mouseClick(g.frm.btSaveImage, Qt::LeftButton);
    const QImage png(answer, "PNG");
    EXPECT_TRUE(png.width() >= 1600 && png.height() >= 1000);
    const QSizeF shown = g.frm.chart()->size();
    EXPECT_NEAR(double(png.width()) / png.height(), shown.width() / shown.height(), 0.01);

    answer = boxes.saveAnswer = dir.filePath("chart.SVG");
    g.frm.btSaveImageClick();
    QFile svg(answer);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    // Texts stay texts: the title, a mark, a legend label.
    for (const char* part :
         {"<svg", ">Hours spent for Ann</text>", ">0.38 %</text>", ">Reading</text>"})
        EXPECT_TRUE(text.contains(part)) << part;

    boxes.saveAnswer.clear();  // cancelled
    g.frm.btSaveImageClick();
    EXPECT_TRUE(boxes.errors.isEmpty());
    answer = boxes.saveAnswer = dir.filePath("no/such/folder/chart.png");
    g.frm.btSaveImageClick();
    EXPECT_EQ(boxes.errors,
              QStringList{"Unable to write to " + answer + ": No such file or directory"});
    EXPECT_FALSE(QFile::exists(answer));
    boxes.errors.clear();

    // A name without a suffix takes the chosen filter's; one the window cannot write is
    // refused.
    boxes.saveAnswer = dir.filePath("svgnoext");
    boxes.saveFilter = QStringLiteral("SVG image (*.svg)");
    g.frm.btSaveImageClick();
    QFile noExt(dir.filePath("svgnoext.svg"));
    ASSERT_TRUE(noExt.open(QIODevice::ReadOnly));
    EXPECT_TRUE(noExt.readAll().contains("<svg"));
    EXPECT_EQ(boxes.saveDialogs.last().defaultSuffix, QStringLiteral("png"));
    boxes.saveAnswer = dir.filePath("pic.jpg");
    g.frm.btSaveImageClick();
    EXPECT_EQ(boxes.errors, QStringList{"The file name must end in .png or .svg."});
    EXPECT_FALSE(QFile::exists(dir.filePath("pic.jpg")));
}

// Names that are markup in XML are saved as text: the file parses, and its title,
// description and texts say the names as typed.
TEST(GraphWindow, SavedSvgIsXmlWhateverTheNames) {
    const QString title = "Hours spent for Rock & <b>Ada</b>";
    const QStringList names = {"Rock & roll", "<b>Ada</b>", "\"Quoted\" & 'single'", "a > b"};
    std::vector<ChartPoint> points{{1000, "Other", kWhite}};
    for (int i = 0; i < names.size(); ++i) points.push_back({100.0 + i, names[i], kRed});
    ShownGraph g(points);
    g.frm.setTitle(title);
    QTemporaryDir dir;
    test::ScriptedBoxes boxes;
    for (const char* file : {"pie.svg", "bars.svg"}) {
        if (QByteArray(file) == "bars.svg") g.frm.rbBarClick();
        boxes.saveAnswer = dir.filePath(file);
        g.frm.btSaveImageClick();
        QFile saved(boxes.saveAnswer);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << file;
        const QByteArray svg = saved.readAll();
        QString savedTitle, desc;
        EXPECT_EQ(test::svgXmlError(svg, &savedTitle, &desc), "") << file;
        EXPECT_EQ(savedTitle, title) << file;
        QStringList texts;
        for (const test::SvgText& t : test::svgTexts(svg)) texts << t.text;
        for (const QString& name : names) {
            EXPECT_TRUE(desc.contains(name + ": ")) << file << " " << name.toStdString();
            EXPECT_TRUE(texts.contains(name)) << file << " " << name.toStdString();
        }
    }
}

// 30 small rows under a large "Other", and 50 rows with long names, in colours drawn as
// the window draws them.
std::vector<ChartPoint> manyPoints(int n, bool longNames) {
    initAColorsSeeded(n);
    std::vector<ChartPoint> points;
    if (!longNames) points.push_back({1.2e6, "Other", kWhite});
    for (int i = 1; i <= n; ++i)
        points.push_back({longNames ? 100.0 * i : 20.0 + i,
                          longNames ? QString("A rather long activity name %1").arg(i)
                                    : QString("Row %1").arg(i),
                          windowsColor(aColors()[i - 1])});
    return points;
}

// The saved SVG at the window's normal size and maximised, as a pie and as bars: every
// text inside the picture and apart from the others, every legend entry there.
TEST(GraphWindow, SavedSvgTextsStayInsideAndApart) {
    const std::vector<std::vector<ChartPoint>> charts{somePoints(5), manyPoints(30, false),
                                                      manyPoints(50, true)};
    for (const auto& points : charts) {
        ShownGraph g(points);
        g.frm.setTitle(
            "Hours spent for Ann Example  Age: 36 years 9 months 5 days  Hours: 322,306");
        for (const QSize size : {QSize(648, 445), QSize(1280, 1000)}) {
            g.frm.resize(size);
            QCoreApplication::processEvents();
            for (const bool bars : {false, true}) {
                bars ? g.frm.rbBarClick() : g.frm.rbPieClick();
                const QByteArray svg = g.frm.imageBytes(ImageFormat::Svg);
                const QString where = QString("%1 points at %2x%3%4")
                                          .arg(points.size())
                                          .arg(size.width())
                                          .arg(size.height())
                                          .arg(bars ? " bars" : "");
                EXPECT_EQ(test::svgTextProblems(svg), "") << where.toStdString();
                QStringList texts;
                for (const test::SvgText& t : test::svgTexts(svg)) texts << t.text;
                for (const ChartPoint& p : points)
                    EXPECT_TRUE(texts.contains(p.label))
                        << where.toStdString() << " " << p.label.toStdString();
            }
        }
    }
}

// Bars of $21 to $50 beside $1.2M of "Other": each still shows its own colour in the plot.
TEST(GraphWindow, EveryBarAboveZeroIsVisible) {
    const std::vector<ChartPoint> points = manyPoints(30, false);
    ShownGraph g(points);
    g.frm.resize(648, 445);
    g.frm.rbBarClick();
    QCoreApplication::processEvents();
    QImage image(g.frm.chart()->size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        g.frm.Chart1->scene()->render(&painter, image.rect(), g.frm.chart()->geometry());
    }
    const QRect plot = g.frm.chart()->plotArea().toRect();
    for (std::size_t i = 1; i < points.size(); ++i) {
        int count = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.left(); x <= plot.right(); ++x)
                if (image.pixelColor(x, y) == points[i].color) ++count;
        EXPECT_GE(count, 6) << points[i].label.toStdString();
    }
}

// Shares of 322,306 once "Reading" and "Chess" are dropped.
TEST(GraphWindow, AScreenReaderHearsTheTitleAndEveryPoint) {
    ShownGraph g(5);
    for (int i = 0; i < 2; ++i) g.frm.SpeedButton1Click();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(g.frm.Chart1);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), "Hours spent for Ann");
    EXPECT_EQ(a->text(QAccessible::Description),
              "Other: 320,175 (99.34 %); Work: 2,000 (0.62 %); Sleep: 131 (0.04 %)");
}

TEST(ShowGraph, RunsTheWindowMaximisedAndDestroysIt) {
    test::PinnedEnv env;
    test::ScriptedBoxes boxes;
    QWidget owner;
    QPointer<TfrmGraph> seen;
    boxes.onDialog = [&](QDialog& d) {
        seen = qobject_cast<TfrmGraph*>(&d);
        EXPECT_FALSE(seen.isNull());
        if (!seen) return int(QDialog::Rejected);
        EXPECT_EQ(seen->parentWidget(), &owner);
        EXPECT_TRUE(seen->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(seen->title(), "Frequency of activities for Ann");
        EXPECT_EQ(seriesPoints(*seen->Series1), somePoints(4));
        EXPECT_EQ(seriesPoints(*seen->Series2), somePoints(4));
        seen->show();
        EXPECT_TRUE(seen->SpeedButton1->isVisible());
        EXPECT_EQ(seen->visiblePoints, 4);
        return int(QDialog::Rejected);
    };
    showGraph(&owner, "Frequency of activities for Ann", somePoints(4), TableKind::Freq);
    EXPECT_TRUE(seen.isNull());
}

}  // namespace
}  // namespace lt
