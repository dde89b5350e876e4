#include "core/clock.h"

namespace lt {
namespace {
ClockSource& source() {
    static ClockSource s;
    return s;
}
}  // namespace

QDateTime now() { return source() ? source()() : QDateTime::currentDateTime(); }

QDate today() { return now().date(); }

void setClock(ClockSource s) { source() = std::move(s); }

}  // namespace lt
