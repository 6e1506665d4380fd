#pragma once
// The box 2 board: palette strip, three build and three sample layers, the pixel mask of
// the build field, and the small rules every box 2 file shares (extents, shape pixels,
// the drop). Tests and the level generator use these directly.
#include <cstdint>

#include "core/game_state.h"
#include "core/tables.h"
#include "platform/image.h"

constexpr int PaletteRows = 20;
constexpr int PaletteCols = 80;
constexpr int LayerCount = 3;
constexpr int GridSize = 64;             // build and sample layers are 64 x 64 cells
constexpr int MaskCols = 1240;           // g_pixelMask columns (pixel x in the field)
constexpr int MaskRows = 700;            // g_pixelMask rows (pixel y in the field)
constexpr int Box2Cell = 16;
constexpr int PaletteLeft2 = 1;
constexpr int PaletteTop2 = 705;
constexpr int MaxBuildCols2 = 64;
constexpr int MaxBuildRows2 = 42;
constexpr int MaxSampleCols2 = 64;
constexpr int MaxSampleRows2 = 64;
constexpr int32_t UnlimitedCount = 255;

struct LayerCell {
    int32_t figure = 0;
    int32_t originCol = 0;
    int32_t originRow = 0;
    int32_t cellValue = 0;
};

extern int32_t g_paletteIds[PaletteRows][PaletteCols];
extern CellRef g_paletteCells[PaletteRows][PaletteCols];
extern int32_t g_paletteCounts[PaletteRows][PaletteCols];
// [layer 0..2 for layers 1..3][row][column]
extern LayerCell g_buildLayers[LayerCount][GridSize][GridSize];
extern LayerCell g_sampleLayers[LayerCount][GridSize][GridSize];
// [x][y]: index x * 700 + y, the order the progress file stores it in.
extern uint8_t g_pixelMask[MaskCols][MaskRows];

// Number of the level whose file filled the board, 0 when the last load failed. Progress is
// only written for a board that really belongs to the current level.
extern int32_t g_box2BoardLevel;

// Figure size in cells (0 for ids outside 1..162).
int FigureCols(int32_t figure);
int FigureRows(int32_t figure);
bool ValidFigureId(int32_t figure);
// True when the figure's extent with origin (row, col) lies inside rows x cols cells.
bool ExtentInside(int32_t figure, int row, int col, int rows, int cols);

// Shape pixels come from a copy of the mask picture kept in memory. The game reads the mask
// texture's kept pixels; tests and the generator can point this at a picture of their own.
void SetBox2MaskSource(const plat::Image* image);   // nullptr: back to the mask texture
const plat::Image* Box2MaskSource();                // nullptr when no shape pixels are known
// Shape pixel (px, py) of a figure's mask rectangle: blue byte 255.
bool ShapePixel(const plat::Image& mask, const PixelRect& rect, int px, int py);

// Everything of the board to 0 (load step 1).
void ClearBoard2();
// The play flags a load resets (load step 2).
void ResetPlayState2();

// The drop of one figure with its origin at (row, col) of a build field of the given size:
// the pixel fit test, then the mask and the cell writing. False (nothing changed) when it
// does not fit. `wroteCell` tells whether any layer cell was written.
bool DropFigure2(int32_t figure, int col, int row, int buildCols, int buildRows, bool* wroteCell = nullptr);
// Removes a placed figure (whose cell is at layer cell `cell`) from the mask and its layer,
// then re-fills the layers (the field part of the pick-up). Returns the figure id.
int32_t LiftFigure2(const LayerCell& cell, int buildCols, int buildRows);
// The layer choice under a build cell: the cell whose figure a press there takes.
const LayerCell& ChooseLayerCell2(int row, int col);
// Re-fills every layer from its origins (uppole2 for the current level's field size).
void RefillLayers2(int buildCols, int buildRows);
void uppole2();
// Sample expansion of one layer after its origins were read (load step 7.2).
void ExpandSampleLayer2(int layer, int sampleCols, int sampleRows);
// Completion test of the current board for a level of this size (layout 2 only).
bool BoardMatchesSample2(int buildCols, int buildRows);
