#pragma once
#include <QDoubleSpinBox>

namespace lt {

// A numeric field shaped by a picture mask: "$" is the locale's currency sign (one
// character), "," turns on the locale's grouping, ".##" gives two decimals. It shows
// money in the locale's currency format (shownNumber); the program stores the value.
class MaskedNumberField : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit MaskedNumberField(QWidget* parent = nullptr);

    void setPictureMask(const QString& mask);
    QString pictureMask() const { return mask_; }
    // Loads a number written with the locale's decimal separator and no grouping.
    void setValueText(const QString& text);

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

    // Takes a typed value in, refusing one outside the range with an error box; false
    // when refused (the field then shows its value again).
    bool acceptTyped();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The typed text is a number outside the range.
    bool typedOutOfRange() const;
    // The focus goes to another control of the window, not to a box, a popup or another
    // window (as when the window closes).
    bool movesWithinWindow(const QFocusEvent* event) const;
    QString mask_;
};

}  // namespace lt
