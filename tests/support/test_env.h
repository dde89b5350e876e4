#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QTranslator>

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

// Installs a translation of the given (context, source text) pairs for its lifetime, as a
// language's .qm file would; any other text stays untranslated. A counted text gets the
// one translation for every count.
class WordTranslator : public QTranslator {
public:
    using Words = QHash<std::pair<QString, QString>, QString>;
    explicit WordTranslator(Words words) : words(std::move(words)) {
        qApp->installTranslator(this);
    }
    ~WordTranslator() override { qApp->removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* c, const char* s, const char*, int) const override {
        return words.value({QString::fromUtf8(c), QString::fromUtf8(s)});
    }
    Words words;
};

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
