// Where the first box 1 palette figure with copies left lies (virtual units, its centre cell).
#include "box1/box1_board.h"

bool FirstPaletteFigureBox1(int& x, int& y) {
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c)
            if (g_box1PaletteCells[r][c].figure > 0 && g_box1PaletteCounts[r][c] != 0) {
                x = PaletteLeft + CellSize * c + CellSize / 2;
                y = PaletteTop + CellSize * r + CellSize / 2;
                return true;
            }
    return false;
}
