#pragma once
#include <QString>
#include <QStringList>

namespace lt {

struct CommandLine;

// Writes the files `line` asks for (report, tables, chart) from the settings file at
// `settingsFile`, worked out as start-up does, without showing a window and without
// writing the settings file. The messages the window would have shown go to
// `messages`. A settings file that cannot be read, or a --settings file that is not
// there, is refused. Returns the exit code: 0, or 1 after the first failure.
int runExports(const CommandLine& line, const QString& settingsFile, QStringList& messages);

}  // namespace lt
