#pragma once
#include <QString>
#include <optional>

#include "core/date_time.h"
#include "ui/activity_form.h"

class QComboBox;
class QLabel;
class QToolButton;

namespace lt {

class MaskedNumberField;

// One row of the money table (moneyMode true) or of the frequency table (false):
// description, amount per period, start and end. The caller presets the public
// fields (radio buttons last), runs the dialog and reads them back on Accepted; the
// amount's cell text is numMoney->text(), and "Indefinite" reads back as "Now".
class TfrmMoney : public form::ActivityForm {
    Q_OBJECT
public:
    TfrmMoney(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText);

    QComboBox* cbWhen;  // 0 "Day", 1 "Week", 2 "Month", 3 "Year", 4 "Once only"
    MaskedNumberField* numMoney;
    // Chooses the money or the frequency form when the dialog is shown.
    bool moneyMode = true;
    // The row's amount, loaded into numMoney when the dialog is shown; none for a new
    // row or one whose amount does not read.
    std::optional<double> amount;

    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label7;
    QToolButton* SpeedButton1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FormCreate();
    void FormShow() override;
    void edDateExit();
    void edEndDateExit();
    void SpeedButton1Click();
    void btEndClick();

private:
    CheckResult qKosher() const override;
    // The amount's caption and heading for the money or the frequency form.
    QString amountCaption() const;
    QString amountHeading() const;
};

}  // namespace lt
