// The "show me" pictures: a warm halo made of the figure's own picture, see-through copies
// and the hand from the main sheet. A handful of sprites, whatever the step.
#include "render/hint_draw.h"

#include "render/hint_art.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kGlowRgb = 0x00FFC928;     // warm yellow
constexpr uint32_t kGhost = 0x88FFFFFF;
constexpr uint32_t kCarried = 0xB0FFFFFF;
constexpr uint32_t kHand = 0xD8FFFFFF;
constexpr int kGlowReach = 3;

void DrawFigure(const HintView& v, int x, int y, uint32_t colour) {
    DrawSheet(v.sheet, v.srcLeft, v.srcTop, v.srcRight, v.srcBottom, x, y, colour);
}

// The figure's picture tinted and shifted round itself gives a halo that follows its shape.
void DrawGlow(const HintView& v) {
    const uint32_t glow = (v.glowAlpha & 0xFF) << 24 | kGlowRgb;
    constexpr int offsets[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (const auto& o : offsets) DrawFigure(v, v.fromX + o[0] * kGlowReach, v.fromY + o[1] * kGlowReach, glow);
    DrawFigure(v, v.fromX, v.fromY, kWhite);
}

// The hand's fingertip rests near the top-left of the copy it carries, as a child grabs it.
void DrawHand(int figureX, int figureY) {
    const int x = figureX + 10 - HandTipX, y = figureY + 10 - HandTipY;
    DrawSheet(SurfaceMain, HandSheetX, HandSheetY, HandSheetX + HandSize, HandSheetY + HandSize, x, y, kHand);
}

}  // namespace

void DrawHint(const HintView& v) {
    if (v.step <= 0) return;
    DrawGlow(v);
    if (v.step >= 2) DrawFigure(v, v.toX, v.toY, kGhost);
    if (v.step >= 3) {
        DrawFigure(v, v.ghostX, v.ghostY, kCarried);
        DrawHand(v.ghostX, v.ghostY);
    }
}

void DrawHintButton(bool hot) {
    const int left = HintSheetLeft(hot);
    DrawSheet(SurfaceMain, left, HintSheetY, left + HintButtonSize, HintSheetY + HintButtonSize, HintButtonX, HintButtonY,
              kWhite);
}
