#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
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

// A file's bytes, or "<unreadable>" so that a missing file never passes for an empty one.
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll();
}

inline void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(content), content.size());
}

}  // namespace lt::test
