#pragma once
#include "core/date_time.h"

class QWidget;

namespace lt {

// The one entry to the popup calendar: shows it next to `field`, starting on
// `initial` (today when initial <= 0), and returns the chosen day at midnight, or
// `initial` unchanged when the user cancels. `birth` drives the life line and the
// age wording.
DateTime pickDate(QWidget* field, DateTime initial, DateTime birth);

}  // namespace lt
