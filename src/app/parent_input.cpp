// Routing input to the parent's gate and corner, and what passing the gate does.
#include "app/parent_input.h"

#include <algorithm>
#include <iterator>

#include "app/form.h"
#include "app/parent_rows.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "core/parent_state.h"
#include "core/timing.h"
#include "input/input.h"
#include "menus/parent_corner.h"
#include "menus/parent_gate.h"
#include "platform/clock.h"

namespace {

int g_focus = 0;
uint8_t g_keysSeen[256] = {};

// Keys that went down since the last frame the parent screens read them.
bool Pressed(uint8_t code) { return g_keys[code] == 0x80 && g_keysSeen[code] != 0x80; }

int DigitPressed() {
    const uint8_t codes[10] = {plat::DIK::K0, plat::DIK::K1, plat::DIK::K2, plat::DIK::K3, plat::DIK::K4,
                               plat::DIK::K5, plat::DIK::K6, plat::DIK::K7, plat::DIK::K8, plat::DIK::K9};
    for (int d = 0; d <= 9; ++d)
        if (Pressed(codes[d])) return d;
    return -1;
}

void PassGate(int32_t purpose) {
    if (purpose == GateForCorner) {
        g_parentCorner = 1;
        g_focus = 0;
    } else if (purpose == GateForQuit && Form1) {
        Form1->Close();
    }
}

bool RunGate(bool held, bool fresh) {
    GateInput in;
    in.held = held;
    in.heldByKey = g_keys[plat::DIK::P] == 0x80;   // P for parent, for those without a mouse
    in.fresh = fresh;
    in.x = g_cursorX;
    in.y = g_cursorY;
    in.digit = DigitPressed();
    in.cancel = Pressed(plat::DIK::ESCAPE);
    PassGate(GateFrame(in, plat::ClockNow(), plat::ClockRate()));
    return true;
}

void RunCorner(bool fresh) {
    const int rows = ParentRowCount();
    if (Pressed(plat::DIK::ESCAPE)) {
        g_parentCorner = 0;
        return;
    }
    if (Pressed(plat::DIK::UP)) g_focus = (g_focus + rows - 1) % rows;
    if (Pressed(plat::DIK::DOWN) || Pressed(plat::DIK::TAB)) g_focus = (g_focus + 1) % rows;
    if (Pressed(plat::DIK::LEFT)) RunParentRow(g_focus, -1);
    if (Pressed(plat::DIK::RIGHT) || Pressed(plat::DIK::RETURN) || Pressed(plat::DIK::SPACE)) RunParentRow(g_focus, 1);
    if (!fresh) return;
    if (g_cursorX > 1230 && g_cursorY < 50) {   // the corner button, as on the menu
        g_parentCorner = 0;
        return;
    }
    const int row = CornerRowAt(g_cursorX, g_cursorY, rows);
    if (row < 0) return;
    g_focus = row;
    RunParentRow(row, g_cursorX < CornerLevelsMiddle && ParentRows()[row].levels > 1 ? -1 : 1);
}

}  // namespace

bool RunParentInput(bool held, bool fresh) {
    // On the main menu the P key opens the gate as the parent button does.
    if (!GateOpen() && g_parentCorner == 0 && g_screenState == ScreenMainMenu && g_introActive == 0 &&
        Pressed(plat::DIK::P))
        OpenGate(GateForCorner);
    const bool gate = GateOpen(), corner = g_parentCorner != 0 && g_screenState == ScreenMainMenu;
    bool taken = gate || corner;
    try {
        if (gate) RunGate(held, fresh);
        else if (corner) RunCorner(fresh);
    } catch (const GameFileError&) {
        std::copy(std::begin(g_keys), std::end(g_keys), std::begin(g_keysSeen));
        throw;
    }
    std::copy(std::begin(g_keys), std::end(g_keys), std::begin(g_keysSeen));
    return taken;
}

void OpenParentGate(int purpose) { OpenGate(purpose); }

void OpenParentGateOnStart() {
    g_introActive = 0;
    OpenGate(GateForCorner);
}

bool DrawParentScreens() {
    const bool corner = g_parentCorner != 0 && g_screenState == ScreenMainMenu;
    if (corner) DrawParentCorner(BuildParentCornerView(g_focus));
    return corner;
}

int ParentCornerFocus() { return g_focus; }
