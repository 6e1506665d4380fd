// The box 2 game screen: background, status text, buttons, level number, palette strip,
// fields and placed figures, then the drag step and the completion check.
#include <iterator>

#include "core/keep_result.h"
#include "core/my_levels.h"
#include "box2/box2.h"
#include "box2/box2_board.h"
#include "box2/box2_drag.h"
#include "box2/box2_hint.h"
#include "box2/box2_screen.h"
#include "core/level_names.h"
#include "input/input.h"
#include "render/graphics.h"
#include "render/hint_draw.h"
#include "render/keep_draw.h"
#include "render/focus_frame.h"
#include "render/level_screen.h"
#include "render/sprite_idiom.h"
#include "render/static_layer.h"
#include "render/texture_catalog.h"
#include "sound/sound.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kFaded = 0x77FFFFFF;
constexpr uint32_t kFrameColour = 0xFF888888;
constexpr uint32_t kGridColour = 0x99444444;
constexpr uint32_t kBackground = 0xFFFFE7DD;

const Piece kBackgroundPieces[] = {
    {1920, 590, 2048, 720, 0, 80, kFaded},     {1920, 725, 2048, 830, 1148, 80, kFaded},
    {1920, 835, 2048, 920, 1148, 300, kFaded}, {1800, 350, 1920, 550, 1148, 510, kFaded},
    {1920, 350, 2048, 489, 0, 290, kFaded},    {1920, 495, 2048, 590, 0, 610, kFaded},
    {1536, 994, 2048, 1024, 384, 5, kWhite},
};

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
    drawsetka(left, top, right, bottom, Box2Cell, kGridColour);
}

void DrawLayers(const LayerCell (&layers)[LayerCount][GridSize][GridSize], int cols, int rows, int left, int top) {
    for (int r = 0; r < rows && r < GridSize; ++r)
        for (int c = 0; c < cols && c < GridSize; ++c)
            for (int k = 0; k < LayerCount; ++k)
                if (IsOrigin(layers[k][r][c], r, c))
                    DrawFigure(layers[k][r][c].figure, left + Box2Cell * c, top + Box2Cell * r, g_layerColour);
}

// Where the build field and the sample field lie; both are empty for a layout without them.
struct FieldPlaces {
    FieldRect build{};
    FieldRect sample{};
    bool hasBuild = false, hasSample = false;
};

FieldPlaces PlaceFields(const LevelInfo* info) {
    FieldPlaces p;
    if (info == nullptr) return p;
    p.hasBuild = info->layout == 1 || info->layout == 2;
    p.hasSample = info->layout == 2;
    if (p.hasBuild) {
        const int top = 365 - 8 * info->buildRows;
        const int left = info->layout == 1 ? 640 - 8 * info->buildCols : 624 - Box2Cell * info->buildCols;
        const int right = info->layout == 1 ? left + Box2Cell * info->buildCols : 624;
        p.build = FieldRect{left, right, top, top + Box2Cell * info->buildRows};
    }
    if (p.hasSample) {
        const int top = 365 - 8 * info->sampleRows;
        p.sample = FieldRect{656, 656 + Box2Cell * info->sampleCols, top, top + Box2Cell * info->sampleRows};
    }
    return p;
}

// The frames and dotted grids of the palette and the fields: the same every frame of a level.
void DrawFramesAndGrids() {
    rectangle(0, 704, 1280, 1024, kFrameColour);
    drawsetka(0, 704, 1280, 1024, Box2Cell, kGridColour);
    const FieldPlaces p = PlaceFields(CurrentLevelInfo());
    if (p.hasBuild) DrawField(p.build.left, p.build.top, p.build.right, p.build.bottom);
    if (p.hasSample) DrawField(p.sample.left, p.sample.top, p.sample.right, p.sample.bottom);
}

// Everything DrawFramesAndGrids depends on.
uint64_t FramesAndGridsKey(const LevelInfo* info) {
    if (info == nullptr) return 0;
    uint64_t key = 1;
    for (int32_t v : {info->layout, info->buildCols, info->buildRows, info->sampleCols, info->sampleRows})
        key = key * 1000003u ^ uint32_t(v);
    return key;
}

}  // namespace

void drawpalette2() {
    const LevelInfo* info = CurrentLevelInfo();
    DrawStaticLayer(FramesAndGridsKey(info), &DrawFramesAndGrids);
    const uint32_t paletteColour = g_levelLocked != 0 ? 0x55000000 : kWhite;
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const CellRef& cell = g_paletteCells[r][c];
            if (cell.figure > 0 && cell.originCol == c && cell.originRow == r)
                DrawFigure(cell.figure, c * Box2Cell + PaletteLeft2, r * Box2Cell + PaletteTop2, paletteColour);
        }

    const FieldPlaces p = PlaceFields(info);
    if (p.hasBuild) g_fieldRect = p.build;
    if (p.hasSample) DrawLayers(g_sampleLayers, info->sampleCols, info->sampleRows, p.sample.left, p.sample.top);
    if (p.hasBuild) DrawLayers(g_buildLayers, info->buildCols, info->buildRows, p.build.left, p.build.top);
    Box2HintStep();
    Box2DragStep();
}

void drawlevelskorobka2() {
    CheckActiveSounds();
    g_levelLocked = LevelLockedNow() ? 1 : 0;
    g_clearColor = kBackground;
    if (g_device) g_device->Clear(g_clearColor, 1.0f);
    if (g_sprite && plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) RestoreDevice();
    DrawDecorations(kBackgroundPieces, static_cast<int>(std::size(kBackgroundPieces)));
    const LevelInfo* info = CurrentLevelInfo();
    const int freeBuild = info ? info->freeBuild : 0;
    DrawLevelHint(g_levelDone, g_levelLocked, freeBuild);
    g_hotButton = 0;
    ScanMousePosition();
    DrawLevelButtons(freeBuild, g_currentLevel);
    if (Box2HintOpen()) DrawHintButton(g_hotButton == HotHint);
    if (freeBuild == 1) DrawKeepButton(g_hotButton == HotKeep, KeepResultNow());
    DrawLevelNumber(g_currentLevel);
    DrawLevelName(LevelName(2, g_currentLevel));
    drawpalette2();
    DrawBoxFocusFrame();
    scanlevelcomplete2();
}
