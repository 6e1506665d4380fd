// The keep button of box 2's free-construction level: the three layers as built become a new
// level in my-levels/k2, by mouse or the K key; an unwritable folder is named and nothing kept.
#include "keep_probe.h"

#include "box2/box2_board.h"
#include "box2_mouse.h"
#include "platform/input.h"

namespace {

using namespace keepprobe;
using namespace progresstest;

std::vector<Origin> Box2Origins(const LayerCell (&layers)[LayerCount][GridSize][GridSize]) {
    std::vector<Origin> out;
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < GridSize; ++r)
            for (int c = 0; c < GridSize; ++c) {
                const LayerCell& cell = layers[k][r][c];
                if (cell.figure > 0 && cell.originCol == c && cell.originRow == r) out.emplace_back(k, cell.figure, c, r);
            }
    return out;
}

TEST(KeepTest, Box2LayersAreKeptByMouseAndByKAndAnUnwritableFolderIsNamed) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(EnterFreeLevel(game, 2));
    const auto cells = FirstTwoListed(g_paletteCells);
    ASSERT_EQ(cells.size(), 2u);
    auto drag = [&](std::pair<int, int> from, int col, int row) {
        game.Drag(from.second * 16 + 1 + 8, from.first * 16 + 705 + 8, g_fieldRect.left + 16 * col + 8, g_fieldRect.top + 16 * row + 8);
    };
    drag(cells[0], 4, 3);
    drag(cells[1], 12, 3);
    drag(cells[0], 4, 10);
    const std::vector<Origin> board = Box2Origins(g_buildLayers);
    ASSERT_EQ(board.size(), 3u);
    const auto free = Listings(g_paletteIds, g_paletteCounts, true);

    const std::string folder = MyLevelsFolder(2);
    fs::remove_all(folder);
    fs::create_directories(fs::path(folder).parent_path());
    WriteAll(folder, "a file where the folder should be");
    const std::string message = ClickKeep(game);
    EXPECT_NE(message.find(folder + "/puzzle-"), std::string::npos) << message;
    EXPECT_EQ(Dump("keepResult"), "3");
    EXPECT_EQ(ReadAll(folder), "a file where the folder should be");
    EXPECT_EQ(MyLevels(2).size(), 0u);

    fs::remove(folder);
    game.Key(plat::DIK::K, true);
    game.Frames(1);
    game.Key(plat::DIK::K, false);
    EXPECT_EQ(Dump("keepResult"), "1");
    const std::string name = KeptFileName();
    EXPECT_TRUE(IsPuzzleName(name)) << name;
    EXPECT_EQ(FilesIn(folder), 1);
    ExpectKeptLevel(
        2, name, board, free, loadlevels2, [] { return Box2Origins(g_sampleLayers); },
        [] { return Listings(g_paletteIds, g_paletteCounts, false); });
    SolveFromTheOverview(game, 2, name, box2mouse::BuildThePicture);
}

}  // namespace
