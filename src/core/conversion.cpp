#include "core/conversion.h"

#include <QCoreApplication>

#include "core/locale_format.h"

namespace lt {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Conversion)
};
}  // namespace

ConversionError::ConversionError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

ConversionError ConversionError::placed(const QString& place) const {
    if (placed_) return *this;
    //: Where a value stands, then what is wrong with it: "Your birthdate: '' is not a valid date".
    ConversionError e(Text::tr("%1: %2").arg(place, message_));
    e.placed_ = true;
    return e;
}

QString birthDatePlace() { return Text::tr("Your birthdate"); }

QDate strToDate(const QString& text) {
    const auto d = loc::parseDate(text);
    if (!d) throw ConversionError(Text::tr("'%1' is not a valid date").arg(text));
    return *d;
}

int strToInt(const QString& text) {
    bool ok = false;
    const QString t = text.trimmed();
    // Only an optional sign and decimal digits; no group separators or blanks inside.
    bool digitsOnly = !t.isEmpty();
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) continue;
        if (i == 0 && (c == u'-' || c == u'+') && t.size() > 1) continue;
        digitsOnly = false;
        break;
    }
    const int v = digitsOnly ? t.toInt(&ok, 10) : 0;
    if (!ok) throw ConversionError(Text::tr("'%1' is not a valid integer value").arg(text));
    return v;
}

double strToFloat(const QString& text) {
    const auto v = loc::parseNumber(text);
    if (!v) throw ConversionError(Text::tr("'%1' is not a valid floating point value").arg(text));
    return *v;
}

}  // namespace lt
