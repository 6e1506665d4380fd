// The box 1 game screen: frame, hint line, buttons, level number, palette and fields.
#include <string>

#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_steps.h"
#include "app/frame_loop.h"
#include "app/tables.h"
#include "input/input.h"
#include "render/graphics.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"
#include "sound/sound.h"



namespace {

constexpr uint32_t White = 0xFFFFFFFF;
constexpr uint32_t FrameGrey = 0xFF888888;
constexpr uint32_t GridColour = 0x99444444;
constexpr uint32_t LockedShade = 0x55000000;
constexpr int32_t FieldCentreX = 640;
constexpr int32_t FieldCentreY = 415;
constexpr int32_t LeftFieldRight = 608;
constexpr int32_t SampleLeft = 672;

struct Decoration {
    int left, top, right, bottom, x, y;
    uint32_t colour;
};

constexpr Decoration kDecorations[] = {
    {1920, 590, 2048, 720, 0, 80, 0x77FFFFFF},    {1920, 725, 2048, 830, 1148, 80, 0x77FFFFFF},
    {1920, 835, 2048, 920, 1148, 350, 0x77FFFFFF}, {1800, 350, 1920, 550, 1148, 560, 0x77FFFFFF},
    {1920, 350, 2048, 489, 0, 330, 0x77FFFFFF},    {1920, 495, 2048, 590, 0, 650, 0x77FFFFFF},
    {1536, 994, 2048, 1024, 384, 5, White},
};

void DrawText(plat::Font* font, const std::string& text, int left, int top, int right, int bottom, uint32_t colour) {
    if (!font) return;
    plat::Rect rect;
    plat::SetRect(rect, left, top, right, bottom);
    g_rect = rect;
    font->DrawText(g_sprite.get(), text, g_rect, plat::DT_LEFT_TOP, colour);
}

void DrawHint(const LevelInfo* info) {
    const int32_t freeBuild = info ? info->freeBuild : 0;
    if (!info) {
        DrawText(g_fontLarge.get(), "Такого уровня нет", 455, 9, 896, 500, White);
        return;
    }
    if (g_levelDone == 0 && freeBuild == 0) {
        const char* text = g_levelLocked == 1 ? "Предыдущий уровень не пройден" : "Соберите картинку в левом поле";
        DrawText(g_fontLarge.get(), text, 455, 9, 896, 500, White);
    } else if (g_levelDone == 1) {
        DrawText(g_fontLarge.get(), "Кликните мышкой для продолжения", 442, 9, 896, 500, White);
    } else if (g_levelDone >= 2 && freeBuild == 0 && g_currentLevel >= MaxLevel) {
        // The last level of the box has been solved: nothing comes after it.
        DrawText(g_fontLarge.get(), "Это был последний уровень", 455, 9, 896, 500, White);
    }
    if (freeBuild == 1)
        DrawText(g_fontNormal.get(), "Уровень для свободного конструирования", 440, 11, 896, 500, White);
}

void DrawButtons(const LevelInfo* info) {
    const bool hot8 = g_hotButton == HotRestartLevel;
    DrawSheet(SurfaceMain, 1491, 980, 1535, 1024, 1065, 0, hot8 ? White : 0x77FFFFFF);
    if (g_hotButton == HotBack) DrawSheet(SurfaceMain, 1322, 980, 1365, 1024, 1235, 0, White);
    else DrawSheet(SurfaceMain, 1280, 980, 1322, 1024, 1235, 0, White);
    if (!info || info->freeBuild != 1) {
        if (g_hotButton == HotNextLevel) DrawSheet(SurfaceMain, 1397, 980, 1428, 1024, 1193, 0, White);
        else DrawSheet(SurfaceMain, 1365, 980, 1395, 1024, 1190, 0, White);
    }
    if (g_currentLevel > 1) {
        if (g_hotButton == HotPrevLevel) DrawSheet(SurfaceMain, 1460, 980, 1490, 1024, 1117, 0, White);
        else DrawSheet(SurfaceMain, 1429, 980, 1459, 1024, 1120, 0, White);
    }
}

void DrawLevelNumber() {
    const int d = g_currentLevel >= 100 ? 2 : (g_currentLevel >= 10 ? 1 : 0);
    DrawText(g_fontLarge.get(), std::to_string(g_currentLevel), 1166 - 8 * d, 12, 1200, 40, 0xFF777700);
}

void DrawFieldFrame(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    rectangle(left - 1, top - 1, right + 1, bottom + 1, FrameGrey);
    drawsetka(left, top, right, bottom, CellSize, GridColour);
}

}  // namespace

void DrawBox1Figure(int32_t figure, int32_t x, int32_t y, uint32_t colour) {
    if (figure < 1 || figure > MaxBox1Figure) return;
    const Box1Figure& f = g_box1Figures[figure];
    DrawSheet(SurfaceBox1Figures, f.x1, f.y1, f.x2, f.y2, x, y, colour);
}

void drawsetka(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t step, uint32_t colour) {
    if (step <= 0) return;
    for (int32_t k = 1; k <= (right - left) / step - 1; ++k)
        for (int32_t m = 0; m <= (bottom - top) / 2; ++m)
            DrawSheet(SurfacePen, 0, 0, 1, 1, left + k * step, top + 2 * m, colour);
    for (int32_t k = 1; k <= (bottom - top) / step - 1; ++k)
        for (int32_t m = 0; m <= (right - left) / 2; ++m)
            DrawSheet(SurfacePen, 0, 0, 1, 1, left + 2 * m, top + k * step, colour);
}

void drawpalette() {
    rectangle(127, 830, 1153, 1024, FrameGrey);
    drawsetka(PaletteLeft, PaletteTop, 1152, 1023, 64, GridColour);
    const uint32_t paletteColour = g_levelLocked == 1 ? LockedShade : White;
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            const CellRef& cell = g_box1PaletteCells[i][j];
            if (cell.figure > 0 && cell.originCol == j && cell.originRow == i)
                DrawBox1Figure(cell.figure, PaletteLeft + CellSize * j, PaletteTop + CellSize * i, paletteColour);
        }

    const LevelInfo* info = CurrentLevelInfo();
    const int32_t layout = info ? info->layout : 0;
    if (layout == 1 || layout == 2) {
        const int32_t top = FieldCentreY - 16 * info->buildRows;
        const int32_t left = layout == 1 ? FieldCentreX - 16 * info->buildCols : LeftFieldRight - CellSize * info->buildCols;
        g_fieldRect = FieldRect{left, left + CellSize * info->buildCols, top, top + CellSize * info->buildRows};
        DrawFieldFrame(g_fieldRect.left, g_fieldRect.top, g_fieldRect.right, g_fieldRect.bottom);
        if (layout == 2) {
            const int32_t sampleTop = FieldCentreY - 16 * info->sampleRows;
            DrawFieldFrame(SampleLeft, sampleTop, SampleLeft + CellSize * info->sampleCols,
                           sampleTop + CellSize * info->sampleRows);
            for (int r = 0; r < info->sampleRows && r < FieldCells; ++r)
                for (int c = 0; c < info->sampleCols && c < FieldCells; ++c) {
                    const CellRef& cell = g_box1Sample[r][c];
                    if (cell.figure > 0 && cell.originCol == c && cell.originRow == r)
                        DrawBox1Figure(cell.figure, SampleLeft + CellSize * c, sampleTop + CellSize * r, g_layerColour);
                }
        }
    }
    if (info) {
        for (int r = 0; r < info->buildRows && r < FieldCells; ++r)
            for (int c = 0; c < info->buildCols && c < FieldCells; ++c) {
                const CellRef& cell = g_box1Build[r][c];
                if (cell.figure > 0 && cell.originCol == c && cell.originRow == r)
                    DrawBox1Figure(cell.figure, g_fieldRect.left + CellSize * c, g_fieldRect.top + CellSize * r,
                                   g_layerColour);
            }
    }
    g_dropResolved = 1;
    if (g_levelLocked == 1) return;
    Box1DragStep();
}

void drawlevelskorobka1() {
    CheckActiveSounds();
    g_levelLocked = g_currentLevel - 1 > g_maxCompletedLevel ? 1 : 0;
    g_clearColor = 0xFFFFE7DD;
    if (g_device) g_device->Clear(g_clearColor, 1.0f);
    if (g_sprite && plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) RestoreDevice();
    for (const Decoration& d : kDecorations) DrawSheet(SurfaceMain, d.left, d.top, d.right, d.bottom, d.x, d.y, d.colour);
    const LevelInfo* info = CurrentLevelInfo();
    DrawHint(info);
    g_hotButton = 0;
    ScanMousePosition();
    DrawButtons(info);
    DrawLevelNumber();
    drawpalette();
    scanlevelcomplete();
}
