#pragma once
#include <QDateTime>
#include <functional>

namespace lt {

// The one source of "now" for the whole program; tests pin it.
QDateTime now();
QDate today();

using ClockSource = std::function<QDateTime()>;
// Replaces the clock (an empty function restores the system clock).
void setClock(ClockSource source);

}  // namespace lt
