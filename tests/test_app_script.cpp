// The script driver in-process: parsing, frames, mouse and keys, expectations.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/form.h"
#include "core/game_state.h"
#include "app/script.h"
#include "core/options.h"
#include "render/graphics.h"
#include "game_driver.h"
#include "input/input.h"

namespace {

// Runs a script against the driven game; returns the number of frames it took.
int RunScript(GameDriver& game, ScriptDriver& script) {
    int frames = 0;
    while (script.BeforePass(*Form1)) {
        game.Frame();
        ++frames;
    }
    return frames;
}

TEST(ScriptParsing, BadLinesAreNamedByNumber) {
    ScriptDriver s;
    std::string error;
    EXPECT_FALSE(s.LoadText("t.txt", "frames 1\n\nwobble 3\n", error));
    EXPECT_EQ(error, "t.txt:3: unknown command \"wobble\"");
    EXPECT_FALSE(s.LoadText("t.txt", "# start\nmove 1\n", error));
    EXPECT_EQ(error, "t.txt:2: wrong number of words for \"move\"");
    EXPECT_FALSE(s.LoadText("t.txt", "click now\n", error));
    EXPECT_TRUE(s.LoadText("t.txt", "  # only comments\nframes 2 # trailing\n", error)) << error;
    EXPECT_FALSE(s.Load("/nonexistent/script.txt", error));
    EXPECT_NE(error.find("/nonexistent/script.txt"), std::string::npos);
}

TEST(ScriptRun, FramesMovesAndClicksTakeTheirFrames) {
    GameDriver game;
    g_options.relativeMouse = true;   // the raw motion, doubled, as the mouse moves it
    ScriptDriver s;
    std::string error;
    ASSERT_TRUE(s.LoadText("t", "frames 3\nframes 0\nmove 101 200\nclick\nkey S down\ndump d.json\n", error));
    EXPECT_EQ(RunScript(game, s), 3 + 1 + 2);
    EXPECT_FALSE(s.failed());
    EXPECT_EQ(s.exitCode(), 0);
    EXPECT_EQ(g_cursorX, 102);   // 539 to the left is odd: it lands one short
    EXPECT_EQ(g_cursorY, 200);
    EXPECT_EQ(g_clickLatch, 101);   // the click's release frame ran
    std::ifstream dump("d.json");
    std::stringstream text;
    text << dump.rdbuf();
    EXPECT_NE(text.str().find("\"g_cursorX\": 102"), std::string::npos);
}

TEST(ScriptRun, AnAbsoluteMovePutsTheCursorExactlyThere) {
    GameDriver game;
    for (float scale : {0.625f, 0.8f, 1.0f}) {
        g_scaleX = scale;
        g_scaleY = scale == 0.625f ? 0.585f : scale == 0.8f ? 0.75f : 1.0f;
        ScriptDriver s;
        std::string error;
        ASSERT_TRUE(s.LoadText("t", "move 101 200\nexpect g_cursorX 101\nexpect g_cursorY 200\n"
                                    "move 1275 1019\nexpect g_cursorX 1275\nexpect g_cursorY 1019\n"
                                    "move 3 1\nexpect g_cursorX 3\nexpect g_cursorY 1\n",
                               error));
        EXPECT_EQ(RunScript(game, s), 3);
        EXPECT_FALSE(s.failed()) << scale << ": " << s.message();
    }
    g_scaleX = 0.625f;
    g_scaleY = 0.585f;
}

TEST(ScriptRun, AwaitRunsFramesUntilTheValueTurnsUpOrFails) {
    GameDriver game;
    ScriptDriver s;
    std::string error;
    ASSERT_TRUE(s.LoadText("t", "key SPACE down\nawait 5 g_introActive 0\nframes 1\nawait 3 g_introActive 1\n", error));
    g_introActive = 1;
    EXPECT_EQ(RunScript(game, s), 1 + 1 + 3);
    EXPECT_TRUE(s.failed());
    EXPECT_EQ(s.message(), "t:4: await g_introActive 1: still 0");
}

TEST(ScriptRun, AClickOnTheBox1PictureOpensItsStartScreen) {
    GameDriver game;
    ScriptDriver s;
    std::string error;
    ASSERT_TRUE(s.LoadText("t", "move 380 320\nexpect g_screenState 0\nclick\nexpect g_screenState 3\n"
                                "expect g_saveExists 0\nmove 1250 20\nclick\nexpect g_screenState 0\n",
                           error));
    RunScript(game, s);
    EXPECT_FALSE(s.failed()) << s.message();
}

TEST(ScriptRun, AFailedExpectationStopsAtItsLine) {
    GameDriver game;
    ScriptDriver s;
    std::string error;
    ASSERT_TRUE(s.LoadText("t.txt", "frames 1\nexpect g_drag.state 0\nexpect g_cursorX 7\nframes 50\n", error));
    EXPECT_EQ(RunScript(game, s), 1);
    EXPECT_TRUE(s.failed());
    EXPECT_EQ(s.exitCode(), 3);
    EXPECT_EQ(s.message(), "t.txt:3: expect g_cursorX 7: the value is 640");
}

TEST(ScriptRun, ExpectKnowsNamesRecordsStringsAndHexNumbers) {
    GameDriver game;
    ScriptDriver s;
    std::string error;
    g_levelPathPrefix = "./levels/k1/level";
    ASSERT_TRUE(s.LoadText("t", "expect g_levelPathPrefix ./levels/k1/level\nexpect g_layerColour 0xFFFFFFFF\n"
                                "expect g_noSuchThing 1\n",
                           error));
    RunScript(game, s);
    EXPECT_TRUE(s.failed());
    EXPECT_EQ(s.currentLine(), 3);
    EXPECT_NE(s.message().find("no such value"), std::string::npos);
}

TEST(ScriptRun, KeysReachTheKeyboardStep) {
    GameDriver game;
    g_introActive = 1;
    ScriptDriver s;
    std::string error;
    // An unknown key is refused when the script is read, before anything runs.
    EXPECT_FALSE(s.LoadText("t", "key SPACE down\nkey NOPE down\n", error));
    EXPECT_EQ(error, "t:2: key: \"NOPE\" is not a key name (see docs/scripts.md)");
    ASSERT_TRUE(s.LoadText("t", "key SPACE down\nframes 1\nkey SPACE up\nexpect g_introActive 0\n", error));
    RunScript(game, s);
    EXPECT_FALSE(s.failed()) << s.message();
    EXPECT_EQ(g_introActive, 0);
}

}  // namespace
