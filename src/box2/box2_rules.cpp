// The rules of placing and lifting box 2 figures: pixel fit, cell writing, layer choice,
// re-filling the layers after a lift, sample expansion and the completion comparison.
#include <algorithm>

#include "box2/box2_board.h"

namespace {

bool OwnOrigin(const LayerCell& cell, int row, int col) { return cell.originCol == col && cell.originRow == row; }

}  // namespace

bool DropFigure2(int32_t figure, int col, int row, int buildCols, int buildRows, bool* wroteCell) {
    if (wroteCell) *wroteCell = false;
    const plat::Image* mask = Box2MaskSource();
    if (!mask || !ValidFigureId(figure) || col < 0 || row < 0) return false;
    const Box2Figure& fig = g_box2Figures[figure];
    const PixelRect& rect = fig.maskRect;
    const int w = rect.x2 - rect.x1;
    const int h = rect.y2 - rect.y1;

    // Fit test: the whole rectangle inside the field, no shape pixel on a covered pixel.
    for (int px = 0; px < w; ++px)
        for (int py = 0; py < h; ++py) {
            if (row + py / Box2Cell > buildRows - 1 || col + px / Box2Cell > buildCols - 1) return false;
            const int mx = col * Box2Cell + px;
            const int my = row * Box2Cell + py;
            if (mx >= MaskCols || my >= MaskRows) return false;
            if (ShapePixel(*mask, rect, px, py) && g_pixelMask[mx][my] == 1) return false;
        }

    for (int px = 0; px < w; ++px)
        for (int py = 0; py < h; ++py)
            if (ShapePixel(*mask, rect, px, py)) g_pixelMask[col * Box2Cell + px][row * Box2Cell + py] = 1;

    const int layer = fig.layer - 1;
    if (layer < 0 || layer >= LayerCount) return true;
    const int rows = FigureRows(figure);
    const int cols = FigureCols(figure);
    for (int dr = 0; dr < rows; ++dr)
        for (int dc = 0; dc < cols; ++dc) {
            const int r = row + dr;
            const int c = col + dc;
            if (r >= GridSize || c >= GridSize) continue;
            const int32_t v = fig.cellValues[dc][dr];
            LayerCell& target = g_buildLayers[layer][r][c];
            // A placed figure's origin cell is never overwritten, nor a negative figure value.
            const bool writable = target.figure == 0 || (target.figure > 0 && !OwnOrigin(target, r, c));
            if (writable && (v > 0 || (v == 0 && dr == 0) || dc == 0)) {
                target = LayerCell{figure, col, row, v};
                if (wroteCell) *wroteCell = true;
            }
        }
    return true;
}

const LayerCell& ChooseLayerCell2(int row, int col) {
    const LayerCell& c1 = g_buildLayers[0][row][col];
    const LayerCell& c2 = g_buildLayers[1][row][col];
    const LayerCell& c3 = g_buildLayers[2][row][col];
    const LayerCell* chosen = &c1;
    if (c1.figure == 0)
        chosen = &c2;
    else if (c1.cellValue == 0 && c2.figure > 0)
        chosen = &c2;
    if (chosen->figure == 0)
        chosen = &c3;
    else if (c1.cellValue == 0 && c2.cellValue == 0 && c3.figure > 0)
        chosen = &c3;
    return *chosen;
}

int32_t LiftFigure2(const LayerCell& cell, int buildCols, int buildRows) {
    const int32_t figure = cell.figure;
    const int oc = cell.originCol;
    const int orow = cell.originRow;
    if (!ValidFigureId(figure)) return 0;
    const Box2Figure& fig = g_box2Figures[figure];

    if (const plat::Image* mask = Box2MaskSource()) {
        const PixelRect& rect = fig.maskRect;
        for (int px = 0; px < rect.x2 - rect.x1; ++px)
            for (int py = 0; py < rect.y2 - rect.y1; ++py) {
                const int mx = oc * Box2Cell + px;
                const int my = orow * Box2Cell + py;
                if (mx < 0 || my < 0 || mx >= MaskCols || my >= MaskRows) continue;
                if (ShapePixel(*mask, rect, px, py)) g_pixelMask[mx][my] = 0;
            }
    }

    const int layer = fig.layer - 1;
    if (layer >= 0 && layer < LayerCount) {
        for (int dr = 0; dr < FigureRows(figure); ++dr)
            for (int dc = 0; dc < FigureCols(figure); ++dc) {
                const int r = orow + dr;
                const int c = oc + dc;
                if (r < 0 || c < 0 || r >= GridSize || c >= GridSize) continue;
                LayerCell& target = g_buildLayers[layer][r][c];
                const bool first = dr == 0 && dc == 0;
                if (target.figure == figure && (first || !OwnOrigin(target, r, c))) target = LayerCell{};
            }
    }
    RefillLayers2(buildCols, buildRows);
    return figure;
}

void RefillLayers2(int buildCols, int buildRows) {
    buildCols = std::clamp(buildCols, 0, GridSize);
    buildRows = std::clamp(buildRows, 0, GridSize);
    for (auto& layer : g_buildLayers)
        for (int r = 0; r < buildRows; ++r)
            for (int c = 0; c < buildCols; ++c) {
                LayerCell& cell = layer[r][c];
                if (cell.figure == 0) cell.cellValue = 0;
                const int32_t f = cell.figure;
                if (!ValidFigureId(f) || !OwnOrigin(cell, r, c)) continue;
                for (int dr = 0; dr < FigureRows(f); ++dr)
                    for (int dc = 0; dc < FigureCols(f); ++dc) {
                        if (r + dr >= GridSize || c + dc >= GridSize) continue;
                        LayerCell& target = layer[r + dr][c + dc];
                        if (target.figure == 0) target = LayerCell{f, c, r, g_box2Figures[f].cellValues[dc][dr]};
                    }
            }
}

void uppole2() {
    if (const LevelInfo* info = CurrentLevelInfo()) RefillLayers2(info->buildCols, info->buildRows);
}

void ExpandSampleLayer2(int layer, int sampleCols, int sampleRows) {
    auto& grid = g_sampleLayers[layer];
    sampleCols = std::clamp(sampleCols, 0, GridSize);
    sampleRows = std::clamp(sampleRows, 0, GridSize);
    for (int r = 0; r < sampleRows; ++r)
        for (int c = 0; c < sampleCols; ++c) {
            const int32_t f = grid[r][c].figure;
            if (!ValidFigureId(f) || !OwnOrigin(grid[r][c], r, c)) continue;
            for (int dr = 0; dr < FigureRows(f); ++dr)
                for (int dc = 0; dc < FigureCols(f); ++dc) {
                    if (r + dr >= GridSize || c + dc >= GridSize) continue;
                    LayerCell& target = grid[r + dr][c + dc];
                    if (target.figure == 0) {
                        target.figure = f;
                        target.originCol = c;
                        target.originRow = r;
                    }
                }
        }
}

bool BoardMatchesSample2(int buildCols, int buildRows) {
    buildCols = std::clamp(buildCols, 0, GridSize);
    buildRows = std::clamp(buildRows, 0, GridSize);
    for (int r = 0; r < buildRows; ++r)
        for (int c = 0; c < buildCols; ++c)
            for (int k = 0; k < LayerCount; ++k) {
                const LayerCell& s = g_sampleLayers[k][r][c];
                if (OwnOrigin(s, r, c) && g_buildLayers[k][r][c].figure != s.figure) return false;
            }
    return true;
}
