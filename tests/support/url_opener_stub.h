#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QUrl>

#include "core/shell_open.h"

namespace lt::test {

// Stands in for the browser: records every address the desktop would have been asked
// to open and answers with `answer`. The desktop is put back when it goes.
class RecordingOpener {
public:
    explicit RecordingOpener(bool answer = true) {
        setUrlOpener([this, answer](const QUrl& url) {
            opened << url;
            return answer;
        });
    }
    ~RecordingOpener() { setUrlOpener({}); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    QList<QUrl> opened;
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
