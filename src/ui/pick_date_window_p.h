#pragma once
#include <QDate>
#include <QDialog>

#include "core/date_time.h"

class QAbstractItemView;
class QCalendarWidget;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QKeyEvent;

namespace lt {

class UpDownSpinner;

// The popup calendar behind pickDate. Callers use pickDate; the class is visible for
// the window's own tests.
class TfrmPickDate : public QDialog {
    Q_OBJECT
public:
    // `birth` feeds the life line, the "Date of birth" button and the age wording; whether
    // the life line shows (and so the window's height) is settled here.
    explicit TfrmPickDate(DateTime birth, QWidget* parent = nullptr);

    // The date the window starts on; the calendar moves to its day (when in range).
    void setPickedDate(DateTime picked);
    DateTime pickedDate() const { return m_pickedDate; }
    // The calendar's day at midnight.
    DateTime calendarDate() const;
    bool lifeLineVisible() const { return m_lifeLine; }
    // The calendar's table of day cells (the control that takes the keys and clicks).
    QAbstractItemView* dayTable() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void FormShow();
    void CalendarChange();
    void calendarPageChanged(int year, int month);
    void CalendarDblClick();
    void MonthSpinnerClick(bool upButton);
    void YearSpinnerClick(bool upButton);
    void sbNowClick();
    void SpeedButton1Click();
    void TrackBar1Change(int position);
    void updatePanels();
    void positionTrackBar();

private:
    void buildControls();
    void installKeyPreview();
    // Enter accepts, Esc cancels; true when the key was taken.
    bool FormKeyPress(QKeyEvent* event);
    // Home moves to today; true when the key was taken.
    bool FormKeyUp(QKeyEvent* event);
    // Moves the calendar; a date outside its range leaves it where it is.
    void setCalendarDate(const QDate& date);
    // Moves the track bar without counting as a user move.
    void setTrackBar(int position);

    DateTime m_birth;
    DateTime m_pickedDate = 0;
    bool m_lifeLine = false;
    bool trackBarDriving = false;

    QFrame* pnlInner = nullptr;
    QCalendarWidget* Calendar = nullptr;
    QLabel* pnlMonth = nullptr;
    UpDownSpinner* MonthSpinner = nullptr;
    QLabel* pnlYear = nullptr;
    UpDownSpinner* YearSpinner = nullptr;
    QLabel* pnlWhen = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* sbNow = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QSlider* TrackBar1 = nullptr;
    QWidget* lifeLabels = nullptr;
};

}  // namespace lt
