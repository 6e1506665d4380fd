#pragma once
// Where the keep button's pictures lie on the main sheet: the button (unlit, lit) and the two
// answers drawn over it for a moment (kept; not kept). The generator draws them from these
// numbers; on the screen the button stands where the lamp does on the other levels.
#include "render/hint_art.h"

constexpr int KeepButtonX = HintButtonX;
constexpr int KeepButtonY = HintButtonY;
constexpr int KeepButtonSize = HintButtonSize;

enum KeepLook : int { KeepLookUnlit = 0, KeepLookLit = 1, KeepLookKept = 2, KeepLookNotKept = 3 };
constexpr int KeepSheetX = 1280;
constexpr int KeepSheetY = 800;
constexpr int KeepSheetLeft(KeepLook look) { return KeepSheetX + static_cast<int>(look) * KeepButtonSize; }
