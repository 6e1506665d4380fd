// Playing without holding a button: click to pick up and click to drop in both boxes, a box 1
// level with the keys alone and one with the (virtual) controller alone, the menus included.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/action_routes.h"
#include "box1/box1_board.h"
#include "box1_mouse.h"
#include "core/game_state.h"
#include "core/state_dump.h"
#include "game_driver.h"
#include "game_runner.h"
#include "input/focus.h"
#include "platform/gamepad.h"
#include "platform/input.h"

namespace {

bool LeftHeld() { return plat::InputSource::Get().button(0); }

// Box 1's first level, started by mouse from the main menu.
void StartBox1(GameDriver& game) {
    game.MoveTo(380, 320);
    game.Click();
    game.MoveTo(500, 220);
    game.Click();
    ASSERT_EQ(g_screenState, ScreenBox1);
    game.Frame();
}

int PaletteCopies(int row, int col) { return g_box1PaletteCounts[row][col]; }

// The sample's first figure in reading order: where it goes and where the palette has it.
struct Placement {
    int figure = 0, r = 0, c = 0, paletteRow = 0, paletteCol = 0;
};
Placement FirstPlacement() {
    Placement p;
    for (int r = 0; r < CurrentLevelInfo()->sampleRows && !p.figure; ++r)
        for (int c = 0; c < CurrentLevelInfo()->sampleCols && !p.figure; ++c) {
            const CellRef& cell = g_box1Sample[r][c];
            if (cell.figure > 0 && cell.originCol == c && cell.originRow == r) p = {cell.figure, r, c};
        }
    if (p.figure) FindInPalette(p.figure, p.paletteRow, p.paletteCol);
    return p;
}

TEST(ClickPlayTest, Box1LevelSolvedWithClicksOnly) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox1(game));
    const LevelInfo info = *CurrentLevelInfo();
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c) {
            const CellRef target = g_box1Sample[r][c];
            if (target.figure == 0 || target.originCol != c || target.originRow != r) continue;
            int row = 0, col = 0;
            ASSERT_TRUE(FindInPalette(target.figure, row, col));
            game.MoveTo(PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16);
            game.Click();
            ASSERT_FALSE(LeftHeld());
            game.Frame();
            ASSERT_EQ(g_drag.state, DragHeld) << "the click leaves the figure in the hand";
            ASSERT_EQ(g_drag.figure, target.figure);
            const int toX = g_fieldRect.left + 32 * c + 16, toY = g_fieldRect.top + 32 * r + 16;
            game.MoveTo(toX, toY);
            game.Frame();
            EXPECT_EQ(g_drag.x, g_cursorX - 20) << "the figure follows the cursor";
            game.Click();
            game.Frames(2);
            ASSERT_FALSE(LeftHeld());
            ASSERT_EQ(g_box1Build[r][c].figure, target.figure);
            ASSERT_EQ(g_drag.figure, 0) << "the dropping click picks nothing up again";
        }
    EXPECT_EQ(g_levelDone, 1);
}

TEST(ClickPlayTest, RightClickAndEscapeSendTheFigureHome) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox1(game));
    const Placement p = FirstPlacement();
    ASSERT_GT(p.figure, 0);
    const int row = p.paletteRow, col = p.paletteCol;
    const int before = PaletteCopies(row, col);
    const std::function<void()> sendHome[] = {
        [&] {
            plat::InputSource::Get().SetButton(1, true);
            game.Frame();
            plat::InputSource::Get().SetButton(1, false);
        },
        [&] {
            game.Key(plat::DIK::ESCAPE, true);
            game.Frame();
            game.Key(plat::DIK::ESCAPE, false);
        },
    };
    for (const auto& send : sendHome) {
        game.MoveTo(PaletteLeft + 32 * col + 16, PaletteTop + 32 * row + 16);
        game.Click();
        ASSERT_GT(g_drag.figure, 0);
        // Over the field, where a drop would fit: going home must not drop it.
        game.MoveTo(g_fieldRect.left + 32 * p.c + 16, g_fieldRect.top + 32 * p.r + 16);
        send();
        game.Frames(120);
        EXPECT_EQ(g_drag.figure, 0);
        EXPECT_EQ(g_box1Build[p.r][p.c].figure, 0);
        EXPECT_EQ(PaletteCopies(row, col), before);
    }
}

// The same few presses from the keyboard or the controller.
struct Controls {
    std::function<void(int)> press;   // by Action number
};

void Tap(GameDriver& game, const std::function<void(bool)>& set) {
    set(true);
    game.Frame();
    set(false);
    game.Frames(2);
}

Controls Keys(GameDriver& game) {
    return {[&game](int action) {
        constexpr uint8_t codes[] = {plat::DIK::SPACE, plat::DIK::UP, plat::DIK::DOWN, plat::DIK::LEFT,
                                     plat::DIK::RIGHT, plat::DIK::TAB, plat::DIK::RETURN, plat::DIK::H};
        Tap(game, [&](bool down) { game.Key(codes[action], down); });
    }};
}

Controls Pad(GameDriver& game) {
    return {[&game](int action) {
        constexpr plat::PadButton buttons[] = {plat::PadA, plat::PadUp, plat::PadDown, plat::PadLeft,
                                               plat::PadRight, plat::PadX, plat::PadStart, plat::PadY};
        Tap(game, [&](bool down) { ASSERT_TRUE(plat::SetVirtualPadButton(buttons[action], down, nullptr)); });
    }};
}
enum { Pick, Up, Down, Left, Right, Switch, Enter, Hint };

void WalkFocusTo(const Controls& in, int col, int row) {
    while (Focus().col[Focus().zone] < col) in.press(Right);
    while (Focus().col[Focus().zone] > col) in.press(Left);
    while (Focus().row[Focus().zone] < row) in.press(Down);
    while (Focus().row[Focus().zone] > row) in.press(Up);
}

// From the main menu into box 1's first level and through it, with no mouse at all.
void SolveFirstLevel(GameDriver& game, const Controls& in) {
    in.press(Enter);   // box 1 is the menu's first target
    ASSERT_EQ(g_screenState, ScreenBox1Start);
    in.press(Enter);   // a new game
    ASSERT_EQ(g_screenState, ScreenBox1);
    game.Frame();
    const LevelInfo info = *CurrentLevelInfo();
    for (int r = 0; r < info.sampleRows; ++r)
        for (int c = 0; c < info.sampleCols; ++c) {
            const CellRef target = g_box1Sample[r][c];
            if (target.figure == 0 || target.originCol != c || target.originRow != r) continue;
            int row = 0, col = 0;
            ASSERT_TRUE(FindInPalette(target.figure, row, col));
            ASSERT_EQ(Focus().zone, FocusPalette);
            WalkFocusTo(in, col, row);
            in.press(Pick);
            ASSERT_EQ(g_drag.figure, target.figure);
            in.press(Switch);
            WalkFocusTo(in, c, r);
            in.press(Pick);
            ASSERT_EQ(g_box1Build[r][c].figure, target.figure);
            ASSERT_EQ(g_drag.figure, 0);
            in.press(Switch);
            ASSERT_EQ(Focus().col[FocusPalette], col) << "Tab comes back to the last palette cell";
        }
    ASSERT_EQ(g_levelDone, 1);
    in.press(Enter);
    game.Frames(2);
    EXPECT_EQ(g_currentLevel, 2);
}

TEST(KeyPlayTest, Box1LevelSolvedWithKeysOnly) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(SolveFirstLevel(game, Keys(game)));
    std::string zone;
    ASSERT_TRUE(BuildStateDump().Lookup("focus.zone", zone));
    EXPECT_EQ(zone, "palette") << "a new level starts on the palette";
}

TEST(KeyPlayTest, HeldKeysRepeatMovesButPickOnce) {
    GameDriver game;
    ASSERT_NO_FATAL_FAILURE(StartBox1(game));
    game.Key(plat::DIK::RIGHT, true);
    game.Frames(40);   // 624 ms: the press, then repeats at 400 and 520 ms
    game.Key(plat::DIK::RIGHT, false);
    game.Frame();
    EXPECT_EQ(Focus().col[FocusPalette], 3);
    WalkFocusTo(Keys(game), 0, 0);
    const int before = PaletteCopies(0, 0);
    game.Key(plat::DIK::SPACE, true);
    game.Frames(60);
    game.Key(plat::DIK::SPACE, false);
    game.Frames(2);
    EXPECT_EQ(g_drag.figure, g_box1PaletteIds[0][0]) << "still in the hand: held Space never dropped it";
    EXPECT_EQ(PaletteCopies(0, 0), before - 1) << "one copy taken";
}

int g_hints = 0;

TEST(PadPlayTest, Box1LevelSolvedWithTheControllerAndUnplugLosesNothing) {
    GameDriver game;
    const Controls pad = Pad(game);
    ASSERT_NO_FATAL_FAILURE(SolveFirstLevel(game, pad));
    // The hint button reaches the hint's one call; the key and the pad alike.
    g_hints = 0;
    SetHintHandler([] { ++g_hints; });
    pad.press(Hint);
    Keys(game).press(Hint);
    SetHintHandler(nullptr);
    EXPECT_EQ(g_hints, 2);

    const Placement p = FirstPlacement();
    ASSERT_GT(p.figure, 0);
    const int col = p.paletteCol;
    WalkFocusTo(pad, col, p.paletteRow);
    pad.press(Pick);
    const int figure = g_drag.figure;
    ASSERT_GT(figure, 0);
    ASSERT_TRUE(plat::SetVirtualPadButton(plat::PadRight, true, nullptr));
    game.Frame();
    plat::DetachVirtualPad();   // pulled out with a button down
    game.Frames(60);
    EXPECT_EQ(g_drag.figure, figure) << "the figure stays in the hand";
    EXPECT_EQ(Focus().col[FocusPalette], col + 1) << "a pulled-out button repeats nothing";
    pad.press(Switch);   // plugged in again
    WalkFocusTo(pad, p.c, p.r);
    pad.press(Pick);
    EXPECT_EQ(g_box1Build[p.r][p.c].figure, figure);
}

TEST(PadPlayTest, ScriptedControllerEndsTheIntroAndOpensABox) {
    GameRunner runner;
    const GameRun run = runner.Run(
        "pad START down\nframes 1\npad START up\nframes 2\nexpect g_introActive 0\n"
        "pad START down\nframes 1\npad START up\nframes 3\nexpect g_screenState 3\n"
        "pad DPAD_UP down\npad DPAD_UP up\npad TRIGGER down\n");
    EXPECT_EQ(run.exitCode, 2) << run.stdErr;   // refused when the script is read, before any frame
    EXPECT_NE(run.stdErr.find("script.txt:13: pad: \"TRIGGER\" is not a pad button"), std::string::npos) << run.stdErr;
}

}  // namespace
