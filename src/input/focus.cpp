// The focus cell of the box screens, kept inside the zone it stands in.
#include "input/focus.h"

#include <algorithm>

#include "core/game_state.h"
#include "core/state_dump.h"

namespace {

FocusState g_focus;
int32_t g_focusScreen = -1;
int32_t g_focusLevel = -1;

// Every level starts with the focus on the palette's top-left cell.
void FollowScreen() {
    if (g_screenState == g_focusScreen && g_currentLevel == g_focusLevel) return;
    g_focusScreen = g_screenState;
    g_focusLevel = g_currentLevel;
    g_focus = FocusState();
}

void Clamp() {
    for (int32_t zone : {FocusPalette, FocusField}) {
        const FocusGrid g = FocusZoneGrid(zone);
        g_focus.col[zone] = std::clamp(g_focus.col[zone], 0, std::max(0, g.cols - 1));
        g_focus.row[zone] = std::clamp(g_focus.row[zone], 0, std::max(0, g.rows - 1));
    }
}

}  // namespace

FocusGrid FocusZoneGrid(int32_t zone) {
    if (g_screenState == ScreenBox1) return Box1FocusGrid(zone);
    if (g_screenState == ScreenBox2) return Box2FocusGrid(zone);
    return {};
}

void MoveFocus(int dc, int dr) {
    FollowScreen();
    g_focus.col[g_focus.zone] += dc;
    g_focus.row[g_focus.zone] += dr;
    Clamp();
}

void SwitchFocusZone() {
    FollowScreen();
    g_focus.zone = g_focus.zone == FocusPalette ? FocusField : FocusPalette;
    Clamp();
}

void FocusCellRect(int32_t& x, int32_t& y, int32_t& w, int32_t& h) {
    FollowScreen();
    Clamp();
    const FocusGrid g = FocusZoneGrid(g_focus.zone);
    x = g.left + g.cell * g_focus.col[g_focus.zone];
    y = g.top + g.cell * g_focus.row[g_focus.zone];
    w = h = g.cell;
}

void FocusCellCentre(int32_t& x, int32_t& y) {
    int32_t w = 0, h = 0;
    FocusCellRect(x, y, w, h);
    x += w / 2;
    y += h / 2;
}

const FocusState& Focus() {
    FollowScreen();
    return g_focus;
}

void ResetFocus() {
    g_focus = FocusState();
    g_focusScreen = -1;
    g_focusLevel = -1;
}

void DumpFocus(StateDump& dump) {
    const FocusState& f = Focus();
    dump.SetString("focus.zone", f.zone == FocusPalette ? "palette" : "field");
    dump.SetInt("focus.col", f.col[f.zone]);
    dump.SetInt("focus.row", f.row[f.zone]);
}
