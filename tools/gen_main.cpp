// stroylik_gen --content DIR --out DIR [--linguas FILE] [--icons DIR --app-id ID] [--sheets DIR]
// [--docs DIR]: writes the whole game folder; with --linguas the banners of every language it
// lists, from the catalogues already compiled into the folder's locale/; with --icons also the
// desktop icons, with --sheets the level contact sheets, with --docs the level tables there.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "generators.h"

int main(int argc, char** argv) {
    std::string content = "content", out = "game", linguas, icons, appId = "stroylik", sheets, docs;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--content")) content = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out")) out = argv[i + 1];
        else if (!std::strcmp(argv[i], "--linguas")) linguas = argv[i + 1];
        else if (!std::strcmp(argv[i], "--icons")) icons = argv[i + 1];
        else if (!std::strcmp(argv[i], "--app-id")) appId = argv[i + 1];
        else if (!std::strcmp(argv[i], "--sheets")) sheets = argv[i + 1];
        else if (!std::strcmp(argv[i], "--docs")) docs = argv[i + 1];
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
        gen::WriteMenuSheets(out, gen::ReadBannerTexts(linguas, out + "/locale"));
        gen::WriteBox1Sheet(out);
        const auto box1 = gen::WriteBox1Levels(content, out);
        gen::WriteBox2Art(out);
        const auto box2 = gen::WriteBox2Levels(content, out);
        gen::WarnCurveBreaks(box1, "box 1");
        gen::WarnCurveBreaks(box2, "box 2");
        if (!sheets.empty()) {
            gen::WriteContactSheet(box1, 1, out, sheets + "/levels-box1.png");
            gen::WriteContactSheet(box2, 2, out, sheets + "/levels-box2.png");
        }
        if (!docs.empty()) {
            gen::WriteLevelTable(box1, docs + "/levels.md");
            gen::WriteLevelTable(box2, docs + "/levels-box2.md");
        }
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
