#include "core/cell_text.h"

#include "core/conversion.h"
#include "core/locale_format.h"

namespace lt {

QString timeText(int hours, int minutes) {
    if (hours == 0 && minutes == 0) return QStringLiteral("0 Hr 0 Min");
    QString h;
    if (hours == 1)
        h = QStringLiteral("1 Hr");
    else if (hours != 0)
        h = QStringLiteral("%1 Hrs").arg(hours);
    QString m;
    if (minutes == 1)
        m = QStringLiteral("1 Min");
    else if (minutes != 0)
        m = QStringLiteral("%1 Mins").arg(minutes);
    if (h.isEmpty()) return m;
    if (m.isEmpty()) return h;
    return h + QLatin1Char(' ') + m;
}

QString nthWord(const QString& text, int n) {
    QString word;
    if (n == 1) {
        const int blank = text.indexOf(QLatin1Char(' '));
        word = blank < 0 ? text : text.left(blank);
    } else {
        int counter = 1;
        for (QChar c : text) {
            if (c == u' ')
                ++counter;
            else if (counter == n)
                word += c;
        }
    }
    // Trim control characters and blanks at both ends.
    int b = 0, e = static_cast<int>(word.size());
    while (b < e && word[b].unicode() <= 32) ++b;
    while (e > b && word[e - 1].unicode() <= 32) --e;
    return word.mid(b, e - b);
}

int hoursOf(const QString& text) {
    return text.contains(QStringLiteral("Hr")) ? strToInt(nthWord(text, 1)) : 0;
}

int minutesOf(const QString& text) {
    if (!text.contains(QStringLiteral("Min"))) return 0;
    return strToInt(nthWord(text, text.contains(QStringLiteral("Hr")) ? 3 : 1));
}

QString periodFromButtons(bool day, bool week) {
    if (day) return QStringLiteral("Day");
    if (week) return QStringLiteral("Week");
    return QStringLiteral("Month");
}

QString periodFromIndex(int index) {
    switch (index) {
        case 0:
            return QStringLiteral("Day");
        case 1:
            return QStringLiteral("Week");
        case 2:
            return QStringLiteral("Month");
        case 3:
            return QStringLiteral("Year");
        default:
            return QStringLiteral("Once");
    }
}

bool hasDay(const QString& t) { return t.contains(QStringLiteral("Day")); }
bool hasWeek(const QString& t) { return t.contains(QStringLiteral("Week")); }
bool hasMonth(const QString& t) { return t.contains(QStringLiteral("Month")); }
bool hasYear(const QString& t) { return t.contains(QStringLiteral("Year")); }
bool hasOnce(const QString& t) { return t.contains(QStringLiteral("Once")); }

QString numberChars(const QString& text) {
    QString t = loc::asciiDigits(text);
    // A currency symbol may hold the decimal separator ("Rs.", "B/.", "د.إ."): it goes whole.
    const QString symbol = loc::asciiDigits(loc::currencySymbol());
    if (!symbol.isEmpty()) t.remove(symbol);
    const QChar dec = loc::decimalSeparator();
    QString out;
    for (QChar c : t)
        if ((c >= u'0' && c <= u'9') || c == dec) out += c;
    return out;
}

}  // namespace lt
