// The player's progress through failures, played with the mouse in a scratch game folder: a
// figure still flying home when box 1 is left, saves and position files that cannot be read,
// and a save folder that cannot be written.
#include <gtest/gtest.h>

#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box2/box2.h"
#include "progress_test_util.h"

using namespace progresstest;

TEST(ProgressMends, AFigureFlyingHomeWhenBox1IsLeftIsSavedAtHome) {
    GameDriver game;
    ASSERT_EQ(EnterBox(game, 1, false), "");
    ASSERT_EQ(g_screenState, ScreenBox1);
    game.Frame();
    int row = 0, col = 0;
    ASSERT_TRUE(FindCountedFigure(g_box1PaletteCells, g_box1PaletteCounts, row, col));
    const int32_t figure = g_box1PaletteIds[row][col];
    const int32_t count = g_box1PaletteCounts[row][col];
    ASSERT_NO_FATAL_FAILURE(LetAFigureFly(game, PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16));
    game.MoveTo(BackX, ButtonY);
    ASSERT_GT(g_drag.figure, 0);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);
    EXPECT_EQ(g_drag.figure, 0);

    ASSERT_EQ(EnterBox(game, 1, true), "");
    ASSERT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_box1PaletteCounts[row][col], count);
    EXPECT_EQ(g_box1PaletteCells[row][col].figure, figure);
}

TEST(ProgressMends, AnUnreadableBox1SaveIsKeptAsideAndNeverOverwritten) {
    GameDriver game;
    WriteAll("k1.dat", "1\r\n0\r\n");
    const std::string garbage = "12\r\nnot a number\r\n";
    for (const std::string& damaged : {std::string(), garbage}) {
        WriteAll("save/k1/sk_1.dat", damaged);
        const std::string message = EnterBox(game, 1, true);
        EXPECT_NE(message.find("sk_1.dat"), std::string::npos) << message;
        std::string aside;
        ASSERT_EQ(CountStartingWith("save/k1", "sk_1.dat.broken-", &aside), 1) << message;
        EXPECT_NE(message.find(fs::path(aside).filename().string()), std::string::npos) << message;
        EXPECT_EQ(ReadAll(aside), damaged);
        ASSERT_EQ(g_screenState, ScreenBox1);
        EXPECT_EQ(g_currentLevel, 1);
        // The level from its file: back saves that board under the old name, the damaged one stays.
        game.MoveTo(BackX, ButtonY);
        game.Click();
        EXPECT_EQ(ReadAll(aside), damaged);
        EXPECT_GT(ReadAll("save/k1/sk_1.dat").size(), 1000u);
        EXPECT_EQ(EnterBox(game, 1, true), "") << "the new save reads";
        game.MoveTo(BackX, ButtonY);
        game.Click();
        fs::remove(aside);
    }
}

TEST(ProgressMends, AMissingBox1PositionContinuesAtLevel1) {
    GameDriver game;
    ASSERT_EQ(EnterBox(game, 1, false), "");
    game.MoveTo(BackX, ButtonY);
    game.Click();
    fs::remove("k1.dat");
    const std::string message = EnterBox(game, 1, true);
    EXPECT_NE(message.find("k1.dat"), std::string::npos) << message;
    ASSERT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_currentLevel, 1);
    ASSERT_NE(CurrentLevelInfo(), nullptr);
}

TEST(ProgressMends, PositionsOutsideTheBoxAreNeverWritten) {
    GameDriver game;
    for (int32_t level : {0, -1, MaxLevel + 1})
        for (void (*save)() : {savecurrlevel, savecurrlevel2}) {
            g_currentLevel = level;
            g_maxCompletedLevel = 0;
            save();
        }
    g_currentLevel = 2;
    g_maxCompletedLevel = MaxLevel + 1;
    savecurrlevel();
    savecurrlevel2();
    EXPECT_FALSE(fs::exists("k1.dat"));
    EXPECT_FALSE(fs::exists("k2.dat"));
}

TEST(ProgressMends, AnUnwritableSaveFolderIsReportedWithTheSystemsReason) {
    GameDriver game;
    ASSERT_EQ(EnterBox(game, 1, false), "");
    fs::remove_all("save/k1");
    WriteAll("save/k1", "a file where the folder should be");
    fs::create_directory("k1.dat");   // and a folder where the position file should be
    const std::string message = ClickForMessage(game, BackX, ButtonY);
    EXPECT_EQ(g_screenState, ScreenMainMenu);
    // Both writes are tried and each is told once, with the system's reason.
    auto count = [&](const std::string& part) {
        int n = 0;
        for (size_t p = message.find(part); p != std::string::npos; p = message.find(part, p + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("sk_1.dat"), 1) << message;
    EXPECT_EQ(count("k1.dat\""), 1) << message;
    EXPECT_NE(message.find("Is a directory"), std::string::npos) << message;
    EXPECT_NE(message.find("Not a directory"), std::string::npos) << message;
    EXPECT_EQ(message.find("may be missing"), std::string::npos) << message;
    EXPECT_EQ(CountStartingWith(".", "k1.dat.tmp"), 0);
}
