#include "ui/money_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "core/activity_words.h"
#include "core/input_masks.h"
#include "ui/masked_field.h"

namespace lt {
namespace {
const QString moneyMask = amountMask(AmountKind::Money);
const QString numberMask = amountMask(AmountKind::Count);

const form::FormLayout moneyForm{
    .size = {441, 311},
    .startTop = 107,
    .startWordingTop = 136,
    .panelTop = 164,
    .panelHeight = 97,
    .endCaptionTop = 199,
    .ok = {272, 280},
    .indefiniteFirst = false,
};
}  // namespace

TfrmMoney::TfrmMoney(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText)
    : ActivityForm(owner, dateOfBirth, birthDateText, moneyForm) {
    //: The title of the dialog that edits a row of the money or the frequency table.
    setWindowTitle(tr("Activity "));
    SpeedButton1 = startCalendar_;
    Label4 = startWording_;
    Label7 = endWording_;

    cbWhen = new QComboBox(this);
    // In the order of the periods the settings file stores; the row is written by index.
    cbWhen->addItems(periodChoices());
    cbWhen->setGeometry(184, 65, 124, 24);
    Label5 = form::placeLabel(this, amountCaption(), 16, 66, cbWhen);

    numMoney = new MaskedNumberField(this);
    numMoney->setPictureMask(moneyMask);
    numMoney->setRange(0, 9999999);
    numMoney->setSingleStep(1);
    numMoney->setGeometry(325, 66, 90, 24);
    Label3 = form::placeLabel(this, amountHeading(), 325, 44, numMoney);
    amountField_ = numMoney;

    form::nameControls({{cbWhen, "cbWhen"},
                        {numMoney, "numMoney"},
                        {Label3, "Label3"},
                        {Label4, "Label4"},
                        {Label5, "Label5"},
                        {Label7, "Label7"},
                        {SpeedButton1, "SpeedButton1"}});
    chainTabs({cbWhen, numMoney});

    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmMoney::SpeedButton1Click);
    connect(btEnd, &QToolButton::clicked, this, &TfrmMoney::btEndClick);

    FormCreate();
}

void TfrmMoney::FormCreate() { cbWhen->setCurrentIndex(0); }

bool TfrmMoney::eventFilter(QObject* watched, QEvent* event) {
    // Each date field refreshes only its own wording.
    if (watched == edDate && form::leftByUser(event)) edDateExit();
    if (watched == edEndDate && form::leftByUser(event)) edEndDateExit();
    return ActivityForm::eventFilter(watched, event);
}

void TfrmMoney::FormShow() {
    showEndDate();
    Label5->setText(amountCaption());
    Label5->adjustSize();
    Label3->setText(amountHeading());
    Label3->adjustSize();
    numMoney->setPictureMask(moneyMode ? moneyMask : numberMask);
    if (amount) numMoney->setValue(*amount);
    edName->setFocus();
    updateDateWhen();
    updateEndDateWhen();
}

QString TfrmMoney::amountCaption() const {
    return moneyMode ? tr("Amount of money spent per:") : tr("Frequency performed per:");
}

QString TfrmMoney::amountHeading() const {
    //: Above the amount field: an amount of money, or a number of times.
    return moneyMode ? tr("Money") : tr("Number");
}

void TfrmMoney::edDateExit() { updateDateWhen(); }

void TfrmMoney::edEndDateExit() { updateEndDateWhen(); }

void TfrmMoney::SpeedButton1Click() { pickStartDate(); }

void TfrmMoney::btEndClick() {
    if (pickEndDate()) updateEndDateWhen();
}

CheckResult TfrmMoney::qKosher() const {
    MoneyEntry e;
    e.name = edName->text();
    e.amount = numMoney->value();
    e.startDate = edDate->text();
    e.endDate = edEndDate->text();
    e.specificEnd = rbSpecific->isChecked();
    return lt::qKosher(e, birthDateText_);
}

}  // namespace lt
