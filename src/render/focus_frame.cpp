// The focus frame from stretched pen texels: a dark outer band and a bright inner one.
#include "render/focus_frame.h"

#include "input/actions.h"
#include "input/focus.h"
#include "platform/matrix.h"
#include "render/graphics.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

constexpr uint32_t OuterColour = 0xFF1A237E;   // deep blue: reads on the pale screens
constexpr uint32_t InnerColour = 0xFFFFC400;   // amber: reads on the dark figures
constexpr int32_t Band = 4;

// A filled rectangle: one pen texel stretched by the transform; the batch stays one draw.
void Bar(const plat::Texture* pen, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    if (w <= 0 || h <= 0) return;
    g_sprite->SetTransform(plat::MatrixScaling(g_scaleX * float(w), g_scaleY * float(h), g_scaleZ));
    g_spritePos = plat::Vec3{float(x) / float(w), float(y) / float(h), 0.0f};
    g_sprite->Draw(pen, &g_rect, nullptr, &g_spritePos, colour);
}

void Ring(const plat::Texture* pen, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    Bar(pen, x - Band, y - Band, w + 2 * Band, Band, colour);
    Bar(pen, x - Band, y + h, w + 2 * Band, Band, colour);
    Bar(pen, x - Band, y, Band, h, colour);
    Bar(pen, x + w, y, Band, h, colour);
}

}  // namespace

void DrawFocusFrame(int32_t x, int32_t y, int32_t w, int32_t h) {
    if (!g_sprite) return;
    const plat::Texture* pen = SurfaceTexture(SurfacePen);
    plat::SetRect(g_rect, 0, 0, 1, 1);
    Ring(pen, x, y, w, h, InnerColour);
    Ring(pen, x - Band, y - Band, w + 2 * Band, h + 2 * Band, OuterColour);
    g_sprite->SetTransform(plat::MatrixScaling(g_scaleX, g_scaleY, g_scaleZ));
}

void DrawBoxFocusFrame() {
    if (!KeysInUse()) return;
    int32_t x = 0, y = 0, w = 0, h = 0;
    FocusCellRect(x, y, w, h);
    if (w > 0) DrawFocusFrame(x, y, w, h);
}
