// Drawing the intro on a real (headless) OpenGL device: front faces are the clockwise ones as
// the model was made, lights light what faces them and a point light stops at its range; and
// the real program's intro shows the lit, textured blocks where the model puts them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/game_state.h"
#include "game_runner.h"
#include "platform/device.h"
#include "platform/gl3d.h"
#include "platform/image.h"
#include "gl_window_test.h"
#include "platform/window.h"
#include "render/graphics.h"
#include "render/model_store.h"

namespace {

constexpr uint32_t Clear = 0xFF000080;

int Luma(uint32_t c) { return (int((c >> 16) & 255) * 3 + int((c >> 8) & 255) * 6 + int(c & 255)) / 10; }

class IntroGl : public GlWindowTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (HasFatalFailure()) return;
        plat::PresentParams p;
        p.width = 200;
        p.height = 150;
        p.vsync = false;
        ASSERT_EQ(plat::Device::Create(*window_, p, device_), plat::S_OK);
        setstate();
    }
    void TearDown() override {
        plat::ResetBindings();
        vb_.reset();
        ib_.reset();
        device_.reset();
        if (window_) setstate();   // the next test starts from the game's states
    }

    // A 200 x 200 square at depth z facing the camera, drawn clockwise on screen unless `reversed`,
    // with its normals pointing at the camera unless `away`.
    void DrawSquare(float z, bool reversed, bool away) {
        ModelVertex v[4];
        const float xy[4][2] = {{-100, -100}, {-100, 100}, {100, 100}, {100, -100}};
        for (int i = 0; i < 4; ++i) {
            v[i].x = xy[i][0];
            v[i].y = xy[i][1];
            v[i].z = z;
            v[i].nz = away ? 1.0f : -1.0f;
        }
        uint16_t idx[6] = {0, 1, 2, 0, 2, 3};
        if (reversed) std::swap(idx[1], idx[2]), std::swap(idx[4], idx[5]);
        ASSERT_EQ(plat::VertexBuffer::Create(device_.get(), sizeof v, ModelFvf, vb_), plat::S_OK);
        ASSERT_EQ(plat::IndexBuffer::Create(device_.get(), sizeof idx, ib_), plat::S_OK);
        void* data = nullptr;
        ASSERT_EQ(vb_->Lock(&data), plat::S_OK);
        std::memcpy(data, v, sizeof v);
        vb_->Unlock();
        ASSERT_EQ(ib_->Lock(&data), plat::S_OK);
        std::memcpy(data, idx, sizeof idx);
        ib_->Unlock();
        plat::SetStreamSource(0, vb_.get(), 0, sizeof(ModelVertex));
        plat::SetIndices(ib_.get());
        plat::SetFVF(ModelFvf);
        plat::Material white;
        white.Diffuse = white.Ambient = {1, 1, 1, 1};
        plat::SetMaterial(white);
        plat::SetTransform(plat::TS_WORLD, plat::MatrixIdentity());
        device_->Clear(Clear);
        ASSERT_EQ(plat::DrawIndexedPrimitive(device_.get(), plat::PT_TRIANGLELIST, 0, 0, 4, 0, 2), plat::S_OK);
        ASSERT_TRUE(device_->ReadBackBuffer(pixels_));
    }
    uint32_t Centre() const { return pixels_[size_t(75) * 200 + 100] | 0xFF000000u; }

    std::unique_ptr<plat::Device> device_;
    std::unique_ptr<plat::VertexBuffer> vb_;
    std::unique_ptr<plat::IndexBuffer> ib_;
    std::vector<uint32_t> pixels_;
};


TEST_F(IntroGl, ClockwiseFacesAreDrawnAndCounterClockwiseOnesCulled) {
    DrawSquare(0, false, false);
    EXPECT_NE(Centre(), Clear);
    EXPECT_GT(Luma(Centre()), 200);   // facing the sun light
    // The square is 200 of 507 visible units high at the origin: it covers the middle only.
    EXPECT_EQ(pixels_[size_t(5) * 200 + 100] | 0xFF000000u, Clear);
    EXPECT_NE(pixels_[size_t(75) * 200 + 70] | 0xFF000000u, Clear);
    DrawSquare(0, true, false);
    EXPECT_EQ(Centre(), Clear);
}

TEST_F(IntroGl, FacesTurnedFromTheLightsGetOnlyAmbientLight) {
    plat::SetRenderState(plat::RS_CULLMODE, plat::CULL_NONE);
    DrawSquare(0, false, true);
    EXPECT_NE(Centre(), Clear);
    EXPECT_LT(Luma(Centre()), 60);
}

TEST_F(IntroGl, PointLightStopsAtItsRange) {
    plat::LightEnable(0, false);
    plat::Light lamp;
    lamp.Type = plat::LIGHT_POINT;
    lamp.Diffuse = {1, 1, 1, 1};
    lamp.Position = {0, 0, -300};
    lamp.Attenuation0 = 1;
    lamp.Range = 1000;
    plat::SetLight(1, lamp);
    DrawSquare(0, false, false);
    EXPECT_GT(Luma(Centre()), 200);
    lamp.Range = 100;   // the square is 300 away
    plat::SetLight(1, lamp);
    DrawSquare(0, false, false);
    EXPECT_LT(Luma(Centre()), 60);
}

TEST_F(IntroGl, DrawOutsideTheBuffersIsRefused) {
    DrawSquare(0, false, false);
    EXPECT_EQ(plat::DrawIndexedPrimitive(device_.get(), plat::PT_TRIANGLELIST, 1, 0, 4, 0, 2), plat::D3DERR_INVALIDCALL);
    EXPECT_EQ(plat::DrawIndexedPrimitive(device_.get(), plat::PT_TRIANGLELIST, 0, 0, 4, 3, 2), plat::D3DERR_INVALIDCALL);
    EXPECT_EQ(plat::DrawIndexedPrimitive(device_.get(), plat::PT_TRIANGLELIST, -1, 0, 4, 0, 1), plat::D3DERR_INVALIDCALL);
}

TEST(IntroProjection, NearAndFarPlanesMapToOpenGlDepthRange) {
    plat::Matrix proj = plat::GlProjection(plat::MatrixPerspectiveFovLH(0.8f, 1.3333f, 10.0f, 5000.0f));
    auto ndcZ = [&](float z) {
        plat::Vec3 p = plat::TransformPoint({0, 0, z}, proj);
        return p.z / z;   // w is the view depth
    };
    EXPECT_NEAR(ndcZ(10.0f), -1.0f, 1e-4f);
    EXPECT_NEAR(ndcZ(5000.0f), 1.0f, 1e-4f);
}

// --- the real program -----------------------------------------------------------------------

// Screen position (pixels of a w x h back buffer) of a model point under the given key.
plat::Vec3 Project(const plat::Vec3& local, const plat::Matrix& key, int w, int h) {
    plat::Matrix m = plat::MatrixMultiply(key, ModelMatrix());
    m = plat::MatrixMultiply(m, plat::MatrixLookAtLH({0, 0, -600}, {0, 0, 0}, {0, 1, 0}));
    m = plat::MatrixMultiply(m, plat::MatrixPerspectiveFovLH(0.8f, 1.3333f, 10.0f, 5000.0f));
    plat::Vec3 p = plat::TransformPoint(local, m);
    float wClip = local.x * m.m[0][3] + local.y * m.m[1][3] + local.z * m.m[2][3] + m.m[3][3];
    return {(p.x / wClip + 1) * 0.5f * w, (1 - p.y / wClip) * 0.5f * h, 0};
}

// A device rebuild on the way (a task switch) reloads the textures and buffers but keeps one copy
// of the model, whose animation goes on where it was.
TEST(IntroProgram, ShowsTheLitTexturedBlocksWhereTheModelPutsThemAndEndsAtKey250) {
    GameRunner runner;
    GameRun run = runner.Run(
        "frames 200\ndevice reset\nframes 48\nscreenshot intro.png\nexpect g_objectCount 8\n"
        "expect g_modelObjects.7.currentKey 248\nexpect g_introActive 1\nframes 2\nexpect g_introActive 0\n",
        {"--fixed-step", "42"});
    ASSERT_EQ(run.exitCode, 0) << run.stdErr;
    plat::Image shot, texture;
    std::string error;
    ASSERT_TRUE(plat::LoadImageFile(runner.Path("intro.png"), shot, error)) << error;
    ASSERT_EQ(shot.width, 800);

    ResetModelStore();
    ReadModelFile(runner.Path("models/logo.x"));
    ASSERT_EQ(g_objectCount, 8);
    float previousX = -1;
    for (int i = 0; i < g_objectCount; ++i) {
        const TMyMesh& r = g_modelObjects[i];
        float half = 0, inner = 0;
        for (int v = r.firstVertex; v < r.firstVertex + r.vertexCount; ++v) {
            half = std::max(half, g_modelVertices[v].y);
            if (g_modelVertices[v].ny > 0.99f) inner = std::max(inner, g_modelVertices[v].x);
        }
        // On the front face's panel, beside the letter.
        const plat::Vec3 local{-0.75f * inner, half, 0};
        plat::Vec3 at = Project(local, g_animKeys[r.firstKey + 248], shot.width, shot.height);
        ASSERT_GT(at.x, previousX) << "blocks spell the word left to right";
        previousX = at.x;
        uint32_t got = shot.pixels[size_t(at.y) * shot.width + size_t(at.x)];

        ASSERT_TRUE(plat::LoadImageFile(runner.Path(r.textureFile), texture, error)) << error;
        float u = (local.x + inner) / (2 * inner);
        uint32_t texel = texture.pixels[size_t(texture.height / 2) * texture.width + size_t(u * texture.width)];
        EXPECT_GT(Luma(got), Luma(texel) * 6 / 10) << "block " << i << " is lit from the front";
        EXPECT_LT(Luma(got), Luma(texel) * 14 / 10 + 20) << "block " << i;
        int tr = (texel >> 16) & 255, tg = (texel >> 8) & 255, tb = texel & 255;
        int gr = (got >> 16) & 255, gg = (got >> 8) & 255, gb = got & 255;
        if (std::max({tr, tg, tb}) - std::min({tr, tg, tb}) > 60) {
            // The block shows its own colour: the texture's strongest channel stays strongest.
            int strongest = tr >= tg && tr >= tb ? 0 : tg >= tb ? 1 : 2;
            int gotStrongest = gr >= gg && gr >= gb ? 0 : gg >= gb ? 1 : 2;
            EXPECT_EQ(gotStrongest, strongest) << "block " << i << std::hex << " got " << got << " texel " << texel;
        }
    }
    ResetModelStore();
}

}  // namespace
