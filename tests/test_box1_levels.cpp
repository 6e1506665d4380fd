// The shipped box 1 levels as the game reads them: every file passes the real loader, one
// free-construction level comes last, and the measured difficulty rises as the docs say.
#include <gtest/gtest.h>


#include "box1/box1.h"
#include "box1/box1_board.h"
#include "core/game_state.h"
#include "game_driver.h"
#include "level_curve_check.h"

namespace {

void FromBoard(ShippedLevel& level) {
    const LevelInfo& info = *CurrentLevelInfo();
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c) {
            const CellRef& cell = g_box1Sample[r][c];
            if (cell.figure > 0 && cell.originCol == c && cell.originRow == r)
                level.sample.push_back({cell.figure, 1, c, r, Box1FigureCols(cell.figure), Box1FigureRows(cell.figure)});
        }
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (g_box1PaletteIds[i][j] > 0) level.palette.push_back({g_box1PaletteIds[i][j], g_box1PaletteCounts[i][j]});
}

}  // namespace

TEST(Box1Levels, ShippedLevelsLoadAndTheirCurveRises) {
    GameDriver game;
    const std::vector<ShippedLevel> ordinary = LoadShippedLevels("k1", 100, loadlevels, FromBoard);
    for (const ShippedLevel& level : ordinary) EXPECT_GT(level.measure.figures, 0) << "level " << level.number;
    ExpectCurveHolds(ordinary);
    ExpectPicturesDiffer(ordinary);
    ExpectDocTableMatches(std::string(STROYLIK_SOURCE_DIR) + "/docs/levels.md", ordinary, 1);
}
