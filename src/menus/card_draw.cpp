// The menus' cards, text and stars.
#include "menus/card_draw.h"

#include "render/shown_text.h"

#include "platform/texture.h"
#include "render/texture_catalog.h"

namespace {
constexpr uint32_t Shadow = 0x40000000;
// The star of the star bursts on the main sheet.
constexpr plat::Rect StarSource{2000, 0, 2048, 48};
}  // namespace

void DrawStretched(const plat::Texture* texture, const plat::Rect& source, float x, float y, float sx, float sy,
                   uint32_t colour) {
    Stretched(x, y, sx, sy, [&] { g_sprite->Draw(texture, &source, nullptr, nullptr, colour); });
}

void Fill(int left, int top, int right, int bottom, uint32_t colour) {
    if (right <= left || bottom <= top) return;
    DrawStretched(SurfaceTexture(SurfacePen), plat::Rect{0, 0, 1, 1}, float(left), float(top), float(right - left),
                  float(bottom - top), colour);
}

void Outline(int left, int top, int right, int bottom, int width, uint32_t colour) {
    Fill(left, top, right, top + width, colour);
    Fill(left, bottom - width, right, bottom, colour);
    Fill(left, top + width, left + width, bottom - width, colour);
    Fill(right - width, top + width, right, bottom - width, colour);
}

void Card(int left, int top, int right, int bottom, uint32_t colour) {
    Fill(left + 3, top + 3, right + 3, bottom + 3, Shadow);
    Fill(left, top, right, bottom, colour);
}

int TextWidth(const std::string& text, float scale) {
    const int width = g_fontLarge ? g_fontLarge->MeasureWidth(text) : 10 * int(text.size());
    return static_cast<int>(width * scale);
}

void Text(const std::string& text, int x, int y, uint32_t colour, float scale) {
    if (!g_fontLarge) return;
    const plat::Rect room{0, 0, g_fontLarge->MeasureWidth(text) + 4, g_fontLarge->height() + 4};
    Stretched(float(x), float(y), scale, scale,
              [&] { DrawShownText(*g_fontLarge, *g_sprite, text, room, colour); });
}

void StarSprite(float x, float y, float size, uint32_t colour) {
    const float scale = size / float(StarSource.right - StarSource.left);
    DrawStretched(SurfaceTexture(SurfaceMain), StarSource, x, y, scale, scale, colour);
}
