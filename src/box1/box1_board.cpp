#include "box1/box1_board.h"

#include "core/tables.h"

int32_t g_box1PaletteIds[PaletteRows][PaletteCols];
CellRef g_box1PaletteCells[PaletteRows][PaletteCols];
int32_t g_box1PaletteCounts[PaletteRows][PaletteCols];
CellRef g_box1Build[FieldCells][FieldCells];
CellRef g_box1Sample[FieldCells][FieldCells];
int32_t g_missSoundState = 0;

int Box1FigureCols(int32_t id) {
    if (id < 1 || id > MaxBox1Figure) return 0;
    return g_box1Figures[id].width / CellSize;
}

int Box1FigureRows(int32_t id) {
    if (id < 1 || id > MaxBox1Figure) return 0;
    return g_box1Figures[id].height / CellSize;
}

void CoverPaletteCells(int32_t figure, int row, int col) {
    for (int k = 0; k < Box1FigureRows(figure); ++k)
        for (int w = 0; w < Box1FigureCols(figure); ++w)
            g_box1PaletteCells[row + k][col + w] = CellRef{figure, col, row};
}

void CoverFieldCells(CellRef (&grid)[FieldCells][FieldCells], int32_t figure, int row, int col) {
    for (int k = 0; k < Box1FigureRows(figure); ++k)
        for (int w = 0; w < Box1FigureCols(figure); ++w)
            grid[row + k][col + w] = CellRef{figure, col, row};
}

void ClearBox1Board() {
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            g_box1PaletteIds[i][j] = 0;
            g_box1PaletteCells[i][j] = CellRef{};
            g_box1PaletteCounts[i][j] = 0;
        }
    for (int r = 0; r < FieldCells; ++r)
        for (int c = 0; c < FieldCells; ++c) {
            g_box1Build[r][c] = CellRef{};
            g_box1Sample[r][c] = CellRef{};
        }
}
