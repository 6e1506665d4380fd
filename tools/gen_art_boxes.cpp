// The two boxes of the main menu. Each is drawn in screen coordinates, so the plain
// picture (menu sheet) and the lit look (main sheet) line up where the menu draws them.
#include <algorithm>
#include <cmath>

#include "gen_art_parts.h"

namespace gen {

namespace {

const RGBA kGold = Hex(0xFFD23F, 0.95f);
constexpr int HaloRadius = 22;

RGBA Lit(const RGBA& c, bool lit) { return lit ? Shade(c, 0.1f) : c; }

// A toy box seen from the front: body, rim and a round badge with dots standing for its number.
void ToyBox(const View& v, float x0, float y0, float x1, float y1, const RGBA& colour, int dots, bool lit) {
    ToyBlock(v, x0, y0, x1, y1, 16, Lit(colour, lit), 10, lit ? 0 : 0.4f);
    // Plank seams.
    for (float y = y0 + 52; y < y1 - 20; y += 52)
        v.Fill(x0 + 10, y - 2, x1 - 10, y + 2,
               [=](float x, float yy) { return SdBox(x, yy, x0 + 14, y - 1.5f, x1 - 14, y + 1.5f, 1.5f); },
               Hex(0x000000, 0.12f));
    ToyBlock(v, x0 - 8, y0 - 6, x1 + 8, y0 + 24, 10, Lit(Shade(colour, -0.18f), lit), 6, 0.3f);   // rim
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2 + 14;
    auto badge = [=](float x, float y) { return SdCircle(x, y, cx, cy, 46); };
    ToyShape(v, cx - 50, cy - 50, cx + 50, cy + 50, badge, Lit(Hex(0xFFF4D6), lit), 8, 0.25f);
    for (int i = 0; i < dots; ++i) {
        float dx = dots == 1 ? 0.0f : (i == 0 ? -17.0f : 17.0f);
        auto dot = [=](float x, float y) { return SdCircle(x, y, cx + dx, cy, 13); };
        ToyShape(v, cx + dx - 15, cy - 15, cx + dx + 15, cy + 15, dot, Lit(colour, lit), 5, 0.2f);
    }
}

// Box 1 holds big blocks: a cube, a roof, a pillar and an arch rising above its rim.
void Box1Content(const View& v, bool lit) {
    ToyBlock(v, 222, 206, 312, 296, 12, Lit(Hex(0x1E88E5), lit), 9);
    auto roof = [](float x, float y) { return SdTriangle(x, y, 300, 238, 382, 238, 341, 188) - 4; };
    ToyShape(v, 292, 180, 390, 244, roof, Lit(Hex(0xFFB300), lit), 9);
    ToyBlock(v, 302, 236, 382, 300, 10, Lit(Hex(0x43A047), lit), 9);
    ToyBlock(v, 396, 198, 440, 300, 10, Lit(Hex(0x8E24AA), lit), 8);
    auto arch = [](float x, float y) {
        float body = SdBox(x, y, 446, 226, 516, 300, 10);
        return std::max(body, -SdCircle(x, y, 481, 300, 20));
    };
    ToyShape(v, 440, 220, 520, 304, arch, Lit(Hex(0xFF7043), lit), 9);
}

// Box 2 holds small layered shapes: three staggered layers of little triangles, circles,
// diamonds and squares, like a mosaic rising from the box.
void Box2Content(const View& v, bool lit) {
    const RGBA colours[6] = {Hex(0xE53935), Hex(0xFF8F1F), Hex(0xFFCA28), Hex(0x43A047), Hex(0x1E88E5),
                             Hex(0x8E5BD0)};
    const float cell = 40;
    // Each layer overlaps the one below it by a third of a piece and is shifted by half a piece.
    for (int layer = 0; layer < 4; ++layer) {
        int count = 8 - layer * 2;
        float y = 516 - layer * 38;
        float left = 850 - count * cell / 2;
        for (int i = 0; i < count; ++i) {
            float x = left + i * cell;
            float cx = x + cell / 2, cy = y + cell / 2;
            RGBA c = Lit(colours[(i + layer * 3) % 6], lit);
            switch ((i + layer) % 4) {
            case 0:
                ToyShape(v, x - 2, y - 2, x + cell + 2, y + cell + 2,
                         [=](float px, float py) { return SdTriangle(px, py, cx, y + 1, x + 1, y + cell - 1, x + cell - 1, y + cell - 1) - 2; },
                         c, 6, 0.35f);
                break;
            case 1:
                ToyShape(v, x - 2, y - 2, x + cell + 2, y + cell + 2,
                         [=](float px, float py) { return SdCircle(px, py, cx, cy, cell / 2 - 1); }, c, 6, 0.35f);
                break;
            case 2:
                ToyShape(v, x - 2, y - 2, x + cell + 2, y + cell + 2,
                         [=](float px, float py) { return (std::fabs(px - cx) + std::fabs(py - cy) - cell / 2 + 1) * 0.7f; },
                         c, 6, 0.35f);
                break;
            default:
                ToyBlock(v, x + 2, y + 2, x + cell - 2, y + cell - 2, 7, c, 6, 0.35f);
                break;
            }
        }
    }
    // A little flag on the top layer.
    v.Fill(846, 340, 856, 410, [](float x, float y) { return SdSegment(x, y, 851, 352, 851, 404, 2.5f); },
           Lit(Hex(0x6D4C41), lit));
    ToyShape(v, 850, 344, 900, 384,
             [](float x, float y) { return SdTriangle(x, y, 853, 348, 853, 380, 896, 364) - 1.5f; },
             Lit(Hex(0xE53935), lit), 5, 0.25f);
}

void Sparkles(const View& v, const float (*pts)[3], int n) {
    for (int i = 0; i < n; ++i) Sparkle(v, pts[i][0], pts[i][1], pts[i][2], Hex(0xFFFFFF));
}

}  // namespace

void DrawBox1Art(const View& v, bool lit) {
    if (lit) {
        DrawWithHalo(v, [](const View& layer) {
            Box1Content(layer, true);
            ToyBox(layer, 205, 290, 525, 480, Hex(0xE8503A), 1, true);
        }, kGold, HaloRadius);
        const float pts[4][3] = {{200, 210, 14}, {536, 196, 12}, {250, 470, 10}, {470, 250, 11}};
        Sparkles(v, pts, 4);
        return;
    }
    {
        // Loose blocks in front, beside the box, and the box's ground shadow.
        v.Fill(90, 470, 580, 525, [](float x, float y) { return (std::hypot((x - 365) / 205, (y - 492) / 18) - 1) * 18; },
               Hex(0x1A2A40, 0.18f));
        ToyBlock(v, 96, 418, 160, 482, 10, Hex(0xFFCA28), 8);
        auto cyl = [](float x, float y) { return SdBox(x, y, 110, 362, 150, 418, 18); };
        ToyShape(v, 108, 360, 152, 420, cyl, Hex(0xE53935), 8, 0.3f);
    }
    Box1Content(v, false);
    ToyBox(v, 205, 290, 525, 480, Hex(0xE8503A), 1, false);
}

void DrawBox2Art(const View& v, bool lit) {
    if (lit) {
        DrawWithHalo(v, [](const View& layer) {
            Box2Content(layer, true);
            ToyBox(layer, 660, 560, 1040, 726, Hex(0x2F7FE0), 2, true);
        }, kGold, HaloRadius);
        const float pts[4][3] = {{660, 400, 13}, {1040, 420, 12}, {700, 700, 10}, {1000, 540, 10}};
        Sparkles(v, pts, 4);
        return;
    }
    {
        v.Fill(600, 715, 1076, 790, [](float x, float y) { return (std::hypot((x - 850) / 230, (y - 740) / 20) - 1) * 20; },
               Hex(0x1A2A40, 0.18f));
        // A few small pieces spilled in front of the box.
        ToyShape(v, 610, 770, 650, 810,
                 [](float x, float y) { return SdTriangle(x, y, 630, 774, 612, 806, 648, 806) - 2; }, Hex(0xFFCA28), 5, 0.3f);
        ToyShape(v, 986, 772, 1024, 810, [](float x, float y) { return SdCircle(x, y, 1005, 791, 16); },
                 Hex(0x43A047), 5, 0.3f);
        ToyBlock(v, 1030, 786, 1060, 816, 5, Hex(0x8E5BD0), 5, 0.3f);
    }
    Box2Content(v, false);
    ToyBox(v, 660, 560, 1040, 726, Hex(0x2F7FE0), 2, false);
}

}  // namespace gen
