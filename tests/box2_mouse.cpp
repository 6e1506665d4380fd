// Building a box 2 picture through the real mouse path (see box2_mouse.h).
#include "box2_mouse.h"

#include <gtest/gtest.h>

#include "box2/box2_board.h"
#include "core/game_state.h"

namespace box2mouse {

namespace {

// Where a figure lies in the palette with copies left (origin cell), or false.
bool FindInPalette(int figure, int& row, int& col) {
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const CellRef& cell = g_paletteCells[r][c];
            if (cell.figure == figure && cell.originCol == c && cell.originRow == r && g_paletteCounts[r][c] != 0) {
                row = r;
                col = c;
                return true;
            }
        }
    return false;
}

}  // namespace

// Every sample origin, layer by layer, dragged from its palette cell onto its cell.
void BuildThePicture(GameDriver& game) {
    const LevelInfo* info = CurrentLevelInfo();
    ASSERT_NE(info, nullptr);
    game.Frame();   // lays out the fields
    const int level = g_currentLevel;
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < info->sampleRows; ++r)
            for (int c = 0; c < info->sampleCols; ++c) {
                const LayerCell& s = g_sampleLayers[k][r][c];
                if (s.figure <= 0 || s.originCol != c || s.originRow != r) continue;
                int pr = 0, pc = 0;
                ASSERT_TRUE(FindInPalette(s.figure, pr, pc)) << "level " << level << " figure " << s.figure;
                game.Drag(pc * 16 + 1 + 8, pr * 16 + 705 + 8, g_fieldRect.left + 16 * c + 8, g_fieldRect.top + 16 * r + 8);
                ASSERT_EQ(g_buildLayers[k][r][c].figure, s.figure) << "level " << level << " at " << r << "," << c;
            }
}

}  // namespace box2mouse
