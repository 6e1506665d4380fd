// No click is lost: what happens between two frames is seen in order, one change of a
// button or key per frame, while plain polling stays as it was.
#include <gtest/gtest.h>

#include "app/frame_loop.h"
#include "core/game_state.h"
#include "game_driver.h"
#include "input/input.h"
#include "platform/input.h"

namespace {

class Clicks : public ::testing::Test {
protected:
    GameDriver game;
    plat::InputSource& input = plat::InputSource::Get();
};

TEST_F(Clicks, APressAndReleaseBetweenTwoFramesAreSeenInTwoFrames) {
    input.SetButton(0, true);
    input.SetButton(0, false);
    EXPECT_TRUE(input.TakeMouse().buttons[0]);
    EXPECT_FALSE(input.TakeMouse().buttons[0]);
    // Two whole clicks: four frames, in order.
    for (int i = 0; i < 2; ++i) {
        input.SetButton(0, true);
        input.SetButton(0, false);
    }
    bool seen[4];
    for (bool& s : seen) s = input.TakeMouse().buttons[0];
    EXPECT_TRUE(seen[0]);
    EXPECT_FALSE(seen[1]);
    EXPECT_TRUE(seen[2]);
    EXPECT_FALSE(seen[3]);
}

TEST_F(Clicks, AnInstantClickEndsTheIntro) {
    g_introActive = 1;
    g_hotButton = HotNone;
    input.SetButton(0, true);
    input.SetButton(0, false);
    FrameLogic();
    EXPECT_EQ(g_introActive, 0);
    EXPECT_EQ(g_clickLatch, 0);
    FrameLogic();
    EXPECT_EQ(g_clickLatch, 101);
}

TEST_F(Clicks, AnInstantSpaceTapEndsTheIntro) {
    g_introActive = 1;
    game.Key(plat::DIK::SPACE, true);
    game.Key(plat::DIK::SPACE, false);
    ReadKeyboard();
    EXPECT_EQ(g_introActive, 0);
    EXPECT_EQ(g_keys[plat::DIK::SPACE], 0x80);
    ReadKeyboard();
    EXPECT_EQ(g_keys[plat::DIK::SPACE], 0);
}

TEST_F(Clicks, KeyRepeatAndUnchangedButtonsQueueNothing) {
    for (int i = 0; i < 5; ++i) input.SetKey(plat::DIK::M, true);   // auto-repeat
    input.SetKey(plat::DIK::M, false);
    input.TakeKeys();
    EXPECT_TRUE(input.key(plat::DIK::M));
    input.TakeKeys();
    EXPECT_FALSE(input.key(plat::DIK::M));
    input.SetButton(1, false);   // already up
    input.SetButton(1, true);
    EXPECT_TRUE(input.TakeMouse().buttons[1]);
}

TEST_F(Clicks, APressWhereThePointerJustWentWaitsForTheCursor) {
    input.SetPointer(100, 200);
    input.SetButton(0, true);
    plat::InputSource::MouseTake first = input.TakeMouse();
    EXPECT_TRUE(first.hasPointer);
    EXPECT_EQ(first.x, 100);
    EXPECT_FALSE(first.buttons[0]);
    EXPECT_TRUE(input.TakeMouse().buttons[0]);
    // A release after moving is not held back: the drop happens where the pointer went.
    input.SetPointer(300, 200);
    input.SetButton(0, false);
    plat::InputSource::MouseTake release = input.TakeMouse();
    EXPECT_FALSE(release.buttons[0]);
    EXPECT_EQ(release.x, 300);
}

TEST_F(Clicks, RelativeMotionAndAPressInOneFrameStayAsPolled) {
    input.AddMotion(5, 0);
    input.SetButton(0, true);
    input.AddMotion(5, 0);
    plat::InputSource::MouseTake take = input.TakeMouse();
    EXPECT_EQ(take.dx, 10);
    EXPECT_TRUE(take.buttons[0]);
}

TEST_F(Clicks, AFailedReadLosesWhatWaitedButKeepsTheButtonsAsTheyAre) {
    input.SetButton(0, true);
    input.SetButton(0, false);
    input.SetButton(1, true);
    input.AddMotion(40, 0);
    input.DropMouse();
    plat::InputSource::MouseTake take = input.TakeMouse();
    EXPECT_FALSE(take.buttons[0]);   // the click happened while nobody could read it
    EXPECT_TRUE(take.buttons[1]);    // the right button is still held
    EXPECT_EQ(take.dx, 0);
}

TEST_F(Clicks, AStallThatNobodyReadsStaysBounded) {
    for (int i = 0; i < 10000; ++i) input.SetButton(0, i % 2 == 0);   // ends up
    int presses = 0;
    for (int frame = 0; frame < 600; ++frame) presses += input.TakeMouse().buttons[0] ? 1 : 0;
    EXPECT_GT(presses, 200);    // the latest changes still come one a frame
    EXPECT_LE(presses, 256);    // but no more than the queue keeps
    EXPECT_FALSE(input.TakeMouse().buttons[0]);
}

}  // namespace
