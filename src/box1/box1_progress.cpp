// The player's box 1 progress: one board file per level left, and the position file.
// Files are checked completely before anything is stored, and written through a temporary
// file, so neither a bad file nor a failed write can spoil the saved game.
#include <filesystem>
#include <memory>
#include <string>

#include "core/game_error.h"
#include "core/int_lines.h"
#include "core/progress_files.h"
#include "core/paths.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_steps.h"
#include "box1/box1_text.h"

namespace {

struct SavedBoard {
    int32_t headerValue = 0;
    int32_t ids[PaletteRows][PaletteCols] = {};
    CellRef cells[PaletteRows][PaletteCols] = {};
    int32_t counts[PaletteRows][PaletteCols] = {};
    CellRef build[FieldCells][FieldCells] = {};
};

std::string At(int row, int col) {
    return " at row " + std::to_string(row) + " column " + std::to_string(col);
}

CellRef ReadCell(NumberLines& in, const std::string& where, int maxCol, int maxRow) {
    CellRef cell;
    cell.figure = in.Next(0, MaxBox1Figure, "figure" + where);
    cell.originCol = in.Next(0, maxCol, "origin column" + where);
    cell.originRow = in.Next(0, maxRow, "origin row" + where);
    return cell;
}

void CheckFits(NumberLines& in, int32_t figure, int row, int col, int rows, int cols, const std::string& area) {
    if (figure > 0 && (row + Box1FigureRows(figure) > rows || col + Box1FigureCols(figure) > cols))
        in.Fail("figure " + std::to_string(figure) + At(row, col) + " reaches outside the " + area);
}

void ReadSavedBoard(NumberLines& in, const LevelInfo& info, SavedBoard& board) {
    board.headerValue = in.Next(INT32_MIN, INT32_MAX, "the first value");
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            const std::string where = " of palette cell" + At(i, j);
            board.ids[i][j] = in.Next(0, MaxBox1Figure, "palette figure" + At(i, j));
            CheckFits(in, board.ids[i][j], i, j, PaletteRows, PaletteCols, "palette");
            board.cells[i][j] = ReadCell(in, where, PaletteCols - 1, PaletteRows - 1);
            const CellRef& cell = board.cells[i][j];
            CheckFits(in, cell.figure, cell.originRow, cell.originCol, PaletteRows, PaletteCols, "palette");
            board.counts[i][j] = in.Next(0, UnlimitedCount, "count" + where);
        }
    for (int r = 0; r < info.buildRows; ++r)
        for (int c = 0; c < info.buildCols; ++c) {
            board.build[r][c] = ReadCell(in, " of build cell" + At(r, c), FieldCells - 1, FieldCells - 1);
            const CellRef& cell = board.build[r][c];
            CheckFits(in, cell.figure, cell.originRow, cell.originCol, info.buildRows, info.buildCols, "build field");
        }
}

bool InLevelRange(int32_t level) {
    return level >= 1 && level <= MaxLevel;
}

}  // namespace

void SaveK1() {
    const LevelInfo* info = CurrentLevelInfo();
    // Only a board that was loaded for this level is worth keeping; an empty board left by a
    // failed load must not overwrite the player's work.
    if (!info || g_box1BoardLevel != g_currentLevel) return;
    SettleBox1Figure();
    IntLineWriter out;
    out.Int(info->headerValue);
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            const CellRef& cell = g_box1PaletteCells[i][j];
            out.Int(g_box1PaletteIds[i][j]);
            out.Int(cell.figure);
            out.Int(cell.originCol);
            out.Int(cell.originRow);
            out.Int(g_box1PaletteCounts[i][j]);
        }
    for (int r = 0; r < info->buildRows; ++r)
        for (int c = 0; c < info->buildCols; ++c) {
            const CellRef& cell = g_box1Build[r][c];
            out.Int(cell.figure);
            out.Int(cell.originCol);
            out.Int(cell.originRow);
        }
    const std::string path = Box1BoardFile(g_currentLevel);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    out.SaveAtomic(path);
}

void loadsavedlevel() {
    LevelInfo* info = CurrentLevelInfo();
    const std::string path = Box1BoardFile(g_currentLevel);
    if (!info) ThrowFileError(path, 0, "there is no level " + std::to_string(g_currentLevel));
    NumberLines in = NumberLines::FromFile(path);
    // Read completely before anything is stored.
    const auto saved = std::make_unique<SavedBoard>();
    SavedBoard& board = *saved;
    ReadSavedBoard(in, *info, board);

    info->headerValue = board.headerValue;
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            g_box1PaletteIds[i][j] = board.ids[i][j];
            g_box1PaletteCells[i][j] = board.cells[i][j];
            g_box1PaletteCounts[i][j] = board.counts[i][j];
        }
    for (int r = 0; r < info->buildRows; ++r)
        for (int c = 0; c < info->buildCols; ++c) g_box1Build[r][c] = board.build[r][c];
}

void clearsave() {
    for (int n = 0; n <= 300; ++n) {
        std::error_code ec;
        const std::string path = Box1ProgressFileName(n);
        if (std::filesystem::exists(path, ec)) std::filesystem::remove(path, ec);
    }
}

void savecurrlevel() {
    // Numbers outside the box are never written: continuing must find a real level.
    if (!InLevelRange(g_currentLevel) || g_maxCompletedLevel < 0 || g_maxCompletedLevel > MaxLevel) return;
    IntLineWriter out;
    out.Int(g_currentLevel);
    out.Int(g_maxCompletedLevel);
    out.SaveAtomic(UserPath(kBox1PositionFile));
}

void loadcurrlevel() {
    NumberLines in = NumberLines::FromFile(UserPath(kBox1PositionFile));
    const int32_t level = in.Next(1, MaxLevel, "the current level");
    const int32_t completed = in.Next(0, MaxLevel, "the highest completed level");
    g_currentLevel = level;
    g_maxCompletedLevel = completed;
}

std::string ContinueBox1() { return ContinueFromPosition(loadcurrlevel, Box1ProgressFileName); }

std::string SolvedBox1(int32_t& solved) {
    return SolvedFromPosition({UserPath(kBox1PositionFile), loadcurrlevel, savecurrlevel, Box1ProgressFileName}, solved);
}
