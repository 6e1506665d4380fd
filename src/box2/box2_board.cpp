// The box 2 board itself and the small helpers every box 2 file uses.
#include "box2/box2_board.h"

#include <cstring>

#include "render/graphics.h"

int32_t g_paletteIds[PaletteRows][PaletteCols];
CellRef g_paletteCells[PaletteRows][PaletteCols];
int32_t g_paletteCounts[PaletteRows][PaletteCols];
LayerCell g_buildLayers[LayerCount][GridSize][GridSize];
LayerCell g_sampleLayers[LayerCount][GridSize][GridSize];
uint8_t g_pixelMask[MaskCols][MaskRows];

namespace {
const plat::Image* g_maskOverride = nullptr;
}

bool ValidFigureId(int32_t figure) { return figure >= 1 && figure <= Box2FigureCount; }

int FigureCols(int32_t figure) { return ValidFigureId(figure) ? g_box2Figures[figure].width / Box2Cell : 0; }

int FigureRows(int32_t figure) { return ValidFigureId(figure) ? g_box2Figures[figure].height / Box2Cell : 0; }

bool ExtentInside(int32_t figure, int row, int col, int rows, int cols) {
    if (!ValidFigureId(figure) || row < 0 || col < 0) return false;
    return row + FigureRows(figure) <= rows && col + FigureCols(figure) <= cols;
}

void SetBox2MaskSource(const plat::Image* image) { g_maskOverride = image; }

const plat::Image* Box2MaskSource() {
    if (g_maskOverride) return g_maskOverride;
    if (g_maskTexture && !g_maskTexture->pixels().pixels.empty()) return &g_maskTexture->pixels();
    return nullptr;
}

bool ShapePixel(const plat::Image& mask, const PixelRect& rect, int px, int py) {
    const int x = rect.x1 + px;
    const int y = rect.y1 + py;
    if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) return false;
    const uint32_t texel = mask.pixels[static_cast<size_t>(y) * mask.width + x];
    return (texel & 0xFFu) == 0xFFu;
}

void ClearBoard2() {
    std::memset(g_pixelMask, 0, sizeof g_pixelMask);
    for (auto& layer : g_buildLayers)
        for (auto& row : layer)
            for (auto& cell : row) cell = LayerCell{};
    for (auto& layer : g_sampleLayers)
        for (auto& row : layer)
            for (auto& cell : row) cell = LayerCell{};
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            g_paletteIds[r][c] = 0;
            g_paletteCounts[r][c] = 0;
            g_paletteCells[r][c] = CellRef{};
        }
}

void ResetPlayState2() {
    g_layerColour = 0xFFFFFFFF;
    g_returning = 0;
    g_levelDone = 0;
    g_pulseRising = 0;
    g_drag.state = DragIdle;
    g_drag.figure = 0;
}
