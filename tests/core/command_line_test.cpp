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
        // clang-format off
        ArgsCase{"ExportMissingValue", {"--export-csv"}, Action::Error, "", "Missing value after '--export-csv'."},
        ArgsCase{"ExportEmptyValue", {"--export-report", ""}, Action::Error, "", "The file name after '--export-report' is empty."},
        ArgsCase{"TableWithoutChart", {"--table", "money"}, Action::Error, "", "'--table' and '--bar' go with '--export-chart'."},
        ArgsCase{"BarWithoutChart", {"--bar", "--export-csv", "t.csv"}, Action::Error, "", "'--table' and '--bar' go with '--export-chart'."},
        ArgsCase{"UnknownTable", {"--export-chart", "c.png", "--table", "cash"}, Action::Error, "", "Unknown table 'cash': hours, money or frequency."},
        ArgsCase{"ChartFormat", {"--export-chart", "c.gif"}, Action::Error, "", "The chart file name must end in .png or .svg."}),
    // clang-format on
    [](const auto& info) { return std::string(info.param.name); });

struct ExportCase {
    const char* name;
    QStringList args;
    const char* files;  // report|csv|chart table bars
};

class CommandLineExports : public ::testing::TestWithParam<ExportCase> {};

TEST_P(CommandLineExports, Reads) {
    const lt::CommandLine l =
        lt::parseCommandLine(QStringList{QStringLiteral("lifetally")} + GetParam().args);
    EXPECT_TRUE(l.action == Action::Run && l.exports()) << l.text.toStdString();
    EXPECT_EQ(QStringLiteral("%1|%2|%3 %4 %5")
                  .arg(l.reportFile, l.csvFile, l.chartFile)
                  .arg(int(l.chartTable))
                  .arg(l.chartBars),
              QString::fromUtf8(GetParam().files));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CommandLineExports, ::testing::Values(
    ExportCase{"Report", {"--export-report", "r.pdf"}, "r.pdf|| 0 0"},
    ExportCase{"Csv", {"--export-csv=t.csv"}, "|t.csv| 0 0"},
    ExportCase{"ChartDefault", {"--export-chart", "c.png"}, "||c.png 0 0"},
    ExportCase{"MoneyBars", {"--export-chart", "c.SVG", "--table", "money", "--bar"}, "||c.SVG 1 1"},
    ExportCase{"AllThree", {"--export-report", "r.pdf", "--export-csv", "t.csv", "--export-chart", "c.svg", "--table", "frequency", "--settings", "s.ini"}, "r.pdf|t.csv|c.svg 2 0"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
