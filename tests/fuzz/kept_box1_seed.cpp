// A box 1 level kept by the game's keep button, as a seed of the box 1 level fuzzer: its own
// file, since the box 1 board's names clash with box 2's of the other seeds.
#include <fstream>
#include <iterator>
#include <string>

#include "box1/box1.h"
#include "box1/box1_board.h"
#include "core/keep_result.h"
#include "core/my_levels.h"

// The free level with two figures of its palette on the field, kept; returns the file's text.
std::string KeptBox1Level(const std::string& levelPrefix) {
    g_levelPathPrefix = levelPrefix;
    g_currentLevel = MaxLevel;
    g_screenState = ScreenBox1;
    loadlevels();
    int placed = 0;
    for (int i = 0; i < PaletteRows && placed < 2; ++i)
        for (int j = 0; j < PaletteCols && placed < 2; ++j)
            if (g_box1PaletteIds[i][j] > 0) CoverFieldCells(g_box1Build, g_box1PaletteIds[i][j], 2, 1 + 5 * placed++);
    KeepBox1Board();
    std::ifstream in(MyLevelsFolder(1) + "/" + KeptFileName(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
