// Which box 1 figure the "show me" help points at: the sample's first figure in reading
// order whose place is not built right, or a wrong figure that stands in its way.
#include "box1/box1_board.h"
#include "box1/box1_steps.h"
#include "core/hint.h"
#include "core/tables.h"
#include "render/hint_draw.h"
#include "render/texture_catalog.h"

namespace {

bool IsOrigin(const CellRef& cell, int row, int col) {
    return cell.figure > 0 && cell.originCol == col && cell.originRow == row;
}

int32_t FieldX(int col) { return g_fieldRect.left + CellSize * col; }
int32_t FieldY(int row) { return g_fieldRect.top + CellSize * row; }

// A placed figure is right when the sample has the same figure with the same origin.
bool PlacedRight(const CellRef& placed) {
    return IsOrigin(g_box1Sample[placed.originRow][placed.originCol], placed.originRow, placed.originCol) &&
           g_box1Sample[placed.originRow][placed.originCol].figure == placed.figure;
}

// A placed figure goes back to its palette home.
bool GoHome(const CellRef& placed, HintTarget& out) {
    out = HintTarget{placed.figure, FieldX(placed.originCol), FieldY(placed.originRow), 0, 0};
    if (!Box1PaletteHome(placed.figure, out.toX, out.toY)) {
        out.toX = out.fromX;
        out.toY = out.fromY;
    }
    return true;
}

// A copy to take: from the palette while copies are left, else one standing wrong on the field.
bool FindSource(int32_t figure, const LevelInfo& info, int32_t& x, int32_t& y) {
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (IsOrigin(g_box1PaletteCells[i][j], i, j) && g_box1PaletteCells[i][j].figure == figure &&
                g_box1PaletteCounts[i][j] != 0) {
                x = PaletteLeft + CellSize * j;
                y = PaletteTop + CellSize * i;
                return true;
            }
    for (int r = 0; r < info.buildRows && r < FieldCells; ++r)
        for (int c = 0; c < info.buildCols && c < FieldCells; ++c) {
            const CellRef& cell = g_box1Build[r][c];
            if (IsOrigin(cell, r, c) && cell.figure == figure && !PlacedRight(cell)) {
                x = FieldX(c);
                y = FieldY(r);
                return true;
            }
        }
    return false;
}

// The hint for one sample figure at (row, col) that is not built yet: clear its cells first.
bool HintFor(const CellRef& wanted, int row, int col, const LevelInfo& info, HintTarget& out) {
    const int rows = Box1FigureRows(wanted.figure), cols = Box1FigureCols(wanted.figure);
    if (row + rows > info.buildRows || col + cols > info.buildCols) return false;
    for (int k = 0; k < rows; ++k)
        for (int w = 0; w < cols; ++w) {
            const CellRef& cell = g_box1Build[row + k][col + w];
            if (cell.figure > 0) return GoHome(g_box1Build[cell.originRow][cell.originCol], out);
        }
    out = HintTarget{wanted.figure, 0, 0, FieldX(col), FieldY(row)};
    return FindSource(wanted.figure, info, out.fromX, out.fromY);
}

bool FindBox1Hint(HintTarget& out) {
    const LevelInfo* info = CurrentLevelInfo();
    if (!info) return false;
    const int rows = info->sampleRows < FieldCells ? info->sampleRows : FieldCells;
    const int cols = info->sampleCols < FieldCells ? info->sampleCols : FieldCells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const CellRef& wanted = g_box1Sample[r][c];
            if (!IsOrigin(wanted, r, c)) continue;
            const CellRef& built = g_box1Build[r][c];
            if (IsOrigin(built, r, c) && built.figure == wanted.figure) continue;
            if (HintFor(wanted, r, c, *info, out)) return true;
        }
    // Every sample figure stands right: what is left over goes home.
    for (int r = 0; r < info->buildRows && r < FieldCells; ++r)
        for (int c = 0; c < info->buildCols && c < FieldCells; ++c)
            if (IsOrigin(g_box1Build[r][c], r, c) && !PlacedRight(g_box1Build[r][c])) return GoHome(g_box1Build[r][c], out);
    return false;
}

}  // namespace

bool Box1HintOpen() {
    const LevelInfo* info = CurrentLevelInfo();
    return info && info->layout == 2 && info->freeBuild == 0 && g_levelDone == 0 && g_levelLocked == 0;
}

void Box1HintStep() {
    StepHint(Box1HintOpen(), g_drag.figure > 0, &FindBox1Hint);
    const int32_t figure = g_hint.target.figure;
    if (g_hint.step <= 0 || figure < 1 || figure > MaxBox1Figure) return;
    const Box1Figure& f = g_box1Figures[figure];
    const HintTarget& t = g_hint.target;
    DrawHint(HintView{g_hint.step, SurfaceBox1Figures, f.x1, f.y1, f.x2, f.y2, t.fromX, t.fromY, t.toX, t.toY,
                      g_hint.ghostX, g_hint.ghostY, g_hint.glowAlpha});
}
