// Box 2 played with clicks alone: each figure is clicked up from the palette and clicked
// down onto its cell, and no frame ends with the button held.
#include <gtest/gtest.h>

#include "box2/box2_board.h"
#include "core/game_state.h"
#include "game_driver.h"
#include "platform/input.h"

namespace {

bool LeftHeld() { return plat::InputSource::Get().button(0); }

TEST(ClickPlayTest, Box2LevelSolvedWithClicksOnly) {
    GameDriver game;
    game.MoveTo(860, 500);
    game.Click();
    game.MoveTo(500, 220);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox2);
    game.Frame();
    const LevelInfo info = *CurrentLevelInfo();
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < info.sampleRows; ++r)
            for (int c = 0; c < info.sampleCols; ++c) {
                const LayerCell s = g_sampleLayers[k][r][c];
                if (s.figure <= 0 || s.originCol != c || s.originRow != r) continue;
                int pr = -1, pc = -1;
                for (int i = 0; i < PaletteRows && pr < 0; ++i)
                    for (int j = 0; j < PaletteCols && pr < 0; ++j) {
                        const CellRef& cell = g_paletteCells[i][j];
                        if (cell.figure == s.figure && cell.originCol == j && cell.originRow == i &&
                            g_paletteCounts[i][j] != 0) {
                            pr = i;
                            pc = j;
                        }
                    }
                ASSERT_GE(pr, 0) << "figure " << s.figure;
                game.MoveTo(pc * 16 + 9, pr * 16 + 713);
                game.Click();
                game.Frame();
                ASSERT_EQ(g_drag.state, DragHeld);
                ASSERT_EQ(g_drag.figure, s.figure);
                game.MoveTo(g_fieldRect.left + 16 * c + 8, g_fieldRect.top + 16 * r + 8);
                game.Click();
                game.Frames(2);
                ASSERT_FALSE(LeftHeld());
                ASSERT_EQ(g_buildLayers[k][r][c].figure, s.figure) << r << "," << c;
                ASSERT_EQ(g_drag.figure, 0);
            }
    EXPECT_EQ(g_levelDone, 1);
}

}  // namespace
