// Which box 2 figure the "show me" help points at: the sample's first figure, lowest layer
// first and in reading order, whose place is not built right, or a wrong figure in its way.
#include "box2/box2_hint.h"

#include <algorithm>

#include "box2/box2_board.h"
#include "core/hint.h"
#include "core/tables.h"
#include "render/hint_draw.h"
#include "render/texture_catalog.h"

namespace {

struct Placed {
    int32_t figure = 0;
    int layer = 0, row = 0, col = 0;
};

bool IsOrigin(const LayerCell& cell, int row, int col) {
    return cell.figure > 0 && cell.originCol == col && cell.originRow == row;
}

int32_t FieldX(int col) { return g_fieldRect.left + Box2Cell * col; }
int32_t FieldY(int row) { return g_fieldRect.top + Box2Cell * row; }

bool PlacedRight(const Placed& p) {
    const LayerCell& s = g_sampleLayers[p.layer][p.row][p.col];
    return IsOrigin(s, p.row, p.col) && s.figure == p.figure;
}

// Whether two figures at their origins share a shape pixel (their rectangles without a mask).
bool Overlap(const Placed& a, const Placed& b) {
    const PixelRect& ra = g_box2Figures[a.figure].maskRect;
    const PixelRect& rb = g_box2Figures[b.figure].maskRect;
    const int ax = a.col * Box2Cell, ay = a.row * Box2Cell, bx = b.col * Box2Cell, by = b.row * Box2Cell;
    const int left = std::max(ax, bx), right = std::min(ax + ra.x2 - ra.x1, bx + rb.x2 - rb.x1);
    const int top = std::max(ay, by), bottom = std::min(ay + ra.y2 - ra.y1, by + rb.y2 - rb.y1);
    if (left >= right || top >= bottom) return false;
    const plat::Image* mask = Box2MaskSource();
    if (!mask) return true;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (ShapePixel(*mask, ra, x - ax, y - ay) && ShapePixel(*mask, rb, x - bx, y - by)) return true;
    return false;
}

// Every figure on the build field, at its origin, lowest layer first.
template <typename Visit>
bool ForEachPlaced(const LevelInfo& info, Visit visit) {
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < info.buildRows && r < GridSize; ++r)
            for (int c = 0; c < info.buildCols && c < GridSize; ++c)
                if (IsOrigin(g_buildLayers[k][r][c], r, c) && visit(Placed{g_buildLayers[k][r][c].figure, k, r, c}))
                    return true;
    return false;
}

// A placed figure back to the last palette cell that lists it.
bool GoHome(const Placed& p, HintTarget& out) {
    out = HintTarget{p.figure, FieldX(p.col), FieldY(p.row), FieldX(p.col), FieldY(p.row)};
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c)
            if (g_paletteIds[r][c] == p.figure) {
                out.toX = c * Box2Cell + PaletteLeft2;
                out.toY = r * Box2Cell + PaletteTop2;
            }
    return true;
}

// A copy to take: from the palette while copies are left, else one standing wrong on the field.
bool FindSource(int32_t figure, const LevelInfo& info, int32_t& x, int32_t& y) {
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const CellRef& cell = g_paletteCells[r][c];
            if (cell.figure == figure && cell.originCol == c && cell.originRow == r && g_paletteCounts[r][c] != 0) {
                x = c * Box2Cell + PaletteLeft2;
                y = r * Box2Cell + PaletteTop2;
                return true;
            }
        }
    return ForEachPlaced(info, [&](const Placed& p) {
        if (p.figure != figure || PlacedRight(p)) return false;
        x = FieldX(p.col);
        y = FieldY(p.row);
        return true;
    });
}

bool HintFor(const Placed& wanted, const LevelInfo& info, HintTarget& out) {
    if (!ExtentInside(wanted.figure, wanted.row, wanted.col, info.buildRows, info.buildCols)) return false;
    // In the way: a wrong figure on the wanted origin cell of that layer, or one whose shape
    // the wanted figure would touch.
    const bool blocked = ForEachPlaced(info, [&](const Placed& p) {
        if (PlacedRight(p)) return false;
        const bool onOrigin = p.layer == wanted.layer && p.row == wanted.row && p.col == wanted.col;
        if (!onOrigin && !Overlap(p, wanted)) return false;
        GoHome(p, out);
        return true;
    });
    if (blocked) return true;
    out = HintTarget{wanted.figure, 0, 0, FieldX(wanted.col), FieldY(wanted.row)};
    return FindSource(wanted.figure, info, out.fromX, out.fromY);
}

bool FindBox2Hint(HintTarget& out) {
    const LevelInfo* info = CurrentLevelInfo();
    if (!info) return false;
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < info->sampleRows && r < GridSize; ++r)
            for (int c = 0; c < info->sampleCols && c < GridSize; ++c) {
                const LayerCell& s = g_sampleLayers[k][r][c];
                if (!IsOrigin(s, r, c) || !ValidFigureId(s.figure)) continue;
                const LayerCell& b = g_buildLayers[k][r][c];
                if (IsOrigin(b, r, c) && b.figure == s.figure) continue;
                if (HintFor(Placed{s.figure, k, r, c}, *info, out)) return true;
            }
    // Every sample figure stands right: what is left over goes home.
    return ForEachPlaced(*info, [&](const Placed& p) { return !PlacedRight(p) && GoHome(p, out); });
}

}  // namespace

bool Box2HintOpen() {
    const LevelInfo* info = CurrentLevelInfo();
    return info && info->layout == 2 && info->freeBuild == 0 && g_levelDone == 0 && g_levelLocked == 0;
}

void Box2HintStep() {
    StepHint(Box2HintOpen(), g_drag.figure > 0, &FindBox2Hint);
    const int32_t figure = g_hint.target.figure;
    if (g_hint.step <= 0 || !ValidFigureId(figure)) return;
    const PixelRect& r = g_box2Figures[figure].spriteRect;
    const HintTarget& t = g_hint.target;
    DrawHint(HintView{g_hint.step, SurfaceBox2Figures, r.x1, r.y1, r.x2, r.y2, t.fromX, t.fromY, t.toX, t.toY,
                      g_hint.ghostX, g_hint.ghostY, g_hint.glowAlpha});
}
