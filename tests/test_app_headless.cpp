// The real program, headless, driven by scripts: start-up, intro, task switches, device
// loss, screenshots and the fatal-error path.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "game_runner.h"

namespace {

// Width and height from a PNG file's header; 0 when it is not a PNG.
void PngSize(const std::string& file, uint32_t& w, uint32_t& h) {
    w = h = 0;
    std::ifstream in(file, std::ios::binary);
    unsigned char b[24] = {};
    if (!in.read(reinterpret_cast<char*>(b), sizeof b) || b[1] != 'P' || b[2] != 'N' || b[3] != 'G') return;
    w = (b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19];
    h = (b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23];
}

TEST(HeadlessRun, StartSkipsTheDialogAndAClickEndsTheIntro) {
    GameRunner game;
    GameRun run = game.Run(
        "frames 3\n"
        "expect g_gameStarted 1\n"
        "expect FRunning -1\n"
        "expect g_introActive 1\n"
        "expect g_cursorX 640\n"
        "expect g_cursorY 800\n"
        "expect framesDrawn 3\n"
        "click\n"
        "expect g_introActive 0\n"
        "expect g_screenState 0\n"
        "frames 2\n"
        "screenshot menu.png\n"
        "dump state.json\n",
        {"--resolution", "1024x768", "--fixed-step", "16", "--no-vsync"});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    uint32_t w = 0, h = 0;
    PngSize(game.Path("menu.png"), w, h);
    EXPECT_EQ(w, 1024u);
    EXPECT_EQ(h, 768u);
    const std::string dump = game.ReadFile("state.json");
    EXPECT_NE(dump.find("\"g_screenWidth\": 1024"), std::string::npos);
    EXPECT_NE(dump.find("\"g_drag\": {"), std::string::npos);
}

TEST(HeadlessRun, DeviceLostSkipsFramesAndAResetRebuildsIt) {
    GameRunner game;
    GameRun run = game.Run(
        "frames 2\n"
        "expect framesDrawn 2\n"
        "device lost\n"
        "frames 5\n"
        "expect framesDrawn 2\n"
        "expect deviceRebuilds 0\n"
        "device reset\n"
        "frames 3\n"
        "expect deviceRebuilds 1\n"
        "expect framesDrawn 5\n"
        "screenshot after.png\n",
        {"--no-vsync"});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    uint32_t w = 0, h = 0;
    PngSize(game.Path("after.png"), w, h);
    EXPECT_EQ(w, 800u);
    EXPECT_EQ(h, 600u);
}

TEST(HeadlessRun, LosingFocusStopsFramesAndRestoringRebuildsAndResumes) {
    GameRunner game;
    GameRun run = game.Run(
        "click\n"
        "frames 2\n"
        "expect framesDrawn 4\n"
        "focus lost\n"
        "expect FRunning 0\n"
        "frames 4\n"
        "expect framesDrawn 4\n"
        "move 100 100\n"
        "expect g_cursorX 640\n"
        "focus gained\n"
        "expect FRunning -1\n"
        "expect deviceRebuilds 1\n"
        "frames 3\n"
        "expect framesDrawn 7\n"
        "minimize\n"
        "expect FRunning 0\n"
        "frames 2\n"
        "restore\n"
        "frames 1\n"
        "expect FRunning -1\n"
        "expect deviceRebuilds 2\n"
        "expect framesDrawn 8\n",
        {"--no-vsync"});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
}

TEST(HeadlessRun, AFailedExpectationNamesItsLineAndFailsTheRun) {
    GameRunner game;
    GameRun run = game.Run("frames 1\n# a comment\nexpect g_screenState 4\n", {"--no-vsync"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.stdErr.find("script.txt:3:"), std::string::npos) << run.stdErr;
}

TEST(HeadlessRun, TheMainMenuExitEndsTheProgramCleanly) {
    GameRunner game;
    GameRun run = game.Run("click\nmove 1250 20\nclick\nframes 5\nexpect g_screenState 1\n", {"--no-vsync"});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;   // the window closed before the failing line
    EXPECT_FALSE(game.Exists("Debug.txt"));
}

TEST(HeadlessRun, AMissingPictureListIsNamedAndTheProgramStops) {
    GameRunner game;
    std::filesystem::remove(game.Path("Surfaces.ini"));
    GameRun run = game.Run("frames 1\n");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.stdErr.find("Surfaces.ini"), std::string::npos) << run.stdErr;
}

TEST(HeadlessRun, AFatalErrorWritesTheLogAndEndsTheProgram) {
    GameRunner game;
    // The cursor picture's file name points nowhere: loading the textures is fatal.
    std::string list = game.ReadFile("Surfaces.ini");
    const std::string cursor = "./textures/cursor.png";
    ASSERT_NE(list.find(cursor), std::string::npos);
    list.replace(list.find(cursor), cursor.size(), "./textures/no_such_cursor.png");
    std::ofstream(game.Path("Surfaces.ini"), std::ios::binary) << list;
    GameRun run = game.Run("frames 3\n");
    EXPECT_EQ(run.exitCode, 1) << run.stdErr;
    // The line names the picture and what is wrong with it, never "success".
    EXPECT_EQ(game.ReadFile("Debug.txt"),
              "Not D3DXCreateTextureFromFile: " + game.Path("textures/no_such_cursor.png") +
                  ": cannot open the picture file (No such file or directory): Generic failure.\r\n");
}

TEST(HeadlessRun, ABrokenIntroModelIsNamedAndTheGameStillStarts) {
    GameRunner game;
    const std::string model = game.ReadFile("models/logo.x");
    ASSERT_GT(model.size(), 4000u);
    const std::string script =
        "frames 2\n"
        "expect g_gameStarted 1\n"
        "expect FRunning -1\n"
        "click\n"
        "frames 1\n"
        "expect g_introActive 0\n"
        "expect g_screenState 0\n";
    // A folder of its own instead of the shared link: first the model without its pictures...
    std::filesystem::remove(game.Path("models"));
    std::filesystem::create_directory(game.Path("models"));
    std::ofstream(game.Path("models/logo.x"), std::ios::binary) << model;
    GameRun run = game.Run(script, {"--no-vsync"});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_NE(run.stdErr.find("models/block1.png"), std::string::npos) << run.stdErr;
    // ...then a model file cut off in the middle.
    std::ofstream(game.Path("models/logo.x"), std::ios::binary | std::ios::trunc) << model.substr(0, 2000);
    run = game.Run(script, {"--no-vsync"});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_NE(run.stdErr.find("logo.x\", line"), std::string::npos) << run.stdErr;
    EXPECT_FALSE(game.Exists("Debug.txt"));
}

TEST(HeadlessRun, UsageAndBadOptions) {
    GameRunner game;
    GameRun run = game.Run("frames 1\n", {"--resolution", "640x480"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.stdErr.find("640x480"), std::string::npos);
    EXPECT_NE(run.stdErr.find("stroylik --help"), std::string::npos) << run.stdErr;
}

}  // namespace
