#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lt {

class MaskedNumberField;

// Step 1: the user's name, date of birth (typed, or picked with the calendar button)
// and lifetime income.
class BioPage : public QWidget {
    Q_OBJECT
public:
    explicit BioPage(const QBrush& background, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* birthDateEdit() const { return birthDate_; }
    MaskedNumberField* incomeField() const { return income_; }

signals:
    // Focus left the birth-date field.
    void birthDateLeft();
    void calendarClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* name_ = nullptr;
    QLineEdit* birthDate_ = nullptr;
    QToolButton* calendar_ = nullptr;
    MaskedNumberField* income_ = nullptr;
};

}  // namespace lt
