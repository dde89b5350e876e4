#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

// Every locale rule of the program lives here; nothing else asks QLocale for formats.
namespace lt::loc {

// A currency: its ISO 4217 code and the symbol its amounts are written with.
struct Currency {
    QString code;
    QString symbol;
    friend bool operator==(const Currency&, const Currency&) = default;
};

// The name of the locale the C library takes for `category` ("LC_NUMERIC", "LC_TIME",
// "LC_MONETARY"): LC_ALL, else the category's own variable, else LANG. LANGUAGE and
// LC_MESSAGES choose the language of the texts, never the formats.
QString categoryLocaleName(const char* category,
                           const std::function<QString(const char*)>& environment);
// The program's formats from the environment: numbers as LC_NUMERIC, dates as LC_TIME,
// money as LC_MONETARY, with that locale's currency; the C/POSIX locale becomes en_US.
void initProgramLocale();
// All three from one locale, with its currency (tests).
void setProgramLocale(const QLocale& locale);
void setProgramLocales(const QLocale& numbers, const QLocale& dates, const QLocale& money);
// The numbers' locale, which is also QLocale().
QLocale programLocale();
QLocale dateLocale();
QLocale moneyLocale();

// The currency money is in: the settings file's, else the money locale's.
Currency programCurrency();
void setProgramCurrency(const Currency& currency);
// A locale's own currency.
Currency currencyOf(const QLocale& locale);
// The currency of an ISO 4217 code, with the symbol a locale of the money locale's language
// (else an English one) writes it with; the code as its symbol when no locale has it.
Currency currencyWithCode(const QString& code);

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
// An amount exactly as written under `numbers` in `currency` ("$1,200.50", "1.200,50 €"):
// digits grouped as that locale groups them or not at all, at most `decimals` after its
// decimal separator, the currency's symbol or its first character before or after (none
// for an empty currency). Anything else, "$3.75" under de_DE among them, is nullopt.
std::optional<double> readAmountIn(const QString& text, const QLocale& numbers,
                                   const Currency& currency, int decimals);

// The locale's long time format without the time-zone part.
QString longTimeFormat();
QString formatLongTime(const QTime& time);

// "%.0n" / "%.2n": grouped, fixed decimals, halves rounded away from zero.
QString formatNumber(double value, int decimals);
// Money as every window shows it: the money locale's currency format, in its digits, with
// the file's currency ("$1,234.50", "1.234,50 €", "١٬٢٣٤٫٥٠ ج.م.‏").
QString formatMoney(double value, int decimals);
// "%.0m": the same without decimals.
QString formatMoney0(double value);
// A whole number in the locale's digits, without grouping: "2026", "٢٠٢٦".
QString formatDigits(qint64 value);
QString formatYear(int year);
// The day of the month as the date locale writes it: "6", "٦".
QString formatDayOfMonth(const QDate& date);
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
// What money is shown with: the currency's symbol, else its ISO code ("ETB" in aa_ET).
QString shownCurrency();
// The ISO 4217 code of the locale's currency ("USD", "EUR").
QString currencyCode();
// The currency symbol cut to its first character (a whole code point), as the "$" of a
// picture mask shows it.
QString currencySign();
// A number as a field with a picture mask shows it: "$" the currency sign, "," the
// locale's grouping, ".##" the decimals ("$###,###,###" shows 250000 as "$250,000").
QString maskedNumber(double value, const QString& mask);
QString maskedNumber(double value, const QString& mask, const Currency& currency);
// What a field with a picture mask shows of a value: money ("$" in the mask) in the
// currency format, other numbers as maskedNumber writes them. The file keeps maskedNumber's.
QString shownNumber(double value, const QString& mask);
int maskDecimals(const QString& mask);
QString monthName(int month);  // full name on its own, 1..12

double roundHalfAway(double value, int decimals);

}  // namespace lt::loc
