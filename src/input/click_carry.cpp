// The carrying state beside the drag: which click picked up, which one drops.
#include "input/click_carry.h"

#include <cstdlib>

#include "core/game_state.h"

namespace {

struct Carry {
    bool carrying = false;    // the figure stays in the hand with the button up
    bool swallowing = false;  // the dropping click: its press and release do nothing else
    bool leftBefore = false;
    int32_t pressX = 0, pressY = 0;
};
Carry g_carry;

bool NearPress() {
    return std::abs(g_cursorX - g_carry.pressX) < ClickSlop && std::abs(g_cursorY - g_carry.pressY) < ClickSlop;
}

void Drop() {
    g_drag.state = DragReleased;
    g_returning = 0;
    g_carry.carrying = false;
}

}  // namespace

bool HandHoldsFigure() { return g_drag.figure > 0 && g_drag.state == DragHeld && g_returning == 0; }

void SendHandHome() {
    if (!HandHoldsFigure()) return;
    // The drag step tries a drop only for a figure that is not already on its way home.
    g_returning = 1;
    g_drag.state = DragReleased;
    g_carry.carrying = false;
}

bool CarryButtons(bool left, bool right) {
    const bool pressed = left && !g_carry.leftBefore;
    const bool released = !left && g_carry.leftBefore;
    g_carry.leftBefore = left;
    if (right && HandHoldsFigure()) {
        SendHandHome();
        g_carry.swallowing = left;
        return true;
    }
    if (g_carry.swallowing) {
        if (!left) {
            g_carry.swallowing = false;
            g_clickLatch = 101;
        }
        return true;
    }
    // The figure left the hand some other way (a level change, the level solved).
    if (g_carry.carrying && !HandHoldsFigure()) g_carry.carrying = false;
    if (g_carry.carrying) {
        if (pressed) {
            Drop();
            g_carry.swallowing = true;
            g_clickLatch = 0;
        }
        return true;
    }
    if (pressed) {
        g_carry.pressX = g_cursorX;
        g_carry.pressY = g_cursorY;
    }
    if (released && HandHoldsFigure() && NearPress()) {
        g_carry.carrying = true;
        g_clickLatch = 101;
        return true;
    }
    return false;
}

void CarryClickAtCursor() {
    if (g_levelDone != 0) return;
    if (HandHoldsFigure()) {
        Drop();
        return;
    }
    if (g_drag.state == DragReleased && g_drag.figure > 0) return;   // still flying home
    // The drag step picks up what lies under the cursor in the next frame; with nothing
    // there the hand stays empty and the carry ends by itself.
    g_drag.state = DragHeld;
    g_returning = 0;
    g_carry.carrying = true;
}

void ResetCarry() { g_carry = Carry(); }
