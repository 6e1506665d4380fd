#pragma once
// Building a box 1 picture through the real mouse path: every sample figure is dragged from
// the palette to its cell of the build field.
#include <gtest/gtest.h>

#include "box1/box1_board.h"
#include "core/game_state.h"
#include "game_driver.h"

// The palette cell (origin) that still offers figure id, or false.
inline bool FindInPalette(int id, int& row, int& col) {
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            const CellRef& cell = g_box1PaletteCells[i][j];
            if (cell.figure == id && cell.originCol == j && cell.originRow == i && g_box1PaletteCounts[i][j] > 0) {
                row = i;
                col = j;
                return true;
            }
        }
    return false;
}

// Drags every figure of the sample to its place.
inline void BuildThePicture(GameDriver& game) {
    const LevelInfo& info = *CurrentLevelInfo();
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c) {
            const CellRef& target = g_box1Sample[r][c];
            if (target.figure == 0 || target.originCol != c || target.originRow != r) continue;
            int row = 0, col = 0;
            ASSERT_TRUE(FindInPalette(target.figure, row, col))
                << "level " << g_currentLevel << ": no copy of figure " << target.figure << " left";
            game.Drag(PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16, g_fieldRect.left + 32 * c + 16,
                      g_fieldRect.top + 32 * r + 16);
            ASSERT_EQ(g_box1Build[r][c].figure, target.figure) << "level " << g_currentLevel;
            ASSERT_EQ(g_box1Build[r][c].originCol, c);
            ASSERT_EQ(g_drag.figure, 0) << "nothing in hand or in flight";
        }
}
