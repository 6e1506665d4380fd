// The box 1 "show me" hint through the real game: asked with H and the lamp button, shown
// after an idle half minute, none on a free level, and never touching the board.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1_mouse.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "core/settings.h"
#include "hint_probe.h"
#include "render/graphics.h"
#include "render/hint_art.h"
#include "render/texture_catalog.h"

namespace {

std::vector<char> Board() {
    return Bytes({{g_box1Build, sizeof g_box1Build},
                  {g_box1PaletteCells, sizeof g_box1PaletteCells},
                  {g_box1PaletteCounts, sizeof g_box1PaletteCounts},
                  {&g_drag.figure, sizeof g_drag.figure}});
}

int DrawsFromMainSheet(int srcLeft, int srcTop) {
    int n = 0;
    for (const auto& r : g_sprite->records())
        n += r.texture == SurfaceTexture(SurfaceMain) && r.src.left == srcLeft && r.src.top == srcTop;
    return n;
}

void StartBox1(GameDriver& game) {
    game.MoveTo(380, 320);   // the box on the main menu, then new game
    game.Click();
    game.MoveTo(500, 220);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1);
    game.Frame();
}

// The first sample origin in reading order.
void FirstSampleFigure(int& row, int& col, int& figure) {
    for (row = 0; row < CurrentLevelInfo()->sampleRows; ++row)
        for (col = 0; col < CurrentLevelInfo()->sampleCols; ++col) {
            const CellRef& s = g_box1Sample[row][col];
            if ((figure = s.figure) > 0 && s.originCol == col && s.originRow == row) return;
        }
    FAIL() << "the sample is empty";
}

void DragOnto(GameDriver& game, int prow, int pcol, int row, int col) {
    game.Drag(PaletteLeft + 32 * pcol + 16, PaletteTop + 32 * prow + 16, g_fieldRect.left + 32 * col + 16,
              g_fieldRect.top + 32 * row + 16);
    for (int i = 0; i < 300 && g_drag.figure != 0; ++i) game.Frame();   // one that does not fit flies home
}

// Steps 1 to 3 show for the same figure; the board stays as it was and the hand loops.
TEST(Hint, ThreeStepsForTheSampleFirstFigureLeaveTheBoardAlone) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox1(game));
    int row = 0, col = 0, figure = 0, prow = 0, pcol = 0;
    ASSERT_NO_FATAL_FAILURE(FirstSampleFigure(row, col, figure));
    ASSERT_TRUE(FindInPalette(figure, prow, pcol));
    const std::vector<char> board = Board();
    EXPECT_EQ(DrawsFromMainSheet(HintSheetLeft(false), HintSheetY), 1) << "the lamp button is shown";

    PressH(game);
    EXPECT_EQ(Hint("step"), 1);
    EXPECT_EQ(Hint("figure"), figure);
    EXPECT_EQ(Hint("fromX"), PaletteLeft + 32 * pcol);
    EXPECT_EQ(Hint("fromY"), PaletteTop + 32 * prow);
    EXPECT_EQ(Hint("toX"), g_fieldRect.left + 32 * col);
    EXPECT_EQ(Hint("toY"), g_fieldRect.top + 32 * row);
    EXPECT_EQ(Board(), board);

    game.MoveTo(HintButtonX + 22, HintButtonY + 22);   // the lamp button asks as H does
    game.Frame();
    EXPECT_EQ(DrawsFromMainSheet(HintSheetLeft(true), HintSheetY), 1) << "lit under the pointer";
    game.Click();
    EXPECT_EQ(Hint("step"), 2);
    EXPECT_EQ(Board(), board);

    PressH(game);
    PressH(game);   // the ladder ends at 3
    EXPECT_EQ(Hint("step"), 3);
    EXPECT_EQ(Hint("figure"), figure);
    bool atStart = false, atPlace = false;
    int handDrawn = 0;
    // Read once: a whole state dump a frame is most of this test's time under the sanitizers.
    const int fromX = Hint("fromX"), fromY = Hint("fromY"), toX = Hint("toX"), toY = Hint("toY");
    for (int i = 0; i < 5 * FramesPerSecond; ++i) {
        game.Frame();
        atStart |= g_hint.ghostX == fromX && g_hint.ghostY == fromY;
        atPlace |= g_hint.ghostX == toX && g_hint.ghostY == toY;
        handDrawn += DrawsFromMainSheet(HandSheetX, HandSheetY);
    }
    EXPECT_TRUE(atStart && atPlace) << "the copy travels from the palette to its place, again and again";
    EXPECT_EQ(handDrawn, 5 * FramesPerSecond);
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(g_levelDone, 0);

    DragOnto(game, prow, pcol, row, col);   // the child's own move takes the hint away
    EXPECT_EQ(g_box1Build[row][col].figure, figure);
    EXPECT_EQ(Hint("step"), 0);
    EXPECT_EQ(Hint("figure"), 0);
}

TEST(Hint, AWrongFigureOnThePlaceIsShownGoingHomeFirst) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox1(game));
    int row = 0, col = 0, figure = 0, wrong = 0;
    ASSERT_NO_FATAL_FAILURE(FirstSampleFigure(row, col, figure));
    for (int id = 1, prow = 0, pcol = 0; id <= MaxBox1Figure && wrong == 0; ++id)
        if (id != figure && FindInPalette(id, prow, pcol)) {
            DragOnto(game, prow, pcol, row, col);
            if (g_box1Build[row][col].figure == id) wrong = id;
        }
    ASSERT_GT(wrong, 0) << "some other palette figure fits on the first place";
    int homeX = 0, homeY = 0;   // the last palette cell that lists it
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (g_box1PaletteIds[i][j] == wrong) homeX = PaletteLeft + 32 * j, homeY = PaletteTop + 32 * i;
    const std::vector<char> board = Board();
    for (int step = 1; step <= 3; ++step) PressH(game);
    game.Frames(FramesPerSecond);
    EXPECT_EQ(Hint("step"), 3);
    EXPECT_EQ(Hint("figure"), wrong);
    EXPECT_EQ(Hint("fromX"), g_fieldRect.left + 32 * col);
    EXPECT_EQ(Hint("fromY"), g_fieldRect.top + 32 * row);
    EXPECT_EQ(Hint("toX"), homeX);
    EXPECT_EQ(Hint("toY"), homeY);
    EXPECT_EQ(Board(), board);
}

// Half a minute of the fixed clock without input brings step 1, and no more however long;
// the settings file can turn that off; a free level shows no hint at all.
TEST(Hint, IdleHalfMinuteShowsTheFirstStepOnlyAndFreeLevelsNone) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox1(game));
    const std::vector<char> board = Board();
    game.Frames(20 * FramesPerSecond);
    game.MoveTo(g_cursorX + 40, g_cursorY);   // input starts the half minute again
    game.Frames(20 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 0);
    game.Frames(11 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 1);
    EXPECT_GT(Hint("figure"), 0);
    game.Frames(45 * FramesPerSecond);   // longer than the half minute again: still the first step
    EXPECT_EQ(Hint("step"), 1);
    EXPECT_EQ(Board(), board);
    EXPECT_EQ(g_levelDone, 0);

    const std::string path = game.dir() + "/settings.ini";
    std::string message;
    std::ofstream(path) << "hint_after_seconds = 99999\n";
    EXPECT_FALSE(LoadSettings(path, g_settings, message));
    EXPECT_NE(message.find("hint_after_seconds"), std::string::npos) << message;
    EXPECT_EQ(g_settings.hintAfterSeconds, 30);
    std::ofstream(path) << "hint_after_seconds = 0\n";
    ASSERT_TRUE(LoadSettings(path, g_settings, message)) << message;
    loadlevels();
    game.Frames(40 * FramesPerSecond);
    EXPECT_EQ(Hint("step"), 0);

    int last = 1;
    while (std::filesystem::exists("levels/k1/level" + std::to_string(last + 1) + ".ini")) ++last;
    g_maxCompletedLevel = last - 1;
    g_currentLevel = last;
    loadlevels();
    PressH(game);
    ASSERT_EQ(CurrentLevelInfo()->freeBuild, 1);
    EXPECT_EQ(Hint("step"), 0);
    EXPECT_EQ(DrawsFromMainSheet(HintSheetLeft(false), HintSheetY), 0) << "no lamp button";
}

}  // namespace
