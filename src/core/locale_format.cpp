#include "core/locale_format.h"

#include <QRegularExpression>
#include <cmath>

#include "core/clock.h"

namespace lt::loc {

void initProgramLocale() {
    QLocale sys = QLocale::system();
    if (sys.language() == QLocale::C) sys = QLocale(QLocale::English, QLocale::UnitedStates);
    QLocale::setDefault(sys);
}

void setProgramLocale(const QLocale& locale) { QLocale::setDefault(locale); }

QLocale programLocale() { return QLocale(); }

QString shortDateFormat() {
    QString f = programLocale().dateFormat(QLocale::ShortFormat);
    // Widen a two-digit year ("yy" not part of "yyyy") to four digits.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    f.replace(twoDigitYear, QStringLiteral("yyyy"));
    return f;
}

QString formatDate(const QDate& date) { return programLocale().toString(date, shortDateFormat()); }

namespace {
struct DateOrder {
    char order[3] = {'M', 'd', 'y'};
    QChar separator = u'/';
    QString tail;  // the literal after the last field, if any
};

// Arabic formats put right-to-left marks (U+200F) beside the separators;
// they are not typed and carry no meaning for reading a date.
QString withoutDirectionMarks(QString s) {
    s.remove(QChar(0x200E));
    s.remove(QChar(0x200F));
    s.remove(QChar(0x061C));
    return s;
}

// The literal after the format's last field, quotes removed and trimmed: "." in
// Hungarian "yyyy. MM. dd.", the abbreviated year word and "." in Bulgarian.
QString trailingLiteral(const QString& format) {
    qsizetype last = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'd' || c == u'M' || c == u'y'))
            last = i;
    }
    return format.mid(last + 1).remove(u'\'').trimmed();
}

DateOrder dateOrder() {
    DateOrder o;
    const QString f = withoutDirectionMarks(shortDateFormat());
    int n = 0;
    QChar last;
    bool sepFound = false;
    for (int i = 0; i < f.size(); ++i) {
        const QChar c = f[i];
        if (c == u'd' || c == u'M' || c == u'y') {
            if (c != last && n < 3) o.order[n++] = static_cast<char>(c.unicode());
            last = c;
        } else if (n == 1 && !sepFound && !c.isSpace()) {
            o.separator = c;
            sepFound = true;
        }
    }
    o.tail = trailingLiteral(f);
    return o;
}

bool allDigits(const QString& s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}
}  // namespace

std::optional<QDate> parseDate(const QString& text) {
    const DateOrder o = dateOrder();
    QString t = withoutDirectionMarks(text).trimmed();
    // Dates this program writes end in that literal; a date typed without it reads too.
    if (!o.tail.isEmpty() && t.endsWith(o.tail)) t = t.chopped(o.tail.size()).trimmed();
    QStringList parts = t.split(o.separator);
    if (parts.size() != 3) return std::nullopt;
    int day = 0, month = 0, year = 0;
    bool twoDigitYear = false;
    for (int i = 0; i < 3; ++i) {
        const QString p = parts[i].trimmed();
        if (!allDigits(p)) return std::nullopt;
        const int v = p.toInt();
        switch (o.order[i]) {
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
    QString f = programLocale().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    f.replace(zone, QStringLiteral(" "));
    return f.trimmed();
}

QString formatLongTime(const QTime& time) {
    return programLocale().toString(time, longTimeFormat());
}

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

QString formatMoney0(double value) {
    return programLocale().toCurrencyString(roundHalfAway(value, 0), currencySymbol(), 0);
}

std::optional<double> parseNumber(const QString& text) {
    QLocale l = programLocale();
    l.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = l.toDouble(text.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return v;
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

QString currencySymbol() { return programLocale().currencySymbol(QLocale::CurrencySymbol); }

// The name as it stands alone (Russian "март"), not the form inside a date ("марта").
QString monthName(int month) {
    return programLocale().standaloneMonthName(month, QLocale::LongFormat);
}

}  // namespace lt::loc
