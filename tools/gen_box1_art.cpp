// The box 1 figure sheet: seven toy-block shapes, each in red, yellow, green and blue.
// Colours differ in lightness as well as hue, and green and blue carry a faint pattern,
// so that children who see colours differently can still tell them apart.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "generators.h"

namespace gen {
namespace {

constexpr int SheetWidth = 256;
constexpr int SheetHeight = 704;

// Base colours: yellow lightest, then green, red, blue darkest.
const uint32_t kColours[4] = {0xE0483C, 0xFFD23A, 0x4DB04F, 0x2D62C8};

enum class Shape { Block, Wheel, Window, Plank, Roof, Pillar, Arch };

const Shape kGroupShapes[7] = {Shape::Block, Shape::Wheel, Shape::Window, Shape::Plank,
                               Shape::Roof,  Shape::Pillar, Shape::Arch};

struct Place {
    int x, y, w, h;
};

Place FigurePlace(int id) {
    if (id <= 12) return {64 * ((id - 1) % 4), 64 * ((id - 1) / 4), 64, 64};
    if (id <= 20) return {128 * ((id - 13) % 2), 192 + 64 * ((id - 13) / 2), 128, 64};
    return {64 * ((id - 21) % 4), 448 + 128 * ((id - 21) / 4), 64, 128};
}

// Outline of a shape in figure coordinates (0..w, 0..h).
float Outline(Shape shape, float x, float y, float w, float h) {
    switch (shape) {
        case Shape::Block:
        case Shape::Window:
        case Shape::Plank:
            return SdBox(x, y, 0, 0, w, h, 4);
        case Shape::Wheel:
            return SdCircle(x, y, w / 2, h / 2, w / 2 - 0.5f);
        case Shape::Roof:
            return SdTriangle(x, y, 0, h, w / 2, 1, w, h);
        case Shape::Pillar: {
            float cap = SdBox(x, y, 0, 0, w, 14, 3);
            float base = SdBox(x, y, 0, h - 14, w, h, 3);
            float shaft = SdBox(x, y, 8, 8, w - 8, h - 8, 0);
            return std::min({cap, base, shaft});
        }
        case Shape::Arch:
            return std::min(SdCircle(x, y, w / 2, w / 2, w / 2), SdBox(x, y, 0, w / 2, w, h, 0));
    }
    return 1;
}

// Darker detail lines drawn on top of the body: grooves, panes, spokes, tiles.
float Detail(Shape shape, float x, float y, float w, float h) {
    switch (shape) {
        case Shape::Block:
            return std::fabs(SdBox(x, y, 11, 11, w - 11, h - 11, 6)) - 1.2f;
        case Shape::Plank: {
            float groove = std::fabs(SdBox(x, y, 10, 10, w - 10, h - 10, 6)) - 1.2f;
            float studs = std::min({SdCircle(x, y, w * 0.25f, h / 2, 6), SdCircle(x, y, w * 0.5f, h / 2, 6),
                                    SdCircle(x, y, w * 0.75f, h / 2, 6)});
            return std::min(groove, std::fabs(studs) - 1.2f);
        }
        case Shape::Wheel: {
            float rim = std::fabs(SdCircle(x, y, w / 2, h / 2, w / 2 - 9)) - 1.5f;
            float hub = std::fabs(SdCircle(x, y, w / 2, h / 2, 8)) - 1.5f;
            return std::min(rim, hub);
        }
        case Shape::Roof: {
            // Tile rows: horizontal lines across the roof.
            float row = std::fmod(y, 14.0f);
            return std::min(std::fabs(row - 7.0f), 7.0f) > 6.0f ? -1.0f : 1.0f;
        }
        case Shape::Pillar: {
            float flutes = std::min({SdBox(x, y, 19, 20, 21, h - 20, 1), SdBox(x, y, 31, 20, 33, h - 20, 1),
                                     SdBox(x, y, 43, 20, 45, h - 20, 1)});
            return flutes;
        }
        case Shape::Arch: {
            float door = std::fabs(std::min(SdCircle(x, y, w / 2, w / 2, w / 2 - 9), SdBox(x, y, 9, w / 2, w - 9, h, 0))) - 1.5f;
            return std::min(door, std::fabs(SdCircle(x, y, w - 18, h * 0.62f, 3.5f)) - 1.2f);
        }
        case Shape::Window:
            return 1;
    }
    return 1;
}

// Glass panes of the window, drawn in pale sky blue.
float Glass(float x, float y, float w, float h) {
    float pane = 1e9f;
    const float m = 9, gap = 3.5f;
    pane = std::min(pane, SdBox(x, y, m, m, w / 2 - gap, h / 2 - gap, 2));
    pane = std::min(pane, SdBox(x, y, w / 2 + gap, m, w - m, h / 2 - gap, 2));
    pane = std::min(pane, SdBox(x, y, m, h / 2 + gap, w / 2 - gap, h - m, 2));
    pane = std::min(pane, SdBox(x, y, w / 2 + gap, h / 2 + gap, w - m, h - m, 2));
    return pane;
}

// Faint pattern per colour: none for red and yellow, stripes for green, dots for blue.
float PatternShade(int colour, float x, float y) {
    if (colour == 2) return std::fmod(x + y, 10.0f) < 2.0f ? -0.10f : 0.0f;
    if (colour == 3) {
        float dx = std::fmod(x, 8.0f) - 4.0f, dy = std::fmod(y, 8.0f) - 4.0f;
        return dx * dx + dy * dy < 2.5f ? 0.16f : 0.0f;
    }
    return 0.0f;
}

void DrawFigure(Canvas& sheet, int id) {
    const Place p = FigurePlace(id);
    const Shape shape = kGroupShapes[(id - 1) / 4];
    const int colour = (id - 1) % 4;
    const RGBA base = Hex(kColours[colour]);
    const float w = static_cast<float>(p.w), h = static_cast<float>(p.h);
    auto local = [&](float x, float y, auto fn) { return fn(x - p.x, y - p.y); };
    Sdf body = [&](float x, float y) { return local(x, y, [&](float u, float v) { return Outline(shape, u, v, w, h); }); };

    // Body with a soft bevel lit from the top left.
    Paint paint = [&](float x, float y) {
        const float u = x - p.x, v = y - p.y;
        const float d = Outline(shape, u, v, w, h);
        const float gx = Outline(shape, u + 0.5f, v, w, h) - Outline(shape, u - 0.5f, v, w, h);
        const float gy = Outline(shape, u, v + 0.5f, w, h) - Outline(shape, u, v - 0.5f, w, h);
        const float len = std::max(std::hypot(gx, gy), 1e-4f);
        const float light = (-gx - gy) / (len * 1.4142f);   // +1 facing the top-left light
        const float depth = std::clamp(-d / 6.0f, 0.0f, 1.0f);
        float amount = 0.06f - 0.12f * (v / h);             // gentle top-to-bottom gradient
        amount += 0.38f * light * (1.0f - depth);
        amount += PatternShade(colour, u, v) * depth;
        return Shade(base, amount);
    };
    sheet.Fill(p.x, p.y, p.x + p.w, p.y + p.h, body, paint);

    if (shape == Shape::Window) {
        Sdf glass = [&](float x, float y) { return Glass(x - p.x, y - p.y, w, h); };
        sheet.Fill(p.x, p.y, p.x + p.w, p.y + p.h, glass, [&](float x, float y) {
            const float t = std::clamp((y - p.y) / h, 0.0f, 1.0f);
            RGBA sky = Mix(Hex(0xE8F6FF), Hex(0x9FCFF0), t);
            // A bright streak across each pane, as on real glass.
            const float streak = std::fabs(std::fmod((x - p.x) + (y - p.y), 32.0f) - 10.0f);
            return streak < 2.0f ? Shade(sky, 0.5f) : sky;
        });
    }
    Sdf detail = [&](float x, float y) {
        const float u = x - p.x, v = y - p.y;
        return std::max(Detail(shape, u, v, w, h), Outline(shape, u, v, w, h) + 2.0f);
    };
    sheet.Fill(p.x, p.y, p.x + p.w, p.y + p.h, detail, Shade(base, -0.32f));
}

}  // namespace

void WriteBox1Sheet(const std::string& out) {
    Canvas sheet(SheetWidth, SheetHeight);
    for (int id = 1; id <= 28; ++id) DrawFigure(sheet, id);
    const std::string path = out + "/" + std::string(kSurfaceFiles[3]).substr(2);
    if (!sheet.SavePng(path)) throw std::runtime_error("cannot write " + path);
}

}  // namespace gen
