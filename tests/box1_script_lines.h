#pragma once
// Script lines that play a box 1 level of a runner's folder by mouse, worked out in-process
// from the level file: one drag from the palette for each figure of the sample.
#include <string>

#include "core/game_state.h"
#include "core/tables.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "game_runner.h"

// Drag lines that build the sample of the level loaded in-process, from its palette.
inline std::string BuildLines() {
    const LevelInfo& info = g_levelInfo[g_currentLevel];
    const int left = 608 - 32 * info.buildCols, top = 415 - 16 * info.buildRows;
    int used[PaletteRows][PaletteCols] = {};
    std::string lines;
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c) {
            const CellRef& target = g_box1Sample[r][c];
            if (target.figure == 0 || target.originCol != c || target.originRow != r) continue;
            for (int i = 0; i < PaletteRows; ++i)
                for (int j = 0; j < PaletteCols; ++j)
                    if (g_box1PaletteIds[i][j] == target.figure && used[i][j] < g_box1PaletteCounts[i][j]) {
                        ++used[i][j];
                        lines += DragScript(128 + 32 * j + 16, 831 + 32 * i + 16, left + 32 * c + 16, top + 32 * r + 16);
                        i = PaletteRows;
                        break;
                    }
        }
    return lines;
}

// Drag lines that build the sample of one level of the runner's folder, loaded in-process.
inline std::string LevelBuildLines(const GameRunner& runner, int level) {
    FillFigureTables();
    g_levelPathPrefix = runner.Path("levels/k1/level");
    g_currentLevel = level;
    loadlevels();
    return BuildLines();
}

