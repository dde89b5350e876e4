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
        ArgsCase{"StrayArgument", {"a.ini"}, Action::Error, "", "Unexpected argument 'a.ini'."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineHelp, NamesTheSettingsOption) {
    const lt::CommandLine line =
        lt::parseCommandLine({QStringLiteral("lifetally"), QStringLiteral("-h")});
    EXPECT_TRUE(line.text.contains(QStringLiteral("--settings <FILE>"))) << line.text.toStdString();
}

TEST(CommandLineQtOptions, AreSingleDashWords) {
    EXPECT_TRUE(lt::mayBeQtOption(QStringLiteral("-platform")));
    EXPECT_FALSE(lt::mayBeQtOption(QStringLiteral("--settings")));
    EXPECT_FALSE(lt::mayBeQtOption(QStringLiteral("-h")));
    EXPECT_FALSE(lt::mayBeQtOption(QStringLiteral("offscreen")));
}

}  // namespace
