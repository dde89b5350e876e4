#include "support/test_env.h"

#include "core/clock.h"
#include "core/locale_format.h"

namespace lt::test {

QDateTime PinnedEnv::defaultNow() { return QDateTime(QDate(2026, 12, 6), QTime(10, 0)); }

PinnedEnv::PinnedEnv(const QDateTime& now, const QLocale& locale) {
    loc::setProgramLocale(locale);
    setNow(now);
}

PinnedEnv::~PinnedEnv() { applyDefaults(); }

void PinnedEnv::setNow(const QDateTime& now) {
    setClock([now] { return now; });
}

void applyDefaults() {
    loc::setProgramLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDateTime fixed = PinnedEnv::defaultNow();
    setClock([fixed] { return fixed; });
}

}  // namespace lt::test
