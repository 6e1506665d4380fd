#pragma once
// The 27 box 2 shapes, one description each. The mask and the figure pictures are both
// drawn from these, so what a child sees is exactly what collides.
#include "platform/image.h"

namespace gen {

constexpr int Box2GroupCount = 27;

// Signed distance (negative inside) of group g's shape at local point (x, y) of its square.
float Box2ShapeDistance(int group, float x, float y);
// Whether local pixel (px, py) of group g belongs to the shape (pixel centre inside).
bool Box2ShapePixel(int group, int px, int py);
// Group of a figure id (0..26) and the first id of a group.
int Box2GroupOf(int figure);
int Box2FirstId(int group);
// The mask picture (64 x 1056, 0xFF0000FF on shape pixels, 0 elsewhere) at the figure
// table's mask rectangles. Needs the figure tables filled. Checks every shape against its
// cell values and throws std::runtime_error when a 0 cell holds a pixel or another is empty.
plat::Image Box2MaskImage();

}  // namespace gen
