#include <QApplication>
#include <algorithm>
#include <cstdio>

#include "app/main_window.h"
#include "core/command_line.h"
#include "core/locale_format.h"
#include "core/settings_location.h"
#include "ui/command_exports.h"
#include "ui/resources.h"

namespace {

QStringList rawArguments(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// Prints the help, the version or the error; the program then ends with exitCode().
int answer(const lt::CommandLine& line) {
    if (line.action == lt::CommandLine::Action::Error) {
        std::fprintf(stderr, "lifetally: %s\n", qPrintable(line.text));
    } else {
        std::fputs(qPrintable(line.text), stdout);
    }
    return line.exitCode();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Lifetally"));
    // Help, version and errors are answered before a display is opened, so they work
    // without one; a command line that may hold Qt's own options is read again once
    // QApplication has taken those out.
    const QStringList raw = rawArguments(argc, argv);
    const lt::CommandLine early = lt::parseCommandLine(raw);
    const bool qtOptions = std::any_of(raw.begin() + 1, raw.end(), lt::mayBeQtOption);
    if (early.action != lt::CommandLine::Action::Run &&
        !(early.action == lt::CommandLine::Action::Error && qtOptions))
        return answer(early);

    // Exports show no window, so they need no display either.
    if (early.action == lt::CommandLine::Action::Run && early.exports() &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    // Ties the windows to the menu entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tallyhouse.Lifetally"));
    const lt::CommandLine line = lt::parseCommandLine(QCoreApplication::arguments());
    if (line.action != lt::CommandLine::Action::Run) return answer(line);

    QApplication::setWindowIcon(lt::programIcon());
    lt::loc::initProgramLocale();
    if (line.exports()) {
        QStringList messages;
        const int code = lt::runExports(line, lt::locateSettingsFile(line.settingsFile), messages);
        for (const QString& m : messages) std::fprintf(stderr, "lifetally: %s\n", qPrintable(m));
        return code;
    }
    lt::TfrmMain window(lt::locateSettingsFile(line.settingsFile));
    window.show();
    return QApplication::exec();
}
