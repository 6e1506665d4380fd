// The children's pictures: twelve animal faces on round toy medallions, and the "add a
// child" tile, on a sheet of their own (entry 6). Each animal has its own medallion colour
// and lightness, so two children's tiles are told apart without reading.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "gen_art_paint.h"
#include "generators.h"

namespace gen {

namespace {

constexpr int Cell = AnimalCellSize;

float SdEllipse(float x, float y, float cx, float cy, float rx, float ry) {
    const float nx = (x - cx) / rx, ny = (y - cy) / ry;
    return (std::sqrt(nx * nx + ny * ny) - 1.0f) * std::min(rx, ry);
}

Sdf Ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) { return SdEllipse(x, y, cx, cy, rx, ry); };
}

void Oval(const View& v, float cx, float cy, float rx, float ry, const RGBA& c, float bevel = 5, float shadow = 0.25f) {
    ToyShape(v, cx - rx, cy - ry, cx + rx, cy + ry, Ellipse(cx, cy, rx, ry), c, bevel, shadow);
}

void Flat(const View& v, float cx, float cy, float rx, float ry, const RGBA& c) {
    v.Fill(cx - rx, cy - ry, cx + rx, cy + ry, Ellipse(cx, cy, rx, ry), c);
}

void Triangle(const View& v, float ax, float ay, float bx, float by, float cx, float cy, const RGBA& c, float round = 4) {
    auto sdf = [=](float x, float y) { return SdTriangle(x, y, ax, ay, bx, by, cx, cy) - round; };
    const float x0 = std::min({ax, bx, cx}) - round, x1 = std::max({ax, bx, cx}) + round;
    const float y0 = std::min({ay, by, cy}) - round, y1 = std::max({ay, by, cy}) + round;
    ToyShape(v, x0, y0, x1, y1, sdf, c, 5, 0.2f);
}

void Line(const View& v, float ax, float ay, float bx, float by, float half, const RGBA& c) {
    v.Fill(std::min(ax, bx) - half, std::min(ay, by) - half, std::max(ax, bx) + half, std::max(ay, by) + half,
           [=](float x, float y) { return SdSegment(x, y, ax, ay, bx, by, half); }, c);
}

const RGBA kInk = Hex(0x2B2238);
const RGBA kWhite = Hex(0xFFFFFF);

// Two friendly eyes: a dark pupil with a light catch toward the top left.
void Eyes(const View& v, float cy, float spread, float size) {
    for (float side : {-1.0f, 1.0f}) {
        const float cx = 100 + side * spread;
        Flat(v, cx, cy, size, size * 1.15f, kInk);
        Flat(v, cx - size * 0.35f, cy - size * 0.4f, size * 0.35f, size * 0.35f, kWhite);
    }
}

// A small smile below the nose: two little arcs that meet under it.
void Smile(const View& v, float cy, float width) {
    const float r = width / 4;
    for (float side : {-1.0f, 1.0f}) {
        const float cx = 100 + side * r;
        auto arc = [=](float x, float y) {
            const float ring = std::abs(SdCircle(x, y, cx, cy - 4, r)) - 1.6f;
            return y < cy - 4 ? std::max(ring, (cy - 4) - y) : ring;   // the lower half only
        };
        v.Fill(cx - r - 3, cy - 6, cx + r + 3, cy + r, arc, kInk);
    }
}

void Cheeks(const View& v, float cy, float spread) {
    for (float side : {-1.0f, 1.0f}) Flat(v, 100 + side * spread, cy, 11, 7, Hex(0xFF8A80, 0.55f));
}

void Cat(const View& v) {
    const RGBA fur = Hex(0xFFA040);
    Triangle(v, 50, 78, 62, 30, 90, 62, fur);
    Triangle(v, 150, 78, 138, 30, 110, 62, fur);
    Triangle(v, 60, 70, 65, 44, 84, 62, Hex(0xFFCDD2), 2);
    Triangle(v, 140, 70, 135, 44, 116, 62, Hex(0xFFCDD2), 2);
    Oval(v, 100, 108, 58, 50, fur, 7);
    Eyes(v, 98, 22, 8);
    Triangle(v, 93, 116, 107, 116, 100, 124, Hex(0xE57373), 2);
    Smile(v, 130, 18);
    for (float side : {-1.0f, 1.0f})
        for (float dy : {-5.0f, 5.0f}) Line(v, 100 + side * 22, 122 + dy, 100 + side * 56, 116 + dy * 2, 1.4f, kInk);
}

void Dog(const View& v) {
    const RGBA fur = Hex(0xC8A27A);
    Oval(v, 100, 104, 54, 52, fur, 7);
    Oval(v, 50, 100, 16, 38, Hex(0x7B5538));
    Oval(v, 150, 100, 16, 38, Hex(0x7B5538));
    Flat(v, 122, 86, 18, 16, Hex(0x7B5538, 0.9f));   // a patch round one eye
    Oval(v, 100, 128, 28, 20, Hex(0xF2E3CF), 4, 0.1f);
    Eyes(v, 90, 22, 8);
    Oval(v, 100, 118, 11, 8, kInk, 3, 0);
    Smile(v, 138, 16);
    Oval(v, 100, 148, 7, 7, Hex(0xEF5350), 2, 0);   // the tongue
}

void Bear(const View& v) {
    const RGBA fur = Hex(0x8D5A3B);
    Oval(v, 58, 58, 20, 20, fur);
    Oval(v, 142, 58, 20, 20, fur);
    Flat(v, 58, 58, 10, 10, Hex(0xD7A77F));
    Flat(v, 142, 58, 10, 10, Hex(0xD7A77F));
    Oval(v, 100, 106, 58, 54, fur, 7);
    Oval(v, 100, 126, 26, 20, Hex(0xE3BE98), 4, 0.1f);
    Eyes(v, 94, 24, 8);
    Oval(v, 100, 118, 10, 7, kInk, 3, 0);
    Smile(v, 136, 14);
}

void Rabbit(const View& v) {
    const RGBA fur = Hex(0xECEFF1);
    Oval(v, 78, 46, 13, 38, fur);
    Oval(v, 122, 46, 13, 38, fur);
    Flat(v, 78, 48, 6, 28, Hex(0xF8BBD0));
    Flat(v, 122, 48, 6, 28, Hex(0xF8BBD0));
    Oval(v, 100, 118, 50, 44, fur, 7);
    Eyes(v, 110, 20, 7);
    Oval(v, 100, 128, 7, 5, Hex(0xEC407A), 2, 0);
    Smile(v, 140, 12);
    Cheeks(v, 134, 30);
}

void Fox(const View& v) {
    const RGBA fur = Hex(0xF4511E);
    Triangle(v, 48, 74, 56, 26, 88, 60, fur);
    Triangle(v, 152, 74, 144, 26, 112, 60, fur);
    auto head = [](float x, float y) {
        return std::min(SdEllipse(x, y, 100, 96, 56, 40), SdTriangle(x, y, 48, 100, 152, 100, 100, 150) - 6);
    };
    ToyShape(v, 40, 54, 160, 158, head, fur, 7, 0.25f);
    auto chin = [](float x, float y) { return SdTriangle(x, y, 62, 106, 138, 106, 100, 148) - 4; };
    v.Fill(56, 100, 144, 154, chin, Hex(0xFFF3E0));
    Eyes(v, 94, 22, 7);
    Oval(v, 100, 142, 8, 6, kInk, 3, 0);
}

void Pig(const View& v) {
    const RGBA skin = Hex(0xF8A5C2);
    Triangle(v, 54, 70, 60, 36, 86, 58, Hex(0xF48FB1));
    Triangle(v, 146, 70, 140, 36, 114, 58, Hex(0xF48FB1));
    Oval(v, 100, 106, 58, 52, skin, 7);
    Eyes(v, 90, 26, 7);
    Oval(v, 100, 124, 24, 17, Hex(0xF06292), 5, 0.15f);
    Flat(v, 92, 124, 4, 6, Hex(0x8E2450));
    Flat(v, 108, 124, 4, 6, Hex(0x8E2450));
    Smile(v, 148, 14);
}

void Owl(const View& v) {
    const RGBA feathers = Hex(0x8D6E63);
    Triangle(v, 52, 60, 58, 30, 80, 54, feathers);
    Triangle(v, 148, 60, 142, 30, 120, 54, feathers);
    Oval(v, 100, 108, 56, 56, feathers, 7);
    Oval(v, 100, 134, 32, 24, Hex(0xD7CCC8), 4, 0.1f);
    for (float side : {-1.0f, 1.0f}) {
        Oval(v, 100 + side * 24, 94, 22, 22, Hex(0xFFF8E1), 4, 0.1f);
        Flat(v, 100 + side * 24, 94, 11, 11, kInk);
        Flat(v, 100 + side * 24 - 4, 90, 4, 4, kWhite);
    }
    Triangle(v, 92, 112, 108, 112, 100, 126, Hex(0xFFB300), 2);
}

void Frog(const View& v) {
    const RGBA skin = Hex(0x66BB6A);
    Oval(v, 70, 66, 24, 22, skin);
    Oval(v, 130, 66, 24, 22, skin);
    Oval(v, 100, 116, 60, 44, skin, 7);
    for (float side : {-1.0f, 1.0f}) {
        Flat(v, 100 + side * 30, 64, 14, 14, kWhite);
        Flat(v, 100 + side * 30, 66, 8, 9, kInk);
    }
    Line(v, 66, 124, 100, 136, 3, kInk);
    Line(v, 134, 124, 100, 136, 3, kInk);
    Cheeks(v, 118, 40);
}

void Mouse(const View& v) {
    const RGBA fur = Hex(0x9EA7B3);
    Oval(v, 56, 62, 32, 32, fur);
    Oval(v, 144, 62, 32, 32, fur);
    Flat(v, 56, 62, 20, 20, Hex(0xF8BBD0));
    Flat(v, 144, 62, 20, 20, Hex(0xF8BBD0));
    auto head = [](float x, float y) { return SdEllipse(x, y, 100, 112, 46, 46); };
    ToyShape(v, 54, 66, 146, 158, head, fur, 7, 0.25f);
    Eyes(v, 104, 18, 7);
    Oval(v, 100, 132, 8, 7, Hex(0xEC407A), 2, 0);
    for (float side : {-1.0f, 1.0f}) Line(v, 100 + side * 14, 134, 100 + side * 50, 128, 1.4f, kInk);
}

void Lion(const View& v) {
    for (int k = 0; k < 14; ++k) {
        const float a = float(k) * 6.2831853f / 14.0f;
        Oval(v, 100 + std::cos(a) * 54, 104 + std::sin(a) * 54, 22, 22, Hex(0xB5651D), 4, 0.15f);
    }
    Oval(v, 100, 104, 52, 50, Hex(0xFFC447), 7);
    Eyes(v, 94, 20, 7);
    Oval(v, 100, 124, 22, 16, Hex(0xFFE6A8), 4, 0.05f);
    Triangle(v, 92, 114, 108, 114, 100, 122, Hex(0x6D3B1A), 2);
    Smile(v, 134, 16);
}

void Panda(const View& v) {
    Oval(v, 58, 58, 20, 20, kInk);
    Oval(v, 142, 58, 20, 20, kInk);
    Oval(v, 100, 106, 58, 52, Hex(0xFAFAFA), 7);
    for (float side : {-1.0f, 1.0f}) {
        auto patch = [side](float x, float y) {
            const float cx = 100 + side * 24, cy = 98;
            const float rx = x - cx, ry = y - cy;
            const float c = std::cos(0.5f * side), s = std::sin(0.5f * side);
            return SdEllipse(c * rx + s * ry, -s * rx + c * ry, 0, 0, 14, 19);
        };
        v.Fill(60, 70, 140, 126, patch, kInk);
        Flat(v, 100 + side * 22, 96, 5, 5, kWhite);
    }
    Oval(v, 100, 122, 9, 6, kInk, 3, 0);
    Smile(v, 138, 14);
}

void Chick(const View& v) {
    const RGBA down = Hex(0xFFE14D);
    Oval(v, 100, 40, 8, 14, down);
    Oval(v, 100, 108, 56, 56, down, 7);
    Eyes(v, 96, 22, 8);
    Triangle(v, 86, 114, 114, 114, 100, 132, Hex(0xFF8F00), 3);
    Cheeks(v, 118, 38);
}

void (*const kAnimals[AnimalCount])(const View&) = {Cat, Dog, Bear, Rabbit, Fox, Pig,
                                                    Owl, Frog, Mouse, Lion, Panda, Chick};

// Medallion colours: light and dark in turn as well as different hues.
const uint32_t kMedallions[AnimalCount] = {0x4FC3F7, 0xAED581, 0xFFF176, 0xBA68C8, 0x81D4FA, 0x4DB6AC,
                                           0xFFCC80, 0xF48FB1, 0xFFD54F, 0x7986CB, 0xA5D6A7, 0x64B5F6};

void Medallion(const View& v, const RGBA& colour) {
    auto disc = [](float x, float y) { return SdCircle(x, y, 100, 100, 92); };
    ToyShape(v, 6, 6, 194, 194, disc, colour, 9, 0.3f);
    v.Fill(14, 14, 186, 186, [](float x, float y) { return std::abs(SdCircle(x, y, 100, 100, 80)) - 1.5f; },
           Hex(0xFFFFFF, 0.35f));
}

View CellView(Canvas& sheet, int index) {
    const int x = (index % AnimalColumns) * Cell, y = (index / AnimalColumns) * Cell;
    return View{sheet, float(x), float(y), x, y, x + Cell, y + Cell};
}

}  // namespace

void WriteAnimalSheet(const std::string& out) {
    Canvas sheet(1024, 1024);
    for (int k = 0; k < AnimalCount; ++k) {
        const View v = CellView(sheet, k);
        Medallion(v, Hex(kMedallions[k]));
        kAnimals[k](v);
    }
    // The "add a child" tile: a plain medallion with a big plus.
    const View plus = CellView(sheet, AnimalCount);
    Medallion(plus, Hex(0xE0E0E0));
    ToyBlock(plus, 88, 46, 112, 154, 8, Hex(0x43A047), 6, 0.25f);
    ToyBlock(plus, 46, 88, 154, 112, 8, Hex(0x43A047), 6, 0.25f);
    const std::string path = out + "/" + std::string(kSurfaceFiles[6]).substr(2);
    if (!sheet.SavePng(path)) throw std::runtime_error("cannot write " + path);
}

}  // namespace gen
