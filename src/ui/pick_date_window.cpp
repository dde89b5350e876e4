#include "ui/pick_date_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "core/clock.h"
#include "core/date_wording.h"
#include "core/locale_format.h"
#include "core/pick_date_rules.h"
#include "ui/activity_form.h"
#include "ui/designed_palette.h"
#include "ui/message_boxes.h"
#include "ui/pick_date_window_p.h"
#include "ui/text_room.h"

namespace lt {

// Two stacked arrow buttons that step something up or down; held down they repeat,
// faster the longer they are held.
class UpDownSpinner : public QWidget {
public:
    UpDownSpinner(const QString& name, const QString& hint, std::function<void(bool)> step,
                  QWidget* parent)
        : QWidget(parent), m_step(std::move(step)) {
        setObjectName(name);
        setToolTip(hint);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(makeButton(name, hint, true));
        layout->addWidget(makeButton(name, hint, false));
        setFixedWidth(17);
    }

private:
    QToolButton* makeButton(const QString& name, const QString& hint, bool up) {
        auto* b = new QToolButton(this);
        b->setObjectName(name + (up ? QStringLiteral("Up") : QStringLiteral("Down")));
        b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        //: Which of the two arrow buttons, for screen readers.
        b->setAccessibleDescription(up ? QCoreApplication::translate("Calendar", "Up")
                                       : QCoreApplication::translate("Calendar", "Down"));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(spinnerRepeatDelay);
        b->setAutoRepeatInterval(spinnerRepeatInterval(0));
        // While repeating, the button sends released/pressed around every click with
        // isDown() still true; only a real press or release changes the hold.
        connect(b, &QAbstractButton::pressed, this, [this] {
            if (!m_held.isValid()) m_held.start();
        });
        connect(b, &QAbstractButton::released, this, [this, b] {
            if (b->isDown()) return;
            m_held.invalidate();
            b->setAutoRepeatInterval(spinnerRepeatInterval(0));
        });
        connect(b, &QAbstractButton::clicked, this, [this, b, up] {
            if (b->isDown() && m_held.isValid())
                b->setAutoRepeatInterval(spinnerRepeatInterval(m_held.elapsed()));
            m_step(up);
        });
        return b;
    }

    std::function<void(bool)> m_step;
    QElapsedTimer m_held;
};

namespace {

// The month calendar with its day cells drawn as small button faces.
class PickerCalendar : public QCalendarWidget {
public:
    using QCalendarWidget::QCalendarWidget;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override {
        const QPalette& pal = palette();
        const QColor face = pal.color(QPalette::Button);
        const QColor ink = pal.color(QPalette::ButtonText);
        const QColor grey = pal.color(QPalette::Disabled, QPalette::ButtonText);
        const QRect cell = rect.adjusted(0, 0, -1, -1);
        const bool shownMonth = date.month() == monthShown() && date.year() == yearShown();

        painter->save();
        painter->setPen(face);
        painter->setBrush(face);
        painter->drawRect(cell);

        if (shownMonth) {
            const bool selected = date == selectedDate();
            const QRectF button =
                QRectF(cell.adjusted(1, 1, -1, -1)).adjusted(0.5, 0.5, -0.5, -0.5);
            painter->setRenderHint(QPainter::Antialiasing, true);
            QPainterPath outline;
            outline.addRoundedRect(button, 2.5, 2.5);
            painter->fillPath(outline, selected ? face.darker(112) : face);
            // One-pixel bevel: light on top and left, dark below and right (the other
            // way round when pressed in).
            const QColor topLeft =
                selected ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
            const QColor bottomRight =
                selected ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(pal.color(QPalette::Shadow), 1));
            painter->drawPath(outline);
            const QRectF bevel = button.adjusted(1, 1, -1, -1);
            painter->setPen(QPen(topLeft, 1));
            painter->drawLine(QPointF(bevel.left() + 1, bevel.top()),
                              QPointF(bevel.right() - 1, bevel.top()));
            painter->drawLine(QPointF(bevel.left(), bevel.top() + 1),
                              QPointF(bevel.left(), bevel.bottom() - 1));
            painter->setPen(QPen(bottomRight, 1));
            painter->drawLine(QPointF(bevel.left() + 1, bevel.bottom()),
                              QPointF(bevel.right() - 1, bevel.bottom()));
            painter->drawLine(QPointF(bevel.right(), bevel.top() + 1),
                              QPointF(bevel.right(), bevel.bottom() - 1));
            painter->setRenderHint(QPainter::Antialiasing, false);
            if (selected) {
                // The focus look: a dotted rectangle inside the pressed face.
                QPen dots(ink, 1, Qt::DotLine);
                painter->setPen(dots);
                painter->drawRect(cell.adjusted(4, 4, -4, -4));
            }
            painter->setPen(ink);
        } else {
            painter->setPen(grey);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(cell.adjusted(1, 1, -1, -1));
        }
        const QRect text = shownMonth && date == selectedDate() ? rect.translated(1, 1) : rect;
        painter->drawText(text, Qt::AlignCenter | Qt::TextSingleLine, loc::formatDayOfMonth(date));
        painter->restore();
    }
};

QLabel* makePanel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}
}  // namespace

TfrmPickDate::TfrmPickDate(DateTime birth, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_birth(birth) {
    setObjectName(QStringLiteral("frmPickDate"));
    setWindowTitle(tr("Calendar"));
    setModal(true);
    applyDesignedPalette(this);
    m_lifeLine = lifeLineShown(birth, nowDateTime());
    buildControls();
    setCalendarDate(today());
    installKeyPreview();
}

void TfrmPickDate::buildControls() {
    pnlInner = new QFrame(this);
    pnlInner->setObjectName(QStringLiteral("pnlInner"));
    pnlInner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlInner->setLineWidth(2);
    pnlInner->setGeometry(1, 1, pickerWidth - 2, pickerPanelHeight(m_lifeLine));

    auto* column = new QVBoxLayout(pnlInner);
    // Without the life line the rows fill the panel exactly.
    column->setContentsMargins(5, 4, 5, 3);
    column->setSpacing(5);

    auto* calendar = new PickerCalendar(pnlInner);
    Calendar = calendar;
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setNavigationBarVisible(false);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    Calendar->setDateEditEnabled(false);
    Calendar->setLocale(loc::dateLocale());
    Calendar->setFirstDayOfWeek(loc::dateLocale().firstDayOfWeek());
    Calendar->setDateRange(pickerFirstDate(), pickerLastDate());
    Calendar->setFixedSize(353, 190);
    Calendar->setAccessibleName(tr("Calendar"));
    // The table of days inside takes the focus, so it is what a screen reader names.
    if (QWidget* days = Calendar->focusProxy()) days->setAccessibleName(Calendar->accessibleName());
    // The heading row is black on the button face, weekends included.
    QTextCharFormat heading;
    heading.setBackground(palette().brush(QPalette::Button));
    heading.setForeground(palette().brush(QPalette::ButtonText));
    Calendar->setHeaderTextFormat(heading);
    QTextCharFormat weekday;
    weekday.setForeground(palette().brush(QPalette::ButtonText));
    Calendar->setWeekdayTextFormat(Qt::Saturday, weekday);
    Calendar->setWeekdayTextFormat(Qt::Sunday, weekday);
    column->addWidget(Calendar, 0, Qt::AlignHCenter);

    auto* monthYear = new QHBoxLayout;
    monthYear->setSpacing(0);
    pnlMonth = makePanel(pnlInner, QStringLiteral("pnlMonth"));
    MonthSpinner = new UpDownSpinner(
        QStringLiteral("MonthSpinner"), tr("Change the displayed month"),
        [this](bool up) { MonthSpinnerClick(up); }, pnlInner);
    pnlYear = makePanel(pnlInner, QStringLiteral("pnlYear"));
    YearSpinner = new UpDownSpinner(
        QStringLiteral("YearSpinner"), tr("Change the displayed year"),
        [this](bool up) { YearSpinnerClick(up); }, pnlInner);
    monthYear->addWidget(pnlMonth, 3);
    monthYear->addWidget(MonthSpinner);
    monthYear->addSpacing(12);
    monthYear->addWidget(pnlYear, 2);
    monthYear->addWidget(YearSpinner);
    for (QWidget* w : {static_cast<QWidget*>(pnlMonth), static_cast<QWidget*>(MonthSpinner),
                       static_cast<QWidget*>(pnlYear), static_cast<QWidget*>(YearSpinner)})
        w->setFixedHeight(26);
    QFont bold = pnlMonth->font();
    bold.setBold(true);
    pnlMonth->setFont(bold);
    pnlYear->setFont(bold);
    column->addLayout(monthYear);

    pnlWhen = makePanel(pnlInner, QStringLiteral("pnlWhen"));
    pnlWhen->setFixedHeight(22);
    column->addWidget(pnlWhen);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    SpeedButton1 = makeButton(pnlInner, QStringLiteral("SpeedButton1"), tr("Date of &birth"),
                              tr("Go to your birthdate"));
    sbNow = makeButton(pnlInner, QStringLiteral("sbNow"), tr("&Today"), tr("Go to today"));
    btnOk = makeButton(pnlInner, QStringLiteral("btnOk"), tr("&OK"), tr("Select date"));
    btnCancel = makeButton(pnlInner, QStringLiteral("btnCancel"), tr("&Cancel"), tr("Cancel"));
    btnOk->setDefault(true);
    for (QPushButton* b : {SpeedButton1, sbNow, btnOk, btnCancel}) {
        b->setFixedHeight(26);
        buttons->addWidget(b, 1);
    }
    column->addLayout(buttons);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmPickDate::SpeedButton1Click);
    connect(sbNow, &QPushButton::clicked, this, &TfrmPickDate::sbNowClick);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    TrackBar1 = new QSlider(Qt::Horizontal, pnlInner);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(trackBarMin, trackBarMax);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(5);
    TrackBar1->setPageStep(5);
    //: The slider from the date of birth to today.
    TrackBar1->setAccessibleName(tr("Life line"));
    column->addWidget(TrackBar1);
    connect(TrackBar1, &QSlider::valueChanged, this, &TfrmPickDate::TrackBar1Change);

    lifeLabels = new QWidget(pnlInner);
    lifeLabels->setObjectName(QStringLiteral("lifeLabels"));
    auto* labels = new QGridLayout(lifeLabels);
    labels->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        const char* text;
        Qt::Alignment align;
    } ends[] = {{"lblLifeBirth", QT_TR_NOOP("Date of birth"), Qt::AlignLeft},
                {"lblLifeMiddle", QT_TR_NOOP("Mid-life"), Qt::AlignHCenter},
                //: The right end of the life line: today.
                {"lblLifePresent", QT_TR_NOOP("Present"), Qt::AlignRight}};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(tr(ends[i].text), lifeLabels);
        label->setObjectName(QString::fromLatin1(ends[i].name));
        labels->addWidget(label, 0, i, ends[i].align | Qt::AlignVCenter);
        labels->setColumnStretch(i, 1);
    }
    column->addWidget(lifeLabels);
    column->addStretch(1);

    TrackBar1->setVisible(m_lifeLine);
    lifeLabels->setVisible(m_lifeLine);

    connect(Calendar, &QCalendarWidget::selectionChanged, this, &TfrmPickDate::CalendarChange);
    connect(Calendar, &QCalendarWidget::currentPageChanged, this,
            &TfrmPickDate::calendarPageChanged);

    setFixedSize(pickerWidth, pickerClientHeight(m_lifeLine));
    QStringList months;
    for (int m = 1; m <= 12; ++m) months << loc::monthName(m);
    reserveTexts(pnlMonth, months);
    reserveTexts(pnlWhen, form::widestWordings());
    fitWindowToTexts(this);
}

void TfrmPickDate::installKeyPreview() {
    // Keys reach the window before its controls, whichever of them has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void TfrmPickDate::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Without a title bar the window needs an edge of its own.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TfrmPickDate::setPickedDate(DateTime picked) {
    m_pickedDate = picked;
    setCalendarDate(dateOf(picked));
}

DateTime TfrmPickDate::calendarDate() const { return toDateTime(Calendar->selectedDate()); }

QAbstractItemView* TfrmPickDate::dayTable() const {
    return Calendar->findChild<QAbstractItemView*>();
}

void TfrmPickDate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmPickDate::FormShow() {
    setCalendarDate(dateOf(m_pickedDate));
    updatePanels();
    positionTrackBar();
    Calendar->setFocus(Qt::OtherFocusReason);
}

bool TfrmPickDate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (FormKeyPress(static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::KeyRelease:
            if (FormKeyUp(static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::MouseButtonDblClick: {
            QAbstractItemView* view = dayTable();
            if (view && watched == view->viewport()) {
                // Anywhere on the calendar, the day-name heading included.
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    CalendarDblClick();
                    return true;
                }
            }
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmPickDate::FormKeyPress(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Home:
            // Acted on when released; the calendar must not take it as "first of month".
            return true;
        default:
            return false;
    }
}

bool TfrmPickDate::FormKeyUp(QKeyEvent* event) {
    if (event->key() != Qt::Key_Home) return false;
    if (!event->isAutoRepeat()) setCalendarDate(today());
    return true;
}

void TfrmPickDate::setCalendarDate(const QDate& date) {
    if (!inPickerRange(date) || date == Calendar->selectedDate()) return;
    Calendar->setSelectedDate(date);
}

void TfrmPickDate::setTrackBar(int position) {
    const QSignalBlocker programMove(TrackBar1);
    TrackBar1->setValue(position);
}

void TfrmPickDate::CalendarChange() {
    updatePanels();
    positionTrackBar();
}

void TfrmPickDate::calendarPageChanged(int year, int month) {
    // The mouse wheel turns the calendar's page without selecting a day; the month shown
    // and the date chosen must stay one, so the day follows the page like a month step.
    const QDate selected = Calendar->selectedDate();
    const int months = (year - selected.year()) * 12 + (month - selected.month());
    if (months == 0) return;
    const QDate stepped = stepMonths(selected, months);
    if (stepped != selected)
        setCalendarDate(stepped);
    else
        Calendar->setCurrentPage(selected.year(), selected.month());
}

void TfrmPickDate::CalendarDblClick() { accept(); }

void TfrmPickDate::MonthSpinnerClick(bool upButton) {
    setCalendarDate(stepMonths(Calendar->selectedDate(), upButton ? 1 : -1));
}

void TfrmPickDate::YearSpinnerClick(bool upButton) {
    setCalendarDate(stepYears(Calendar->selectedDate(), upButton ? 1 : -1));
}

void TfrmPickDate::sbNowClick() {
    setCalendarDate(today());
    setTrackBar(trackBarMax);
    updatePanels();
}

void TfrmPickDate::SpeedButton1Click() {
    setCalendarDate(dateOf(wholeDay(m_birth)));
    setTrackBar(trackBarMin);
    updatePanels();
}

void TfrmPickDate::TrackBar1Change(int position) {
    trackBarDriving = true;
    setCalendarDate(dateOf(trackBarDate(lifeLine(m_birth, nowDateTime()), position)));
    trackBarDriving = false;
}

void TfrmPickDate::updatePanels() {
    const QDate d = Calendar->selectedDate();
    pnlMonth->setText(loc::monthName(d.month()));
    pnlYear->setText(QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0')));
    pnlWhen->setText(dateWhenAge(toDateTime(d), m_birth));
}

void TfrmPickDate::positionTrackBar() {
    if (!m_lifeLine || trackBarDriving) return;
    const auto position = trackBarPosition(lifeLine(m_birth, nowDateTime()), calendarDate());
    if (position) setTrackBar(*position);
}

DateTime pickDate(QWidget* field, DateTime initial, DateTime birth) {
    std::unique_ptr<TfrmPickDate> form;
    {
        const WaitCursor hourglass;
        form = std::make_unique<TfrmPickDate>(birth, field ? field->window() : nullptr);
    }
    form->setPickedDate(initial > 0.0 ? initial : nowDateTime());
    if (field) {
        const QRect onScreen(field->mapToGlobal(QPoint(0, 0)), field->size());
        const QScreen* screen = field->screen();
        if (screen)
            form->move(pickerPlacement(onScreen, form->size(), screen->availableGeometry()));
    }
    const bool ok = execDialog(*form) == QDialog::Accepted;
    return ok ? form->calendarDate() : initial;
}

}  // namespace lt
