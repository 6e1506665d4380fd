#pragma once
// The menus' cards: filled and outlined rectangles drawn with the pen, pictures and text of
// the large font stretched under the screen's transform. The overview's tiles, the parent's
// gate and the parent corner share them, so they look like one game.
#include <cstdint>
#include <string>

#include "platform/types.h"
#include "render/graphics.h"

namespace plat {
class Texture;
}

// Runs `draw` with (0, 0) moved to (x, y) and everything stretched by (sx, sy), under the
// screen's own transform.
template <typename Draw>
void Stretched(float x, float y, float sx, float sy, Draw draw);

void DrawStretched(const plat::Texture* texture, const plat::Rect& source, float x, float y, float sx, float sy,
                   uint32_t colour);
void Fill(int left, int top, int right, int bottom, uint32_t colour);
void Outline(int left, int top, int right, int bottom, int width, uint32_t colour);
// A card: its shadow, then the card filled in `colour`.
void Card(int left, int top, int right, int bottom, uint32_t colour);
// Width of `text` in the large font at `scale`.
int TextWidth(const std::string& text, float scale = 1.3f);
// The large font at `scale` (1.3 keeps numbers legible at 800 x 600), top-left at (x, y).
void Text(const std::string& text, int x, int y, uint32_t colour, float scale = 1.3f);
// The star of the star bursts, `size` units wide, top-left at (x, y).
void StarSprite(float x, float y, float size, uint32_t colour);

#include "platform/matrix.h"

template <typename Draw>
void Stretched(float x, float y, float sx, float sy, Draw draw) {
    const plat::Matrix screen = g_sprite->GetTransform();
    plat::Matrix local = plat::MatrixScaling(sx, sy, 1.0f);
    local.m[3][0] = x;
    local.m[3][1] = y;
    g_sprite->SetTransform(plat::MatrixMultiply(local, screen));
    draw();
    g_sprite->SetTransform(screen);
}
