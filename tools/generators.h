#pragma once
// The generator's parts. Each writes its files under the game folder `out`
// (paths inside it as the game names them, e.g. out + "/textures/...").
#include <string>
#include <vector>

#include "canvas.h"
#include "level_report.h"

namespace gen {

// Cursor (entry 0), pen (entry 1) and "Surfaces.ini".
void WriteCursorAndPen(const std::string& out);
void WriteSurfacesIni(const std::string& out);
// Main sheet (entry 2), 2048 x 1024: the game screens' buttons, decorations, title strip, star.
void DrawMainSheetShell(Canvas& sheet);
// Main sheet: the menu background and the lit box looks.
void DrawMainSheetMenus(Canvas& sheet);
// The start screens' banner words of one language.
struct BannerTexts {
    std::string language;      // "ru", "en", ...
    bool original = false;     // the source language: its sheet is the catalogue's own file
    std::string newGame, continueGame;
};
// Russian, then every language po/LINGUAS (the file `linguas`) names, translated by the compiled
// catalogues in localeDir. Throws std::runtime_error naming the file when a catalogue is
// missing or damaged. Without a list, Russian alone.
std::vector<BannerTexts> ReadBannerTexts(const std::string& linguas, const std::string& localeDir);
// Menu sheet (entry 5) with the source language's banners, and for every other language a copy
// with its own at textures/lang/<code>/menu.png.
void WriteMenuSheets(const std::string& out, const std::vector<BannerTexts>& languages);
// Box 1 figure sheet (entry 3) and levels from content/k1.
void WriteBox1Sheet(const std::string& out);
std::vector<ReportedLevel> WriteBox1Levels(const std::string& content, const std::string& out);
// Box 2 figure sheet (entry 4), the shape mask and levels from content/k2.
void WriteBox2Art(const std::string& out);
std::vector<ReportedLevel> WriteBox2Levels(const std::string& content, const std::string& out);
// Effects, jingle and music.
void WriteSounds(const std::string& out);
// The intro model and its textures.
void WriteLogoModel(const std::string& out);
// The desktop icons, outDir/NxN/apps/appId.png for the sizes desktops ask for.
void WriteIcons(const std::string& outDir, const std::string& appId);

// File names of the catalogue entries, relative to the game folder.
inline const char* const kSurfaceFiles[6] = {
    "./textures/cursor.png", "./textures/pen.png",     "./textures/main.png",
    "./textures/detals_01.png", "./textures/detals_02.png", "./textures/menu.png",
};

}  // namespace gen
