// The box 1 game screen: frame, hint line, buttons, level number, palette and fields.
#include <iterator>

#include "core/keep_result.h"
#include "core/my_levels.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_steps.h"
#include "core/i18n.h"
#include "core/level_names.h"
#include "core/tables.h"
#include "input/input.h"
#include "render/graphics.h"
#include "render/hint_draw.h"
#include "render/keep_draw.h"
#include "render/focus_frame.h"
#include "render/level_screen.h"
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

constexpr Piece kDecorations[] = {
    {1920, 590, 2048, 720, 0, 80, 0x77FFFFFF},    {1920, 725, 2048, 830, 1148, 80, 0x77FFFFFF},
    {1920, 835, 2048, 920, 1148, 350, 0x77FFFFFF}, {1800, 350, 1920, 550, 1148, 560, 0x77FFFFFF},
    {1920, 350, 2048, 489, 0, 330, 0x77FFFFFF},    {1920, 495, 2048, 590, 0, 650, 0x77FFFFFF},
    {1536, 994, 2048, 1024, 384, 5, White},
};

// Box 1 says more than the shared hint: a level missing from the table, and the end of the box.
void DrawHint(const LevelInfo* info) {
    if (!info) {
        DrawHintLine(Tr("Такого уровня нет"));
        return;
    }
    DrawLevelHint(g_levelDone, g_levelLocked, info->freeBuild);
    if (g_levelDone >= 2 && info->freeBuild == 0 && g_currentLevel == MaxLevel)
        DrawHintLine(Tr("Это был последний уровень"));
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
    Box1HintStep();
    g_dropResolved = 1;
    if (g_levelLocked == 1) return;
    Box1DragStep();
}

void drawlevelskorobka1() {
    CheckActiveSounds();
    g_levelLocked = LevelLockedNow() ? 1 : 0;
    g_clearColor = 0xFFFFE7DD;
    if (g_device) g_device->Clear(g_clearColor, 1.0f);
    if (g_sprite && plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) RestoreDevice();
    DrawDecorations(kDecorations, static_cast<int>(std::size(kDecorations)));
    const LevelInfo* info = CurrentLevelInfo();
    DrawHint(info);
    g_hotButton = 0;
    ScanMousePosition();
    DrawLevelButtons(info ? info->freeBuild : 0, g_currentLevel);
    if (Box1HintOpen()) DrawHintButton(g_hotButton == HotHint);
    if (info && info->freeBuild == 1) DrawKeepButton(g_hotButton == HotKeep, KeepResultNow());
    DrawLevelNumber(g_currentLevel);
    DrawLevelName(LevelName(1, g_currentLevel));
    drawpalette();
    DrawBoxFocusFrame();
    scanlevelcomplete();
}
