#pragma once
#include <QString>
#include <QtGlobal>
#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

#include "core/file_io.h"
#include "core/locale_format.h"

class QLockFile;

namespace lt {

// Everything the settings file holds: the biographical fields and columns 0 to 4 of
// the three activity tables.
struct StoredSettings {
    QString name;
    QString birthDateText;
    qint64 income = 0;
    // By tableIndex() of the table; element i is data row i + 1, columns 0 to 4.
    std::array<std::vector<std::array<QString, 5>>, 3> tables;
    // The age the Look ahead window last showed, 1 to 120; 0 when none was kept.
    int lookAheadAge = 0;
    // The currency of the amounts: the file's, else the money locale's.
    loc::Currency currency;
};

// "Unable to write to <full path>: <the system's reason>": the message for any file the
// program cannot write ("-" is standard output).
QString unableToWrite(const QString& path, const QString& reason = QString());
// "Cannot read <full path>: <reason>."
QString cannotRead(const QString& path, const QString& reason);

// The settings file could not be written; the old file is unchanged.
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError(const QString& path, const QString& reason);
    // "Unable to write to <full path>: <reason>"
    QString message() const { return message_; }

private:
    QString message_;
};

// The settings file exists but cannot be read, or holds nothing that can be read.
class SettingsReadError : public std::runtime_error {
public:
    SettingsReadError(const QString& path, const QString& reason);
    // "Cannot read <full path>: <reason>."
    QString message() const { return message_; }
    QString reason() const { return reason_; }

private:
    QString message_;
    QString reason_;
};

// Reads the file at path. Missing file, section or key gives that value's default:
// name "Your name", birth date today (also for an empty stored date), income 250000
// (kept as stored, also outside what the income field holds), row count 5. Each table gets rows
// 1..min(max(Count, 0), 50); a row's missing keys read as empty texts. Filled rows
// come first, in the file's order, followed by the blank rows. Dates and amounts are
// read in the formats the file records and brought into the program's; the currency is
// the file's. Throws SettingsReadError for a file that exists and cannot be read (not a
// plain file, too large, no permission, not text, or a record of formats that neither it
// nor the program's formats make sense of every value with). `stamp`, when given, receives the file
// as read. With `requireSettings`, an existing file with none of the program's sections (empty, or
// another program's) is refused too: "It holds no Lifetally settings".
StoredSettings readSettingsFile(const QString& path, FileStamp* stamp = nullptr,
                                bool requireSettings = false);
// What a first start shows: every value its default.
StoredSettings defaultSettings();

// Writes every section and key of the settings over the file's existing content,
// keeping what the program does not write, followed by the formats that wrote it.
// tables[t] holds rows 1..50 (missing rows are written empty, rows past 50 are not
// table rows and are not written). Throws SettingsWriteError when the file cannot be
// read or written, or when the new file would be too large to read again; the old file
// then stays as it was. An existing file that cannot be
// read is written over only with `overwriteUnreadable`. Folders made for a new file
// are the user's alone, and so is the new file.
void writeSettingsFile(const QString& path, const StoredSettings& s,
                       bool overwriteUnreadable = false);

// Held while a window has the settings file open, so that a second copy started on the
// same file can warn. A copy that ended without letting go (a crash) holds nothing.
class SettingsLock {
public:
    explicit SettingsLock(const QString& settingsPath);
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;
    // Another running copy holds the file.
    bool heldElsewhere() const { return heldElsewhere_; }
    // The plain-words warning for that.
    static QString warning(const QString& settingsPath);

private:
    std::unique_ptr<QLockFile> lock_;
    bool heldElsewhere_ = false;
};

}  // namespace lt
