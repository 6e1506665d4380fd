#include "render/level_screen.h"

#include <string>

#include "core/game_state.h"
#include "core/i18n.h"
#include "core/my_levels.h"
#include "render/graphics.h"
#include "render/shown_text.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kFaded = 0x77FFFFFF;
constexpr uint32_t kNumberColour = 0xFF777700;
constexpr uint32_t kNameColour = 0xFF6A4A2A;
// The top row left of the hint strip that starts at x 384.
constexpr int kNameLeft = 16, kNameRight = 376;

void DrawText(plat::Font* font, const char* text, int left, int top, int right, int bottom, uint32_t colour) {
    if (!font || !g_sprite) return;
    plat::Rect r;
    plat::SetRect(r, left, top, right, bottom);
    DrawShownText(*font, *g_sprite, text, r, colour);
}

// A button in its hot or normal picture; the two pictures differ in size, hence two positions.
struct ButtonLook {
    int hotLeft, hotRight, hotX;
    int left, right, x;
};

void DrawButton(int32_t hot, const ButtonLook& b) {
    if (g_hotButton == hot)
        DrawSheet(SurfaceMain, b.hotLeft, 980, b.hotRight, 1024, b.hotX, 0, kWhite);
    else
        DrawSheet(SurfaceMain, b.left, 980, b.right, 1024, b.x, 0, kWhite);
}

}  // namespace

void DrawDecorations(const Piece* pieces, int count) {
    for (int i = 0; i < count; ++i) {
        const Piece& p = pieces[i];
        DrawSheet(SurfaceMain, p.left, p.top, p.right, p.bottom, p.x, p.y, p.colour);
    }
}

void DrawHintLine(const char* text) {
    DrawText(g_fontLarge.get(), text, 455, 9, 896, 500, kWhite);
}

void DrawLevelHint(int32_t levelDone, int32_t locked, int32_t freeBuild) {
    if (levelDone == 0) {
        if (freeBuild == 0)
            DrawHintLine(locked == 1 ? Tr("Предыдущий уровень не пройден") : Tr("Соберите картинку в левом поле"));
    } else if (levelDone == 1) {
        DrawText(g_fontLarge.get(), Tr("Кликните мышкой для продолжения"), 442, 9, 896, 500, kWhite);
    }
    if (freeBuild == 1)
        DrawText(g_fontNormal.get(), Tr("Уровень для свободного конструирования"), 440, 11, 896, 500, kWhite);
}

void DrawLevelButtons(int32_t freeBuild, int32_t level) {
    // Restart has one picture, faded until the mouse is over it.
    // Spread along the top row so that each sits in a zone a small finger can hit (input.cpp).
    DrawSheet(SurfaceMain, 1491, 980, 1535, 1024, 979, 0, g_hotButton == HotRestartLevel ? kWhite : kFaded);
    DrawButton(HotBack, ButtonLook{1322, 1365, 1235, 1280, 1322, 1235});
    if (freeBuild != 1) DrawButton(HotNextLevel, ButtonLook{1397, 1428, 1166, 1365, 1395, 1163});
    // The own puzzles start a row of their own.
    if (level > 1 && level != FirstMyLevel) DrawButton(HotPrevLevel, ButtonLook{1460, 1490, 1051, 1429, 1459, 1054});
}

void DrawLevelNumber(int32_t level) {
    const int extraDigits = level >= 100 ? 2 : (level >= 10 ? 1 : 0);
    const std::string number = std::to_string(level);
    DrawText(g_fontLarge.get(), number.c_str(), 1110 - 8 * extraDigits, 12, 1148, 40, kNumberColour);
}

void DrawLevelName(const char* name) {
    if (!name || !*name || !g_fontLarge || !g_fontNormal) return;
    plat::Font* font = g_fontLarge.get();
    if (font->MeasureWidth(name) > kNameRight - kNameLeft) font = g_fontNormal.get();
    DrawText(font, name, kNameLeft, font == g_fontLarge.get() ? 9 : 13, kNameRight, 40, kNameColour);
}
