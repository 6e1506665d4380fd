// The pointer, the pen, the picture list, and the shell's pictures on the main sheet:
// the round buttons of the top-right corner, the title strip and the star.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "gen_art_parts.h"
#include "generators.h"
#include "menus/sound_button.h"
#include "render/hint_art.h"
#include "render/keep_art.h"

namespace gen {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

std::string GamePath(const std::string& out, const char* file) {
    return out + "/" + std::string(file).substr(2);
}

void Save(const Canvas& c, const std::string& path) {
    if (!c.SavePng(path)) throw std::runtime_error("cannot write " + path);
}

// ---- Buttons, drawn where the screens show them ------------------------------------------------

struct ButtonLook {
    RGBA colour;
    bool lit;
};

void RoundButton(const View& v, float cx, float cy, float r, const ButtonLook& look) {
    auto disc = [=](float x, float y) { return SdCircle(x, y, cx, cy, r); };
    v.Shadow(cx - r, cy - r, cx + r, cy + r, disc, 1.5f, 2.5f, 2.0f, 0.45f);
    RGBA base = look.lit ? Shade(look.colour, 0.22f) : look.colour;
    // A white rim, golden when lit, so the button reads on any background.
    v.Fill(cx - r, cy - r, cx + r, cy + r, disc, look.lit ? Hex(0xFFD740) : Hex(0xFFFFFF));
    auto inner = [=](float x, float y) { return SdCircle(x, y, cx, cy, r - 2.5f); };
    v.Fill(cx - r, cy - r, cx + r, cy + r, inner, BevelPaint(inner, base, 5, 0.5f));
    // Glossy cap.
    v.Fill(cx - r, cy - r, cx + r, cy,
           [=](float x, float y) {
               return SdBox(x, y, cx - r * 0.55f, cy - r * 0.78f, cx + r * 0.45f, cy - r * 0.3f, r * 0.22f);
           },
           RGBA{1, 1, 1, look.lit ? 0.38f : 0.28f});
}

// White glyphs on the buttons.
const RGBA kGlyph = {1, 1, 1, 1};

void ReturnArrow(const View& v, float cx, float cy, float s) {
    // A hook arrow: round the right side and back to the left.
    float r = 6.5f * s, w = 1.9f * s;
    float ax = cx + 1.5f * s, ay = cy + 0.5f * s;
    auto arc = [=](float x, float y) {
        float d = std::fabs(std::hypot(x - ax, y - ay) - r) - w;
        return x < ax ? std::max(d, ax - x) : d;
    };
    v.Fill(cx - 14 * s, cy - 14 * s, cx + 14 * s, cy + 14 * s, arc, kGlyph);
    v.Fill(cx - 14 * s, cy - 14 * s, cx + 14 * s, cy + 14 * s,
           [=](float x, float y) { return SdSegment(x, y, ax, ay + r, ax - 3 * s, ay + r, w); }, kGlyph);
    v.Fill(cx - 14 * s, cy - 14 * s, cx + 14 * s, cy + 14 * s,
           [=](float x, float y) {
               return SdTriangle(x, y, ax - 9.5f * s, ay - r, ax + 0.5f * s, ay - r - 6 * s, ax + 0.5f * s,
                                 ay - r + 6 * s) - 0.6f;
           },
           kGlyph);
    v.Fill(cx - 14 * s, cy - 14 * s, cx + 14 * s, cy + 14 * s,
           [=](float x, float y) { return SdSegment(x, y, ax, ay - r, ax - 1, ay - r, w); }, kGlyph);
}

void SideArrow(const View& v, float cx, float cy, float dir) {
    v.Fill(cx - 10, cy - 10, cx + 10, cy + 10,
           [=](float x, float y) {
               return SdTriangle(x, y, cx + 6.5f * dir, cy, cx - 4.5f * dir, cy - 7, cx - 4.5f * dir, cy + 7) - 1.0f;
           },
           kGlyph);
}

void CircleArrow(const View& v, float cx, float cy) {
    float r = 9.5f, w = 2.3f;
    auto arc = [=](float x, float y) {
        float d = std::fabs(std::hypot(x - cx, y - cy) - r) - w;
        float a = std::atan2(y - cy, x - cx);   // a gap at the top right
        return (a > -Pi * 0.5f && a < -Pi * 0.1f) ? std::max(d, 1.5f) : d;
    };
    v.Fill(cx - 14, cy - 14, cx + 14, cy + 14, arc, kGlyph);
    // The head at the end of the arc, pointing clockwise.
    float hx = cx + r * std::cos(-Pi * 0.1f), hy = cy + r * std::sin(-Pi * 0.1f);
    v.Fill(cx - 14, cy - 14, cx + 16, cy + 14,
           [=](float x, float y) { return SdTriangle(x, y, hx - 6, hy - 1, hx + 6, hy - 1, hx, hy + 7) - 0.5f; },
           kGlyph);
}

void DrawButtons(Canvas& sheet) {
    const RGBA red = Hex(0xE8503A), green = Hex(0x3DA144), blue = Hex(0x2F7FE0);
    for (bool lit : {false, true}) {
        // Back / quit: 42 or 43 wide at (1235, 0).
        View back = lit ? Place(sheet, 1322, 980, 1235, 0, 43, 44) : Place(sheet, 1280, 980, 1235, 0, 42, 44);
        RoundButton(back, 1256, 21, 19, {red, lit});
        ReturnArrow(back, 1256, 21, 1.0f);
        // Next: at (1190, 0), lit at (1193, 0).
        View next = lit ? Place(sheet, 1397, 980, 1193, 0, 31, 44) : Place(sheet, 1365, 980, 1190, 0, 30, 44);
        RoundButton(next, 1206.5f, 21, 12.5f, {green, lit});
        SideArrow(next, 1207.5f, 21, 1);
        // Previous: at (1120, 0), lit at (1117, 0).
        View prev = lit ? Place(sheet, 1460, 980, 1117, 0, 31, 44) : Place(sheet, 1429, 980, 1120, 0, 30, 44);
        RoundButton(prev, 1133.5f, 21, 12.5f, {green, lit});
        SideArrow(prev, 1132.5f, 21, -1);
    }
    // Restart: one picture, the screen dims it when it is not hot.
    View restart = Place(sheet, 1491, 980, 1065, 0, 44, 44);
    RoundButton(restart, 1086, 21, 19, {blue, false});
    CircleArrow(restart, 1086, 22);
}

// ---- The "show me" button and the ghost hand ---------------------------------------------------

// A light bulb: glass, neck and screw base; rays round it when lit.
void LampGlyph(const View& v, float cx, float cy, bool lit) {
    auto glass = [=](float x, float y) {
        const float bulb = SdCircle(x, y, cx, cy - 3.5f, 7.5f);
        const float neck = SdBox(x, y, cx - 3.8f, cy - 1, cx + 3.8f, cy + 6, 1.0f);
        return std::min(bulb, neck);
    };
    v.Fill(cx - 12, cy - 14, cx + 12, cy + 8, glass, lit ? Hex(0xFFF59D) : kGlyph);
    for (float y : {cy + 7.6f, cy + 10.4f})
        v.Fill(cx - 6, y - 2, cx + 6, y + 2, [=](float x, float py) { return SdSegment(x, py, cx - 3.2f, y, cx + 3.2f, y, 1.1f); },
               kGlyph);
    // A glint on the glass.
    v.Fill(cx - 8, cy - 10, cx, cy - 2, [=](float x, float y) { return SdSegment(x, y, cx - 4, cy - 5, cx - 2.2f, cy - 7.6f, 1.0f); },
           Hex(0xFFB300, 0.8f));
    if (!lit) return;
    for (int i = 0; i < 5; ++i) {
        const float a = Pi * (1.0f + 0.25f * i);
        const float x0 = cx + 10.5f * std::cos(a), y0 = cy - 3.5f + 10.5f * std::sin(a);
        const float x1 = cx + 14.0f * std::cos(a), y1 = cy - 3.5f + 14.0f * std::sin(a);
        v.Fill(cx - 18, cy - 20, cx + 18, cy + 8, [=](float x, float y) { return SdSegment(x, y, x0, y0, x1, y1, 1.0f); }, kGlyph);
    }
}

void DrawHintButtonArt(Canvas& sheet) {
    const RGBA amber = Hex(0xF39C12);
    const float cx = HintButtonX + 22.0f, cy = HintButtonY + 21.0f;
    for (bool lit : {false, true}) {
        View v = Place(sheet, HintSheetLeft(lit), HintSheetY, HintButtonX, HintButtonY, HintButtonSize, HintButtonSize);
        RoundButton(v, cx, cy, 19, {amber, lit});
        LampGlyph(v, cx, cy + 1, lit);
    }
}

// A pointing hand, its index finger up with the tip at (HandTipX, HandTipY); light with a
// dark outline like the pointer, so it reads over any figure.
void DrawHand(Canvas& sheet) {
    View v = Place(sheet, HandSheetX, HandSheetY, 0, 0, HandSize, HandSize);
    const float tx = HandTipX, ty = HandTipY;
    auto hand = [=](float x, float y) {
        const float finger = SdSegment(x, y, tx, ty + 4.5f, tx + 2, ty + 22, 4.3f);
        const float palm = SdBox(x, y, tx - 3, ty + 17, tx + 22, ty + 38, 7);
        const float thumb = SdSegment(x, y, tx - 4, ty + 26, tx - 9, ty + 19, 3.8f);
        return std::min(finger, std::min(palm, thumb));
    };
    v.Shadow(0, 0, 48, 48, hand, 2.0f, 2.5f, 2.0f, 0.35f);
    v.Fill(0, 0, 48, 48, [=](float x, float y) { return hand(x, y) - 1.3f; }, Hex(0x1B1640));
    v.Fill(0, 0, 48, 48, [=](float x, float y) { return hand(x, y) + 0.4f; },
           VerticalPaint(ty, Hex(0xFFFFFF), ty + 40, Hex(0xFFE0B2)));
    // The folded fingers' knuckles.
    for (int i = 0; i < 3; ++i) {
        const float kx = tx + 7.5f + 5.2f * i;
        v.Fill(kx - 4, ty + 15, kx + 4, ty + 30,
               [=](float x, float y) { return SdSegment(x, y, kx, ty + 19, kx, ty + 26, 0.7f); }, Hex(0x1B1640, 0.55f));
    }
}

// The glow: white, fading over GlowMargin pixels round a square hole of the middle slice.
void DrawGlowPicture(Canvas& sheet) {
    View v = Place(sheet, GlowSheetX, GlowSheetY, 0, 0, GlowSize, GlowSize);
    const float m = GlowMargin;
    auto hole = [=](float x, float y) { return SdBox(x, y, m, m, 2 * m, 2 * m, 0); };
    Glow(v, 0, 0, GlowSize, GlowSize, hole, Hex(0xFFFFFF), m);
}

// ---- The keep button of the free-construction levels -------------------------------------------

// A five-pointed star of outer radius r.
float SdStar(float x, float y, float cx, float cy, float r) {
    std::vector<float> xy;
    for (int i = 0; i < 10; ++i) {
        const float a = -Pi / 2 + Pi * 0.2f * i, rr = i % 2 == 0 ? r : r * 0.45f;
        xy.push_back(cx + rr * std::cos(a));
        xy.push_back(cy + rr * std::sin(a));
    }
    return SdPolygon(x, y, xy);
}

// A little picture frame: a white border round an empty pane.
void FrameGlyph(const View& v, float cx, float cy, const RGBA& pane) {
    auto outer = [=](float x, float y) { return SdBox(x, y, cx - 10, cy - 7, cx + 10, cy + 8, 2); };
    auto inner = [=](float x, float y) { return SdBox(x, y, cx - 7, cy - 4, cx + 7, cy + 5, 0.5f); };
    v.Fill(cx - 12, cy - 9, cx + 12, cy + 10, outer, kGlyph);
    v.Fill(cx - 12, cy - 9, cx + 12, cy + 10, inner, pane);
}

// The button: a golden star dropping into a frame, a falling trail above it.
void DrawKeepButtons(Canvas& sheet, float cx, float cy) {
    const RGBA teal = Hex(0x1E9E8F);
    for (bool lit : {false, true}) {
        View v = Place(sheet, KeepSheetLeft(lit ? KeepLookLit : KeepLookUnlit), KeepSheetY, KeepButtonX, KeepButtonY,
                       KeepButtonSize, KeepButtonSize);
        RoundButton(v, cx, cy, 19, {teal, lit});
        FrameGlyph(v, cx, cy + 4, Hex(0x0E6B60));
        for (float dx : {-3.5f, 3.5f})
            v.Fill(cx - 8, cy - 18, cx + 8, cy - 6,
                   [=](float x, float y) { return SdSegment(x, y, cx + dx, cy - 15, cx + dx, cy - 10, 0.9f); },
                   Hex(0xFFFFFF, 0.7f));
        auto star = [=](float x, float y) { return SdStar(x, y, cx, cy - 1, 7.5f); };
        v.Fill(cx - 10, cy - 10, cx + 10, cy + 8, [=](float x, float y) { return star(x, y) - 0.9f; }, Hex(0x8D5A00));
        v.Fill(cx - 10, cy - 10, cx + 10, cy + 8, star, lit ? Hex(0xFFF176) : Hex(0xFFC928));
    }
}

// The answers: a white tick with a little star on green; an empty frame with a soft red cross.
void DrawKeepAnswers(Canvas& sheet, float cx, float cy) {
    View kept = Place(sheet, KeepSheetLeft(KeepLookKept), KeepSheetY, KeepButtonX, KeepButtonY, KeepButtonSize, KeepButtonSize);
    RoundButton(kept, cx, cy, 19, {Hex(0x3DA144), true});
    auto tick = [=](float x, float y) {
        return std::min(SdSegment(x, y, cx - 9, cy + 1, cx - 3, cy + 8, 2.6f), SdSegment(x, y, cx - 3, cy + 8, cx + 9, cy - 7, 2.6f));
    };
    kept.Fill(cx - 14, cy - 12, cx + 14, cy + 13, tick, kGlyph);
    auto star = [=](float x, float y) { return SdStar(x, y, cx + 9, cy - 10, 5.5f); };
    kept.Fill(cx + 1, cy - 18, cx + 17, cy - 2, [=](float x, float y) { return star(x, y) - 0.8f; }, Hex(0x8D5A00));
    kept.Fill(cx + 1, cy - 18, cx + 17, cy - 2, star, Hex(0xFFD740));

    View lost = Place(sheet, KeepSheetLeft(KeepLookNotKept), KeepSheetY, KeepButtonX, KeepButtonY, KeepButtonSize, KeepButtonSize);
    RoundButton(lost, cx, cy, 19, {Hex(0x8A93A6), false});
    FrameGlyph(lost, cx, cy + 1, Hex(0x5D6578));
    for (float dir : {-1.0f, 1.0f}) {
        auto bar = [=](float x, float y) { return SdSegment(x, y, cx - 7, cy + 1 - 7 * dir, cx + 7, cy + 1 + 7 * dir, 2.2f); };
        lost.Fill(cx - 11, cy - 10, cx + 11, cy + 12, [=](float x, float y) { return bar(x, y) - 0.9f; }, kGlyph);
        lost.Fill(cx - 11, cy - 10, cx + 11, cy + 12, bar, Hex(0xEF7B7B));
    }
}

void DrawKeepArt(Canvas& sheet) {
    const float cx = KeepButtonX + 22.0f, cy = KeepButtonY + 21.0f;
    DrawKeepButtons(sheet, cx, cy);
    DrawKeepAnswers(sheet, cx, cy);
}

// ---- The speaker button of the main menu -------------------------------------------------------

// A music note; struck through when the music is off.
void NoteGlyph(const View& v, float cx, float cy, bool on) {
    const float x = cx - 9, y = cy;
    v.Fill(x - 6, y - 12, x + 6, y + 10,
           [=](float px, float py) { return SdCircle(px * 0.85f + x * 0.15f, py, x - 1.5f, y + 5, 3.2f); }, kGlyph);
    v.Fill(x - 6, y - 12, x + 6, y + 10, [=](float px, float py) { return SdSegment(px, py, x + 1.2f, y + 5, x + 1.2f, y - 8, 1.1f); },
           kGlyph);
    v.Fill(x - 6, y - 12, x + 8, y + 10, [=](float px, float py) { return SdSegment(px, py, x + 1.2f, y - 8, x + 5, y - 4, 1.3f); },
           kGlyph);
    if (on) return;
    auto slash = [=](float px, float py) { return SdSegment(px, py, x - 5, y + 8, x + 7, y - 9, 0.9f); };
    v.Fill(x - 9, y - 13, x + 9, y + 12, [=](float px, float py) { return slash(px, py) - 0.8f; }, kGlyph);
    v.Fill(x - 9, y - 13, x + 9, y + 12, slash, Hex(0xB71C1C));
}

// A little loudspeaker with sound waves, or with a cross when the effects are off.
void SpeakerGlyph(const View& v, float cx, float cy, bool on) {
    const float x = cx - 1, y = cy;
    v.Fill(x - 1, y - 9, x + 9, y + 9, [=](float px, float py) { return SdBox(px, py, x, y - 3, x + 3.5f, y + 3, 0.5f); }, kGlyph);
    v.Fill(x - 1, y - 9, x + 9, y + 9,
           [=](float px, float py) { return SdPolygon(px, py, {x + 3, y - 3, x + 8, y - 7.5f, x + 8, y + 7.5f, x + 3, y + 3}); },
           kGlyph);
    if (on) {
        for (float r : {3.5f, 6.8f}) {
            auto wave = [=](float px, float py) {
                const float d = std::fabs(std::hypot(px - (x + 8), py - y) - r) - 1.1f;
                const float a = std::atan2(py - y, px - (x + 8));
                return std::fabs(a) < 0.95f ? d : std::max(d, 1.5f);
            };
            v.Fill(x + 8, y - 10, x + 18, y + 10, wave, kGlyph);
        }
        return;
    }
    for (float dir : {-1.0f, 1.0f})
        v.Fill(x + 9, y - 6, x + 17, y + 6,
               [=](float px, float py) { return SdSegment(px, py, x + 9.5f, y - 3.5f * dir, x + 14.5f, y + 3.5f * dir, 1.2f); },
               kGlyph);
}

void DrawSoundButtons(Canvas& sheet) {
    const RGBA violet = Hex(0x8E5CC8);
    const float cx = SoundButtonX + 21.0f, cy = SoundButtonY + 21.0f;
    for (int look = 0; look < SoundLookCount; ++look) {
        const bool music = look == SoundLookAllOn || look == SoundLookEffectsOff;
        const bool effects = look == SoundLookAllOn || look == SoundLookMusicOff;
        for (bool lit : {false, true}) {
            View v = Place(sheet, SoundSheetLeft(look, lit), SoundSheetY, SoundButtonX, SoundButtonY, SoundButtonSize,
                           SoundButtonSize);
            RoundButton(v, cx, cy, 19, {violet, lit});
            NoteGlyph(v, cx, cy, music);
            SpeakerGlyph(v, cx, cy, effects);
        }
    }
}

// The strip behind the hint line: deep blue so white text reads on it.
void DrawTitleStrip(Canvas& sheet) {
    View v = Place(sheet, 1536, 994, 0, 0, 512, 30);
    auto strip = [](float x, float y) { return SdBox(x, y, 1, 1, 511, 29, 13); };
    v.Fill(0, 0, 512, 30, strip, Hex(0xFFFFFF, 0.85f));
    auto inner = [](float x, float y) { return SdBox(x, y, 3, 3, 509, 27, 11); };
    Paint body = BevelPaint(inner, Hex(0x22418F), 4, 0.35f);
    v.Fill(0, 0, 512, 30, inner, [=](float x, float y) { return Shade(body(x, y), 0.12f * (15 - y) / 15); });
    // Little coloured studs at both ends, like a toy plank.
    const RGBA studs[4] = {Hex(0xF44336), Hex(0xFFC107), Hex(0x4CAF50), Hex(0x29B6F6)};
    for (int i = 0; i < 2; ++i) {
        float sx = i == 0 ? 499.0f : 489.0f;
        auto stud = [=](float x, float y) { return SdCircle(x, y, sx, 15, 3.5f); };
        v.Fill(sx - 5, 10, sx + 5, 20, stud, BevelPaint(stud, studs[i], 2, 0.5f));
    }
}

// The star: white so the game can tint it, a soft glow around a rounded five-point star.
void DrawStar(Canvas& sheet) {
    View v = Place(sheet, 2000, 0, 0, 0, 48, 48);
    const float cx = 24, cy = 24;
    std::vector<float> pts;
    for (int i = 0; i < 10; ++i) {
        float a = -Pi / 2 + i * Pi / 5;
        float r = i % 2 ? 6.0f : 14.0f;
        pts.push_back(cx + r * std::cos(a));
        pts.push_back(cy + r * std::sin(a));
    }
    auto star = [pts](float x, float y) { return SdPolygon(x, y, pts) - 1.5f; };
    Glow(v, 0, 0, 48, 48, [=](float x, float y) { return SdCircle(x, y, cx, cy, 4); }, Hex(0xFFFFFF, 0.55f), 19);
    v.Fill(0, 0, 48, 48, star, Hex(0xFFFFFF, 0.95f));
    v.Fill(0, 0, 48, 48, [=](float x, float y) { return SdCircle(x, y, cx, cy, 3.5f); }, Hex(0xFFFFFF));
}

}  // namespace

void WriteCursorAndPen(const std::string& out) {
    Canvas cursor(32, 32);
    std::vector<float> arrow = {0.6f, 0.6f, 0.6f, 24.0f, 6.2f, 18.6f, 10.3f, 27.4f, 14.6f, 25.4f, 10.6f, 16.9f, 18.2f, 16.9f};
    auto shape = [&](float x, float y) { return SdPolygon(x, y, arrow); };
    View v{cursor, 0, 0, 0, 0, 32, 32};
    v.Shadow(0, 0, 32, 32, shape, 1.5f, 2.0f, 1.5f, 0.4f);
    // Dark outline outside, light fill inside: readable on light and on dark ground.
    v.Fill(0, 0, 32, 32, [&](float x, float y) { return shape(x, y) - 0.8f; }, Hex(0x1B1640));
    auto inner = [&](float x, float y) { return shape(x, y) + 1.2f; };
    v.Fill(0, 0, 32, 32, inner, VerticalPaint(2, Hex(0xFFF59D), 26, Hex(0xFFA726)));
    cursor.at(0, 0) = Hex(0x1B1640);   // the tip itself is the hot spot
    Save(cursor, GamePath(out, kSurfaceFiles[0]));

    Canvas pen(4, 4);
    pen.Clear(0, 0, 4, 4, Hex(0xFFFFFF));
    Save(pen, GamePath(out, kSurfaceFiles[1]));
}

void WriteSurfacesIni(const std::string& out) {
    const char* notes[7][2] = {
        {"cursor", "32x32"},          {"pen", "4x4"},           {"main sheet", "2048x1024"},
        {"box 1 figures", "256x704"}, {"box 2 figures", "512x1024"}, {"menu sheet", "2048x1024"},
        {"children's pictures", "1024x1024"},
    };
    std::ofstream f(out + "/Surfaces.ini", std::ios::binary);
    f << 7 << "\n";
    for (int k = 0; k < 7; ++k) f << kSurfaceFiles[k] << "\n" << notes[k][0] << "\n" << notes[k][1] << "\n";
    if (!f) throw std::runtime_error("cannot write " + out + "/Surfaces.ini");
}

void DrawMainSheetShell(Canvas& sheet) {
    DrawButtons(sheet);
    DrawHintButtonArt(sheet);
    DrawKeepArt(sheet);
    DrawHand(sheet);
    DrawGlowPicture(sheet);
    DrawSoundButtons(sheet);
    DrawTitleStrip(sheet);
    DrawStar(sheet);
    DrawSiteDecorations(sheet);
}

}  // namespace gen
