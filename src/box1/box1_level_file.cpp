// Reading a box 1 level file into the board. The whole file is checked first and only a
// file that keeps every range is stored, so a bad file never leaves values out of range.
#include <algorithm>
#include <string>
#include <vector>

#include "core/game_error.h"
#include "core/my_levels.h"
#include "core/progress_files.h"
#include "core/paths.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_level_write.h"
#include "core/hint.h"
#include "box1/box1_sample.h"
#include "box1/box1_steps.h"
#include "box1/box1_text.h"

int32_t g_box1BoardLevel = 0;

namespace {

using LevelFileData = Box1LevelData;

std::string Cell(const char* block, int row, int col) {
    return std::string(block) + " row " + std::to_string(row) + " column " + std::to_string(col);
}

void ReadPaletteIds(NumberLines& in, LevelFileData& data) {
    for (int i = 0; i < PaletteRows; ++i) {
        for (int j = 0; j < PaletteCols; ++j) {
            const int32_t v = in.Next(0, MaxBox1Figure, Cell("palette figure", i, j));
            if (v > 0 && (i + Box1FigureRows(v) > PaletteRows || j + Box1FigureCols(v) > PaletteCols))
                in.Fail("palette figure " + std::to_string(v) + " at row " + std::to_string(i) + " column " +
                        std::to_string(j) + " reaches outside the 6 x 32 palette");
            data.ids[i][j] = v;
        }
        in.Skip("the separator after palette row " + std::to_string(i));
    }
}

void ReadPaletteCounts(NumberLines& in, LevelFileData& data) {
    for (int i = 0; i < PaletteRows; ++i) {
        for (int j = 0; j < PaletteCols; ++j) data.counts[i][j] = in.Next(0, UnlimitedCount, Cell("palette count", i, j));
        in.Skip("the separator after palette count row " + std::to_string(i));
    }
}

void ReadHeader(NumberLines& in, LevelInfo& info) {
    info.layout = in.Next(1, 2, "layout");
    info.buildCols = in.Next(1, FieldCells, "build field width");
    info.buildRows = in.Next(1, FieldCells, "build field height");
    info.sampleCols = in.Next(1, FieldCells, "sample field width");
    info.sampleRows = in.Next(1, FieldCells, "sample field height");
    info.freeBuild = in.Next(INT32_MIN, INT32_MAX, "free construction flag");
}

void ReadSample(NumberLines& in, LevelFileData& data) {
    const LevelInfo& info = data.info;
    data.sample.assign(static_cast<size_t>(info.sampleRows) * info.sampleCols, 0);
    for (int r = 0; r < info.sampleRows; ++r) {
        for (int c = 0; c < info.sampleCols; ++c) {
            const int32_t v = in.Next(0, MaxBox1Figure, Cell("sample figure", r, c));
            if (v > 0 && (r + Box1FigureRows(v) > info.sampleRows || c + Box1FigureCols(v) > info.sampleCols))
                in.Fail("sample figure " + std::to_string(v) + " at row " + std::to_string(r) + " column " +
                        std::to_string(c) + " reaches outside the " + std::to_string(info.sampleCols) + " x " +
                        std::to_string(info.sampleRows) + " sample field");
            data.sample[static_cast<size_t>(r) * info.sampleCols + c] = v;
        }
        in.Skip("the separator after sample row " + std::to_string(r));
    }
}

LevelFileData ReadLevelFile(const std::string& path) {
    NumberLines in = NumberLines::FromFile(path);
    LevelFileData data;
    data.info.headerValue = in.Next(INT32_MIN, INT32_MAX, "the first value");
    in.Skip("the separator after the first value");
    ReadPaletteIds(in, data);
    in.Skip("the separator before the counts");
    ReadPaletteCounts(in, data);
    in.Skip("the separator before the field sizes");
    ReadHeader(in, data.info);
    in.Skip("the separator before the sample");
    ReadSample(in, data);
    return data;
}

// The sample grid as the screen shows it.
void ExpandSample(const LevelFileData& data, CellRef (&grid)[FieldCells][FieldCells]) {
    const LevelInfo& info = data.info;
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c)
            grid[r][c] = CellRef{data.sample[static_cast<size_t>(r) * info.sampleCols + c], c, r};
    // In row order: a cell an earlier sample figure covered is no longer an origin, so the
    // earlier figure wins an overlap.
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c) {
            const CellRef cell = grid[r][c];
            if (cell.figure > 0 && cell.originCol == c && cell.originRow == r) CoverFieldCells(grid, cell.figure, r, c);
        }
}

void StoreLevel(const LevelFileData& data, LevelInfo& info) {
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            g_box1PaletteIds[i][j] = data.ids[i][j];
            // In file order: where two palette figures overlap, the later one owns the cells.
            if (data.ids[i][j] > 0) CoverPaletteCells(data.ids[i][j], i, j);
        }
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) g_box1PaletteCounts[i][j] = data.counts[i][j];
    info = data.info;
    ExpandSample(data, g_box1Sample);
}

}  // namespace

std::string Box1LevelFileName(int32_t level) {
    if (IsMyLevel(level)) return MyLevelPath(1, level);
    return GamePath(g_levelPathPrefix + std::to_string(level) + ".ini");
}

std::string Box1BoardFile(int32_t level) {
    return IsMyLevel(level) ? MyLevelBoardFile(1, level) : Box1ProgressFileName(level);
}

std::string Box1ProgressFileName(int32_t level) {
    return UserPath(std::string(kBox1SaveFolder) + "/sk_" + std::to_string(level) + ".dat");
}

void loadlevels() {
    ClearBox1Board();
    g_layerColour = 0xFFFFFFFF;
    g_returning = 0;
    g_levelDone = 0;
    g_pulseRising = 0;
    g_drag.state = DragIdle;
    g_drag.figure = 0;
    g_box1BoardLevel = 0;
    ResetHint();   // a hint belongs to the board it was found on

    const std::string path = Box1LevelFileName(g_currentLevel);
    LevelInfo* info = CurrentLevelInfo();
    if (!info || path.empty())
        ThrowFileError(path.empty() ? MyLevelsFolder(1) : path, 0,
                       "there is no level " + std::to_string(g_currentLevel) + ", the levels are 1 to " +
                           std::to_string(std::max<int32_t>(MaxLevel, LastMyLevel(1))));
    const LevelFileData data = ReadLevelFile(path);
    StoreLevel(data, *info);
    g_box1BoardLevel = g_currentLevel;

    LoadProgressOrKeepAside(Box1BoardFile(g_currentLevel), loadsavedlevel, g_box1BoardLevel);
}

Box1LevelPicture ReadBox1LevelPicture(const std::string& path) {
    const LevelFileData data = ReadLevelFile(path);
    Box1LevelPicture picture;
    picture.info = data.info;
    CellRef grid[FieldCells][FieldCells] = {};
    ExpandSample(data, grid);
    for (int r = 0; r < data.info.sampleRows; ++r)
        for (int c = 0; c < data.info.sampleCols; ++c)
            if (grid[r][c].figure > 0 && grid[r][c].originCol == c && grid[r][c].originRow == r)
                picture.sample.push_back(Box1PlacedFigure{grid[r][c].figure, c, r});
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (data.ids[i][j] > 0) picture.palette.push_back(Box1PlacedFigure{data.ids[i][j], j, i});
    return picture;
}
