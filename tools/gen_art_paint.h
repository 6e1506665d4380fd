#pragma once
// Drawing helpers for the screen pictures: a view that places screen coordinates on a
// sheet, bevelled toy shapes lit from the top left, glows, sparkles and lettering.
#include <functional>
#include <string>

#include "canvas.h"

namespace gen {

// Draws in screen (virtual) coordinates onto a sheet: sheet = screen + (dx, dy),
// clipped to the sheet rectangle (x0, y0)-(x1, y1).
struct View {
    Canvas& c;
    float dx = 0, dy = 0;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    // Composites paint where sdf < 0; (bx0, by0)-(bx1, by1) bounds the shape on the screen.
    void Fill(float bx0, float by0, float bx1, float by1, const Sdf& sdf, const Paint& paint) const;
    void Fill(float bx0, float by0, float bx1, float by1, const Sdf& sdf, const RGBA& colour) const;
    void Shadow(float bx0, float by0, float bx1, float by1, const Sdf& sdf, float ox, float oy, float soft,
                float opacity) const;
};

// A view whose screen rectangle (sx, sy, w, h) lands at (sheetX, sheetY) on the sheet.
View Place(Canvas& c, int sheetX, int sheetY, int sx, int sy, int w, int h);

// Paint of a shape lit from the top left: a rim of `bevel` pixels, lighter where the
// edge faces the light and darker where it faces away, a gentle top-down gradient inside.
Paint BevelPaint(const Sdf& sdf, const RGBA& base, float bevel, float strength = 0.45f);
// A vertical gradient.
Paint VerticalPaint(float y0, const RGBA& top, float y1, const RGBA& bottom);

// Shadow, then the bevelled shape.
void ToyShape(const View& v, float bx0, float by0, float bx1, float by1, const Sdf& sdf, const RGBA& base,
              float bevel = 6, float shadow = 0.35f);
void ToyBlock(const View& v, float x0, float y0, float x1, float y1, float radius, const RGBA& base,
              float bevel = 6, float shadow = 0.35f);
// A soft halo of `reach` pixels outside the shape.
void Glow(const View& v, float bx0, float by0, float bx1, float by1, const Sdf& sdf, const RGBA& colour,
          float reach);
// A four-pointed twinkle.
void Sparkle(const View& v, float cx, float cy, float size, const RGBA& colour);

// Lettering rendered from a TrueType font; each character in its own colour in turn
// (one colour repeats), with an outline and a soft drop shadow. (cx, cy) is the centre.
struct Lettering {
    std::string text;
    std::string fontFile;
    int size = 64;
    int outline = 4;
    RGBA outlineColour;
    const RGBA* colours = nullptr;
    int colourCount = 0;
    float highlight = 0.3f;   // lighter toward the top of each letter
};
// Returns the drawn width in pixels; throws std::runtime_error when the font is unusable.
int DrawLettering(const View& v, float cx, float cy, const Lettering& l);
// The width DrawLettering takes for l, outline included, without drawing.
int LetteringWidth(const Lettering& l);

extern const char* const kBoldFont;

}  // namespace gen

namespace gen {
// Draws a picture with a soft halo around everything it paints (the lit looks).
void DrawWithHalo(const View& v, const std::function<void(const View&)>& draw, const RGBA& halo, int radius);
}  // namespace gen
