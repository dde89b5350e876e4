#pragma once
#include <QDialog>
#include <QString>

#include "calc/date_time.h"
#include "dialogs/activity_checks.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace lt {

class MaskedNumberField;

// One row of the hours table: description, time per day/week/month, start and end.
// The caller presets the public fields (radio buttons last), runs the dialog and reads
// the fields back on Accepted; with "Indefinite" the ending date reads "Now".
class TfrmTime : public QDialog {
    Q_OBJECT
public:
    TfrmTime(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText);

    QLineEdit* edName;
    MaskedNumberField* numHours;
    MaskedNumberField* numMin;
    QRadioButton* rbDay;
    QRadioButton* rbWeek;
    QRadioButton* rbMonth;
    QLineEdit* edDate;
    QFrame* Panel1;
    QRadioButton* rbNow;
    QRadioButton* rbSpecific;
    QLineEdit* edEndDate;
    // Put back into edEndDate when "Specific date" is selected.
    QString lastEndDate;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* lblStart;
    QLabel* lblEnd;
    QToolButton* btStart;
    QToolButton* btEnd;
    QPushButton* btOK;
    QPushButton* btCancel;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FormShow();
    void edDateExit();
    void btStartClick();
    void btEndClick();
    void rbSpecificClick();
    void btOKClick();

private:
    CheckResult qKosher() const;
    void updateDateWhen();
    void updateEndDateWhen();

    DateTime dateOfBirth_;
    QString birthDateText_;
    bool shown_ = false;
};

}  // namespace lt
