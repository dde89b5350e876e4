#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "core/clock.h"
#include "core/locale_format.h"

// Pins the clock and the locale once, so a crash input reproduces exactly.
inline void fuzzSetUp() {
    static const bool done = [] {
        lt::loc::setProgramLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        const QDateTime fixed(QDate(2026, 12, 6), QTime(10, 0));
        lt::setClock([fixed] { return fixed; });
        return true;
    }();
    (void)done;
}

inline QString fuzzText(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
