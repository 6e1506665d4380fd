// The idle pass: device test, one frame of the current screen, keyboard, mouse logic.
#include "app/frame_loop.h"

#include <cmath>

#include "core/error_log.h"
#include "core/options.h"
#include "app/action_routes.h"
#include "app/form.h"
#include "app/overview_actions.h"
#include "input/actions.h"
#include "input/click_carry.h"
#include "app/parent_input.h"
#include "core/parent_state.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "box1/box1.h"
#include "box2/box2.h"
#include "input/input.h"
#include "menus/menus.h"
#include "menus/profile_chooser.h"
#include "core/profiles.h"
#include "menus/parent_gate.h"
#include "render/graphics.h"
#include "render/model.h"
#include "render/shown_text.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

int64_t g_framesDrawn = 0;
int64_t g_deviceRebuilds = 0;

namespace {
constexpr int CursorMaxX = VirtualWidth - 5;    // 1275
constexpr int CursorMaxY = VirtualHeight - 5;   // 1019
constexpr int MaxAcquireTries = 1000;           // the lost-input loop must end even on a broken device

// The big sheets the screen shown draws from; the others are freed until a screen wants them
// (a 2048 x 1024 sheet is 8 MB, which a machine drawing without a GPU holds in its own memory).
uint32_t SheetsDrawnNow() {
    if (g_introActive == 1) return SheetBit(SurfaceMain);   // the stars
    switch (g_screenState) {
        case ScreenBox1: return SheetBit(SurfaceMain) | SheetBit(SurfaceBox1Figures);
        case ScreenBox2: return SheetBit(SurfaceMain) | SheetBit(SurfaceBox2Figures);
        default: return SheetBit(SurfaceMain) | SheetBit(SurfaceMenu) | SheetBit(SurfaceAnimals);
    }
}
}  // namespace

void TForm1::ApplicationEvents1Idle(bool& Done) {
    if (FRunning != 0 && g_gameStarted) {
        if (!g_device) RestoreDevice();
        g_hr = g_device ? g_device->TestCooperativeLevel() : plat::D3DERR_DEVICENOTRESET;
        if (g_hr == plat::D3DERR_DEVICELOST) return;   // wait for the next message
        if (plat::Failed(g_hr)) RestoreDevice();
        // What the intro alone drew with goes before the menus load their sheets.
        if (g_introActive != 1) ReleaseIntroGraphics();
        KeepSheets(SheetsDrawnNow());
        if (g_introActive == 1) drawmesh(1);
        else RenderFrame();
        ++g_framesDrawn;
        ReadKeyboard();
        FrameLogic();
    }
    Done = false;
}

plat::HRESULT RebuildGraphicsDevice() {
    cleanup();
    plat::HRESULT hr = InitD3D();
    ++g_deviceRebuilds;
    if (plat::Failed(hr)) WriteErrorLog(hr, "InitD3D");
    return plat::S_OK;
}

void DrawFrameContents() {
    if (!g_sprite) return;
    g_sprite->SetTransform(plat::MatrixScaling(g_scaleX, g_scaleY, g_scaleZ));
    // "Who is playing?" follows the intro when more than one child plays here.
    if (g_introActive != 1 && TakeChooserPending() && g_screenState == ScreenMainMenu) g_screenState = ScreenProfiles;
    if (g_screenState == ScreenMainMenu) {
        if (!DrawParentScreens()) drawmenu0();
    }
    else if (g_screenState == ScreenProfiles) DrawProfileChooser();
    else if (g_screenState == ScreenBox1) drawlevelskorobka1();
    else if (g_screenState == ScreenBox2) drawlevelskorobka2();
    else if (g_screenState == ScreenBox1Start || g_screenState == ScreenBox2Start) DrawViborStart();

    plat::SetRect(g_rect, 5, 1013, 100, 1024);
    if (g_fontSmall) DrawShownText(*g_fontSmall, *g_sprite, "Ver. " STROYLIK_VERSION, g_rect, 0xFFFFFFFF);
    DrawParentGate();

    plat::SetRect(g_rect, 0, 0, 32, 32);
    g_spritePos = plat::Vec3{static_cast<float>(g_cursorX), static_cast<float>(g_cursorY), 0.0f};
    plat::HRESULT hr = g_sprite->Draw(SurfaceTexture(SurfaceCursor), &g_rect, nullptr, &g_spritePos, 0xFFFFFFFF);
    if (plat::Failed(hr)) WriteErrorLog(0, "Not Draw");
    g_sprite->End();
}

void RenderFrame() {
    if (!g_device) return;
    if (plat::Failed(g_device->BeginScene())) RestoreDevice();
    if (!g_device) return;
    DrawFrameContents();
    g_device->EndScene();
    g_device->Present();
    EndShownTextFrame();
}

void AbortFrame() {
    if (g_sprite) g_sprite->End();
    if (g_device) g_device->EndScene();
}

int32_t CursorFromPointer(double picturePixels, float scale, int32_t maxValue) {
    if (!(scale > 0.0f) || std::isnan(picturePixels)) return 0;
    const double v = std::round(picturePixels / double(scale));
    if (v >= maxValue) return maxValue;
    if (v < 0) return 0;
    return static_cast<int32_t>(v);
}

namespace {

int MouseStep() {
    plat::MouseState mouse;
    plat::HRESULT hr = plat::E_FAIL;
    if (Form1 && Form1->FMouseDevice) hr = Form1->FMouseDevice->GetDeviceState(mouse);
    if (plat::Failed(hr)) {
        mouse = plat::MouseState();
        if (Form1 && Form1->FMouseDevice) {
            int tries = 0;
            while (Form1->FMouseDevice->Acquire() == plat::DIERR_INPUTLOST && ++tries < MaxAcquireTries) {
            }
        }
    }
    const bool mouseLeft = mouse.buttons[0] == 0x80;
    const bool left = mouseLeft || VirtualButtonDown();
    const bool right = mouse.buttons[1] == 0x80;
    NoteMouseButtons(mouseLeft, right);
    if (left || right || mouse.lX != 0 || mouse.lY != 0) NoteHintInput();

    // The parent's gate and corner take the clicks and keys while they are on screen.
    const bool parent = RunParentInput(left, left && g_clickLatch > 100);
    if (parent) {
        g_clickLatch = left ? 0 : 101;
    } else if (CarryButtons(left, right)) {
        // Carrying: the buttons went to the hand; the cursor still follows the mouse.
    } else if (!left) {
        g_clickLatch = 101;
        g_drag.state = (g_drag.state == DragHeld || g_drag.state == DragReleased) ? DragReleased : DragIdle;
    } else {
        if (g_introActive == 1) g_introActive = 0;
        if (g_levelDone == 0) {
            g_drag.state = DragHeld;
            g_returning = 0;
        }
        if (g_clickLatch > 100) {
            g_clickLatch = 0;
            if (g_levelDone == 1) g_levelDone = 2;
            int row = RunClickAction();
            if (row != 0 && row != 2) return 0;   // an action ends the frame's mouse step
            if (row == 0 && RunSoundButtonClick()) return 0;
        }
    }
    if (!parent && right && g_clickLatch > 100) {
        g_clickLatch = 0;
        return 0;
    }
    double pointerX = 0, pointerY = 0;
    if (!g_options.relativeMouse && plat::Succeeded(hr) && Form1->FMouseDevice->Pointer(pointerX, pointerY)) {
        // The cursor is where the pointer is, in the virtual screen the picture shows; a
        // pointer at rest leaves it where the keys may have put it.
        if (Form1->FMouseDevice->PointerMoved()) {
            NoteHintInput();
            g_cursorX = CursorFromPointer(pointerX, g_scaleX, CursorMaxX);
            g_cursorY = CursorFromPointer(pointerY, g_scaleY, CursorMaxY);
        }
        return 0;
    }
    // In 64 bits: twice a large report must clamp, not wrap round.
    int64_t x = int64_t(g_cursorX) + 2 * int64_t(mouse.lX);
    if (x >= CursorMaxX) x = CursorMaxX;
    if (x < 0) x = 0;
    int64_t y = int64_t(g_cursorY) + 2 * int64_t(mouse.lY);
    if (y >= CursorMaxY) y = CursorMaxY;
    if (y < 0) y = 0;
    g_cursorX = static_cast<int32_t>(x);
    g_cursorY = static_cast<int32_t>(y);
    return 0;
}

}  // namespace

int FrameLogic() {
    TakeOverviewReturn();
    MouseStep();
    // The gate and the corner read their own keys; the screen underneath gets none of them.
    if (g_parentCorner == 1 || GateOpen()) FrameActions().clear();
    else RouteFrameActions();
    return 0;
}
