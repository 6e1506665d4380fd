#pragma once
// The larger pictures of the main and menu sheets, each drawn in screen coordinates
// through a view so that a picture and its lit look line up where the screen draws them.
#include "gen_art_paint.h"

namespace gen {

// Building-site things for the game screens' side margins (main sheet).
void DrawSiteDecorations(Canvas& sheet);
// The sky, hills and toy town behind the menus.
void DrawMenuBackground(const View& v);
// The two boxes of the main menu; `lit` adds the glow and opens the lid.
void DrawBox1Art(const View& v, bool lit);
void DrawBox2Art(const View& v, bool lit);
// The new-game and continue banners, carrying `text` in the sheet's language.
void DrawNewGameBanner(const View& v, bool lit, const std::string& text);
void DrawContinueBanner(const View& v, bool lit, const std::string& text);
// The room the words have on a plate of that size, in pixels.
int BannerTextWidth(float plateWidth, float plateHeight);
// The biggest font size up to designSize at which `text` fits `room` pixels; throws
// std::runtime_error naming the text when even the smallest size allowed does not fit.
int FitBannerSize(const std::string& text, int designSize, int room);

}  // namespace gen
