#pragma once
#include <QString>

#include "core/date_time.h"
#include "ui/activity_form.h"

class QLabel;
class QRadioButton;
class QToolButton;

namespace lt {

class MaskedNumberField;

// One row of the hours table: description, time per day/week/month, start and end.
// The caller presets the public fields (radio buttons last), runs the dialog and reads
// the fields back on Accepted; with "Indefinite" the ending date reads "Now".
class TfrmTime : public form::ActivityForm {
    Q_OBJECT
public:
    TfrmTime(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText);

    MaskedNumberField* numHours;
    MaskedNumberField* numMin;
    QRadioButton* rbDay;
    QRadioButton* rbWeek;
    QRadioButton* rbMonth;

    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* lblStart;
    QLabel* lblEnd;
    QToolButton* btStart;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FormShow() override;
    void edDateExit();
    void btStartClick();
    void btEndClick();

private:
    CheckResult qKosher() const override;
};

}  // namespace lt
