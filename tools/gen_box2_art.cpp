// The box 2 shape mask and figure sheet, both from the shape descriptions.
// Six colours per shape: red, orange, yellow, green, blue, violet. Besides hue they differ
// in lightness and each carries its own faint pattern, so they stay tellable apart for
// children who see colours differently.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "core/tables.h"
#include "gen_box2_shapes.h"
#include "generators.h"

namespace gen {
namespace {

constexpr int SheetWidth = 512;
constexpr int SheetHeight = 1024;

const uint32_t kColours[6] = {0xC8323C, 0xF08A24, 0xFFDD45, 0x58B368, 0x2F6FD0, 0x8A4FC4};

// A faint pattern per colour: none, stripes, none, dots, checks, diagonals.
float Pattern(int colour, int x, int y) {
    switch (colour) {
    case 1: return (y % 6) < 2 ? 0.08f : 0.0f;
    case 3: return ((x % 6) == 2 && (y % 6) == 2) ? -0.18f : 0.0f;
    case 4: return (((x / 4) + (y / 4)) % 2) ? 0.06f : 0.0f;
    case 5: return ((x + y) % 7) < 2 ? 0.10f : 0.0f;
    default: return 0.0f;
    }
}

RGBA FigurePixel(int group, int colour, int px, int py) {
    const float cx = px + 0.5f, cy = py + 0.5f;
    const float d = Box2ShapeDistance(group, cx, cy);
    if (d >= 0) return RGBA{};   // outside the shape: fully transparent, exactly as the mask
    const float e = 0.5f;
    const float nx = Box2ShapeDistance(group, cx + e, cy) - Box2ShapeDistance(group, cx - e, cy);
    const float ny = Box2ShapeDistance(group, cx, cy + e) - Box2ShapeDistance(group, cx, cy - e);
    const float len = std::hypot(nx, ny);
    // Light from the top left: edges facing it are lit, edges facing away are shaded.
    const float facing = len > 0 ? (-nx - ny) / (len * 1.41421356f) : 0.0f;
    const float depth = -d;
    RGBA c = Hex(kColours[colour]);
    c = Shade(c, Pattern(colour, px, py));
    c = Shade(c, 0.10f - 0.18f * (px + py) / 128.0f);                       // soft overall gradient
    if (depth < 3.5f) c = Shade(c, facing * 0.45f * (1.0f - depth / 3.5f));  // bevel
    if (depth < 1.2f) c = Shade(c, -0.35f);                                  // crisp outline
    c.a = std::clamp(0.5f + depth, 0.0f, 1.0f);                              // edge smoothing inside the mask only
    return c;
}

}  // namespace

void WriteBox2Art(const std::string& out) {
    FillFigureTables();
    const plat::Image mask = Box2MaskImage();
    Canvas maskCanvas(mask.width, mask.height);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask.pixels[static_cast<size_t>(y) * mask.width + x]) maskCanvas.at(x, y) = RGBA{0, 0, 1, 1};
    if (!maskCanvas.SaveDds(out + "/textures/detals_02_mask.dds"))
        throw std::runtime_error("cannot write " + out + "/textures/detals_02_mask.dds");

    Canvas sheet(SheetWidth, SheetHeight);
    for (int id = 1; id <= Box2FigureCount; ++id) {
        const Box2Figure& fig = g_box2Figures[id];
        const PixelRect& r = fig.spriteRect;
        if (r.x1 < 0 || r.y1 < 0 || r.x2 > SheetWidth || r.y2 > SheetHeight)
            throw std::runtime_error("box 2 figure " + std::to_string(id) + ": picture outside the sheet");
        const int group = Box2GroupOf(id);
        const int colour = (id - 1) % 6;
        for (int py = 0; py < r.y2 - r.y1; ++py)
            for (int px = 0; px < r.x2 - r.x1; ++px) sheet.at(r.x1 + px, r.y1 + py) = FigurePixel(group, colour, px, py);
    }
    const std::string sheetPath = out + "/" + std::string(kSurfaceFiles[4]).substr(2);
    if (!sheet.SavePng(sheetPath)) throw std::runtime_error("cannot write " + sheetPath);
}

}  // namespace gen
