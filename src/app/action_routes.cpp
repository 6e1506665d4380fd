// The action routes: the box screens move the focus and the hand, the menus the highlight.
#include "app/action_routes.h"

#include <vector>

#include "app/frame_loop.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "input/click_carry.h"
#include "input/focus.h"
#include "menus/menu_targets.h"

namespace {

void (*g_hintHandler)() = AskForHint;
// A virtual left button: 2 = down in the next mouse step, 1 = up in the one after.
int g_virtualClick = 0;
bool g_mouseDownBefore = false;

bool OnBoxScreen() { return g_screenState == ScreenBox1 || g_screenState == ScreenBox2; }

bool FreeLevelNow() {
    const LevelInfo* info = CurrentLevelInfo();
    return info && info->freeBuild == 1;
}

// A button key acts as a click on the button would; a figure in the hand goes home first,
// so a key never drops a figure onto a button.
void PressButton(int32_t hot) {
    if (HandHoldsFigure()) {
        SendHandHome();
        return;
    }
    g_hotButton = hot;
    RunClickAction();
}

void PickDropAtFocus() {
    if (g_levelDone == 1) {
        g_levelDone = 2;   // the click that leaves a solved level
        return;
    }
    if (g_levelLocked != 0) return;
    FocusCellCentre(g_cursorX, g_cursorY);
    CarryClickAtCursor();
}

// The figure in the hand goes where the focus goes.
void MoveBoxFocus(int dc, int dr, bool switchZone) {
    if (switchZone) SwitchFocusZone();
    else MoveFocus(dc, dr);
    if (HandHoldsFigure()) FocusCellCentre(g_cursorX, g_cursorY);
}

void RouteBox(Action action) {
    switch (action) {
        case Action::FocusUp: MoveBoxFocus(0, -1, false); break;
        case Action::FocusDown: MoveBoxFocus(0, 1, false); break;
        case Action::FocusLeft: MoveBoxFocus(-1, 0, false); break;
        case Action::FocusRight: MoveBoxFocus(1, 0, false); break;
        case Action::SwitchZone: MoveBoxFocus(0, 0, true); break;
        case Action::PickDrop:
        case Action::Activate: PickDropAtFocus(); break;
        case Action::Cancel: SendHandHome(); break;
        case Action::Back: PressButton(HotBack); break;
        case Action::NextLevel: PressButton(HotNextLevel); break;
        case Action::PrevLevel: PressButton(HotPrevLevel); break;
        case Action::Restart: PressButton(HotRestartLevel); break;
        case Action::Keep:   // Y is the hint elsewhere: it must not send a held figure home there
            if (FreeLevelNow()) PressButton(HotKeep);
            break;
        default: break;
    }
}

void RouteMenu(Action action) {
    switch (action) {
        case Action::FocusUp:
        case Action::FocusLeft: MoveMenuHighlight(-1); break;
        case Action::FocusDown:
        case Action::FocusRight:
        case Action::SwitchZone: MoveMenuHighlight(1); break;
        case Action::PickDrop:
        case Action::Activate: {
            MenuTarget t;
            if (!MenuHighlight(t)) break;
            // The next frame draws the cursor there and finds the button under it.
            g_cursorX = t.x + t.w / 2;
            g_cursorY = t.y + t.h / 2;
            g_virtualClick = 2;
            break;
        }
        case Action::Cancel:
        case Action::Back:
            if (g_screenState == ScreenBox1Start || g_screenState == ScreenBox2Start) {
                g_hotButton = HotBack;
                RunClickAction();
            }
            break;
        default: break;
    }
}

void Route(Action action) {
    if (action == Action::Hint) {
        if (g_hintHandler && OnBoxScreen()) g_hintHandler();
        return;
    }
    if (g_introActive == 1) {
        g_introActive = 0;   // any game key ends the intro, as a click does
        return;
    }
    SetKeysInUse(true);
    if (OnBoxScreen()) RouteBox(action);
    else RouteMenu(action);
}

}  // namespace

void RouteFrameActions() {
    // Taken first: an action that changes the screen must not see the rest twice.
    std::vector<Action> actions;
    actions.swap(FrameActions());
    for (Action a : actions) Route(a);
}

bool VirtualButtonDown() {
    if (g_virtualClick == 0) return false;
    return --g_virtualClick == 1;
}

void SetHintHandler(void (*handler)()) { g_hintHandler = handler ? handler : AskForHint; }

void NoteMouseButtons(bool left, bool right) {
    const bool down = left || right;
    if (down && !g_mouseDownBefore) SetKeysInUse(false);
    g_mouseDownBefore = down;
}

void ResetActionRoutes() {
    g_virtualClick = 0;
    g_mouseDownBefore = false;
}
