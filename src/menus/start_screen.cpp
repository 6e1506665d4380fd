// The start selection screen of a box: a new game, (when a save exists) continue, and the
// overview of the box's levels.
#include "menus/menu_targets.h"
#include "core/game_state.h"
#include "core/parent_state.h"
#include "menus/level_overview.h"
#include "menus/menu_screen.h"
#include "menus/menus.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"
#include "sound/sound.h"

namespace {

constexpr uint32_t Opaque = 0xFFFFFFFF;

bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return x > left && x < right && y > top && y < bottom;
}

// This screen's own zones, all bounds excluded. The continue zone answers even when
// the continue banner is not shown; the click only acts with a save.
int StartScreenHot(int x, int y) {
    if (Inside(x, y, 152, 162, 874, 274)) return HotChoice1;
    if (Inside(x, y, 56, 424, 1118, 672)) return HotChoice2;
    if (Inside(x, y, 1213, -1, 1281, 66)) return HotBack;   // the shared corner zone
    return HotNone;
}

}  // namespace

void DrawViborStart() {
    CheckActiveSounds();
    BeginMenuScreen();
    DrawSheet(SurfaceMenu, 521, 0, 1271, 117, 130, 162, Opaque);
    if (g_saveExists) DrawSheet(SurfaceMenu, 521, 270, 1650, 529, 18, 428, Opaque);
    g_hotButton = HotNone;
    g_hotButton = StartScreenHot(g_cursorX, g_cursorY);
    // A new game over saved progress waits for a second press: its banner stays lit.
    const int box = g_screenState == ScreenBox1Start ? 1 : 2;
    if (g_hotButton == HotChoice1 || g_newGameAsked == box) DrawSheet(SurfaceMenu, 521, 123, 1300, 254, 124, 155, Opaque);
    if (g_hotButton == HotChoice2 && g_saveExists) DrawSheet(SurfaceMenu, 521, 531, 1650, 810, 29, 411, Opaque);
    DrawLevelOverview();
    DrawCornerButton(g_hotButton == HotBack);
    DrawMenuHighlight();
}
