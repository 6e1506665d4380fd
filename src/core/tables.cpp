// The constant tables filled once at start-up.
#include "core/tables.h"

#include "core/game_state.h"

std::array<Box1Figure, Box1FigureCount + 1> g_box1Figures{};
std::array<Box2Figure, Box2FigureCount + 1> g_box2Figures{};
plat::Matrix g_identity;

namespace {

struct SmallShape {
    int layer;
    int columns[2][2];   // [column][row]
};

// Groups of six 32-pixel figures, ids 1..84.
constexpr SmallShape kSmallShapes[14] = {
    {1, {{1, 1}, {1, 1}}},     {3, {{0, 3}, {2, 1}}},     {3, {{4, 1}, {0, 5}}},
    {1, {{1, 7}, {6, 0}}},     {1, {{8, 0}, {1, 9}}},     {1, {{10, 12}, {11, 1}}},
    {1, {{13, 1}, {14, 15}}},  {1, {{1, 17}, {16, 18}}},  {1, {{19, 20}, {1, 21}}},
    {1, {{22, 24}, {23, 25}}}, {3, {{26, 28}, {27, 29}}}, {3, {{30, 32}, {31, 33}}},
    {1, {{34, 36}, {35, 37}}}, {1, {{38, 40}, {39, 41}}},
};

struct LargeShape {
    int layer;
    int columns[4][4];   // [column][row]
};

// Groups of six 64-pixel figures, ids 85..162.
constexpr LargeShape kLargeShapes[13] = {
    {3, {{0, 45, 47, 50}, {42, 46, 1, 1}, {43, 1, 48, 51}, {44, 1, 49, 0}}},
    {3, {{52, 1, 57, 0}, {53, 1, 58, 60}, {54, 55, 1, 1}, {0, 56, 59, 61}}},
    {3, {{0, 64, 1, 69}, {62, 65, 1, 70}, {1, 1, 67, 71}, {63, 66, 68, 0}}},
    {3, {{72, 74, 77, 0}, {1, 1, 78, 79}, {73, 75, 1, 80}, {0, 76, 1, 81}}},
    {2, {{1, 85, 87, 88}, {82, 86, 0, 0}, {83, 0, 0, 0}, {84, 0, 0, 0}}},
    {2, {{89, 0, 0, 0}, {90, 0, 0, 0}, {91, 92, 0, 0}, {1, 93, 94, 95}}},
    {2, {{0, 0, 0, 100}, {0, 0, 0, 101}, {0, 0, 98, 102}, {96, 97, 99, 1}}},
    {2, {{103, 104, 105, 1}, {0, 0, 106, 107}, {0, 0, 0, 108}, {0, 0, 0, 109}}},
    {1, {{110, 114, 116, 118}, {111, 1, 1, 119}, {112, 1, 1, 120}, {113, 115, 117, 121}}},
    {1, {{0, 0, 126, 128}, {122, 124, 1, 1}, {123, 125, 1, 1}, {0, 0, 127, 129}}},
    {1, {{130, 1, 1, 136}, {131, 1, 1, 137}, {0, 132, 134, 0}, {0, 133, 135, 0}}},
    {1, {{138, 140, 0, 0}, {1, 1, 142, 144}, {1, 1, 143, 145}, {139, 141, 0, 0}}},
    {1, {{0, 148, 150, 0}, {0, 149, 151, 0}, {146, 1, 1, 152}, {147, 1, 1, 153}}},
};

Box1Figure MakeBox1(int x1, int y1, int width, int height) {
    return Box1Figure{x1, x1 + width, y1, y1 + height, width, height};
}

PixelRect MakeRect(int x1, int y1, int size) { return PixelRect{x1, x1 + size, y1, y1 + size}; }

void FillBox1() {
    g_box1Figures[0] = Box1Figure{};
    for (int n = 1; n <= 12; ++n) g_box1Figures[n] = MakeBox1(64 * ((n - 1) % 4), 64 * ((n - 1) / 4), 64, 64);
    for (int n = 13; n <= 20; ++n)
        g_box1Figures[n] = MakeBox1(128 * ((n - 13) % 2), 192 + 64 * ((n - 13) / 2), 128, 64);
    for (int n = 21; n <= 28; ++n)
        g_box1Figures[n] = MakeBox1(64 * ((n - 21) % 4), 448 + 128 * ((n - 21) / 4), 64, 128);
}

void FillBox2() {
    g_box2Figures[0] = Box2Figure{};
    for (int n = 1; n <= 84; ++n) {
        const int g = (n - 1) / 6, k = n - 1;
        Box2Figure f{};
        f.maskRect = MakeRect(32 * (g % 2), 32 * (g / 2), 32);
        f.spriteRect = MakeRect(32 * (k % 16), 32 * (k / 16), 32);
        f.width = f.height = 32;
        f.layer = kSmallShapes[g].layer;
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 2; ++r) f.cellValues[c][r] = kSmallShapes[g].columns[c][r];
        g_box2Figures[n] = f;
    }
    for (int n = 85; n <= 162; ++n) {
        const int h = (n - 85) / 6, k = n - 85;
        Box2Figure f{};
        f.maskRect = MakeRect(0, 224 + 64 * h, 64);
        f.spriteRect = MakeRect(64 * (k % 8), 192 + 64 * (k / 8), 64);
        f.width = f.height = 64;
        f.layer = kLargeShapes[h].layer;
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r) f.cellValues[c][r] = kLargeShapes[h].columns[c][r];
        g_box2Figures[n] = f;
    }
}

}  // namespace

void FillFigureTables() {
    FillBox1();
    FillBox2();
}
