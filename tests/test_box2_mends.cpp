// Box 2 progress through failures, played with the mouse: a figure flying home when the
// level changes, a save cut short, and a position file lost or naming no level.
#include <gtest/gtest.h>

#include "box2/box2.h"
#include "box2/box2_board.h"
#include "progress_test_util.h"

using namespace progresstest;

TEST(Box2ProgressMends, AFigureFlyingHomeWhenBox2MovesOnIsSavedAtHome) {
    GameDriver game;
    ASSERT_EQ(EnterBox(game, 2, false), "");
    ASSERT_EQ(g_screenState, ScreenBox2);
    game.Frame();
    int row = 0, col = 0;
    ASSERT_TRUE(FindCountedFigure(g_paletteCells, g_paletteCounts, row, col));
    const int32_t figure = g_paletteIds[row][col];
    const int32_t count = g_paletteCounts[row][col];
    ASSERT_NO_FATAL_FAILURE(LetAFigureFly(game, PaletteLeft2 + 16 * col + 8, PaletteTop2 + 16 * row + 8));
    game.MoveTo(NextX, ButtonY);
    game.Click();
    ASSERT_EQ(g_currentLevel, 2);
    // Back with the previous-level button: level 1 comes from its save.
    game.MoveTo(PrevX, ButtonY);
    game.Click();
    ASSERT_EQ(g_currentLevel, 1);
    EXPECT_EQ(g_paletteCounts[row][col], count);
    EXPECT_EQ(g_paletteCells[row][col].figure, figure);
}

TEST(Box2ProgressMends, ACutBox2SaveIsKeptAsideAndTheLevelStartsFromItsFile) {
    GameDriver game;
    ASSERT_EQ(EnterBox(game, 2, false), "");
    game.MoveTo(BackX, ButtonY);
    game.Click();
    const std::string whole = ReadAll("save/k2/sk_1.dat");
    ASSERT_GT(whole.size(), 100000u);
    const std::string cut = whole.substr(0, whole.size() / 2);
    WriteAll("save/k2/sk_1.dat", cut);
    const std::string message = EnterBox(game, 2, true);
    EXPECT_NE(message.find("sk_1.dat"), std::string::npos) << message;
    std::string aside;
    ASSERT_EQ(CountStartingWith("save/k2", "sk_1.dat.broken-", &aside), 1) << message;
    EXPECT_EQ(ReadAll(aside), cut);
    ASSERT_EQ(g_screenState, ScreenBox2);
    EXPECT_EQ(g_currentLevel, 1);
    game.MoveTo(BackX, ButtonY);
    game.Click();
    EXPECT_EQ(ReadAll("save/k2/sk_1.dat"), whole) << "the level's own starting board";
    EXPECT_EQ(ReadAll(aside), cut);
}

TEST(Box2ProgressMends, AMissingBox2PositionContinuesAtTheHighestSavedLevel) {
    GameDriver game;
    ASSERT_EQ(EnterBox(game, 2, false), "");
    for (int level = 2; level <= 3; ++level) {
        game.MoveTo(NextX, ButtonY);
        game.Click();
        ASSERT_EQ(g_currentLevel, level);
    }
    game.MoveTo(BackX, ButtonY);
    game.Click();
    ASSERT_TRUE(fs::exists("save/k2/sk_3.dat"));
    fs::remove("k2.dat");
    // Box 1 was played meanwhile: its numbers must not leak into box 2.
    g_currentLevel = 9;
    g_maxCompletedLevel = 8;
    std::string message = EnterBox(game, 2, true);
    EXPECT_NE(message.find("k2.dat"), std::string::npos) << message;
    ASSERT_EQ(g_screenState, ScreenBox2);
    EXPECT_EQ(g_currentLevel, 3);
    game.Frame();
    EXPECT_EQ(g_levelLocked, 0);
    game.MoveTo(BackX, ButtonY);
    game.Click();
    EXPECT_EQ(ReadAll("k2.dat"), "3\r\n2\r\n");

    // A position that names no level is told on the way to the start screen, kept aside and
    // found again from the saves; Continue then goes on there without a second word.
    WriteAll("k2.dat", "0\r\n0\r\n");
    message = ClickForMessage(game, Box2X, Box2Y);
    EXPECT_NE(message.find("k2.dat"), std::string::npos) << message;
    EXPECT_EQ(ClickForMessage(game, ContinueX, ContinueY), "");
    EXPECT_EQ(g_currentLevel, 3);
    game.MoveTo(BackX, ButtonY);
    game.Click();
    EXPECT_EQ(ReadAll("k2.dat"), "3\r\n2\r\n");
}
