// The start screen's two banners: a rounded toy plank carrying big, many-coloured letters.
// The lit look is the same plank, brighter, with a golden glow and twinkles. The words come from
// the catalogues, so a longer translation is set smaller until it fits the plate's face.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "gen_art_parts.h"

namespace gen {

namespace {

const RGBA kLetterColours[6] = {Hex(0xE53935), Hex(0xFB8C00), Hex(0x43A047), Hex(0x1E88E5), Hex(0x8E24AA),
                                Hex(0xF4B400)};

struct Plank {
    float x0, y0, x1, y1;
    RGBA frame;
    std::string text;
    int fontSize;   // the design size, for the Russian words
};

// Below this share of the design size the words would no longer read as the banner's.
constexpr float kSmallestShare = 0.6f;

Lettering PlankLettering(const Plank& p, int size, bool lit) {
    Lettering l;
    l.text = p.text;
    l.fontFile = kBoldFont;
    l.size = size;
    l.outline = std::max(3, size / 22);
    l.outlineColour = Hex(0x2B2356);
    l.colours = kLetterColours;
    l.colourCount = 6;
    l.highlight = lit ? 0.45f : 0.3f;
    return l;
}

}  // namespace

int BannerTextWidth(float plateWidth, float plateHeight) {
    // The face inside the frame, less half the rounded end on each side, where letters would
    // run into the curve.
    const float r = plateHeight * 0.5f;
    const float border = std::max(10.0f, r * 0.16f);
    return static_cast<int>(plateWidth - 2 * (border + r * 0.5f));
}

int FitBannerSize(const std::string& text, int designSize, int room) {
    Plank probe{0, 0, 0, 0, {}, text, designSize};
    const int smallest = static_cast<int>(std::ceil(designSize * kSmallestShare));
    for (int size = designSize; size >= smallest; --size)
        if (LetteringWidth(PlankLettering(probe, size, false)) <= room) return size;
    throw std::runtime_error("the banner text \"" + text + "\" does not fit its plate (" + std::to_string(room) +
                             " pixels) even at " + std::to_string(smallest) + " pixels: shorten the translation");
}

namespace {

void PlankBody(const View& v, const Plank& p, bool lit) {
    float r = (p.y1 - p.y0) * 0.5f;
    auto outer = [=](float x, float y) { return SdBox(x, y, p.x0, p.y0, p.x1, p.y1, r); };
    if (!lit) v.Shadow(p.x0, p.y0, p.x1, p.y1, outer, 5, 8, 8, 0.4f);
    RGBA frame = lit ? Shade(p.frame, 0.18f) : p.frame;
    v.Fill(p.x0, p.y0, p.x1, p.y1, outer, BevelPaint(outer, frame, 10, 0.5f));
    const float border = std::max(10.0f, r * 0.16f);
    auto inner = [=](float x, float y) {
        return SdBox(x, y, p.x0 + border, p.y0 + border, p.x1 - border, p.y1 - border, r - border);
    };
    RGBA face = lit ? Hex(0xFFFBE0) : Hex(0xFFF6DE);
    v.Fill(p.x0, p.y0, p.x1, p.y1, inner, [=](float x, float y) {
        // The face is sunk into the frame: a soft inner shadow under its top edge.
        float s = std::clamp((inner(x, y - 7) + 9) / 9, 0.0f, 1.0f);
        return Shade(face, -0.16f * s * s);
    });
    // Glossy stripe across the top of the frame.
    v.Fill(p.x0, p.y0, p.x1, p.y0 + border,
           [=](float x, float y) { return SdBox(x, y, p.x0 + r * 0.6f, p.y0 + 3, p.x1 - r * 0.6f, p.y0 + border * 0.55f, 3); },
           RGBA{1, 1, 1, lit ? 0.45f : 0.3f});
    const int size = FitBannerSize(p.text, p.fontSize, BannerTextWidth(p.x1 - p.x0, p.y1 - p.y0));
    const Lettering l = PlankLettering(p, size, lit);
    DrawLettering(v, (p.x0 + p.x1) * 0.5f, (p.y0 + p.y1) * 0.5f, l);
}

void DrawPlank(const View& v, const Plank& p, bool lit) {
    if (!lit) {
        PlankBody(v, p, false);
        return;
    }
    DrawWithHalo(v, [&](const View& layer) { PlankBody(layer, p, true); }, Hex(0xFFD23F, 0.95f), 14);
    float r = (p.y1 - p.y0) * 0.5f;
    Sparkle(v, p.x0 + r * 0.5f, p.y0 + 4, 14, Hex(0xFFFFFF));
    Sparkle(v, p.x1 - r * 0.7f, p.y1 - 4, 12, Hex(0xFFFFFF));
    Sparkle(v, p.x1 - r * 0.2f, p.y0 + r * 0.4f, 10, Hex(0xFFFFFF));
}

}  // namespace

void DrawNewGameBanner(const View& v, bool lit, const std::string& text) {
    DrawPlank(v, {146, 170, 866, 268, Hex(0xFF7A2F), text, 76}, lit);
}

void DrawContinueBanner(const View& v, bool lit, const std::string& text) {
    DrawPlank(v, {70, 462, 1100, 640, Hex(0x3DA144), text, 104}, lit);
}

}  // namespace gen
