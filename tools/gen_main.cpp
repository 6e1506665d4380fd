// stroylik_gen --content DIR --out DIR [--icons DIR --app-id ID]: writes the whole game folder,
// and the desktop icons when asked.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "generators.h"

int main(int argc, char** argv) {
    std::string content = "content", out = "game", icons, appId = "stroylik";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--content")) content = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out")) out = argv[i + 1];
        else if (!std::strcmp(argv[i], "--icons")) icons = argv[i + 1];
        else if (!std::strcmp(argv[i], "--app-id")) appId = argv[i + 1];
    }
    try {
        std::filesystem::create_directories(out);
        for (const char* dir : {"textures", "models", "sound", "music", "levels/k1", "levels/k2", "save/k1", "save/k2"})
            std::filesystem::create_directories(out + "/" + dir);
        gen::WriteCursorAndPen(out);
        gen::Canvas mainSheet(2048, 1024);
        gen::DrawMainSheetMenus(mainSheet);
        gen::DrawMainSheetShell(mainSheet);
        if (!mainSheet.SavePng(out + "/" + std::string(gen::kSurfaceFiles[2]).substr(2))) {
            std::fprintf(stderr, "stroylik_gen: cannot write the main sheet\n");
            return 1;
        }
        gen::WriteMenuSheet(out);
        gen::WriteBox1Sheet(out);
        gen::WriteBox1Levels(content, out);
        gen::WriteBox2Art(out);
        gen::WriteBox2Levels(content, out);
        gen::WriteSounds(out);
        gen::WriteLogoModel(out);
        if (!icons.empty()) gen::WriteIcons(icons, appId);
        // Written last: the build treats it as the sign that the folder is complete.
        gen::WriteSurfacesIni(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "stroylik_gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
