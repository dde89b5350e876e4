#pragma once
#include <QDate>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

#include "core/date_time.h"

// The rules of the popup calendar, free of any widget.
namespace lt {

// The calendar holds 1 February 1600 .. 30 November 3999: it refuses any date whose
// neighbouring month would leave the years 1600..3999.
QDate pickerFirstDate();
QDate pickerLastDate();
bool inPickerRange(const QDate& date);

// The same day of the month `months` later (earlier when negative), limited to the last
// day of the target month: 31 January + 1 month = 28 or 29 February. Invalid when the
// target lies before year 1.
QDate addMonthsKeepingDay(const QDate& from, int months);
// The spinners' steps: the stepped date, or `from` itself when the step would leave the
// calendar's range.
QDate stepMonths(const QDate& from, int months);
QDate stepYears(const QDate& from, int years);

// The life line maps track-bar positions 0..100 onto the days from the birth day to today.
inline constexpr int trackBarMin = 0;
inline constexpr int trackBarMax = 100;

struct LifeLine {
    std::int64_t birthDay = 0;  // b: the birth date-time truncated to whole days
    std::int64_t nowDay = 0;    // n: the current date-time truncated to whole days
    std::int64_t step = 0;      // whole days per position: (n - b) / 100, remainder dropped
};
LifeLine lifeLine(DateTime birth, DateTime now);

// Where the track bar goes for a calendar date `day`: 0 before the birth day, 100 after
// today, otherwise (t - b) / step limited to 100; nullopt (leave it where it is) when the
// step is not positive.
std::optional<int> trackBarPosition(const LifeLine& line, DateTime day);
// The whole day a user move of the track bar to `position` selects: the birth day at 0,
// today at 100, otherwise b + step * position.
DateTime trackBarDate(const LifeLine& line, int position);

// The life line is shown when the birth day lies at least 701 days before today.
bool lifeLineShown(DateTime birth, DateTime today);
int pickerPanelHeight(bool withLifeLine);   // inner panel: 350 or 290
int pickerClientHeight(bool withLifeLine);  // window: the panel and its 3-pixel bevel

inline constexpr int pickerWidth = 370;

// Where the picker opens beside `field` (all in global coordinates): one pixel right of
// the field's left edge and one below its bottom edge; pulled left when it would pass the
// screen's right edge, flipped above the field when it would pass the bottom edge, and
// never past the screen's left or top edge.
QPoint pickerPlacement(const QRect& field, const QSize& window, const QRect& screen);

// The repeat interval of a held spinner button after `heldMs` milliseconds: steady at
// first, then shorter and shorter down to a floor.
int spinnerRepeatInterval(std::int64_t heldMs);
inline constexpr int spinnerRepeatDelay = 400;

}  // namespace lt
