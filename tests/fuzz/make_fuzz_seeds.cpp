// Writes the starting inputs of every fuzz target into OUT/<target>/: the generated game files
// as they are, saves and position files written by the game's own writers, and a few small
// cuts of the big files so the fuzzers have quick inputs to start from.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "box1/box1.h"
#include "box1/box1_steps.h"
#include "box2/box2.h"
#include "box2/box2_level_file.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "core/keep_result.h"
#include "core/my_levels.h"
#include "core/child_settings.h"
#include "core/profile_list.h"
#include "core/settings.h"
#include "core/tables.h"
#include "../test_model_fixture.h"

namespace fs = std::filesystem;

void PlaceTwoBox1Figures();   // kept_box1_seed.cpp

namespace {

fs::path g_out;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Put(const std::string& target, const std::string& name, const std::string& bytes) {
    fs::create_directories(g_out / target);
    std::ofstream(g_out / target / name, std::ios::binary) << bytes;
}

void CopyAll(const std::string& target, const fs::path& folder, const std::string& extension) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) Put(target, entry.path().filename().string(), ReadAll(entry.path()));
}

void LevelsAndSaves(const fs::path& game, const fs::path& scratch) {
    CopyAll("box1_level", game / "levels/k1", ".ini");
    CopyAll("box2_level", game / "levels/k2", ".ini");
    fs::current_path(scratch);
    for (int level : {1, 2, 7}) {
        g_levelPathPrefix = (game / "levels/k1/level").string();
        g_currentLevel = level;
        loadlevels();
        SaveK1();
        Put("box1_save", "sk_" + std::to_string(level) + ".dat", ReadAll(Box1ProgressFileName(level)));
    }
    g_levelPathPrefix = (game / "levels/k2/level").string();
    g_currentLevel = 1;
    loadlevels2();
    SaveK2();
    Put("box2_save", "sk_1.dat", ReadAll(SaveFileName2(1)));
    g_currentLevel = 5;
    g_maxCompletedLevel = 4;
    savecurrlevel();
    savecurrlevel2();
    Put("box1_position", "k1.dat", ReadAll(kBox1PositionFile));
    Put("box2_position", "k2.dat", ReadAll("k2.dat"));
}

// What the keep button writes: a free level's board as a new level of its box.
void KeptLevels(const fs::path& game) {
    FillFigureTables();   // the figures' sizes, which the levels above never needed
    g_levelPathPrefix = (game / "levels/k1/level").string();
    g_currentLevel = MaxLevel;
    g_screenState = ScreenBox1;
    loadlevels();
    PlaceTwoBox1Figures();
    KeepBox1Board();
    Put("box1_level", "kept-puzzle.ini", ReadAll(MyLevelsFolder(1) + "/" + KeptFileName()));
    g_levelPathPrefix = (game / "levels/k2/level").string();
    g_screenState = ScreenBox2;
    loadlevels2();
    // Origins are all the keep reads; without the mask texture a real drop would find no shape.
    int placed = 0;
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c)
            if (g_paletteIds[r][c] > 0 && placed < 2) {
                g_buildLayers[placed][3][2 + 6 * placed] = LayerCell{g_paletteIds[r][c], 2 + 6 * placed, 3, 1};
                ++placed;
            }
    KeepBox2Board();
    Put("box2_level", "kept-puzzle.ini", ReadAll(MyLevelsFolder(2) + "/" + KeptFileName()));
}

void U32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
}

// A 4 x 4 DDS: uncompressed 32-bit when fourCC is 0, else one block of that kind.
std::string SmallDds(const char* fourCC, size_t blockBytes) {
    std::string s = "DDS ";
    U32(s, 124);
    U32(s, 0x1007);
    U32(s, 4);   // height
    U32(s, 4);   // width
    for (int i = 0; i < 15; ++i) U32(s, 0);
    U32(s, 32);   // pixel format size
    if (fourCC) {
        U32(s, 0x4);
        s += fourCC;
        for (int i = 0; i < 5; ++i) U32(s, 0);
    } else {
        U32(s, 0x41);
        U32(s, 0);
        U32(s, 32);
        for (uint32_t mask : {0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u}) U32(s, mask);
    }
    for (int i = 0; i < 5; ++i) U32(s, 0);
    for (size_t i = 0; i < blockBytes; ++i) s += static_cast<char>(i * 37 + 11);
    return s;
}

void PicturesSoundsAndText(const fs::path& game) {
    CopyAll("png", game / "textures", ".png");
    CopyAll("png", game / "models", ".png");
    CopyAll("dds", game / "textures", ".dds");
    Put("dds", "small_argb.dds", SmallDds(nullptr, 64));
    Put("dds", "small_dxt1.dds", SmallDds("DXT1", 8));
    Put("dds", "small_dxt3.dds", SmallDds("DXT3", 16));
    Put("dds", "small_dxt5.dds", SmallDds("DXT5", 16));
    CopyAll("wav", game / "sound", ".wav");
    for (const auto& entry : fs::directory_iterator(game / "sound"))
        if (entry.path().extension() == ".wav")
            Put("wav", "short_" + entry.path().filename().string(), ReadAll(entry.path()).substr(0, 2048));
    // The jingle whole and the start of the menu music: seconds of sound, quick to decode.
    CopyAll("music", game / "sound", ".mp3");
    Put("music", "start_of_music_01.mp3", ReadAll(game / "music/music_01.mp3").substr(0, 65536));
    Put("model", "logo.x", ReadAll(game / "models/logo.x"));
    Put("model", "two_frames.x",
        "xof 0303txt 0032\n\n" + ModelFrameText("Box01", 10, QuotedTexture("wood.png")) + ModelFrameText("Box02", 20, "") +
            "AnimationSet Set0 {\n" + AnimationText("Box02", 3) + AnimationText("Box01", 2) + "}\n");
    Put("surfaces", "Surfaces.ini", ReadAll(game / "Surfaces.ini"));
    Put("script", "menu.txt",
        "# into box 1 and back\nframes 5\nmove 640 512\nclick\nkey ESCAPE down\nkey ESCAPE up\n"
        "expect g_screenState 0\nscreenshot menu.png\ndump state.json\n");
    Put("script", "drag.txt",
        "down left\nmove 100 200\nup left\nfocus lost\nfocus gained\nminimize\nrestore\ndevice lost\n"
        "device reset\nexpect g_drag.state 0\nexpect g_clearColor 0xFF44AFDC\nkey A down\nkey RETURN up\n");
}

// Settings as the game writes them: the defaults, and every value changed.
void SettingsFiles(const fs::path& scratch) {
    Settings changed;
    changed.resolutionIndex = 1;
    changed.fullscreen = false;
    changed.windowWidth = 1024;
    changed.windowHeight = 768;
    changed.music = false;
    changed.effects = false;
    std::string message;
    for (const auto& [name, settings] : {std::pair{"defaults.ini", Settings{}}, std::pair{"changed.ini", changed}}) {
        const fs::path path = scratch / name;
        if (!SaveSettings(path.string(), settings, message)) throw std::runtime_error(message);
        Put("settings", name, ReadAll(path));
    }
}

// The compiled catalogues of the build, and one cut inside its string tables.
void Catalogues(const fs::path& game) {
    for (const auto& entry : fs::directory_iterator(game / "locale")) {
        const std::string bytes = ReadAll(entry.path() / "LC_MESSAGES/stroylik.mo");
        Put("catalogue", entry.path().filename().string() + ".mo", bytes);
        Put("catalogue", entry.path().filename().string() + "-cut.mo", bytes.substr(0, bytes.size() / 2));
    }
}

// The children's list and a child's settings as the game writes them.
void ProfileFiles() {
    ProfileList two;
    two.profiles = {Profile{1, 3, "Маша"}, Profile{4, 12, ""}};
    two.current = 4;
    Put("profiles", "two.txt", FormatProfileList(two));
    ChildSettings child;
    child.hintAfterSeconds = 45;
    child.allLevelsOpen = true;
    Put("profiles", "child.ini", FormatChildSettings(child));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT\n", argv[0]);
        return 2;
    }
    const fs::path game = fs::absolute(STROYLIK_GAME_DIR);
    g_out = fs::absolute(argv[1]);
    const fs::path scratch = g_out / "scratch";
    try {
        fs::create_directories(scratch);
        PicturesSoundsAndText(game);
        LevelsAndSaves(game, scratch);
        KeptLevels(game);
        SettingsFiles(scratch);
        Catalogues(game);
        ProfileFiles();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz seeds: %s\n", e.what());
        return 1;
    }
    fs::current_path(g_out);
    fs::remove_all(scratch);
    return 0;
}
