// Building-site decorations for the side margins of the game screens. The screens draw
// them half transparent, so they are bold and simple.
#include <cmath>

#include "gen_art_parts.h"

namespace gen {

namespace {

const RGBA kOrange = Hex(0xFF8F1F), kWhite = Hex(0xFFFFFF), kRed = Hex(0xE53935), kYellow = Hex(0xFFC928),
           kBlue = Hex(0x1E88E5), kGreen = Hex(0x43A047), kDark = Hex(0x37474F), kBrick = Hex(0xC8553D),
           kSand = Hex(0xE8C07A), kViolet = Hex(0x8E5BD0);

void Wheel(const View& v, float cx, float cy, float r) {
    auto tyre = [=](float x, float y) { return SdCircle(x, y, cx, cy, r); };
    ToyShape(v, cx - r, cy - r, cx + r, cy + r, tyre, kDark, 4, 0.3f);
    auto hub = [=](float x, float y) { return SdCircle(x, y, cx, cy, r * 0.45f); };
    v.Fill(cx - r, cy - r, cx + r, cy + r, hub, BevelPaint(hub, Hex(0xCFD8DC), 2));
}

// Two cones and a striped barrier.
void Cones(Canvas& sheet) {
    View v = Place(sheet, 1920, 590, 0, 0, 128, 130);
    // Barrier: legs, then a striped board.
    ToyBlock(v, 22, 50, 30, 118, 2, kDark, 2, 0.25f);
    ToyBlock(v, 98, 50, 106, 118, 2, kDark, 2, 0.25f);
    auto board = [](float x, float y) { return SdBox(x, y, 8, 38, 120, 62, 5); };
    v.Shadow(8, 38, 120, 62, board, 3, 4, 4, 0.3f);
    v.Fill(8, 38, 120, 62, board, [&](float x, float y) {
        bool stripe = static_cast<int>(std::floor((x + (y - 38) * 0.8f) / 16)) % 2 == 0;
        return BevelPaint(board, stripe ? kRed : kWhite, 4)(x, y);
    });
    for (float cx : {34.0f, 92.0f}) {
        auto cone = [=](float x, float y) { return SdTriangle(x, y, cx, 66, cx - 17, 118, cx + 17, 118) - 2; };
        ToyShape(v, cx - 20, 62, cx + 20, 120, cone, kOrange, 5, 0.3f);
        v.Fill(cx - 20, 80, cx + 20, 100,
               [=](float x, float y) { return std::max(cone(x, y) + 3, std::fabs(y - 92) - 5); }, kWhite);
        ToyBlock(v, cx - 22, 114, cx + 22, 124, 3, kOrange, 3, 0.3f);
    }
}

// A little dump truck carrying blocks.
void Truck(Canvas& sheet) {
    View v = Place(sheet, 1920, 725, 0, 0, 128, 105);
    ToyBlock(v, 8, 48, 120, 78, 6, kBlue, 5);                     // chassis
    ToyBlock(v, 80, 20, 118, 62, 8, kRed, 6);                     // cab
    ToyBlock(v, 88, 28, 110, 46, 4, Hex(0xB3E5FC), 3, 0);        // window
    auto bed = [](float x, float y) { return SdPolygon(x, y, {6, 26, 76, 26, 70, 56, 12, 56}) - 2; };
    ToyBlock(v, 16, 12, 34, 30, 3, kGreen, 4, 0.2f);              // load
    ToyBlock(v, 36, 8, 56, 30, 3, kYellow, 4, 0.2f);
    ToyShape(v, 4, 24, 78, 58, bed, kYellow, 6);
    Wheel(v, 30, 82, 15);
    Wheel(v, 98, 82, 15);
}

// A pile of bricks in running bond.
void Bricks(Canvas& sheet) {
    View v = Place(sheet, 1920, 835, 0, 0, 128, 85);
    const float bw = 38, bh = 16;
    for (int row = 0; row < 4; ++row) {
        int count = 3 - (row == 3 ? 1 : 0);
        float y1 = 80 - row * (bh + 2);
        float start = 6 + (row % 2) * (bw / 2) + (row == 3 ? bw / 2 : 0);
        for (int i = 0; i < count; ++i) {
            float x0 = start + i * (bw + 2);
            if (x0 + bw > 124) continue;
            RGBA c = (row + i) % 3 == 0 ? Shade(kBrick, 0.1f) : kBrick;
            ToyBlock(v, x0, y1 - bh, x0 + bw, y1, 3, c, 4, 0.25f);
        }
    }
}

// A tall tower crane with a block on its hook.
void Crane(Canvas& sheet) {
    View v = Place(sheet, 1800, 350, 0, 0, 120, 200);
    const RGBA mast = kYellow;
    // Mast: two rails and cross braces.
    for (float x : {30.0f, 46.0f}) ToyBlock(v, x - 3, 36, x + 3, 190, 2, mast, 2, 0.25f);
    for (float y = 44; y < 186; y += 16) {
        auto brace = [=](float x, float yy) { return SdSegment(x, yy, 30, y, 46, y + 16, 1.6f); };
        v.Fill(26, y - 2, 50, y + 18, brace, Shade(mast, -0.15f));
    }
    ToyBlock(v, 14, 186, 62, 198, 3, kDark, 3, 0.3f);              // foot
    ToyBlock(v, 4, 26, 116, 38, 4, mast, 4, 0.3f);                // jib
    ToyBlock(v, 4, 38, 22, 56, 3, Hex(0x78909C), 3, 0.3f);        // counterweight
    ToyBlock(v, 28, 8, 50, 28, 4, kRed, 4, 0.3f);                 // cabin
    v.Fill(96, 36, 100, 110, [](float x, float y) { return SdSegment(x, y, 98, 38, 98, 104, 1.0f); }, kDark);
    auto hook = [](float x, float y) { return std::fabs(SdCircle(x, y, 98, 110, 5)) - 1.6f; };
    v.Fill(90, 102, 106, 118, hook, kDark);
    ToyBlock(v, 84, 118, 112, 146, 4, kBlue, 5);                  // the block it lifts
}

// Stacked toy blocks with a roof on top.
void Stack(Canvas& sheet) {
    View v = Place(sheet, 1920, 350, 0, 0, 128, 139);
    ToyBlock(v, 8, 92, 60, 134, 6, kRed, 6);
    ToyBlock(v, 64, 92, 116, 134, 6, kBlue, 6);
    ToyBlock(v, 36, 50, 88, 92, 6, kGreen, 6);
    auto roof = [](float x, float y) { return SdTriangle(x, y, 62, 8, 32, 48, 92, 48) - 2; };
    ToyShape(v, 28, 4, 96, 52, roof, kYellow, 6);
    auto dot = [](float x, float y) { return SdCircle(x, y, 62, 71, 8); };
    v.Fill(50, 60, 74, 84, dot, BevelPaint(dot, Hex(0xFFF3C4), 3));
}

// A wheelbarrow full of sand.
void Wheelbarrow(Canvas& sheet) {
    View v = Place(sheet, 1920, 495, 0, 0, 128, 95);
    v.Fill(60, 40, 126, 70, [](float x, float y) { return SdSegment(x, y, 70, 52, 122, 36, 3); }, Hex(0x8D6E63));
    ToyBlock(v, 64, 56, 70, 88, 2, kDark, 2, 0.25f);                   // leg
    auto sand = [](float x, float y) { return SdCircle(x, y, 46, 44, 30); };
    v.Fill(14, 14, 80, 40, [&](float x, float y) { return std::max(sand(x, y), y - 34); },
           BevelPaint(sand, kSand, 6));
    auto tray = [](float x, float y) { return SdPolygon(x, y, {8, 30, 88, 30, 74, 62, 24, 62}) - 2; };
    ToyShape(v, 6, 28, 90, 64, tray, kViolet, 6);
    Wheel(v, 28, 72, 16);
}

}  // namespace

void DrawSiteDecorations(Canvas& sheet) {
    Cones(sheet);
    Truck(sheet);
    Bricks(sheet);
    Crane(sheet);
    Stack(sheet);
    Wheelbarrow(sheet);
}

}  // namespace gen
