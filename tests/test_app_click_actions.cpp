// The frame logic's mouse step and the click-action table, row by row, through the real
// frame logic in a scratch game folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/form.h"
#include "app/frame_loop.h"
#include "core/game_state.h"
#include "box1/box1.h"
#include "box2/box2.h"
#include "game_driver.h"
#include "platform/input.h"

namespace {

namespace fs = std::filesystem;

void Touch(const std::string& path) { std::ofstream(path) << "1\r\n"; }

class ClickActions : public ::testing::Test {
protected:
    GameDriver game;
    plat::InputSource& input = plat::InputSource::Get();

    // One pass of the mouse step with the left button held, the hot button forced.
    void PressOn(int screen, int hot) {
        g_screenState = screen;
        g_hotButton = hot;
        input.SetButton(0, true);
        FrameLogic();
    }
    void ReleaseButton() {
        input.SetButton(0, false);
        FrameLogic();
    }
    // A fresh click that also carries motion, so a test can see whether the cursor moved.
    bool ClickMovesCursor(int screen, int hot) {
        ReleaseButton();
        const int x = g_cursorX;
        input.AddMotion(5, 0);
        PressOn(screen, hot);
        ReleaseButton();   // the button is up again for the next case
        return g_cursorX != x;
    }
    // Puts the game on a box screen at a level, loaded from its file unless asked not to.
    void EnterBox(int screen, int level, bool load = true) {
        g_screenState = screen;
        g_currentLevel = level;
        g_levelPathPrefix = screen == ScreenBox1 ? "./levels/k1/level" : "./levels/k2/level";
        if (load) {
            if (screen == ScreenBox1) loadlevels();
            else loadlevels2();
        }
        g_levelDone = 0;
    }
};

TEST_F(ClickActions, APressActsOnceUntilTheButtonIsSeenUp) {
    ReleaseButton();
    EXPECT_EQ(g_clickLatch, 101);
    PressOn(ScreenBox1Start, HotBack);
    EXPECT_EQ(g_screenState, ScreenMainMenu);
    EXPECT_EQ(g_clickLatch, 0);
    // Still held: going back to a start screen and holding on must not act again.
    PressOn(ScreenBox2Start, HotBack);
    EXPECT_EQ(g_screenState, ScreenBox2Start);
    ReleaseButton();
    EXPECT_EQ(g_clickLatch, 101);
    PressOn(ScreenBox2Start, HotBack);
    EXPECT_EQ(g_screenState, ScreenMainMenu);
}

TEST_F(ClickActions, BackFromAStartScreenChangesOnlyTheScreenAndKeepsTheCursor) {
    for (int screen : {ScreenBox1Start, ScreenBox2Start}) {
        g_currentLevel = 7;
        EXPECT_FALSE(ClickMovesCursor(screen, HotBack)) << screen;
        EXPECT_EQ(g_screenState, ScreenMainMenu);
        EXPECT_EQ(g_currentLevel, 7);
    }
}

TEST_F(ClickActions, BackOnTheMainMenuClosesTheWindowAndTheCursorStillMoves) {
    EXPECT_TRUE(ClickMovesCursor(ScreenMainMenu, HotBack));
    EXPECT_TRUE(Form1->closing());
}

TEST_F(ClickActions, NextLevelInBox1SavesMarksProgressAndLoadsTheNextLevel) {
    EnterBox(ScreenBox1, 1);
    ReleaseButton();
    g_levelDone = 1;   // solved: this click also counts as the click after solving
    PressOn(ScreenBox1, HotNextLevel);
    EXPECT_EQ(g_currentLevel, 2);
    EXPECT_EQ(g_maxCompletedLevel, 1);
    EXPECT_EQ(g_clickLatch, 0);
    EXPECT_TRUE(fs::exists("./save/k1/sk_1.dat"));
}

TEST_F(ClickActions, NextLevelWithoutSolvingDoesNotMarkProgress) {
    EnterBox(ScreenBox1, 1);
    ReleaseButton();
    PressOn(ScreenBox1, HotNextLevel);
    EXPECT_EQ(g_currentLevel, 2);
    EXPECT_EQ(g_maxCompletedLevel, 0);
}

TEST_F(ClickActions, NextLevelDoesNothingOnAFreeBuildLevelOrTheLastLevel) {
    for (int screen : {ScreenBox1, ScreenBox2}) {
        EnterBox(screen, 3);
        g_levelInfo[3].freeBuild = 1;
        EXPECT_TRUE(ClickMovesCursor(screen, HotNextLevel));
        EXPECT_EQ(g_currentLevel, 3);
        g_levelInfo[3].freeBuild = 0;

        EnterBox(screen, MaxLevel, false);
        EXPECT_TRUE(ClickMovesCursor(screen, HotNextLevel));
        EXPECT_EQ(g_currentLevel, MaxLevel);

        // A level number outside the table never indexes it and never moves on.
        EnterBox(screen, MaxLevel + 5, false);
        EXPECT_TRUE(ClickMovesCursor(screen, HotNextLevel));
        EXPECT_EQ(g_currentLevel, MaxLevel + 5);
    }
}

TEST_F(ClickActions, PreviousLevelGoesBackButNotBelowLevel1) {
    for (int screen : {ScreenBox1, ScreenBox2}) {
        EnterBox(screen, 1);
        EXPECT_TRUE(ClickMovesCursor(screen, HotPrevLevel));
        EXPECT_EQ(g_currentLevel, 1);
        EnterBox(screen, 3);
        g_levelDone = 1;
        ReleaseButton();
        PressOn(screen, HotPrevLevel);
        EXPECT_EQ(g_currentLevel, 2);
        EXPECT_EQ(g_maxCompletedLevel, 3);
        g_maxCompletedLevel = 0;
    }
}

TEST_F(ClickActions, NextAndPreviousInBox2SaveTheBoard) {
    EnterBox(ScreenBox2, 2);
    ReleaseButton();
    PressOn(ScreenBox2, HotNextLevel);
    EXPECT_EQ(g_currentLevel, 3);
    EXPECT_TRUE(fs::exists("./save/k2/sk_2.dat"));
    ReleaseButton();
    PressOn(ScreenBox2, HotPrevLevel);
    EXPECT_EQ(g_currentLevel, 2);
    EXPECT_TRUE(fs::exists("./save/k2/sk_3.dat"));
}

TEST_F(ClickActions, RestartDeletesOnlyTheCurrentLevelsProgressFile) {
    for (int box : {1, 2}) {
        const std::string dir = "./save/k" + std::to_string(box) + "/";
        EnterBox(box == 1 ? ScreenBox1 : ScreenBox2, 2);
        Touch(dir + "sk_2.dat");
        Touch(dir + "sk_3.dat");
        EXPECT_FALSE(ClickMovesCursor(g_screenState, HotRestartLevel));
        EXPECT_FALSE(fs::exists(dir + "sk_2.dat"));
        EXPECT_TRUE(fs::exists(dir + "sk_3.dat"));
        EXPECT_EQ(g_currentLevel, 2);
        // Without a progress file the level is simply reloaded.
        EXPECT_FALSE(ClickMovesCursor(g_screenState, HotRestartLevel));
        EXPECT_EQ(g_currentLevel, 2);
    }
}

TEST_F(ClickActions, ChoosingABoxOnTheMainMenuLooksForItsFirstSave) {
    ReleaseButton();
    PressOn(ScreenMainMenu, HotChoice1);
    EXPECT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_EQ(g_saveExists, 0);
    Touch("./save/k1/sk_1.dat");
    ReleaseButton();
    PressOn(ScreenMainMenu, HotChoice1);
    EXPECT_EQ(g_saveExists, -1);

    ReleaseButton();
    PressOn(ScreenMainMenu, HotChoice2);
    EXPECT_EQ(g_screenState, ScreenBox2Start);
    EXPECT_EQ(g_saveExists, 0);
    EXPECT_EQ(g_clickLatch, 0);
}

TEST_F(ClickActions, NewGameStartsAtLevel1WithTheBoxPrefix) {
    for (int box : {1, 2}) {
        g_maxCompletedLevel = 9;
        g_currentLevel = 5;
        ReleaseButton();
        PressOn(box == 1 ? ScreenBox1Start : ScreenBox2Start, HotChoice1);
        EXPECT_EQ(g_screenState, box == 1 ? ScreenBox1 : ScreenBox2);
        EXPECT_EQ(g_currentLevel, 1);
        EXPECT_EQ(g_maxCompletedLevel, 0);
        EXPECT_EQ(g_levelPathPrefix, box == 1 ? "./levels/k1/level" : "./levels/k2/level");
    }
}

TEST_F(ClickActions, ContinueActsOnlyWhenTheSaveExists) {
    for (int box : {1, 2}) {
        const int start = box == 1 ? ScreenBox1Start : ScreenBox2Start;
        g_saveExists = 0;
        EXPECT_TRUE(ClickMovesCursor(start, HotChoice2));
        EXPECT_EQ(g_screenState, start);

        // The position file says level 2, with level 1 completed.
        g_currentLevel = 2;
        g_maxCompletedLevel = 1;
        if (box == 1) savecurrlevel();
        else savecurrlevel2();
        g_currentLevel = 0;
        g_maxCompletedLevel = 0;
        g_saveExists = -1;
        ReleaseButton();
        PressOn(start, HotChoice2);
        EXPECT_EQ(g_screenState, box == 1 ? ScreenBox1 : ScreenBox2);
        EXPECT_EQ(g_currentLevel, 2);
        EXPECT_EQ(g_maxCompletedLevel, 1);
        EXPECT_EQ(g_levelPathPrefix, box == 1 ? "./levels/k1/level" : "./levels/k2/level");
    }
}

TEST_F(ClickActions, BackFromABoxSavesAndReturnsToTheMenu) {
    for (int box : {1, 2}) {
        EnterBox(box == 1 ? ScreenBox1 : ScreenBox2, 1);
        ReleaseButton();
        PressOn(g_screenState, HotBack);
        EXPECT_EQ(g_screenState, ScreenMainMenu);
        EXPECT_TRUE(fs::exists("./save/k" + std::to_string(box) + "/sk_1.dat"));
    }
}

TEST_F(ClickActions, ButtonsWithoutAnActionOnAScreenDoNothing) {
    // Zones 1 and 2 exist on the game screens and 6 to 8 on the menu, without actions.
    struct Case { int screen, hot; };
    for (Case c : {Case{ScreenBox1, HotChoice1}, Case{ScreenBox2, HotChoice2}, Case{ScreenMainMenu, HotNextLevel},
                   Case{ScreenMainMenu, HotRestartLevel}, Case{ScreenBox1Start, HotPrevLevel}, Case{ScreenMainMenu, 3}}) {
        g_hotButton = HotNone;
        EXPECT_EQ(RunClickAction(), 0);
        g_screenState = c.screen;
        g_hotButton = c.hot;
        EXPECT_EQ(RunClickAction(), 0) << c.screen << " " << c.hot;
        EXPECT_EQ(g_screenState, c.screen);
    }
}

}  // namespace
