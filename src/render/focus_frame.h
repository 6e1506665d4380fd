#pragma once
// The keyboard's frame: a thick two-tone outline around a cell or a button, seen on any
// background, drawn as eight stretched pen quads.
#include <cstdint>

// Around (x, y, w, h) in virtual units, outside it, so the cell itself stays visible.
void DrawFocusFrame(int32_t x, int32_t y, int32_t w, int32_t h);
// On a box screen, around the focused cell while the keys or the controller are in use.
void DrawBoxFocusFrame();
