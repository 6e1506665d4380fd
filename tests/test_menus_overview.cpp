// The start screens' level overview: tiles and their states from the player's progress,
// opening levels by a click, pages, bad level files, and the small pictures themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "box1/box1.h"
#include "box1_mouse.h"
#include "core/game_error.h"
#include "core/i18n.h"
#include "core/level_names.h"
#include "core/state_dump.h"
#include "game_driver.h"
#include "menus/level_overview.h"
#include "menus/thumb_atlas.h"
#include "render/graphics.h"
#include "render/texture_catalog.h"

namespace {

namespace fs = std::filesystem;

constexpr int Box1X = 380, Box1Y = 320, Box2X = 800, Box2Y = 500;
constexpr int NewGameX = 500, NewGameY = 220, ContinueX = 500, ContinueY = 550;
constexpr int BackX = 1250, BackY = 20;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const OverviewTile* FindTile(const std::vector<OverviewTile>& tiles, int level) {
    for (const OverviewTile& t : tiles)
        if (t.level == level) return &t;
    return nullptr;
}

// Clicks the middle of a tile of the shown page.
void ClickTile(GameDriver& game, int level) {
    const std::vector<OverviewTile> tiles = OverviewTiles();
    const OverviewTile* tile = FindTile(tiles, level);
    ASSERT_NE(tile, nullptr) << "level " << level << " is not on the shown page";
    game.MoveTo(tile->x + tile->w / 2, tile->y + tile->h / 2);
    game.Click();
}

void OpenStartScreen(GameDriver& game, int x, int y, int screen) {
    game.MoveTo(x, y);
    game.Click();
    ASSERT_EQ(g_screenState, screen);
}

std::string DumpValue(const std::string& name) {
    std::string value;
    EXPECT_TRUE(BuildStateDump().Lookup(name, value)) << name;
    return value;
}

TEST(LevelOverviewTest, SolvingLevel1StarsItsTileOpensTile2AndTile2StartsLevel2) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box1X, Box1Y, ScreenBox1Start));
    const int levels = OverviewLevelCount();
    ASSERT_GE(levels, 3);
    EXPECT_EQ(DumpValue("levelOverviewStates"), "1" + std::string(levels - 1, '0'));

    game.MoveTo(NewGameX, NewGameY);
    game.Click();
    ASSERT_EQ(g_currentLevel, 1);
    game.Frame();
    ASSERT_NO_FATAL_FAILURE(BuildThePicture(game));
    game.Frames(3);
    game.Click();   // past the solved picture
    ASSERT_EQ(g_currentLevel, 2);
    // One figure on level 2, to see its saved board come back.
    int row = 0, col = 0;
    ASSERT_TRUE(FindInPalette(g_box1Sample[0][0].figure, row, col));
    game.Drag(PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16, g_fieldRect.left + 16, g_fieldRect.top + 16);
    const int placed = g_box1Build[0][0].figure;
    ASSERT_GT(placed, 0);
    game.MoveTo(BackX, BackY);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);

    g_currentLevel = 7;   // whatever the shell holds, the overview reads the position file
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box1X, Box1Y, ScreenBox1Start));
    EXPECT_EQ(g_currentLevel, 7) << "entering the start screen changes no level number";
    EXPECT_EQ(OverviewTileState(1), TileSolved);
    EXPECT_EQ(OverviewTileState(2), TileOpen);
    EXPECT_EQ(OverviewTileState(3), TileLocked);
    EXPECT_EQ(DumpValue("levelOverviewStates"), "21" + std::string(levels - 2, '0'));
    const std::string json = DumpValue("levelOverview");
    EXPECT_NE(json.find("{\"level\":1,\"x\":73,\"y\":678,\"w\":108,\"h\":100,\"state\":2,\"name\":\"Тележка\",\"maker\":0}"), std::string::npos) << json;
    EXPECT_NE(json.find("\"level\":2,"), std::string::npos);

    // Solved and locked tiles look different: a star on one, a dimmed picture on the other.
    game.MoveTo(640, 300);
    game.Frame();
    int stars = 0, dimmed = 0;
    for (const auto& r : g_sprite->records()) {
        if (r.texture == SurfaceTexture(SurfaceMain) && r.src.left == 2000) ++stars;
        if (r.texture == OverviewAtlas() && r.color == 0x80FFFFFF) ++dimmed;
    }
    EXPECT_EQ(stars, 1);
    EXPECT_EQ(dimmed, std::min(levels, TilesPerPage) - 2);

    // A locked tile neither lights up nor answers.
    ASSERT_NO_FATAL_FAILURE(ClickTile(game, 3));
    EXPECT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_EQ(g_currentLevel, 7);
    EXPECT_EQ(g_hotButton, HotNone);

    ASSERT_NO_FATAL_FAILURE(ClickTile(game, 2));
    ASSERT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_currentLevel, 2);
    EXPECT_EQ(g_maxCompletedLevel, 1);
    EXPECT_EQ(g_levelLocked, 0);
    EXPECT_EQ(g_box1Build[0][0].figure, placed) << "the level's saved board";
    EXPECT_EQ(ReadText("k1.dat"), "2\r\n1\r\n");
}

TEST(LevelOverviewTest, TilesAreLargeEnoughInsideTheScreenAndClearOfTheBanners) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box2X, Box2Y, ScreenBox2Start));
    const std::vector<OverviewTile> tiles = OverviewTiles();
    ASSERT_FALSE(tiles.empty());
    // The screen's own zones: new game, continue (answering even when hidden), back.
    const plat::Rect zones[] = {{152, 162, 874, 274}, {56, 424, 1118, 672}, {1230, 0, 1280, 50}};
    auto meets = [](const plat::Rect& a, const plat::Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (const OverviewTile& t : tiles) {
        EXPECT_GE(t.w, 48);
        EXPECT_GE(t.h, 48);
        const plat::Rect r{t.x, t.y, t.x + t.w, t.y + t.h};
        EXPECT_TRUE(r.left > 3 && r.right < VirtualWidth - 3 && r.top > 3 && r.bottom < VirtualHeight - 3);
        for (const plat::Rect& zone : zones) EXPECT_FALSE(meets(r, zone)) << "tile " << t.level;
        for (const plat::Rect& arrow : {PagePrevRect, PageNextRect}) EXPECT_FALSE(meets(r, arrow)) << "tile " << t.level;
        for (const OverviewTile& u : tiles)
            if (u.level != t.level) {
                EXPECT_FALSE(meets(r, plat::Rect{u.x, u.y, u.x + u.w, u.y + u.h}));
            }
    }
    // Box 2's level 1 is open without any progress; its tile starts it.
    ASSERT_NO_FATAL_FAILURE(ClickTile(game, 1));
    EXPECT_EQ(g_screenState, ScreenBox2);
    EXPECT_EQ(g_currentLevel, 1);
    EXPECT_EQ(ReadText("k2.dat"), "1\r\n0\r\n");
}

// A box with 65 levels (copies of the shipped first one) and 40 of them solved.
void MakeLongBox(int solved) {
    const std::string first = ReadText("levels/k1/level1.ini");
    for (int level = 1; level <= 65; ++level) std::ofstream("levels/k1/level" + std::to_string(level) + ".ini") << first;
    for (int level = 66; level <= MaxLevel; ++level) fs::remove("levels/k1/level" + std::to_string(level) + ".ini");
    std::ofstream("save/k1/sk_1.dat") << "1\r\n";   // the box has progress
    std::ofstream("k1.dat") << solved + 1 << "\r\n" << solved << "\r\n";
}

TEST(LevelOverviewTest, PagesOpenAtTheFirstUnsolvedLevelAndTurnWithTheArrows) {
    GameDriver game;
    MakeLongBox(40);
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box1X, Box1Y, ScreenBox1Start));
    EXPECT_EQ(OverviewLevelCount(), 65);
    EXPECT_EQ(OverviewPageCount(), 3);
    EXPECT_EQ(OverviewPage(), 1) << "the page of level 41";
    EXPECT_EQ(OverviewTiles().front().level, 31);
    EXPECT_EQ(OverviewTileState(41), TileOpen);

    game.MoveTo(PageNextRect.left + 20, PageNextRect.top + 30);
    game.Frame();
    EXPECT_EQ(g_hotButton, HotPageNext);
    game.Click();
    EXPECT_EQ(OverviewPage(), 2);
    ASSERT_EQ(OverviewTiles().size(), 5u);
    EXPECT_EQ(OverviewTiles().back().level, 65);
    game.Click();   // no page further on: the arrow is gone and nothing answers
    EXPECT_EQ(OverviewPage(), 2);
    EXPECT_EQ(g_hotButton, HotNone);

    game.MoveTo(PagePrevRect.left + 20, PagePrevRect.top + 30);
    game.Click();
    game.Click();
    EXPECT_EQ(OverviewPage(), 0);
    EXPECT_EQ(g_screenState, ScreenBox1Start);
    // A solved level far back opens with the progress unchanged.
    ASSERT_NO_FATAL_FAILURE(ClickTile(game, 12));
    EXPECT_EQ(g_currentLevel, 12);
    EXPECT_EQ(g_maxCompletedLevel, 40);
    EXPECT_EQ(ReadText("k1.dat"), "12\r\n40\r\n");
}

// Quads drawn in a colour (a name's letters) that start inside [left, right) x [top, bottom) of
// the virtual screen, or a large negative number when one lies outside; records are in pixels.
int QuadsIn(uint32_t colour, int left, int top, int right, int bottom) {
    int count = 0;
    for (const auto& r : g_sprite->records())
        if (r.color == colour) {
            const float x = r.x / g_scaleX + 0.5f, y = r.y / g_scaleY + 0.5f;
            count += x >= left && x < right && y >= top && y < bottom ? 1 : -1000;
        }
    return count;
}

TEST(LevelOverviewTest, AHundredLevelsMakeFourPagesAndTheHotTileIsNamedUnderThemAndOnItsLevel) {
    GameDriver game;
    std::ofstream("save/k2/sk_1.dat") << "1\r\n";
    std::ofstream("k2.dat") << "100\r\n99\r\n";
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box2X, Box2Y, ScreenBox2Start));
    EXPECT_EQ(OverviewPageCount(), 4);
    ASSERT_EQ(OverviewPage(), 3) << "the page of the free level";
    ASSERT_EQ(OverviewTiles().size(), 10u);
    // The name of the tile under the cursor, and only then, under the grid: "Сова", four letters.
    ASSERT_STREQ(LevelName(2, 93), "Сова");
    const std::vector<OverviewTile> tiles = OverviewTiles();
    const OverviewTile* tile = FindTile(tiles, 93);
    game.MoveTo(tile->x + 20, tile->y + 50);
    game.Frame();
    EXPECT_EQ(QuadsIn(0xFF3C3C3C, 0, TileNameTop, VirtualWidth, VirtualHeight), 4);
    game.MoveTo(640, 300);
    game.Frame();
    EXPECT_EQ(QuadsIn(0xFF3C3C3C, 0, 0, VirtualWidth, VirtualHeight), 0);
    // The level screen shows it in the corner left of the hint line.
    ASSERT_NO_FATAL_FAILURE(ClickTile(game, 93));
    game.Frame();
    EXPECT_EQ(QuadsIn(0xFF6A4A2A, 16, 0, 376, 40), 4);
    // In English the same level is the owl, on its screen and in the dump's tiles.
    std::string message;
    SetLocaleDir(STROYLIK_GAME_DIR "/locale");
    ASSERT_TRUE(LoadLanguage("en", message)) << message;
    game.Frame();
    EXPECT_EQ(QuadsIn(0xFF6A4A2A, 16, 0, 376, 40), 3);
    OpenLevelOverview(2, 99);
    g_screenState = ScreenBox2Start;
    EXPECT_NE(DumpValue("levelOverview").find("\"level\":93,\"x\":299,\"y\":678,\"w\":108,\"h\":100,\"state\":2,\"name\":\"Owl\""),
              std::string::npos);
    LoadLanguage(kSourceLanguage, message);
}

TEST(LevelOverviewTest, ABadLevelFileCostsOnlyItsPictureAndIsNamed) {
    GameDriver game;
    std::ofstream("levels/k2/level2.ini") << "7\r\nnot a number\r\n";
    game.MoveTo(Box2X, Box2Y);
    try {
        game.Press();
        FAIL() << "the bad file is reported";
    } catch (const GameFileError& e) {
        EXPECT_NE(std::string(e.what()).find("level2.ini"), std::string::npos) << e.what();
    }
    game.Release();
    EXPECT_EQ(g_screenState, ScreenBox2Start) << "the start screen opens all the same";
    EXPECT_GE(OverviewLevelCount(), 3);
    EXPECT_TRUE(OverviewHasPicture(1));
    EXPECT_FALSE(OverviewHasPicture(2));
    EXPECT_TRUE(OverviewHasPicture(3));

    // Without any level the box still opens its start screen, and says why it is empty.
    for (const auto& entry : fs::directory_iterator("levels/k2")) fs::remove(entry.path());
    EXPECT_THROW(OpenLevelOverview(2, 0), GameFileError);
    EXPECT_EQ(OverviewLevelCount(), 0);
    EXPECT_TRUE(OverviewTiles().empty());
    EXPECT_EQ(OverviewHitTest(TilesLeft + 10, TilesTop + 10).hot, HotNone);
}

// A click whose action reports a file problem: the message, or "" when there was none.
std::string ClickForMessage(GameDriver& game, int x, int y) {
    game.MoveTo(x, y);
    std::string message;
    try {
        game.Press();
    } catch (const GameFileError& e) {
        message = e.what();
    }
    game.Release();
    return message;
}

TEST(LevelOverviewTest, ADamagedPositionFileIsToldOnceKeptAsideAndCountedFromTheSaves) {
    GameDriver game;
    // A real level-1 save: a new game, and back.
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box1X, Box1Y, ScreenBox1Start));
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, NewGameX, NewGameY, ScreenBox1));
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, BackX, BackY, ScreenMainMenu));
    std::ofstream("k1.dat", std::ios::binary | std::ios::trunc) << "zz\r\n0\r\n";
    const std::string message = ClickForMessage(game, Box1X, Box1Y);
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    std::string aside;
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.path().filename().string().rfind("k1.dat.broken-", 0) == 0) aside = entry.path().filename().string();
    ASSERT_FALSE(aside.empty()) << message;
    EXPECT_EQ(ReadText(aside), "zz\r\n0\r\n") << "kept as it was";
    EXPECT_NE(message.find("k1.dat\", line 1"), std::string::npos) << message;
    EXPECT_NE(message.find(aside), std::string::npos) << message;
    EXPECT_NE(message.find("с уровня 1"), std::string::npos) << message;
    EXPECT_EQ(ReadText("k1.dat"), "1\r\n0\r\n") << "a new one, from the saves";
    EXPECT_EQ(OverviewTileState(1), TileOpen);
    EXPECT_EQ(OverviewTileState(2), TileLocked);
    // Continue then goes on from the saves without a second word.
    EXPECT_EQ(ClickForMessage(game, ContinueX, ContinueY), "");
    EXPECT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_currentLevel, 1);
    // With a good file, the same save counts.
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, BackX, BackY, ScreenMainMenu));
    std::ofstream("k1.dat", std::ios::binary | std::ios::trunc) << "12\r\n11\r\n";
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box1X, Box1Y, ScreenBox1Start));
    EXPECT_EQ(OverviewTileState(11), TileSolved);
    EXPECT_EQ(OverviewTileState(12), TileOpen);
}

TEST(LevelOverviewTest, AnEmptyLevelFileIsABrokenTileThatStaysShutAndIsToldOnce) {
    GameDriver game;
    std::ofstream("levels/k1/level1.ini", std::ios::binary | std::ios::trunc);
    const std::string message = ClickForMessage(game, Box1X, Box1Y);
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_NE(message.find("level1.ini\": файл пуст, в нём нет ни одного числа."), std::string::npos) << message;
    EXPECT_EQ(message.find("level1.ini"), message.rfind("level1.ini")) << message;
    EXPECT_FALSE(OverviewHasPicture(1));
    EXPECT_TRUE(OverviewHasPicture(2));
    // Open by the player's progress, but there is nothing to play: a click does nothing.
    EXPECT_EQ(OverviewTileState(1), TileOpen);
    const std::vector<OverviewTile> tiles = OverviewTiles();
    const OverviewTile* tile = FindTile(tiles, 1);
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(OverviewHitTest(tile->x + tile->w / 2, tile->y + tile->h / 2).hot, HotNone);
    EXPECT_EQ(ClickForMessage(game, tile->x + tile->w / 2, tile->y + tile->h / 2), "");
    EXPECT_EQ(g_screenState, ScreenBox1Start);
}

TEST(LevelOverviewTest, TheFreeConstructionLevelOpensOnceItsPredecessorIsSolved) {
    GameDriver game;
    int last = 0;
    while (fs::exists("levels/k1/level" + std::to_string(last + 1) + ".ini")) ++last;
    ASSERT_GE(last, 2);
    std::ofstream("save/k1/sk_1.dat") << "1\r\n";
    std::ofstream("k1.dat") << last - 1 << "\r\n" << last - 1 << "\r\n";
    ASSERT_NO_FATAL_FAILURE(OpenStartScreen(game, Box1X, Box1Y, ScreenBox1Start));
    EXPECT_EQ(OverviewPage(), OverviewPageCount() - 1);
    EXPECT_EQ(OverviewTileState(last), TileOpen);
    ASSERT_NO_FATAL_FAILURE(ClickTile(game, last));
    ASSERT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_currentLevel, last);
    ASSERT_NE(CurrentLevelInfo(), nullptr);
    EXPECT_EQ(CurrentLevelInfo()->freeBuild, 1) << "the box ends with free construction";
    EXPECT_EQ(g_levelLocked, 0);
}

// --- The small pictures -----------------------------------------------------------------

plat::Image TwoColourSheet() {
    plat::Image sheet;
    sheet.width = 64;
    sheet.height = 32;
    sheet.pixels.assign(64 * 32, 0xFFFF0000);                                          // red left half
    for (int y = 0; y < 32; ++y) std::fill_n(&sheet.pixels[y * 64 + 32], 32, 0xFF0000FFu);   // blue right half
    return sheet;
}

uint32_t AtlasAt(const plat::Image& atlas, int index, int x, int y) {
    const plat::Rect room = ThumbAtlasRect(index);
    return atlas.pixels[static_cast<size_t>(room.top + y) * atlas.width + room.left + x];
}

TEST(ThumbAtlasTest, PicturesAreFittedCentredAndEnlargedOnlyALittle) {
    const plat::Image sheet = TwoColourSheet();
    LevelThumb wide;   // 20 red pieces in a row: 640 x 32 pixels, shrunk to 100 wide
    for (int i = 0; i < 20; ++i) wide.pieces.push_back(ThumbPiece{PixelRect{0, 32, 0, 32}, 32 * i, 0});
    LevelThumb small;   // one blue piece of 32 x 32, enlarged to the limit
    small.pieces.push_back(ThumbPiece{PixelRect{32, 64, 0, 32}, 500, 500});
    LevelThumb outside;   // a source beyond the sheet is left out
    outside.pieces.push_back(ThumbPiece{PixelRect{60, 90, 0, 32}, 0, 0});

    const plat::Image atlas = ComposeThumbAtlas({wide, small, outside}, sheet);
    EXPECT_EQ(atlas.width, 3 * ThumbWidth);
    EXPECT_EQ(atlas.height, ThumbHeight);
    const int mid = ThumbHeight / 2;
    EXPECT_EQ(AtlasAt(atlas, 0, 0, mid), 0xFFFF0000u);
    EXPECT_EQ(AtlasAt(atlas, 0, ThumbWidth - 1, mid), 0xFFFF0000u);
    EXPECT_EQ(AtlasAt(atlas, 0, 50, 5) >> 24, 0u) << "above the 5-texel band";

    const int half = static_cast<int>(16 * MaxThumbScale);
    EXPECT_EQ(AtlasAt(atlas, 1, 50, mid), 0xFF0000FFu);
    EXPECT_EQ(AtlasAt(atlas, 1, 50 - half, mid), 0xFF0000FFu);
    EXPECT_EQ(AtlasAt(atlas, 1, 50 - half - 2, mid) >> 24, 0u) << "enlarged no further";
    EXPECT_EQ(AtlasAt(atlas, 1, 50 + half + 1, mid) >> 24, 0u);
    for (int y = 0; y < ThumbHeight; ++y)
        for (int x = 0; x < ThumbWidth; ++x) ASSERT_EQ(AtlasAt(atlas, 2, x, y), 0u);
}

TEST(ThumbAtlasTest, EdgesAreAveragedAndPackedPiecesNeitherOverlapNorReorder) {
    // A 21 x 3 picture centred half a texel off the grid: the canvas is four times finer, so
    // the edge texels of the result mix colour and transparency instead of being all or nothing.
    plat::Image sheet = TwoColourSheet();
    LevelThumb thumb;
    for (int i = 0; i < 3; ++i) thumb.pieces.push_back(ThumbPiece{PixelRect{0, 7, 0, 3}, 7 * i, 0});
    const plat::Image atlas = ComposeThumbAtlas({thumb}, sheet);
    int partial = 0;
    for (int y = 0; y < ThumbHeight; ++y) {
        const uint32_t a = AtlasAt(atlas, 0, 50, y) >> 24;
        if (a > 0 && a < 255) ++partial;
    }
    EXPECT_GE(partial, 1);
    EXPECT_LE(partial, 2);

    std::vector<ThumbPiece> pieces;
    for (int i = 0; i < 9; ++i) pieces.push_back(ThumbPiece{PixelRect{0, 32 + 8 * (i % 3), 0, 32}, 0, 0});
    const std::vector<ThumbPiece> before = pieces;
    PackPieces(pieces);
    int rows = 1;
    for (size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].source.x2, before[i].source.x2);
        if (i > 0 && pieces[i].y > pieces[i - 1].y) ++rows;
        if (i > 0 && pieces[i].y == pieces[i - 1].y) {
            EXPECT_GT(pieces[i].x, pieces[i - 1].x);
        }
        for (size_t j = 0; j < i; ++j) {
            const ThumbPiece& a = pieces[i];
            const ThumbPiece& b = pieces[j];
            const bool apart = a.x >= b.x + (b.source.x2 - b.source.x1) || b.x >= a.x + (a.source.x2 - a.source.x1) ||
                               a.y >= b.y + 32 || b.y >= a.y + 32;
            EXPECT_TRUE(apart) << i << " and " << j;
        }
    }
    EXPECT_GE(rows, 2) << "a roughly square block, not one long row";
    EXPECT_LE(rows, 5);
}

}  // namespace
