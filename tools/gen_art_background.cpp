// The menus' background: a sunny sky with bunting, soft clouds, green hills and a toy
// town at the edges. The middle stays calm for the boxes and banners drawn over it.
#include <cmath>
#include <numbers>

#include "gen_art_parts.h"

namespace gen {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

void Sky(const View& v) {
    v.Fill(0, 0, 1280, 1024, [](float, float) { return -10.0f; },
           [](float, float y) {
               float t = std::clamp(y / 800.0f, 0.0f, 1.0f);
               return Mix(Hex(0x6CC0F0), Hex(0xD6F2FF), t * (2 - t));
           });
}

void Sun(const View& v, float cx, float cy) {
    Glow(v, cx - 60, cy - 60, cx + 60, cy + 60, [=](float x, float y) { return SdCircle(x, y, cx, cy, 50); },
         Hex(0xFFF6B0, 0.7f), 45);
    for (int i = 0; i < 12; ++i) {
        float a = i * Pi / 6 + 0.2f;
        float ax = cx + 60 * std::cos(a), ay = cy + 60 * std::sin(a);
        float bx = cx + 80 * std::cos(a), by = cy + 80 * std::sin(a);
        v.Fill(std::min(ax, bx) - 8, std::min(ay, by) - 8, std::max(ax, bx) + 8, std::max(ay, by) + 8,
               [=](float x, float y) { return SdSegment(x, y, ax, ay, bx, by, 5); }, Hex(0xFFD54F, 0.9f));
    }
    auto disc = [=](float x, float y) { return SdCircle(x, y, cx, cy, 48); };
    v.Fill(cx - 50, cy - 50, cx + 50, cy + 50, disc, BevelPaint(disc, Hex(0xFFCA28), 14, 0.4f));
}

void Cloud(const View& v, float cx, float cy, float s) {
    const float blobs[6][3] = {{-52, 10, 24}, {-20, -8, 34}, {20, -2, 30}, {52, 12, 22}, {-14, 16, 26}, {22, 18, 24}};
    auto sdf = [=](float x, float y) {
        float d = 1e9f;
        for (const auto& b : blobs) d = std::min(d, SdCircle(x, y, cx + b[0] * s, cy + b[1] * s, b[2] * s));
        return d;
    };
    v.Fill(cx - 90 * s, cy - 50 * s, cx + 90 * s, cy + 35 * s, sdf, [=](float, float y) {
        return Mix(Hex(0xFFFFFF, 0.95f), Hex(0xE3F1FB, 0.95f), std::clamp((y - cy + 20 * s) / (50 * s), 0.0f, 1.0f));
    });
}

// A garland of little flags hanging between two points.
void Bunting(const View& v, float x0, float x1, float y, float sag, int flags) {
    const RGBA colours[6] = {Hex(0xE53935), Hex(0xFFB300), Hex(0x43A047), Hex(0x1E88E5), Hex(0x8E24AA),
                             Hex(0xFF7043)};
    auto rope = [=](float x) { float t = (x - x0) / (x1 - x0); return y + sag * 4 * t * (1 - t); };
    v.Fill(x0, y - 4, x1, y + sag + 4,
           [=](float x, float yy) { return (x < x0 || x > x1) ? 10.0f : std::fabs(yy - rope(x)) - 1.3f; },
           Hex(0x5D4037));
    for (int i = 0; i < flags; ++i) {
        float cx = x0 + (i + 0.5f) * (x1 - x0) / flags;
        float top = rope(cx);
        float half = 13;
        auto flag = [=](float x, float yy) {
            return SdTriangle(x, yy, cx - half, top, cx + half, top, cx, top + 32) - 1.5f;
        };
        ToyShape(v, cx - half - 2, top - 2, cx + half + 2, top + 36, flag, colours[i % 6], 4, 0.25f);
    }
}

void Hills(const View& v) {
    auto back = [](float x, float y) { return 790 + 28 * std::sin(x / 170.0f + 0.6f) - y; };
    v.Fill(0, 740, 1280, 1024, [=](float x, float y) { return back(x, y); },
           [](float, float y) { return Mix(Hex(0x9CD67A), Hex(0x7CC15B), std::clamp((y - 760) / 120, 0.0f, 1.0f)); });
    auto front = [](float x, float y) { return 872 + 18 * std::sin(x / 240.0f + 2.0f) - y; };
    v.Fill(0, 840, 1280, 1024, [=](float x, float y) { return front(x, y); },
           [](float x, float y) {
               RGBA c = Mix(Hex(0x6DBE4B), Hex(0x4E9E38), std::clamp((y - 860) / 160, 0.0f, 1.0f));
               // Soft tufts of lighter grass.
               float tuft = std::sin(x * 0.09f) * std::sin(y * 0.21f + x * 0.02f);
               return Shade(c, tuft > 0.85f ? 0.08f : 0.0f);
           });
}

void Tree(const View& v, float x, float ground, float h) {
    ToyBlock(v, x - 6, ground - h * 0.45f, x + 6, ground, 3, Hex(0x8D6E63), 3, 0.25f);
    auto crown = [=](float px, float py) {
        return std::min(SdCircle(px, py, x, ground - h * 0.7f, h * 0.3f),
                        std::min(SdCircle(px, py, x - h * 0.18f, ground - h * 0.5f, h * 0.22f),
                                 SdCircle(px, py, x + h * 0.18f, ground - h * 0.5f, h * 0.22f)));
    };
    ToyShape(v, x - h * 0.45f, ground - h, x + h * 0.45f, ground - h * 0.25f, crown, Hex(0x3FA34D), 8, 0.3f);
}

// A house of toy blocks: walls, a roof, a window and a door.
void House(const View& v, float x, float ground, float w, float h, const RGBA& wall, const RGBA& roof) {
    ToyBlock(v, x, ground - h, x + w, ground, 5, wall, 5);
    auto r = [=](float px, float py) {
        return SdTriangle(px, py, x - 8, ground - h + 2, x + w + 8, ground - h + 2, x + w / 2, ground - h - w * 0.55f) - 2;
    };
    ToyShape(v, x - 12, ground - h - w * 0.6f, x + w + 12, ground - h + 6, r, roof, 6);
    ToyBlock(v, x + w * 0.15f, ground - h * 0.75f, x + w * 0.42f, ground - h * 0.45f, 3, Hex(0xB3E5FC), 3, 0);
    ToyBlock(v, x + w * 0.58f, ground - h * 0.55f, x + w * 0.85f, ground, 4, Hex(0x8D6E63), 3, 0);
}

void ToyTown(const View& v) {
    House(v, 40, 822, 90, 70, Hex(0xFFD54F), Hex(0xE53935));
    Tree(v, 170, 818, 110);
    House(v, 215, 816, 70, 56, Hex(0x81D4FA), Hex(0x8E24AA));
    Tree(v, 318, 812, 80);
    // Right edge: a tower of blocks and a tree.
    ToyBlock(v, 1180, 760, 1250, 830, 6, Hex(0x1E88E5), 6);
    ToyBlock(v, 1188, 700, 1242, 760, 6, Hex(0xFFB300), 6);
    ToyBlock(v, 1194, 650, 1236, 700, 6, Hex(0x43A047), 6);
    auto roof = [](float x, float y) { return SdTriangle(x, y, 1215, 605, 1188, 650, 1242, 650) - 2; };
    ToyShape(v, 1180, 600, 1250, 656, roof, Hex(0xE53935), 6);
    Tree(v, 1128, 842, 90);
}

}  // namespace

void DrawMenuBackground(const View& v) {
    Sky(v);
    Sun(v, 86, 96);
    Cloud(v, 420, 112, 0.9f);
    Cloud(v, 900, 96, 1.1f);
    Cloud(v, 1130, 200, 0.7f);
    Bunting(v, 180, 690, 14, 34, 11);
    Bunting(v, 690, 1215, 14, 30, 11);
    Hills(v);
    ToyTown(v);
}

}  // namespace gen
