#include "output/timeline_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/export_names.h"
#include "output/host.h"
#include "output/landscape_print.h"
#include "output/printer_stream.h"
#include "output/timeline_output.h"
#include "output/timeline_paint.h"
#include "ui/designed_palette.h"
#include "ui/shared_look.h"

namespace lt {
namespace {

const TimelineRow& rowOf(const TimelineInput& in, const TimelineBand& b) {
    return in.groups[size_t(b.group)].rows[size_t(b.row)];
}

// One band as a screen reader meets it: the activity, from when to when, its total.
class BandAccessible : public QAccessibleInterface {
public:
    BandAccessible(TimelineCanvas* canvas, int index) : canvas_(canvas), index_(index) {}
    bool isValid() const override {
        return canvas_ && index_ < int(canvas_->layout().bands.size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return canvas_ ? canvas_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(canvas_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) return {};
        return rowOf(canvas_->input(), canvas_->layout().bands[size_t(index_)]).spoken;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect lane = canvas_->layout().bands[size_t(index_)].lane.toAlignedRect();
        return QRect(canvas_->mapToGlobal(lane.topLeft()), lane.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    QPointer<TimelineCanvas> canvas_;
    int index_;
};

// The picture as a list of its bands.
class CanvasAccessible : public QAccessibleWidget {
public:
    explicit CanvasAccessible(TimelineCanvas* canvas)
        : QAccessibleWidget(canvas, QAccessible::List) {}
    ~CanvasAccessible() override {
        for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return int(canvas()->layout().bands.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        while (int(children_.size()) <= index)
            children_.push_back(QAccessible::registerAccessibleInterface(
                new BandAccessible(canvas(), int(children_.size()))));
        return QAccessible::accessibleInterface(children_[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < children_.size(); ++i)
            if (QAccessible::accessibleInterface(children_[i]) == child) return int(i);
        return -1;
    }

private:
    TimelineCanvas* canvas() const { return static_cast<TimelineCanvas*>(widget()); }
    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* canvasAccessible(const QString& key, QObject* object) {
    if (key == QLatin1String("lt::TimelineCanvas"))
        if (auto* canvas = qobject_cast<TimelineCanvas*>(object))
            return new CanvasAccessible(canvas);
    return nullptr;
}

}  // namespace

TimelineCanvas::TimelineCanvas(const TimelineInput& input, QWidget* parent)
    : QWidget(parent), input_(input) {
    static const bool factory = (QAccessible::installFactory(canvasAccessible), true);
    Q_UNUSED(factory);
    setObjectName(QStringLiteral("imgTimeline"));
    setAccessibleName(tr("Timeline"));
    setAccessibleDescription(timelineDescription(input_));
    setFocusPolicy(Qt::StrongFocus);
}

void TimelineCanvas::relayout(const QSizeF& size) {
    layout_ = timelineLayout(input_, size);
    setMinimumHeight(int(std::ceil(layout_.size.height())));
    update();
}

void TimelineCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTimeline(painter, layout_);
}

bool TimelineCanvas::event(QEvent* event) {
    // Hovering over a band says what a screen reader says of it.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (const TimelineBand& b : layout_.bands) {
            if (b.lane.contains(help->pos())) {
                QToolTip::showText(help->globalPos(), rowOf(input_, b).spoken, this,
                                   b.lane.toAlignedRect());
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

TfrmTimeline::TfrmTimeline(QWidget* owner, TimelineInput input)
    : QDialog(owner), input_(std::move(input)) {
    applyDesignedPalette(this);
    setWindowTitle(tr("Timeline"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(648, 445);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    scrTimeline = new QScrollArea(this);
    scrTimeline->setObjectName(QStringLiteral("scrTimeline"));
    scrTimeline->setFrameShape(QFrame::NoFrame);
    scrTimeline->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrTimeline->setWidgetResizable(true);
    canvas = new TimelineCanvas(input_, scrTimeline);
    scrTimeline->setWidget(canvas);

    btSaveImage = new QPushButton(tr("&Save image..."), this);
    btPreview = new QPushButton(tr("Pre&view"), this);
    btPrint = new QPushButton(tr("&Print"), this);
    btClose = new QPushButton(tr("Close"), this);
    btSaveImage->setObjectName(QStringLiteral("btSaveImage"));
    btPreview->setObjectName(QStringLiteral("btPreview"));
    btPrint->setObjectName(QStringLiteral("btPrint"));
    btClose->setObjectName(QStringLiteral("btClose"));
    for (QPushButton* b : {btSaveImage, btPreview, btPrint, btClose}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addWidget(btSaveImage);
    buttons->addStretch();
    buttons->addWidget(btPreview);
    buttons->addWidget(btPrint);
    buttons->addWidget(btClose);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(scrTimeline, 1);
    v->addLayout(buttons);

    connect(btPreview, &QPushButton::clicked, this, &TfrmTimeline::btPreviewClick);
    connect(btPrint, &QPushButton::clicked, this, &TfrmTimeline::btPrintClick);
    connect(btSaveImage, &QPushButton::clicked, this, &TfrmTimeline::btSaveImageClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    const QKeySequence print(QKeySequence::Print), save(QKeySequence::Save);
    connect(new QShortcut(print, this), &QShortcut::activated, this, &TfrmTimeline::btPrintClick);
    connect(new QShortcut(save, this), &QShortcut::activated, this,
            &TfrmTimeline::btSaveImageClick);
    //: %1 is the shortcut, "Ctrl+P".
    btPrint->setToolTip(
        tr("Print the timeline (%1)").arg(print.toString(QKeySequence::NativeText)));
    //: %1 is the shortcut, "Ctrl+S".
    btSaveImage->setToolTip(tr("Save the timeline as a PNG or SVG image (%1)")
                                .arg(save.toString(QKeySequence::NativeText)));
    fitCanvas();
}

TfrmTimeline::~TfrmTimeline() = default;

void TfrmTimeline::fitCanvas() {
    // The width shown, less the scroll bar's when the picture is taller than the view.
    const QSize view = scrTimeline->viewport()->size();
    canvas->relayout(QSizeF(view));
    if (canvas->layout().size.height() > view.height() &&
        !scrTimeline->verticalScrollBar()->isVisible())
        canvas->relayout(QSizeF(view.width() - scrTimeline->verticalScrollBar()->sizeHint().width(),
                                view.height()));
}

void TfrmTimeline::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitCanvas();
}

void TfrmTimeline::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitCanvas();
}

QPrinter& TfrmTimeline::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool TfrmTimeline::printTimeline(QPrinter& p) { return lt::printTimeline(input_, p); }

void TfrmTimeline::btPreviewClick() {
    // The pages Print prints, landscape; the printer keeps its own orientation afterwards.
    const LandscapeTurn turn(printer());
    QPrintPreviewDialog preview(&printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        if (!printTimeline(*p))
            host().defaultReport(tr("The timeline could not be printed."), this);
    });
    host().execDialog(preview);
}

void TfrmTimeline::btPrintClick() {
    if (!runPrintDialog(printer(), this)) return;
    if (!printTimeline(printer()))
        host().defaultReport(tr("The timeline could not be printed."), this);
}

QByteArray TfrmTimeline::imageBytes(ImageFormat format) const {
    const QSizeF shown = canvas->layout().size;
    return timelineImageBytes(input_, format, std::max(shown.width(), 1.0),
                              scrTimeline->viewport()->height());
}

void TfrmTimeline::btSaveImageClick() {
    const QString path = host().askExportPath(
        this, tr("Save image"), timelineFileName(input_.age, ImageFormat::Png),
        {{tr("PNG image"), QStringLiteral("png")}, {tr("SVG image"), QStringLiteral("svg")}});
    if (path.isEmpty()) return;
    // Drawn in full first, so that a failed write leaves no half-written file.
    host().saveFileBytes(path, imageBytes(imageFormatFor(path)), this);
}

void showTimeline(QWidget* owner, const TimelineInput& input) {
    TfrmTimeline frm(owner, input);
    frm.setWindowState(frm.windowState() | Qt::WindowMaximized);
    host().execDialog(frm);
}

}  // namespace lt
