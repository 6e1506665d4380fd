// Start-up folders and the remembered resolution, in-process and in the real program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/user_files.h"
#include "core/options.h"
#include "core/paths.h"
#include "core/settings.h"
#include "game_runner.h"

namespace {

namespace fs = std::filesystem;

bool Parse(std::vector<std::string> args, Options& out) {
    args.insert(args.begin(), "stroylik");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::string error;
    return ParseOptions(static_cast<int>(argv.size()), argv.data(), out, error);
}

TEST(UserFiles, FolderOptionsAreRead) {
    Options o;
    ASSERT_TRUE(Parse({"--data", "/d", "--user-dir", "u"}, o));
    EXPECT_EQ(o.dataDir, "/d");
    EXPECT_EQ(o.userDir, "u");
    EXPECT_FALSE(o.resolutionGiven);
    EXPECT_FALSE(Parse({"--user-dir"}, o));
    ASSERT_TRUE(Parse({"--resolution", "1024x768"}, o));
    EXPECT_TRUE(o.resolutionGiven);
}

TEST(UserFiles, DialogShowsTheRememberedResolutionAndKeepsTheNewOne) {
    char pattern[] = "/tmp/stroylik_remember_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    SetSettingsFilePath(dir + "/settings.ini");
    const Settings saved = g_settings;
    g_settings = Settings();
    Options o;
    std::string message;

    EXPECT_EQ(PreselectedResolution(o), 0) << "nothing chosen yet: the first size";
    EXPECT_TRUE(RememberResolution(o, 2, message)) << message;
    Settings back;
    EXPECT_TRUE(LoadSettings(dir + "/settings.ini", back, message));
    EXPECT_EQ(back.resolutionIndex, 2);
    EXPECT_EQ(PreselectedResolution(o), 2);

    ASSERT_TRUE(Parse({"--resolution", "1024x768"}, o));
    EXPECT_EQ(PreselectedResolution(o), 1) << "the command line wins for this run";
    EXPECT_TRUE(RememberResolution(o, 1, message));
    EXPECT_TRUE(LoadSettings(dir + "/settings.ini", back, message));
    EXPECT_EQ(back.resolutionIndex, 2) << "a one-off --resolution is not remembered";

    g_settings = saved;
    SetSettingsFilePath("");
    fs::remove_all(dir);
}

TEST(UserFiles, ProgramStartsWithTheRememberedResolutionAndReportsABadFile) {
    GameRunner runner;
    std::ofstream(runner.Path("settings.ini")) << "resolution = 1024x768\n";
    GameRun run = runner.Run("frames 2\nexpect g_resolutionIndex 1\nexpect g_screenWidth 1024\n");
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;

    std::ofstream(runner.Path("settings.ini")) << "resolution = huge\n";
    run = runner.Run("frames 2\nexpect g_resolutionIndex 0\n");
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_NE(run.stdErr.find(runner.Path("settings.ini")), std::string::npos) << run.stdErr;
    EXPECT_NE(runner.ReadFile("settings.ini").find("resolution = 800x600"), std::string::npos)
        << "the size played is remembered in place of the bad value";
}

TEST(UserFiles, MissingDataStopsWithAMessageNamingTheFolder) {
    GameRunner runner;
    const GameRun run = runner.Run("frames 1\n", {"--data", runner.Path("nothing-here")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.stdErr.find("Surfaces.ini"), std::string::npos) << run.stdErr;
    EXPECT_NE(run.stdErr.find("nothing-here"), std::string::npos) << run.stdErr;
}

}  // namespace
