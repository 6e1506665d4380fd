#pragma once
// The parent corner's screen: one card a row (what it does, and its value as stars, a switch
// star or a number), the focused or hovered row lit, and the menu's corner button to leave.
// What the rows are and do is the game's business; this draws the view it is handed and
// says which row a point is on.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

struct ParentRowView {
    std::string label;     // what the row does, for the parent
    int32_t levels = 0;    // 0 an action, 1 a switch, N a level 0..N shown as N stars
    int32_t value = 0;     // the switch or the level now
    std::string valueText; // shown instead of stars when not empty (a number of seconds)
    bool enabled = true;   // false: locked by the school's file, or nothing to do now
};

struct ParentCornerView {
    std::vector<ParentRowView> rows;
    int32_t focus = 0;     // the row the keys act on
};

// Rows stack from the top in cards of this size (virtual screen).
constexpr int CornerRowLeft = 140, CornerRowRight = 1140, CornerRowTop = 56, CornerRowHeight = 58,
              CornerRowGap = 8;
constexpr plat::Rect CornerRowRect(int index) {
    return plat::Rect{CornerRowLeft, CornerRowTop + index * (CornerRowHeight + CornerRowGap), CornerRowRight,
                      CornerRowTop + index * (CornerRowHeight + CornerRowGap) + CornerRowHeight};
}
// Where on a level row a click lowers the level rather than raising it (its left half).
constexpr int CornerLevelsMiddle = 900;

// The row under (x, y) of `rows` rows, or -1.
int CornerRowAt(int x, int y, int rows);
// Draws the corner over the menu background; the row under the cursor is lit with the focus.
void DrawParentCorner(const ParentCornerView& view);
