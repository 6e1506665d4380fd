// Pictures per language: the generator's banner sheet of every listed language, and the
// catalogue loading the chosen language's copy or, without one, the Russian original.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

#include "core/paths.h"
#include "gen_art_parts.h"
#include "platform/image.h"
#include "render/graphics.h"
#include "render/texture_catalog.h"

namespace {

std::vector<std::string> ListedLanguages() {
    std::ifstream in(std::string(STROYLIK_SOURCE_DIR) + "/po/LINGUAS");
    std::vector<std::string> codes;
    std::string line, code;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#') continue;
        std::istringstream words(line);
        while (words >> code) codes.push_back(code);
    }
    return codes;
}

plat::Image Sheet(const std::string& relative) {
    plat::Image image;
    std::string error;
    EXPECT_TRUE(plat::LoadImageFile(std::string(STROYLIK_GAME_DIR) + "/" + relative, image, error)) << error;
    return image;
}

// Whether the two sheets agree on every pixel of the columns [x0, x1).
bool SameColumns(const plat::Image& a, const plat::Image& b, int x0, int x1) {
    for (int y = 0; y < a.height; ++y)
        for (int x = x0; x < x1; ++x) {
            const size_t at = static_cast<size_t>(y) * a.width + x;
            if (a.pixels[at] != b.pixels[at]) return false;
        }
    return true;
}

// The menu sheet keeps the box pictures left of column 517 and the banners right of 521.
TEST(PictureLanguage, EveryListedLanguageHasItsOwnBannersOnAnOtherwiseEqualSheet) {
    const std::vector<std::string> codes = ListedLanguages();
    ASSERT_FALSE(codes.empty()) << "po/LINGUAS lists no language";
    const plat::Image russian = Sheet("textures/menu.png");
    ASSERT_GT(russian.width, 521);
    for (const std::string& code : codes) {
        SCOPED_TRACE(code);
        const plat::Image own = Sheet("textures/lang/" + code + "/menu.png");
        ASSERT_EQ(own.width, russian.width);
        ASSERT_EQ(own.height, russian.height);
        EXPECT_TRUE(SameColumns(own, russian, 0, 517));
        EXPECT_FALSE(SameColumns(own, russian, 521, own.width));
    }
}

class PictureLanguageLoad : public ::testing::Test {
protected:
    void SetUp() override {
        g_device.reset();   // recorder sheets: read from the files, sizes kept
        SetGameDir(STROYLIK_GAME_DIR);
        LoadSurfacesIni("Surfaces.ini");
    }
    void TearDown() override {
        SetPictureLanguage("");
        g_surfaces.clear();
        g_surfaceCount = 0;
        SetGameDir("");
    }
};

TEST_F(PictureLanguageLoad, ChosenLanguageSheetElseTheRussianOne) {
    const std::vector<std::string> codes = ListedLanguages();
    ASSERT_FALSE(codes.empty());
    SetPictureLanguage(codes.front());
    InitSurfaces();
    const TSurfaces& menu = g_surfaces[SurfaceMenu];
    EXPECT_EQ(menu.loadedFrom, "./textures/lang/" + codes.front() + "/menu.png");
    ASSERT_NE(SurfaceTexture(SurfaceMenu), nullptr);
    // Sheets without words have no copies and stay as they were loaded.
    const plat::Texture* mainSheet = SurfaceTexture(SurfaceMain);
    ASSERT_NE(mainSheet, nullptr);
    EXPECT_EQ(g_surfaces[SurfaceMain].loadedFrom, g_surfaces[SurfaceMain].fileName);

    // A language the game has no pictures for, and codes that would leave the folder.
    for (const char* code : {"xx", "../lang/en", ""}) {
        SCOPED_TRACE(code);
        SetPictureLanguage(code);
        ASSERT_NE(SurfaceTexture(SurfaceMenu), nullptr);
        EXPECT_EQ(menu.loadedFrom, menu.fileName);
        EXPECT_EQ(SurfaceTexture(SurfaceMain), mainSheet);
    }
}

}  // namespace

namespace {

// The continue plate as the generator draws it: 1030 x 178 pixels, words designed at 104.
TEST(BannerFit, LongerWordsAreSetSmallerAndTooLongOnesStopTheBuild) {
    const int room = gen::BannerTextWidth(1030, 178);
    EXPECT_EQ(gen::FitBannerSize("Продолжить игру", 104, room), 104);
    // Two fifths longer, as a wordier language would have it.
    const int smaller = gen::FitBannerSize("Продолжить игру дальше", 104, room);
    EXPECT_LT(smaller, 104);
    EXPECT_GE(smaller, 63);
    try {
        gen::FitBannerSize("Продолжить начатую игру с того же места", 104, room);
        ADD_FAILURE() << "a text that cannot fit was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Продолжить начатую игру"), std::string::npos) << e.what();
    }
}

}  // namespace
