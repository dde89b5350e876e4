#pragma once
#include <QDialog>
#include <QString>

#include "calc/date_time.h"
#include "dialogs/activity_checks.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace lt {

class MaskedNumberField;

// One row of the money table (moneyMode true) or of the frequency table (false):
// description, amount per period, start and end. The caller presets the public
// fields (radio buttons last), runs the dialog and reads them back on Accepted; the
// amount's cell text is numMoney->text(), and "Indefinite" reads back as "Now".
class TfrmMoney : public QDialog {
    Q_OBJECT
public:
    TfrmMoney(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText);

    QLineEdit* edName;
    QComboBox* cbWhen;  // 0 "Day", 1 "Week", 2 "Month", 3 "Year", 4 "Once only"
    MaskedNumberField* numMoney;
    QLineEdit* edDate;
    QFrame* Panel1;
    QRadioButton* rbSpecific;
    QRadioButton* rbNow;
    QLineEdit* edEndDate;
    // Put back into edEndDate when "Specific date" is selected.
    QString lastEndDate;
    // Chooses the money or the frequency form when the dialog is shown.
    bool moneyMode = true;
    // The stored amount (digits and the locale's decimal separator), loaded into
    // numMoney when the dialog is shown; empty for a new row.
    QString amountText;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QToolButton* SpeedButton1;
    QToolButton* btEnd;
    QPushButton* btOK;
    QPushButton* btCancel;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void FormCreate();
    void FormShow();
    void edDateExit();
    void edEndDateExit();
    void SpeedButton1Click();
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
