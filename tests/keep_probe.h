#pragma once
// The keep button as the tests drive it: the free level of a box, a click on the button, and
// the kept level read back by the game and compared with the board that was built.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "progress_test_util.h"
#include "render/graphics.h"
#include "render/keep_art.h"
#include "render/texture_catalog.h"

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

inline int MakerPicture() { return CurrentProfile() ? CurrentProfile()->picture : 0; }

// figure -> {palette row, col, count} of every listing.
template <int Rows, int Cols>
std::map<int, std::vector<int>> Listings(const int32_t (&ids)[Rows][Cols], const int32_t (&counts)[Rows][Cols], bool firstOnly) {
    std::map<int, std::vector<int>> out;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            if (ids[r][c] > 0 && !(firstOnly && out.count(ids[r][c]))) out[ids[r][c]] = {r, c, counts[r][c]};
    return out;
}

// The kept level as the game plays it: its sample is the board moved by the margin, its
// palette lists each used figure once, where the free level listed it first, with its copies.
template <typename Load>
void ExpectKeptLevel(int box, const std::string& name, const std::vector<Origin>& board, const std::map<int, std::vector<int>>& free,
                     Load load, const std::vector<Origin>& (*sample)(), const std::map<int, std::vector<int>>& (*palette)()) {
    int minCol = 99, minRow = 99;
    std::map<int, int> copies;
    for (const auto& [layer, figure, col, row] : board) {
        minCol = std::min(minCol, col);
        minRow = std::min(minRow, row);
        ++copies[figure];
    }
    g_currentLevel = MyLevelNumber(box, name);
    ASSERT_GT(g_currentLevel, MaxLevel) << name;
    load();
    const LevelInfo& info = *CurrentLevelInfo();
    EXPECT_EQ(info.headerValue, MakerPicture());
    EXPECT_EQ(info.layout, 2);
    EXPECT_EQ(info.freeBuild, 0);
    EXPECT_EQ(info.buildCols, info.sampleCols);
    EXPECT_EQ(info.buildRows, info.sampleRows);
    std::vector<Origin> moved;
    for (const auto& [layer, figure, col, row] : board) moved.emplace_back(layer, figure, col - minCol + 1, row - minRow + 1);
    EXPECT_EQ(sample(), moved);
    std::map<int, std::vector<int>> expected;
    for (const auto& [figure, count] : copies) expected[figure] = {free.at(figure)[0], free.at(figure)[1], count};
    EXPECT_EQ(palette(), expected);
}

inline int DrawsFromMainSheet(int srcLeft, int srcTop) {
    int n = 0;
    for (const auto& r : g_sprite->records())
        n += r.texture == SurfaceTexture(SurfaceMain) && r.src.left == srcLeft && r.src.top == srcTop;
    return n;
}

inline bool IsPuzzleName(const std::string& name) { return std::regex_match(name, std::regex(R"(puzzle-\d{8}-\d{6}(-\d+)?\.ini)")); }

inline size_t FilesIn(const std::string& folder) {
    size_t n = 0;
    if (!std::filesystem::is_directory(folder)) return 0;
    for (const auto& entry : fs::directory_iterator(folder)) n += entry.is_regular_file();
    return n;
}

}  // namespace keepprobe
