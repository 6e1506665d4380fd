// Keyboard order of the menu screens' targets, and the highlight that walks it.
#include "menus/menu_targets.h"

#include "core/game_state.h"
#include "input/actions.h"
#include "menus/level_overview.h"
#include "menus/sound_button.h"
#include "render/focus_frame.h"

namespace {

int32_t g_highlight = 0;
int32_t g_highlightScreen = -1;

MenuTarget FromBounds(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {left, top, right - left, bottom - top};
}

void FollowScreen() {
    if (g_highlightScreen == g_screenState) return;
    g_highlightScreen = g_screenState;
    g_highlight = 0;
}

}  // namespace

std::vector<MenuTarget> MenuTargets() {
    std::vector<MenuTarget> targets;
    if (g_screenState == ScreenMainMenu) {
        targets.push_back(FromBounds(210, 175, 550, 478));
        targets.push_back(FromBounds(680, 306, 1055, 720));
        targets.push_back(FromBounds(SoundZoneLeft + 1, SoundZoneTop + 1, SoundZoneRight, SoundZoneBottom));
        targets.push_back(FromBounds(1214, 0, 1281, SoundZoneTop + 1));
    } else if (g_screenState == ScreenBox1Start || g_screenState == ScreenBox2Start) {
        targets.push_back(FromBounds(152, 162, 874, 274));
        if (g_saveExists) targets.push_back(FromBounds(56, 424, 1118, 672));
        for (const OverviewTile& t : OverviewTiles())
            if (t.state != TileLocked) targets.push_back({t.x, t.y, t.w, t.h});
        if (OverviewHasPrevPage())
            targets.push_back(FromBounds(PagePrevHit.left, PagePrevHit.top, PagePrevHit.right, PagePrevHit.bottom));
        if (OverviewHasNextPage())
            targets.push_back(FromBounds(PageNextHit.left, PageNextHit.top, PageNextHit.right, PageNextHit.bottom));
        targets.push_back(FromBounds(1214, 0, 1281, 66));
    }
    return targets;
}

void MoveMenuHighlight(int step) {
    FollowScreen();
    const int32_t count = static_cast<int32_t>(MenuTargets().size());
    if (count == 0) return;
    g_highlight = ((g_highlight + step) % count + count) % count;
}

bool MenuHighlight(MenuTarget& out) {
    FollowScreen();
    const std::vector<MenuTarget> targets = MenuTargets();
    if (targets.empty()) return false;
    if (g_highlight >= static_cast<int32_t>(targets.size())) g_highlight = 0;
    out = targets[g_highlight];
    return true;
}

int32_t MenuHighlightIndex() {
    FollowScreen();
    return g_highlight;
}

void DrawMenuHighlight() {
    MenuTarget t;
    if (KeysInUse() && MenuHighlight(t)) DrawFocusFrame(t.x, t.y, t.w, t.h);
}
