#pragma once
#include <QString>
#include <QStringList>

#include "core/look_ahead.h"
#include "core/table_shape.h"

namespace lt {

// What the command line asks for.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString settingsFile;  // --settings FILE as given; empty when not given
    // Files to write instead of opening the window; empty when not asked for.
    QString reportFile;                       // --export-report FILE.pdf
    QString csvFile;                          // --export-csv FILE.csv
    QString chartFile;                        // --export-chart FILE.png|FILE.svg
    TableKind chartTable = TableKind::Hours;  // --table hours|money|frequency
    bool chartBars = false;                   // --bar
    QString lookAheadFile;                    // --export-look-ahead FILE.csv
    int lookAheadAge = kLookAheadDefaultAge;  // --age N
    bool exports() const {
        return !reportFile.isEmpty() || !csvFile.isEmpty() || !chartFile.isEmpty() ||
               !lookAheadFile.isEmpty();
    }
    // The help or version text for standard output, or the error for standard error.
    QString text;
    // 0, or 2 for a command line that could not be understood.
    int exitCode() const { return action == Action::Error ? 2 : 0; }
};

// Reads `arguments` (the program's name first): --help, --version, --settings FILE and
// the exports. An unknown option, a missing or wrong value or a stray argument is an
// Error.
CommandLine parseCommandLine(const QStringList& arguments);

// Whether `argument` may be one of Qt's own options (-platform, -style, ...): a word
// after a single dash. QApplication takes those out before the program reads the rest.
bool mayBeQtOption(const QString& argument);

}  // namespace lt
