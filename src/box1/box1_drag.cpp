// Dragging figures: picking up from the palette or the field, carrying, dropping, and the
// flight home of a figure that does not fit.
#include <cstdlib>

#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_steps.h"

namespace {

constexpr int32_t GrabOffsetX = 20;
constexpr int32_t GrabOffsetY = 15;
constexpr int32_t ShadowOffset = 10;
constexpr uint32_t ShadowColour = 0x55000000;
constexpr uint32_t White = 0xFFFFFFFF;
constexpr int32_t PaletteRight = 1152;
constexpr int32_t PaletteBottom = 1023;

int HomeStepsPerFrame() {
    const LevelInfo* info = CurrentLevelInfo();
    return info && info->buildCols > 8 ? 9 : 6;
}

bool FitsPalette(int32_t figure, int row, int col) {
    return row >= 0 && col >= 0 && row + Box1FigureRows(figure) <= PaletteRows &&
           col + Box1FigureCols(figure) <= PaletteCols;
}

// Drop test: the cell under the cursor becomes the origin; every covered cell is examined.
void TryDrop() {
    const LevelInfo* info = CurrentLevelInfo();
    if (!info) return;
    const int32_t c0 = (g_cursorX - g_fieldRect.left) / CellSize;
    const int32_t r0 = (g_cursorY - g_fieldRect.top) / CellSize;
    bool blocked = false;
    for (int k = 0; k < Box1FigureRows(g_drag.figure); ++k)
        for (int w = 0; w < Box1FigureCols(g_drag.figure); ++w) {
            g_dropResolved = 0;
            const int32_t r = r0 + k, c = c0 + w;
            if (r < 0 || c < 0 || r > info->buildRows - 1 || c > info->buildCols - 1) blocked = true;
            else if (g_box1Build[r][c].figure > 0) blocked = true;
        }
    if (blocked) return;
    CoverFieldCells(g_box1Build, g_drag.figure, r0, c0);
    g_drag.figure = 0;
}

void FindHome() { Box1PaletteHome(g_drag.figure, g_drag.homeX, g_drag.homeY); }

// The figure is back in its palette home: the cell shows it again and the copy is counted.
void PutFigureHome() {
    g_returning = 0;
    const int32_t hc = (g_drag.homeX - PaletteLeft) / CellSize;
    const int32_t hr = (g_drag.homeY - PaletteTop) / CellSize;
    // A home that is no palette cell of this figure (a figure no palette lists) takes nothing back.
    if (g_drag.homeX >= PaletteLeft && g_drag.homeY >= PaletteTop && FitsPalette(g_drag.figure, hr, hc) &&
        g_box1PaletteIds[hr][hc] == g_drag.figure) {
        CoverPaletteCells(g_drag.figure, hr, hc);
        if (g_box1PaletteCounts[hr][hc] != UnlimitedCount) g_box1PaletteCounts[hr][hc] += 1;
    }
    g_drag.figure = 0;
    g_drag.state = DragIdle;
}

void ArriveHome() {
    DrawBox1Figure(g_drag.figure, g_drag.x, g_drag.y, White);
    PutFigureHome();
}

void ReleaseStep() {
    const bool overField = g_fieldRect.left <= g_cursorX && g_cursorX <= g_fieldRect.right &&
                           g_fieldRect.top <= g_cursorY && g_cursorY <= g_fieldRect.bottom;
    if (overField && g_returning == 0 && g_levelDone == 0) TryDrop();
    if (g_drag.figure <= 0) return;
    g_returning = 1;
    FindHome();
    for (int s = 0; s < HomeStepsPerFrame(); ++s)
        if (g_drag.x != g_drag.homeX || g_drag.y != g_drag.homeY)
            makeline(g_drag.x, g_drag.y, g_drag.homeX, g_drag.homeY);
    if (g_drag.x == g_drag.homeX && g_drag.y == g_drag.homeY) ArriveHome();
    else DrawBox1Figure(g_drag.figure, g_drag.x, g_drag.y, White);
}

void TakeFromPalette() {
    const int32_t j = (g_cursorX - PaletteLeft) / CellSize;
    const int32_t i = (g_cursorY - PaletteTop) / CellSize;
    const CellRef cell = g_box1PaletteCells[i][j];
    g_drag.figure = cell.figure;
    if (g_drag.figure <= 0) return;
    const int32_t oc = cell.originCol, orow = cell.originRow;
    g_drag.homeX = CellSize * oc + PaletteLeft;
    g_drag.homeY = CellSize * orow + PaletteTop;
    g_drag.x = g_cursorX - GrabOffsetX;
    g_drag.y = g_cursorY - GrabOffsetY;
    int32_t& count = g_box1PaletteCounts[orow][oc];
    if (count == 0) {
        g_drag.figure = 0;
    } else if (count != UnlimitedCount) {
        count -= 1;
        if (count == 0)
            for (int k = 0; k < Box1FigureRows(cell.figure); ++k)
                for (int w = 0; w < Box1FigureCols(cell.figure); ++w) g_box1PaletteCells[orow + k][oc + w].figure = 0;
    }
}

void TakeFromField() {
    const int32_t c = (g_cursorX - g_fieldRect.left) / CellSize;
    const int32_t r = (g_cursorY - g_fieldRect.top) / CellSize;
    if (r < 0 || c < 0 || r >= FieldCells || c >= FieldCells) return;
    const CellRef cell = g_box1Build[r][c];
    g_drag.figure = cell.figure;
    if (g_drag.figure <= 0) return;
    g_drag.x = g_cursorX - GrabOffsetX;
    g_drag.y = g_cursorY - GrabOffsetY;
    for (int k = 0; k < Box1FigureRows(cell.figure); ++k)
        for (int w = 0; w < Box1FigureCols(cell.figure); ++w)
            g_box1Build[cell.originRow + k][cell.originCol + w].figure = 0;
}

}  // namespace

bool Box1PaletteHome(int32_t figure, int32_t& x, int32_t& y) {
    bool found = false;
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j)
            if (g_box1PaletteIds[i][j] == figure) {
                x = PaletteLeft + CellSize * j;
                y = PaletteTop + CellSize * i;
                found = true;
            }
    return found;
}

void scandragfigure() {
    if (PaletteLeft < g_cursorX && g_cursorX < PaletteRight && PaletteTop < g_cursorY && g_cursorY < PaletteBottom &&
        g_drag.figure == 0)
        TakeFromPalette();
    if (g_fieldRect.left < g_cursorX && g_cursorX < g_fieldRect.right && g_fieldRect.top < g_cursorY &&
        g_cursorY < g_fieldRect.bottom && g_drag.figure == 0 && g_returning == 0)
        TakeFromField();
}

void makeline(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t sx = x1 - x2 >= 0 ? 1 : -1;
    const int32_t sy = y1 - y2 >= 0 ? 1 : -1;
    const int32_t dx = std::abs(x1 - x2);
    const int32_t dy = std::abs(y1 - y2);
    if (dx == 0 && dy == 0) return;
    int32_t nx, ny;
    if (dy > dx) {
        nx = dx > dy / 2 ? x1 - sx : x1;
        ny = y1 - sy;
    } else {
        nx = x1 - sx;
        ny = dy > dx / 2 ? y1 - sy : y1;
    }
    g_drag.x = nx < 0 ? 0 : (nx > VirtualWidth ? VirtualWidth : nx);
    g_drag.y = ny < 0 ? 0 : (ny > VirtualHeight ? VirtualHeight : ny);
}

void Box1DragStep() {
    if (g_drag.state == DragHeld) {
        scandragfigure();
        if (g_drag.figure > 0) {
            g_drag.x = g_cursorX - GrabOffsetX;
            g_drag.y = g_cursorY - GrabOffsetY;
            DrawBox1Figure(g_drag.figure, g_drag.x + ShadowOffset, g_drag.y + ShadowOffset, ShadowColour);
            DrawBox1Figure(g_drag.figure, g_drag.x, g_drag.y, White);
        }
    }
    if (g_drag.state == DragReleased && g_drag.figure > 0) ReleaseStep();
}

void SettleBox1Figure() {
    if (g_drag.figure <= 0) return;
    // The same home the flight would reach, reached at once.
    FindHome();
    g_drag.x = g_drag.homeX;
    g_drag.y = g_drag.homeY;
    PutFigureHome();
}
