// The box 1 part of the state dump: the current level's header and the whole board.
#include <string>

#include "core/state_dump.h"
#include "box1/box1_board.h"

namespace {

std::string CellJson(const CellRef& cell) {
    return "[" + std::to_string(cell.figure) + "," + std::to_string(cell.originCol) + "," +
           std::to_string(cell.originRow) + "]";
}

template <int Rows, int Cols>
std::string CellRows(const CellRef (&grid)[Rows][Cols]) {
    std::string json = "[";
    for (int r = 0; r < Rows; ++r) {
        json += r ? ",[" : "[";
        for (int c = 0; c < Cols; ++c) json += (c ? "," : "") + CellJson(grid[r][c]);
        json += "]";
    }
    return json + "]";
}

template <int Rows, int Cols>
std::string IntRows(const int32_t (&grid)[Rows][Cols]) {
    std::string json = "[";
    for (int r = 0; r < Rows; ++r) json += (r ? "," : "") + JsonIntArray(grid[r], Cols);
    return json + "]";
}

}  // namespace

void DumpBox1(StateDump& dump) {
    const LevelInfo* info = CurrentLevelInfo();
    const LevelInfo entry = info ? *info : LevelInfo{};
    dump.SetInt("g_levelInfo.headerValue", entry.headerValue);
    dump.SetInt("g_levelInfo.layout", entry.layout);
    dump.SetInt("g_levelInfo.buildCols", entry.buildCols);
    dump.SetInt("g_levelInfo.buildRows", entry.buildRows);
    dump.SetInt("g_levelInfo.sampleCols", entry.sampleCols);
    dump.SetInt("g_levelInfo.sampleRows", entry.sampleRows);
    dump.SetInt("g_levelInfo.freeBuild", entry.freeBuild);
    dump.SetRaw("g_box1PaletteIds", IntRows(g_box1PaletteIds));
    dump.SetRaw("g_box1PaletteCells", CellRows(g_box1PaletteCells));
    dump.SetRaw("g_box1PaletteCounts", IntRows(g_box1PaletteCounts));
    dump.SetRaw("g_box1Build", CellRows(g_box1Build));
    dump.SetRaw("g_box1Sample", CellRows(g_box1Sample));
    dump.SetInt("g_missSoundState", g_missSoundState);
}
