#pragma once
// Where the "show me" pictures lie: the hint button in the top row of both box screens and
// the ghost hand, both on the main sheet. The generator draws them from these same numbers.

// The button on the screen (virtual units) and its size; its zone is a little larger so a
// small hand hits it (64 units each way, bounds excluded), between the hint line's strip (to
// x 896) and the restart zone (from x 968).
constexpr int HintButtonX = 914;
constexpr int HintButtonY = 4;
constexpr int HintButtonSize = 44;
constexpr int HintZoneLeft = 903, HintZoneRight = 968, HintZoneTop = -1, HintZoneBottom = 66;

// The button's pictures on the main sheet, unlit then lit, side by side.
constexpr int HintSheetX = 1280;
constexpr int HintSheetY = 930;
constexpr int HintSheetLeft(bool lit) { return HintSheetX + (lit ? HintButtonSize : 0); }

// The pointing hand, its fingertip at (HandTipX, HandTipY) of the picture.
constexpr int HandSheetX = 1380;
constexpr int HandSheetY = 928;
constexpr int HandSize = 48;
constexpr int HandTipX = 14;
constexpr int HandTipY = 4;

// The glow: a white halo round a square hole; the game stretches its edges round a figure
// (corners as they are, edges along the figure) and tints it.
constexpr int GlowSheetX = 1440;
constexpr int GlowSheetY = 870;
constexpr int GlowMargin = 16;                  // how far the halo reaches outside the figure
constexpr int GlowSize = 3 * GlowMargin;        // corner, middle, corner
