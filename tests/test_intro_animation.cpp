// Playing the intro model: one key step per drawn frame at most, only after 1/24 s, and the
// intro ends on the frame that shows key 250 (never for a model without enough keys).
#include <gtest/gtest.h>

#include "core/game_state.h"
#include "core/timing.h"
#include "platform/clock.h"
#include "render/graphics.h"
#include "render/model.h"
#include "render/model_store.h"
#include "test_model_fixture.h"

namespace {

class IntroAnimation : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModelStore();
        std::swap(savedSprite_, g_sprite);   // drawn without any graphics: only the logic runs
        g_introActive = 1;
    }
    void TearDown() override {
        plat::SetFixedStep(0);
        ResetModelStore();
        std::swap(savedSprite_, g_sprite);
        g_introActive = 1;
    }

    // Frame "A" with aKeys keys (none when 0) and frame "B" with bKeys; the clock moves stepMs per frame.
    void Load(int aKeys, int bKeys, int stepMs) {
        plat::SetFixedStep(stepMs);
        GetCPUSpeed();
        std::string text = ModelFrameText("A", 0, "") + ModelFrameText("B", 5, "");
        if (aKeys) text += AnimationText("A", aKeys);
        if (bKeys) text += AnimationText("B", bKeys);
        ReadModelFile(files_.Write("anim.x", text));
        ASSERT_EQ(g_objectCount, 2);
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            drawmesh(1);
            plat::AdvanceFixedStep();
        }
    }
    // The key number is the x of the key's translation; the model matrix scales it by 0.45.
    static float ShownKey(const TMyMesh& r) { return r.worldMatrix.m[3][0] / 0.45f; }

    ModelFiles files_;
    std::unique_ptr<plat::Sprite> savedSprite_;
};

TEST_F(IntroAnimation, FirstFrameStepsToKeyOneAndShowsIt) {
    Load(300, 0, 42);
    Frames(1);
    const TMyMesh& a = g_modelObjects[0];
    EXPECT_EQ(a.currentKey, 1);
    EXPECT_NEAR(ShownKey(a), 1.0f, 1e-4f);
    EXPECT_EQ(g_clearColor, 0xFFD65AC6u);
    EXPECT_EQ(g_introActive, 1);
}

TEST_F(IntroAnimation, AtMostOneKeyPerFrameHoweverLongTheFrame) {
    Load(300, 0, 1000);
    Frames(5);
    EXPECT_EQ(g_modelObjects[0].currentKey, 5);
}

TEST_F(IntroAnimation, NoStepUntilAKeyIntervalHasPassed) {
    Load(300, 300, 10);
    Frames(5);   // 0, 10, 20, 30, 40 ms: only the first frame steps
    EXPECT_EQ(g_modelObjects[0].currentKey, 1);
    Frames(1);   // 50 ms >= 1/24 s
    EXPECT_EQ(g_modelObjects[0].currentKey, 2);
    EXPECT_EQ(g_modelObjects[1].currentKey, 2);
}

TEST_F(IntroAnimation, IntroEndsOnTheFrameThatShowsKey250) {
    Load(300, 0, 42);
    Frames(249);
    EXPECT_EQ(g_modelObjects[0].currentKey, 249);
    EXPECT_EQ(g_introActive, 1);
    Frames(1);
    EXPECT_EQ(g_introActive, 0);
    EXPECT_EQ(g_modelObjects[0].currentKey, 250);
    EXPECT_NEAR(ShownKey(g_modelObjects[0]), 250.0f, 1e-3f);
    Frames(20);   // keys after 250 are never shown
    EXPECT_EQ(g_modelObjects[0].currentKey, 250);
}

TEST_F(IntroAnimation, ShortAnimationStopsOnItsLastKeyAndNeverEndsTheIntro) {
    Load(100, 251, 42);
    Frames(240);
    EXPECT_EQ(g_modelObjects[0].currentKey, 99);
    EXPECT_NEAR(ShownKey(g_modelObjects[0]), 99.0f, 1e-3f);
    EXPECT_EQ(g_modelObjects[1].currentKey, 240);
    EXPECT_EQ(g_introActive, 1);
    Frames(10);   // the frame with 251 keys reaches key 250
    EXPECT_EQ(g_introActive, 0);
}

TEST_F(IntroAnimation, ModelWithoutKeysIsDrawnStillAndNeverEndsTheIntro) {
    Load(0, 0, 42);
    Frames(400);
    EXPECT_EQ(g_introActive, 1);
    for (int k = 0; k < 2; ++k) {
        const TMyMesh& r = g_modelObjects[k];
        EXPECT_EQ(r.currentKey, 0);
        plat::Matrix expected = plat::MatrixMultiply(r.frameMatrix, ModelMatrix());
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) EXPECT_FLOAT_EQ(r.worldMatrix.m[i][j], expected.m[i][j]);
    }
}

TEST_F(IntroAnimation, ModelMatrixStandsTheModelUpFacingTheCamera) {
    // The model's z axis becomes "up", its y axis points at the camera (which looks along +z).
    plat::Vec3 up = plat::TransformPoint({0, 0, 100}, ModelMatrix());
    plat::Vec3 front = plat::TransformPoint({0, 100, 0}, ModelMatrix());
    plat::Vec3 right = plat::TransformPoint({100, 0, 0}, ModelMatrix());
    EXPECT_GT(up.y, 44.0f);
    EXPECT_LT(front.z, -44.0f);
    EXPECT_FLOAT_EQ(right.x, 45.0f);
}

}  // namespace
