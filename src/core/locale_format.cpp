#include "core/locale_format.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "core/clock.h"

namespace lt::loc {

namespace {
struct ProgramFormats {
    QLocale dates = QLocale(QLocale::English, QLocale::UnitedStates);
    QLocale money = QLocale(QLocale::English, QLocale::UnitedStates);
    Currency currency = currencyOf(QLocale(QLocale::English, QLocale::UnitedStates));
};
ProgramFormats& formats() {
    static ProgramFormats f;
    return f;
}

QLocale usableLocale(const QString& name) {
    const QLocale l(name);
    return l.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : l;
}
}  // namespace

Currency currencyWithCode(const QString& code) {
    if (currencyOf(moneyLocale()).code == code) return currencyOf(moneyLocale());
    std::optional<Currency> english, any;
    for (const QLocale& l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                     QLocale::AnyTerritory)) {
        if (l.currencySymbol(QLocale::CurrencyIsoCode) != code) continue;
        if (l.language() == moneyLocale().language()) return currencyOf(l);
        if (!english && l.language() == QLocale::English) english = currencyOf(l);
        if (!any) any = currencyOf(l);
    }
    return english ? *english : any ? *any : Currency{code, code};
}

QString categoryLocaleName(const char* category,
                           const std::function<QString(const char*)>& environment) {
    for (const char* name : {"LC_ALL", category, "LANG"})
        if (const QString value = environment(name); !value.isEmpty()) return value;
    return QStringLiteral("C");
}

void initProgramLocale() {
    const auto environment = [](const char* name) { return qEnvironmentVariable(name); };
    setProgramLocales(usableLocale(categoryLocaleName("LC_NUMERIC", environment)),
                      usableLocale(categoryLocaleName("LC_TIME", environment)),
                      usableLocale(categoryLocaleName("LC_MONETARY", environment)));
}

void setProgramLocale(const QLocale& locale) { setProgramLocales(locale, locale, locale); }

void setProgramLocales(const QLocale& numbers, const QLocale& dates, const QLocale& money) {
    // Not the system locale itself: its name follows the language of the texts while its
    // formats follow the categories, so what it says it is and what it writes differ.
    QLocale::setDefault(numbers);
    formats().dates = dates;
    formats().money = money;
    formats().currency = currencyOf(money);
}

QLocale programLocale() { return QLocale(); }
QLocale dateLocale() { return formats().dates; }
QLocale moneyLocale() { return formats().money; }

Currency programCurrency() { return formats().currency; }
void setProgramCurrency(const Currency& currency) { formats().currency = currency; }

Currency currencyOf(const QLocale& locale) {
    return {locale.currencySymbol(QLocale::CurrencyIsoCode),
            locale.currencySymbol(QLocale::CurrencySymbol)};
}

namespace {
QString shortDateFormatOf(const QLocale& locale) {
    QString f = locale.dateFormat(QLocale::ShortFormat);
    // Widen a two-digit year ("yy" not part of "yyyy") to four digits.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    f.replace(twoDigitYear, QStringLiteral("yyyy"));
    return f;
}
}  // namespace

QString shortDateFormat() { return shortDateFormatOf(dateLocale()); }

QString formatDate(const QDate& date) { return dateLocale().toString(date, shortDateFormat()); }

QString formatLongDate(const QDate& date) {
    return dateLocale().toString(date, QLocale::LongFormat);
}

namespace {
bool isDirectionMark(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Field order and the literals of the short format, direction marks dropped, each
// trimmed: after the first field, after the second, and after the last (the Hungarian
// ".", the Bulgarian "г.").
struct DateShape {
    char order[3] = {'M', 'd', 'y'};
    QString literal[3];
};

DateShape dateShape(const QLocale& locale) {
    DateShape s;
    const QString f = asciiDigits(shortDateFormatOf(locale));
    int fields = 0;
    QString literal;
    QChar last;
    bool quoted = false;
    for (const QChar c : f) {
        if (c == u'\'') {
            quoted = !quoted;
            last = QChar();
        } else if (!quoted && (c == u'd' || c == u'M' || c == u'y')) {
            if (c != last) {
                if (fields > 0 && fields <= 3) s.literal[fields - 1] = literal.trimmed();
                if (fields < 3) s.order[fields] = static_cast<char>(c.unicode());
                ++fields;
                literal.clear();
            }
            last = c;
        } else {
            literal += c;
            last = QChar();
        }
    }
    if (fields > 0 && fields <= 3) s.literal[fields - 1] = literal.trimmed();
    return s;
}
}  // namespace

QString asciiDigits(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        // Chakma and Adlam digits lie outside the basic plane.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        if (QChar::category(c) == QChar::Number_DecimalDigit)
            out += QChar(u'0' + QChar::digitValue(c));
        else if (!isDirectionMark(c))
            out += QStringView(text).mid(i, width);
        i += width - 1;
    }
    return out;
}

std::optional<QDate> parseDate(const QString& text) { return parseDateIn(text, dateLocale()); }

namespace {
// Digits in the integer part's groups, from the right: the lowest group, then each
// higher one (3 and 3, or 3 and 2 for en_IN's "12,34,567"); {0, 0} for no grouping.
std::pair<qsizetype, qsizetype> groupSizes(const QLocale& numbers) {
    const QString g = asciiDigits(numbers.groupSeparator());
    const QString shown = asciiDigits(numbers.toString(qlonglong(123456789012345)));
    const qsizetype last = g.isEmpty() ? -1 : shown.lastIndexOf(g);
    if (last < 0) return {0, 0};
    const qsizetype before = shown.lastIndexOf(g, last - 1);
    const qsizetype least = shown.size() - last - g.size();
    return {least, before < 0 ? least : last - before - g.size()};
}

bool allDigits(QStringView t) {
    return !t.isEmpty() &&
           std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The text without the currency: its whole symbol, or the symbol's first character at
// either end (as a picture mask's "$" writes it).
QString withoutCurrency(QString t, const Currency& currency) {
    const QString symbol = asciiDigits(currency.symbol).trimmed();
    if (symbol.isEmpty()) return t.trimmed();
    if (t.contains(symbol)) return t.remove(symbol).trimmed();
    t = t.trimmed();
    const QString sign = symbol.left(symbol.size() > 1 && symbol[0].isHighSurrogate() ? 2 : 1);
    if (t.startsWith(sign)) return t.mid(sign.size()).trimmed();
    if (t.endsWith(sign)) return t.chopped(sign.size()).trimmed();
    return t;
}
}  // namespace

std::optional<double> readAmountIn(const QString& text, const QLocale& numbers,
                                   const Currency& currency, int decimals) {
    const QString t = withoutCurrency(asciiDigits(text), currency);
    const QString decimal = asciiDigits(numbers.decimalPoint());
    const QString group = asciiDigits(numbers.groupSeparator());
    const qsizetype point = decimal.isEmpty() ? -1 : t.indexOf(decimal);
    const QString whole = point < 0 ? t : t.left(point);
    const QString fraction = point < 0 ? QString() : t.mid(point + decimal.size());
    if (point >= 0 && (!allDigits(fraction) || fraction.size() > decimals)) return std::nullopt;
    QString digits = whole;
    if (!group.isEmpty() && whole.contains(group)) {
        const auto [least, higher] = groupSizes(numbers);
        const QStringList parts = whole.split(group);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const qsizetype want = i + 1 == parts.size() ? least : higher;
            const bool fits =
                i == 0 ? parts[i].size() >= 1 && parts[i].size() <= want : parts[i].size() == want;
            if (!fits || !allDigits(parts[i])) return std::nullopt;
        }
        digits = parts.join(QString());
    }
    if (!allDigits(digits)) return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(digits + u'.' + fraction + u'0', &ok);
    if (!ok) return std::nullopt;
    return v;
}

std::optional<QDate> parseDateIn(const QString& text, const QLocale& locale) {
    const DateShape s = dateShape(locale);
    const QString t = asciiDigits(text);
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < t.size() && t[i].isSpace()) ++i;
    };
    auto take = [&](const QString& literal) {
        if (!QStringView(t).mid(i).startsWith(literal)) return false;
        i += literal.size();
        return true;
    };
    QString parts[3];
    skipBlanks();
    for (int k = 0; k < 3; ++k) {
        const qsizetype from = i;
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') ++i;
        if (i == from) return std::nullopt;
        parts[k] = t.mid(from, i - from);
        skipBlanks();
        // Dates this program writes end in the closing literal; a date typed without it reads too.
        if (!take(s.literal[k]) && k < 2) return std::nullopt;
        skipBlanks();
    }
    if (i != t.size()) return std::nullopt;
    int day = 0, month = 0, year = 0;
    bool twoDigitYear = false;
    for (int k = 0; k < 3; ++k) {
        const QString& p = parts[k];
        const int v = p.size() <= 4 ? p.toInt() : 0;
        switch (s.order[k]) {
            case 'd':
                if (p.size() > 2) return std::nullopt;
                day = v;
                break;
            case 'M':
                if (p.size() > 2) return std::nullopt;
                month = v;
                break;
            default:
                if (p.size() == 2)
                    twoDigitYear = true;
                else if (p.size() != 4)
                    return std::nullopt;
                year = v;
        }
    }
    if (twoDigitYear) {
        const int threshold = today().year() - 50;
        year += threshold / 100 * 100;
        if (year < threshold) year += 100;
    }
    const QDate d(year, month, day);
    if (!d.isValid()) return std::nullopt;
    return d;
}

QString longTimeFormat() {
    QString f = dateLocale().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    f.replace(zone, QStringLiteral(" "));
    return f.trimmed();
}

QString formatLongTime(const QTime& time) { return dateLocale().toString(time, longTimeFormat()); }

double roundHalfAway(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // The small nudge keeps values such as 2.675 (stored as 2.67499...) rounding up as written.
    const double scaled = value * scale;
    const double r = std::round(scaled + (scaled >= 0 ? 1e-9 : -1e-9));
    return r / scale;
}

QString formatNumber(double value, int decimals) {
    return programLocale().toString(roundHalfAway(value, decimals), 'f', decimals);
}

QString formatDigits(qint64 value) {
    QLocale locale = programLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

QString formatYear(int year) { return formatDigits(year); }

QString formatDayOfMonth(const QDate& date) {
    return dateLocale().toString(date, QStringLiteral("d"));
}

QString formatMoney(double value, int decimals) {
    // The file's currency in the money locale's pattern ("$1,235" in ja_JP, "1.235 $" in de_DE).
    return moneyLocale().toCurrencyString(roundHalfAway(value, decimals), shownCurrency(),
                                          decimals);
}

QString formatMoney0(double value) { return formatMoney(value, 0); }

std::optional<double> parseNumber(const QString& text) {
    const QLocale l = programLocale();
    const QString t = asciiDigits(text).trimmed();
    const QString decimal = asciiDigits(l.decimalPoint());
    const QString group = asciiDigits(l.groupSeparator());
    const QString minus = asciiDigits(l.negativeSign());
    const QString plus = asciiDigits(l.positiveSign());
    // Spelled out in C notation; a "." or "," that is not the locale's own does not read.
    QString c;
    for (qsizetype i = 0; i < t.size();) {
        const QStringView rest = QStringView(t).mid(i);
        if (!decimal.isEmpty() && rest.startsWith(decimal)) {
            c += u'.';
            i += decimal.size();
        } else if (!group.isEmpty() && rest.startsWith(group)) {
            return std::nullopt;
        } else if (!minus.isEmpty() && rest.startsWith(minus)) {
            c += u'-';
            i += minus.size();
        } else if (!plus.isEmpty() && rest.startsWith(plus)) {
            c += u'+';
            i += plus.size();
        } else if (t[i] == u'.' || t[i] == u',') {
            return std::nullopt;
        } else {
            c += t[i++];
        }
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(c, &ok);
    if (!ok) return std::nullopt;
    return v;
}

QString shownNumberDigits(const QString& text, const QString& sign) {
    QString t = asciiDigits(text);
    if (!sign.isEmpty()) t.remove(sign);
    const QString group = asciiDigits(programLocale().groupSeparator());
    if (!group.isEmpty()) t.remove(group);
    return t.trimmed();
}

QString plainNumber(double value, int decimals) {
    QLocale l = programLocale();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(roundHalfAway(value, decimals), 'f', decimals);
}

QChar decimalSeparator() {
    const QString s = programLocale().decimalPoint();
    return s.isEmpty() ? QChar(u'.') : s.front();
}

QChar groupSeparator() {
    const QString s = programLocale().groupSeparator();
    return s.isEmpty() ? QChar(u',') : s.front();
}

QString currencySymbol() { return programCurrency().symbol; }

QString currencyCode() { return programCurrency().code; }

QString shownCurrency() {
    const QString symbol = currencySymbol();
    return symbol.isEmpty() ? currencyCode() : symbol;
}

namespace {
QString signOf(const QString& symbol) {
    return symbol.left(symbol.size() > 1 && symbol[0].isHighSurrogate() ? 2 : 1);
}
}  // namespace

QString currencySign() { return signOf(currencySymbol()); }

// The name as it stands alone (Russian "март"), not the form inside a date ("марта").
QString monthName(int month) {
    return dateLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QString shownNumber(double value, const QString& mask) {
    return mask.contains(u'$') ? formatMoney(value, maskDecimals(mask)) : maskedNumber(value, mask);
}

int maskDecimals(const QString& mask) {
    const qsizetype dot = mask.indexOf(u'.');
    return dot < 0 ? 0 : static_cast<int>(mask.size() - dot - 1);
}

QString maskedNumber(double value, const QString& mask) {
    return maskedNumber(value, mask, programCurrency());
}

QString maskedNumber(double value, const QString& mask, const Currency& currency) {
    const int decimals = maskDecimals(mask);
    const QString digits =
        mask.contains(u',') ? formatNumber(value, decimals) : plainNumber(value, decimals);
    return (mask.contains(u'$') ? signOf(currency.symbol) : QString()) + digits;
}

}  // namespace lt::loc
