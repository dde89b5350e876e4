#include "ui/time_dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "ui/masked_field.h"

namespace lt {
namespace {
MaskedNumberField* numberField(QWidget* parent, const QString& mask, double max, int left,
                               int top) {
    auto* f = new MaskedNumberField(parent);
    f->setPictureMask(mask);
    f->setRange(0, max);
    f->setSingleStep(1);
    f->setGeometry(left, top, 57, 24);
    return f;
}

const form::FormLayout timeForm{
    .size = {444, 336},
    .startTop = 135,
    .startWordingTop = 166,
    .panelTop = 194,
    .panelHeight = 95,
    .endCaptionTop = 228,
    .ok = {264, 304},
    .indefiniteFirst = true,
};
}  // namespace

TfrmTime::TfrmTime(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText)
    : ActivityForm(owner, dateOfBirth, birthDateText, timeForm) {
    setWindowTitle(tr("Activity time"));
    btStart = startCalendar_;
    lblStart = startWording_;
    lblEnd = endWording_;

    Label5 = form::placeLabel(this, tr("Amount of time spent per:"), 16, 77);
    rbDay = form::radioButton(this, tr("&Day", "per day"), 184, 53);
    rbWeek = form::radioButton(this, tr("&Week", "per week"), 184, 77);
    rbMonth = form::radioButton(this, tr("&Month", "per month"), 184, 101);
    for (QRadioButton* b : {rbDay, rbWeek, rbMonth}) b->resize(69, 17);
    rbDay->setChecked(true);

    numHours = numberField(this, QStringLiteral("###"), 720, 272, 85);
    //: Above the field for the hours of the time spent.
    Label3 = form::placeLabel(this, tr("Hours"), 272, 63, numHours);
    numMin = numberField(this, QStringLiteral("##"), 59, 352, 85);
    //: Above the field for the minutes of the time spent.
    Label4 = form::placeLabel(this, tr("Minutes"), 352, 63, numMin);

    // A group of their own: Qt otherwise counts them with the period buttons, whose Tab
    // stop would then leave the ending-date choice out of reach of the keyboard.
    auto* endChoice = new QButtonGroup(Panel1);
    endChoice->addButton(rbNow);
    endChoice->addButton(rbSpecific);

    form::nameControls({{numHours, "numHours"},
                        {numMin, "numMin"},
                        {rbDay, "rbDay"},
                        {rbWeek, "rbWeek"},
                        {rbMonth, "rbMonth"},
                        {Label3, "Label3"},
                        {Label4, "Label4"},
                        {Label5, "Label5"},
                        {lblStart, "lblStart"},
                        {lblEnd, "lblEnd"},
                        {btStart, "btStart"}});
    chainTabs({rbDay, rbWeek, rbMonth, numHours, numMin});

    connect(btStart, &QToolButton::clicked, this, &TfrmTime::btStartClick);
    connect(btEnd, &QToolButton::clicked, this, &TfrmTime::btEndClick);
}

bool TfrmTime::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == edDate || watched == edEndDate) && form::leftByUser(event)) edDateExit();
    return ActivityForm::eventFilter(watched, event);
}

void TfrmTime::FormShow() {
    showEndDate();
    edName->setFocus();
    updateDateWhen();
    updateEndDateWhen();
}

void TfrmTime::edDateExit() {
    updateDateWhen();
    updateEndDateWhen();
}

void TfrmTime::btStartClick() { pickStartDate(); }

void TfrmTime::btEndClick() {
    if (!pickEndDate()) return;
    updateDateWhen();
    updateEndDateWhen();
}

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

}  // namespace lt
