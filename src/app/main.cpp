#include <QApplication>
#include <algorithm>
#include <csignal>
#include <cstdio>

#include "app/command_exports.h"
#include "app/main_window.h"
#include "core/command_line.h"
#include "core/language.h"
#include "core/locale_format.h"
#include "core/settings_location.h"
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
        std::fputs(qPrintable(lt::commandLineErrorText(line)), stderr);
    } else {
        std::fputs(qPrintable(line.text), stdout);
    }
    return line.exitCode();
}

// What is answered before a display is opened still speaks the user's language: an
// application object of its own holds the translations meanwhile.
template <typename Answer>
int inLanguage(int argc, char** argv, Answer answerIt) {
    QCoreApplication app(argc, argv);
    lt::installSystemTranslations();
    return answerIt();
}

// An export that went well says nothing, not even Qt's notes about the session it runs
// in (no XDG_RUNTIME_DIR under cron or ssh); real failures still get through.
QtMessageHandler qtHandler = nullptr;
void quietNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that goes away (lifetally --export-csv - | head) fails that export with
    // "Broken pipe"; the other exports are still written.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("Lifetally"));
    QList<QByteArray> bytes;
    for (int i = 0; i < argc; ++i) bytes << QByteArray(argv[i]);
    if (lt::refuseUndecodable(bytes).action == lt::CommandLine::Action::Error)
        return inLanguage(argc, argv, [&] { return answer(lt::refuseUndecodable(bytes)); });
    // Help, version and errors are answered before a display is opened, so they work
    // without one; a command line that may hold Qt's own options is read again once
    // QApplication has taken those out.
    const QStringList raw = rawArguments(argc, argv);
    const lt::CommandLine early = lt::parseCommandLine(raw);
    const bool qtOptions = std::any_of(raw.begin() + 1, raw.end(), lt::mayBeQtOption);
    if (early.action != lt::CommandLine::Action::Run &&
        !(early.action == lt::CommandLine::Action::Error && qtOptions))
        return inLanguage(argc, argv, [&] { return answer(lt::parseCommandLine(raw)); });

    // Exports show no window, so they need no display either; without a display and
    // without exports, one line says so instead of Qt's abort.
    const bool exporting = early.action == lt::CommandLine::Action::Run && !early.exports.empty();
    if (exporting) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(quietNotes);
    } else if (!lt::canShowWindows([](const char* name) { return qEnvironmentVariable(name); },
                                   raw)) {
        return inLanguage(argc, argv, [] {
            std::fputs(qPrintable(lt::noDisplayText()), stderr);
            return 1;
        });
    }

    QApplication app(argc, argv);
    lt::installSystemTranslations();
    // Ties the windows to the menu entry (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tallyhouse.Lifetally"));
    const lt::CommandLine line = lt::parseCommandLine(QCoreApplication::arguments());
    if (line.action != lt::CommandLine::Action::Run) return answer(line);

    lt::loc::initProgramLocale();
    if (!line.exports.empty()) {
        QStringList messages;
        const int code = lt::runExports(line, lt::locateSettingsFile(line.settingsFile), messages);
        for (const QString& m : messages) std::fprintf(stderr, "lifetally: %s\n", qPrintable(m));
        return code;
    }
    lt::TfrmMain window(lt::locateSettingsFile(line.settingsFile));
    window.show();
    // The icon's pictures are decoded once the window is on its way: the first page does
    // not need them, and the window manager takes an icon at any time.
    QMetaObject::invokeMethod(
        &app,
        [] {
            QGuiApplication::sync();
            QApplication::setWindowIcon(lt::programIcon());
        },
        Qt::QueuedConnection);
    return QApplication::exec();
}
