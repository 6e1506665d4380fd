// The box 2 game screen: background, status text, buttons, level number, palette strip,
// fields and placed figures, then the drag step and the completion check.
#include <string>

#include "app/frame_loop.h"
#include "box2/box2.h"
#include "box2/box2_board.h"
#include "box2/box2_drag.h"
#include "box2/box2_screen.h"
#include "input/input.h"
#include "render/graphics.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"
#include "sound/sound.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kFaded = 0x77FFFFFF;
constexpr uint32_t kFrameColour = 0xFF888888;
constexpr uint32_t kGridColour = 0x99444444;
constexpr uint32_t kBackground = 0xFFFFE7DD;

struct Piece {
    int left, top, right, bottom, x, y;
    uint32_t colour;
};

const Piece kBackgroundPieces[] = {
    {1920, 590, 2048, 720, 0, 80, kFaded},     {1920, 725, 2048, 830, 1148, 80, kFaded},
    {1920, 835, 2048, 920, 1148, 300, kFaded}, {1800, 350, 1920, 550, 1148, 510, kFaded},
    {1920, 350, 2048, 489, 0, 290, kFaded},    {1920, 495, 2048, 590, 0, 610, kFaded},
    {1536, 994, 2048, 1024, 384, 5, kWhite},
};

void DrawText(plat::Font* font, const char* text, int left, int top, int right, int bottom, uint32_t colour) {
    if (!font || !g_sprite) return;
    plat::Rect r;
    plat::SetRect(r, left, top, right, bottom);
    font->DrawText(g_sprite.get(), text, r, plat::DT_LEFT_TOP, colour);
}

// Dotted grid lines every `step` pixels inside a rectangle (inner lines only), each dot one
// pen texel two pixels from the next.
void DrawDottedGrid(int left, int top, int right, int bottom, int step, uint32_t colour) {
    for (int k = 1; k <= (right - left) / step - 1; ++k)
        for (int m = 0; m <= (bottom - top) / 2; ++m) DrawSheet(SurfacePen, 0, 0, 1, 1, left + k * step, top + 2 * m, colour);
    for (int k = 1; k <= (bottom - top) / step - 1; ++k)
        for (int m = 0; m <= (right - left) / 2; ++m) DrawSheet(SurfacePen, 0, 0, 1, 1, left + 2 * m, top + k * step, colour);
}

void DrawFigure(int32_t figure, int x, int y, uint32_t colour) {
    if (!ValidFigureId(figure)) return;
    const PixelRect& r = g_box2Figures[figure].spriteRect;
    DrawSheet(SurfaceBox2Figures, r.x1, r.y1, r.x2, r.y2, x, y, colour);
}

bool IsOrigin(const LayerCell& cell, int row, int col) {
    return cell.figure > 0 && cell.originCol == col && cell.originRow == row;
}

void DrawField(int left, int top, int right, int bottom) {
    rectangle(left - 1, top - 1, right + 1, bottom + 1, kFrameColour);
    DrawDottedGrid(left, top, right, bottom, Box2Cell, kGridColour);
}

void DrawLayers(const LayerCell (&layers)[LayerCount][GridSize][GridSize], int cols, int rows, int left, int top) {
    for (int r = 0; r < rows && r < GridSize; ++r)
        for (int c = 0; c < cols && c < GridSize; ++c)
            for (int k = 0; k < LayerCount; ++k)
                if (IsOrigin(layers[k][r][c], r, c))
                    DrawFigure(layers[k][r][c].figure, left + Box2Cell * c, top + Box2Cell * r, g_layerColour);
}

void DrawButtons(int freeBuild) {
    g_hotButton = 0;
    ScanMousePosition();
    DrawSheet(SurfaceMain, 1491, 980, 1535, 1024, 1065, 0, g_hotButton == HotRestartLevel ? kWhite : kFaded);
    if (g_hotButton == HotBack)
        DrawSheet(SurfaceMain, 1322, 980, 1365, 1024, 1235, 0, kWhite);
    else
        DrawSheet(SurfaceMain, 1280, 980, 1322, 1024, 1235, 0, kWhite);
    if (freeBuild != 1) {
        if (g_hotButton == HotNextLevel)
            DrawSheet(SurfaceMain, 1397, 980, 1428, 1024, 1193, 0, kWhite);
        else
            DrawSheet(SurfaceMain, 1365, 980, 1395, 1024, 1190, 0, kWhite);
    }
    if (g_currentLevel > 1) {
        if (g_hotButton == HotPrevLevel)
            DrawSheet(SurfaceMain, 1460, 980, 1490, 1024, 1117, 0, kWhite);
        else
            DrawSheet(SurfaceMain, 1429, 980, 1459, 1024, 1120, 0, kWhite);
    }
}

void DrawStatus(int freeBuild) {
    plat::Font* large = g_fontLarge.get();
    if (g_levelDone == 0) {
        const char* text = g_levelLocked == 1 ? "Предыдущий уровень не пройден" : "Соберите картинку в левом поле";
        if (freeBuild == 0) DrawText(large, text, 455, 9, 896, 500, kWhite);
    } else if (g_levelDone == 1) {
        DrawText(large, "Кликните мышкой для продолжения", 442, 9, 896, 500, kWhite);
    }
    if (freeBuild == 1) DrawText(g_fontNormal.get(), "Уровень для свободного конструирования", 440, 11, 896, 500, kWhite);
}

void DrawLevelNumber() {
    const int d = g_currentLevel < 10 ? 0 : (g_currentLevel <= 99 ? 1 : 2);
    const std::string number = std::to_string(g_currentLevel);
    DrawText(g_fontLarge.get(), number.c_str(), 1166 - 8 * d, 12, 1200, 40, 0xFF777700);
}

}  // namespace

void drawpalette2() {
    rectangle(0, 704, 1280, 1024, kFrameColour);
    DrawDottedGrid(0, 704, 1280, 1024, Box2Cell, kGridColour);
    const uint32_t paletteColour = g_levelLocked != 0 ? 0x55000000 : kWhite;
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const CellRef& cell = g_paletteCells[r][c];
            if (cell.figure > 0 && cell.originCol == c && cell.originRow == r)
                DrawFigure(cell.figure, c * Box2Cell + PaletteLeft2, r * Box2Cell + PaletteTop2, paletteColour);
        }

    if (const LevelInfo* info = CurrentLevelInfo()) {
        const int top = 365 - 8 * info->buildRows;
        const int bottom = top + Box2Cell * info->buildRows;
        if (info->layout == 1 || info->layout == 2) {
            const int left = info->layout == 1 ? 640 - 8 * info->buildCols : 624 - Box2Cell * info->buildCols;
            const int right = info->layout == 1 ? left + Box2Cell * info->buildCols : 624;
            DrawField(left, top, right, bottom);
            g_fieldRect = FieldRect{left, right, top, bottom};
        }
        if (info->layout == 2) {
            const int sampleTop = 365 - 8 * info->sampleRows;
            DrawField(656, sampleTop, 656 + Box2Cell * info->sampleCols, sampleTop + Box2Cell * info->sampleRows);
            DrawLayers(g_sampleLayers, info->sampleCols, info->sampleRows, 656, sampleTop);
        }
        if (info->layout == 1 || info->layout == 2)
            DrawLayers(g_buildLayers, info->buildCols, info->buildRows, g_fieldRect.left, g_fieldRect.top);
    }
    Box2DragStep();
}

void drawlevelskorobka2() {
    CheckActiveSounds();
    g_levelLocked = g_currentLevel - 1 > g_maxCompletedLevel ? 1 : 0;
    g_clearColor = kBackground;
    if (g_device) g_device->Clear(g_clearColor, 1.0f);
    if (g_sprite && plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) RestoreDevice();
    for (const Piece& p : kBackgroundPieces) DrawSheet(SurfaceMain, p.left, p.top, p.right, p.bottom, p.x, p.y, p.colour);
    const LevelInfo* info = CurrentLevelInfo();
    const int freeBuild = info ? info->freeBuild : 0;
    DrawStatus(freeBuild);
    DrawButtons(freeBuild);
    DrawLevelNumber();
    drawpalette2();
    scanlevelcomplete2();
}
