#pragma once
// The shell's side of the start screens' level overview: opening it with the box's own
// progress, and the clicks on its tiles and page arrows.
#include <cstdint>

// The start screen of the box from the main menu or from a box screen: the continue banner
// when the box has a level-1 save, and the overview (see below).
void OpenStartScreen(int box);
// Opens the start screen a box screen handed back to (g_overviewReturn), if any.
void TakeOverviewReturn();

// Reads the box's position file (only when the box has a level-1 save, as Continue would)
// and opens the overview with its highest solved level; without a readable file nothing
// counts as solved. Level files that cannot be read are reported once the overview is open.
void EnterLevelOverview(int box);

// The overview's rows of the click-action table: 17 opens the hot tile's level, 18 and 19
// turn the page back and forward. Returns the row acted on, or 0.
int RunOverviewClick(int32_t hot, int32_t screen);
