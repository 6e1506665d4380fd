#pragma once
// Constant tables filled once at start-up: figure pictures and shapes, star start values.
#include <array>
#include <cstdint>

#include "platform/matrix.h"

struct Box1Figure {
    int32_t x1, x2, y1, y2;
    int32_t width, height;
};

struct PixelRect {
    int32_t x1, x2, y1, y2;
};

struct Box2Figure {
    PixelRect maskRect;
    PixelRect spriteRect;
    int32_t width, height;
    int32_t layer;
    int32_t cellValues[4][5];   // [column][row]; row 4 is never read
};

constexpr int Box1FigureCount = 28;
constexpr int Box2FigureCount = 162;

// Index 0 is no figure.
extern std::array<Box1Figure, Box1FigureCount + 1> g_box1Figures;
extern std::array<Box2Figure, Box2FigureCount + 1> g_box2Figures;
extern plat::Matrix g_identity;

// The figure tables (start-up calls it); usable by tools and tests.
void FillFigureTables();
