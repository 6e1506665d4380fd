// Targets a small hand can hit: every corner button takes a press anywhere in a square of
// 64 virtual units (40 pixels at 800 x 600) around it, beyond its picture.
#include <gtest/gtest.h>

#include "core/game_state.h"
#include "game_driver.h"

namespace {

struct Target {
    int screen, hot, centreX, centreY;
};

TEST(TargetsTest, CornerButtonsTakePressesAcrossSixtyFourUnits) {
    GameDriver game;
    const Target targets[] = {
        {ScreenMainMenu, HotBack, 1247, 32},       {ScreenMainMenu, HotSound, 1247, 98},
        {ScreenBox1Start, HotBack, 1247, 32},      {ScreenBox1, HotBack, 1247, 32},
        {ScreenBox1, HotNextLevel, 1180, 32},      {ScreenBox1, HotPrevLevel, 1065, 32},
        {ScreenBox1, HotRestartLevel, 1000, 32},
    };
    g_currentLevel = 2;   // the previous-level button shows from level 2 on
    g_levelPathPrefix = "./levels/k1/level";
    for (const Target& t : targets) {
        g_screenState = t.screen;
        for (int dx : {-31, 0, 31})
            for (int dy : {-31, 0, 31}) {
                g_cursorX = t.centreX + dx;
                g_cursorY = t.centreY + dy;
                game.Frame();
                EXPECT_EQ(g_hotButton, t.hot) << "screen " << t.screen << " at " << g_cursorX << "," << g_cursorY;
            }
    }
}

}  // namespace
