// Box 1 played through the real mouse path: every shipped ordinary level is built by
// dragging figures from the palette and left with a click, and the screen is checked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/game_state.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1_mouse.h"
#include "game_driver.h"
#include "render/graphics.h"
#include "render/texture_catalog.h"

namespace {

// The main menu's box 1 picture, and the start screen's new-game and continue banners.
constexpr int ChoiceX = 380, ChoiceY = 320;
constexpr int NewGameX = 500, NewGameY = 220;
constexpr int ContinueX = 500, ContinueY = 550;

void StartNewBox1Game(GameDriver& game) {
    game.MoveTo(ChoiceX, ChoiceY);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    game.MoveTo(NewGameX, NewGameY);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1);
    ASSERT_EQ(g_currentLevel, 1);
}

// The sanitizer build, where a level takes some twenty times as long, plays the first few
// levels and the last few before the free one, reached as Continue reaches them; the normal
// build plays them all.
#ifdef STROYLIK_SANITIZED_BUILD
constexpr int SampleLevels = 4;
#else
constexpr int SampleLevels = 0;
#endif

// Back to the menu, then Continue as a player who has solved every level before `level`.
void ContinueAt(GameDriver& game, int level) {
    game.MoveTo(1250, 20);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);
    std::ofstream("k1.dat", std::ios::binary) << level << "\r\n" << level - 1 << "\r\n";
    game.MoveTo(ChoiceX, ChoiceY);
    game.Click();
    game.MoveTo(ContinueX, ContinueY);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1);
    ASSERT_EQ(g_currentLevel, level);
}

int ShippedLevels() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("levels/k1"))
        if (entry.path().filename().string().rfind("level", 0) == 0) ++count;
    return count;
}

TEST(Box1PlayTest, EveryShippedOrdinaryLevelIsSolvedByMouse) {
    GameDriver game;
    const int shipped = ShippedLevels();
    ASSERT_GE(shipped, 60);
    ASSERT_NO_FATAL_FAILURE(StartNewBox1Game(game));
    int played = 0;
    while (CurrentLevelInfo() && CurrentLevelInfo()->freeBuild != 1) {
        const int level = g_currentLevel;
        ASSERT_EQ(CurrentLevelInfo()->layout, 2) << "level " << level;
        game.Frame();
        ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
        ASSERT_EQ(g_levelDone, 1) << "level " << level << " is not solved by its picture";
        game.Frames(3);
        EXPECT_LT(g_layerColour, 0xFFFFFFFFu) << "the solved picture pulses";
        game.Click();
        ASSERT_EQ(g_currentLevel, level + 1);
        EXPECT_EQ(g_maxCompletedLevel, level);
        EXPECT_EQ(g_levelDone, 0);
        EXPECT_TRUE(std::filesystem::exists("save/k1/sk_" + std::to_string(level) + ".dat"));
        ++played;
        if (SampleLevels > 0 && played == SampleLevels) {
            ASSERT_NO_FATAL_FAILURE(ContinueAt(game, shipped - SampleLevels));
        }
    }
    // One free-construction level, the last, reached from its predecessor's next button.
    EXPECT_EQ(played, SampleLevels > 0 ? 2 * SampleLevels : shipped - 1);
    EXPECT_EQ(g_currentLevel, shipped);
    EXPECT_EQ(CurrentLevelInfo()->layout, 1);
}

TEST(Box1PlayTest, BackToMenuKeepsTheBoardForContinue) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartNewBox1Game(game));
    game.Frame();
    int row = 0, col = 0;
    ASSERT_TRUE(FindInPalette(g_box1Sample[0][0].figure, row, col));
    game.Drag(PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16, g_fieldRect.left + 16, g_fieldRect.top + 16);
    const int placed = g_box1Build[0][0].figure;
    ASSERT_GT(placed, 0);
    game.MoveTo(1250, 20);   // back to the menu
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);
    EXPECT_TRUE(std::filesystem::exists("k1.dat"));
    EXPECT_TRUE(std::filesystem::exists("save/k1/sk_1.dat"));
    g_box1Build[0][0] = CellRef{};
    game.MoveTo(ChoiceX, ChoiceY);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_NE(g_saveExists, 0);
    // Continue: the start screen's second banner.
    game.MoveTo(ContinueX, ContinueY);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_currentLevel, 1);
    EXPECT_EQ(g_box1Build[0][0].figure, placed);
}

TEST(Box1PlayTest, ScreenDrawsGridsButtonsAndTheLockedPalette) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartNewBox1Game(game));
    ASSERT_NE(g_sprite, nullptr);
    game.Frame();
    const plat::Texture* pen = SurfaceTexture(SurfacePen);
    const plat::Texture* figures = SurfaceTexture(SurfaceBox1Figures);
    const plat::Texture* sheet = SurfaceTexture(SurfaceMain);
    int dots = 0, prevButton = 0, nextButton = 0, paletteFigures = 0;
    for (const auto& r : g_sprite->records()) {
        if (r.texture == pen && r.color == 0x99444444) ++dots;
        if (r.texture == sheet && (r.src.left == 1429 || r.src.left == 1460)) ++prevButton;
        if (r.texture == sheet && (r.src.left == 1365 || r.src.left == 1397)) ++nextButton;
        if (r.texture == figures && r.color == 0xFFFFFFFF) ++paletteFigures;
    }
    // Palette grid every 64 pixels, field and sample grids every 32 pixels, a dot every 2.
    const LevelInfo& info = *CurrentLevelInfo();
    auto gridDots = [](int w, int h, int step) { return (w / step - 1) * (h / 2 + 1) + (h / step - 1) * (w / 2 + 1); };
    const int expected = gridDots(1024, 192, 64) + gridDots(32 * info.buildCols, 32 * info.buildRows, 32) +
                         gridDots(32 * info.sampleCols, 32 * info.sampleRows, 32);
    EXPECT_EQ(dots, expected);
    EXPECT_EQ(prevButton, 0) << "level 1 has no previous level";
    EXPECT_EQ(nextButton, 1);
    EXPECT_GT(paletteFigures, 0);

    // Level 3 while only level 1 is completed: dark palette, nothing can be taken.
    g_maxCompletedLevel = 1;
    g_currentLevel = 3;
    loadlevels();
    game.Frame();
    int dark = 0;
    for (const auto& r : g_sprite->records())
        if (r.texture == figures && r.color == 0x55000000) ++dark;
    EXPECT_GT(dark, 0);
    EXPECT_EQ(g_levelLocked, 1);
    int row = 0, col = 0;
    ASSERT_TRUE(FindInPalette(g_box1Sample[0][0].figure, row, col));
    game.Drag(PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16, g_fieldRect.left + 16, g_fieldRect.top + 16);
    EXPECT_EQ(g_box1Build[0][0].figure, 0);
}

}  // namespace
