#include "core/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "core/credits.h"
#include "core/export_names.h"
#include "core/locale_format.h"
#include "core/table_description.h"

namespace lt {
namespace {
using Kind = ExportRequest::Kind;

// The export options, in the order --help lists them.
struct ExportOption {
    Kind kind;
    const char* name;
    const char* description;
};
constexpr ExportOption kExportOptions[] = {
    {Kind::Report, "export-report",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the report as a PDF to FILE ('-': standard "
                       "output) and quit, showing no window.")},
    {Kind::Csv, "export-csv",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the three tables as CSV to FILE ('-': standard "
                       "output) and quit, showing no window.")},
    {Kind::Chart, "export-chart",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write a table's chart to FILE (.png or .svg, which "
                       "chooses the format; not '-') and quit, showing no "
                       "window.")},
    {Kind::LookAhead, "export-look-ahead",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write what the activities will add up to by an age as "
                       "CSV to FILE ('-': standard output) and quit, showing no "
                       "window.")},
    {Kind::Timeline, "export-timeline",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the activities on a timeline from birth to an age "
                       "to FILE (.png or .svg, which chooses the format; not "
                       "'-') and quit, showing no window.")},
};

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

bool fail(CommandLine& result, const QString& text) {
    result.action = CommandLine::Action::Error;
    result.text = text;
    return false;
}

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// An option named twice, in any of its spellings, is refused: which one would count?
bool refuseRepeats(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                   CommandLine& result) {
    const QStringList found = parser.optionNames();
    for (const QCommandLineOption& o : options) {
        int times = 0;
        for (const QString& name : o.names()) times += int(found.count(name));
        if (times > 1)
            return fail(result, Text::tr("The option '%1' is given more than once.")
                                    .arg(dashed(o.names().constLast())));
    }
    return true;
}

// The exports, in the order given, with the chart's table and form.
bool readExports(const QCommandLineParser& parser, const QCommandLineOption& table,
                 const QCommandLineOption& bar, CommandLine& result) {
    QString chartFile;
    QStringList pictures;  // the files that must be PNG or SVG, with what they hold
    for (const QString& name : parser.optionNames()) {
        for (const ExportOption& e : kExportOptions) {
            if (name != QLatin1String(e.name)) continue;
            const QString file = parser.value(name);
            if (file.isEmpty())
                return fail(result, Text::tr("The file name after '--%1' is empty.").arg(name));
            result.exports.push_back({e.kind, file});
            if (e.kind == Kind::Chart) chartFile = file;
            if (e.kind == Kind::Chart || e.kind == Kind::Timeline)
                pictures << file << QLatin1String(e.name);
        }
    }
    if ((parser.isSet(table) || parser.isSet(bar)) && chartFile.isEmpty())
        return fail(result, Text::tr("'--table' and '--bar' go with '--export-chart'."));
    const QStringList imageSuffixes{QStringLiteral("png"), QStringLiteral("svg")};
    for (qsizetype i = 0; i < pictures.size(); i += 2) {
        const bool chart = pictures[i + 1] == u"export-chart";
        if (pictures[i] == u"-")
            return fail(result,
                        (chart ? Text::tr("'--%1' does not write to standard output ('-'): "
                                          "the chart's format comes from its file name's "
                                          "ending, .png or .svg.")
                               : Text::tr("'--%1' does not write to standard output ('-'): "
                                          "the timeline's format comes from its file name's "
                                          "ending, .png or .svg."))
                            .arg(pictures[i + 1]));
        if (!imageSuffixes.contains(QFileInfo(pictures[i]).suffix(), Qt::CaseInsensitive))
            return fail(result, fileNameEndingRefusal(
                                    chart ? NamedFile::Chart : NamedFile::Timeline, imageSuffixes));
    }
    if (parser.isSet(table)) {
        const QString kind = parser.value(table);
        bool known = false;
        for (const TableDescription& desc : tableDescriptions()) {
            if (kind != QLatin1String(desc.word)) continue;
            result.chartTable = desc.kind;
            known = true;
        }
        if (!known)
            return fail(result,
                        Text::tr("Unknown table '%1': hours, money or frequency.").arg(kind));
    }
    result.chartBars = parser.isSet(bar);
    return true;
}

// --age N into `result`; it goes with --export-look-ahead and --export-timeline.
bool readLookAheadAge(const QCommandLineParser& parser, const QCommandLineOption& age,
                      CommandLine& result) {
    if (!parser.isSet(age)) return true;
    const bool ahead = std::any_of(result.exports.begin(), result.exports.end(), [](const auto& e) {
        return e.kind == Kind::LookAhead || e.kind == Kind::Timeline;
    });
    if (!ahead)
        return fail(result,
                    Text::tr("'--age' goes with '--export-look-ahead' or '--export-timeline'."));
    bool ok = false;
    result.lookAheadAge = parser.value(age).toInt(&ok);
    if (!ok || result.lookAheadAge < 1 || result.lookAheadAge > kLookAheadOldestAge)
        return fail(result,
                    Text::tr("The age after '--age' must be a whole number from %1 to %2.")
                        .arg(loc::formatNumber(1, 0), loc::formatNumber(kLookAheadOldestAge, 0)));
    return true;
}
}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("How much of your life has gone into each of your activities."));
    // Not addHelpOption(): its --help-all would list Qt's options, which are read elsewhere.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Text::tr("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    //: The value of --settings and the exports in --help; their texts call it so too.
    const QString file = Text::tr("FILE");
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        Text::tr("Keep the data in FILE instead of the usual lifetally.ini."), file);
    parser.addOption(settings);
    QList<QCommandLineOption> exports;
    for (const ExportOption& e : kExportOptions) {
        exports.append(QCommandLineOption(QLatin1String(e.name), Text::tr(e.description), file));
        parser.addOption(exports.constLast());
    }
    const QCommandLineOption table(
        QStringLiteral("table"),
        Text::tr("The table --export-chart draws: hours (the default), money or frequency."),
        //: The value of --table in --help; the values themselves stay English.
        Text::tr("TABLE"));
    const QCommandLineOption bar(QStringLiteral("bar"),
                                 Text::tr("Draw --export-chart as bars, not as a pie."));
    const QCommandLineOption age(
        QStringLiteral("age"),
        Text::tr("The age --export-look-ahead looks ahead to and --export-timeline runs to (%1 "
                 "unless given).")
            .arg(loc::formatNumber(kLookAheadDefaultAge, 0)),
        //: The value of --age in --help: a number.
        Text::tr("N"));
    parser.addOption(table);
    parser.addOption(bar);
    parser.addOption(age);

    CommandLine result;
    if (!parser.parse(arguments)) {
        fail(result, parser.errorText());
        return result;
    }
    if (!refuseRepeats(parser, QList{help, version, settings, table, bar, age} + exports, result))
        return result;
    if (!parser.positionalArguments().isEmpty()) {
        fail(result,
             Text::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    } else if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        // The usage line names the program, whatever it was started as.
        QString text = parser.helpText();
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
        result.text =
            Text::tr("Usage: lifetally [options]") + u'\n' + text + u'\n' +
            Text::tr("More in the manual page (man lifetally) and at %1").arg(makerWebAddress()) +
            u'\n';
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        result.text = QStringLiteral("Lifetally %1\n").arg(programVersion());
    } else if (parser.isSet(settings) && parser.value(settings).isEmpty()) {
        fail(result, Text::tr("The settings file name is empty."));
    } else {
        result.settingsFile = parser.value(settings);
        readExports(parser, table, bar, result) && readLookAheadAge(parser, age, result);
    }
    return result;
}

CommandLine refuseUndecodable(const QList<QByteArray>& arguments) {
    CommandLine result;
    for (const QByteArray& a : arguments) {
        const QString text = QFile::decodeName(a);
        if (QFile::encodeName(text) != a) {
            fail(result, Text::tr("'%1' is not valid UTF-8, so Lifetally could not name that file "
                                  "exactly; rename it.")
                             .arg(text));
            break;
        }
    }
    return result;
}

QString commandLineErrorText(const CommandLine& line) {
    return QStringLiteral("lifetally: %1\n%2\n")
        .arg(line.text, Text::tr("Try 'lifetally --help' for more information."));
}

bool mayBeQtOption(const QString& argument) {
    return argument.size() > 2 && argument[0] == QLatin1Char('-') &&
           argument[1] != QLatin1Char('-');
}

bool canShowWindows(const std::function<QString(const char*)>& env, const QStringList& arguments) {
    if (!env("QT_QPA_PLATFORM").isEmpty() || arguments.contains(QStringLiteral("-platform")))
        return true;
    return !env("DISPLAY").isEmpty() || !env("WAYLAND_DISPLAY").isEmpty();
}

QString noDisplayText() {
    return QStringLiteral("lifetally: %1\n")
        .arg(Text::tr("the window needs a graphical session, and none was found (no DISPLAY or "
                      "WAYLAND_DISPLAY); the --export-* options work without one."));
}

}  // namespace lt
