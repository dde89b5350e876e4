#pragma once
#include <QString>
#include <QtGlobal>
#include <array>
#include <stdexcept>
#include <vector>

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
};

// "Unable to write to <full path>": the message for any file the program cannot write.
QString unableToWrite(const QString& path);

// The settings file could not be replaced; the old file is unchanged.
class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const QString& path);
    // "Unable to write to <full path>"
    QString message() const { return message_; }

private:
    QString message_;
};

// Reads the file at path. Missing file, section or key gives that value's default:
// name "Your name", birth date today (also for an empty stored date), income 250000
// (a stored income is clamped into 0..99,999,999), row count 5. Each table gets rows
// 1..min(max(Count, 0), 50); a row's missing keys read as empty texts. Filled rows
// come first, in the file's order, followed by the blank rows.
StoredSettings readSettingsFile(const QString& path);

// Writes every section and key of the settings over the file's existing content,
// keeping what the program does not write, and replaces the file in one step.
// tables[t] holds rows 1..50 (missing rows are written empty, rows past 50 are not
// table rows and are not written). Throws SettingsWriteError when the file cannot be
// read or replaced; the old file then stays as it was. A writable file in a folder
// that refuses new files is written in place.
void writeSettingsFile(const QString& path, const StoredSettings& s);

}  // namespace lt
