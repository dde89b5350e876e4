#include "core/pick_date_rules.h"

#include <algorithm>
#include <cmath>

namespace lt {

QDate pickerFirstDate() { return QDate(1600, 2, 1); }

QDate pickerLastDate() { return QDate(3999, 11, 30); }

bool inPickerRange(const QDate& date) {
    return date.isValid() && date >= pickerFirstDate() && date <= pickerLastDate();
}

QDate addMonthsKeepingDay(const QDate& from, int months) {
    if (!from.isValid()) return {};
    // Months counted from January of year 0, so the division below never sees a sign.
    const std::int64_t index = std::int64_t(from.year()) * 12 + (from.month() - 1) + months;
    if (index < 12) return {};
    const int year = static_cast<int>(index / 12);
    const int month = static_cast<int>(index % 12) + 1;
    const QDate first(year, month, 1);
    if (!first.isValid()) return {};
    return QDate(year, month, std::min(from.day(), first.daysInMonth()));
}

QDate stepMonths(const QDate& from, int months) {
    const QDate to = addMonthsKeepingDay(from, months);
    return inPickerRange(to) ? to : from;
}

QDate stepYears(const QDate& from, int years) { return stepMonths(from, years * 12); }

LifeLine lifeLine(DateTime birth, DateTime now) {
    LifeLine line;
    line.birthDay = static_cast<std::int64_t>(wholeDay(birth));
    line.nowDay = static_cast<std::int64_t>(wholeDay(now));
    // Integer division truncates toward zero, as the remainder is dropped; a birth day
    // after today gives a step of 0 or less, which freezes the track bar.
    line.step = (line.nowDay - line.birthDay) / trackBarMax;
    return line;
}

std::optional<int> trackBarPosition(const LifeLine& line, DateTime day) {
    const auto t = static_cast<std::int64_t>(wholeDay(day));
    if (t < line.birthDay) return trackBarMin;
    if (t > line.nowDay) return trackBarMax;
    if (line.step <= 0) return std::nullopt;
    return static_cast<int>(std::min<std::int64_t>((t - line.birthDay) / line.step, trackBarMax));
}

DateTime trackBarDate(const LifeLine& line, int position) {
    if (position <= trackBarMin) return static_cast<DateTime>(line.birthDay);
    if (position >= trackBarMax) return static_cast<DateTime>(line.nowDay);
    return static_cast<DateTime>(line.birthDay + line.step * position);
}

bool lifeLineShown(DateTime birth, DateTime today) {
    return wholeDay(birth) < wholeDay(today) - 700;
}

int pickerPanelHeight(bool withLifeLine) { return withLifeLine ? 350 : 290; }

int pickerClientHeight(bool withLifeLine) { return pickerPanelHeight(withLifeLine) + 3; }

QPoint pickerPlacement(const QRect& field, const QSize& window, const QRect& screen) {
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    int left = field.x() + 1;
    if (screenRight < left + window.width() + 1) left = screenRight - window.width() - 1;
    int top = field.y() + field.height() + 1;
    if (top + window.height() > screenBottom) top = field.y() - window.height();
    // A screen smaller than the window: keep its top-left corner (and its buttons) visible.
    left = std::max(left, screen.x());
    top = std::max(top, screen.y());
    return {left, top};
}

int spinnerRepeatInterval(std::int64_t heldMs) {
    constexpr int slow = 150, fast = 25;
    constexpr std::int64_t steadyUntil = 1000, fastFrom = 3000;
    if (heldMs <= steadyUntil) return slow;
    if (heldMs >= fastFrom) return fast;
    const double progress = double(heldMs - steadyUntil) / double(fastFrom - steadyUntil);
    return static_cast<int>(std::lround(slow - (slow - fast) * progress));
}

}  // namespace lt
