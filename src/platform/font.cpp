// Fonts: every glyph the game can show (Latin, Cyrillic, digits, punctuation) is rendered
// once into an atlas texture; text is then drawn glyph by glyph through the sprite batch,
// so it is batched, scaled and tinted like every other picture.
//
// The font is asked for by character cell height and average character width, as the game
// was designed: the point size is picked so the cell is `height` tall, and the glyphs are
// stretched horizontally in the atlas so the average lowercase advance is `width`.
#include "platform/font.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gl_util.h"
#include "platform/image.h"
#include "platform/sprite.h"
#include "platform/texture.h"

#ifndef STROYLIK_FONT_PATH
#define STROYLIK_FONT_PATH "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf"
#endif

namespace plat {

namespace {

struct Glyph {
    bool present = false;
    int atlasX = 0, atlasY = 0, w = 0, h = 0;   // trimmed picture in the atlas (w == 0: blank)
    int offX = 0, offY = 0;                     // its place inside the character cell
    int advance = 0;
};

constexpr int AtlasWidth = 512;
constexpr int Padding = 2;   // keeps neighbours out of linear filtering when the text is scaled
constexpr uint32_t Replacement = '?';

struct CodeRange {
    uint32_t first, last;
};
// What the game's texts and level numbers can contain.
constexpr CodeRange GlyphRanges[] = {
    {0x20, 0x7E}, {0xA0, 0xFF}, {0x400, 0x45F}, {0x490, 0x491}, {0x2013, 0x2014}, {0x2018, 0x201E}, {0x2026, 0x2026}, {0x2116, 0x2116},
};

// Decodes one UTF-8 sequence at s[i], advancing i; malformed bytes give the replacement.
uint32_t NextCodePoint(std::string_view s, size_t& i) {
    const uint8_t b0 = uint8_t(s[i++]);
    if (b0 < 0x80) return b0;
    int extra = 0;
    uint32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) extra = 1, cp = b0 & 0x1F;
    else if ((b0 & 0xF0) == 0xE0) extra = 2, cp = b0 & 0x0F;
    else if ((b0 & 0xF8) == 0xF0) extra = 3, cp = b0 & 0x07;
    else return Replacement;
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (uint8_t(s[i]) & 0xC0) != 0x80) return Replacement;
        cp = cp << 6 | (uint8_t(s[i++]) & 0x3F);
    }
    return cp;
}

// Alpha of a rendered glyph, stretched horizontally by `sx` with a box filter.
std::vector<uint8_t> StretchAlpha(const SDL_Surface* surf, double sx, int& outW) {
    const int sw = surf->w, sh = surf->h;
    outW = std::max(1, int(std::ceil(sw * sx)));
    std::vector<uint8_t> out(size_t(outW) * sh, 0);
    const auto* base = static_cast<const uint8_t*>(surf->pixels);
    for (int y = 0; y < sh; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(base + size_t(y) * surf->pitch);
        for (int x = 0; x < outW; ++x) {
            const double a = x / sx, b = (x + 1) / sx;
            double sum = 0, weight = 0;
            for (int s = int(a); s < sw && s < b; ++s) {
                const double overlap = std::min(b, double(s + 1)) - std::max(a, double(s));
                if (overlap <= 0) continue;
                sum += overlap * double(row[s] >> 24);
                weight += overlap;
            }
            out[size_t(y) * outW + x] = weight > 0 ? uint8_t(std::lround(sum / weight)) : 0;
        }
    }
    return out;
}

}  // namespace

struct Font::Impl {
    std::vector<Glyph> low;                       // code points below 0x500, by index
    std::unordered_map<uint32_t, Glyph> high;     // the few above
    std::unique_ptr<Texture> atlas;

    const Glyph* Find(uint32_t cp) const {
        if (cp < low.size()) return low[cp].present ? &low[cp] : nullptr;
        auto it = high.find(cp);
        return it == high.end() ? nullptr : &it->second;
    }
    const Glyph* FindOrReplacement(uint32_t cp) const {
        const Glyph* g = Find(cp);
        return g ? g : Find(Replacement);
    }
};

bool RenderTextImage(std::string_view utf8, int height, Image& out) {
    if (height <= 0 || height > 512 || utf8.empty()) return false;
    if (TTF_WasInit() == 0 && TTF_Init() != 0) return false;
    TTF_Font* ttf = TTF_OpenFont(STROYLIK_FONT_PATH, height);
    if (ttf == nullptr) return false;
    const std::string text(utf8);
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(ttf, text.c_str(), SDL_Color{0, 0, 0, 255});
    TTF_CloseFont(ttf);
    SDL_Surface* surf = rendered ? SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    if (rendered) SDL_FreeSurface(rendered);
    if (surf == nullptr) return false;
    out.width = surf->w;
    out.height = surf->h;
    out.pixels.resize(size_t(out.width) * out.height);
    for (int y = 0; y < surf->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surf->pixels) + size_t(y) * surf->pitch);
        std::copy(row, row + surf->w, out.pixels.begin() + size_t(y) * out.width);
    }
    SDL_FreeSurface(surf);
    return true;
}

Font::~Font() = default;

HRESULT Font::Create(Device* device, int height, int width, int weight, std::string_view faceName,
                     std::unique_ptr<Font>& out) {
    out.reset();
    if (height <= 0 || height > 512 || width < 0 || width > 512) return E_INVALIDARG;
    if (TTF_WasInit() == 0 && TTF_Init() != 0) return E_FAIL;
    // "Times New Roman" and anything else maps to Liberation Serif, which has its metrics.
    TTF_Font* ttf = TTF_OpenFont(STROYLIK_FONT_PATH, height);
    if (ttf == nullptr) return E_FAIL;
    if (weight >= 600) TTF_SetFontStyle(ttf, TTF_STYLE_BOLD);

    // Point size whose cell height is closest to the asked height.
    int best = height, bestDiff = 1 << 30;
    for (int pt = std::max(1, height * 3 / 5); pt <= height + 2; ++pt) {
        if (TTF_SetFontSize(ttf, pt) != 0) continue;
        const int diff = std::abs(TTF_FontHeight(ttf) - height);
        if (diff < bestDiff) best = pt, bestDiff = diff;
    }
    TTF_SetFontSize(ttf, best);

    double stretch = 1.0;
    if (width > 0) {
        int sum = 0, n = 0;
        for (uint32_t c = 'a'; c <= 'z'; ++c) {
            int minx, maxx, miny, maxy, adv;
            if (TTF_GlyphMetrics32(ttf, c, &minx, &maxx, &miny, &maxy, &adv) == 0) sum += adv, ++n;
        }
        if (n > 0 && sum > 0) stretch = double(width) * n / sum;
    }

    auto impl = std::make_unique<Impl>();
    impl->low.resize(0x500);
    Image atlas;
    atlas.width = AtlasWidth;
    std::vector<uint8_t> alpha;   // the atlas as coverage, grown row by row
    int penX = Padding, penY = Padding, shelfH = 0;
    const SDL_Color white = {255, 255, 255, 255};
    for (const CodeRange& range : GlyphRanges) {
        for (uint32_t cp = range.first; cp <= range.last; ++cp) {
            if (!TTF_GlyphIsProvided32(ttf, cp)) continue;
            int minx, maxx, miny, maxy, adv;
            if (TTF_GlyphMetrics32(ttf, cp, &minx, &maxx, &miny, &maxy, &adv) != 0) continue;
            Glyph g;
            g.present = true;
            g.advance = int(std::lround(adv * stretch));
            SDL_Surface* rendered = TTF_RenderGlyph32_Blended(ttf, cp, white);
            SDL_Surface* surf = rendered ? SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
            if (rendered) SDL_FreeSurface(rendered);
            if (surf) {
                int sw = 0;
                std::vector<uint8_t> a = StretchAlpha(surf, stretch, sw);
                const int sh = surf->h;
                SDL_FreeSurface(surf);
                // Trim to the covered box.
                int x0 = sw, y0 = sh, x1 = -1, y1 = -1;
                for (int y = 0; y < sh; ++y)
                    for (int x = 0; x < sw; ++x)
                        if (a[size_t(y) * sw + x]) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
                if (x1 >= 0 && x1 - x0 + 1 + 2 * Padding <= AtlasWidth) {
                    g.w = x1 - x0 + 1;
                    g.h = y1 - y0 + 1;
                    g.offX = x0;
                    g.offY = y0;
                    if (penX + g.w + Padding > AtlasWidth) penX = Padding, penY += shelfH + Padding, shelfH = 0;
                    g.atlasX = penX;
                    g.atlasY = penY;
                    if (size_t(penY + g.h + Padding) * AtlasWidth > alpha.size()) alpha.resize(size_t(penY + g.h + Padding) * AtlasWidth, 0);
                    for (int y = 0; y < g.h; ++y)
                        for (int x = 0; x < g.w; ++x)
                            alpha[size_t(penY + y) * AtlasWidth + penX + x] = a[size_t(y0 + y) * sw + x0 + x];
                    penX += g.w + Padding;
                    shelfH = std::max(shelfH, g.h);
                }
            }
            if (cp < impl->low.size()) impl->low[cp] = g;
            else impl->high[cp] = g;
        }
    }
    TTF_CloseFont(ttf);

    atlas.height = std::max(1, int(alpha.size() / AtlasWidth));
    atlas.pixels.resize(size_t(atlas.width) * atlas.height);
    for (size_t i = 0; i < atlas.pixels.size(); ++i) atlas.pixels[i] = uint32_t(i < alpha.size() ? alpha[i] : 0) << 24 | 0x00FFFFFFu;
    // Without a device the font still measures and lays out text; its draws carry no texture.
    if (device != nullptr && GlContextCurrent()) impl->atlas = Texture::FromImage(atlas, false);

    std::unique_ptr<Font> font(new Font());
    font->impl_ = std::move(impl);
    font->height_ = height;
    font->width_ = width;
    out = std::move(font);
    return S_OK;
}

int Font::DrawText(Sprite* sprite, std::string_view utf8, const Rect& rect, uint32_t format, uint32_t color) {
    if (sprite == nullptr) return -1;
    const Texture* atlas = impl_->atlas.get();
    int lines = utf8.empty() ? 0 : 1;
    int penX = rect.left, lineTop = rect.top;
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t cp = NextCodePoint(utf8, i);
        if (cp == '\n') {
            penX = rect.left;
            lineTop += height_;
            ++lines;
            continue;
        }
        if (cp == '\r') continue;
        const Glyph* g = impl_->FindOrReplacement(cp);
        if (g == nullptr) continue;
        if (g->w > 0) {
            // The glyph's box in virtual units, clipped to the rectangle; one texel per unit.
            const int gx = penX + g->offX, gy = lineTop + g->offY;
            const int xa = std::max(gx, rect.left), xb = std::min(gx + g->w, rect.right);
            const int ya = std::max(gy, rect.top), yb = std::min(gy + g->h, rect.bottom);
            if (xa < xb && ya < yb) {
                Rect src{g->atlasX + (xa - gx), g->atlasY + (ya - gy), g->atlasX + (xb - gx), g->atlasY + (yb - gy)};
                Vec3 pos{float(xa), float(ya), 0.0f};
                sprite->Draw(atlas, &src, nullptr, &pos, color);
            }
        }
        penX += g->advance;
    }
    return lines * height_;
}

std::u32string Font::MissingGlyphs(std::string_view utf8) const {
    std::u32string missing;
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t cp = NextCodePoint(utf8, i);
        if (cp != '\n' && cp != '\r' && !impl_->Find(cp)) missing += static_cast<char32_t>(cp);
    }
    return missing;
}

int Font::MeasureWidth(std::string_view utf8) const {
    int widest = 0, line = 0;
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t cp = NextCodePoint(utf8, i);
        if (cp == '\n') {
            widest = std::max(widest, line);
            line = 0;
            continue;
        }
        if (const Glyph* g = impl_->FindOrReplacement(cp)) line += g->advance;
    }
    return std::max(widest, line);
}

}  // namespace plat
