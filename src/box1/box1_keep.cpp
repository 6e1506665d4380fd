// The keep button on box 1's free-construction level: the board as built becomes a new
// level of the box in my-levels/k1, the picture its sample, only the used figures offered.
#include <algorithm>

#include "core/int_lines.h"
#include "core/keep_file.h"
#include "core/keep_result.h"
#include "sound/sound.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_level_write.h"
#include "box1/box1_sample.h"

namespace {

// Both fields side by side on the screen of an ordinary level.
constexpr int KeptMaxCols = 14;
constexpr int KeptMaxRows = 22;
constexpr int32_t KeptMaxCount = 254;   // 255 would mean "unlimited"

bool IsOrigin(const CellRef& cell, int row, int col) {
    return cell.figure > 0 && cell.originCol == col && cell.originRow == row;
}

void CheckKeptFile(const std::string& path) { ReadBox1LevelPicture(path); }

// Each used figure at the palette cell where the free level lists it first, with the
// copies on the field as its count.
void OfferUsedFigures(const int32_t (&used)[MaxBox1Figure + 1], Box1LevelData& level) {
    bool listed[MaxBox1Figure + 1] = {};
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            const int32_t id = g_box1PaletteIds[i][j];
            if (id < 1 || id > MaxBox1Figure || listed[id] || used[id] == 0) continue;
            listed[id] = true;
            level.ids[i][j] = id;
            level.counts[i][j] = std::min(used[id], KeptMaxCount);
        }
}

// False for an empty board.
bool BoardToKeptLevel(const LevelInfo& free, Box1LevelData& level) {
    const int rows = std::clamp(free.buildRows, 0, FieldCells), cols = std::clamp(free.buildCols, 0, FieldCells);
    int minCol = cols, minRow = rows, endCol = 0, endRow = 0;
    int32_t used[MaxBox1Figure + 1] = {};
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const CellRef& cell = g_box1Build[r][c];
            if (!IsOrigin(cell, r, c) || cell.figure > MaxBox1Figure) continue;
            ++used[cell.figure];
            minCol = std::min(minCol, c);
            minRow = std::min(minRow, r);
            endCol = std::max(endCol, c + Box1FigureCols(cell.figure));
            endRow = std::max(endRow, r + Box1FigureRows(cell.figure));
        }
    if (endCol == 0) return false;
    const KeptSpan across = KeptSpanOf(endCol - minCol, KeptMaxCols), down = KeptSpanOf(endRow - minRow, KeptMaxRows);
    level.info = LevelInfo{KeptMakerPicture(), 2, across.length, down.length, across.length, down.length, 0};
    level.sample.assign(static_cast<size_t>(across.length) * down.length, 0);
    for (int r = minRow; r < endRow; ++r)
        for (int c = minCol; c < endCol; ++c)
            if (IsOrigin(g_box1Build[r][c], r, c))
                level.sample[static_cast<size_t>(r - minRow + down.before) * across.length + (c - minCol + across.before)] =
                    g_box1Build[r][c].figure;
    OfferUsedFigures(used, level);
    return true;
}

}  // namespace

void KeepBox1Board() {
    const LevelInfo* info = CurrentLevelInfo();
    if (g_screenState != ScreenBox1 || !info || info->freeBuild != 1) return;
    static Box1LevelData level;
    level = Box1LevelData{};
    if (!BoardToKeptLevel(*info, level)) {
        ShowKeepResult(KeepEmptyBoard);
        return;
    }
    IntLineWriter out;
    WriteBox1Level(level, out);
    KeepLevelFile(1, out, CheckKeptFile);
    // The short success jingle: kept is a small success, not a solved level.
    PlayEffect(3, "./sound/complete3.wav");
}
