#pragma once
// Mouse and keyboard devices, the per-frame keyboard step and the hot-button zones.
#include <cstdint>

#include "platform/input.h"

extern uint8_t g_keys[256];

plat::HRESULT CreateMouse();
plat::HRESULT CreateKeyboard();
void ReadKeyboard();
void ScanMousePosition();
