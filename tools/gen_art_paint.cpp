#include "gen_art_paint.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace gen {

const char* const kBoldFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";

void View::Fill(float bx0, float by0, float bx1, float by1, const Sdf& sdf, const Paint& paint) const {
    int ax0 = std::max(x0, static_cast<int>(std::floor(bx0 + dx)) - 2);
    int ay0 = std::max(y0, static_cast<int>(std::floor(by0 + dy)) - 2);
    int ax1 = std::min(x1, static_cast<int>(std::ceil(bx1 + dx)) + 2);
    int ay1 = std::min(y1, static_cast<int>(std::ceil(by1 + dy)) + 2);
    if (ax0 >= ax1 || ay0 >= ay1) return;
    const float ox = dx, oy = dy;
    c.Fill(ax0, ay0, ax1, ay1, [&](float x, float y) { return sdf(x - ox, y - oy); },
           [&](float x, float y) { return paint(x - ox, y - oy); });
}

void View::Fill(float bx0, float by0, float bx1, float by1, const Sdf& sdf, const RGBA& colour) const {
    Fill(bx0, by0, bx1, by1, sdf, [&](float, float) { return colour; });
}

void View::Shadow(float bx0, float by0, float bx1, float by1, const Sdf& sdf, float ox, float oy, float soft,
                  float opacity) const {
    float m = soft + 2;
    Fill(bx0 + ox - m, by0 + oy - m, bx1 + ox + m, by1 + oy + m,
         [&](float x, float y) { return sdf(x - ox, y - oy) - soft; },
         [&](float x, float y) {
             float d = sdf(x - ox, y - oy);
             float t = std::clamp(0.5f - d / (2 * soft + 1e-3f), 0.0f, 1.0f);
             return RGBA{0.12f, 0.10f, 0.22f, opacity * t * t};
         });
}

View Place(Canvas& c, int sheetX, int sheetY, int sx, int sy, int w, int h) {
    return View{c, static_cast<float>(sheetX - sx), static_cast<float>(sheetY - sy), sheetX, sheetY, sheetX + w,
                sheetY + h};
}

Paint BevelPaint(const Sdf& sdf, const RGBA& base, float bevel, float strength) {
    return [sdf, base, bevel, strength](float x, float y) {
        float d = sdf(x, y);
        // Gentle gradient: a touch lighter higher up in the shape.
        RGBA c = base;
        if (d > -bevel) {
            float gx = sdf(x + 0.7f, y) - sdf(x - 0.7f, y);
            float gy = sdf(x, y + 0.7f) - sdf(x, y - 0.7f);
            float len = std::hypot(gx, gy);
            float lit = len > 1e-4f ? (-gx - gy) / (len * 1.41421f) : 0.0f;   // facing the top-left light
            float rim = std::clamp(1.0f + d / bevel, 0.0f, 1.0f);
            rim = rim * rim * (3 - 2 * rim);
            c = Shade(c, strength * lit * rim);
        }
        return c;
    };
}

Paint VerticalPaint(float y0, const RGBA& top, float y1, const RGBA& bottom) {
    return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

void ToyShape(const View& v, float bx0, float by0, float bx1, float by1, const Sdf& sdf, const RGBA& base,
              float bevel, float shadow) {
    if (shadow > 0) v.Shadow(bx0, by0, bx1, by1, sdf, 4, 6, 6, shadow);
    Paint body = BevelPaint(sdf, base, bevel);
    float h = std::max(by1 - by0, 1.0f);
    v.Fill(bx0, by0, bx1, by1, sdf, [=](float x, float y) {
        float t = std::clamp((y - by0) / h, 0.0f, 1.0f);
        return Shade(body(x, y), 0.10f * (0.5f - t));
    });
}

void ToyBlock(const View& v, float x0, float y0, float x1, float y1, float radius, const RGBA& base, float bevel,
              float shadow) {
    ToyShape(v, x0, y0, x1, y1, [=](float x, float y) { return SdBox(x, y, x0, y0, x1, y1, radius); }, base, bevel,
             shadow);
}

void Glow(const View& v, float bx0, float by0, float bx1, float by1, const Sdf& sdf, const RGBA& colour,
          float reach) {
    v.Fill(bx0 - reach, by0 - reach, bx1 + reach, by1 + reach, [&](float x, float y) { return sdf(x, y) - reach; },
           [&](float x, float y) {
               float d = std::max(sdf(x, y), 0.0f);
               float t = 1.0f - d / reach;
               RGBA c = colour;
               c.a *= std::clamp(t * t, 0.0f, 1.0f);
               return c;
           });
}

void Sparkle(const View& v, float cx, float cy, float size, const RGBA& colour) {
    auto sdf = [=](float x, float y) {
        float ax = std::fabs(x - cx), ay = std::fabs(y - cy);
        // A star of two thin diamonds.
        float d1 = (ax / size + ay / (size * 0.22f)) - 1.0f;
        float d2 = (ay / size + ax / (size * 0.22f)) - 1.0f;
        return std::min(d1, d2) * size * 0.2f;
    };
    Glow(v, cx - size, cy - size, cx + size, cy + size,
         [=](float x, float y) { return SdCircle(x, y, cx, cy, size * 0.15f); }, Mix(colour, Hex(0xFFFFFF), 0.3f),
         size * 0.6f);
    v.Fill(cx - size, cy - size, cx + size, cy + size, sdf, colour);
}

// ---- Lettering -------------------------------------------------------------------------------

namespace {

struct Mask {
    int w = 0, h = 0;
    std::vector<float> a;
    float at(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : a[y * w + x]; }
};

Mask RenderMask(TTF_Font* font, const std::string& text, int outline) {
    TTF_SetFontOutline(font, outline);
    SDL_Surface* s = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255});
    TTF_SetFontOutline(font, 0);
    if (!s) throw std::runtime_error(std::string("cannot render lettering: ") + TTF_GetError());
    Mask m;
    m.w = s->w;
    m.h = s->h;
    m.a.resize(static_cast<size_t>(m.w) * m.h);
    SDL_LockSurface(s);
    for (int y = 0; y < m.h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < m.w; ++x) {
            uint8_t r, g, b, al;
            SDL_GetRGBA(row[x], s->format, &r, &g, &b, &al);
            m.a[y * m.w + x] = al / 255.0f;
        }
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return m;
}

Mask Blur(const Mask& m, int radius) {
    Mask out = m, tmp = m;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < m.h; ++y)
            for (int x = 0; x < m.w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) s += out.at(x + k, y);
                tmp.a[y * m.w + x] = s / (2 * radius + 1);
            }
        for (int y = 0; y < m.h; ++y)
            for (int x = 0; x < m.w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) s += tmp.at(x, y + k);
                out.a[y * m.w + x] = s / (2 * radius + 1);
            }
    }
    return out;
}

// Composites the mask with its top-left at screen (left, top).
void Composite(const View& v, const Mask& m, float left, float top, const Paint& paint) {
    int ox = static_cast<int>(std::lround(left + v.dx)), oy = static_cast<int>(std::lround(top + v.dy));
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            float a = m.a[y * m.w + x];
            int cx = ox + x, cy = oy + y;
            if (a <= 0 || cx < v.x0 || cy < v.y0 || cx >= v.x1 || cy >= v.y1) continue;
            RGBA c = paint(cx - v.dx, cy - v.dy);
            c.a *= a;
            v.c.Blend(cx, cy, c);
        }
}

std::vector<std::string> SplitUtf8(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

void EnsureTtf() {
    static bool ready = false;
    if (!ready) {
        if (TTF_Init() != 0) throw std::runtime_error(std::string("font system: ") + TTF_GetError());
        ready = true;
    }
}

}  // namespace

int LetteringWidth(const Lettering& l) {
    EnsureTtf();
    TTF_Font* font = TTF_OpenFont(l.fontFile.c_str(), l.size);
    if (!font) throw std::runtime_error("cannot open font " + l.fontFile);
    int w = 0, h = 0;
    TTF_SizeUTF8(font, l.text.c_str(), &w, &h);
    TTF_CloseFont(font);
    return w + 2 * l.outline;
}

int DrawLettering(const View& v, float cx, float cy, const Lettering& l) {
    EnsureTtf();
    TTF_Font* font = TTF_OpenFont(l.fontFile.c_str(), l.size);
    if (!font) throw std::runtime_error("cannot open font " + l.fontFile);
    Mask whole = RenderMask(font, l.text, 0);
    Mask outline = RenderMask(font, l.text, l.outline);
    // Centre the inked part of the text, not the line box.
    int minY = whole.h, maxY = 0;
    for (int y = 0; y < whole.h; ++y)
        for (int x = 0; x < whole.w; ++x)
            if (whole.a[y * whole.w + x] > 0.3f) {
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    if (minY > maxY) minY = 0, maxY = whole.h;
    // Centre the capitals and x-height band; descenders hang below.
    float left = cx - whole.w * 0.5f;
    float top = cy - (minY + maxY) * 0.5f;
    float inkTop = top + minY, inkH = static_cast<float>(maxY - minY + 1);

    Mask shadow = Blur(outline, 3);
    Composite(v, shadow, left - l.outline + 3, top - l.outline + 6,
              [](float, float) { return RGBA{0.1f, 0.08f, 0.2f, 0.45f}; });
    Composite(v, outline, left - l.outline, top - l.outline, [&](float, float) { return l.outlineColour; });

    std::vector<std::string> chars = SplitUtf8(l.text);
    std::string prefix;
    int colourIndex = 0;
    for (const std::string& ch : chars) {
        int w = 0, h = 0;
        TTF_SizeUTF8(font, prefix.c_str(), &w, &h);
        prefix += ch;
        if (ch == " ") continue;
        Mask glyph = RenderMask(font, ch, 0);
        RGBA base = l.colourCount > 0 ? l.colours[colourIndex++ % l.colourCount] : Hex(0xFFFFFF);
        float hl = l.highlight;
        Composite(v, glyph, left + w, top, [=](float, float y) {
            float t = std::clamp((y - inkTop) / inkH, 0.0f, 1.0f);
            // Lighter at the top, a little deeper at the foot, like a glossy plastic letter.
            return t < 0.45f ? Shade(base, hl * (0.45f - t) / 0.45f) : Shade(base, -0.22f * (t - 0.45f) / 0.55f);
        });
    }
    TTF_CloseFont(font);
    return whole.w;
}

}  // namespace gen

namespace gen {

void DrawWithHalo(const View& v, const std::function<void(const View&)>& draw, const RGBA& halo, int radius) {
    const int w = v.x1 - v.x0, h = v.y1 - v.y0;
    Canvas layer(w, h);
    draw(View{layer, v.dx - v.x0, v.dy - v.y0, 0, 0, w, h});
    // Spread the painted area by repeated box blurs, then lay the halo under the picture.
    std::vector<float> a(static_cast<size_t>(w) * h), tmp(a.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) a[y * w + x] = layer.at(x, y).a;
    const int r = std::max(1, radius / 3);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            float s = 0;
            for (int x = -r; x < w + r; ++x) {
                if (x + r < w) s += a[y * w + x + r];
                if (x - r - 1 >= 0) s -= a[y * w + x - r - 1];
                if (x >= 0 && x < w) tmp[y * w + x] = s / (2 * r + 1);
            }
        }
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int y = -r; y < h + r; ++y) {
                if (y + r < h) s += tmp[(y + r) * w + x];
                if (y - r - 1 >= 0) s -= tmp[(y - r - 1) * w + x];
                if (y >= 0 && y < h) a[y * w + x] = s / (2 * r + 1);
            }
        }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            RGBA c = halo;
            // Fade out before the edges of the look, so that no seam shows where it ends.
            float edge = std::clamp(std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y)) / 8.0f, 0.0f, 1.0f);
            c.a *= std::clamp(a[y * w + x] * 2.6f, 0.0f, 1.0f) * edge;
            v.c.Blend(v.x0 + x, v.y0 + y, c);
            v.c.Blend(v.x0 + x, v.y0 + y, layer.at(x, y));
        }
}

}  // namespace gen
