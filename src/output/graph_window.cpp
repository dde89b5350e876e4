#include "output/graph_window.h"

#include <QChartView>
#include <QEvent>
#include <QFileInfo>
#include <QHorizontalStackedBarSeries>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPieSeries>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "core/chart_layout.h"
#include "core/export_names.h"
#include "output/chart_export.h"
#include "output/chart_print.h"
#include "output/host.h"
#include "output/landscape_print.h"
#include "output/printer_stream.h"
#include "output/report_export.h"
#include "ui/designed_palette.h"
#include "ui/shared_look.h"
#include "ui/text_room.h"

namespace lt {
namespace {

constexpr int kPanelHeight = 41;
constexpr int kDesignedWidth = 648;
constexpr int kRotationStep = 3;  // degrees per tick: a full turn in 120 ticks

}  // namespace

// ---- window ---------------------------------------------------------------------

TfrmGraph::TfrmGraph(QWidget* owner) : QDialog(owner) {
    applyDesignedPalette(this);
    setWindowTitle(tr("Activity Graph"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(kDesignedWidth, 445);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    scene_ = new ChartScene(this);
    Series1 = scene_->pieSeries();
    Series2 = scene_->barSeries();

    // The view takes the chart into its own scene.
    Chart1 = new QChartView(scene_->chart(), this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setFrameShape(QFrame::NoFrame);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setRubberBand(QChartView::NoRubberBand);
    Chart1->setFocusPolicy(Qt::StrongFocus);
    Chart1->setWhatsThis(tr("Click or press Space to start or stop the pie"));
    Chart1->viewport()->installEventFilter(this);
    Chart1->installEventFilter(this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kPanelHeight);
    Panel1->installEventFilter(this);

    //: Show the chart as a pie.
    rbPie = new QRadioButton(tr("P&ie"), Panel1);
    rbPie->setChecked(true);
    //: Show the chart as horizontal bars.
    rbBar = new QRadioButton(tr("&Bar"), Panel1);
    //: Removes the chart's last point, down to three.
    SpeedButton1 = new QPushButton(tr("&Reduce # visible points"), Panel1);
    btSaveImage = new QPushButton(tr("&Save image..."), Panel1);
    btPreview = new QPushButton(tr("Pre&view"), Panel1);
    btPrint = new QPushButton(tr("&Print"), Panel1);
    btClose = new QPushButton(tr("Close"), Panel1);
    for (QPushButton* b : {SpeedButton1, btSaveImage, btPreview, btPrint, btClose}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    rbPie->setGeometry(8, 12, 60, 17);
    rbBar->setGeometry(75, 12, 60, 17);
    // Between the radio buttons and the reduce button, so that the room left of Print
    // stays free for another button.
    btSaveImage->setGeometry(137, 8, 83, 25);
    SpeedButton1->setGeometry(224, 8, 169, 25);
    btPreview->setGeometry(0, 8, 75, 25);
    btPrint->setGeometry(0, 8, 75, 25);
    btClose->setGeometry(0, 8, 75, 25);

    // The panel at its designed width with the right-hand buttons in place, so that
    // longer captions push those along; the window keeps at least the width they then
    // need (the designed captions leave it free to be narrower).
    Panel1->resize(kDesignedWidth, kPanelHeight);
    Panel1Resize();
    if (const int need = arrangeForTexts(Panel1).width(); need > kDesignedWidth)
        Panel1->setMinimumWidth(need);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Chart1, 1);
    layout->addWidget(Panel1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);

    connect(rbPie, &QRadioButton::clicked, this, &TfrmGraph::rbPieClick);
    connect(rbBar, &QRadioButton::clicked, this, &TfrmGraph::rbBarClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmGraph::SpeedButton1Click);
    connect(btPreview, &QPushButton::clicked, this, &TfrmGraph::btPreviewClick);
    connect(btPrint, &QPushButton::clicked, this, &TfrmGraph::btPrintClick);
    connect(btSaveImage, &QPushButton::clicked, this, &TfrmGraph::btSaveImageClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    const QKeySequence print(QKeySequence::Print), save(QKeySequence::Save);
    connect(new QShortcut(print, this), &QShortcut::activated, this, &TfrmGraph::btPrintClick);
    connect(new QShortcut(save, this), &QShortcut::activated, this, &TfrmGraph::btSaveImageClick);
    //: %1 is the shortcut, "Ctrl+P".
    btPrint->setToolTip(tr("Print the chart (%1)").arg(print.toString(QKeySequence::NativeText)));
    //: %1 is the shortcut, "Ctrl+S".
    btSaveImage->setToolTip(tr("Save the chart as a PNG or SVG image (%1)")
                                .arg(save.toString(QKeySequence::NativeText)));
    connect(Timer1, &QTimer::timeout, this, &TfrmGraph::Timer1Timer);
    connect(scene_, &ChartScene::pointsChanged, this, &TfrmGraph::describe);

    setTabOrder(Chart1, rbPie);
    setTabOrder(rbPie, rbBar);
    setTabOrder(rbBar, btSaveImage);
    setTabOrder(btSaveImage, SpeedButton1);
    setTabOrder(SpeedButton1, btPreview);
    setTabOrder(btPreview, btPrint);
    setTabOrder(btPrint, btClose);

    setPieActive(true);
}

TfrmGraph::~TfrmGraph() = default;

QPrinter& TfrmGraph::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TfrmGraph::setTitle(const QString& title) {
    scene_->setTitle(title);
    Chart1->setAccessibleName(title);
}

void TfrmGraph::clearSeries() { scene_->clearPoints(); }
void TfrmGraph::addPoint(const ChartPoint& point) { scene_->addPoint(point); }
void TfrmGraph::setPoints(const std::vector<ChartPoint>& points) { scene_->setPoints(points); }
void TfrmGraph::deletePoint(int index) { scene_->deletePoint(index); }

bool TfrmGraph::pieActive() const { return scene_->pieActive(); }
bool TfrmGraph::barActive() const { return !scene_->pieActive(); }

bool TfrmGraph::rotatePie(int degrees) {
    if (degrees < 0 || degrees > 360) return false;
    scene_->rotatePie(degrees);
    return true;
}

void TfrmGraph::setPieActive(bool active) { scene_->setPieActive(active); }

// A screen reader hears every point, whatever the picture has room for.
void TfrmGraph::describe() {
    Chart1->setAccessibleDescription(chartDescription(seriesPoints(*Series1)));
}

void TfrmGraph::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

bool TfrmGraph::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::Resize) {
        Panel1Resize();
    } else if (watched == Chart1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton &&
            Chart1->viewport()->rect().contains(me->position().toPoint()))
            Chart1Click();
    } else if (watched == Chart1 && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
            Chart1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmGraph::FormShow() {
    visiblePoints = Series1->count();
    SpeedButton1->setVisible(visiblePoints > 3);
    rbPieClick();
}

void TfrmGraph::rbPieClick() {
    rbPie->setChecked(true);
    setPieActive(true);
}

void TfrmGraph::rbBarClick() {
    rbBar->setChecked(true);
    setPieActive(false);
}

void TfrmGraph::Chart1Click() {
    if (!pieActive()) return;
    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();
}

void TfrmGraph::Timer1Timer() {
    if (pieActive()) rotatePie(kRotationStep);
}

void TfrmGraph::SpeedButton1Click() {
    if (visiblePoints > 3) {
        deletePoint(visiblePoints - 1);
        --visiblePoints;
    }
    if (visiblePoints <= 3) SpeedButton1->hide();
}

void TfrmGraph::Panel1Resize() {
    const int width = Panel1->width();
    btClose->move(width - btClose->width() - 5, btClose->y());
    btPrint->move(btClose->x() - btPrint->width() - 5, btPrint->y());
    btPreview->move(btPrint->x() - btPreview->width() - 5, btPreview->y());
}

void TfrmGraph::btPreviewClick() {
    // The page Print prints, drawn by the same code; the preview shows it landscape, and
    // the printer keeps its own orientation afterwards, as after printing.
    const LandscapeTurn turn(printer());
    QPrintPreviewDialog preview(&printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        if (!printChart(*p)) host().defaultReport(tr("The chart could not be printed."), this);
    });
    host().execDialog(preview);
}

void TfrmGraph::btPrintClick() {
    if (!runPrintDialog(printer(), this)) return;
    if (!printChart(printer())) host().defaultReport(tr("The chart could not be printed."), this);
}

bool TfrmGraph::printChart(QPrinter& printer) { return printChartPage(*scene_, printer); }

void TfrmGraph::btSaveImageClick() {
    const QString path = host().askExportPath(
        this, tr("Save image"), chartFileName(table_, !pieActive(), ImageFormat::Png),
        {{tr("PNG image"), QStringLiteral("png")}, {tr("SVG image"), QStringLiteral("svg")}});
    if (path.isEmpty()) return;
    // Drawn in full first, so that a failed write leaves no half-written file.
    host().saveFileBytes(path, imageBytes(imageFormatFor(path)), this);
}

QByteArray TfrmGraph::imageBytes(ImageFormat format) {
    scene_->settle();
    return chartImageBytes(*scene_, format, chart()->size());
}

void showGraph(QWidget* owner, const QString& title, const std::vector<ChartPoint>& points,
               TableKind table) {
    TfrmGraph frm(owner);
    frm.setTable(table);
    frm.setTitle(title);
    frm.setPoints(points);
    frm.setWindowState(frm.windowState() | Qt::WindowMaximized);
    host().execDialog(frm);
}

}  // namespace lt
