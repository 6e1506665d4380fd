// The keyboard step, key names and the hot-button zones.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/game_state.h"
#include "game_driver.h"
#include "input/input.h"
#include "platform/input.h"

namespace {

TEST(KeyNames, NamesMapToTheClassicCodes) {
    EXPECT_EQ(plat::KeyCodeByName("S"), 0x1F);
    EXPECT_EQ(plat::KeyCodeByName("s"), 0x1F);
    EXPECT_EQ(plat::KeyCodeByName("SPACE"), 0x39);
    EXPECT_EQ(plat::KeyCodeByName("RETURN"), 0x1C);
    EXPECT_EQ(plat::KeyCodeByName("ENTER"), 0x1C);
    EXPECT_EQ(plat::KeyCodeByName("ESCAPE"), 0x01);
    EXPECT_EQ(plat::KeyCodeByName("LEFT"), 0xCB);
    EXPECT_EQ(plat::KeyCodeByName("0"), 0x0B);
    EXPECT_EQ(plat::KeyCodeByName("1"), 0x02);
    EXPECT_EQ(plat::KeyCodeByName("NOSUCHKEY"), 0);
    EXPECT_EQ(plat::KeyCodeByName(nullptr), 0);
}

TEST(KeyboardStep, SpaceEndsTheIntroAndOnlyTheIntro) {
    GameDriver game;
    g_introActive = 1;
    game.Key(plat::DIK::SPACE, true);
    ReadKeyboard();
    EXPECT_EQ(g_keys[plat::DIK::SPACE], 0x80);
    EXPECT_EQ(g_introActive, 0);
    EXPECT_EQ(g_screenState, ScreenMainMenu);
    game.Key(plat::DIK::SPACE, false);
    ReadKeyboard();
    EXPECT_EQ(g_keys[plat::DIK::SPACE], 0);
}

TEST(KeyboardStep, HoldingSOnABoxScreenExportsTheBoardEveryFrame) {
    GameDriver game;
    namespace fs = std::filesystem;
    const char* exportFile = "./levels/k1/Help_Save.ini";
    g_screenState = ScreenMainMenu;
    game.Key(plat::DIK::S, true);
    ReadKeyboard();
    EXPECT_FALSE(fs::exists(exportFile));   // no export from the menu

    g_screenState = ScreenBox1;
    g_currentLevel = 1;
    g_levelPathPrefix = "./levels/k1/level";
    ReadKeyboard();
    ASSERT_TRUE(fs::exists(exportFile));
    fs::remove(exportFile);
    ReadKeyboard();
    EXPECT_TRUE(fs::exists(exportFile));
    game.Key(plat::DIK::S, false);
    fs::remove(exportFile);
    ReadKeyboard();
    EXPECT_FALSE(fs::exists(exportFile));
}

TEST(HotZones, EachZoneHasItsIdAndItsBoundsAreExcluded) {
    struct Zone { int id, left, right, top, bottom; };
    const Zone zones[] = {{HotChoice1, 210, 550, 175, 478}, {HotChoice2, 680, 1055, 306, 720},
                          {HotBack, 1213, 1281, -1, 66},    {HotNextLevel, 1148, 1213, -1, 66},
                          {HotPrevLevel, 1033, 1098, -1, 66}, {HotRestartLevel, 968, 1033, -1, 66}};
    for (const Zone& z : zones) {
        // Just inside every corner.
        for (int x : {z.left + 1, z.right - 1})
            for (int y : {z.top + 1, z.bottom - 1}) {
                g_hotButton = HotNone;
                g_cursorX = x;
                g_cursorY = y;
                ScanMousePosition();
                EXPECT_EQ(g_hotButton, z.id) << x << "," << y;
            }
        // On each edge: outside.
        const int midX = (z.left + z.right) / 2, midY = (z.top + z.bottom) / 2;
        for (auto [x, y] : {std::pair{z.left, midY}, std::pair{z.right, midY}, std::pair{midX, z.top},
                            std::pair{midX, z.bottom}}) {
            g_hotButton = 42;
            g_cursorX = x;
            g_cursorY = y;
            ScanMousePosition();
            EXPECT_EQ(g_hotButton, 42) << "edge " << x << "," << y << " of zone " << z.id;
        }
    }
}

}  // namespace
