#pragma once
// Draws the "show me" help the game decided on: the glow, the ghost at the figure's place,
// the ghost hand carrying a copy, and the hint button of the top row.
#include <cstdint>

struct HintView {
    int32_t step = 0;                   // 0 draws nothing
    int32_t sheet = 0;                  // catalogue entry of the figure pictures
    int32_t srcLeft = 0, srcTop = 0, srcRight = 0, srcBottom = 0;
    int32_t fromX = 0, fromY = 0;       // where the figure lies (top-left pixel)
    int32_t toX = 0, toY = 0;           // where it belongs
    int32_t ghostX = 0, ghostY = 0;     // step 3: the carried copy
    uint32_t glowAlpha = 0;
};

void DrawHint(const HintView& view);
// The lamp button, lit while the pointer is over it.
void DrawHintButton(bool hot);
