#include "dialogs/money_dialog.h"

#include <QComboBox>
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

const QString moneyMask = QStringLiteral("$###,###.##");
const QString numberMask = QStringLiteral("###,###");
}  // namespace

TfrmMoney::TfrmMoney(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText)
    : QDialog(owner), dateOfBirth_(dateOfBirth), birthDateText_(birthDateText) {
    setWindowTitle(QStringLiteral("Activity "));
    setFont(form::sansFont(13));
    setFixedSize(441, 311);

    edName = new QLineEdit(this);
    edName->setGeometry(184, 10, 249, 24);
    edName->setMaxLength(30);
    Label1 = form::placeLabel(this, QStringLiteral("Description of activity"), 16, 12, edName);

    cbWhen = new QComboBox(this);
    cbWhen->addItems({QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"),
                      QStringLiteral("Year"), QStringLiteral("Once only")});
    cbWhen->setGeometry(184, 65, 124, 24);
    Label5 = form::placeLabel(this, QStringLiteral("Amount of money spent per:"), 16, 66, cbWhen);

    numMoney = new MaskedNumberField(this);
    numMoney->setPictureMask(moneyMask);
    numMoney->setRange(0, 9999999);
    numMoney->setSingleStep(1);
    numMoney->setGeometry(325, 66, 90, 24);
    Label3 = form::placeLabel(this, QStringLiteral("Money"), 325, 44, numMoney);

    edDate = new QLineEdit(this);
    edDate->setGeometry(184, 107, 121, 24);
    Label6 = form::placeLabel(this, QStringLiteral("Starting date of activity:"), 16, 109, edDate);
    SpeedButton1 = form::calendarButton(this, 308, 107);
    Label4 = form::wordingLabel(this, 184, 136);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(184, 164, 249, 97);
    Panel1->setAccessibleName(QStringLiteral("Ending date of activity"));
    rbSpecific = radio(Panel1, QStringLiteral("Specific date"), 8, 9);
    rbNow = radio(Panel1, QStringLiteral("Indefinite"), 126, 9);
    rbNow->setChecked(true);
    edEndDate = new QLineEdit(Panel1);
    edEndDate->setGeometry(8, 38, 121, 24);
    edEndDate->setEnabled(false);
    btEnd = form::calendarButton(Panel1, 131, 38);
    btEnd->setEnabled(false);
    Label7 = form::wordingLabel(Panel1, 8, 72);
    Label2 = form::placeLabel(this, QStringLiteral("Ending date of activity:"), 16, 199, edEndDate);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setGeometry(272, 280, 75, 25);
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setGeometry(360, 280, 75, 25);
    for (QPushButton* b : {btOK, btCancel}) b->setFont(form::sansFont(11));

    // The design's names, for tests and for accessibility tools.
    const std::pair<QWidget*, const char*> named[] = {
        {edName, "edName"},     {cbWhen, "cbWhen"},
        {numMoney, "numMoney"}, {edDate, "edDate"},
        {Panel1, "Panel1"},     {rbSpecific, "rbSpecific"},
        {rbNow, "rbNow"},       {edEndDate, "edEndDate"},
        {Label1, "Label1"},     {Label2, "Label2"},
        {Label3, "Label3"},     {Label4, "Label4"},
        {Label5, "Label5"},     {Label6, "Label6"},
        {Label7, "Label7"},     {SpeedButton1, "SpeedButton1"},
        {btEnd, "btEnd"},       {btOK, "btOK"},
        {btCancel, "btCancel"},
    };
    for (const auto& [w, n] : named) w->setObjectName(QLatin1String(n));

    QWidget* order[] = {edName, cbWhen,    numMoney, edDate,  rbSpecific,
                        rbNow,  edEndDate, btOK,     btCancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    edDate->installEventFilter(this);
    edEndDate->installEventFilter(this);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmMoney::SpeedButton1Click);
    connect(btEnd, &QToolButton::clicked, this, &TfrmMoney::btEndClick);
    // rbSpecific toggles whenever either button of the pair becomes selected, also
    // when the caller selects one before the dialog is shown.
    connect(rbSpecific, &QRadioButton::toggled, this, &TfrmMoney::rbSpecificClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmMoney::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TfrmMoney::FormCreate() { cbWhen->setCurrentIndex(0); }

void TfrmMoney::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        form::centreOnScreen(this);
        FormShow();
    }
    QDialog::showEvent(event);
}

bool TfrmMoney::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == edDate || watched == edEndDate)) {
        // Only a move to another control counts, not the window losing activation.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == edDate)
                edDateExit();
            else
                edEndDateExit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmMoney::FormShow() {
    lastEndDate = edEndDate->text();
    const bool specific = rbSpecific->isChecked();
    edEndDate->setEnabled(specific);
    btEnd->setEnabled(specific);
    Label5->setText(moneyMode ? QStringLiteral("Amount of money spent per:")
                              : QStringLiteral("Frequency performed per:"));
    Label5->adjustSize();
    Label3->setText(moneyMode ? QStringLiteral("Money") : QStringLiteral("Number"));
    Label3->adjustSize();
    numMoney->setPictureMask(moneyMode ? moneyMask : numberMask);
    numMoney->setValueText(amountText);
    edName->setFocus();
    updateDateWhen();
    updateEndDateWhen();
}

void TfrmMoney::updateDateWhen() { form::showDateWording(Label4, edDate->text(), dateOfBirth_); }

void TfrmMoney::updateEndDateWhen() {
    form::showDateWording(Label7, edEndDate->text(), dateOfBirth_);
}

void TfrmMoney::edDateExit() { updateDateWhen(); }

void TfrmMoney::edEndDateExit() { updateEndDateWhen(); }

void TfrmMoney::SpeedButton1Click() {
    guarded(this, [this] {
        form::pickInto(edDate, dateOfBirth_);
        edDate->setFocus();
        updateDateWhen();
        updateEndDateWhen();
    });
}

void TfrmMoney::btEndClick() {
    guarded(this, [this] {
        if (edEndDate->text() == u"Now") edEndDate->setText(form::todayText());
        form::pickInto(edEndDate, dateOfBirth_);
        edEndDate->setFocus();
        lastEndDate = edEndDate->text();
        updateEndDateWhen();
    });
}

void TfrmMoney::rbSpecificClick() {
    form::switchEndDate(rbSpecific, edEndDate, btEnd, lastEndDate);
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

void TfrmMoney::btOKClick() {
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
                    numMoney->setFocus();
                    break;
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
