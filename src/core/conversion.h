#pragma once
#include <QDate>
#include <QString>
#include <stdexcept>

namespace lt {

// A text that does not convert. Carries the message the user sees; it is caught
// only at the event-handler boundary (see guarded() in message_boxes_ui.h).
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);
    QString message() const { return message_; }
    // The same failure with where the text stands in front: "Hours, row 3, ending date:
    // '' is not a valid date". A failure that names its place already keeps it.
    ConversionError placed(const QString& place) const;

private:
    QString message_;
    bool placed_ = false;
};

// Runs `read`; a ConversionError it throws leaves with `place` in front of its message
// ("Your birthdate: '' is not a valid date").
template <class F>
auto readAt(const QString& place, F&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const ConversionError& e) {
        throw e.placed(place);
    }
}

// "Your birthdate", the place of a birth date that does not read.
QString birthDatePlace();

// Locale short-date parsing; throws "'%s' is not a valid date".
QDate strToDate(const QString& text);
// Strict 32-bit decimal integer; throws "'%s' is not a valid integer value".
int strToInt(const QString& text);
// Locale floating point; throws "'%s' is not a valid floating point value".
double strToFloat(const QString& text);

}  // namespace lt
