#include "app/bio_page.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "core/input_masks.h"
#include "core/locale_format.h"
#include "ui/look.h"
#include "ui/masked_field.h"

namespace lt {
namespace {
const QString kIncomeMask = incomeMask();
}  // namespace

BioPage::BioPage(const QBrush& background, QWidget* parent)
    : QWidget(parent), background_(background) {}

void BioPage::ensureBuilt() {
    if (nameEdit_) return;
    tile(this, background_);
    pageHeading(tr("Step 1: Personal Biographical Information"), this)->move(16, 16);

    const QFont labelFont = pixelFont(QStringLiteral("Arial"), 15);
    auto* lName = new QLabel(tr("Your name:"), this);
    lName->setFont(labelFont);
    lName->setGeometry(60, 90, 200, 24);
    nameEdit_ = new QLineEdit(name_, this);
    nameEdit_->setObjectName(QStringLiteral("edName"));
    nameEdit_->setGeometry(270, 90, 250, 24);
    lName->setBuddy(nameEdit_);

    auto* lDob = new QLabel(tr("Your birthdate:"), this);
    lDob->setFont(labelFont);
    lDob->setGeometry(60, 140, 200, 24);
    birthDateEdit_ = new QLineEdit(birthDate_, this);
    birthDateEdit_->setObjectName(QStringLiteral("edDOB"));
    birthDateEdit_->setGeometry(270, 140, 121, 24);
    lDob->setBuddy(birthDateEdit_);
    birthDateEdit_->installEventFilter(this);
    calendar_ = calendarButton(this, 394, 140);
    calendar_->setObjectName(QStringLiteral("SpeedButton1"));
    connect(calendar_, &QToolButton::clicked, this, &BioPage::calendarClicked);

    auto* lIncome = new QLabel(tr("Estimate your lifetime income up to now:"), this);
    lIncome->setFont(labelFont);
    lIncome->setWordWrap(true);
    lIncome->setGeometry(60, 184, 200, 44);
    incomeField_ = new MaskedNumberField(this);
    incomeField_->setObjectName(QStringLiteral("numIncome"));
    incomeField_->setPictureMask(kIncomeMask);
    incomeField_->setRange(0, kMaxIncome);
    incomeField_->setSingleStep(10000);
    incomeField_->setGeometry(270, 190, 150, 24);
    incomeField_->setValue(income_);
    lIncome->setBuddy(incomeField_);

    QWidget::setTabOrder(nameEdit_, birthDateEdit_);
    QWidget::setTabOrder(birthDateEdit_, incomeField_);
}

QString BioPage::name() const { return nameEdit_ ? nameEdit_->text() : name_; }

void BioPage::setName(const QString& name) {
    name_ = name;
    if (nameEdit_) nameEdit_->setText(name);
}

QString BioPage::birthDateText() const {
    return birthDateEdit_ ? birthDateEdit_->text() : birthDate_;
}

void BioPage::setBirthDateText(const QString& text) {
    birthDate_ = text;
    if (birthDateEdit_) birthDateEdit_->setText(text);
}

double BioPage::income() const { return incomeField_ ? incomeField_->value() : income_; }

void BioPage::setIncome(double income) {
    income_ = income;
    if (incomeField_) incomeField_->setValue(income);
}

QString BioPage::incomeText() const {
    return incomeField_ ? incomeField_->text() : loc::shownNumber(income_, kIncomeMask);
}

QLineEdit* BioPage::birthDateEdit() {
    ensureBuilt();
    return birthDateEdit_;
}

bool BioPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == birthDateEdit_ && event->type() == QEvent::FocusOut) emit birthDateLeft();
    return QWidget::eventFilter(watched, event);
}

}  // namespace lt
