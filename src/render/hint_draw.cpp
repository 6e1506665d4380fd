// The "show me" pictures: a warm halo, see-through copies of the figure and the hand from
// the main sheet. A dozen sprites, whatever the step.
#include "render/hint_draw.h"

#include "platform/matrix.h"
#include "platform/sprite.h"
#include "render/graphics.h"
#include "render/hint_art.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kGlowRgb = 0x00FF9800;     // warm orange: reads round yellow figures too
constexpr uint32_t kGhost = 0x88FFFFFF;
constexpr uint32_t kCarried = 0xB0FFFFFF;
constexpr uint32_t kHand = 0xD8FFFFFF;

void DrawFigure(const HintView& v, int x, int y, uint32_t colour) {
    DrawSheet(v.sheet, v.srcLeft, v.srcTop, v.srcRight, v.srcBottom, x, y, colour);
}

// A piece of the main sheet stretched over (x, y, w, h): the batch's transform does it.
void DrawStretched(int left, int top, int right, int bottom, int x, int y, int w, int h, uint32_t colour) {
    if (!g_sprite || w <= 0 || h <= 0) return;
    const plat::Matrix kept = g_sprite->GetTransform();
    const plat::Matrix place = plat::MatrixMultiply(plat::MatrixScaling(float(w) / float(right - left), float(h) / float(bottom - top), 1),
                                                    plat::MatrixTranslation(float(x), float(y), 0));
    g_sprite->SetTransform(plat::MatrixMultiply(place, kept));
    DrawSheet(SurfaceMain, left, top, right, bottom, 0, 0, colour);
    g_sprite->SetTransform(kept);
}

// A warm halo round the figure's rectangle: the glow picture's corners, and its edges
// stretched along the figure's sides. The figure itself stays as the board draws it.
void DrawGlow(const HintView& v) {
    const uint32_t colour = (v.glowAlpha & 0xFF) << 24 | kGlowRgb;
    const int w = v.srcRight - v.srcLeft, h = v.srcBottom - v.srcTop, m = GlowMargin;
    const int gx = GlowSheetX, gy = GlowSheetY;
    const int left = v.fromX - m, top = v.fromY - m, right = v.fromX + w, bottom = v.fromY + h;
    DrawSheet(SurfaceMain, gx, gy, gx + m, gy + m, left, top, colour);
    DrawSheet(SurfaceMain, gx + 2 * m, gy, gx + 3 * m, gy + m, right, top, colour);
    DrawSheet(SurfaceMain, gx, gy + 2 * m, gx + m, gy + 3 * m, left, bottom, colour);
    DrawSheet(SurfaceMain, gx + 2 * m, gy + 2 * m, gx + 3 * m, gy + 3 * m, right, bottom, colour);
    DrawStretched(gx + m, gy, gx + 2 * m, gy + m, v.fromX, top, w, m, colour);
    DrawStretched(gx + m, gy + 2 * m, gx + 2 * m, gy + 3 * m, v.fromX, bottom, w, m, colour);
    DrawStretched(gx, gy + m, gx + m, gy + 2 * m, left, v.fromY, m, h, colour);
    DrawStretched(gx + 2 * m, gy + m, gx + 3 * m, gy + 2 * m, right, v.fromY, m, h, colour);
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
