// The "show me" hint through the real game: asked with H and the lamp button, shown after
// an idle half minute, and never touching the board.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1_mouse.h"
#include "box2/box2_board.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "core/settings.h"
#include "core/state_dump.h"
#include "game_driver.h"
#include "platform/input.h"
#include "render/graphics.h"
#include "render/hint_art.h"
#include "render/texture_catalog.h"

namespace {

constexpr int FramesPerSecond = 1000 / 16;   // the driver's fixed clock steps 16 ms a frame

int Hint(const char* field) {
    std::string value;
    EXPECT_TRUE(BuildStateDump().Lookup(std::string("hint.") + field, value)) << field;
    return std::atoi(value.c_str());
}

void PressH(GameDriver& game) {
    game.Key(plat::DIK::H, true);
    game.Frame();
    game.Key(plat::DIK::H, false);
    game.Frame();
}

// Every byte of a board, to see that showing a hint leaves it as it was.
std::vector<char> Box1Board() {
    std::vector<char> bytes;
    auto add = [&](const void* p, size_t n) { bytes.insert(bytes.end(), (const char*)p, (const char*)p + n); };
    add(g_box1Build, sizeof g_box1Build);
    add(g_box1PaletteCells, sizeof g_box1PaletteCells);
    add(g_box1PaletteCounts, sizeof g_box1PaletteCounts);
    add(&g_drag, sizeof g_drag);
    return bytes;
}

std::vector<char> Box2Board() {
    std::vector<char> bytes;
    auto add = [&](const void* p, size_t n) { bytes.insert(bytes.end(), (const char*)p, (const char*)p + n); };
    add(g_buildLayers, sizeof g_buildLayers);
    add(g_paletteCells, sizeof g_paletteCells);
    add(g_paletteCounts, sizeof g_paletteCounts);
    add(g_pixelMask, sizeof g_pixelMask);
    add(&g_drag, sizeof g_drag);
    return bytes;
}

int DrawsFromMainSheet(int srcLeft, int srcTop) {
    int n = 0;
    for (const auto& r : g_sprite->records())
        if (r.texture == SurfaceTexture(SurfaceMain) && r.src.left == srcLeft && r.src.top == srcTop) ++n;
    return n;
}

void StartBox(GameDriver& game, int box) {
    game.MoveTo(box == 1 ? 380 : 860, box == 1 ? 320 : 500);   // the box on the main menu
    game.Click();
    game.MoveTo(500, 220);                                      // new game
    game.Click();
    ASSERT_EQ(g_screenState, box == 1 ? ScreenBox1 : ScreenBox2);
    game.Frame();
}

// The first sample origin in reading order: (row, col, figure).
void FirstBox1SampleFigure(int& row, int& col, int& figure) {
    const LevelInfo& info = *CurrentLevelInfo();
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c) {
            const CellRef& s = g_box1Sample[r][c];
            if (s.figure > 0 && s.originCol == c && s.originRow == r) {
                row = r, col = c, figure = s.figure;
                return;
            }
        }
    FAIL() << "the sample is empty";
}

// Steps 1 to 3 show for the same figure; the board stays as it was and the hand loops.
TEST(Hint, ThreeStepsForTheSampleFirstFigureLeaveTheBox1BoardAlone) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox(game, 1));
    int row = 0, col = 0, figure = 0, prow = 0, pcol = 0;
    ASSERT_NO_FATAL_FAILURE(FirstBox1SampleFigure(row, col, figure));
    ASSERT_TRUE(FindInPalette(figure, prow, pcol));
    const std::vector<char> board = Box1Board();
    EXPECT_EQ(Hint("step"), 0);
    EXPECT_EQ(DrawsFromMainSheet(HintSheetLeft(false), HintSheetY), 1) << "the lamp button is shown";

    PressH(game);
    EXPECT_EQ(Hint("step"), 1);
    EXPECT_EQ(Hint("figure"), figure);
    EXPECT_EQ(Hint("fromX"), PaletteLeft + 32 * pcol);
    EXPECT_EQ(Hint("fromY"), PaletteTop + 32 * prow);
    EXPECT_EQ(Hint("toX"), g_fieldRect.left + 32 * col);
    EXPECT_EQ(Hint("toY"), g_fieldRect.top + 32 * row);
    EXPECT_EQ(Box1Board(), board);

    game.MoveTo(HintButtonX + 22, HintButtonY + 22);   // the lamp button asks as H does
    game.Frame();
    EXPECT_EQ(DrawsFromMainSheet(HintSheetLeft(true), HintSheetY), 1) << "lit under the pointer";
    game.Click();
    game.Frame();
    EXPECT_EQ(Hint("step"), 2);
    EXPECT_EQ(Box1Board(), board);

    PressH(game);
    PressH(game);   // the ladder ends at 3
    EXPECT_EQ(Hint("step"), 3);
    EXPECT_EQ(Hint("figure"), figure);
    bool atStart = false, atPlace = false;
    for (int i = 0; i < 5 * FramesPerSecond; ++i) {
        game.Frame();
        atStart |= g_hint.ghostX == Hint("fromX") && g_hint.ghostY == Hint("fromY");
        atPlace |= g_hint.ghostX == Hint("toX") && g_hint.ghostY == Hint("toY");
        if (i == 40) EXPECT_EQ(DrawsFromMainSheet(HandSheetX, HandSheetY), 1) << "the hand carries the copy";
    }
    EXPECT_TRUE(atStart && atPlace) << "the copy travels from the palette to its place, again and again";
    EXPECT_EQ(Box1Board(), board);
    EXPECT_EQ(g_levelDone, 0);

    // The child's own move takes the hint away.
    game.Drag(PaletteLeft + 32 * pcol + 16, PaletteTop + 32 * prow + 16, g_fieldRect.left + 32 * col + 16,
              g_fieldRect.top + 32 * row + 16);
    EXPECT_EQ(g_box1Build[row][col].figure, figure);
    EXPECT_EQ(Hint("step"), 0);
    EXPECT_EQ(Hint("figure"), 0);
}

TEST(Hint, AWrongFigureOnThePlaceIsShownGoingHomeFirst) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox(game, 1));
    int row = 0, col = 0, figure = 0;
    ASSERT_NO_FATAL_FAILURE(FirstBox1SampleFigure(row, col, figure));
    int wrong = 0;
    for (int id = 1; id <= MaxBox1Figure && wrong == 0; ++id) {
        int prow = 0, pcol = 0;
        if (id == figure || !FindInPalette(id, prow, pcol)) continue;
        game.Drag(PaletteLeft + 32 * pcol + 16, PaletteTop + 32 * prow + 16, g_fieldRect.left + 32 * col + 16,
                  g_fieldRect.top + 32 * row + 16);
        for (int i = 0; i < 300 && g_drag.figure != 0; ++i) game.Frame();   // one that does not fit flies home
        if (g_box1Build[row][col].figure == id) wrong = id;
    }
    ASSERT_GT(wrong, 0) << "some other palette figure fits on the first place";
    int homeX = 0, homeY = 0;
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (g_box1PaletteIds[i][j] == wrong) homeX = PaletteLeft + 32 * j, homeY = PaletteTop + 32 * i;
    const std::vector<char> board = Box1Board();
    PressH(game);
    PressH(game);
    PressH(game);
    EXPECT_EQ(Hint("step"), 3);
    EXPECT_EQ(Hint("figure"), wrong);
    EXPECT_EQ(Hint("fromX"), g_fieldRect.left + 32 * col);
    EXPECT_EQ(Hint("fromY"), g_fieldRect.top + 32 * row);
    EXPECT_EQ(Hint("toX"), homeX);
    EXPECT_EQ(Hint("toY"), homeY);
    game.Frames(FramesPerSecond);
    EXPECT_EQ(Box1Board(), board);
}

TEST(Hint, Box2PointsAtTheLowestLayerFirstAndLeavesTheBoardAlone) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox(game, 2));
    const LevelInfo& info = *CurrentLevelInfo();
    int layer = -1, row = 0, col = 0;
    for (int k = 0; k < LayerCount && layer < 0; ++k)
        for (int r = 0; r < info.sampleRows && layer < 0; ++r)
            for (int c = 0; c < info.sampleCols && layer < 0; ++c) {
                const LayerCell& s = g_sampleLayers[k][r][c];
                if (s.figure > 0 && s.originCol == c && s.originRow == r) layer = k, row = r, col = c;
            }
    ASSERT_GE(layer, 0);
    const int figure = g_sampleLayers[layer][row][col].figure;
    const std::vector<char> board = Box2Board();
    for (int step = 1; step <= 3; ++step) {
        PressH(game);
        EXPECT_EQ(Hint("step"), step);
    }
    game.Frames(3 * FramesPerSecond);
    EXPECT_EQ(Hint("figure"), figure);
    EXPECT_EQ(Hint("toX"), g_fieldRect.left + 16 * col);
    EXPECT_EQ(Hint("toY"), g_fieldRect.top + 16 * row);
    const int pcol = (Hint("fromX") - PaletteLeft2) / 16, prow = (Hint("fromY") - PaletteTop2) / 16;
    ASSERT_TRUE(prow >= 0 && prow < PaletteRows && pcol >= 0 && pcol < PaletteCols);
    EXPECT_EQ(g_paletteCells[prow][pcol].figure, figure) << "taken from where the palette offers it";
    EXPECT_EQ(Box2Board(), board);
    EXPECT_EQ(g_levelDone, 0);
}

// Half a minute of the fixed clock without input brings step 1, and no more however long.
TEST(Hint, IdleHalfMinuteShowsTheFirstStepAndNeverSolvesAnything) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox(game, 1));
    const std::vector<char> board = Box1Board();
    game.Frames(20 * FramesPerSecond);
    game.MoveTo(g_cursorX + 40, g_cursorY);   // input starts the half minute again
    game.Frames(20 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 0);
    game.Frames(11 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 1);
    EXPECT_GT(Hint("figure"), 0);
    game.Frames(120 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 1);
    EXPECT_EQ(Box1Board(), board);
    EXPECT_EQ(g_levelDone, 0);
}

TEST(Hint, ZeroSecondsInTheSettingsFileTurnsTheIdleHintOff) {
    GameDriver game;
    const std::string path = game.dir() + "/settings.ini";
    std::ofstream(path) << "hint_after_seconds = 0\n";
    std::string message;
    ASSERT_TRUE(LoadSettings(path, g_settings, message)) << message;
    EXPECT_EQ(g_settings.hintAfterSeconds, 0);
    std::ofstream(path) << "hint_after_seconds = 99999\n";
    Settings bad;
    EXPECT_FALSE(LoadSettings(path, bad, message));
    EXPECT_NE(message.find("hint_after_seconds"), std::string::npos) << message;
    EXPECT_EQ(bad.hintAfterSeconds, 30);

    ASSERT_NO_FATAL_FAILURE(StartBox(game, 1));
    game.Frames(40 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 0);
    PressH(game);
    EXPECT_EQ(Hint("step"), 1) << "asking still works";
}

TEST(Hint, FreeConstructionLevelsShowNone) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox(game, 1));
    int last = 1;
    while (std::filesystem::exists("levels/k1/level" + std::to_string(last + 1) + ".ini")) ++last;
    g_maxCompletedLevel = last - 1;
    g_currentLevel = last;
    loadlevels();
    game.Frame();
    ASSERT_EQ(CurrentLevelInfo()->freeBuild, 1);
    PressH(game);
    game.Frames(31 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 0);
    EXPECT_EQ(DrawsFromMainSheet(HintSheetLeft(false), HintSheetY), 0) << "no lamp button";
}

}  // namespace
