// The mouse step of the frame logic: motion, clamping, buttons, drag state and the intro.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/form.h"
#include "app/frame_loop.h"
#include "core/game_state.h"
#include "game_driver.h"
#include "platform/input.h"

namespace {

class MouseStep : public ::testing::Test {
protected:
    GameDriver game;
    plat::InputSource& input = plat::InputSource::Get();

    void Step(int dx, int dy, bool left = false, bool right = false) {
        input.AddMotion(dx, dy);
        input.SetButton(0, left);
        input.SetButton(1, right);
        FrameLogic();
    }
};

TEST_F(MouseStep, MotionIsDoubled) {
    g_cursorX = 100;
    g_cursorY = 200;
    Step(3, -4);
    EXPECT_EQ(g_cursorX, 106);
    EXPECT_EQ(g_cursorY, 192);
}

TEST_F(MouseStep, TheCursorStaysInsideTheScreen) {
    Step(5000, 5000);
    EXPECT_EQ(g_cursorX, 1275);
    EXPECT_EQ(g_cursorY, 1019);
    Step(-1, -1);
    EXPECT_EQ(g_cursorX, 1273);
    EXPECT_EQ(g_cursorY, 1017);
    Step(-5000, -5000);
    EXPECT_EQ(g_cursorX, 0);
    EXPECT_EQ(g_cursorY, 0);
}

TEST_F(MouseStep, HugeReportsClampInsteadOfWrappingRound) {
    g_cursorX = 600;
    g_cursorY = 500;
    Step(INT32_MAX, INT32_MAX);   // doubled, these leave the 32-bit range
    EXPECT_EQ(g_cursorX, 1275);
    EXPECT_EQ(g_cursorY, 1019);
    Step(INT32_MIN, INT32_MIN);
    EXPECT_EQ(g_cursorX, 0);
    EXPECT_EQ(g_cursorY, 0);
    // Motion gathered from many reports before a read saturates rather than turning negative.
    input.AddMotion(INT32_MAX, 0);
    input.AddMotion(INT32_MAX, 0);
    int dx = 0, dy = 0;
    input.TakeMotion(dx, dy);
    EXPECT_EQ(dx, INT32_MAX);
    EXPECT_EQ(dy, 0);
}

TEST_F(MouseStep, HoldingTheRightButtonFreezesTheCursor) {
    g_cursorX = 500;
    g_cursorY = 500;
    for (int i = 0; i < 3; ++i) Step(10, 10, false, true);
    EXPECT_EQ(g_cursorX, 500);
    EXPECT_EQ(g_cursorY, 500);
    Step(10, 10);
    EXPECT_EQ(g_cursorX, 520);
}

TEST_F(MouseStep, TheLeftButtonDrivesTheDragRecord) {
    g_drag.state = DragIdle;
    g_returning = 1;
    Step(0, 0, true);
    EXPECT_EQ(g_drag.state, DragHeld);
    EXPECT_EQ(g_returning, 0);
    Step(0, 0);
    EXPECT_EQ(g_drag.state, DragReleased);
    Step(0, 0);
    EXPECT_EQ(g_drag.state, DragReleased);   // stays until a drag step consumes it
    g_drag.state = DragIdle;
    Step(0, 0);
    EXPECT_EQ(g_drag.state, DragIdle);
}

TEST_F(MouseStep, APressOnASolvedLevelCountsTheClickAndStartsNoDrag) {
    g_screenState = ScreenBox1;
    g_hotButton = HotNone;
    g_levelDone = 1;
    Step(0, 0);
    Step(0, 0, true);
    EXPECT_EQ(g_levelDone, 2);
    EXPECT_EQ(g_drag.state, DragIdle);
}

TEST_F(MouseStep, AClickDuringTheIntroOnlyEndsIt) {
    g_introActive = 1;
    g_hotButton = HotNone;
    Step(0, 0);
    Step(0, 0, true);
    EXPECT_EQ(g_introActive, 0);
    EXPECT_EQ(g_screenState, ScreenMainMenu);
    EXPECT_FALSE(Form1->closing());
}

TEST_F(MouseStep, WithoutFocusTheMouseReadsNothingUntilFocusReturns) {
    g_cursorX = 300;
    input.SetFocused(false);
    Step(10, 0, true);
    EXPECT_EQ(g_cursorX, 300);
    EXPECT_EQ(g_clickLatch, 101);   // a failed read is a frame with the button up
    EXPECT_NE(g_drag.state, DragHeld);
    input.SetFocused(true);
    Step(10, 0);   // the read of this frame fails once more: the device is acquired again
    Step(10, 0);
    EXPECT_EQ(g_cursorX, 320);
}

TEST_F(MouseStep, DrivenFramesMoveTheCursorAsTheScriptsDo) {
    game.MoveTo(901, 400);
    EXPECT_EQ(g_cursorX, 900);   // an odd distance lands one short
    EXPECT_EQ(g_cursorY, 400);
}

}  // namespace
