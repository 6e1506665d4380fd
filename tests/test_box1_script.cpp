// Box 1 in the real program: a scripted headless run plays level 1 from a new game by mouse,
// goes on to level 2, places a figure, leaves for the menu and continues, and the board and
// the position come back from the progress files.
#include <gtest/gtest.h>

#include <string>

#include "box1_script_lines.h"
#include "game_runner.h"
#include "sound_test_util.h"

namespace {

std::string BuildSection(const std::string& json) {
    const size_t from = json.find("\"g_box1Build\"");
    const size_t to = json.find("\"g_box1Sample\"");
    return from == std::string::npos || to == std::string::npos ? "" : json.substr(from, to - from);
}

// The first of those drags only: one figure on the board.
std::string FirstDrag(const std::string& lines) { return lines.substr(0, lines.find("frames 2\n") + 9); }

TEST(Box1ScriptTest, NewGameLevelOneByMouseThenContinue) {
    GameRunner runner;
    const std::string level1 = LevelBuildLines(runner, 1);
    // Level 2: only its first figure, so the board has something to restore.
    const std::string level2 = FirstDrag(LevelBuildLines(runner, 2));

    const std::string script = "frames 3\nclick\nmove 380 320\nclick\nmove 500 220\nclick\n"
                               "expect g_screenState 1\nexpect g_currentLevel 1\nframes 40\n" +
                               level1 +
                               "expect g_levelDone 1\nframes 20\nscreenshot solved.png\nclick\nframes 2\n"
                               "expect g_currentLevel 2\nexpect g_maxCompletedLevel 1\nframes 2\n" +
                               level2 +
                               "dump before.json\nmove 1250 20\nclick\nexpect g_screenState 0\n"
                               "move 380 320\nclick\nexpect g_saveExists -1\nmove 500 550\nclick\n"
                               "expect g_screenState 1\nexpect g_currentLevel 2\nexpect g_maxCompletedLevel 1\n"
                               "frames 2\ndump after.json\n";
    const GameRun run = runner.Run(script, {"--fixed-step", "20", "--audio-out", "rec.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_TRUE(runner.Exists("solved.png"));
    EXPECT_EQ(runner.ReadFile("profiles/1/k1.dat"), "2\r\n1\r\n");
    EXPECT_TRUE(runner.Exists("profiles/1/save/k1/sk_1.dat"));
    EXPECT_TRUE(runner.Exists("profiles/1/save/k1/sk_2.dat"));
    const std::string before = BuildSection(runner.ReadFile("before.json"));
    const std::string after = BuildSection(runner.ReadFile("after.json"));
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(before, after) << "continue restores the board";
    EXPECT_NE(before.find_first_of("123456789"), std::string::npos) << "a figure was on the board";

    // The recording: the menu music stops when the box is entered, and the silence while the
    // picture is built is broken by the success sound of the solving drop.
    const auto wav = soundtest::ReadBytes(runner.Path("rec.wav"));
    ASSERT_GT(wav.size(), 44u);
    const std::vector<uint8_t> pcm(wav.begin() + 44, wav.end());
    const size_t block = 2 * 44100 * 20 / 1000;   // samples of one 20 ms frame
    size_t silentRun = 0, silenceEnd = 0;
    for (size_t at = 0; at + block <= pcm.size() / 2; at += block) {
        const bool silent = soundtest::Rms(pcm, at, at + block) == 0.0;
        if (!silent && silentRun >= 30) {
            silenceEnd = at;
            break;
        }
        silentRun = silent ? silentRun + 1 : 0;
    }
    ASSERT_NE(silenceEnd, 0u) << "no sound after the box was entered";
    EXPECT_GT(soundtest::Rms(pcm, silenceEnd, silenceEnd + 10 * block), 300.0) << "the success sound is audible";
}

// Closing the window (the window manager's request) during a level saves the board and the
// position exactly as the back button does, so "continue" brings the work back.
TEST(Box1ScriptTest, ClosingTheWindowDuringALevelSavesIt) {
    GameRunner runner;
    const std::string firstFigure = FirstDrag(LevelBuildLines(runner, 1));
    const std::string play = "frames 3\nclick\nmove 380 320\nclick\nmove 500 220\nclick\nexpect g_screenState 1\n"
                             "frames 2\n" + firstFigure + "dump before.json\nclose\nframes 5\n";
    GameRun run = runner.Run(play, {"--fixed-step", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_EQ(runner.ReadFile("profiles/1/k1.dat"), "1\r\n0\r\n");
    ASSERT_TRUE(runner.Exists("profiles/1/save/k1/sk_1.dat"));

    run = runner.Run("frames 3\nclick\nmove 380 320\nclick\nexpect g_saveExists -1\nmove 500 550\nclick\n"
                     "expect g_currentLevel 1\nframes 2\ndump after.json\n",
                     {"--fixed-step", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    const std::string before = BuildSection(runner.ReadFile("before.json"));
    ASSERT_NE(before.find_first_of("123456789"), std::string::npos) << "a figure was on the board";
    EXPECT_EQ(before, BuildSection(runner.ReadFile("after.json")));
}

}  // namespace
