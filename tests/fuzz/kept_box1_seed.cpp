// Two figures on box 1's free level for the kept-puzzle seed: apart from make_fuzz_seeds.cpp,
// whose box 2 board names clash with box 1's.
#include "box1/box1_board.h"

void PlaceTwoBox1Figures() {
    int placed = 0;
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (g_box1PaletteIds[i][j] > 0 && placed < 2) CoverFieldCells(g_box1Build, g_box1PaletteIds[i][j], 2, 1 + 5 * placed++);
}
