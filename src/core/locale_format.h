#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

// Every locale rule of the program lives here; nothing else asks QLocale for formats.
namespace lt::loc {

// Makes the system locale the program's default; the C/POSIX locale becomes en_US.
void initProgramLocale();
// Sets the program's locale (tests).
void setProgramLocale(const QLocale& locale);
QLocale programLocale();

// The locale's short date format with the year widened to four digits.
QString shortDateFormat();
QString formatDate(const QDate& date);
// The locale's long date format ("Friday, March 1, 2069").
QString formatLongDate(const QDate& date);
// Day, month and year in the locale's order, separated by the literals of its short
// format (kkj_CM "dd/MM yyyy" has two); the format's closing literal (Hungarian
// "2026. 12. 06.") may follow. Digits of any script count, direction marks are ignored.
// Two-digit years fall in the window [this year - 50, this year + 49].
std::optional<QDate> parseDate(const QString& text);
// The same reading under another locale (a file written there).
std::optional<QDate> parseDateIn(const QString& text, const QLocale& locale);
// An amount as a cell under `locale` shows it ("$1,200.50", "1.200,50 €"): its digits and
// that locale's decimal separator, the currency symbol dropped; nullopt without digits.
std::optional<double> parseAmountIn(const QString& text, const QLocale& locale);

// The locale's long time format without the time-zone part.
QString longTimeFormat();
QString formatLongTime(const QTime& time);

// "%.0n" / "%.2n": grouped, fixed decimals, halves rounded away from zero.
QString formatNumber(double value, int decimals);
// "%.0m": the locale's currency format without decimals.
QString formatMoney0(double value);
// A number in the locale's notation (decimal separator, no grouping; digits of any
// script, direction marks ignored); nullopt when it does not convert.
std::optional<double> parseNumber(const QString& text);
// The text every reader works on: each decimal digit of any script as its ASCII digit,
// direction marks (U+200E, U+200F, U+061C and the other bidi controls) dropped.
QString asciiDigits(const QString& text);
// What a numeric field shows, as parseNumber reads it: its sign, group separators,
// direction marks and outer blanks dropped, digits in ASCII.
QString shownNumberDigits(const QString& text, const QString& sign);
// A number with decimals written without grouping, as numeric fields read it back.
QString plainNumber(double value, int decimals);

QChar decimalSeparator();
QChar groupSeparator();
QString currencySymbol();
// The ISO 4217 code of the locale's currency ("USD", "EUR").
QString currencyCode();
// The currency symbol cut to its first character (a whole code point), as the "$" of a
// picture mask shows it.
QString currencySign();
// A number as a field with a picture mask shows it: "$" the currency sign, "," the
// locale's grouping, ".##" the decimals ("$###,###,###" shows 250000 as "$250,000").
QString maskedNumber(double value, const QString& mask);
int maskDecimals(const QString& mask);
QString monthName(int month);  // full name on its own, 1..12

double roundHalfAway(double value, int decimals);

}  // namespace lt::loc
