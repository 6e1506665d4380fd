// Where the first box 2 palette figure with copies left lies (virtual units, its origin cell).
#include "box2/box2_board.h"

bool FirstPaletteFigureBox2(int& x, int& y) {
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const CellRef& cell = g_paletteCells[r][c];
            if (cell.figure > 0 && cell.originCol == c && cell.originRow == r && g_paletteCounts[r][c] != 0) {
                x = PaletteLeft2 + Box2Cell * c + Box2Cell / 2;
                y = PaletteTop2 + Box2Cell * r + Box2Cell / 2;
                return true;
            }
        }
    return false;
}
