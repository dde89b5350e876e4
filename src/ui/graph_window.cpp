#include "ui/graph_window.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSvgGenerator>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "core/chart_layout.h"
#include "core/credits.h"
#include "core/export_names.h"
#include "ui/designed_palette.h"
#include "ui/look.h"
#include "ui/message_boxes.h"
#include "ui/report_export.h"
#include "ui/save_dialog.h"

namespace lt {
namespace {

constexpr int kPanelHeight = 41;
constexpr int kRotationStep = 3;         // degrees per tick: a full turn in 120 ticks
constexpr qreal kLegendTopShare = 0.08;  // legend top below the chart's top, of its height
constexpr qreal kPrintMargin = 0.05;     // of the page, on every side
constexpr qreal kLabelArm = 8;           // pixels from the pie to a slice mark
constexpr qreal kPieSize = 0.7;          // of the plot area's smaller side
constexpr qreal kShadowOffset = 6;       // pixels, right and down
constexpr qreal kGap = 10;               // pixels between legend and chart edge
constexpr qreal kMarkRun = 16;           // pixels between an arm's end and its column
constexpr qreal kMarkSpacing = 2;        // pixels between marks
constexpr qreal kTitleTop = 6;           // pixels above the title
constexpr qreal kRimShare = 0.88;        // of the radius: the face's own colour out to here
const char* const kLabelProperty = "pointLabel";
const char* const kColorProperty = "pointColor";

}  // namespace

// ---- window ---------------------------------------------------------------------

TfrmGraph::TfrmGraph(QWidget* owner) : QDialog(owner) {
    applyDesignedPalette(this);
    setWindowTitle(QStringLiteral("Activity Graph"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(648, 445);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    chart_ = new QChart;
    chart_->setTheme(QChart::ChartThemeLight);
    chart_->setBackgroundRoundness(0);
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    chart_->setBackgroundPen(Qt::NoPen);
    chart_->setBackgroundBrush(Qt::white);
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);

    Series1 = new QPieSeries;
    Series1->setPieSize(kPieSize);
    chart_->addSeries(Series1);

    Series2 = new QHorizontalBarSeries;
    Series2->setLabelsVisible(false);
    Series2->setBarWidth(0.9);
    chart_->addSeries(Series2);
    // The bars need a value range starting at 0; the axes themselves stay hidden.
    barAxis_ = new QValueAxis;
    barAxis_->setVisible(false);
    auto* categories = new QBarCategoryAxis;
    categories->append(QStringLiteral(" "));
    categories->setVisible(false);
    chart_->addAxis(barAxis_, Qt::AlignBottom);
    chart_->addAxis(categories, Qt::AlignLeft);
    Series2->attachAxis(barAxis_);
    Series2->attachAxis(categories);

    pieShadow_ = new QGraphicsEllipseItem(chart_);
    pieShadow_->setPen(Qt::NoPen);
    pieShadow_->setBrush(QColor(0, 0, 0, 90));
    pieShadow_->setZValue(0.5);  // above the plot area, below the series

    // The chart's own title is cut with "..." when the window is narrow; this one wraps.
    titleItem_ = new QGraphicsTextItem(chart_);
    titleItem_->setFont(pixelFont(QStringLiteral("Times New Roman"), 16, true));
    titleItem_->setDefaultTextColor(navy());
    QTextOption titleOption(Qt::AlignHCenter);
    titleOption.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    titleItem_->document()->setDefaultTextOption(titleOption);
    titleItem_->setZValue(10);

    pieMarks_ = new PieMarks(chart_);
    pieMarks_->setZValue(10);

    legend_ = new ChartLegend(chart_);
    legend_->setZValue(10);

    footer_ = new QGraphicsSimpleTextItem(creditLine(), chart_);
    footer_->setFont(pixelFont(QStringLiteral("Arial"), 11, false, true));
    footer_->setBrush(Qt::red);
    footer_->setZValue(10);

    Chart1 = new QChartView(chart_, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setFrameShape(QFrame::NoFrame);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setRubberBand(QChartView::NoRubberBand);
    Chart1->setFocusPolicy(Qt::StrongFocus);
    Chart1->setWhatsThis(QStringLiteral("Click or press Space to start or stop the pie"));
    Chart1->viewport()->installEventFilter(this);
    Chart1->installEventFilter(this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kPanelHeight);
    Panel1->installEventFilter(this);

    rbPie = new QRadioButton(QStringLiteral("P&ie"), Panel1);
    rbPie->setChecked(true);
    rbBar = new QRadioButton(QStringLiteral("&Bar"), Panel1);
    SpeedButton1 = new QPushButton(QStringLiteral("&Reduce # visible points"), Panel1);
    btSaveImage = new QPushButton(QStringLiteral("&Save image..."), Panel1);
    btPreview = new QPushButton(QStringLiteral("Pre&view"), Panel1);
    btPrint = new QPushButton(QStringLiteral("&Print"), Panel1);
    btClose = new QPushButton(QStringLiteral("Close"), Panel1);
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
    btPrint->setToolTip(
        QStringLiteral("Print the chart (%1)").arg(print.toString(QKeySequence::NativeText)));
    btSaveImage->setToolTip(QStringLiteral("Save the chart as a PNG or SVG image (%1)")
                                .arg(save.toString(QKeySequence::NativeText)));
    connect(Timer1, &QTimer::timeout, this, &TfrmGraph::Timer1Timer);
    connect(chart_, &QGraphicsWidget::geometryChanged, this, &TfrmGraph::layoutOverlays);
    connect(chart_, &QChart::plotAreaChanged, this, &TfrmGraph::layoutOverlays);

    setTabOrder(Chart1, rbPie);
    setTabOrder(rbPie, rbBar);
    setTabOrder(rbBar, btSaveImage);
    setTabOrder(btSaveImage, SpeedButton1);
    setTabOrder(SpeedButton1, btPreview);
    setTabOrder(btPreview, btPrint);
    setTabOrder(btPrint, btClose);

    setPieActive(true);
    layoutOverlays();
}

TfrmGraph::~TfrmGraph() = default;

QPrinter& TfrmGraph::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TfrmGraph::setTitle(const QString& title) {
    title_ = title;
    titleItem_->setPlainText(title);
    Chart1->setAccessibleName(title);
    layoutOverlays();
}

void TfrmGraph::clearSeries() {
    Series1->clear();
    Series2->clear();
    points_.clear();
    refreshMarks();
}

void TfrmGraph::addPoint(const ChartPoint& point) {
    auto* slice = new QPieSlice(QString(), point.value);
    slice->setProperty(kLabelProperty, point.label);
    slice->setProperty(kColorProperty, point.color);
    Series1->append(slice);
    slice->setBrush(point.color);
    // The chart's theme restyles every slice whose pen still equals the default one;
    // the round join keeps this outline our own.
    slice->setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The window draws the marks itself, apart from each other.
    slice->setLabelVisible(false);

    auto* set = new QBarSet(point.label);
    set->append(point.value);
    Series2->append(set);
    set->setBrush(point.color);
    set->setPen(QPen(Qt::black, 1));

    points_.push_back(point);
    refreshMarks();
}

void TfrmGraph::setPoints(const std::vector<ChartPoint>& points) {
    clearSeries();
    for (const ChartPoint& p : points) addPoint(p);
}

void TfrmGraph::deletePoint(int index) {
    if (index < 0 || index >= int(points_.size())) return;
    Series1->remove(Series1->slices().at(index));
    Series2->remove(Series2->barSets().at(index));
    points_.erase(points_.begin() + index);
    refreshMarks();
}

bool TfrmGraph::pieActive() const { return Series1->isVisible(); }
bool TfrmGraph::barActive() const { return Series2->isVisible(); }

bool TfrmGraph::rotatePie(int degrees) {
    if (degrees < 0 || degrees > 360) return false;
    const qreal start = std::fmod(Series1->pieStartAngle() + degrees, 360.0);
    Series1->setPieStartAngle(start);
    Series1->setPieEndAngle(start + 360);
    layoutMarks();
    return true;
}

qreal TfrmGraph::pieAngle() const { return Series1->pieStartAngle(); }

void TfrmGraph::setPieActive(bool active) {
    Series1->setVisible(active);
    Series2->setVisible(!active);
    pieShadow_->setVisible(active && !points_.empty());
    pieMarks_->setVisible(active);
    refreshLegend();
}

// Percentages change whenever a point comes or goes.
void TfrmGraph::refreshMarks() {
    for (QPieSlice* s : Series1->slices()) s->setLabel(percentMark(s->percentage() * 100));
    qreal most = 0;
    for (const ChartPoint& p : points_) most = std::max(most, p.value);
    barAxis_->setRange(0, most > 0 ? most * 1.05 : 1);
    pieShadow_->setVisible(pieActive() && !points_.empty());
    Chart1->setAccessibleDescription(chartDescription(points_));
    refreshLegend();
}

void TfrmGraph::refreshLegend() {
    legend_->setPoints(pieActive() ? seriesPoints(*Series1) : seriesPoints(*Series2));
    layoutOverlays();
}

// Title, legend, footer, marks and pie shadow follow the chart's size; the plot area
// leaves room for the title, the legend and the footer.
void TfrmGraph::layoutOverlays() {
    if (layingOut_) return;
    layingOut_ = true;
    const QRectF area = chart_->rect();
    const qreal footerHeight = footer_->boundingRect().height();
    const qreal legendTop = area.top() + area.height() * kLegendTopShare;
    legend_->fit(area.bottom() - footerHeight - 8 - legendTop, area.width() / 2);
    const qreal legendWidth = legend_->preferredWidth();
    legend_->place(QPointF(area.right() - legendWidth - kGap, legendTop));

    // A title that reaches down to the legend keeps clear of it on both sides.
    titleItem_->setTextWidth(std::max<qreal>(100, area.width() - 2 * kGap));
    if (legendWidth > 0 && kTitleTop + titleItem_->boundingRect().height() > legendTop)
        titleItem_->setTextWidth(std::max<qreal>(100, area.width() - 2 * (legendWidth + 2 * kGap)));
    const qreal titleHeight = title_.isEmpty() ? 0 : titleItem_->boundingRect().height();
    titleItem_->setPos(area.left() + (area.width() - titleItem_->textWidth()) / 2,
                       area.top() + kTitleTop);

    chart_->setMargins(QMargins(20, int(kTitleTop + titleHeight + 6),
                                int(legendWidth > 0 ? legendWidth + 2 * kGap : 20),
                                int(footerHeight + 12)));
    footer_->setPos(area.left() + (area.width() - footer_->boundingRect().width()) / 2,
                    area.bottom() - footerHeight - 4);
    layoutMarks();
    layingOut_ = false;
}

// The pie is sized so that the columns of marks fit beside it; every slice keeps its
// mark, in a smaller type or in more columns when there are many.
void TfrmGraph::layoutMarks() {
    const QRectF plot = chart_->plotArea();
    const qreal side = std::min(plot.width(), plot.height());
    const QList<QPieSlice*> slices = Series1->slices();
    if (slices.isEmpty() || side <= 0) {
        pieMarks_->setMarks({}, QFont());
        return;
    }
    QFont font;
    qreal height = 0, width = 0;
    int columns = 1;
    // Enough columns for every mark on one side: the pie turns.
    for (const int pixels : {11, 10, 9}) {
        font = pixelFont(QStringLiteral("Arial"), pixels);
        const QFontMetricsF fm(font);
        height = fm.height();
        width = 0;
        for (const QPieSlice* s : slices) width = std::max(width, fm.horizontalAdvance(s->label()));
        columns = pieMarkColumns(int(slices.size()), height, plot.height(), kMarkSpacing);
        if (columns <= 2) break;
    }
    const QFontMetricsF fm(font);
    const qreal room =
        plot.width() / 2 - kLabelArm - kMarkRun - columns * (width + kMarkSpacing) - 4;
    const qreal radius = std::max<qreal>(
        10, std::min({side / 2 * kPieSize, room, plot.height() / 2 - kLabelArm - 2}));
    Series1->setPieSize(std::min<qreal>(1, 2 * radius / side));

    const QPointF centre = plot.center();
    pieShadow_->setRect(QRectF(centre.x() - radius + kShadowOffset,
                               centre.y() - radius + kShadowOffset, 2 * radius, 2 * radius));
    // The slices are drawn in the plot area's coordinates. The face keeps the point's
    // colour; only the rim darkens.
    const QPointF local = centre - plot.topLeft();
    std::vector<double> values;
    std::vector<QSizeF> sizes;
    for (QPieSlice* s : slices) {
        const QColor c = s->property(kColorProperty).value<QColor>();
        QRadialGradient g(local, radius);
        g.setColorAt(0, c);
        g.setColorAt(kRimShare, c);
        g.setColorAt(1, c.darker(125));
        s->setBrush(g);
        values.push_back(s->value());
        sizes.emplace_back(fm.horizontalAdvance(s->label()) + 2, height);
    }
    const PieMarkGeometry pie{centre, radius, kLabelArm, kMarkRun, kMarkSpacing};
    const auto places =
        layoutPieMarks(sliceMidAngles(values, Series1->pieStartAngle()), sizes, pie, plot);
    std::vector<PieMarks::Mark> marks;
    for (int i = 0; i < slices.size(); ++i)
        marks.push_back({slices[i]->label(), places[i].rect, places[i].arm});
    pieMarks_->setMarks(marks, font);
}

// Lays the chart out now rather than on the next turn of the event loop (printing and
// saving draw at once).
void TfrmGraph::settleLayout() {
    for (int i = 0; i < 3 && chart_->layout(); ++i) chart_->layout()->activate();
    layoutOverlays();
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
    const QPageLayout::Orientation before = printer().pageLayout().orientation();
    printer().setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        if (!printChart(*p))
            reportDefaultError(QStringLiteral("The chart could not be printed."), this);
    });
    execDialog(preview);
    printer().setPageOrientation(before);
}

void TfrmGraph::btPrintClick() {
    if (!runPrintDialog(printer(), this)) return;
    if (!printChart(printer()))
        reportDefaultError(QStringLiteral("The chart could not be printed."), this);
}

bool TfrmGraph::printChart(QPrinter& printer) {
    const QPageLayout::Orientation before = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    bool ok = painter.begin(&printer);
    if (ok) {
        const QRectF page(0, 0, printer.width(), printer.height());
        const QRectF target(page.width() * kPrintMargin, page.height() * kPrintMargin,
                            page.width() * (1 - 2 * kPrintMargin),
                            page.height() * (1 - 2 * kPrintMargin));
        // Lay the chart out at the page's proportions for the print, then put it back.
        const QRectF shown = chart_->geometry();
        const QSizeF printed(shown.height() * target.width() / target.height(), shown.height());
        chart_->resize(printed);
        settleLayout();
        Chart1->scene()->render(&painter, target, QRectF(shown.topLeft(), printed),
                                Qt::IgnoreAspectRatio);
        chart_->resize(shown.size());
        settleLayout();
        ok = painter.end();
    }
    printer.setPageOrientation(before);
    return ok;
}

void TfrmGraph::btSaveImageClick() {
    const QString path = askExportPath(this, QStringLiteral("Save image"),
                                       chartFileName(table_, !pieActive(), ImageFormat::Png),
                                       {{QStringLiteral("PNG image"), QStringLiteral("png")},
                                        {QStringLiteral("SVG image"), QStringLiteral("svg")}});
    if (path.isEmpty()) return;
    // Drawn in full first, so that a failed write leaves no half-written file.
    saveFileBytes(path, imageBytes(imageFormatFor(path)), this);
}

QByteArray TfrmGraph::imageBytes(ImageFormat format) {
    settleLayout();
    const QRectF shown = chart_->geometry();
    const QSize size = savedImageSize(shown.size());
    const QRectF target(QPointF(0, 0), QSizeF(size));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(target);
        svg.setTitle(title_);
        svg.setDescription(
            chartDescription(pieActive() ? seriesPoints(*Series1) : seriesPoints(*Series2)));
        QPainter painter(&svg);
        painter.setRenderHint(QPainter::Antialiasing);
        Chart1->scene()->render(&painter, target, shown, Qt::IgnoreAspectRatio);
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            Chart1->scene()->render(&painter, target, shown, Qt::IgnoreAspectRatio);
        }
        image.save(&buffer, "PNG");
    }
    return bytes;
}

std::vector<ChartPoint> seriesPoints(const QPieSeries& series) {
    std::vector<ChartPoint> out;
    for (const QPieSlice* s : series.slices())
        out.push_back({s->value(), s->property(kLabelProperty).toString(),
                       s->property(kColorProperty).value<QColor>()});
    return out;
}

std::vector<ChartPoint> seriesPoints(const QHorizontalBarSeries& series) {
    std::vector<ChartPoint> out;
    for (QBarSet* s : series.barSets()) out.push_back({s->at(0), s->label(), s->brush().color()});
    return out;
}

void showGraph(QWidget* owner, const QString& title, const std::vector<ChartPoint>& points,
               TableKind table) {
    TfrmGraph frm(owner);
    frm.setTable(table);
    frm.setTitle(title);
    frm.setPoints(points);
    frm.setWindowState(frm.windowState() | Qt::WindowMaximized);
    execDialog(frm);
}

}  // namespace lt
