// The keep button of box 1's free-construction level: a board built by mouse becomes a new
// level in my-levels/k1, read back and played by the game's own reader, never over another file.
#include "keep_probe.h"

#include "box1/box1_board.h"

namespace {

using namespace keepprobe;
using namespace progresstest;

std::vector<Origin> Box1Origins(const CellRef (&grid)[FieldCells][FieldCells], int dc, int dr) {
    std::vector<Origin> out;
    for (int r = 0; r < FieldCells; ++r)
        for (int c = 0; c < FieldCells; ++c)
            if (grid[r][c].figure > 0 && grid[r][c].originCol == c && grid[r][c].originRow == r)
                out.emplace_back(0, grid[r][c].figure, c + dc, r + dr);
    return out;
}

const std::vector<Origin>& Box1Sample() {
    static std::vector<Origin> s;
    return s = Box1Origins(g_box1Sample, 0, 0);
}
const std::map<int, std::vector<int>>& Box1Palette() {
    static std::map<int, std::vector<int>> p;
    return p = Listings(g_box1PaletteIds, g_box1PaletteCounts, false);
}
// The first two figures the free palette lists, by their origin cells.
std::vector<std::pair<int, int>> FirstTwoBox1() {
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < PaletteRows && cells.size() < 2; ++i)
        for (int j = 0; j < PaletteCols && cells.size() < 2; ++j)
            if (g_box1PaletteCells[i][j].figure > 0 && g_box1PaletteCells[i][j].originCol == j && g_box1PaletteCells[i][j].originRow == i)
                cells.emplace_back(i, j);
    return cells;
}

TEST(KeepTest, Box1BoardBuiltByMouseIsKeptTwiceAsNewLevelsAndAnEmptyOneNever) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(EnterFreeLevel(game, 1));
    const std::string folder = MyLevelsFolder(1);
    EXPECT_EQ(ClickKeep(game), "");
    EXPECT_EQ(Dump("keepResult"), "2");
    EXPECT_EQ(FilesIn(folder), 0u) << "an empty board is not kept";

    const auto cells = FirstTwoBox1();
    ASSERT_EQ(cells.size(), 2u);
    auto drag = [&](std::pair<int, int> from, int col, int row) {
        game.Drag(PaletteLeft + 32 * from.second + 16, PaletteTop + 32 * from.first + 16, g_fieldRect.left + 32 * col + 16,
                  g_fieldRect.top + 32 * row + 16);
    };
    drag(cells[0], 2, 3);
    drag(cells[1], 6, 3);
    drag(cells[0], 2, 7);
    const std::vector<Origin> board = Box1Origins(g_box1Build, 0, 0);
    ASSERT_EQ(board.size(), 3u);
    const auto free = Listings(g_box1PaletteIds, g_box1PaletteCounts, true);

    EXPECT_EQ(ClickKeep(game), "");
    EXPECT_EQ(Dump("keepResult"), "1");
    const std::string name = KeptFileName();
    EXPECT_TRUE(IsPuzzleName(name)) << name;
    EXPECT_EQ(Dump("keptFile"), name);
    EXPECT_NE(Dump("myLevels").find("{\"box\":1,\"file\":\"" + name + "\""), std::string::npos) << Dump("myLevels");
    game.Frame();
    EXPECT_EQ(DrawsFromMainSheet(KeepSheetLeft(KeepLookKept), KeepSheetY), 1);
    game.Frames(2 * FramesPerSecond + 2);
    EXPECT_EQ(Dump("keepResult"), "0");
    EXPECT_EQ(DrawsFromMainSheet(KeepSheetLeft(KeepLookKept), KeepSheetY), 0);

    EXPECT_EQ(ClickKeep(game), "");
    const std::string second = KeptFileName();
    EXPECT_NE(second, name);
    EXPECT_TRUE(IsPuzzleName(second)) << second;
    EXPECT_EQ(FilesIn(folder), 2u) << "no temporary file is left";
    EXPECT_EQ(ReadAll(folder + "/" + name), ReadAll(folder + "/" + second)) << "the same board, the same level";
    ExpectKeptLevel(1, name, board, free, loadlevels, Box1Sample, Box1Palette);
}

}  // namespace
