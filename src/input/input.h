#pragma once
// Mouse and keyboard devices, the per-frame keyboard step and the hot-button zones.
#include <cstdint>
#include <memory>

#include "platform/input.h"

extern uint8_t g_keys[256];

// The input system object: nothing to hold on this platform but its existence.
struct DirectInputObject {};

// The input devices; the game window owns them (it derives from this), and the steps here
// reach them through g_inputDevices.
struct InputDevices {
    std::unique_ptr<DirectInputObject> FDInput;
    std::unique_ptr<plat::MouseDevice> FMouseDevice;
    std::unique_ptr<plat::KeyboardDevice> FKeyboardDevice;
};
extern InputDevices* g_inputDevices;

plat::HRESULT CreateMouse();
plat::HRESULT CreateKeyboard();
// The keyboard step: reads the keys and the controller and turns them into the frame's
// actions (input/actions.h), which the frame logic carries out.
void ReadKeyboard();
// Forgets held keys and waiting actions (a fresh program, a test's start).
void ResetKeyboardActions();
// Full screen to window or back, remembered in the settings.
void ToggleFullscreen();
void ScanMousePosition();
