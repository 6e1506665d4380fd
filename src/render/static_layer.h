#pragma once
// What a screen draws the same way every frame (the box 2 frames and dotted grids are tens of
// thousands of one-texel draws) is drawn once into an off-screen picture and shown from there.
#include <cstdint>

// Shows the picture `draw` makes, drawing it again when `draw`, `key` or the device changes.
// `draw` runs straight into the frame where no off-screen picture can be made (and without a
// GPU). The picture holds premultiplied colour, so showing it blends exactly as the draws did;
// an `opaque` picture (alpha 1 everywhere) is shown without blending, to the same pixels.
void DrawStaticLayer(uint64_t key, void (*draw)(), bool opaque = false);
// Frees the picture; call before the device goes away.
void ReleaseStaticLayer();
