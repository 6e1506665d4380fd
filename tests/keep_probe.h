#pragma once
// The keep button as the tests drive it: the free level of a box, a click on the button, and
// the kept level read back by the game and compared with the board that was built.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "box1/box1.h"
#include "box2/box2.h"
#include "core/keep_result.h"
#include "core/my_levels.h"
#include "core/profiles.h"
#include "core/state_dump.h"
#include "hint_probe.h"
#include "menus/level_overview.h"
#include "progress_test_util.h"
#include "render/keep_art.h"

namespace keepprobe {

using namespace progresstest;

// A figure's origin on a board: {layer, figure, col, row}.
using Origin = std::tuple<int, int, int, int>;

inline std::string Dump(const std::string& name) {
    std::string value;
    EXPECT_TRUE(BuildStateDump().Lookup(name, value)) << name;
    return value;
}

inline void EnterFreeLevel(GameDriver& game, int box) {
    ASSERT_EQ(EnterBox(game, box, false), "");
    g_maxCompletedLevel = MaxLevel - 1;
    g_currentLevel = MaxLevel;
    box == 1 ? loadlevels() : loadlevels2();
    ASSERT_EQ(CurrentLevelInfo()->freeBuild, 1);
    game.Frame();
}

inline std::string ClickKeep(GameDriver& game) { return ClickForMessage(game, KeepButtonX + 22, KeepButtonY + 22); }

// figure -> {palette row, col, count} of every listing.
template <int Rows, int Cols>
std::map<int, std::vector<int>> Listings(const int32_t (&ids)[Rows][Cols], const int32_t (&counts)[Rows][Cols], bool firstOnly) {
    std::map<int, std::vector<int>> out;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            if (ids[r][c] > 0 && !(firstOnly && out.count(ids[r][c]))) out[ids[r][c]] = {r, c, counts[r][c]};
    return out;
}

// The kept level as the game plays it, loaded with `load`: its sample is the board moved by the
// margin, its palette lists each used figure once, where the free level listed it first, with
// its copies. `sample` and `palette` read the board after the load.
template <typename Load, typename Sample, typename Palette>
void ExpectKeptLevel(int box, const std::string& name, const std::vector<Origin>& board, const std::map<int, std::vector<int>>& free,
                     Load load, Sample sample, Palette palette) {
    int minCol = 99, minRow = 99;
    for (const auto& [layer, figure, col, row] : board) minCol = std::min(minCol, col), minRow = std::min(minRow, row);
    std::vector<Origin> moved;
    std::map<int, std::vector<int>> expected;
    for (const auto& [layer, figure, col, row] : board) {
        moved.emplace_back(layer, figure, col - minCol + 1, row - minRow + 1);
        expected[figure] = {free.at(figure)[0], free.at(figure)[1], expected[figure].empty() ? 1 : expected[figure][2] + 1};
    }
    g_currentLevel = MyLevelNumber(box, name);
    ASSERT_GT(g_currentLevel, MaxLevel) << name;
    load();
    const LevelInfo& info = *CurrentLevelInfo();
    EXPECT_EQ(std::vector<int>({info.headerValue, info.layout, info.freeBuild, info.buildCols, info.buildRows}),
              std::vector<int>({CurrentProfile() ? CurrentProfile()->picture : 0, 2, 0, info.sampleCols, info.sampleRows}));
    EXPECT_EQ(sample(), moved);
    EXPECT_EQ(palette(), expected);
}

// Back to the menu, into the box again, the kept puzzle's tile on the own page clicked, its
// picture built by mouse with `build`, and the click after it: the game is on the start screen
// again with the puzzle solved.
template <typename Build>
void SolveFromTheOverview(GameDriver& game, int box, const std::string& name, Build build) {
    game.MoveTo(1250, 20);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);
    ASSERT_EQ(ClickForMessage(game, box == 1 ? Box1X : Box2X, box == 1 ? Box1Y : Box2Y), "");
    const int32_t level = MyLevelNumber(box, name);
    ShowOverviewPageOf(level);
    ASSERT_EQ(OverviewPage(), OverviewFirstMyPage());
    for (const OverviewTile& tile : OverviewTiles())
        if (tile.level == level) game.MoveTo(tile.x + tile.w / 2, tile.y + tile.h / 2);
    game.Click();
    ASSERT_EQ(g_screenState, box == 1 ? ScreenBox1 : ScreenBox2);
    ASSERT_EQ(g_currentLevel, level);
    game.Frame();
    ASSERT_NO_FATAL_FAILURE(build(game));
    game.Frames(3);
    ASSERT_EQ(g_levelDone, 1) << name << " is solved by its picture";
    game.Click();
    game.Frames(2);
    EXPECT_EQ(g_screenState, box == 1 ? ScreenBox1Start : ScreenBox2Start);
    EXPECT_EQ(OverviewTileState(level), TileSolved);
}

// The palette cells of the first two figures listed, as {row, col}.
template <int Rows, int Cols>
std::vector<std::pair<int, int>> FirstTwoListed(const CellRef (&cells)[Rows][Cols]) {
    std::vector<std::pair<int, int>> out;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            if (out.size() < 2 && cells[r][c].figure > 0 && cells[r][c].originCol == c && cells[r][c].originRow == r) out.emplace_back(r, c);
    return out;
}

inline bool IsPuzzleName(const std::string& name) { return std::regex_match(name, std::regex(R"(puzzle-\d{8}-\d{6}(-\d+)?\.ini)")); }

inline long FilesIn(const std::string& folder) {
    return fs::is_directory(folder) ? std::distance(fs::directory_iterator(folder), fs::directory_iterator()) : 0;
}

}  // namespace keepprobe
