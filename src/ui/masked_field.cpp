#include "ui/masked_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/locale_format.h"
#include "ui/message_boxes.h"

namespace lt {

namespace {
// The digits of a shown or typed amount, without its currency: the whole symbol as the
// currency format writes it, or its first character as typed. Asked each time: the
// currency is the settings file's, known once it is read.
QString digitsOf(QString text, const QString& mask) {
    if (!mask.contains(u'$')) return loc::shownNumberDigits(text, QString());
    return loc::shownNumberDigits(text.remove(loc::shownCurrency()), loc::currencySign());
}
}  // namespace

MaskedNumberField::MaskedNumberField(QWidget* parent) : QDoubleSpinBox(parent) {
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setPictureMask(QStringLiteral("###"));
}

void MaskedNumberField::setPictureMask(const QString& mask) {
    mask_ = mask;
    setDecimals(loc::maskDecimals(mask));
    setGroupSeparatorShown(mask.contains(u','));
    const double v = value();
    setValue(v);  // re-render with the new shape
    lineEdit()->setText(textFromValue(value()));
}

void MaskedNumberField::setValueText(const QString& text) {
    if (text.isEmpty()) return;
    if (const auto v = loc::parseNumber(text)) setValue(*v);
}

QString MaskedNumberField::textFromValue(double v) const { return loc::shownNumber(v, mask_); }

double MaskedNumberField::valueFromText(const QString& text) const {
    return loc::parseNumber(digitsOf(text, mask_)).value_or(0);
}

QValidator::State MaskedNumberField::validate(QString& input, int& /*pos*/) const {
    const QString t = digitsOf(input, mask_);
    if (t.isEmpty()) return QValidator::Intermediate;
    const QChar dec = loc::decimalSeparator();
    int decimalsSeen = -1;
    for (QChar c : t) {
        if (c == dec && decimals() > 0 && decimalsSeen < 0) {
            decimalsSeen = 0;
            continue;
        }
        if (c < u'0' || c > u'9') return QValidator::Invalid;
        if (decimalsSeen >= 0 && ++decimalsSeen > decimals()) return QValidator::Invalid;
    }
    // Out-of-range values stay editable; leaving the field refuses them.
    return loc::parseNumber(t) ? QValidator::Acceptable : QValidator::Intermediate;
}

bool MaskedNumberField::typedOutOfRange() const {
    const auto v = loc::parseNumber(digitsOf(lineEdit()->text(), mask_));
    return v && (*v < minimum() || *v > maximum());
}

bool MaskedNumberField::acceptTyped() {
    if (typedOutOfRange()) {
        const QString msg =
            //: %1 is what was typed, %2 and %3 the smallest and the largest value allowed.
            tr("%1 is not a valid value. It must be between %2 and %3.")
                .arg(lineEdit()->text(), textFromValue(minimum()), textFromValue(maximum()));
        // Put back before the box opens: the focus the box takes finds nothing to refuse.
        lineEdit()->setText(textFromValue(value()));
        reportDefaultError(msg, this);
        return false;
    }
    interpretText();
    return true;
}

void MaskedNumberField::keyPressEvent(QKeyEvent* event) {
    // The spin box would quietly clamp a typed value on Enter; refuse it instead.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !acceptTyped()) {
        event->accept();
        return;
    }
    QDoubleSpinBox::keyPressEvent(event);
}

void MaskedNumberField::focusOutEvent(QFocusEvent* event) {
    if (movesWithinWindow(event)) {
        acceptTyped();
    } else if (typedOutOfRange()) {
        // Leaving the window (Cancel, Esc, closing, a box opening) checks nothing; the
        // spin box would clamp the typed value, so drop it instead.
        lineEdit()->setText(textFromValue(value()));
    }
    QDoubleSpinBox::focusOutEvent(event);
}

bool MaskedNumberField::movesWithinWindow(const QFocusEvent* event) const {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

}  // namespace lt
