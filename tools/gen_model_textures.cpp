// The blocks' textures: a bright toy colour, a raised panel with a soft groove around it, and
// the block's letter with an outline and a small shadow, lit from the top left.
#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "canvas.h"
#include "gen_model_parts.h"

namespace gen {

// Colours tellable apart by lightness as well as hue, all clear of the magenta background.
const std::array<LogoBlock, LogoBlockCount> LogoBlocks = {{
    {"С", 0xE8412F, 0xFFFFFF},
    {"Т", 0xFF9A1F, 0xFFFFFF},
    {"Р", 0xFFD93B, 0xD6312A},
    {"О", 0x4CB944, 0xFFFFFF},
    {"Й", 0x1FB5C9, 0xFFFFFF},
    {"Л", 0x2F6FE0, 0xFFFFFF},
    {"И", 0xA8D84A, 0x1E4FB8},
    {"К", 0xF2F2F2, 0xE8412F},
}};

namespace {

constexpr const char* FontPath = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";

// Coverage of one glyph, 0..1 per pixel, with its baseline and cap height.
struct Glyph {
    int width = 0, height = 0;
    std::vector<float> cover;
    int baseline = 0;   // row of the baseline
};

struct FontHandle {
    TTF_Font* font = nullptr;
    explicit FontHandle(int size) {
        if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
        font = TTF_OpenFont(FontPath, size);
        if (!font) throw std::runtime_error(std::string("cannot open ") + FontPath + ": " + TTF_GetError());
    }
    ~FontHandle() {
        if (font) TTF_CloseFont(font);
    }
};

Glyph RenderGlyph(TTF_Font* font, const char* text) {
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, text, white);
    if (!rendered) throw std::runtime_error(std::string("TTF_RenderUTF8_Blended: ") + TTF_GetError());
    SDL_Surface* s = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!s) throw std::runtime_error("cannot convert the glyph surface");
    Glyph g;
    g.width = s->w;
    g.height = s->h;
    g.baseline = TTF_FontAscent(font);
    g.cover.resize(static_cast<size_t>(g.width) * g.height);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) g.cover[static_cast<size_t>(y) * g.width + x] = (row[x] >> 24) / 255.0f;
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return g;
}

// Left and right ink columns, top ink row.
void InkBounds(const Glyph& g, int& left, int& right, int& top) {
    left = g.width;
    right = -1;
    top = g.height;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.cover[static_cast<size_t>(y) * g.width + x] > 0.1f) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
}

float CoverAt(const Glyph& g, int x, int y) {
    if (x < 0 || y < 0 || x >= g.width || y >= g.height) return 0;
    return g.cover[static_cast<size_t>(y) * g.width + x];
}

// The largest coverage within `radius` pixels: a thick outline around the letter.
float Dilated(const Glyph& g, int x, int y, int radius) {
    float best = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            float d = std::hypot(float(dx), float(dy));
            if (d > radius + 0.5f) continue;
            float edge = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
            best = std::max(best, CoverAt(g, x + dx, y + dy) * edge);
        }
    return best;
}

void DrawPanel(Canvas& c, const RGBA& face, int size) {
    float s = float(size);
    c.Clear(0, 0, size, size, Shade(face, -0.08f));
    // A shallow groove, then the raised panel, lit from the top left.
    float m = s * 0.07f, r = s * 0.09f;
    c.Fill(0, 0, size, size, [&](float x, float y) { return SdBox(x, y, m - 3, m - 3, s - m + 3, s - m + 3, r + 3); },
           Shade(face, -0.28f));
    c.Fill(0, 0, size, size, [&](float x, float y) { return SdBox(x, y, m, m, s - m, s - m, r); },
           [&](float x, float y) {
               float t = std::clamp((x + y) / (2 * s), 0.0f, 1.0f);
               return Mix(Shade(face, 0.22f), Shade(face, -0.04f), t);
           });
}

void DrawLetter(Canvas& c, const Glyph& g, int offsetX, int offsetY, const RGBA& ink, const RGBA& face) {
    // Dark letters on light blocks get an outline of their own hue, white ones one of the block's.
    bool lightInk = ink.r + ink.g + ink.b > 2.7f;
    RGBA outline = Shade(lightInk ? face : ink, -0.55f);
    int radius = std::max(2, c.width() / 64);
    int shadow = std::max(2, c.width() / 60);
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            int gx = x - offsetX, gy = y - offsetY;
            float shade = Dilated(g, gx - shadow, gy - shadow, radius);
            if (shade > 0) c.Blend(x, y, RGBA{0.1f, 0.06f, 0.12f, 0.35f * shade});
            float rim = Dilated(g, gx, gy, radius);
            if (rim > 0) c.Blend(x, y, RGBA{outline.r, outline.g, outline.b, rim});
            float body = CoverAt(g, gx, gy);
            if (body > 0) {
                // A touch of light on the upper part of the letter.
                float t = std::clamp(float(gy) / float(g.baseline), 0.0f, 1.0f);
                RGBA lit = Mix(Shade(ink, 0.25f), ink, t);
                c.Blend(x, y, RGBA{lit.r, lit.g, lit.b, body});
            }
        }
    }
}

}  // namespace

Canvas DrawBlockFace(const LogoBlock& block, int size) {
    FontHandle font(size * 7 / 10);
    // The cap height of a plain capital centres every letter on the same baseline; the breve of
    // Й reaches into the margin above.
    Glyph reference = RenderGlyph(font.font, "Т");
    int refLeft, refRight, capTop;
    InkBounds(reference, refLeft, refRight, capTop);
    Glyph g = RenderGlyph(font.font, block.letter);
    int left, right, top;
    InkBounds(g, left, right, top);
    if (right < left) throw std::runtime_error(std::string("no ink for the letter ") + block.letter);

    Canvas c(size, size);
    RGBA face = Hex(block.face);
    DrawPanel(c, face, size);
    int capHeight = reference.baseline - capTop;
    int offsetX = (size - (right - left + 1)) / 2 - left;
    int offsetY = (size - capHeight) / 2 - capTop + size / 40;
    DrawLetter(c, g, offsetX, offsetY, Hex(block.ink), face);
    return c;
}

void WriteBlockTexture(const std::string& path, const LogoBlock& block, int size) {
    if (!DrawBlockFace(block, size).SavePng(path)) throw std::runtime_error("cannot write " + path);
}

}  // namespace gen
