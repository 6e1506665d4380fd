#pragma once
// The buttons and tiles of the menus and start screens in keyboard order, and the
// highlight the arrows, Tab and the controller move between them.
#include <cstdint>
#include <vector>

struct MenuTarget {
    int32_t x = 0, y = 0, w = 0, h = 0;   // virtual units
};

// The targets of the screen shown: the banners first, then the tiles, the page arrows and
// the corner buttons. Empty on the box screens.
std::vector<MenuTarget> MenuTargets();
// The highlight steps to the next or previous target, round the end.
void MoveMenuHighlight(int step);
// The highlighted target; false when the screen has none.
bool MenuHighlight(MenuTarget& out);
int32_t MenuHighlightIndex();
// Draws the highlight when the keys are in use (the menus call it last).
void DrawMenuHighlight();
