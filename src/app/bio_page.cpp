#include "app/bio_page.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "ui/masked_field.h"
#include "ui/look.h"

namespace lt {

BioPage::BioPage(const QBrush& background, QWidget* parent) : QWidget(parent) {
    tile(this, background);
    pageHeading(QStringLiteral("Step 1: Personal Biographical Information"), this)->move(16, 16);

    const QFont labelFont = pixelFont(QStringLiteral("Arial"), 15);
    auto* lName = new QLabel(QStringLiteral("Your name:"), this);
    lName->setFont(labelFont);
    lName->setGeometry(60, 90, 200, 24);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("edName"));
    name_->setGeometry(270, 90, 250, 24);
    lName->setBuddy(name_);

    auto* lDob = new QLabel(QStringLiteral("Your birthdate:"), this);
    lDob->setFont(labelFont);
    lDob->setGeometry(60, 140, 200, 24);
    birthDate_ = new QLineEdit(this);
    birthDate_->setObjectName(QStringLiteral("edDOB"));
    birthDate_->setGeometry(270, 140, 121, 24);
    lDob->setBuddy(birthDate_);
    birthDate_->installEventFilter(this);
    calendar_ = calendarButton(this, 394, 140);
    calendar_->setObjectName(QStringLiteral("SpeedButton1"));
    connect(calendar_, &QToolButton::clicked, this, &BioPage::calendarClicked);

    auto* lIncome = new QLabel(QStringLiteral("Estimate your lifetime income up to now:"), this);
    lIncome->setFont(labelFont);
    lIncome->setWordWrap(true);
    lIncome->setGeometry(60, 184, 200, 44);
    income_ = new MaskedNumberField(this);
    income_->setObjectName(QStringLiteral("numIncome"));
    income_->setPictureMask(QStringLiteral("$###,###,###"));
    income_->setRange(0, 99999999);
    income_->setSingleStep(10000);
    income_->setGeometry(270, 190, 150, 24);
    lIncome->setBuddy(income_);

    QWidget::setTabOrder(name_, birthDate_);
    QWidget::setTabOrder(birthDate_, income_);
}

bool BioPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == birthDate_ && event->type() == QEvent::FocusOut) emit birthDateLeft();
    return QWidget::eventFilter(watched, event);
}

}  // namespace lt
