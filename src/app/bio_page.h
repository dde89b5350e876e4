#pragma once
#include <QBrush>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lt {

class MaskedNumberField;

// Step 1: the user's name, date of birth (typed, or picked with the calendar button)
// and lifetime income. Its controls are made when first needed; until then it keeps
// the values it is given.
class BioPage : public QWidget {
    Q_OBJECT
public:
    explicit BioPage(const QBrush& background, QWidget* parent = nullptr);
    void ensureBuilt();

    QString name() const;
    void setName(const QString& name);
    QString birthDateText() const;
    void setBirthDateText(const QString& text);
    double income() const;
    void setIncome(double income);
    // The income as its field shows it ("$250,000").
    QString incomeText() const;
    // The birth-date field, for the calendar to open beside; builds the page.
    QLineEdit* birthDateEdit();

signals:
    // Focus left the birth-date field.
    void birthDateLeft();
    void calendarClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QBrush background_;
    QString name_, birthDate_;
    double income_ = 0;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* birthDateEdit_ = nullptr;
    QToolButton* calendar_ = nullptr;
    MaskedNumberField* incomeField_ = nullptr;
};

}  // namespace lt
