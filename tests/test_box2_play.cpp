// The shipped box 2 game: every ordinary level played through the real mouse path, and the
// shipped shapes checked against the figure table.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/game_state.h"
#include "core/tables.h"
#include "box2/box2_board.h"
#include "box2_mouse.h"
#include "game_driver.h"
#include "hint_probe.h"
#include "platform/image.h"
#include "platform/input.h"

namespace {

using box2mouse::BuildThePicture;

void StartNewBox2Game(GameDriver& game) {
    game.MoveTo(860, 500);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox2Start);
    game.MoveTo(500, 220);   // the new-game banner
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox2);
    ASSERT_EQ(g_currentLevel, 1);
}

bool SomeFigureIsUsedUp() {
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c)
            if (g_paletteIds[r][c] > 0 && g_paletteCounts[r][c] == 0) return true;
    return false;
}

}  // namespace

// The sanitizer build, where a level takes some twenty times as long, plays the first three
// levels of each stretch and the last three of the box; the normal build plays them all.
#ifdef STROYLIK_SANITIZED_BUILD
constexpr int SampleLevels = 3;
#else
constexpr int SampleLevels = 0;
#endif

// Plays levels first..last (0: up to the free level) by mouse. A later stretch starts as a
// player who has solved everything before it: the position file, then "continue". The box
// is played in stretches so that ctest runs them side by side.
static void PlayStretch(int first, int last) {
    if (SampleLevels > 0 && last > 0) last = std::min(last, first + SampleLevels - 1);
    if (SampleLevels > 0 && last == 0) first = MaxLevel - SampleLevels;
    GameDriver game;
    if (first > 1) {
        std::ofstream("k2.dat", std::ios::binary) << first << "\r\n" << first - 1 << "\r\n";
        std::ofstream("save/k2/sk_1.dat");   // "continue" is offered once level 1 has a save
    }
    game.MoveTo(860, 500);   // main menu: box 2
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox2Start);
    game.MoveTo(500, first > 1 ? 550 : 220);   // the continue or the new-game banner
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox2);
    ASSERT_EQ(g_currentLevel, first);

    int solved = 0;
    while (true) {
        const LevelInfo* info = CurrentLevelInfo();
        ASSERT_NE(info, nullptr);
        if (!std::filesystem::exists("levels/k2/level" + std::to_string(g_currentLevel) + ".ini")) break;
        if (info->freeBuild == 1 || (last > 0 && g_currentLevel > last)) break;
        ASSERT_EQ(info->layout, 2) << "level " << g_currentLevel;
        const int level = g_currentLevel;
        ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
        ASSERT_EQ(g_levelDone, 1) << "level " << level;
        game.MoveTo(640, 690);
        game.Click();
        game.Frame();
        ASSERT_EQ(g_currentLevel, level + 1);
        EXPECT_EQ(g_maxCompletedLevel, level);
        EXPECT_TRUE(std::filesystem::exists("save/k2/sk_" + std::to_string(level) + ".dat"));
        ++solved;
    }
    if (last > 0) {
        EXPECT_EQ(solved, last - first + 1);
        return;
    }
    EXPECT_GE(first + solved - 1, 99);
    // One free-construction level, the last, reached from its predecessor's next button.
    ASSERT_NE(CurrentLevelInfo(), nullptr);
    EXPECT_EQ(CurrentLevelInfo()->freeBuild, 1);
    EXPECT_EQ(g_currentLevel, first + solved);
    EXPECT_FALSE(std::filesystem::exists("levels/k2/level" + std::to_string(g_currentLevel + 1) + ".ini"));
}


TEST(Box2Play, LevelsOneToFortyAreSolvedByMouse) { PlayStretch(1, 40); }
TEST(Box2Play, LevelsFortyOneToSixtyFiveAreSolvedByMouse) { PlayStretch(41, 65); }
TEST(Box2Play, LevelsSixtySixToEightyTwoAreSolvedByMouse) { PlayStretch(66, 82); }
TEST(Box2Play, TheLastLevelsAreSolvedByMouseAndLeadToTheFreeOne) { PlayStretch(83, 0); }

// A picture built with every copy of a figure, exported with S, is a level that the same
// moves solve again: the used-up figure keeps its id and the copies on the field are counted.
TEST(Box2Play, AnExportOfASolvedLevelIsSolvedByMouse) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartNewBox2Game(game));
    while (true) {
        ASSERT_NE(CurrentLevelInfo(), nullptr);
        ASSERT_NE(CurrentLevelInfo()->freeBuild, 1) << "no shipped level uses up a figure";
        ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
        ASSERT_EQ(g_levelDone, 1);
        if (SomeFigureIsUsedUp()) break;
        game.MoveTo(640, 690);
        game.Click();
        game.Frame();
    }
    const int level = g_currentLevel;
    game.Key(plat::DIK::S, true);
    game.Frame();
    game.Key(plat::DIK::S, false);
    game.Frame();
    ASSERT_TRUE(std::filesystem::exists("levels/k2/Help_Save.ini"));
    // The export becomes this level's file; the restart button throws the board away and loads it.
    std::filesystem::copy_file("levels/k2/Help_Save.ini", "levels/k2/level" + std::to_string(level) + ".ini",
                               std::filesystem::copy_options::overwrite_existing);
    game.MoveTo(1001, 20);
    game.Click();
    game.Frame();
    ASSERT_EQ(g_currentLevel, level);
    ASSERT_EQ(g_levelDone, 0);
    ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
    EXPECT_EQ(g_levelDone, 1);
}

TEST(Box2Play, ShippedShapesFollowTheirCellValues) {
    FillFigureTables();
    const std::string game = STROYLIK_GAME_DIR;
    plat::Image mask, sheet;
    std::string error;
    ASSERT_TRUE(plat::LoadImageFile(game + "/textures/detals_02_mask.dds", mask, error)) << error;
    ASSERT_TRUE(plat::LoadImageFile(game + "/textures/detals_02.png", sheet, error)) << error;
    EXPECT_GE(mask.width, 64);
    EXPECT_GE(mask.height, 1056);
    EXPECT_EQ(sheet.width, 512);
    EXPECT_EQ(sheet.height, 1024);
    for (int id = 1; id <= Box2FigureCount; ++id) {
        const Box2Figure& f = g_box2Figures[id];
        int cellPixels[4][4] = {};
        for (int py = 0; py < f.height; ++py)
            for (int px = 0; px < f.width; ++px) {
                const bool shape = ShapePixel(mask, f.maskRect, px, py);
                cellPixels[px / 16][py / 16] += shape;
                // The picture is transparent exactly where the shape is empty.
                const uint32_t texel = sheet.pixels[(f.spriteRect.y1 + py) * sheet.width + f.spriteRect.x1 + px];
                if (shape) {
                    EXPECT_GE(texel >> 24, 0x7Fu) << "figure " << id << " at " << px << "," << py;
                } else {
                    EXPECT_EQ(texel >> 24, 0u) << "figure " << id << " at " << px << "," << py;
                }
                // Everything but the blue byte of a shape pixel is 0.
                const uint32_t m = mask.pixels[(f.maskRect.y1 + py) * mask.width + f.maskRect.x1 + px];
                if (!shape) {
                    EXPECT_EQ(m, 0u);
                }
            }
        for (int c = 0; c < f.width / 16; ++c)
            for (int r = 0; r < f.height / 16; ++r)
                EXPECT_EQ(cellPixels[c][r] == 0, f.cellValues[c][r] == 0) << "figure " << id << " cell " << c << "," << r;
    }
}

// The hint points at the sample's first figure, lowest layer first, from where the palette
// offers it to its place; its three steps leave the board as it was.
TEST(Box2Play, TheHintShowsTheLowestLayerFirstAndLeavesTheBoardAlone) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartNewBox2Game(game));
    game.Frame();
    const LevelInfo& info = *CurrentLevelInfo();
    int layer = -1, row = 0, col = 0;
    for (int k = 0; k < LayerCount && layer < 0; ++k)
        for (int r = 0; r < info.sampleRows && layer < 0; ++r)
            for (int c = 0; c < info.sampleCols && layer < 0; ++c)
                if (g_sampleLayers[k][r][c].figure > 0 && g_sampleLayers[k][r][c].originCol == c &&
                    g_sampleLayers[k][r][c].originRow == r)
                    layer = k, row = r, col = c;
    ASSERT_GE(layer, 0);
    auto board = [] {
        return Bytes({{g_buildLayers, sizeof g_buildLayers}, {g_paletteCells, sizeof g_paletteCells},
                      {g_paletteCounts, sizeof g_paletteCounts}, {g_pixelMask, sizeof g_pixelMask}, {&g_drag.figure, sizeof g_drag.figure}});
    };
    const std::vector<char> before = board();
    for (int step = 1; step <= 3; ++step) {
        PressH(game);
        EXPECT_EQ(Hint("step"), step);
    }
    game.Frames(3 * FramesPerSecond);
    EXPECT_EQ(Hint("figure"), g_sampleLayers[layer][row][col].figure);
    EXPECT_EQ(Hint("toX"), g_fieldRect.left + 16 * col);
    EXPECT_EQ(Hint("toY"), g_fieldRect.top + 16 * row);
    const int pcol = (Hint("fromX") - PaletteLeft2) / 16, prow = (Hint("fromY") - PaletteTop2) / 16;
    ASSERT_TRUE(prow >= 0 && prow < PaletteRows && pcol >= 0 && pcol < PaletteCols);
    EXPECT_EQ(g_paletteCells[prow][pcol].figure, Hint("figure")) << "taken from where the palette offers it";
    EXPECT_EQ(board(), before);
    EXPECT_EQ(g_levelDone, 0);
}
