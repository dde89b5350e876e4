#include "core/command_line.h"

#include <QCommandLineParser>

#include "core/credits.h"

namespace lt {

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("How much of your life has gone into each of your activities."));
    // Not addHelpOption(): its --help-all would list Qt's options, which are read elsewhere.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Keep the data in FILE instead of the usual lifetally.ini."),
        QStringLiteral("FILE"));
    parser.addOption(settings);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.text = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.text = QStringLiteral("Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        // The usage line names the program, whatever it was started as.
        QString text = parser.helpText();
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
        result.text = QStringLiteral("Usage: lifetally [options]\n") + text;
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.text = QStringLiteral("Lifetally %1\n").arg(programVersion());
    } else if (parser.isSet(settings) && parser.value(settings).isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.text = QStringLiteral("The settings file name is empty.");
    } else {
        result.settingsFile = parser.value(settings);
    }
    return result;
}

bool mayBeQtOption(const QString& argument) {
    return argument.size() > 2 && argument[0] == QLatin1Char('-') &&
           argument[1] != QLatin1Char('-');
}

}  // namespace lt
