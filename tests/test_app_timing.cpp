// The clock, its rate and the animation step test.
#include <gtest/gtest.h>

#include "core/timing.h"
#include "platform/clock.h"

namespace {

class FixedClock : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetFixedStep(10);
        GetCPUSpeed();
    }
    void TearDown() override { plat::SetFixedStep(0); }
};

TEST(Clock, TheRateIsKnownAndTheClockMovesForward) {
    GetCPUSpeed();
    EXPECT_EQ(g_ticksPerSecond, plat::ClockRate());
    EXPECT_GT(g_ticksPerSecond, 1000);
    ReadTimeStamp();
    const uint64_t first = g_now;
    ReadTimeStamp();
    EXPECT_GE(g_now, first);
}

TEST_F(FixedClock, TheClockMovesOnlyByTheFrameStep) {
    ReadTimeStamp();
    const uint64_t t0 = g_now;
    ReadTimeStamp();
    EXPECT_EQ(g_now, t0);
    plat::AdvanceFixedStep();
    ReadTimeStamp();
    EXPECT_EQ(g_now - t0, static_cast<uint64_t>(g_ticksPerSecond / 100));
}

TEST_F(FixedClock, AnElementStepsAtMostOncePerPeriod) {
    uint64_t last = 0;
    const int64_t period = g_ticksPerSecond / 250;   // 4 ms: shorter than the 10 ms frame
    EXPECT_TRUE(StepDue(last, period));
    EXPECT_EQ(last, g_now);
    EXPECT_FALSE(StepDue(last, period));   // same frame: no second step
    plat::AdvanceFixedStep();
    EXPECT_TRUE(StepDue(last, period));    // missed steps are not made up
    EXPECT_FALSE(StepDue(last, period));

    const int64_t longPeriod = g_ticksPerSecond / 40;   // 25 ms
    uint64_t slow = g_now;
    plat::AdvanceFixedStep();
    plat::AdvanceFixedStep();
    EXPECT_FALSE(StepDue(slow, longPeriod));
    plat::AdvanceFixedStep();
    EXPECT_TRUE(StepDue(slow, longPeriod));
}

TEST_F(FixedClock, APeriodOfZeroStepsEveryTime) {
    uint64_t last = 0;
    EXPECT_TRUE(StepDue(last, 0));
    EXPECT_TRUE(StepDue(last, 0));
}

}  // namespace
