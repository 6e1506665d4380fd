// The keep button of box 1's free-construction level: a board built by mouse becomes a new
// level in my-levels/k1, read back and played by the game's own reader, never over another file.
#include "keep_probe.h"

#include "box1/box1_board.h"
#include "box1_mouse.h"

namespace {

using namespace keepprobe;
using namespace progresstest;

std::vector<Origin> Box1Origins(const CellRef (&grid)[FieldCells][FieldCells]) {
    std::vector<Origin> out;
    for (int r = 0; r < FieldCells; ++r)
        for (int c = 0; c < FieldCells; ++c)
            if (grid[r][c].figure > 0 && grid[r][c].originCol == c && grid[r][c].originRow == r) out.emplace_back(0, grid[r][c].figure, c, r);
    return out;
}

TEST(KeepTest, Box1BoardBuiltByMouseIsKeptTwiceAsNewLevelsAndAnEmptyOneNever) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(EnterFreeLevel(game, 1));
    const std::string folder = MyLevelsFolder(1);
    EXPECT_EQ(ClickKeep(game), "");
    EXPECT_EQ(Dump("keepResult"), "2");
    EXPECT_EQ(FilesIn(folder), 0) << "an empty board is not kept";

    const auto cells = FirstTwoListed(g_box1PaletteCells);
    ASSERT_EQ(cells.size(), 2u);
    auto drag = [&](std::pair<int, int> p, int c, int r) {
        game.Drag(PaletteLeft + 32 * p.second + 16, PaletteTop + 32 * p.first + 16, g_fieldRect.left + 32 * c + 16, g_fieldRect.top + 32 * r + 16);
    };
    drag(cells[0], 2, 3);
    drag(cells[1], 6, 3);
    drag(cells[0], 2, 7);
    const std::vector<Origin> board = Box1Origins(g_box1Build);
    ASSERT_EQ(board.size(), 3u);
    const auto free = Listings(g_box1PaletteIds, g_box1PaletteCounts, true);

    EXPECT_EQ(ClickKeep(game), "");
    EXPECT_EQ(Dump("keepResult"), "1");
    const std::string name = KeptFileName();
    EXPECT_TRUE(IsPuzzleName(name)) << name;
    EXPECT_EQ(Dump("keptFile"), name);
    EXPECT_NE(Dump("myLevels").find("{\"box\":1,\"file\":\"" + name + "\""), std::string::npos) << Dump("myLevels");
    game.Frames(2 * FramesPerSecond + 2);
    EXPECT_EQ(Dump("keepResult"), "0");

    EXPECT_EQ(ClickKeep(game), "");
    const std::string second = KeptFileName();
    EXPECT_NE(second, name);
    EXPECT_EQ(FilesIn(folder), 2) << "no temporary file is left";
    EXPECT_EQ(ReadAll(folder + "/" + name), ReadAll(folder + "/" + second)) << "the same board, the same level";
    ExpectKeptLevel(
        1, name, board, free, loadlevels, [] { return Box1Origins(g_box1Sample); },
        [] { return Listings(g_box1PaletteIds, g_box1PaletteCounts, false); });
    SolveFromTheOverview(game, 1, second, BuildThePicture);
}

}  // namespace
