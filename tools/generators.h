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
// Menu sheet (entry 5).
void WriteMenuSheet(const std::string& out);
// Box 1 figure sheet (entry 3) and levels from content/k1.
void WriteBox1Sheet(const std::string& out);
std::vector<ReportedLevel> WriteBox1Levels(const std::string& content, const std::string& out);
// Box 2 figure sheet (entry 4), the shape mask and levels from content/k2.
void WriteBox2Art(const std::string& out);
std::vector<ReportedLevel> WriteBox2Levels(const std::string& content, const std::string& out);
// The children's pictures (entry 6): AnimalCount animals in cells of AnimalCellSize, five
// to a row, then the "add a child" tile.
constexpr int AnimalCount = 12;
constexpr int AnimalCellSize = 200;
constexpr int AnimalColumns = 5;
void WriteAnimalSheet(const std::string& out);
// Effects, jingle and music.
void WriteSounds(const std::string& out);
// The intro model and its textures.
void WriteLogoModel(const std::string& out);
// The desktop icons, outDir/NxN/apps/appId.png for the sizes desktops ask for.
void WriteIcons(const std::string& outDir, const std::string& appId);

// File names of the catalogue entries, relative to the game folder.
inline const char* const kSurfaceFiles[7] = {
    "./textures/cursor.png", "./textures/pen.png",     "./textures/main.png",
    "./textures/detals_01.png", "./textures/detals_02.png", "./textures/menu.png",
    "./textures/animals.png",
};

}  // namespace gen
