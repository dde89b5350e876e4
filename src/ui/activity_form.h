#pragma once
#include <QDialog>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <utility>

#include "core/activity_checks.h"
#include "core/date_time.h"

class QEvent;
class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

// Pieces the two activity dialogs share.
namespace lt::form {

// The dialogs' sans-serif face at a pixel height (13 for controls, 11 for buttons
// and the date wording).
QFont sansFont(int pixelSize);

// A plain-text label sized to its text at (left, top) of parent; optional buddy for
// screen readers.
QLabel* placeLabel(QWidget* parent, const QString& text, int left, int top,
                   QWidget* buddy = nullptr);
// A label for the wording under a date field, reaching to the parent's right edge, two
// lines high from `top`, with room kept for the widest wordings.
QLabel* wordingLabel(QWidget* parent, int left, int top, Qt::Alignment vertical);
// Wordings as wide as a date's wording gets (two-digit spans and ages).
QStringList widestWordings();
// The wording with the date's part and the age on two lines.
QString breakAtGap(const QString& wording);

// A radio button at (left, top), as wide as its text and 17 high.
QRadioButton* radioButton(QWidget* parent, const QString& text, int left, int top);

// Gives controls the design's names, for tests and for accessibility tools.
void nameControls(std::initializer_list<std::pair<QWidget*, const char*>> named);

// The wording under a date field: empty when its text is not a date.
void showDateWording(QLabel* label, const QString& dateText, DateTime dateOfBirth);

// The ending-date switch: enables the field and its button with "Specific date",
// then puts lastEndDate (today's date when it is empty) or the shown word for until
// today ("Now") into the field.
void switchEndDate(QRadioButton* rbSpecific, QLineEdit* edEndDate, QToolButton* btEnd,
                   const QString& lastEndDate);

// Opens the calendar on the date in field and writes the chosen day back. Throws
// ConversionError when the field does not hold a date; the field is then untouched.
void pickInto(QLineEdit* field, DateTime dateOfBirth);

// Today's date in the short date format.
QString todayText();

// True when `event` is the focus leaving a field for another control of the window,
// not the window losing activation or a popup opening.
bool leftByUser(const QEvent* event);

// Where each dialog puts the parts both build.
struct FormLayout {
    QSize size;
    int startTop;         // the starting date field and its calendar button
    int startWordingTop;  // the wording under the starting date
    int panelTop;         // Panel1, which holds the ending-date controls
    int panelHeight;
    int endCaptionTop;     // "Ending date of activity:"
    QPoint ok;             // Cancel sits 88 pixels to the right of OK
    bool indefiniteFirst;  // the ending-date choice's tab order
};

// What the activity time dialog and the money/frequency dialog have alike: the
// description, the starting date with its calendar button and wording, the ending-date
// panel ("Specific date"/"Indefinite", the field, its calendar button and wording), and
// OK/Cancel; with the ending-date switch and OK running the dialog's checks. Each dialog
// adds its amount controls, its show step, its date handlers and its checks.
class ActivityForm : public QDialog {
    Q_OBJECT
public:
    QLineEdit* edName;
    QLineEdit* edDate;
    QFrame* Panel1;
    QRadioButton* rbNow;
    QRadioButton* rbSpecific;
    QLineEdit* edEndDate;
    // The last specific ending date, put back into edEndDate when "Specific date" is
    // selected; empty for none. Whether the row runs until today is rbNow's state,
    // never the field's text, which is shown in the user's language.
    QString lastEndDate;

    // Presets the ending-date part for a row: its ending date's text, or until today
    // (nullopt). The buttons come last: selecting "Specific date" fills the field at once.
    void presetEnd(const std::optional<QString>& endDate);
    // The ending date as the settings file keeps it: the field's text, or "Now" with
    // "Indefinite".
    QString storedEndDate() const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label6;
    QToolButton* btEnd;
    QPushButton* btOK;
    QPushButton* btCancel;

protected:
    ActivityForm(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText,
                 const FormLayout& layout);

    // Tab order: the description, the dialog's amount controls, the dates, OK, Cancel.
    void chainTabs(std::initializer_list<QWidget*> amount);

    void showEvent(QShowEvent* event) override;
    // Runs once, when the dialog first shows.
    virtual void FormShow() = 0;
    virtual CheckResult qKosher() const = 0;

    // The ending-date part as the dialog opens: lastEndDate from the field, and the field
    // and its calendar button enabled for a specific date only.
    void showEndDate();
    void updateDateWhen();
    void updateEndDateWhen();
    // The starting date's calendar: the chosen day into edDate, focus there, both
    // wordings refreshed. A field that is no date is reported and nothing changes.
    void pickStartDate();
    // The ending date's calendar (the word for until today, typed, counts as today): the
    // chosen day into edEndDate
    // and lastEndDate, focus there. False when the field was no date (reported).
    bool pickEndDate();

    DateTime dateOfBirth_;
    QString birthDateText_;
    // Made here, named and published by each dialog.
    QToolButton* startCalendar_;
    QLabel* startWording_;
    QLabel* endWording_;
    // Where a refused amount sends the focus; none in the time dialog.
    QWidget* amountField_ = nullptr;

private slots:
    void rbSpecificClick();
    void btOKClick();

private:
    // The ending date's name for screen readers and in messages.
    static QString endDatePlace();

    bool indefiniteFirst_;
    bool shown_ = false;
};

}  // namespace lt::form
