#pragma once
#include <QString>
#include <QStringList>

namespace lt {

struct CommandLine;

// Writes the files `line` asks for (report, tables, chart, look ahead), in the order
// given, from the settings file at `settingsFile`, worked out as start-up does, without
// showing a window and without writing the settings file. The messages the window would
// have shown go to `messages`. A settings file that cannot be read, or a --settings file
// that is not there, is refused; a file that fails leaves the others to be written.
// Returns the exit code: 0, or 1 when any failed or the settings did not convert.
int runExports(const CommandLine& line, const QString& settingsFile, QStringList& messages);

}  // namespace lt
