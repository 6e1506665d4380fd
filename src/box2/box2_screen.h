#pragma once
// Parts of the box 2 screen that other box 2 files call.
void drawpalette2();
void scanlevelcomplete2();
