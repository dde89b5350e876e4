#include "core/activity_checks.h"

#include <QCoreApplication>
#include <optional>

#include "core/clock.h"
#include "core/conversion.h"
#include "core/date_time.h"
#include "core/locale_format.h"
#include "core/table_shape.h"

namespace lt {
namespace {
CheckResult fail(const char* message, CheckFocus focus) {
    return CheckResult{false, QCoreApplication::translate("ActivityChecks", message), focus};
}

// The settings file drops a value's surrounding blanks (and stores line breaks as
// blanks), so a description of blanks would come back as a blank row.
bool blankDescription(const QString& name) { return isBlankActivity(name.trimmed()); }

std::optional<double> dayOfText(const QString& text) {
    const auto d = loc::parseDate(text);
    if (!d) return std::nullopt;
    return wholeDay(toDateTime(*d));
}

// Per-period ceilings in hours; exactly the ceiling is allowed only with 0 minutes.
bool overLimit(int hours, int minutes, int limit) {
    return hours > limit || (hours == limit && minutes != 0);
}

// Checks shared by both dialogs once the texts are known to convert.
std::optional<CheckResult> startDateBounds(double start, const QString& birthDateText) {
    const double birth = wholeDay(toDateTime(strToDate(birthDateText)));
    if (start < birth)
        return fail(
            QT_TRANSLATE_NOOP("ActivityChecks", "Starting date is earlier than date of birth"),
            CheckFocus::StartDate);
    if (start > wholeDay(toDateTime(today())))
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Starting date is in the future"),
                    CheckFocus::StartDate);
    return std::nullopt;
}
}  // namespace

CheckResult qKosher(const TimeEntry& e, const QString& birthDateText) {
    if (blankDescription(e.name))
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Description cannot be blank"),
                    CheckFocus::Name);
    const auto start = dayOfText(e.startDate);
    if (!start)
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Starting date is not valid"),
                    CheckFocus::StartDate);
    const auto end = e.specificEnd ? dayOfText(e.endDate) : std::nullopt;
    if (e.specificEnd && !end)
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Ending date is not valid"),
                    CheckFocus::EndDate);
    if (e.day && overLimit(e.hours, e.minutes, 24))
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Number of hours incorrect for days"),
                    CheckFocus::Unchanged);
    if (e.week && overLimit(e.hours, e.minutes, 7 * 24))
        return fail(
            QT_TRANSLATE_NOOP("ActivityChecks", "Number of hours/minutes incorrect for weeks"),
            CheckFocus::Unchanged);
    if (e.month && overLimit(e.hours, e.minutes, 31 * 7 * 24))
        return fail(
            QT_TRANSLATE_NOOP("ActivityChecks", "Number of hours/minutes incorrect for months"),
            CheckFocus::Unchanged);
    if (auto bad = startDateBounds(*start, birthDateText)) return *bad;
    if (!e.specificEnd) return {};
    if (*start > *end)
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Starting date is after the ending date"),
                    CheckFocus::StartDate);
    return {};
}

CheckResult qKosher(const MoneyEntry& e, const QString& birthDateText) {
    if (blankDescription(e.name))
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Description cannot be blank"),
                    CheckFocus::Name);
    const auto start = dayOfText(e.startDate);
    if (!start)
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Starting date is not valid"),
                    CheckFocus::StartDate);
    if (e.specificEnd && !dayOfText(e.endDate))
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Ending date is not valid"),
                    CheckFocus::EndDate);
    if (auto bad = startDateBounds(*start, birthDateText)) return *bad;
    // An ending date before the starting date is allowed here.
    if (!(e.amount > 0))
        return fail(QT_TRANSLATE_NOOP("ActivityChecks", "Value cannot be set to 0"),
                    CheckFocus::Amount);
    return {};
}

}  // namespace lt
