#include "core/command_line.h"

#include <QCommandLineParser>
#include <array>

#include "core/credits.h"

namespace lt {
namespace {
bool fail(CommandLine& result, const QString& text) {
    result.action = CommandLine::Action::Error;
    result.text = text;
    return false;
}

// The export options (report, csv, chart, table, bar) into `result`.
bool readExports(const QCommandLineParser& parser, const std::array<QCommandLineOption, 5>& o,
                 CommandLine& result) {
    const auto& [report, csv, chart, table, bar] = o;
    for (const QCommandLineOption& file : {report, csv, chart})
        if (parser.isSet(file) && parser.value(file).isEmpty())
            return fail(result, QStringLiteral("The file name after '--%1' is empty.")
                                    .arg(file.names().constFirst()));
    result.reportFile = parser.value(report);
    result.csvFile = parser.value(csv);
    result.chartFile = parser.value(chart);
    if ((parser.isSet(table) || parser.isSet(bar)) && result.chartFile.isEmpty())
        return fail(result, QStringLiteral("'--table' and '--bar' go with '--export-chart'."));
    const QString suffix = result.chartFile.section(u'.', -1).toLower();
    if (!result.chartFile.isEmpty() && suffix != u"png" && suffix != u"svg")
        return fail(result, QStringLiteral("The chart file name must end in .png or .svg."));
    const QString kind = parser.value(table);
    if (!parser.isSet(table) || kind == u"hours")
        result.chartTable = TableKind::Hours;
    else if (kind == u"money")
        result.chartTable = TableKind::Money;
    else if (kind == u"frequency")
        result.chartTable = TableKind::Freq;
    else
        return fail(result,
                    QStringLiteral("Unknown table '%1': hours, money or frequency.").arg(kind));
    result.chartBars = parser.isSet(bar);
    return true;
}

// --export-look-ahead FILE and --age N into `result`.
bool readLookAhead(const QCommandLineParser& parser, const QCommandLineOption& file,
                   const QCommandLineOption& age, CommandLine& result) {
    if (parser.isSet(file) && parser.value(file).isEmpty())
        return fail(result, QStringLiteral("The file name after '--export-look-ahead' is empty."));
    result.lookAheadFile = parser.value(file);
    if (!parser.isSet(age)) return true;
    if (result.lookAheadFile.isEmpty())
        return fail(result, QStringLiteral("'--age' goes with '--export-look-ahead'."));
    bool ok = false;
    result.lookAheadAge = parser.value(age).toInt(&ok);
    if (!ok || result.lookAheadAge < 1 || result.lookAheadAge > kLookAheadOldestAge)
        return fail(result, QStringLiteral("The age after '--age' must be a whole number from 1 "
                                           "to %1.")
                                .arg(kLookAheadOldestAge));
    return true;
}
}  // namespace

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
    const QCommandLineOption report(
        QStringLiteral("export-report"),
        QStringLiteral("Write the report as a PDF to FILE and quit, showing no window."),
        QStringLiteral("FILE"));
    const QCommandLineOption csv(
        QStringLiteral("export-csv"),
        QStringLiteral("Write the three tables as CSV to FILE and quit, showing no window."),
        QStringLiteral("FILE"));
    const QCommandLineOption chart(
        QStringLiteral("export-chart"),
        QStringLiteral("Write a table's chart to FILE (.png or .svg) and quit, showing no "
                       "window."),
        QStringLiteral("FILE"));
    const QCommandLineOption table(
        QStringLiteral("table"),
        QStringLiteral("The table --export-chart draws: hours (the default), money or "
                       "frequency."),
        QStringLiteral("TABLE"));
    const QCommandLineOption bar(QStringLiteral("bar"),
                                 QStringLiteral("Draw --export-chart as bars, not as a pie."));
    for (const QCommandLineOption& o : {report, csv, chart, table, bar}) parser.addOption(o);
    const QCommandLineOption lookAhead(
        QStringLiteral("export-look-ahead"),
        QStringLiteral("Write what the activities will add up to by an age as CSV to FILE and "
                       "quit, showing no window."),
        QStringLiteral("FILE"));
    const QCommandLineOption age(
        QStringLiteral("age"),
        QStringLiteral("The age --export-look-ahead looks ahead to (80 unless given)."),
        QStringLiteral("N"));
    parser.addOption(lookAhead);
    parser.addOption(age);

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
        readExports(parser, {report, csv, chart, table, bar}, result) &&
            readLookAhead(parser, lookAhead, age, result);
    }
    return result;
}

bool mayBeQtOption(const QString& argument) {
    return argument.size() > 2 && argument[0] == QLatin1Char('-') &&
           argument[1] != QLatin1Char('-');
}

}  // namespace lt
