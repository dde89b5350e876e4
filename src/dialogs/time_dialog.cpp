#include "dialogs/time_dialog.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <utility>

#include "dialogs/activity_form_ui.h"
#include "platform/masked_field_ui.h"
#include "platform/message_boxes_ui.h"

namespace lt {
namespace {
QRadioButton* radio(QWidget* parent, const QString& text, int left, int top) {
    auto* b = new QRadioButton(text, parent);
    b->setGeometry(left, top, b->sizeHint().width(), 17);
    return b;
}

MaskedNumberField* numberField(QWidget* parent, const QString& mask, double max, int left,
                               int top) {
    auto* f = new MaskedNumberField(parent);
    f->setPictureMask(mask);
    f->setRange(0, max);
    f->setSingleStep(1);
    f->setGeometry(left, top, 57, 24);
    return f;
}
}  // namespace

TfrmTime::TfrmTime(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText)
    : QDialog(owner), dateOfBirth_(dateOfBirth), birthDateText_(birthDateText) {
    setWindowTitle(QStringLiteral("Activity time"));
    setFont(form::sansFont(13));
    setFixedSize(444, 336);

    edName = new QLineEdit(this);
    edName->setGeometry(184, 10, 249, 24);
    edName->setMaxLength(30);
    Label1 = form::placeLabel(this, QStringLiteral("Description of activity"), 16, 12, edName);

    Label5 = form::placeLabel(this, QStringLiteral("Amount of time spent per:"), 16, 77);
    rbDay = radio(this, QStringLiteral("Day"), 184, 53);
    rbWeek = radio(this, QStringLiteral("Week"), 184, 77);
    rbMonth = radio(this, QStringLiteral("Month"), 184, 101);
    for (QRadioButton* b : {rbDay, rbWeek, rbMonth}) b->resize(69, 17);
    rbDay->setChecked(true);

    numHours = numberField(this, QStringLiteral("###"), 720, 272, 85);
    Label3 = form::placeLabel(this, QStringLiteral("Hours"), 272, 63, numHours);
    numMin = numberField(this, QStringLiteral("##"), 59, 352, 85);
    Label4 = form::placeLabel(this, QStringLiteral("Minutes"), 352, 63, numMin);

    edDate = new QLineEdit(this);
    edDate->setGeometry(184, 135, 121, 24);
    Label6 = form::placeLabel(this, QStringLiteral("Starting date of activity:"), 16, 137, edDate);
    btStart = form::calendarButton(this, 308, 135);
    lblStart = form::wordingLabel(this, 184, 166);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(184, 194, 249, 95);
    Panel1->setAccessibleName(QStringLiteral("Ending date of activity"));
    rbNow = radio(Panel1, QStringLiteral("Indefinite"), 126, 9);
    rbSpecific = radio(Panel1, QStringLiteral("Specific date"), 8, 9);
    rbNow->setChecked(true);
    // A group of their own: Qt otherwise counts them with the period buttons, whose Tab
    // stop would then leave the ending-date choice out of reach of the keyboard.
    auto* endChoice = new QButtonGroup(Panel1);
    endChoice->addButton(rbNow);
    endChoice->addButton(rbSpecific);
    edEndDate = new QLineEdit(Panel1);
    edEndDate->setGeometry(8, 38, 121, 24);
    edEndDate->setEnabled(false);
    btEnd = form::calendarButton(Panel1, 131, 38);
    btEnd->setEnabled(false);
    lblEnd = form::wordingLabel(Panel1, 8, 72);
    Label2 = form::placeLabel(this, QStringLiteral("Ending date of activity:"), 16, 228, edEndDate);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setGeometry(264, 304, 75, 25);
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setGeometry(352, 304, 75, 25);
    for (QPushButton* b : {btOK, btCancel}) b->setFont(form::sansFont(11));

    // The design's names, for tests and for accessibility tools.
    const std::pair<QWidget*, const char*> named[] = {
        {edName, "edName"},       {numHours, "numHours"},
        {numMin, "numMin"},       {rbDay, "rbDay"},
        {rbWeek, "rbWeek"},       {rbMonth, "rbMonth"},
        {edDate, "edDate"},       {Panel1, "Panel1"},
        {rbNow, "rbNow"},         {rbSpecific, "rbSpecific"},
        {edEndDate, "edEndDate"}, {Label1, "Label1"},
        {Label2, "Label2"},       {Label3, "Label3"},
        {Label4, "Label4"},       {Label5, "Label5"},
        {Label6, "Label6"},       {lblStart, "lblStart"},
        {lblEnd, "lblEnd"},       {btStart, "btStart"},
        {btEnd, "btEnd"},         {btOK, "btOK"},
        {btCancel, "btCancel"},
    };
    for (const auto& [w, n] : named) w->setObjectName(QLatin1String(n));

    QWidget* order[] = {edName, rbDay, rbWeek,     rbMonth,   numHours, numMin,
                        edDate, rbNow, rbSpecific, edEndDate, btOK,     btCancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    edDate->installEventFilter(this);
    edEndDate->installEventFilter(this);
    connect(btStart, &QToolButton::clicked, this, &TfrmTime::btStartClick);
    connect(btEnd, &QToolButton::clicked, this, &TfrmTime::btEndClick);
    // rbSpecific toggles whenever either button of the pair becomes selected, also
    // when the caller selects one before the dialog is shown.
    connect(rbSpecific, &QRadioButton::toggled, this, &TfrmTime::rbSpecificClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmTime::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmTime::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        form::centreOnScreen(this);
        FormShow();
    }
    QDialog::showEvent(event);
}

bool TfrmTime::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == edDate || watched == edEndDate)) {
        // Only a move to another control counts, not the window losing activation.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) edDateExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmTime::FormShow() {
    lastEndDate = edEndDate->text();
    const bool specific = rbSpecific->isChecked();
    edEndDate->setEnabled(specific);
    btEnd->setEnabled(specific);
    edName->setFocus();
    updateDateWhen();
    updateEndDateWhen();
}

void TfrmTime::updateDateWhen() { form::showDateWording(lblStart, edDate->text(), dateOfBirth_); }

void TfrmTime::updateEndDateWhen() {
    form::showDateWording(lblEnd, edEndDate->text(), dateOfBirth_);
}

void TfrmTime::edDateExit() {
    updateDateWhen();
    updateEndDateWhen();
}

void TfrmTime::btStartClick() {
    guarded(this, [this] {
        form::pickInto(edDate, dateOfBirth_);
        edDate->setFocus();
        updateDateWhen();
        updateEndDateWhen();
    });
}

void TfrmTime::btEndClick() {
    guarded(this, [this] {
        if (edEndDate->text() == u"Now") edEndDate->setText(form::todayText());
        form::pickInto(edEndDate, dateOfBirth_);
        edEndDate->setFocus();
        lastEndDate = edEndDate->text();
        updateDateWhen();
        updateEndDateWhen();
    });
}

void TfrmTime::rbSpecificClick() { form::switchEndDate(rbSpecific, edEndDate, btEnd, lastEndDate); }

CheckResult TfrmTime::qKosher() const {
    TimeEntry e;
    e.name = edName->text();
    e.hours = static_cast<int>(numHours->value());
    e.minutes = static_cast<int>(numMin->value());
    e.day = rbDay->isChecked();
    e.week = rbWeek->isChecked();
    e.month = rbMonth->isChecked();
    e.startDate = edDate->text();
    e.endDate = edEndDate->text();
    e.specificEnd = rbSpecific->isChecked();
    return lt::qKosher(e, birthDateText_);
}

void TfrmTime::btOKClick() {
    guarded(this, [this] {
        const CheckResult r = qKosher();
        if (!r.passed) {
            showError(r.message, this);
            switch (r.focus) {
                case CheckFocus::Name:
                    edName->setFocus();
                    break;
                case CheckFocus::StartDate:
                    edDate->setFocus();
                    break;
                case CheckFocus::EndDate:
                    edEndDate->setFocus();
                    break;
                case CheckFocus::Amount:
                case CheckFocus::Unchanged:
                    break;
            }
            return;
        }
        if (rbNow->isChecked()) edEndDate->setText(QStringLiteral("Now"));
        accept();
    });
}

}  // namespace lt
