#include "core/command_line.h"

#include <gtest/gtest.h>

namespace {
using Action = lt::CommandLine::Action;

struct ArgsCase {
    const char* name;
    QStringList args;  // after the program's name
    Action action;
    const char* settings;
    const char* textStart;  // the start of the text printed
};

class CommandLineTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(CommandLineTest, Reads) {
    const ArgsCase& c = GetParam();
    const lt::CommandLine line =
        lt::parseCommandLine(QStringList{QStringLiteral("lifetally")} + c.args);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.exitCode(), c.action == Action::Error ? 2 : 0);
    EXPECT_EQ(line.settingsFile, QString::fromUtf8(c.settings));
    const QString start = QString::fromUtf8(c.textStart);
    // No text at all when none is expected.
    EXPECT_EQ(start.isEmpty() ? line.text : line.text.left(start.size()), start);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineTest,
    ::testing::Values(
        ArgsCase{"Nothing", {}, Action::Run, "", ""},
        ArgsCase{"Settings", {"--settings", "/d/a.ini"}, Action::Run, "/d/a.ini", ""},
        ArgsCase{"SettingsJoined", {"--settings=a.ini"}, Action::Run, "a.ini", ""},
        ArgsCase{"Version", {"--version"}, Action::Version, "", "Lifetally 1.1\n"},
        ArgsCase{"Help", {"--help"}, Action::Help, "", "Usage: lifetally [options]\nHow much"},
        ArgsCase{"Unknown", {"--frobnicate"}, Action::Error, "", "Unknown option 'frobnicate'."},
        ArgsCase{
            "MissingValue", {"--settings"}, Action::Error, "", "Missing value after '--settings'."},
        ArgsCase{"EmptyValue",
                 {"--settings", ""},
                 Action::Error,
                 "",
                 "The settings file name is empty."},
        ArgsCase{"StrayArgument", {"a.ini"}, Action::Error, "", "Unexpected argument 'a.ini'."},
        ArgsCase{"ExportMissingValue",
                 {"--export-csv"},
                 Action::Error,
                 "",
                 "Missing value after '--export-csv'."},
        ArgsCase{"ExportEmptyValue",
                 {"--export-report", ""},
                 Action::Error,
                 "",
                 "The file name after '--export-report' is empty."},
        ArgsCase{"TableWithoutChart",
                 {"--table", "money"},
                 Action::Error,
                 "",
                 "'--table' and '--bar' go with '--export-chart'."},
        ArgsCase{"UnknownTable",
                 {"--export-chart", "c.png", "--table", "cash"},
                 Action::Error,
                 "",
                 "Unknown table 'cash': hours, money or frequency."},
        ArgsCase{"ChartFormat",
                 {"--export-chart", "c.gif"},
                 Action::Error,
                 "",
                 "The chart file name must end in .png or .svg."}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExportCase {
    const char* name;
    QStringList args;
    const char *report, *csv, *chart;
    lt::TableKind table;
    bool bar;
};

class CommandLineExports : public ::testing::TestWithParam<ExportCase> {};

TEST_P(CommandLineExports, Reads) {
    const ExportCase& c = GetParam();
    const lt::CommandLine line =
        lt::parseCommandLine(QStringList{QStringLiteral("lifetally")} + c.args);
    ASSERT_EQ(line.action, Action::Run) << line.text.toStdString();
    EXPECT_TRUE(line.exports());
    EXPECT_EQ(line.reportFile, QString::fromUtf8(c.report));
    EXPECT_EQ(line.csvFile, QString::fromUtf8(c.csv));
    EXPECT_EQ(line.chartFile, QString::fromUtf8(c.chart));
    EXPECT_EQ(line.chartTable, c.table);
    EXPECT_EQ(line.chartBars, c.bar);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineExports,
    ::testing::Values(
        ExportCase{
            "Report", {"--export-report", "r.pdf"}, "r.pdf", "", "", lt::TableKind::Hours, false},
        ExportCase{"Csv", {"--export-csv=t.csv"}, "", "t.csv", "", lt::TableKind::Hours, false},
        ExportCase{"ChartDefault",
                   {"--export-chart", "c.png"},
                   "",
                   "",
                   "c.png",
                   lt::TableKind::Hours,
                   false},
        ExportCase{"MoneyBars",
                   {"--export-chart", "c.SVG", "--table", "money", "--bar"},
                   "",
                   "",
                   "c.SVG",
                   lt::TableKind::Money,
                   true},
        ExportCase{"AllThree",
                   {"--export-report", "r.pdf", "--export-csv", "t.csv", "--export-chart", "c.svg",
                    "--table", "frequency", "--settings", "s.ini"},
                   "r.pdf",
                   "t.csv",
                   "c.svg",
                   lt::TableKind::Freq,
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineHelp, NamesEveryOption) {
    const lt::CommandLine line =
        lt::parseCommandLine({QStringLiteral("lifetally"), QStringLiteral("-h")});
    for (const char* option :
         {"--help", "--version", "--settings <FILE>", "--export-report <FILE>",
          "--export-csv <FILE>", "--export-chart <FILE>", "--table <TABLE>", "--bar"})
        EXPECT_TRUE(line.text.contains(QLatin1String(option))) << option;
}

TEST(CommandLineQtOptions, AreSingleDashWords) {
    EXPECT_TRUE(lt::mayBeQtOption(QStringLiteral("-platform")));
    EXPECT_FALSE(lt::mayBeQtOption(QStringLiteral("--settings")));
    EXPECT_FALSE(lt::mayBeQtOption(QStringLiteral("-h")));
    EXPECT_FALSE(lt::mayBeQtOption(QStringLiteral("offscreen")));
}

}  // namespace
