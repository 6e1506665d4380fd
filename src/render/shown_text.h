#pragma once
// Every text the player reads is drawn through here: a text too wide for its box is drawn
// smaller, down to a minimum size, and the texts of each frame are kept for the state dump.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/sprite.h"

// The smallest size a text may shrink to, as a share of its font's size.
inline constexpr float kMinTextScale = 0.7f;

// The scale the text needs to fit `width` in this font: 1 when it fits as it is, less down to
// kMinTextScale, and 0 when even the minimum is too wide.
float FitScale(const plat::Font& font, const std::string& text, int width);

struct ShownText {
    std::string text;
    float scale = 1.0f;   // 0: did not fit at the minimum size
};

// Draws text left/top aligned into box, shrunk to fit its width. Returns Font::DrawText's result.
int DrawShownText(plat::Font& font, plat::Sprite& sprite, const std::string& text, const plat::Rect& box,
                  uint32_t colour);
// After a frame is presented: its texts become the last frame's.
void EndShownTextFrame();
const std::vector<ShownText>& TextsDrawnLastFrame();
