// Drawing the parent corner in the menus' cards.
#include "menus/parent_corner.h"

#include <algorithm>

#include "core/game_state.h"
#include "menus/card_draw.h"
#include "menus/menu_screen.h"
#include "sound/sound.h"

namespace {

constexpr uint32_t CardColour = 0xF2FFFFFF;
constexpr uint32_t HotCardColour = 0xFFFFF6C8;
constexpr uint32_t OffCardColour = 0xC8B4B4B4;
constexpr uint32_t Orange = 0xFFF08018;
constexpr uint32_t Gold = 0xFFFFC000;
constexpr uint32_t Ink = 0xFF303030;
constexpr uint32_t Grey = 0xFF808080;
constexpr uint32_t StarLit = 0xFFFFD21E;
constexpr uint32_t StarDim = 0x50000000;
constexpr float LabelScale = 0.9f;
constexpr int StarSize = 40;

bool Inside(const plat::Rect& r, int x, int y) { return x > r.left && x < r.right && y > r.top && y < r.bottom; }

void DrawValue(const ParentRowView& row, const plat::Rect& r) {
    const int y = r.top + (CornerRowHeight - StarSize) / 2;
    if (!row.valueText.empty()) {
        // A long value (a puzzle's file name) reaches left into the room a short label leaves.
        const int x = std::min(CornerLevelsMiddle + 20, r.right - 20 - TextWidth(row.valueText, LabelScale));
        Text(row.valueText, x, r.top + 16, row.enabled ? Ink : Grey, LabelScale);
        return;
    }
    if (row.levels == 1) {
        StarSprite(float(r.right - StarSize - 30), float(y), float(StarSize), row.value ? StarLit : StarDim);
        return;
    }
    for (int i = 0; i < row.levels; ++i)
        StarSprite(float(CornerLevelsMiddle + 10 + i * (StarSize + 8)), float(y), float(StarSize), i < row.value ? StarLit : StarDim);
}

}  // namespace

int CornerRowAt(int x, int y, int rows) {
    for (int i = 0; i < rows; ++i)
        if (Inside(CornerRowRect(i), x, y)) return i;
    return -1;
}

void DrawParentCorner(const ParentCornerView& view) {
    CheckActiveSounds();
    BeginMenuScreen();
    const int rows = static_cast<int>(view.rows.size());
    const int hovered = CornerRowAt(g_cursorX, g_cursorY, rows);
    for (int i = 0; i < rows; ++i) {
        const ParentRowView& row = view.rows[i];
        const plat::Rect r = CornerRowRect(i);
        const bool lit = i == view.focus || i == hovered;
        Card(r.left, r.top, r.right, r.bottom, !row.enabled ? OffCardColour : (lit ? HotCardColour : CardColour));
        Outline(r.left, r.top, r.right, r.bottom, 3, lit ? Gold : Orange);
        Text(row.label, r.left + 20, r.top + 16, row.enabled ? Ink : Grey, LabelScale);
        if (row.levels > 0 || !row.valueText.empty()) DrawValue(row, r);
    }
    DrawCornerButton(Inside(plat::Rect{1230, 0, 1280, 50}, g_cursorX, g_cursorY));
}
