#pragma once
// Building a box 2 picture through the real mouse path: every sample figure, layer by layer,
// is dragged from the palette to its cell of the build field. Kept apart from the box 2
// board's names, which box 1's tests share.
#include "game_driver.h"

namespace box2mouse {

// Every sample origin dragged onto its cell; fails the test where a figure is missing.
void BuildThePicture(GameDriver& game);

}  // namespace box2mouse
