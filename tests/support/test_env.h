#pragma once
#include <QDateTime>
#include <QLocale>

namespace lt::test {

// Pins the program's locale and clock for the lifetime of the object, then puts
// en_US and the pinned default moment back.
class PinnedEnv {
public:
    explicit PinnedEnv(const QDateTime& now = defaultNow(),
                       const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates));
    ~PinnedEnv();
    void setNow(const QDateTime& now);
    // Sunday 6 December 2026, 10:00, the moment the examples use.
    static QDateTime defaultNow();
};

// Applies the defaults (en_US, Sunday 6 December 2026 10:00) once for the run.
void applyDefaults();

}  // namespace lt::test
