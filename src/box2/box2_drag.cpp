// Taking figures from the palette or the field, carrying, dropping and flying back.
#include "box2/box2_drag.h"

#include <cstdint>

#include "box1/box1.h"
#include "box2/box2_board.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

constexpr uint32_t kShadowColour = 0x55000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;

void DrawFigure(int32_t figure, int x, int y, uint32_t colour) {
    if (!ValidFigureId(figure)) return;
    const PixelRect& r = g_box2Figures[figure].spriteRect;
    DrawSheet(SurfaceBox2Figures, r.x1, r.y1, r.x2, r.y2, x, y, colour);
}

int BuildCols() {
    const LevelInfo* info = CurrentLevelInfo();
    return info ? info->buildCols : 0;
}

int BuildRows() {
    const LevelInfo* info = CurrentLevelInfo();
    return info ? info->buildRows : 0;
}

void TakeFromPalette() {
    const int col = (g_cursorX - PaletteLeft2) / Box2Cell;
    const int row = (g_cursorY - PaletteTop2) / Box2Cell;
    const CellRef cell = g_paletteCells[row][col];
    g_drag.figure = cell.figure;
    if (g_drag.figure <= 0) return;
    const int oc = cell.originCol;
    const int orow = cell.originRow;
    g_drag.homeX = oc * Box2Cell + PaletteLeft2;
    g_drag.homeY = orow * Box2Cell + PaletteTop2;
    g_drag.x = g_cursorX - 10;
    g_drag.y = g_cursorY - 7;
    int32_t& count = g_paletteCounts[orow][oc];
    if (count == 0) {
        g_drag.figure = 0;   // used up
    } else if (count >= 1 && count <= 254) {
        --count;
        if (count == 0)
            for (int dr = 0; dr < FigureRows(g_drag.figure); ++dr)
                for (int dc = 0; dc < FigureCols(g_drag.figure); ++dc)
                    if (orow + dr < PaletteRows && oc + dc < PaletteCols) g_paletteCells[orow + dr][oc + dc].figure = 0;
    }
}

void TakeFromField() {
    const int col = (g_cursorX - g_fieldRect.left) / Box2Cell;
    const int row = (g_cursorY - g_fieldRect.top) / Box2Cell;
    if (row < 0 || col < 0 || row >= GridSize || col >= GridSize) return;
    const LayerCell chosen = ChooseLayerCell2(row, col);
    g_drag.figure = chosen.figure;
    if (g_drag.figure <= 0) return;
    g_drag.x = g_cursorX - 10;
    g_drag.y = g_cursorY - 7;
    LiftFigure2(chosen, BuildCols(), BuildRows());
}

void Drop() {
    const int col = (g_cursorX - g_fieldRect.left) / Box2Cell;
    const int row = (g_cursorY - g_fieldRect.top) / Box2Cell;
    bool wrote = false;
    if (!DropFigure2(g_drag.figure, col, row, BuildCols(), BuildRows(), &wrote)) return;
    if (wrote) g_dropResolved = 0;
    g_drag.figure = 0;
}

// The last palette cell in row order that lists the figure is its home.
void FindHome(int32_t figure) {
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c)
            if (g_paletteIds[r][c] == figure) {
                g_drag.homeX = c * Box2Cell + PaletteLeft2;
                g_drag.homeY = r * Box2Cell + PaletteTop2;
            }
}

// The figure has reached its home: the palette takes it back and the hand is empty.
void PutFigureHome(int32_t figure) {
    g_returning = 0;
    const int oc = (g_drag.homeX - PaletteLeft2) / Box2Cell;
    const int orow = (g_drag.homeY - PaletteTop2) / Box2Cell;
    // Only a palette cell that lists this figure takes it back; a figure without a
    // palette cell of its own simply leaves the board.
    const bool home = orow >= 0 && oc >= 0 && orow < PaletteRows && oc < PaletteCols &&
                      g_paletteIds[orow][oc] == figure && ExtentInside(figure, orow, oc, PaletteRows, PaletteCols);
    if (home) {
        for (int dr = 0; dr < FigureRows(figure); ++dr)
            for (int dc = 0; dc < FigureCols(figure); ++dc) g_paletteCells[orow + dr][oc + dc] = CellRef{figure, oc, orow};
        // Counts are any number in a file; the largest one cannot grow any further.
        int32_t& count = g_paletteCounts[orow][oc];
        if (count != UnlimitedCount && count < INT32_MAX) ++count;
    }
    g_drag.figure = 0;
    g_drag.state = DragIdle;
}

void FlyBack() {
    const int32_t figure = g_drag.figure;
    g_returning = 1;
    FindHome(figure);
    const int steps = BuildCols() > 8 ? 14 : 6;
    for (int i = 0; i < steps; ++i)
        if (g_drag.x != g_drag.homeX || g_drag.y != g_drag.homeY) makeline(g_drag.x, g_drag.y, g_drag.homeX, g_drag.homeY);
    DrawFigure(figure, g_drag.x, g_drag.y, kWhite);
    if (g_drag.x == g_drag.homeX && g_drag.y == g_drag.homeY) PutFigureHome(figure);
}

bool InField(bool edgesIncluded) {
    const FieldRect& f = g_fieldRect;
    if (edgesIncluded)
        return g_cursorX >= f.left && g_cursorX <= f.right && g_cursorY >= f.top && g_cursorY <= f.bottom;
    return g_cursorX > f.left && g_cursorX < f.right && g_cursorY > f.top && g_cursorY < f.bottom;
}

}  // namespace

void scandragfigure2() {
    if (g_cursorX > 1 && g_cursorX < 1279 && g_cursorY > 705 && g_cursorY < 1023 && g_drag.figure == 0) TakeFromPalette();
    // Shape pixels come from the mask copy; without one the field is left alone this pass.
    if (InField(false) && g_drag.figure == 0 && g_returning == 0 && Box2MaskSource()) TakeFromField();
}

void Box2DragStep() {
    g_dropResolved = 1;
    if (g_levelLocked != 0) return;
    if (g_drag.state == DragHeld) {
        scandragfigure2();
        if (g_drag.figure > 0) {
            g_drag.x = g_cursorX - 10;
            g_drag.y = g_cursorY - 7;
            DrawFigure(g_drag.figure, g_drag.x + 10, g_drag.y + 10, kShadowColour);
            DrawFigure(g_drag.figure, g_drag.x, g_drag.y, kWhite);
        }
    }
    if (g_drag.state == DragReleased && g_drag.figure > 0) {
        if (InField(true) && g_returning == 0 && g_levelDone == 0) Drop();
        if (g_drag.figure > 0) FlyBack();
    }
}

void SettleBox2Figure() {
    const int32_t figure = g_drag.figure;
    if (figure <= 0) return;
    // The same home the flight would reach, reached at once.
    FindHome(figure);
    g_drag.x = g_drag.homeX;
    g_drag.y = g_drag.homeY;
    PutFigureHome(figure);
}
