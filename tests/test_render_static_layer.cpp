// The off-screen picture of a screen's unchanging parts, on a real (headless) GL device: shown
// over the frame it gives the pixels the draws themselves give, and it is drawn again only
// when its key or the device changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "gl_window_test.h"
#include "platform/device.h"
#include "platform/sprite.h"
#include "platform/texture.h"
#include "render/graphics.h"
#include "render/static_layer.h"

namespace {

int g_patternRuns = 0;
const plat::Texture* g_pen = nullptr;

// Overlapping one-texel dots in half-transparent colours, and an opaque bar over some of them:
// below 1280 x 1024 several dots share a pixel, so the order of blending shows.
void DrawDots() {
    const plat::Rect texel{0, 0, 1, 1};
    for (int y = 100; y < 300; y += 2)
        for (int x = 100; x < 400; x += 3) {
            const plat::Vec3 pos{float(x), float(y), 0};
            g_sprite->Draw(g_pen, &texel, nullptr, &pos, (x / 3) % 2 ? 0x99444444 : 0x60FF2020);
        }
    const plat::Rect bar{0, 0, 1, 1};
    for (int x = 150; x < 250; ++x) {
        const plat::Vec3 pos{float(x), 200, 0};
        g_sprite->Draw(g_pen, &bar, nullptr, &pos, 0xFF888888);
    }
}

void DrawPattern() {
    ++g_patternRuns;
    DrawDots();
}

// The whole screen in opaque blocks drawn without blending, the pattern blended over them.
const plat::Texture* g_block = nullptr;
int g_opaqueRuns = 0;
void DrawOpaquePattern() {
    ++g_opaqueRuns;
    g_sprite->SetFlags(0);
    const plat::Rect block{0, 0, 64, 64};
    for (int y = 0; y < 1024; y += 64)
        for (int x = 0; x < 1280; x += 64) {
            const plat::Vec3 pos{float(x), float(y), 0};
            g_sprite->Draw(g_block, &block, nullptr, &pos, (x + y) % 128 ? 0xFF3060A0 : 0xFFE0C020);
        }
    g_sprite->SetFlags(plat::SPRITE_ALPHABLEND);
    DrawDots();
}

class RenderStaticLayer : public GlWindowTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (HasFatalFailure()) return;
        savedDevice_ = std::move(g_device);
        savedSprite_ = std::move(g_sprite);
        plat::Image white;
        white.width = white.height = 2;
        white.pixels.assign(4, 0xFFFFFFFF);
        pen_ = plat::Texture::FromImage(white, false);
        g_pen = pen_.get();
        white.width = white.height = 64;
        white.pixels.assign(64 * 64, 0xFFFFFFFF);
        block_ = plat::Texture::FromImage(white, false);
        g_block = block_.get();
    }
    void TearDown() override {
        ReleaseStaticLayer();
        pen_.reset();
        block_.reset();
        g_sprite = std::move(savedSprite_);
        g_device = std::move(savedDevice_);
    }

    void MakeDevice(int w, int h) {
        ReleaseStaticLayer();
        g_sprite.reset();
        g_device.reset();
        plat::PresentParams p;
        p.width = w;
        p.height = h;
        p.vsync = false;
        ASSERT_EQ(plat::Device::Create(*window_, p, g_device), plat::S_OK);
        ASSERT_EQ(plat::Sprite::Create(g_device.get(), g_sprite), plat::S_OK);
        g_sprite->SetTransform(plat::MatrixScaling(w / 1280.0f, h / 1024.0f, 1.0f));
    }

    // One frame: background, a sprite before, the pattern (cached under `key`, or drawn
    // straight in), a sprite after.
    std::vector<uint32_t> Frame(bool layered, uint64_t key = 7, void (*draw)() = &DrawPattern, bool opaque = false) {
        g_device->BeginScene();
        g_device->Clear(0xFFFFE7DD);
        g_sprite->Begin(plat::SPRITE_ALPHABLEND);
        const plat::Rect big{0, 0, 64, 64};
        const plat::Vec3 before{120, 120, 0};
        g_sprite->Draw(block_.get(), &big, nullptr, &before, 0x8000A000);
        if (layered) DrawStaticLayer(key, draw, opaque);
        else draw();
        EXPECT_EQ(g_sprite->flags(), plat::SPRITE_ALPHABLEND);   // as the draws left it
        const plat::Vec3 after{300, 250, 0};
        g_sprite->Draw(g_pen, &big, nullptr, &after, 0xFF0000FF);
        g_sprite->End();
        g_device->EndScene();
        std::vector<uint32_t> pixels;
        EXPECT_TRUE(g_device->ReadBackBuffer(pixels));
        return pixels;
    }

    std::unique_ptr<plat::Device> savedDevice_;
    std::unique_ptr<plat::Sprite> savedSprite_;
    std::unique_ptr<plat::Texture> pen_, block_;
};

// Blending once from premultiplied colour rounds differently from blending dot by dot, by a
// step at most.
int WorstChannelDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    int worst = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        for (int shift = 0; shift < 32; shift += 8)
            worst = std::max(worst, std::abs(int((a[i] >> shift) & 0xFF) - int((b[i] >> shift) & 0xFF)));
    return a.size() == b.size() ? worst : 255;
}

TEST_F(RenderStaticLayer, ShowsThePixelsTheDrawsGiveAtEverySize) {
    for (auto [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1280, 1024}}) {
        MakeDevice(w, h);
        ASSERT_FALSE(g_device->direct());
        const std::vector<uint32_t> direct = Frame(false);
        const std::vector<uint32_t> layered = Frame(true);
        EXPECT_LE(WorstChannelDifference(direct, layered), 1) << w << "x" << h;
        // A dot at virtual (391, 150), clear of the other sprites, is on the frame.
        const size_t x = size_t(391.5 * w / 1280), y = size_t(150.5 * h / 1024);
        EXPECT_NE(direct[y * size_t(w) + x], 0xFFFFE7DDu);
        EXPECT_NE(layered[y * size_t(w) + x], 0xFFFFE7DDu);
    }
}

TEST_F(RenderStaticLayer, DrawsAgainOnlyForANewKeyOrDevice) {
    MakeDevice(800, 600);
    g_patternRuns = 0;
    const std::vector<uint32_t> first = Frame(true, 1);
    const std::vector<uint32_t> second = Frame(true, 1);
    EXPECT_EQ(g_patternRuns, 1);
    EXPECT_EQ(first, second);
    Frame(true, 2);
    EXPECT_EQ(g_patternRuns, 2);
    // Another picture under the same key is drawn too, and the first one again after it.
    g_opaqueRuns = 0;
    Frame(true, 2, &DrawOpaquePattern, true);
    EXPECT_EQ(g_opaqueRuns, 1);
    Frame(true, 2);
    EXPECT_EQ(g_patternRuns, 3);
    MakeDevice(1024, 768);
    const std::vector<uint32_t> rebuilt = Frame(true, 2);
    EXPECT_EQ(g_patternRuns, 4);
    EXPECT_LE(WorstChannelDifference(Frame(false), rebuilt), 1);
}

// An opaque picture is shown without blending, to the pixels its draws give.
TEST_F(RenderStaticLayer, AnOpaquePictureShowsTheSamePixels) {
    for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 1024}}) {
        MakeDevice(w, h);
        const std::vector<uint32_t> direct = Frame(false, 3, &DrawOpaquePattern, true);
        const std::vector<uint32_t> layered = Frame(true, 3, &DrawOpaquePattern, true);
        EXPECT_EQ(direct, layered) << w << "x" << h;
        // The sprite drawn after the picture still blends over it.
        const size_t x = size_t(310.5 * w / 1280), y = size_t(260.5 * h / 1024);
        EXPECT_EQ(layered[y * size_t(w) + x], 0xFF0000FFu);
    }
}

TEST_F(RenderStaticLayer, WithoutAGpuThePatternIsDrawnEveryFrame) {
    g_device.reset();
    g_sprite = plat::Sprite::CreateRecorder();
    g_sprite->Begin(plat::SPRITE_ALPHABLEND);
    g_patternRuns = 0;
    DrawStaticLayer(5, &DrawPattern);
    DrawStaticLayer(5, &DrawPattern);
    EXPECT_EQ(g_patternRuns, 2);
    EXPECT_EQ(g_sprite->drawCount(), 2u * (100 * 100 + 100));
}

}  // namespace
