#pragma once
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QUrl>

#include "core/shell_open.h"
#include "support/test_env.h"

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

}  // namespace lt::test
