#include "core/settings_location.h"

#include <gtest/gtest.h>

namespace {
using lt::SettingsPlaces;

struct LocationCase {
    const char* name;
    SettingsPlaces places;
    const char* expected;
};

class SettingsLocationTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(SettingsLocationTest, PicksTheFile) {
    EXPECT_EQ(lt::settingsFileFor(GetParam().places), QString::fromUtf8(GetParam().expected));
}

// exeFolder, fileBesideExe, exeFolderWritable, xdgConfigHome, home, override, installed
INSTANTIATE_TEST_SUITE_P(
    Rows, SettingsLocationTest,
    ::testing::Values(LocationCase{"WritableBuildFolder",
                                   {"/src/build/default", false, true, "", "/home/ann", ""},
                                   "/src/build/default/lifetally.ini"},
                      LocationCase{"FileAlreadyBesideReadOnlyExe",
                                   {"/opt/lt", true, false, "", "/home/ann", ""},
                                   "/opt/lt/lifetally.ini"},
                      LocationCase{"InstalledNoXdg",
                                   {"/usr/bin", false, false, "", "/home/ann", ""},
                                   "/home/ann/.config/lifetally/lifetally.ini"},
                      LocationCase{"InstalledXdg",
                                   {"/usr/bin", false, false, "/x/cfg", "/home/ann", ""},
                                   "/x/cfg/lifetally/lifetally.ini"},
                      LocationCase{"RelativeXdgIgnored",
                                   {"/usr/bin", false, false, "cfg", "/home/ann", ""},
                                   "/home/ann/.config/lifetally/lifetally.ini"},
                      LocationCase{"OverrideBeatsFileBeside",
                                   {"/opt/lt", true, true, "/x", "/home/ann", "/d/my.ini"},
                                   "/d/my.ini"},
                      LocationCase{"WritableInstallationUsesXdg",
                                   {"/home/ann/.local/bin", false, true, "", "/home/ann", "", true},
                                   "/home/ann/.config/lifetally/lifetally.ini"},
                      LocationCase{"FileAlreadyBesideInstallation",
                                   {"/home/ann/.local/bin", true, true, "", "/home/ann", "", true},
                                   "/home/ann/.local/bin/lifetally.ini"},
                      LocationCase{"OverrideBeatsXdg",
                                   {"/usr/bin", false, false, "/x", "/home/ann", "/d/my.ini"},
                                   "/d/my.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
