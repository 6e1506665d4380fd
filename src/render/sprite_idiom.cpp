// The shared drawing idiom: a source rectangle and a position in globals, then one sprite
// draw of a catalogue sheet; and the one-texel outline built on it.
#include "render/sprite_idiom.h"

#include "render/graphics.h"
#include "render/texture_catalog.h"

plat::Rect g_rect;
plat::Vec3 g_spritePos;
plat::Vec3 g_spriteCenter;

void DrawSheet(int entry, int left, int top, int right, int bottom, int x, int y, uint32_t color) {
    if (!g_sprite) return;
    plat::SetRect(g_rect, left, top, right, bottom);
    g_spritePos = plat::Vec3{static_cast<float>(x), static_cast<float>(y), 0.0f};
    g_sprite->Draw(SurfaceTexture(entry), &g_rect, nullptr, &g_spritePos, color);
}

namespace {

// One texel of the pen sheet at (x, y).
void DrawPenTexel(const plat::Texture* pen, int32_t x, int32_t y, uint32_t color) {
    g_spritePos = plat::Vec3{static_cast<float>(x), static_cast<float>(y), 0.0f};
    g_sprite->Draw(pen, &g_rect, nullptr, &g_spritePos, color);
}

}  // namespace

void rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) {
    plat::SetRect(g_rect, 0, 0, 1, 1);
    if (!g_sprite) return;
    const plat::Texture* pen = SurfaceTexture(SurfacePen);
    // 64-bit loop counters: edges at the ends of the int range must not overflow.
    for (int64_t x = left; x <= right; ++x) {
        DrawPenTexel(pen, static_cast<int32_t>(x), top, color);
        DrawPenTexel(pen, static_cast<int32_t>(x), bottom, color);
    }
    for (int64_t y = int64_t(top) + 1; y <= int64_t(bottom) - 1; ++y) {
        DrawPenTexel(pen, left, static_cast<int32_t>(y), color);
        DrawPenTexel(pen, right, static_cast<int32_t>(y), color);
    }
}

void drawsetka(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t step, uint32_t colour) {
    if (step <= 0) return;
    for (int32_t k = 1; k <= (right - left) / step - 1; ++k)
        for (int32_t m = 0; m <= (bottom - top) / 2; ++m)
            DrawSheet(SurfacePen, 0, 0, 1, 1, left + k * step, top + 2 * m, colour);
    for (int32_t k = 1; k <= (bottom - top) / step - 1; ++k)
        for (int32_t m = 0; m <= (right - left) / 2; ++m)
            DrawSheet(SurfacePen, 0, 0, 1, 1, left + 2 * m, top + k * step, colour);
}
