#pragma once
// The box 1 board: the palette grids, the build field and the sample field, plus the
// figure geometry every box 1 step needs. Grids are indexed [row][column].
#include <cstdint>

#include "core/game_state.h"

constexpr int CellSize = 32;
constexpr int PaletteRows = 6;
constexpr int PaletteCols = 32;
constexpr int FieldCells = 32;          // build and sample grids are 32 x 32
constexpr int PaletteLeft = 128;
constexpr int PaletteTop = 831;
constexpr int MaxBox1Figure = 28;
constexpr int UnlimitedCount = 255;

extern int32_t g_box1PaletteIds[PaletteRows][PaletteCols];
extern CellRef g_box1PaletteCells[PaletteRows][PaletteCols];
extern int32_t g_box1PaletteCounts[PaletteRows][PaletteCols];
extern CellRef g_box1Build[FieldCells][FieldCells];
extern CellRef g_box1Sample[FieldCells][FieldCells];

// 0 armed, 1 plain miss due, 2 plain miss played, 3 near miss due, 4 near miss played.
extern int32_t g_missSoundState;

// Size of a figure in cells, from its picture in the figure table; 0 for "no figure".
int Box1FigureCols(int32_t id);
int Box1FigureRows(int32_t id);
// The group of four a figure belongs to (1-4 -> 0, 5-8 -> 1, ...).
inline int Box1FigureGroup(int32_t id) { return (id - 1) / 4; }

// Every cell the figure covers from origin (row, col) becomes {figure, col, row};
// the caller keeps the figure inside the grid.
void CoverPaletteCells(int32_t figure, int row, int col);
void CoverFieldCells(CellRef (&grid)[FieldCells][FieldCells], int32_t figure, int row, int col);

// All five grids back to empty.
void ClearBox1Board();
