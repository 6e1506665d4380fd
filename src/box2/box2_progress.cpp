// Box 2 progress: the per-level save files "./save/k2/sk_N.dat" and the level pointer "k2.dat".
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/game_error.h"
#include "core/int_lines.h"
#include "core/progress_files.h"
#include "core/paths.h"
#include "box2/box2.h"
#include "box2/box2_drag.h"
#include "box2/box2_level_file.h"
#include "box2/box2_text_io.h"

namespace {

const char* const kPointerFile = "k2.dat";

// A save is read completely and checked here before any of it reaches the board.
struct SavedBoard {
    int32_t headerValue;
    uint8_t mask[MaskCols][MaskRows];
    LayerCell layers[LayerCount][GridSize][GridSize];
    CellRef cells[PaletteRows][PaletteCols];
    int32_t ids[PaletteRows][PaletteCols];
    int32_t counts[PaletteRows][PaletteCols];
    LevelInfo info;
};
SavedBoard g_staged;

std::string SavePathFor(int level) { return BoardFileName2(level); }

void ReadSave(IntLineReader& in, SavedBoard& s) {
    s.headerValue = in.Int();
    for (int x = 0; x < MaskCols; ++x)
        for (int y = 0; y < MaskRows; ++y) s.mask[x][y] = static_cast<uint8_t>(in.IntIn(0, 1, "mask value"));
    for (int r = 0; r < GridSize; ++r)
        for (int c = 0; c < GridSize; ++c)
            for (int k = 0; k < LayerCount; ++k) {
                LayerCell& cell = s.layers[k][r][c];
                cell.cellValue = in.Int();
                cell.figure = in.IntIn(0, Box2FigureCount, "figure id");
                cell.originCol = in.IntIn(0, GridSize - 1, "origin column");
                cell.originRow = in.IntIn(0, GridSize - 1, "origin row");
                if (cell.figure > 0 && !ExtentInside(cell.figure, cell.originRow, cell.originCol, GridSize, GridSize))
                    in.Fail("figure " + std::to_string(cell.figure) + " reaches outside the 64 x 64 grid");
            }
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            CellRef& cell = s.cells[r][c];
            cell.figure = in.IntIn(0, Box2FigureCount, "figure id");
            cell.originCol = in.IntIn(0, PaletteCols - 1, "palette origin column");
            cell.originRow = in.IntIn(0, PaletteRows - 1, "palette origin row");
            if (cell.figure > 0 && !ExtentInside(cell.figure, cell.originRow, cell.originCol, PaletteRows, PaletteCols))
                in.Fail("palette figure " + std::to_string(cell.figure) + " reaches outside the palette");
            const int32_t id = in.Int();
            if (id > Box2FigureCount) in.Fail("figure id " + std::to_string(id) + " is beyond " + std::to_string(Box2FigureCount));
            if (id > 0 && !ExtentInside(id, r, c, PaletteRows, PaletteCols))
                in.Fail("palette figure " + std::to_string(id) + " reaches outside the palette");
            s.ids[r][c] = id;
            s.counts[r][c] = in.Int();
        }
    s.info.headerValue = s.headerValue;
    s.info.layout = in.Int();
    s.info.buildCols = in.IntIn(1, MaxBuildCols2, "build field width");
    s.info.buildRows = in.IntIn(1, MaxBuildRows2, "build field height");
    s.info.sampleCols = in.IntIn(1, MaxSampleCols2, "sample field width");
    s.info.sampleRows = in.IntIn(1, MaxSampleRows2, "sample field height");
    s.info.freeBuild = in.Int();
}

}  // namespace

void SaveK2() {
    const int level = g_currentLevel;
    const std::string path = SavePathFor(level);
    const LevelInfo* info = CurrentLevelInfo();
    if (!info) ThrowFileError(path, 0, "level " + std::to_string(level) + " is outside 1.." + std::to_string(MaxPlayLevel));
    // An empty board left by a failed load must not overwrite the player's work.
    if (g_box2BoardLevel != level) return;
    SettleBox2Figure();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);

    IntLineWriter out;
    out.Int(info->headerValue);
    for (int x = 0; x < MaskCols; ++x)
        for (int y = 0; y < MaskRows; ++y) out.Int(g_pixelMask[x][y]);
    for (int r = 0; r < GridSize; ++r)
        for (int c = 0; c < GridSize; ++c)
            for (int k = 0; k < LayerCount; ++k) {
                const LayerCell& cell = g_buildLayers[k][r][c];
                out.Int(cell.cellValue);
                out.Int(cell.figure);
                out.Int(cell.originCol);
                out.Int(cell.originRow);
            }
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const CellRef& cell = g_paletteCells[r][c];
            out.Int(cell.figure);
            out.Int(cell.originCol);
            out.Int(cell.originRow);
            out.Int(g_paletteIds[r][c]);
            out.Int(g_paletteCounts[r][c]);
        }
    for (int32_t v : {info->layout, info->buildCols, info->buildRows, info->sampleCols, info->sampleRows, info->freeBuild})
        out.Int(v);
    out.SaveAtomic(path);
}

void loadsavedlevel2() {
    const int level = g_currentLevel;
    const std::string path = SavePathFor(level);
    if (level < 1 || level > MaxPlayLevel)
        ThrowFileError(path, 0, "level " + std::to_string(level) + " is outside 1.." + std::to_string(MaxPlayLevel));
    IntLineReader in(path);
    ReadSave(in, g_staged);

    std::memcpy(g_pixelMask, g_staged.mask, sizeof g_pixelMask);
    std::memcpy(g_buildLayers, g_staged.layers, sizeof g_buildLayers);
    std::memcpy(g_paletteCells, g_staged.cells, sizeof g_paletteCells);
    std::memcpy(g_paletteIds, g_staged.ids, sizeof g_paletteIds);
    std::memcpy(g_paletteCounts, g_staged.counts, sizeof g_paletteCounts);
    g_levelInfo[level] = g_staged.info;
}

void clearsave2() {
    std::error_code ec;
    for (int n = 0; n <= 300; ++n) std::filesystem::remove(SaveFileName2(n), ec);
}

void savecurrlevel2() {
    // Numbers outside the box are never written: continuing must find a real level.
    if (g_currentLevel < 1 || g_currentLevel > MaxLevel || g_maxCompletedLevel < 0 || g_maxCompletedLevel > MaxLevel)
        return;
    IntLineWriter out;
    out.Int(g_currentLevel);
    out.Int(g_maxCompletedLevel);
    out.SaveAtomic(UserPath(kPointerFile));
}

void loadcurrlevel2() {
    IntLineReader in(UserPath(kPointerFile));
    const int32_t current = in.IntIn(1, MaxLevel, "level");
    const int32_t done = in.IntIn(0, MaxLevel, "highest solved level");
    g_currentLevel = current;
    g_maxCompletedLevel = done;
}

std::string ContinueBox2() { return ContinueFromPosition(loadcurrlevel2, SaveFileName2); }

std::string SolvedBox2(int32_t& solved) {
    return SolvedFromPosition({UserPath(kPointerFile), loadcurrlevel2, savecurrlevel2, SaveFileName2}, solved);
}
