// The shipped box 2 levels as the game reads them: every file passes the real loader, one
// free-construction level comes last, the pictures are large enough to read, the first
// levels use one layer, and the measured difficulty rises as the docs say.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "box2/box2.h"
#include "box2/box2_board.h"
#include "core/game_state.h"
#include "game_driver.h"
#include "level_curve_check.h"

namespace {

constexpr int FirstLargeLevel = 4;
constexpr int MinPictureCols = 14, MinPictureRows = 12;
constexpr int OneLayerLevels = 3;
constexpr int SampleLeft = 656, ScreenWidth = 1280;

void FromBoard(ShippedLevel& level) {
    const LevelInfo& info = *CurrentLevelInfo();
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < info.sampleRows; ++r)
            for (int c = 0; c < info.sampleCols; ++c) {
                const LayerCell& cell = g_sampleLayers[k][r][c];
                if (cell.figure > 0 && cell.originCol == c && cell.originRow == r)
                    level.sample.push_back({cell.figure, k + 1, c, r, FigureCols(cell.figure), FigureRows(cell.figure)});
            }
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c)
            if (g_paletteIds[r][c] > 0) level.palette.push_back({g_paletteIds[r][c], g_paletteCounts[r][c]});
}

// Columns and rows from the picture's leftmost, topmost figure cell to its last.
std::pair<int, int> PictureExtent(const ShippedLevel& level) {
    int left = 1 << 20, top = 1 << 20, right = 0, bottom = 0;
    for (const gen::MeasuredFigure& f : level.sample) {
        left = std::min(left, f.col);
        top = std::min(top, f.row);
        right = std::max(right, f.col + f.cols);
        bottom = std::max(bottom, f.row + f.rows);
    }
    return {right - left, bottom - top};
}

}  // namespace

TEST(Box2Levels, ShippedLevelsLoadReadWellAndTheirCurveRises) {
    GameDriver game;
    const std::vector<ShippedLevel> ordinary = LoadShippedLevels("k2", 100, loadlevels2, FromBoard);
    for (const ShippedLevel& level : ordinary) {
        const auto [cols, rows] = PictureExtent(level);
        if (level.number >= FirstLargeLevel) {
            EXPECT_GE(cols, MinPictureCols) << "level " << level.number;
            EXPECT_GE(rows, MinPictureRows) << "level " << level.number;
        }
        if (level.number <= OneLayerLevels) {
            EXPECT_EQ(level.measure.layers, 1) << "level " << level.number;
        }
        EXPECT_LE(SampleLeft + 16 * level.cols, ScreenWidth) << "level " << level.number << ": the sample leaves the screen";
    }
    ExpectCurveHolds(ordinary);
    ExpectPicturesDiffer(ordinary);
    ExpectDocTableMatches(std::string(STROYLIK_SOURCE_DIR) + "/docs/levels-box2.md", ordinary, 2);
}
