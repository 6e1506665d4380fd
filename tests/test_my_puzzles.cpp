// My puzzles: level files in my-levels/kN appear after the shipped levels, play with their
// own boards and stars, lead back to the overview after the last one, and a file the reader
// refuses is named once and listed nowhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/parent_rows.h"
#include "box1_mouse.h"
#include "box2_mouse.h"
#include "core/my_levels.h"
#include "core/parent_state.h"
#include "core/paths.h"
#include "core/settings.h"
#include "core/state_dump.h"
#include "menus/level_overview.h"
#include "progress_test_util.h"

namespace {

using namespace progresstest;

std::string Dump(const std::string& name) {
    std::string value;
    EXPECT_TRUE(BuildStateDump().Lookup(name, value)) << name;
    return value;
}

// A shipped level copied in as a child's puzzle, its first value the maker's picture.
void CopyInLevel(int box, int shipped, const std::string& name, int maker) {
    const std::string folder = "my-levels/k" + std::to_string(box);
    fs::create_directories(folder);
    std::string text = ReadAll("levels/k" + std::to_string(box) + "/level" + std::to_string(shipped) + ".ini");
    text = std::to_string(maker) + text.substr(text.find('\n'));
    WriteAll(folder + "/" + name, text);
}

void ClickTileOf(GameDriver& game, int level) {
    ShowOverviewPageOf(level);
    for (const OverviewTile& tile : OverviewTiles())
        if (tile.level == level) {
            game.MoveTo(tile.x + tile.w / 2, tile.y + tile.h / 2);
            game.Click();
            return;
        }
    FAIL() << "no tile for level " << level;
}

TEST(MyPuzzlesTest, CopiedInPuzzlesFollowTheShippedLevelsAndBadFilesAreNamedOnce) {
    GameDriver game;
    CopyInLevel(1, 2, "b-house.ini", 3);
    CopyInLevel(1, 1, "a-cart.ini", 0);
    CopyInLevel(1, 3, "puzzle-20261209-171055-2.ini", 0);
    const std::string truncated = ReadAll("levels/k1/level3.ini");
    WriteAll("my-levels/k1/c-cut.ini", truncated.substr(0, truncated.size() / 2));
    WriteAll("my-levels/k1/d-huge.ini", std::string(2 * 1024 * 1024, '0'));
    WriteAll("my-levels/k1/notes.txt", "not a level");

    const std::string message = ClickForMessage(game, Box1X, Box1Y);
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_NE(message.find("c-cut.ini"), std::string::npos) << message;
    EXPECT_NE(message.find("d-huge.ini"), std::string::npos) << message;
    EXPECT_EQ(message.find("a-cart"), std::string::npos) << message;
    EXPECT_EQ(Dump("myLevels"), R"([{"box":1,"file":"a-cart.ini","level":101},{"box":1,"file":"b-house.ini","level":102},)"
                                R"({"box":1,"file":"puzzle-20261209-171055-2.ini","level":103}])");
    EXPECT_EQ(Dump("levelOverviewMyStates"), "111");
    EXPECT_EQ(OverviewPageCount(), OverviewFirstMyPage() + 1);

    // The own page: open tiles, with the maker's picture and the file's name, or when it was kept.
    ShowOverviewPageOf(FirstMyLevel);
    const std::vector<OverviewTile> tiles = OverviewTiles();
    ASSERT_EQ(tiles.size(), 3u);
    EXPECT_EQ(tiles[1].level, 102);
    EXPECT_EQ(OverviewMaker(102), 3);
    EXPECT_EQ(OverviewTileName(102), "b-house");
    EXPECT_EQ(OverviewTileName(103), "09.12.2026 17:10");
    EXPECT_EQ(OverviewHitTest(tiles[0].x + 5, tiles[0].y + 5).level, 101);

    // Back and in again: the refused files are not told a second time.
    game.MoveTo(BackX, ButtonY);
    game.Click();
    EXPECT_EQ(ClickForMessage(game, Box1X, Box1Y), "");
    EXPECT_EQ(Dump("myLevels").find("c-cut"), std::string::npos);
}

TEST(MyPuzzlesTest, APuzzleSolvedByMouseStarsOnlyItsTileAndTheLastLeadsBackToTheOverview) {
    GameDriver game;
    CopyInLevel(1, 1, "a.ini", 2);
    CopyInLevel(1, 2, "b.ini", 2);
    game.MoveTo(Box1X, Box1Y);
    game.Click();
    ASSERT_NO_FATAL_FAILURE(ClickTileOf(game, 102));
    ASSERT_EQ(g_screenState, ScreenBox1);
    ASSERT_EQ(g_currentLevel, 102);
    game.Frame();
    ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
    game.Frames(3);
    EXPECT_EQ(g_levelDone, 1);
    game.Click();   // past the solved picture: it was the last own puzzle
    game.Frames(2);
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_EQ(OverviewPage(), OverviewFirstMyPage());
    EXPECT_EQ(Dump("levelOverviewMyStates"), "12");
    EXPECT_EQ(ReadAll("save/k1/my-solved.txt"), "b.ini\n");
    EXPECT_TRUE(fs::exists("save/k1/my/b.dat"));
    // The box's own row is untouched: no position was written and level 1 is still the open one.
    EXPECT_FALSE(fs::exists("k1.dat"));
    EXPECT_EQ(Dump("levelOverviewStates").substr(0, 2), "10");

    // The first own puzzle has no "previous": it starts a row of its own.
    ASSERT_NO_FATAL_FAILURE(ClickTileOf(game, 101));
    ASSERT_EQ(g_currentLevel, 101);
    game.MoveTo(PrevX, ButtonY);
    game.Click();
    EXPECT_EQ(g_currentLevel, 101);
    game.MoveTo(NextX, ButtonY);
    game.Click();
    EXPECT_EQ(g_currentLevel, 102);
}

TEST(MyPuzzlesTest, Box2PuzzlePlaysThroughAndTheNextOneFollows) {
    GameDriver game;
    CopyInLevel(2, 1, "p1.ini", 1);
    CopyInLevel(2, 3, "p2.ini", 1);
    game.MoveTo(Box2X, Box2Y);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox2Start);
    ASSERT_NO_FATAL_FAILURE(ClickTileOf(game, 101));
    ASSERT_EQ(g_currentLevel, 101);
    game.Frame();
    ASSERT_NO_FATAL_FAILURE(box2mouse::BuildThePicture(game));
    game.Frames(3);
    EXPECT_EQ(g_levelDone, 1);
    game.Click();
    game.Frames(2);
    EXPECT_EQ(g_screenState, ScreenBox2);
    EXPECT_EQ(g_currentLevel, 102);
    EXPECT_EQ(ReadAll("save/k2/my-solved.txt"), "p1.ini\n");
    EXPECT_EQ(g_maxCompletedLevel, 0);
}

TEST(MyPuzzlesTest, AParentsAllLevelsOpenLetsTheChildPlayALaterLevel) {
    GameDriver game;
    g_settings.allLevelsOpen = true;
    game.MoveTo(Box1X, Box1Y);
    game.Click();
    ASSERT_NO_FATAL_FAILURE(ClickTileOf(game, 5));
    ASSERT_EQ(g_currentLevel, 5);
    game.Frame();
    EXPECT_EQ(g_levelLocked, 0);
    ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
    g_settings.allLevelsOpen = false;
}

TEST(MyPuzzlesTest, SolvedMarksAreEachChildsOwn) {
    GameDriver game;
    CopyInLevel(1, 1, "x.ini", 0);
    SetProfileDir("profiles/1");
    SetMyLevels(1, {"x.ini"});
    EXPECT_EQ(MarkMyLevelSolved(1, FirstMyLevel), "");
    EXPECT_TRUE(MyLevelSolved(1, FirstMyLevel));
    EXPECT_EQ(MyLevelBoardFile(1, FirstMyLevel), "profiles/1/save/k1/my/x.dat");
    EXPECT_EQ(MyLevelPath(1, FirstMyLevel), "my-levels/k1/x.ini") << "the puzzles themselves are everyone's";
    SetProfileDir("profiles/2");
    SetMyLevels(1, {"x.ini"});
    EXPECT_FALSE(MyLevelSolved(1, FirstMyLevel));
    SetProfileDir("profiles/1");
    SetMyLevels(1, {"x.ini"});
    EXPECT_TRUE(MyLevelSolved(1, FirstMyLevel));
    SetProfileDir("");
}

TEST(MyPuzzlesTest, TheParentCornerMovesTheChosenPuzzleAsideOnTheSecondPress) {
    GameDriver game;
    CopyInLevel(1, 1, "a.ini", 0);
    CopyInLevel(2, 1, "b.ini", 0);
    int choose = -1, remove = -1;
    for (int i = 0; i < ParentRowCount(); ++i) {
        const std::string label = ParentRows()[i].label;
        if (label == "Своя картинка") choose = i;
        if (label == "Убрать эту картинку") remove = i;
    }
    ASSERT_GE(choose, 0);
    ASSERT_GE(remove, 0);
    g_parentCorner = 1;
    RunParentRow(choose, 1);   // from box 1's "a.ini" to box 2's "b.ini"
    EXPECT_EQ(BuildParentCornerView(0).rows[static_cast<size_t>(choose)].valueText, "коробка 2: b.ini");
    RunParentRow(remove, 1);
    EXPECT_TRUE(fs::exists("my-levels/k2/b.ini")) << "the first press only asks";
    RunParentRow(remove, 1);
    EXPECT_FALSE(fs::exists("my-levels/k2/b.ini"));
    EXPECT_TRUE(fs::exists("my-levels/k1/a.ini"));
    EXPECT_EQ(CountStartingWith("removed-my-levels/k2", "b-"), 1);
    g_parentCorner = 0;
}

}  // namespace
