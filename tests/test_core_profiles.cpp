// Children's profiles in the real program and in core: each child's own progress across
// restarts, the chooser and the menu's picture, removal that keeps the other's files, the
// move of the progress from before profiles (also cut off half way), a damaged list.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "box1_script_lines.h"
#include "core/child_settings.h"
#include "core/paths.h"
#include "core/profile_move.h"
#include "core/profiles.h"
#include "game_runner.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Every file under `folder`, by its name relative to it, with its bytes.
std::map<std::string, std::string> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadAll(entry.path());
    return files;
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// In-process profiles on a scratch user folder, put back to none afterwards.
class ProfilesInCore : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/stroylik_profiles_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        SetUserDir(dir_);
    }
    void TearDown() override {
        EndProfiles();
        SetUserDir("");
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    fs::path dir_;
};

// The menu after the intro, box 1's start screen, and its overview.
const char* kIntoBox1Start = "frames 3\nclick\nframes 2\nmove 380 320\nclick\nframes 2\nexpect g_screenState 3\n";

TEST(ProfilesInGame, EachChildKeepsItsOwnSolvedLevelsAcrossRestartsAndChoosesByItsTile) {
    GameRunner runner;
    const std::string level1 = LevelBuildLines(runner, 1);
    // Child 1 solves level 1 of box 1 and goes on to level 2.
    GameRun run = runner.Run("frames 3\nclick\nmove 380 320\nclick\nmove 500 220\nclick\nexpect g_currentLevel 1\n"
                             "frames 40\n" + level1 + "expect g_levelDone 1\nframes 20\nclick\nframes 2\n"
                             "expect g_maxCompletedLevel 1\nmove 1250 20\nclick\n",
                             {"--fixed-step", "20", "--profile", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    // Child 2 is made by --profile with the first free picture, and has solved nothing; its
    // own hint delay of one second, not the settings file's thirty, brings the hint.
    WriteAll(runner.Path("profiles/2/child.ini"), "hint_after_seconds = 1\n");
    run = runner.Run(std::string(kIntoBox1Start) + "expect g_saveExists 0\nexpect levelOverviewStates 1" +
                         std::string(59, '0') + "\ndump second.json\nmove 500 220\nclick\nframes 40\nexpect hint.step 0\n"
                         "frames 30\nexpect hint.step 1\n",
                     {"--fixed-step", "20", "--profile", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_NE(runner.ReadFile("second.json").find(R"("profiles": [{"id":1,"picture":1,"name":""},{"id":2,"picture":2,"name":""}])"),
              std::string::npos);
    EXPECT_FALSE(runner.Exists("profiles/2/k1.dat"));

    // Two children: "Who is playing?" follows the intro; the first tile is child 1, whose level
    // 1 is still solved; the menu's picture leads back to the chooser, and "+" adds child 3.
    run = runner.Run("frames 3\nclick\nframes 2\nexpect g_screenState 5\nmove 392 380\nframes 2\n"
                     "screenshot chooser.png\nexpect g_hotButton 15\nclick\nframes 2\nexpect g_screenState 0\n"
                     "expect currentProfile 1\nmove 180 618\nframes 2\nscreenshot menu.png\nexpect g_hotButton 16\n"
                     "click\nframes 2\nexpect g_screenState 5\nmove 888 380\nclick\nframes 2\n"
                     "expect g_screenState 5\nmove 764 380\nclick\nframes 2\nexpect currentProfile 3\n"
                     "move 380 320\nclick\nframes 2\nexpect levelOverviewStates 1" + std::string(59, '0') + "\n"
                     "move 1250 20\nclick\nmove 180 618\nclick\nframes 2\nmove 268 380\nclick\nframes 2\n"
                     "move 380 320\nclick\nframes 2\nexpect currentProfile 1\nexpect levelOverviewStates 21" +
                     std::string(58, '0') + "\n",
                     {"--fixed-step", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_EQ(runner.ReadFile("profiles/1/k1.dat"), "2\r\n1\r\n");
    EXPECT_TRUE(runner.Exists("chooser.png"));
    EXPECT_TRUE(runner.Exists("menu.png"));
}

TEST_F(ProfilesInCore, RemovingAChildMovesItsFolderAsideAndLeavesTheOthersByteForByte) {
    WriteAll(dir_ / "profiles.txt", "current 1\nprofile 1 5 Маша\nprofile 2 9 Петя\n");
    WriteAll(dir_ / "profiles/1/k1.dat", "3\r\n2\r\n");
    WriteAll(dir_ / "profiles/2/k2.dat", "7\r\n6\r\n");
    WriteAll(dir_ / "profiles/2/save/k2/sk_7.dat", std::string("board\0bytes\r\n", 13));
    ASSERT_EQ(StartProfiles(0), "");
    ASSERT_TRUE(TakeChooserPending()) << "two children: the chooser is wanted";
    const auto second = FilesUnder(dir_ / "profiles/2");

    std::string message;
    ASSERT_TRUE(RemoveProfile(1, message)) << message;
    EXPECT_EQ(CurrentProfile()->id, 2) << "the remaining child plays on";
    EXPECT_EQ(UserPath("k2.dat"), (dir_ / "profiles/2/k2.dat").string());
    EXPECT_FALSE(fs::exists(dir_ / "profiles/1"));
    int aside = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / kRemovedProfilesFolder)) {
        EXPECT_EQ(entry.path().filename().string().rfind("1-", 0), 0u) << entry.path();
        EXPECT_EQ(ReadAll(entry.path() / "k1.dat"), "3\r\n2\r\n");
        ++aside;
    }
    EXPECT_EQ(aside, 1);
    EXPECT_EQ(FilesUnder(dir_ / "profiles/2"), second);
    EXPECT_FALSE(RemoveProfile(2, message)) << "the last child stays";

    // After a restart the list is the one left.
    ASSERT_EQ(StartProfiles(0), "");
    ASSERT_EQ(g_profiles.profiles.size(), 1u);
    EXPECT_EQ(g_profiles.profiles[0].name, "Петя");
    EXPECT_FALSE(TakeChooserPending()) << "one child: never the chooser";
}

// A start cut off between two files (the forked start ends there) and the next start of the
// real program: every old file arrives byte for byte and Continue opens the level left on.
TEST(ProfilesInGame, OldProgressMovesIntoTheFirstProfileAlsoWhenCutOffHalfWay) {
    GameRunner runner;
    const fs::path dir = runner.dir();
    // Progress as the game before profiles left it: boards, positions, a kept-aside position
    // and an export, all in the user folder itself.
    const std::string board = ReadAll(runner.Path("levels/k1/level3.ini"));
    WriteAll(dir / "save/k1/sk_1.dat", "solved board one");
    WriteAll(dir / "save/k2/sk_2.dat", "box two board");
    WriteAll(dir / "k1.dat", "3\r\n2\r\n");
    WriteAll(dir / "k2.dat", "2\r\n1\r\n");
    WriteAll(dir / "k1.dat.broken-20250101-101010", "junk");
    WriteAll(dir / "levels/k1/Help_Save.ini", board);
    WriteAll(dir / "put-aside/k1-20250101-101010-01/k1.dat", "1\r\n1\r\n");
    std::map<std::string, std::string> old;
    for (const std::string& name : OldProgressFiles(dir.string())) old[name] = ReadAll(dir / name);
    ASSERT_EQ(old.size(), 7u);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SetMoveStepHook([](int moved) {
            if (moved == 3) _exit(0);
        });
        MoveOldProgress(dir.string());
        _exit(1);   // the hook should have ended it first
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(fs::exists(dir / kMoveMarkerFile)) << "the cut-off move is marked";
    EXPECT_EQ(OldProgressFiles(dir.string()).size(), 4u);
    EXPECT_FALSE(fs::exists(dir / "profiles.txt"));

    // Level 3 has no board yet, so Continue loads it fresh, without complaint.
    const GameRun run = runner.Run(std::string(kIntoBox1Start) + "expect g_saveExists -1\nmove 500 550\nclick\n"
                                   "frames 2\nexpect g_screenState 1\nexpect g_currentLevel 3\nexpect currentProfile 1\n",
                                   {"--fixed-step", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_EQ(run.stdErr.find("profiles"), std::string::npos) << run.stdErr;
    EXPECT_TRUE(OldProgressFiles(dir.string()).empty());
    EXPECT_FALSE(fs::exists(dir / kMoveMarkerFile));
    for (const auto& [name, bytes] : old) EXPECT_EQ(ReadAll(dir / "profiles/1" / name), bytes) << name;
    EXPECT_TRUE(fs::exists(dir / "levels/k1/level3.ini")) << "the game's own levels stay";
}

TEST(ProfilesInGame, ADamagedListIsNamedOnceKeptAsideAndNoChildsProgressIsLost) {
    GameRunner runner;
    const fs::path dir = runner.dir();
    WriteAll(dir / "profiles.txt", "current 1\nprofile 1 5\nprofile 3 5 same picture\n");
    WriteAll(dir / "profiles/1/k1.dat", "2\r\n1\r\n");
    WriteAll(dir / "profiles/3/k2.dat", "4\r\n3\r\n");
    WriteAll(dir / "profiles/3/child.ini", "hint_after_seconds = 9999\nall_levels_open = yes\n");
    const auto before = FilesUnder(dir / "profiles");
    const GameRun run = runner.Run("frames 3\nclick\nframes 2\nexpect g_screenState 5\nmove 640 380\nclick\n"
                                   "frames 2\nexpect currentProfile 3\nexpect childSettings.allLevelsOpen 1\n"
                                   "expect childSettings.hintAfterSeconds -1\n",
                                   {"--fixed-step", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    // Named once each: the list (its kept-aside copy names it again, without the colon) and the child's file.
    EXPECT_EQ(Count(run.stdErr, "profiles.txt:"), 1) << run.stdErr;
    EXPECT_EQ(Count(run.stdErr, "profiles/3/child.ini:"), 1) << run.stdErr;
    int aside = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().rfind("profiles.txt.broken-", 0) == 0) ++aside;
    EXPECT_EQ(aside, 1);
    for (const auto& [name, bytes] : before) EXPECT_EQ(ReadAll(dir / "profiles" / name), bytes) << name;
    EXPECT_EQ(ReadAll(dir / "profiles.txt"), FormatProfileList(ProfileList{{{1, 1, ""}, {3, 2, ""}}, 3}));
}

}  // namespace
