#pragma once
// The drawing idiom every screen uses: set the shared source rectangle and position,
// then draw a catalogue sheet through the one sprite batch.
#include <cstdint>

#include "platform/types.h"

extern plat::Rect g_rect;
extern plat::Vec3 g_spritePos;
extern plat::Vec3 g_spriteCenter;

// Draws (left, top, right, bottom) of catalogue entry `entry` at (x, y) in `color`.
void DrawSheet(int entry, int left, int top, int right, int bottom, int x, int y, uint32_t color);
// One-pixel outline, all edges inclusive, drawn texel by texel with the pen of entry 1.
void rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color);
// Dotted inner grid lines of a rectangle every `step` pixels, one pen texel every two pixels.
void drawsetka(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t step, uint32_t colour);
