#pragma once
#include <QString>

namespace lt {

// "2 Hrs 30 Mins", "1 Hr", "45 Mins", "0 Hr 0 Min".
QString timeText(int hours, int minutes);
// Read a time text back; throw ConversionError when the chosen word is not an integer.
int hoursOf(const QString& text);
int minutesOf(const QString& text);
// Word n (1-based) of a text whose words are separated by single blanks.
QString nthWord(const QString& text, int n);

// "Day", else "Week", else "Month": the month button need not be asked.
QString periodFromButtons(bool day, bool week);
QString periodFromIndex(int index);

bool hasDay(const QString& text);
bool hasWeek(const QString& text);
bool hasMonth(const QString& text);
bool hasYear(const QString& text);
bool hasOnce(const QString& text);

// Only the digits (of any script, written in ASCII) and the locale's decimal separator,
// in order; the currency symbol is dropped whole.
QString numberChars(const QString& text);

}  // namespace lt
