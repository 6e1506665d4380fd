// Mouse and keyboard devices, the per-frame keyboard step and the screens' hot-button zones.
#include "input/input.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "core/error_log.h"
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
// The keys of the frame before: the switches act once per press, not in every frame held.
uint8_t g_keysBefore[256] = {};

bool Pressed(uint8_t code) { return g_keys[code] == 0x80 && g_keysBefore[code] != 0x80; }

// Keys that work on every screen: M music, E effects, F11 or Alt+Enter full screen.
void ReadSwitchKeys() {
    using namespace plat;
    if (Pressed(DIK::M)) ToggleMusic();
    if (Pressed(DIK::E)) ToggleEffects();
    const bool alt = g_keys[DIK::LALT] == 0x80 || g_keys[DIK::RALT] == 0x80;
    if (Pressed(DIK::F11) || (alt && Pressed(DIK::RETURN))) ToggleFullscreen();
}
}  // namespace

void ReadKeyboard() {
    if (!g_inputDevices || !g_inputDevices->FKeyboardDevice) return;
    plat::HRESULT hr = g_inputDevices->FKeyboardDevice->GetDeviceState(g_keys);
    if (plat::Failed(hr)) {
        g_inputDevices->FKeyboardDevice->Acquire();
        WriteErrorLog(hr, "DIERR_INPUTLOST");
    }
    if (g_keys[plat::DIK::S] == 0x80) {
        if (g_screenState == ScreenBox1) savemap();
        else if (g_screenState == ScreenBox2) savemap2();
    }
    if (g_keys[plat::DIK::SPACE] == 0x80 && g_introActive == 1) g_introActive = 0;
    const bool boxScreen = g_screenState == ScreenBox1 || g_screenState == ScreenBox2;
    if (boxScreen && Pressed(plat::DIK::H)) AskForHint();
    if (std::find(std::begin(g_keys), std::end(g_keys), uint8_t(0x80)) != std::end(g_keys)) NoteHintInput();
    ReadSwitchKeys();
    std::copy(std::begin(g_keys), std::end(g_keys), std::begin(g_keysBefore));
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
    {HotChoice1, 210, 550, 175, 478},   {HotChoice2, 680, 1055, 306, 720},
    {HotBack, 1230, 1280, 0, 50},       {HotNextLevel, 1180, 1220, 0, 50},
    {HotPrevLevel, 1110, 1150, 0, 50},  {HotRestartLevel, 1065, 1105, 0, 40},
    {HotHint, HintZoneLeft, HintZoneRight, HintZoneTop, HintZoneBottom},
};
}  // namespace

void ScanMousePosition() {
    for (const Zone& z : kZones) {
        if (g_cursorX > z.left && g_cursorX < z.right && g_cursorY > z.top && g_cursorY < z.bottom) {
            g_hotButton = z.id;
            return;
        }
    }
}
