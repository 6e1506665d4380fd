// Box 2 in the real program: a scripted headless run starts a new game from the menu and
// builds level 1 by mouse until it is solved; a click then brings level 2.
#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"
#include "core/tables.h"
#include "box2/box2.h"
#include "box2/box2_board.h"
#include "game_runner.h"

namespace {

// Drags for every sample origin of the level loaded in-process, layer by layer, each from a
// palette cell with copies left. Aiming at a cell centre keeps a one-short landing inside it.
std::string BuildLines() {
    const LevelInfo& info = g_levelInfo[g_currentLevel];
    const int left = 624 - 16 * info.buildCols, top = 365 - 8 * info.buildRows;
    int used[PaletteRows][PaletteCols] = {};
    std::string lines;
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < info.sampleRows; ++r)
            for (int c = 0; c < info.sampleCols; ++c) {
                const LayerCell& s = g_sampleLayers[k][r][c];
                if (s.figure <= 0 || s.originCol != c || s.originRow != r) continue;
                bool found = false;
                for (int i = 0; i < PaletteRows && !found; ++i)
                    for (int j = 0; j < PaletteCols && !found; ++j) {
                        const CellRef& p = g_paletteCells[i][j];
                        const int copies = g_paletteCounts[i][j];
                        if (p.figure != s.figure || p.originCol != j || p.originRow != i) continue;
                        if (copies != 255 && used[i][j] >= copies) continue;
                        ++used[i][j];
                        found = true;
                        lines += DragScript(j * 16 + 1 + 8, i * 16 + 705 + 8, left + 16 * c + 8, top + 16 * r + 8);
                    }
                EXPECT_TRUE(found) << "figure " << s.figure << " is not in the palette";
            }
    return lines;
}

TEST(Box2ScriptTest, NewGameLevelOneByMouseToLevelTwo) {
    GameRunner runner;
    FillFigureTables();
    g_levelPathPrefix = runner.Path("levels/k2/level");
    g_currentLevel = 1;
    loadlevels2();
    const std::string level1 = BuildLines();
    ASSERT_FALSE(level1.empty());

    const std::string script = "frames 3\nclick\nmove 860 500\nclick\nexpect g_screenState 4\nmove 500 220\nclick\n"
                               "expect g_screenState 2\nexpect g_currentLevel 1\nframes 2\n" +
                               level1 +
                               "expect g_levelDone 1\nframes 10\nscreenshot solved.png\nmove 640 690\nclick\nframes 2\n"
                               "expect g_currentLevel 2\nexpect g_maxCompletedLevel 1\nexpect g_levelDone 0\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_TRUE(runner.Exists("solved.png"));
    EXPECT_TRUE(runner.Exists("profiles/1/save/k2/sk_1.dat"));
}

}  // namespace
