// The main menu and the start selection screen, driven through the real frame logic.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/game_state.h"
#include "core/state_dump.h"
#include "game_driver.h"
#include "menus/menus.h"
#include "render/graphics.h"
#include "render/stars.h"
#include "sound/media_channels.h"

namespace {

namespace fs = std::filesystem;

// Was the source rectangle drawn with its top-left at virtual (x, y) in this frame?
bool Drawn(int left, int top, int right, int bottom, int x, int y) {
    for (const auto& r : g_sprite->records()) {
        if (r.src.left == left && r.src.top == top && r.src.right == right && r.src.bottom == bottom &&
            std::fabs(r.x - x * g_scaleX) < 0.5f && std::fabs(r.y - y * g_scaleY) < 0.5f)
            return true;
    }
    return false;
}

// One-texel pen draws, in one colour when `colour` is not 0.
int PenDraws(uint32_t colour = 0) {
    int n = 0;
    for (const auto& r : g_sprite->records())
        n += r.src.left == 0 && r.src.top == 0 && r.src.right == 1 && r.src.bottom == 1 && (colour == 0 || r.color == colour);
    return n;
}

// Moves there and draws one more frame, so the hot button belongs to the new position.
void HoverAt(GameDriver& game, int x, int y) {
    game.MoveTo(x, y);
    game.Frame();
}

bool BoxOneLit() { return Drawn(1281, 0, 1670, 330, 167, 169); }
bool BoxTwoLit() { return Drawn(1281, 330, 1740, 780, 621, 304); }
bool QuitLit() { return Drawn(1322, 980, 1365, 1024, 1235, 0); }
bool QuitUnlit() { return Drawn(1280, 980, 1322, 1024, 1235, 0); }
bool NewGameLit() { return Drawn(521, 123, 1300, 254, 124, 155); }
bool ContinueShown() { return Drawn(521, 270, 1650, 529, 18, 428); }
bool ContinueLit() { return Drawn(521, 531, 1650, 810, 29, 411); }

TEST(MainMenu, ZonesHighlightsAndTheFixedPictures) {
    GameDriver game;
    struct Case {
        int x, y, hot;
    } cases[] = {{640, 900, HotNone}, {380, 330, HotChoice1}, {860, 500, HotChoice2}, {1254, 20, HotBack},
                 {600, 150, HotNone}};
    for (const Case& c : cases) {
        HoverAt(game, c.x, c.y);
        SCOPED_TRACE(c.hot);
        EXPECT_EQ(g_hotButton, c.hot);
        EXPECT_EQ(BoxOneLit(), c.hot == HotChoice1);
        EXPECT_EQ(BoxTwoLit(), c.hot == HotChoice2);
        EXPECT_EQ(QuitLit(), c.hot == HotBack);
        EXPECT_EQ(QuitUnlit(), c.hot != HotBack);
        EXPECT_TRUE(Drawn(0, 0, 1280, 1024, 0, 0)) << "background";
        EXPECT_TRUE(Drawn(0, 0, 517, 360, 72, 168)) << "box 1 picture";
        EXPECT_TRUE(Drawn(0, 364, 510, 899, 566, 306)) << "box 2 picture";
        // The red frame texel by texel, then the parent button's card (shadow, card, four edges).
        EXPECT_EQ(PenDraws(), 2 * 1275 + 2 * 1017 + 6);
    }
}

TEST(MainMenu, StarAreasFollowTheHover) {
    GameDriver game;
    HoverAt(game, 640, 900);
    game.Frames(150);
    int band = 0;
    for (int i = 0; i < StarSetSize; ++i) {
        const Star& s = g_stars2[i];
        if (s.state == 0) continue;
        ++band;
        EXPECT_LT(i, 61) << "only the first 61 stars are used";
        EXPECT_GE(s.x, 56);
        EXPECT_LE(s.x, 1213);
        EXPECT_GE(s.y, 820);
        EXPECT_LE(s.y, 934);
    }
    EXPECT_GT(band, 30);
    for (const Star& s : g_stars1) EXPECT_EQ(s.state, 0) << "no box is hovered";

    HoverAt(game, 380, 330);
    game.Frames(150);
    int overBox1 = 0;
    for (const Star& s : g_stars1) {
        if (s.state == 0) continue;
        ++overBox1;
        EXPECT_TRUE(s.x >= 230 && s.x <= 547 && s.y >= 176 && s.y <= 475) << s.x << "," << s.y;
    }
    EXPECT_GT(overBox1, 30);

    // Moving to box 2: new stars go there, the old ones finish where they were.
    HoverAt(game, 860, 500);
    game.Frames(20);
    int stillOnBox1 = 0, onBox2 = 0;
    for (const Star& s : g_stars1) {
        if (s.state == 0) continue;
        bool box1 = s.x >= 230 && s.x <= 547 && s.y >= 176 && s.y <= 475;
        bool box2 = s.x >= 708 && s.x <= 1067 && s.y >= 354 && s.y <= 663;
        EXPECT_TRUE(box1 || box2);
        stillOnBox1 += box1;
        onBox2 += box2;
    }
    EXPECT_GT(stillOnBox1, 0);
    EXPECT_GT(onBox2, 0);

    // The quit button brings no stars of its own.
    HoverAt(game, 1254, 20);
    stopstars();
    stopstars_2();
    game.Frames(10);
    for (const StarSet* set : {&g_stars1, &g_stars2})
        for (const Star& s : *set) EXPECT_EQ(s.state, 0);
}

TEST(MainMenu, JingleStartsOnceInARun) {
    g_menuJingleStarted = false;
    GameDriver game;
    game.Frame();
    EXPECT_TRUE(g_menuJingleStarted);
    auto control = g_mediaChannels[2].control;
    if (!control) GTEST_SKIP() << "the jingle could not be loaded here";
    EXPECT_TRUE(control->running());
    EXPECT_EQ(g_mediaChannels[2].looping, 0);
    // Into a start screen (which stops it) and back: the menu stays quiet.
    HoverAt(game, 380, 330);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_FALSE(control->running());
    HoverAt(game, 1254, 20);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);
    game.Frames(3);
    EXPECT_FALSE(g_mediaChannels[2].control && g_mediaChannels[2].control->running());
}

TEST(StartScreen, WithoutSaveContinueIsMissingAndDoesNothing) {
    GameDriver game;
    HoverAt(game, 380, 330);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_EQ(g_saveExists, 0);

    HoverAt(game, 500, 550);
    EXPECT_EQ(g_hotButton, HotChoice2) << "the zone answers even without the banner";
    EXPECT_FALSE(ContinueShown());
    EXPECT_FALSE(ContinueLit());
    EXPECT_TRUE(Drawn(521, 0, 1271, 117, 130, 162)) << "new-game banner";
    game.Click();
    EXPECT_EQ(g_screenState, ScreenBox1Start);

    HoverAt(game, 500, 220);
    EXPECT_EQ(g_hotButton, HotChoice1);
    EXPECT_TRUE(NewGameLit());
    HoverAt(game, 140, 220);   // beside the zone, still on the picture's edge
    EXPECT_EQ(g_hotButton, HotNone);
    EXPECT_FALSE(NewGameLit());
    EXPECT_EQ(PenDraws(0xFFFF0000), 2 * 1275 + 2 * 1017) << "the red frame (the level tiles draw with the pen too)";

    HoverAt(game, 1254, 20);
    EXPECT_EQ(g_hotButton, HotBack);
    EXPECT_TRUE(QuitLit());
    EXPECT_FALSE(QuitUnlit());
    game.Click();
    EXPECT_EQ(g_screenState, ScreenMainMenu);
}

// Starts a new game in a box from the main menu and goes back, which writes its save.
void PlayAndLeave(GameDriver& game, int boxX, int boxY, int screen) {
    HoverAt(game, boxX, boxY);
    game.Click();
    HoverAt(game, 500, 220);
    game.Click();
    ASSERT_EQ(g_screenState, screen);
    game.Frames(2);
    HoverAt(game, 1254, 20);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);
}

TEST(StartScreen, ContinueWithSaveAndNewGameClearsOnlyItsBox) {
    GameDriver game;
    PlayAndLeave(game, 380, 330, ScreenBox1);
    PlayAndLeave(game, 860, 500, ScreenBox2);
    ASSERT_TRUE(fs::exists("save/k1/sk_1.dat"));
    ASSERT_TRUE(fs::exists("save/k2/sk_1.dat"));

    HoverAt(game, 380, 330);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_NE(g_saveExists, 0);
    game.Frame();
    EXPECT_TRUE(ContinueShown());
    HoverAt(game, 500, 550);
    EXPECT_TRUE(ContinueLit());
    game.Click();
    EXPECT_EQ(g_screenState, ScreenBox1);
    EXPECT_EQ(g_currentLevel, 1);
    HoverAt(game, 1254, 20);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenMainMenu);

    // A new game in box 1 asks first (the banner stays lit), then puts box 1's progress aside
    // and leaves box 2's alone.
    HoverAt(game, 380, 330);
    game.Click();
    HoverAt(game, 500, 220);
    game.Click();
    EXPECT_EQ(g_screenState, ScreenBox1Start);
    EXPECT_TRUE(fs::exists("save/k1/sk_1.dat"));
    game.Click();
    EXPECT_EQ(g_screenState, ScreenBox1);
    EXPECT_FALSE(fs::exists("save/k1/sk_1.dat"));
    EXPECT_TRUE(fs::exists("save/k2/sk_1.dat"));
    bool keptAside = false;   // the old position went aside with the boards, not away
    for (const auto& entry : fs::directory_iterator("put-aside")) keptAside |= fs::exists(entry.path() / "k1.dat");
    EXPECT_TRUE(keptAside);
}

TEST(Menus, DumpHasTheJingleFlag) {
    GameDriver game;
    game.Frame();
    StateDump dump;
    DumpMenus(dump);
    std::string value;
    ASSERT_TRUE(dump.Lookup("g_menuJingleStarted", value));
    EXPECT_EQ(value, "1");
}

}  // namespace
