// Star bursts: spawning, aging by the clock, fading, turning, dying and being drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "core/state_dump.h"
#include "core/timing.h"
#include "platform/clock.h"
#include "render/graphics.h"
#include "render/stars.h"

namespace {

class Stars : public ::testing::Test {
protected:
    void SetUp() override {
        UseRecorderGraphics();
        plat::SetFixedStep(10);   // each frame is longer than a star's step period
        g_ticksPerSecond = plat::ClockRate();
        InitStarSets();
        std::srand(1234);
    }
    void TearDown() override {
        plat::SetFixedStep(0);
        InitStarSets();
    }
    // One drawn frame of set 1, as a screen draws it.
    void Frame() {
        plat::AdvanceFixedStep();
        g_sprite->resetCounters();
        g_sprite->Begin(plat::SPRITE_ALPHABLEND);
        drawstars();
        g_sprite->End();
    }
    static int Alpha(const Star& s) { return static_cast<int>(s.colour >> 24); }
    static int Alive(const StarSet& set) {
        int n = 0;
        for (const Star& s : set) n += s.state != 0;
        return n;
    }
};

TEST_F(Stars, StartValuesAndPeriod) {
    for (const StarSet* set : {&g_stars1, &g_stars2}) {
        for (const Star& s : *set) {
            EXPECT_EQ(s.state, 0);
            EXPECT_EQ(s.respawn, 1);
            EXPECT_EQ(s.phase, 0);
            EXPECT_EQ(s.scale, 0.0f);
            EXPECT_EQ(s.StarPeriod, static_cast<uint64_t>(plat::ClockRate() / 250));
        }
    }
}

TEST_F(Stars, SpawnPlacesOnlyWaitingStarsInsideTheArea) {
    SpawnStars(g_stars1, 61, 318, 230, 300, 176);
    for (int i = 0; i < StarSetSize; ++i) {
        const Star& s = g_stars1[i];
        if (i < 61) {
            EXPECT_EQ(s.state, -1);
            EXPECT_EQ(s.respawn, 0);
            EXPECT_GE(s.x, 230);
            EXPECT_LE(s.x, 547);
            EXPECT_GE(s.y, 176);
            EXPECT_LE(s.y, 475);
            EXPECT_EQ(Alpha(s), 0) << "a newborn star starts invisible";
            EXPECT_GE(s.colour, 0x888888u);
            EXPECT_LE(s.colour, 0xFFFFFFu);
            EXPECT_TRUE(s.spin == 0 || s.spin == 1);
        } else {
            EXPECT_EQ(s.state, 0) << "beyond the first n stars nothing is spawned";
        }
    }
    EXPECT_EQ(Alive(g_stars2), 0) << "the other set is untouched";

    // Stars already alive keep their place when the next pass uses another area.
    std::vector<std::pair<int, int>> before;
    for (const Star& s : g_stars1) before.emplace_back(s.x, s.y);
    SpawnStars(g_stars1, 101, 100, 900, 100, 900);
    for (int i = 0; i < 61; ++i) EXPECT_EQ(std::make_pair(g_stars1[i].x, g_stars1[i].y), before[i]);
    for (int i = 61; i < StarSetSize; ++i) {
        EXPECT_GE(g_stars1[i].x, 900);
        EXPECT_GE(g_stars1[i].y, 900);
    }
    // A count beyond the set never reaches past it.
    SpawnStars(g_stars2, 500, 10, 0, 10, 0);
    EXPECT_EQ(Alive(g_stars2), StarSetSize);
}

TEST_F(Stars, NewbornSurvivesFirstStepAndAgesOneStepPerFrame) {
    SpawnStars(g_stars1, StarSetSize, 1280, 0, 1024, 0);
    Frame();
    EXPECT_EQ(Alive(g_stars1), StarSetSize);
    for (const Star& s : g_stars1) {
        EXPECT_EQ(Alpha(s), 1);
        EXPECT_NEAR(s.scale, 0.005f, 1e-6f);
        EXPECT_NEAR(std::fabs(s.angle), std::numbers::pi / 2000, 1e-6);
    }
    // Frames of 10 ms hold two and a half step periods, yet each frame makes one step.
    for (int i = 0; i < 9; ++i) Frame();
    for (const Star& s : g_stars1) {
        if (s.state != 0 && s.phase == 0) {
            EXPECT_EQ(Alpha(s), 10);
        }
    }

    // Without the clock moving no star ages.
    g_sprite->Begin(plat::SPRITE_ALPHABLEND);
    std::vector<uint32_t> colours;
    for (const Star& s : g_stars1) colours.push_back(s.colour);
    drawstars();
    g_sprite->End();
    for (int i = 0; i < StarSetSize; ++i) EXPECT_EQ(g_stars1[i].colour, colours[i]);
}

TEST_F(Stars, FadeInPeakTurnAndDeath) {
    SpawnStars(g_stars1, StarSetSize, 1280, 0, 1024, 0);
    std::vector<int> turnAlpha(StarSetSize, -1), turnFrame(StarSetSize, -1), deathFrame(StarSetSize, -1);
    std::vector<int> lastAlpha(StarSetSize, 0);
    int peaks = 0;
    for (int frame = 1; frame <= 600; ++frame) {
        Frame();
        for (int i = 0; i < StarSetSize; ++i) {
            const Star& s = g_stars1[i];
            if (deathFrame[i] >= 0) continue;
            if (s.state == 0) {
                deathFrame[i] = frame;
                EXPECT_EQ(s.respawn, 1);
                EXPECT_EQ(s.phase, 0);
                EXPECT_EQ(s.scale, 0.0f);
                // The step that kills a star still turns it once from the reset angle.
                EXPECT_NEAR(std::fabs(s.angle), std::numbers::pi / 2000, 1e-6);
                EXPECT_EQ(Alpha(s), 0);
                EXPECT_EQ(lastAlpha[i], 1) << "a star dies when its alpha reaches 0";
                continue;
            }
            if (s.phase == 1 && turnFrame[i] < 0) {
                turnFrame[i] = frame;
                turnAlpha[i] = Alpha(s);
                if (Alpha(s) == 255) {
                    ++peaks;
                    EXPECT_NEAR(s.scale, 1.275f, 1e-3f) << "the peak of an unbroken fade-in";
                }
            }
            lastAlpha[i] = Alpha(s);
        }
    }
    int early = 0;
    for (int i = 0; i < StarSetSize; ++i) {
        ASSERT_GE(deathFrame[i], 0) << "every star dies within 510 steps";
        ASSERT_GE(turnFrame[i], 0);
        EXPECT_EQ(turnFrame[i], turnAlpha[i]) << "one alpha level per step while fading in";
        // It fades out over as many steps as it faded in.
        EXPECT_EQ(deathFrame[i] - turnFrame[i], turnAlpha[i]);
        if (turnAlpha[i] < 255) ++early;
    }
    // With a 1 in 200 chance per step, about seven in ten stars turn early.
    EXPECT_GT(early, 40);
    EXPECT_GT(peaks, 5);

    // The spawn pass brings the dead back, invisible again.
    SpawnStars(g_stars1, StarSetSize, 10, 500, 10, 500);
    EXPECT_EQ(Alive(g_stars1), StarSetSize);
    for (const Star& s : g_stars1) {
        EXPECT_EQ(Alpha(s), 0);
        EXPECT_GE(s.x, 500);
        EXPECT_LT(s.x, 510);
    }
}

TEST_F(Stars, EarlyTurnAtFortyDiesFortyStepsLater) {
    SpawnStars(g_stars1, 1, 10, 100, 10, 100);
    Star& s = g_stars1[0];
    s.colour = (40u << 24) | (s.colour & 0xFFFFFFu);
    s.scale = 0.2f;
    s.phase = 1;
    for (int i = 0; i < 39; ++i) Frame();
    EXPECT_EQ(s.state, -1);
    EXPECT_EQ(Alpha(s), 1);
    Frame();
    EXPECT_EQ(s.state, 0);
    EXPECT_NEAR(s.scale, 0.0f, 1e-6f);
    EXPECT_EQ(g_sprite->drawCount(), 1u) << "a star is drawn once more in the frame it dies";
    EXPECT_EQ(g_sprite->records().at(0).color >> 24, 0u);
    Frame();
    EXPECT_EQ(g_sprite->drawCount(), 0u);
}

TEST_F(Stars, StopResetsTheWholeSetOnly) {
    SpawnStars(g_stars1, StarSetSize, 1280, 0, 1024, 0);
    SpawnStars(g_stars2, StarSetSize, 1280, 0, 1024, 0);
    for (int i = 0; i < 30; ++i) Frame();
    stopstars();
    for (const Star& s : g_stars1) {
        EXPECT_EQ(s.state, 0);
        EXPECT_EQ(s.respawn, 1);
        EXPECT_EQ(s.phase, 0);
        EXPECT_EQ(s.colour, 0u);
        EXPECT_EQ(s.scale, 0.0f);
        EXPECT_EQ(s.angle, 0.0f);
    }
    EXPECT_EQ(Alive(g_stars2), StarSetSize);
    stopstars_2();
    EXPECT_EQ(Alive(g_stars2), 0);
    Frame();
    EXPECT_EQ(g_sprite->drawCount(), 0u);
}

TEST_F(Stars, DrawTransformScalesTurnsAboutTheCentreAndMapsToTheScreen) {
    g_scaleX = 0.8f;
    g_scaleY = 0.75f;
    g_scaleZ = 1.0f;
    SpawnStars(g_stars1, 1, 1, 400, 1, 300);
    Star& s = g_stars1[0];
    s.scale = 0.995f;   // 1.0 after the next step
    s.colour = 0x7F00FF00u;
    s.spin = 0;
    s.angle = std::numbers::pi_v<float> / 2 - std::numbers::pi_v<float> / 2000;   // a quarter turn after it
    Frame();
    ASSERT_EQ(g_sprite->records().size(), 1u);
    const auto& r = g_sprite->records()[0];
    EXPECT_EQ(r.src.left, 2000);
    EXPECT_EQ(r.src.top, 0);
    EXPECT_EQ(r.src.right, 2048);
    EXPECT_EQ(r.src.bottom, 48);
    EXPECT_EQ(r.color, 0x8000FF00u);
    // The picture's top-left corner lies 24 left and 24 above the centre; a quarter turn
    // (y down) carries it to 24 right and 24 above.
    EXPECT_NEAR(r.x, (400 + 24) * 0.8f, 0.05f);
    EXPECT_NEAR(r.y, (300 - 24) * 0.75f, 0.05f);
    // The batch is left with the plain screen mapping.
    const plat::Matrix& m = g_sprite->GetTransform();
    const plat::Matrix expected = ResolutionScaling();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_FLOAT_EQ(m.m[i][j], expected.m[i][j]);
}

TEST_F(Stars, DumpListsAliveStars) {
    SpawnStars(g_stars2, 3, 1, 10, 1, 20);
    Frame();
    StateDump dump;
    DumpStars(dump);
    std::string value;
    ASSERT_TRUE(dump.Lookup("g_stars2.alive", value));
    EXPECT_EQ(value, "3");
    ASSERT_TRUE(dump.Lookup("g_stars1.alive", value));
    EXPECT_EQ(value, "0");
    ASSERT_TRUE(dump.Lookup("g_stars2.stars", value));
    EXPECT_NE(value.find("\"x\":10,\"y\":20"), std::string::npos) << value;
}

}  // namespace
