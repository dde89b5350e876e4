#pragma once
#include <QString>

#include "calc/date_time.h"

class QDialog;
class QFont;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QWidget;

// Pieces the two activity dialogs share.
namespace lt::form {

// The dialogs' sans-serif face at a pixel height (13 for controls, 11 for buttons
// and the date wording).
QFont sansFont(int pixelSize);

// A label sized to its text at (left, top) of parent; optional buddy for screen readers.
QLabel* placeLabel(QWidget* parent, const QString& text, int left, int top,
                   QWidget* buddy = nullptr);
// A label for the wording under a date field, reaching to the parent's right edge.
QLabel* wordingLabel(QWidget* parent, int left, int top);

// The calendar button beside a date field: glyph only, takes no focus.
QToolButton* calendarButton(QWidget* parent, int left, int top);

// The wording under a date field: empty when its text is not a date.
void showDateWording(QLabel* label, const QString& dateText, DateTime dateOfBirth);

// The ending-date switch: enables the field and its button with "Specific date",
// then puts lastEndDate (today's date for "Now" or empty) or "Now" into the field.
void switchEndDate(QRadioButton* rbSpecific, QLineEdit* edEndDate, QToolButton* btEnd,
                   const QString& lastEndDate);

// Opens the calendar on the date in field and writes the chosen day back. Throws
// ConversionError when the field does not hold a date; the field is then untouched.
void pickInto(QLineEdit* field, DateTime dateOfBirth);

// Today's date in the short date format.
QString todayText();

// Centres a top-level window on its screen.
void centreOnScreen(QWidget* window);

}  // namespace lt::form
