// Box 2 files: loading levels (and refusing bad ones with file and line), progress files,
// the level pointer, clearing saves and the level export.
#include "test_box2_fixture.h"

#include <algorithm>

#include "box2/box2_level_file.h"
#include "progress_test_util.h"

namespace {

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

std::string ErrorOf(void (*operation)()) {
    try {
        operation();
    } catch (const GameFileError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST_F(Box2Test, LoadExpandsPaletteAndSampleExtents) {
    Box2TestLevel level;
    level.palette = {{85, 0, 0, 1}, {1, 2, 3, 4}, {-7, 5, 5, 2}};   // 1 overlaps 85's extent
    level.sample = {{1, 133, 0, 0}, {1, 1, 2, 2}, {3, -2, 5, 5}};    // 1's origin lies inside 133's extent
    Load(level);
    EXPECT_EQ(g_paletteIds[0][0], 85);
    EXPECT_EQ(g_paletteIds[1][1], 0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool later = r >= 2 && c == 3;   // cells figure 1 took over
            EXPECT_EQ(g_paletteCells[r][c].figure, later ? 1 : 85) << r << "," << c;
        }
    EXPECT_EQ(g_paletteCells[3][4].originCol, 3);
    EXPECT_EQ(g_paletteIds[5][5], -7);
    EXPECT_EQ(g_paletteCells[5][5].figure, 0);
    EXPECT_EQ(g_paletteCounts[2][3], 4);
    // Sample: 133 covers rows/cols 0..3 except the origin of figure 1 at (2, 2).
    const LayerCell& covered = g_sampleLayers[0][3][3];
    EXPECT_EQ(covered.figure, 133);
    EXPECT_EQ(covered.originCol, 0);
    EXPECT_EQ(g_sampleLayers[0][2][2].figure, 1);
    EXPECT_EQ(g_sampleLayers[0][2][2].originRow, 2);
    // An empty cell carries its own position; a negative value is stored, not expanded.
    EXPECT_EQ(g_sampleLayers[0][4][5].figure, 0);
    EXPECT_EQ(g_sampleLayers[0][4][5].originCol, 5);
    EXPECT_EQ(g_sampleLayers[0][4][5].originRow, 4);
    EXPECT_EQ(g_sampleLayers[2][5][5].figure, -2);
    EXPECT_EQ(g_sampleLayers[2][5][4].figure, 0);
    EXPECT_EQ(g_levelInfo[1].headerValue, 5);
    EXPECT_EQ(g_levelInfo[1].buildCols, 6);
    EXPECT_EQ(MaskCount(), 0);
}

TEST_F(Box2Test, BadLevelFilesAreRefusedWithFileAndLine) {
    struct Case {
        int line;
        std::string text;
        const char* why;
    };
    const int sizeLine = Box2SizeLine(0);
    const Case cases[] = {
        {Box2PaletteIdLine(0, 5), "163", "figure id beyond the table"},
        {Box2PaletteIdLine(19, 78), "1", "palette figure reaching out of the strip"},
        {Box2PaletteIdLine(3, 2), "12a", "not an integer"},
        {sizeLine + 1, "65", "build field too wide"},
        {sizeLine + 2, "43", "build field too tall"},
        {sizeLine + 4, "0", "sample field of no rows"},
        {sizeLine + 8, "200", "sample figure id beyond the table"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = Box2TestLevel{}.Lines();
        lines[c.line - 1] = c.text;
        WriteTextLines("levels/k2/level1.ini", lines);
        g_levelInfo[1] = LevelInfo{};
        g_currentLevel = 1;
        const std::string message = LoadError();
        EXPECT_NE(message.find("level1.ini"), std::string::npos) << c.why << ": " << message;
        EXPECT_NE(message.find("line " + std::to_string(c.line)), std::string::npos) << c.why << ": " << message;
        EXPECT_EQ(g_levelInfo[1].buildCols, 0) << c.why;
        EXPECT_EQ(g_paletteIds[0][0], 0) << c.why;
    }
    // A sample figure whose extent leaves the 64 x 64 grid.
    Box2TestLevel wide;
    wide.sampleCols = 64;
    wide.sample = {{1, 85, 0, 62}};
    WriteLevel(1, wide);
    EXPECT_NE(LoadError().find("outside the 64 x 64"), std::string::npos);
    // A short file and a missing level, and level numbers outside 1..100.
    std::vector<std::string> lines = Box2TestLevel{}.Lines();
    lines.resize(300);
    WriteTextLines("levels/k2/level1.ini", lines);
    EXPECT_NE(LoadError().find("line 301"), std::string::npos);
    g_currentLevel = 9;
    EXPECT_NE(LoadError().find("level9.ini"), std::string::npos);
    g_currentLevel = 101;
    EXPECT_NE(LoadError().find("101"), std::string::npos);
    g_currentLevel = 0;
    EXPECT_FALSE(LoadError().empty());
}

TEST_F(Box2Test, SaveAndLoadRoundTripIsByteExact) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, 3}, {91, 0, 4, 255}, {109, 6, 20, -1}};
    level.sample = {{1, 1, 5, 5}};
    Load(level, 4);
    g_maxCompletedLevel = 3;
    Mask().Dot(91, 40, 10);
    PaletteToField(0, 0, 0, 0);
    PaletteToField(0, 4, 1, 1);
    ASSERT_EQ(g_paletteCounts[0][0], 2);
    ASSERT_GT(MaskCount(), 0);
    std::filesystem::remove_all("save");   // the folder is made when missing
    SaveK2();
    const std::string first = ReadWhole("save/k2/sk_4.dat");
    EXPECT_EQ(CountLines(first), 925159);
    EXPECT_EQ(progresstest::CountStartingWith("save/k2", "sk_4.dat.tmp"), 0) << "no temporary left";

    // Remember the board, reload (the save is applied), compare, save again.
    static LayerCell layers[3][64][64];
    std::memcpy(layers, g_buildLayers, sizeof layers);
    static uint8_t mask[1240][700];
    std::memcpy(mask, g_pixelMask, sizeof mask);
    static int32_t counts[20][80];
    std::memcpy(counts, g_paletteCounts, sizeof counts);
    loadlevels2();
    EXPECT_EQ(std::memcmp(mask, g_pixelMask, sizeof mask), 0);
    EXPECT_EQ(std::memcmp(counts, g_paletteCounts, sizeof counts), 0);
    EXPECT_EQ(std::memcmp(layers, g_buildLayers, sizeof layers), 0);
    EXPECT_EQ(g_paletteCounts[0][0], 2);
    SaveK2();
    EXPECT_EQ(ReadWhole("save/k2/sk_4.dat"), first);
}

TEST_F(Box2Test, SavedSizesWinAndBadSavesAreRefused) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, 3}};
    Load(level, 2);
    g_levelInfo[2].buildCols = 9;
    SaveK2();
    loadlevels2();
    EXPECT_EQ(g_levelInfo[2].buildCols, 9);

    // A mask value of 2 on line 10: refused, the board stays as the level file made it.
    const std::string good = ReadWhole("save/k2/sk_2.dat");
    std::string bad = good;
    size_t pos = 0;
    for (int line = 1; line < 10; ++line) pos = bad.find('\n', pos) + 1;
    bad[pos] = '2';
    {
        std::ofstream out("save/k2/sk_2.dat", std::ios::binary | std::ios::trunc);
        out << bad;
    }
    const std::string message = LoadError();
    EXPECT_NE(message.find("sk_2.dat"), std::string::npos) << message;
    EXPECT_NE(message.find("line 10"), std::string::npos) << message;
    EXPECT_EQ(g_levelInfo[2].buildCols, 6);   // the level file's value
    EXPECT_EQ(MaskCount(), 0);

    // A figure id beyond the table in the build layers.
    bad = good;
    pos = 0;
    for (int line = 1; line < 868000 + 1 + 2; ++line) pos = bad.find('\n', pos) + 1;
    bad.replace(pos, 1, "170");
    {
        std::ofstream out("save/k2/sk_2.dat", std::ios::binary | std::ios::trunc);
        out << bad;
    }
    EXPECT_NE(LoadError().find("line 868003"), std::string::npos);
}

TEST_F(Box2Test, LevelPointerFile) {
    g_currentLevel = 7;
    g_maxCompletedLevel = 6;
    savecurrlevel2();
    EXPECT_EQ(ReadWhole("k2.dat"), "7\r\n6\r\n");
    g_currentLevel = g_maxCompletedLevel = 0;
    loadcurrlevel2();
    EXPECT_EQ(g_currentLevel, 7);
    EXPECT_EQ(g_maxCompletedLevel, 6);
    {
        std::ofstream out("k2.dat", std::ios::binary | std::ios::trunc);
        out << "101\r\n3\r\n";
    }
    const std::string message = ErrorOf(loadcurrlevel2);
    EXPECT_NE(message.find("k2.dat"), std::string::npos);
    EXPECT_NE(message.find("line 1"), std::string::npos);
    EXPECT_EQ(g_currentLevel, 7);
}

TEST_F(Box2Test, ClearSaveRemovesEveryLevelSave) {
    for (int n : {0, 1, 57, 300}) std::ofstream("save/k2/sk_" + std::to_string(n) + ".dat") << "1\r\n";
    std::ofstream("save/k2/sk_301.dat") << "1\r\n";
    clearsave2();
    for (int n : {0, 1, 57, 300}) EXPECT_FALSE(std::filesystem::exists("save/k2/sk_" + std::to_string(n) + ".dat"));
    EXPECT_TRUE(std::filesystem::exists("save/k2/sk_301.dat"));
    clearsave2();   // nothing left to delete: no complaint
}

TEST_F(Box2Test, ExportOfAnEmptyFieldIsOneCell) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, 2}};
    Load(level);
    savemap2();
    std::vector<std::string> lines;
    {
        std::ifstream in("levels/k2/Help_Save.ini", std::ios::binary);
        for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.size() - 1));
    }
    const int sizes = Box2SizeLine(0) - 1;
    ASSERT_GT(lines.size(), static_cast<size_t>(sizes + 12));
    EXPECT_EQ(lines[sizes], "2");
    EXPECT_EQ(lines[sizes + 1], "1");
    EXPECT_EQ(lines[sizes + 2], "1");
    EXPECT_EQ(lines[sizes + 6], "figurs");
    EXPECT_EQ(lines[sizes + 7], "0");
    EXPECT_EQ(lines[sizes + 9], "dub_pole//////////////////////////////////////");
    EXPECT_EQ(lines.size(), static_cast<size_t>(sizes + 6 + 1 + 3 * 2 + 2));
    // It loads as a level.
    std::filesystem::copy_file("levels/k2/Help_Save.ini", "levels/k2/level2.ini");
    g_currentLevel = 2;
    loadlevels2();
    EXPECT_EQ(g_levelInfo[2].sampleCols, 1);
    EXPECT_EQ(g_paletteIds[0][0], 1);
}

TEST_F(Box2Test, ExportedPictureLoadsBackAsItsSample) {
    Box2TestLevel level;
    level.buildCols = level.buildRows = 10;
    level.palette = {{1, 0, 0, 255}, {61, 0, 3, 255}, {133, 0, 6, 2}};
    level.sample = {{1, 1, 4, 4}};   // a picture this test does not build
    Load(level);
    Mask().Shape(133, [](int px, int py) { return !(px >= 16 && px < 48 && py >= 16 && py < 48); });
    Mask().Dot(61, 20, 20);
    // A wall with a small figure in the top layer over it, and a block below, away from the corner.
    PaletteToField(0, 6, 2, 3);
    PaletteToField(0, 3, 3, 4);
    PaletteToField(0, 0, 6, 3);
    ASSERT_EQ(g_buildLayers[0][2][3].figure, 133);
    ASSERT_EQ(g_buildLayers[2][3][4].figure, 61);
    ASSERT_EQ(g_buildLayers[0][6][3].figure, 1);
    savemap2();
    const std::string once = ReadWhole("levels/k2/Help_Save.ini");
    savemap2();   // holding S: the same file again
    EXPECT_EQ(ReadWhole("levels/k2/Help_Save.ini"), once);

    static LayerCell built[3][64][64];
    std::memcpy(built, g_buildLayers, sizeof built);
    std::filesystem::copy_file("levels/k2/Help_Save.ini", "levels/k2/level2.ini");
    g_currentLevel = 2;
    loadlevels2();
    const LevelInfo& info = g_levelInfo[2];
    EXPECT_EQ(info.layout, 2);
    EXPECT_EQ(info.buildCols, 4);   // columns 3..6
    EXPECT_EQ(info.buildRows, 6);   // rows 2..7
    EXPECT_EQ(info.sampleCols, info.buildCols);
    EXPECT_EQ(info.freeBuild, 0);
    EXPECT_EQ(g_paletteCounts[0][6], 2);   // the copy on the field is counted again
    for (int k = 0; k < 3; ++k)
        for (int r = 0; r < info.sampleRows; ++r)
            for (int c = 0; c < info.sampleCols; ++c) {
                const LayerCell& b = built[k][r + 2][c + 3];
                const bool origin = b.figure > 0 && b.originCol == c + 3 && b.originRow == r + 2;
                const LayerCell& s = g_sampleLayers[k][r][c];
                if (origin) {
                    EXPECT_EQ(s.figure, b.figure);
                    EXPECT_EQ(s.originCol, c);
                    EXPECT_EQ(s.originRow, r);
                } else {
                    EXPECT_FALSE(s.figure > 0 && s.originCol == c && s.originRow == r);
                }
            }
}

TEST_F(Box2Test, FailedLevelLoadNeverOverwritesProgress) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, 3}};
    level.sample = {{1, 1, 4, 4}};   // an unsolved picture, so drops are taken
    Load(level, 2);
    PaletteToField(0, 0, 0, 0);
    ASSERT_EQ(g_buildLayers[0][0][0].figure, 1);
    SaveK2();
    const std::string saved = ReadWhole("save/k2/sk_2.dat");
    // The level file breaks: the load fails and leaves an empty board behind.
    std::vector<std::string> broken = level.Lines();
    broken[Box2SizeLine(1) - 1] = "65";   // build field width
    WriteTextLines("levels/k2/level2.ini", broken);
    EXPECT_NE(LoadError(), "");
    EXPECT_EQ(g_buildLayers[0][0][0].figure, 0);
    SaveK2();   // leaving the level (next, previous or back to the menu)
    EXPECT_EQ(ReadWhole("save/k2/sk_2.dat"), saved);
}
