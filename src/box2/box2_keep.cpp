// The keep button on box 2's free-construction level: the three layers as built become a new
// level of the box in my-levels/k2, only the used figures offered.
#include <algorithm>

#include "core/int_lines.h"
#include "core/keep_file.h"
#include "core/keep_result.h"
#include "sound/sound.h"
#include "core/tables.h"
#include "box2/box2.h"
#include "box2/box2_level_file.h"

namespace {

// Both fields side by side on the screen of an ordinary level.
constexpr int KeptMaxCols = 39;
constexpr int KeptMaxRows = 42;
constexpr int32_t KeptMaxCount = 254;   // 255 would mean "unlimited"

bool IsOrigin(const LayerCell& cell, int row, int col) {
    return cell.figure > 0 && cell.originCol == col && cell.originRow == row;
}

void CheckKeptFile(const std::string& path) {
    static Box2LevelData read;
    ReadLevelFile2(path, read);
}

void OfferUsedFigures(const int32_t (&used)[Box2FigureCount + 1], Box2LevelData& level) {
    bool listed[Box2FigureCount + 1] = {};
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const int32_t id = g_paletteIds[r][c];
            if (id < 1 || id > Box2FigureCount || listed[id] || used[id] == 0) continue;
            listed[id] = true;
            level.ids[r][c] = id;
            level.counts[r][c] = std::min(used[id], KeptMaxCount);
        }
}

// False for an empty board.
bool BoardToKeptLevel(const LevelInfo& free, Box2LevelData& level) {
    const int rows = std::clamp(free.buildRows, 0, GridSize), cols = std::clamp(free.buildCols, 0, GridSize);
    int minCol = cols, minRow = rows, endCol = 0, endRow = 0;
    int32_t used[Box2FigureCount + 1] = {};
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                const LayerCell& cell = g_buildLayers[k][r][c];
                if (!IsOrigin(cell, r, c) || cell.figure > Box2FigureCount) continue;
                ++used[cell.figure];
                minCol = std::min(minCol, c);
                minRow = std::min(minRow, r);
                endCol = std::max(endCol, c + FigureCols(cell.figure));
                endRow = std::max(endRow, r + FigureRows(cell.figure));
            }
    if (endCol == 0) return false;
    const KeptSpan across = KeptSpanOf(endCol - minCol, KeptMaxCols), down = KeptSpanOf(endRow - minRow, KeptMaxRows);
    level.headerValue = KeptMakerPicture();
    level.info = LevelInfo{level.headerValue, 2, across.length, down.length, across.length, down.length, 0};
    for (int k = 0; k < LayerCount; ++k)
        for (int r = minRow; r < endRow; ++r)
            for (int c = minCol; c < endCol; ++c)
                if (IsOrigin(g_buildLayers[k][r][c], r, c))
                    level.sample[k][r - minRow + down.before][c - minCol + across.before] = g_buildLayers[k][r][c].figure;
    OfferUsedFigures(used, level);
    return true;
}

}  // namespace

void KeepBox2Board() {
    const LevelInfo* info = CurrentLevelInfo();
    if (g_screenState != ScreenBox2 || !info || info->freeBuild != 1) return;
    static Box2LevelData level;
    level = Box2LevelData{};
    if (!BoardToKeptLevel(*info, level)) {
        ShowKeepResult(KeepEmptyBoard);
        return;
    }
    IntLineWriter out;
    WriteLevelText2(level, out);
    KeepLevelFile(2, out, CheckKeptFile);
    // The short success jingle: kept is a small success, not a solved level.
    PlayEffect(3, "./sound/complete3.wav");
}
