#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/look_ahead.h"
#include "core/table_shape.h"

namespace lt {

// One file the command line asks for, instead of the window.
struct ExportRequest {
    enum class Kind { Report, Csv, Chart, LookAhead, Timeline };
    Kind kind;
    QString file;
    bool operator==(const ExportRequest&) const = default;
};

// What the command line asks for.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString settingsFile;  // --settings FILE as given; empty when not given
    // The files to write, in the order given; empty for the window.
    std::vector<ExportRequest> exports;
    TableKind chartTable = TableKind::Hours;  // --table hours|money|frequency
    bool chartBars = false;                   // --bar
    int lookAheadAge = kLookAheadDefaultAge;  // --age N, of the look ahead and the timeline
    // The help or version text for standard output, or the error for standard error.
    QString text;
    // 0, or 2 for a command line that could not be understood.
    int exitCode() const { return action == Action::Error ? 2 : 0; }
};

// Reads `arguments` (the program's name first): --help, --version, --settings FILE and
// the exports. An unknown option, an option given twice, a missing or wrong value or a
// stray argument is an Error.
CommandLine parseCommandLine(const QStringList& arguments);

// An Error for the first of `arguments` (the program's bytes, as it was started) that is
// not valid UTF-8: a file name given so could only be written as another name. Run when
// every argument is text.
CommandLine refuseUndecodable(const QList<QByteArray>& arguments);

// What goes to standard error for a command line that could not be understood: the
// error, then where to learn more.
QString commandLineErrorText(const CommandLine& line);

// Whether `argument` may be one of Qt's own options (-platform, -style, ...): a word
// after a single dash. QApplication takes those out before the program reads the rest.
bool mayBeQtOption(const QString& argument);

// Whether a window can be shown: a platform is chosen (QT_QPA_PLATFORM or -platform in
// `arguments`), or a display is there for the default one (DISPLAY, WAYLAND_DISPLAY).
// `env` gives an environment variable's value, empty when it is not set.
bool canShowWindows(const std::function<QString(const char*)>& env, const QStringList& arguments);
// The one line said instead of opening the window when none can be shown.
QString noDisplayText();

}  // namespace lt
