// Drawing of shown texts, shrunk to fit their boxes, and the list of the last frame's texts.
#include "render/shown_text.h"

#include "platform/matrix.h"

namespace {

std::vector<ShownText> g_thisFrame;
std::vector<ShownText> g_lastFrame;

}  // namespace

float FitScale(const plat::Font& font, const std::string& text, int width) {
    const int needed = font.MeasureWidth(text);
    if (needed <= width) return 1.0f;
    const float scale = static_cast<float>(width) / static_cast<float>(needed);
    return scale >= kMinTextScale ? scale : 0.0f;
}

int DrawShownText(plat::Font& font, plat::Sprite& sprite, const std::string& text, const plat::Rect& box,
                  uint32_t colour) {
    const float fit = FitScale(font, text, box.right - box.left);
    g_thisFrame.push_back({text, fit});
    if (fit == 1.0f) return font.DrawText(&sprite, text, box, plat::DT_LEFT_TOP, colour);
    // Smaller about the box's corner; the box grows by the same factor so nothing is clipped.
    const float scale = fit > 0.0f ? fit : kMinTextScale;
    const plat::Matrix screen = sprite.GetTransform();
    plat::Matrix local = plat::MatrixScaling(scale, scale, 1.0f);
    local.m[3][0] = static_cast<float>(box.left);
    local.m[3][1] = static_cast<float>(box.top);
    sprite.SetTransform(plat::MatrixMultiply(local, screen));
    const plat::Rect room{0, 0, static_cast<int>((box.right - box.left) / scale) + 1,
                          static_cast<int>((box.bottom - box.top) / scale) + 1};
    const int drawn = font.DrawText(&sprite, text, room, plat::DT_LEFT_TOP, colour);
    sprite.SetTransform(screen);
    return drawn;
}

void EndShownTextFrame() {
    g_lastFrame.swap(g_thisFrame);
    g_thisFrame.clear();
}

const std::vector<ShownText>& TextsDrawnLastFrame() { return g_lastFrame; }
