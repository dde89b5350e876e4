#pragma once
#include <QString>
#include <memory>

#include "core/file_io.h"
#include "core/settings_file.h"

class QWidget;

namespace lt {

// The settings file as the window holds it: read once at start, marked as open against
// a second copy, and written on Close only after asking about a file that could not be
// read or that another program changed meanwhile.
class SettingsKeeper {
public:
    explicit SettingsKeeper(const QString& path);
    ~SettingsKeeper();
    SettingsKeeper(const SettingsKeeper&) = delete;
    SettingsKeeper& operator=(const SettingsKeeper&) = delete;

    QString path() const { return path_; }
    // Reads the file and takes the lock. A file that cannot be read gives the defaults;
    // readError() then says why. No export may write this file from now on.
    StoredSettings read();
    // "Cannot read <path>: <reason>." from read(), or empty.
    QString readError() const { return readError_; }
    // The warning that another copy has the file open, or empty.
    QString lockWarning() const;
    // Writes `s`, asking first when the file could not be read or was changed since it
    // was read. False, with the window to stay open, when the user said No or the write
    // failed (shown in the error box).
    bool write(const StoredSettings& s, QWidget* parent);

private:
    QString path_;
    // The file as read, so that a change made meanwhile shows.
    FileStamp readStamp_;
    QString readError_;
    std::unique_ptr<SettingsLock> lock_;
};

}  // namespace lt
