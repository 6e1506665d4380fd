#pragma once
// Text drawn through the sprite batch from a glyph atlas of Liberation Serif
// (the stand-in for Times New Roman). UTF-8 input, Cyrillic included.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace plat {

class Device;
class Sprite;

constexpr uint32_t DT_LEFT_TOP = 0;

struct Image;

// One line of text rendered in black on a transparent image, `height` pixels tall, for
// pictures made off-screen (the generator's contact sheets). False when the font fails.
bool RenderTextImage(std::string_view utf8, int height, Image& out);

class Font {
public:
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // height: character cell height in virtual units; width: average character width.
    static HRESULT Create(Device* device, int height, int width, int weight, std::string_view faceName,
                          std::unique_ptr<Font>& out);

    // Draws text left/top aligned into rect (virtual units, before the sprite transform),
    // clipped to it. Returns the height drawn, or a negative value on failure.
    int DrawText(Sprite* sprite, std::string_view utf8, const Rect& rect, uint32_t format, uint32_t color);

    // Width in virtual units the text would take.
    int MeasureWidth(std::string_view utf8) const;
    int height() const { return height_; }
    // The characters of the text this font has no glyph of (a replacement would be drawn).
    std::u32string MissingGlyphs(std::string_view utf8) const;

private:
    Font() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int height_ = 0;
    int width_ = 0;
};

}  // namespace plat
