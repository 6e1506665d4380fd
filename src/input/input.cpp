// Mouse and keyboard devices, the per-frame keyboard step and the screens' hot-button zones.
#include "input/input.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "core/error_log.h"
#include "input/actions.h"
#include "platform/clock.h"
#include "platform/gamepad.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "render/graphics.h"
#include "render/hint_art.h"
#include "sound/sound_switches.h"
#include "box1/box1.h"
#include "box2/box2.h"

uint8_t g_keys[256] = {};
InputDevices* g_inputDevices = nullptr;

plat::HRESULT CreateMouse() {
    if (!g_inputDevices) return plat::E_FAIL;
    g_inputDevices->FDInput = std::make_unique<DirectInputObject>();
    g_inputDevices->FMouseDevice = std::make_unique<plat::MouseDevice>();
    plat::HRESULT hr = g_inputDevices->FMouseDevice->Acquire();
    return plat::Failed(hr) ? hr : plat::S_OK;
}

plat::HRESULT CreateKeyboard() {
    if (!g_inputDevices) return plat::E_FAIL;
    // A fresh input object; the mouse made with the previous one stays valid.
    g_inputDevices->FDInput = std::make_unique<DirectInputObject>();
    g_inputDevices->FKeyboardDevice = std::make_unique<plat::KeyboardDevice>();
    plat::HRESULT hr = g_inputDevices->FKeyboardDevice->Acquire();
    return plat::Failed(hr) ? hr : plat::S_OK;
}

namespace {
ActionReader g_actionReader;

bool RunSwitchAction(Action action) {
    switch (action) {
        case Action::Music: ToggleMusic(); return true;
        case Action::Effects: ToggleEffects(); return true;
        case Action::FullScreen: ToggleFullscreen(); return true;
        case Action::Export:
            if (g_screenState == ScreenBox1) savemap();
            else if (g_screenState == ScreenBox2) savemap2();
            return true;
        case Action::SkipIntro:
            if (g_introActive == 1) g_introActive = 0;
            return true;
        default: return false;
    }
}

int64_t NowMs() { return int64_t(plat::ClockNow() * 1000 / uint64_t(plat::ClockRate())); }
}  // namespace

void ReadKeyboard() {
    if (!g_inputDevices || !g_inputDevices->FKeyboardDevice) return;
    plat::HRESULT hr = g_inputDevices->FKeyboardDevice->GetDeviceState(g_keys);
    if (plat::Failed(hr)) {
        g_inputDevices->FKeyboardDevice->Acquire();
        WriteErrorLog(hr, "DIERR_INPUTLOST");
    }
    bool keys[256];
    for (int i = 0; i < 256; ++i) keys[i] = g_keys[i] == 0x80;
    bool pad[plat::PadButtonCount];
    plat::ReadGamepad(pad);
    // Any key or button held is the child at work: the idle hint waits again.
    if (std::find(std::begin(keys), std::end(keys), true) != std::end(keys) ||
        std::find(std::begin(pad), std::end(pad), true) != std::end(pad))
        NoteHintInput();
    const bool intro = g_introActive == 1;
    std::vector<Action>& actions = FrameActions();
    g_actionReader.Read(keys, pad, NowMs(), actions);
    // The switches work the same on every screen, at once; the rest waits for the frame logic.
    std::erase_if(actions, RunSwitchAction);
    // During the intro any game key only ends it: the menu behind it sees nothing of that key.
    if (intro && !actions.empty()) {
        g_introActive = 0;
        actions.clear();
    }
}

void ResetKeyboardActions() {
    g_actionReader.Reset();
    ResetActions();
}

void ToggleFullscreen() {
    if (!g_d3d || !g_d3d->inGameMode()) return;
    g_d3d->SetFullscreen(!g_d3d->fullscreen());
    g_settings.fullscreen = g_d3d->fullscreen();
    StoreSettings();
}

namespace {
struct Zone {
    int32_t id;
    int32_t left, right, top, bottom;   // all bounds excluded
};
constexpr Zone kZones[] = {
    // The corner buttons' zones reach past their pictures, each at least 64 units (40 pixels
    // at 800 x 600) each way, so a child's press beside a small picture still counts.
    {HotChoice1, 210, 550, 175, 478},    {HotChoice2, 680, 1055, 306, 720},
    {HotBack, 1213, 1281, -1, 66},       {HotNextLevel, 1148, 1213, -1, 66},
    {HotPrevLevel, 1033, 1098, -1, 66},  {HotRestartLevel, 968, 1033, -1, 66},
    {HotHint, HintZoneLeft, HintZoneRight, HintZoneTop, HintZoneBottom},
};
}  // namespace

void ScanMousePosition() {
    const LevelInfo* info = CurrentLevelInfo();
    const bool freeLevel = info && info->freeBuild == 1;
    for (const Zone& z : kZones) {
        if (g_cursorX > z.left && g_cursorX < z.right && g_cursorY > z.top && g_cursorY < z.bottom) {
            // A free level has no lamp: the keep button stands in its place.
            g_hotButton = z.id == HotHint && freeLevel ? HotKeep : z.id;
            return;
        }
    }
}
