// Box 1 files: reading levels (overlaps, line ends, every kind of bad file), progress files,
// the position file, clearing a new game, and the export on the S key.
#include "test_box1_fixture.h"
#include "progress_test_util.h"

namespace {

TestLevel PictureLevel() {
    TestLevel level;
    level.buildCols = 6;
    level.sampleCols = 6;
    level.palette = {{1, 0, 0, 2}, {13, 0, 4, 1}, {21, 2, 0, 255}};
    level.sample = {{13, 0, 0}, {1, 2, 0}, {21, 0, 4}};
    return level;
}

class Box1FilesTest : public Box1Test {
protected:
    // Loads a level whose line `line` (1-based) is replaced by `text`; returns the message.
    std::string LoadWithLine(TestLevel level, int line, const std::string& text) {
        std::vector<std::string> lines = level.Lines();
        lines[static_cast<size_t>(line - 1)] = text;
        WriteLines("levels/k1/level1.ini", lines);
        g_currentLevel = 1;
        return LoadError();
    }
    static bool BoardIsEmpty() {
        for (int i = 0; i < PaletteRows; ++i)
            for (int j = 0; j < PaletteCols; ++j)
                if (g_box1PaletteIds[i][j] || g_box1PaletteCells[i][j].figure || g_box1PaletteCounts[i][j]) return false;
        for (int r = 0; r < FieldCells; ++r)
            for (int c = 0; c < FieldCells; ++c)
                if (g_box1Sample[r][c].figure || g_box1Build[r][c].figure) return false;
        return true;
    }
};

TEST_F(Box1FilesTest, LoadsHeaderPaletteAndSample) {
    Load(PictureLevel());
    const LevelInfo& info = g_levelInfo[1];
    EXPECT_EQ(info.headerValue, 7);
    EXPECT_EQ(info.layout, 2);
    EXPECT_EQ(info.buildCols, 6);
    EXPECT_EQ(info.sampleRows, 4);
    EXPECT_EQ(g_box1PaletteIds[0][4], 13);
    EXPECT_EQ(g_box1PaletteIds[0][5], 0) << "ids only at origins";
    EXPECT_EQ(g_box1PaletteCells[1][7].figure, 13);
    EXPECT_EQ(g_box1PaletteCells[1][7].originCol, 4);
    EXPECT_EQ(g_box1PaletteCells[5][1].figure, 21);
    EXPECT_EQ(g_box1PaletteCells[5][1].originRow, 2);
    EXPECT_EQ(g_box1PaletteCounts[2][0], 255);
    EXPECT_EQ(g_box1Sample[3][5].figure, 21);
    EXPECT_EQ(g_box1Sample[3][5].originCol, 4);
    EXPECT_EQ(g_box1Sample[1][3].figure, 13);
    EXPECT_EQ(g_box1Sample[3][1].figure, 1);
    EXPECT_EQ(g_box1Build[0][0].figure, 0) << "the field always starts empty";
    EXPECT_EQ(g_drag.state, DragIdle);
}

TEST_F(Box1FilesTest, BareLineFeedsAreAccepted) {
    TestLevel level = PictureLevel();
    level.lineEnd = "\n";
    Load(level);
    EXPECT_EQ(g_box1Sample[0][0].figure, 13);
    EXPECT_EQ(g_levelInfo[1].buildCols, 6);
}

TEST_F(Box1FilesTest, OverlapsInPaletteAndSample) {
    TestLevel level;
    // Palette: a block at (0,0) and a plank at (1,1): the later plank owns (1,1).
    level.palette = {{1, 0, 0, 1}, {13, 1, 1, 1}};
    // Sample: block at (0,0), block 2 at (1,1): the earlier block keeps (1,1), 2 is lost.
    level.sample = {{1, 0, 0}, {2, 1, 1}};
    Load(level);
    EXPECT_EQ(g_box1PaletteCells[1][1].figure, 13);
    EXPECT_EQ(g_box1PaletteCells[0][1].figure, 1);
    EXPECT_EQ(g_box1PaletteIds[0][0], 1);
    EXPECT_EQ(g_box1PaletteIds[1][1], 13) << "both ids stay";
    EXPECT_EQ(g_box1Sample[1][1].figure, 1);
    EXPECT_EQ(g_box1Sample[1][1].originCol, 0);
    EXPECT_EQ(g_box1Sample[2][2].figure, 0) << "the later sample figure is lost";
}

TEST_F(Box1FilesTest, BadValuesAreRejectedWithFileAndLine) {
    const TestLevel level = PictureLevel();
    struct Case {
        int line;
        std::string text;
        const char* why;
    };
    const Case cases[] = {
        {PaletteIdLine(3, 7), "29", "figure id beyond 28"},
        {PaletteIdLine(0, 30), "13", "wide figure reaching outside the palette"},
        {PaletteIdLine(5, 0), "1", "square figure below the last palette row"},
        {PaletteCountLine(1, 2), "256", "count beyond 255"},
        {PaletteCountLine(0, 0), "-1", "negative count"},
        {401, "3", "layout 3"},
        {402, "33", "build width 33"},
        {403, "0", "build height 0"},
        {404, "0", "sample width 0"},
        {SampleLine(0, 5, 6), "1", "sample figure reaching outside the sample"},
        {SampleLine(1, 0, 6), "-4", "negative sample id"},
        {PaletteIdLine(0, 3), "12a", "malformed number"},
        {PaletteCountLine(2, 2), "", "empty line"},
        {1, "99999999999", "number beyond 32 bits"},
    };
    for (const Case& c : cases) {
        g_levelInfo[1] = LevelInfo{};
        const std::string message = LoadWithLine(level, c.line, c.text);
        EXPECT_NE(message.find("level1.ini"), std::string::npos) << c.why << ": " << message;
        EXPECT_NE(message.find("line " + std::to_string(c.line) + ":"), std::string::npos) << c.why << ": " << message;
        EXPECT_TRUE(BoardIsEmpty()) << c.why;
        EXPECT_EQ(g_levelInfo[1].layout, 0) << c.why << ": nothing is stored from a bad file";
    }
}

TEST_F(Box1FilesTest, ShortAndMissingFilesAreReported) {
    std::vector<std::string> lines = PictureLevel().Lines();
    lines.resize(405);
    WriteLines("levels/k1/level1.ini", lines);
    std::string message = LoadError();
    EXPECT_NE(message.find("line 406"), std::string::npos) << message;
    EXPECT_NE(message.find("ends"), std::string::npos) << message;

    std::vector<std::string> full = PictureLevel().Lines();
    full.pop_back();   // the last separator of the sample is missing
    WriteLines("levels/k1/level1.ini", full);
    message = LoadError();
    EXPECT_NE(message.find("line " + std::to_string(full.size() + 1)), std::string::npos) << message;

    g_currentLevel = 9;
    message = LoadError();
    EXPECT_NE(message.find("level9.ini"), std::string::npos) << message;
    EXPECT_TRUE(BoardIsEmpty());
}

TEST_F(Box1FilesTest, LevelNumbersOutsideTheTableAreNeverUsed) {
    for (int level : {0, MaxLevel + 1, 500}) {
        g_currentLevel = level;
        const std::string message = LoadError();
        EXPECT_NE(message.find("level " + std::to_string(level)), std::string::npos) << message;
        SaveK1();
        savecurrlevel();
        Frame();
        EXPECT_EQ(g_levelDone, 0);
    }
    EXPECT_FALSE(std::filesystem::exists("k1.dat"));
    EXPECT_TRUE(std::filesystem::is_empty("save/k1"));
}

TEST_F(Box1FilesTest, PositionFileRoundTripAndBadNumbers) {
    g_currentLevel = 12;
    g_maxCompletedLevel = 11;
    savecurrlevel();
    EXPECT_EQ(ReadLines("k1.dat"), (std::vector<std::string>{"12", "11"}));
    g_currentLevel = g_maxCompletedLevel = 0;
    loadcurrlevel();
    EXPECT_EQ(g_currentLevel, 12);
    EXPECT_EQ(g_maxCompletedLevel, 11);

    for (const auto& [first, second, badLine] :
         {std::tuple{"0", "0", 1}, std::tuple{"500", "3", 1}, std::tuple{"4", "101", 2}, std::tuple{"x", "1", 1}}) {
        WriteLines("k1.dat", {first, second});
        g_currentLevel = 3;
        g_maxCompletedLevel = 2;
        try {
            loadcurrlevel();
            ADD_FAILURE() << first << " " << second << " was accepted";
        } catch (const GameFileError& e) {
            EXPECT_NE(std::string(e.what()).find("k1.dat\", line " + std::to_string(badLine)), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(g_currentLevel, 3);
        EXPECT_EQ(g_maxCompletedLevel, 2);
    }
    std::filesystem::remove("k1.dat");
    EXPECT_THROW(loadcurrlevel(), GameFileError);
}

TEST_F(Box1FilesTest, ProgressRoundTripRestoresPaletteAndField) {
    Load(PictureLevel());
    DragTo(0, 4, 0, 0);   // plank onto the field, its only copy leaves the palette
    DragTo(0, 0, 2, 0);   // one block of two
    ASSERT_EQ(g_box1Build[0][3].figure, 13);
    SaveK1();
    const std::vector<std::string> lines = ReadLines("save/k1/sk_1.dat");
    EXPECT_EQ(lines.size(), 961u + 3u * 4u * 6u);
    EXPECT_EQ(progresstest::CountStartingWith("save/k1", "sk_1.dat.tmp"), 0) << "no temporary left";

    int ids[PaletteRows][PaletteCols];
    CellRef cells[PaletteRows][PaletteCols], build[FieldCells][FieldCells];
    int counts[PaletteRows][PaletteCols];
    std::memcpy(ids, g_box1PaletteIds, sizeof ids);
    std::memcpy(cells, g_box1PaletteCells, sizeof cells);
    std::memcpy(counts, g_box1PaletteCounts, sizeof counts);
    std::memcpy(build, g_box1Build, sizeof build);
    loadlevels();   // the progress file is laid over the fresh level
    for (int i = 0; i < PaletteRows; ++i)
        for (int j = 0; j < PaletteCols; ++j) {
            EXPECT_EQ(g_box1PaletteIds[i][j], ids[i][j]);
            EXPECT_EQ(g_box1PaletteCells[i][j].figure, cells[i][j].figure);
            EXPECT_EQ(g_box1PaletteCells[i][j].originCol, cells[i][j].originCol);
            EXPECT_EQ(g_box1PaletteCounts[i][j], counts[i][j]);
        }
    for (int r = 0; r < FieldCells; ++r)
        for (int c = 0; c < FieldCells; ++c) {
            EXPECT_EQ(g_box1Build[r][c].figure, build[r][c].figure);
            EXPECT_EQ(g_box1Build[r][c].originRow, build[r][c].originRow);
        }
    EXPECT_EQ(g_box1PaletteCounts[0][0], 1);
    EXPECT_EQ(g_box1PaletteCells[0][4].figure, 0);
}

TEST_F(Box1FilesTest, BadProgressFileIsRejectedAndTheFreshLevelStays) {
    Load(PictureLevel());
    DragTo(0, 0, 0, 0);
    SaveK1();
    std::vector<std::string> lines = ReadLines("save/k1/sk_1.dat");
    // Line 962 is the first build cell's figure, 965 the second cell's.
    struct Case {
        int line;
        std::string text;
    };
    for (const Case& c : {Case{962, "40"}, Case{6, "300"}, Case{963, "32"}, Case{3, "x"}, Case{4, "-1"}}) {
        std::vector<std::string> bad = lines;
        bad[static_cast<size_t>(c.line - 1)] = c.text;
        WriteLines("save/k1/sk_1.dat", bad);
        const std::string message = LoadError();
        EXPECT_NE(message.find("sk_1.dat\", line " + std::to_string(c.line)), std::string::npos) << message;
        EXPECT_EQ(g_box1Build[0][0].figure, 0) << "the fresh level stays";
        EXPECT_EQ(g_box1PaletteCounts[0][0], 2);
    }
    std::vector<std::string> shortFile(lines.begin(), lines.begin() + 970);
    WriteLines("save/k1/sk_1.dat", shortFile);
    EXPECT_NE(LoadError().find("line 971"), std::string::npos);
}

TEST_F(Box1FilesTest, FailedLevelLoadNeverOverwritesProgress) {
    Load(PictureLevel());
    DragTo(0, 0, 0, 0);
    SaveK1();
    const std::vector<std::string> saved = ReadLines("save/k1/sk_1.dat");
    std::vector<std::string> broken = PictureLevel().Lines();
    broken[400] = "7";   // layout line
    WriteLines("levels/k1/level1.ini", broken);
    EXPECT_NE(LoadError(), "");
    SaveK1();
    EXPECT_EQ(ReadLines("save/k1/sk_1.dat"), saved);
}

TEST_F(Box1FilesTest, SaveCreatesTheFolderWhenMissing) {
    Load(PictureLevel());
    std::filesystem::remove_all("save");
    SaveK1();
    EXPECT_TRUE(std::filesystem::exists("save/k1/sk_1.dat"));
}

TEST_F(Box1FilesTest, ClearsaveKeepsThePositionFileAndOtherNames) {
    for (int n : {0, 1, 57, 300, 301}) WriteLines("save/k1/sk_" + std::to_string(n) + ".dat", {"1"});
    WriteLines("save/k1/notes.txt", {"keep"});
    WriteLines("k1.dat", {"3", "2"});
    clearsave();
    for (int n : {0, 1, 57, 300}) EXPECT_FALSE(std::filesystem::exists("save/k1/sk_" + std::to_string(n) + ".dat"));
    EXPECT_TRUE(std::filesystem::exists("save/k1/sk_301.dat"));
    EXPECT_TRUE(std::filesystem::exists("save/k1/notes.txt"));
    EXPECT_TRUE(std::filesystem::exists("k1.dat"));
}

TEST_F(Box1FilesTest, ExportWritesOriginsOnly) {
    TestLevel level;
    level.buildCols = level.sampleCols = 20;
    level.buildRows = level.sampleRows = 24;
    Load(level);
    CoverFieldCells(g_box1Build, 5, 1, 3);     // 2 x 2 at row 1, column 3
    CoverFieldCells(g_box1Build, 13, 21, 14);  // origin inside the window, reaching beyond it
    CoverFieldCells(g_box1Build, 1, 4, 16);    // origin beyond column 15
    CoverFieldCells(g_box1Build, 2, 22, 0);    // origin beyond row 21
    savemap();
    const std::vector<std::string> lines = ReadLines("levels/k1/Help_Save.ini");
    ASSERT_EQ(lines.size(), 374u);
    auto at = [&](int r, int c) { return lines[static_cast<size_t>(r * 17 + c)]; };
    EXPECT_EQ(at(1, 3), "5");
    EXPECT_EQ(at(1, 4), "0");
    EXPECT_EQ(at(2, 3), "0");
    EXPECT_EQ(at(2, 4), "0");
    EXPECT_EQ(at(21, 14), "13");
    int ids = 0, separators = 0;
    for (const std::string& line : lines) {
        if (line == "-----------------------------") ++separators;
        else if (line != "0") ++ids;
    }
    EXPECT_EQ(separators, 22);
    EXPECT_EQ(ids, 2);

    std::filesystem::remove("levels/k1/Help_Save.ini");
    g_screenState = ScreenBox2;
    savemap();
    EXPECT_FALSE(std::filesystem::exists("levels/k1/Help_Save.ini"));
}

}  // namespace
