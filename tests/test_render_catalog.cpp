// Reading the texture list, loading its sheets without a GPU, and which sheets the running
// game holds on each screen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/game_error.h"
#include "game_runner.h"
#include "platform/image.h"
#include "render/graphics.h"
#include "render/texture_catalog.h"

namespace {

class RenderCatalog : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("stroylik_cat_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        g_surfaces.clear();
        g_surfaceCount = 0;
        g_device.reset();
    }
    void TearDown() override {
        g_surfaces.clear();
        g_surfaceCount = 0;
        std::filesystem::remove_all(dir_);
    }
    std::string Write(const std::string& text) {
        const std::string path = (dir_ / "Surfaces.ini").string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string ErrorOf(const std::string& path) {
        try {
            LoadSurfacesIni(path);
        } catch (const GameFileError& e) {
            return e.what();
        }
        return std::string();
    }
    std::filesystem::path dir_;
};

TEST_F(RenderCatalog, EntriesTakeEveryThirdLineWhole) {
    LoadSurfacesIni(Write("2\r\na.dds\r\nx\r\ny\r\nb.dds\r\nx\r\ny\r\n"));
    ASSERT_EQ(g_surfaceCount, 2);
    ASSERT_EQ(g_surfaces.size(), 2u);
    EXPECT_EQ(g_surfaces[0].fileName, "a.dds");
    EXPECT_EQ(g_surfaces[1].fileName, "b.dds");
    EXPECT_EQ(g_surfaces[0].texture, nullptr);

    // Spaces belong to the name; lines after the last entry are not read; LF endings work too.
    LoadSurfacesIni(Write(" 1 \n./textures/my sheet.png \nnote\nnote\nextra.dds\n"));
    ASSERT_EQ(g_surfaceCount, 1);
    EXPECT_EQ(g_surfaces[0].fileName, "./textures/my sheet.png ");
}

TEST_F(RenderCatalog, ZeroAndShortLists) {
    LoadSurfacesIni(Write("0\r\n"));
    EXPECT_EQ(g_surfaceCount, 0);
    EXPECT_TRUE(g_surfaces.empty());
    InitSurfaces();   // nothing to do
    EXPECT_TRUE(g_surfaces.empty());

    // Three entries announced, one and a half present: the rest have empty names.
    LoadSurfacesIni(Write("3\r\na.dds\r\nx\r\ny\r\nb.dds"));
    ASSERT_EQ(g_surfaceCount, 3);
    EXPECT_EQ(g_surfaces[0].fileName, "a.dds");
    EXPECT_EQ(g_surfaces[1].fileName, "b.dds");
    EXPECT_EQ(g_surfaces[2].fileName, "");
}

TEST_F(RenderCatalog, BadCountsNameTheFileAndKeepTheOldCatalogue) {
    LoadSurfacesIni(Write("1\nkeep.dds\n\n\n"));
    const std::string missing = (dir_ / "nothing" / "Surfaces.ini").string();
    EXPECT_NE(ErrorOf(missing).find("Surfaces.ini"), std::string::npos);
    for (const char* text : {"", "abc\n", "-1\n", "2x\n", "99999999999\n", "1000000\n"}) {
        const std::string err = ErrorOf(Write(text));
        EXPECT_NE(err.find("Surfaces.ini"), std::string::npos) << "input " << text << " gave: " << err;
    }
    ASSERT_EQ(g_surfaceCount, 1);
    EXPECT_EQ(g_surfaces[0].fileName, "keep.dds");
}

TEST_F(RenderCatalog, SheetsLoadOnceWithoutADevice) {
    // A 2x1 uncompressed DDS.
    std::vector<uint8_t> dds(128 + 8, 0);
    auto put = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) dds[at + i] = uint8_t(v >> (8 * i));
    };
    put(0, 0x20534444);
    put(4, 124);
    put(12, 1);
    put(16, 2);
    put(76, 32);
    put(80, 0x40);
    put(88, 32);
    put(92, 0xFF0000);
    put(96, 0xFF00);
    put(100, 0xFF);
    const std::string sheet = (dir_ / "sheet.dds").string();
    std::ofstream(sheet, std::ios::binary).write(reinterpret_cast<const char*>(dds.data()), std::streamsize(dds.size()));

    LoadSurfacesIni(Write("2\n" + sheet + "\n\n\n" + (dir_ / "gone.dds").string() + "\n\n\n"));
    InitSurfaces();
    const plat::Texture* first = SurfaceTexture(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width(), 2);
    EXPECT_EQ(first->height(), 1);
    EXPECT_EQ(SurfaceTexture(1), nullptr);   // missing file: no texture, no crash
    InitSurfaces();
    EXPECT_EQ(SurfaceTexture(0), first);     // already loaded: kept, not reloaded
    EXPECT_EQ(SurfaceTexture(-1), nullptr);
    EXPECT_EQ(SurfaceTexture(2), nullptr);
}


// The intro holds the stars' sheet and its multisampled target; each later screen holds only
// the sheets it draws from. A sheet set aside and loaded again shows exactly what a fresh
// load after a device rebuild shows.
TEST(RenderSheets, EachScreenHoldsOnlyItsSheetsAndShowsThemAsAFreshLoadDoes) {
    const int main = 1 << SurfaceMain, menu = (1 << SurfaceMenu) | (1 << SurfaceAnimals), box1 = 1 << SurfaceBox1Figures;
    const int small = (1 << SurfaceCursor) | (1 << SurfacePen);
    GameRunner runner;
    const GameRun run = runner.Run(
        "frames 3\nexpect sheetsLoaded " + std::to_string(small | main) + "\nexpect multisampleTarget 1\n"
        "click\nframes 1\nexpect g_introActive 0\nexpect multisampleTarget 0\n"
        "expect sheetsLoaded " + std::to_string(small | main | menu) + "\n"
        "move 380 320\nclick\nframes 3\nexpect g_screenState 3\n"
        "move 500 220\nclick\nframes 3\nexpect g_screenState 1\n"
        "expect sheetsLoaded " + std::to_string(small | main | box1) + "\nscreenshot kept.png\n"
        "device reset\nframes 3\nexpect deviceRebuilds 1\n"
        "expect sheetsLoaded " + std::to_string(small | main | box1) + "\nscreenshot fresh.png\n");
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    plat::Image kept, fresh;
    std::string error;
    ASSERT_TRUE(plat::LoadImageFile(runner.Path("kept.png"), kept, error)) << error;
    ASSERT_TRUE(plat::LoadImageFile(runner.Path("fresh.png"), fresh, error)) << error;
    EXPECT_TRUE(kept.pixels == fresh.pixels);
}

}  // namespace
