// The menus' pictures: the background and the lit box looks on the main sheet, and the
// menu sheet with the two box pictures and the start screen's banners, one copy per language.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "gen_art_parts.h"
#include "generators.h"

namespace gen {

void DrawMainSheetMenus(Canvas& sheet) {
    DrawMenuBackground(View{sheet, 0, 0, 0, 0, 1280, 1024});
    // Lit looks, placed so that they land on the box pictures where the menu draws them.
    DrawBox1Art(Place(sheet, 1281, 0, 167, 169, 389, 330), true);
    DrawBox2Art(Place(sheet, 1281, 330, 621, 304, 459, 450), true);
}

void WriteMenuSheets(const std::string& out, const std::vector<BannerTexts>& languages) {
    Canvas boxes(2048, 1024);
    DrawBox1Art(Place(boxes, 0, 0, 72, 168, 517, 360), false);
    DrawBox2Art(Place(boxes, 0, 364, 566, 306, 510, 535), false);
    const std::string file = std::string(kSurfaceFiles[5]).substr(2);   // "textures/menu.png"
    const std::string folder = out + "/textures/lang";
    // A language dropped from the list must not linger in the game folder.
    std::filesystem::remove_all(folder);
    for (const BannerTexts& texts : languages) {
        Canvas menu = boxes;
        DrawNewGameBanner(Place(menu, 521, 0, 130, 162, 750, 117), false, texts.newGame);
        DrawNewGameBanner(Place(menu, 521, 123, 124, 155, 779, 131), true, texts.newGame);
        DrawContinueBanner(Place(menu, 521, 270, 18, 428, 1129, 259), false, texts.continueGame);
        DrawContinueBanner(Place(menu, 521, 531, 29, 411, 1129, 279), true, texts.continueGame);
        std::string path = out + "/" + file;
        if (!texts.original) {
            std::filesystem::create_directories(folder + "/" + texts.language);
            path = folder + "/" + texts.language + "/" + std::filesystem::path(file).filename().string();
        }
        if (!menu.SavePng(path)) throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace gen
