// One description per box 2 shape group, following the figure table's cell values: a cell
// with value 0 holds no shape pixel, every other cell holds some.
#include "gen_box2_shapes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "core/tables.h"
#include "canvas.h"

namespace gen {
namespace {

constexpr float kRoot2 = 1.41421356f;

float Union(float a, float b) { return std::min(a, b); }
float Cut(float a, float b) { return std::max(a, -b); }

float Small(int g, float x, float y) {
    switch (g) {
    case 0: return SdBox(x, y, 0, 0, 32, 32, 3);                                        // block
    case 1: return SdTriangle(x, y, 32, 0, 32, 32, 0, 32);                              // roof, left slope
    case 2: return SdTriangle(x, y, 0, 0, 32, 32, 0, 32);                               // roof, right slope
    case 3: return SdTriangle(x, y, 0, 0, 32, 0, 0, 32);                                // hull, right end
    case 4: return SdTriangle(x, y, 0, 0, 32, 0, 32, 32);                               // hull, left end
    case 5: return Union(SdBox(x, y, 0, 16, 32, 32), SdCircle(x, y, 16, 16, 16));       // dome
    case 6: return SdCircle(x, y, 16, 16, 15.5f);                                       // ball
    case 7: return SdPolygon(x, y, {16, 0, 32, 16, 16, 32, 0, 16});                     // diamond
    case 8: return Cut(SdBox(x, y, 0, 0, 32, 32, 2), SdCircle(x, y, 16, 32, 9));        // arch
    case 9: return Union(SdBox(x, y, 10, 0, 22, 32, 2), SdBox(x, y, 0, 10, 32, 22, 2)); // cross
    case 10: return Cut(SdCircle(x, y, 16, 16, 13), SdCircle(x, y, 16, 16, 3));         // wheel with axle hole
    case 11: return SdBox(x, y, 5, 5, 27, 27, 3);                                       // window
    case 12: return std::max(SdCircle(x, y, 0, 32, 32), SdBox(x, y, 0, 0, 32, 32));     // quarter disc
    default: return std::max(SdCircle(x, y, 32, 32, 32), SdBox(x, y, 0, 0, 32, 32));    // quarter disc, mirrored
    }
}

float Large(int g, float x, float y) {
    const float square = SdBox(x, y, 0, 0, 64, 64);
    switch (g) {
    case 14: return std::max(square, std::fabs(x + y - 64) / kRoot2 - 15);              // beam "/"
    case 15: return std::max(square, std::fabs(x - y) / kRoot2 - 15);                   // beam "\"
    case 16: return SdSegment(x, y, 10, 54, 54, 10, 14);                                // rod "/"
    case 17: return SdSegment(x, y, 10, 10, 54, 54, 14);                                // rod "\"
    case 18:                                                                            // frame corner, top left
        return Union(Union(SdBox(x, y, 0, 0, 64, 16), SdBox(x, y, 0, 0, 16, 64)), SdTriangle(x, y, 16, 16, 27, 16, 16, 27));
    case 19:                                                                            // frame corner, top right
        return Union(Union(SdBox(x, y, 0, 0, 64, 16), SdBox(x, y, 48, 0, 64, 64)), SdTriangle(x, y, 48, 16, 37, 16, 48, 27));
    case 20:                                                                            // frame corner, bottom right
        return Union(Union(SdBox(x, y, 0, 48, 64, 64), SdBox(x, y, 48, 0, 64, 64)), SdTriangle(x, y, 48, 48, 37, 48, 48, 37));
    case 21:                                                                            // frame corner, bottom left
        return Union(Union(SdBox(x, y, 0, 0, 16, 64), SdBox(x, y, 0, 48, 64, 64)), SdTriangle(x, y, 16, 48, 27, 48, 16, 37));
    case 22: return Cut(SdBox(x, y, 0, 0, 64, 64, 3), SdBox(x, y, 20, 20, 44, 44, 2));  // wall with a window hole
    case 23:                                                                            // tower: base, body, pointed top
        return Union(Union(SdBox(x, y, 0, 32, 64, 64, 2), SdBox(x, y, 16, 14, 48, 33)), SdTriangle(x, y, 16, 16, 48, 16, 32, 0));
    case 24:                                                                            // coupler with a round knob
        return Union(Union(SdBox(x, y, 0, 0, 32, 64, 2), SdBox(x, y, 30, 27, 42, 37)), SdCircle(x, y, 48, 32, 8));
    case 25: {                                                                          // car body with wheel arches
        const float body = Union(SdBox(x, y, 0, 12, 64, 32, 4), SdPolygon(x, y, {12, 13, 20, 0, 46, 0, 54, 13}));
        const float skirt = SdBox(x, y, 16, 31, 48, 64);
        return Cut(Cut(Union(body, skirt), SdCircle(x, y, 16, 48, 15)), SdCircle(x, y, 48, 48, 15));
    }
    default: {                                                                          // coupler with a round socket
        const float knob = Union(SdBox(x, y, -2, 27, 10, 37), SdCircle(x, y, 16, 32, 8));
        return Union(SdBox(x, y, 32, 0, 64, 64, 2), Cut(SdBox(x, y, 0, 16, 34, 48), knob - 2));
    }
    }
}

}  // namespace

float Box2ShapeDistance(int group, float x, float y) { return group < 14 ? Small(group, x, y) : Large(group, x, y); }

bool Box2ShapePixel(int group, int px, int py) { return Box2ShapeDistance(group, px + 0.5f, py + 0.5f) < 0; }

int Box2GroupOf(int figure) { return (figure - 1) / 6; }

int Box2FirstId(int group) { return group * 6 + 1; }

plat::Image Box2MaskImage() {
    plat::Image mask;
    mask.width = 64;
    mask.height = 1056;
    mask.pixels.assign(static_cast<size_t>(mask.width) * mask.height, 0u);
    for (int g = 0; g < Box2GroupCount; ++g) {
        const Box2Figure& fig = g_box2Figures[Box2FirstId(g)];
        const PixelRect& r = fig.maskRect;
        const int size = r.x2 - r.x1;
        if (size != fig.width || r.y2 - r.y1 != fig.height || r.x1 < 0 || r.x2 > mask.width || r.y1 < 0 || r.y2 > mask.height)
            throw std::runtime_error("box 2 figure table: mask rectangle of group " + std::to_string(g) + " does not fit");
        int cellPixels[4][4] = {};
        for (int py = 0; py < size; ++py)
            for (int px = 0; px < size; ++px)
                if (Box2ShapePixel(g, px, py)) {
                    mask.pixels[static_cast<size_t>(r.y1 + py) * mask.width + r.x1 + px] = 0xFF0000FFu;
                    ++cellPixels[px / 16][py / 16];
                }
        for (int c = 0; c < size / 16; ++c)
            for (int row = 0; row < size / 16; ++row) {
                const bool empty = cellPixels[c][row] == 0;
                if (empty != (fig.cellValues[c][row] == 0))
                    throw std::runtime_error("box 2 shape of group " + std::to_string(g) + ": cell (" + std::to_string(c) +
                                             ", " + std::to_string(row) + ") disagrees with its cell value");
            }
    }
    return mask;
}

}  // namespace gen
