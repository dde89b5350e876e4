#include "ui/settings_keeper.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/export_file.h"
#include "ui/message_boxes.h"

namespace lt {

SettingsKeeper::SettingsKeeper(const QString& path) : path_(path) {}

SettingsKeeper::~SettingsKeeper() = default;

StoredSettings SettingsKeeper::read() {
    StoredSettings stored;
    try {
        stored = readSettingsFile(path_, &readStamp_);
    } catch (const SettingsReadError& e) {
        readError_ = e.message();
        stored = defaultSettings();
    }
    lock_ = std::make_unique<SettingsLock>(path_);
    setExportSource(path_);
    return stored;
}

QString SettingsKeeper::lockWarning() const {
    return lock_ && lock_->heldElsewhere() ? SettingsLock::warning(path_) : QString();
}

bool SettingsKeeper::write(const StoredSettings& s, QWidget* parent) {
    const QString shown = QFileInfo(path_).absoluteFilePath();
    const bool unreadable = !readError_.isEmpty();
    if (unreadable) {
        if (!confirmYesNo(
                QCoreApplication::translate(
                    "Settings", "Lifetally could not read %1 when it started. Overwrite it?")
                    .arg(shown),
                parent))
            return false;
    } else if (fileStamp(path_) != readStamp_ &&
               !confirmYesNo(QCoreApplication::translate("Settings",
                                                         "%1 was changed by another program since "
                                                         "Lifetally read it. Overwrite it?")
                                 .arg(shown),
                             parent)) {
        return false;
    }
    try {
        WaitCursor wait;
        writeSettingsFile(path_, s, unreadable);
    } catch (const SettingsWriteError& e) {
        // The old file is whole. What is there now is what the next Close compares with.
        readStamp_ = fileStamp(path_);
        reportDefaultError(e.message(), parent);
        return false;
    }
    lock_.reset();
    return true;
}

}  // namespace lt
