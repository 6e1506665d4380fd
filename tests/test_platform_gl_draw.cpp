// Drawing on a real (headless) GL device: tinted sprites land scaled on the right back-buffer
// pixels, text stays inside its rectangle, the back buffer reads back top row first.
#include <gtest/gtest.h>

#include <cstdlib>

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include "platform/device.h"
#include "platform/font.h"
#include "platform/sprite.h"
#include "platform/texture.h"
#include "gl_window_test.h"
#include "platform/window.h"

namespace {

class PlatformGlDraw : public GlWindowTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (HasFatalFailure()) return;
    }

    // Back buffer of w x h, sprite mapping the 1280 x 1024 virtual screen onto it.
    void MakeDevice(int w, int h, int multiSample) {
        plat::PresentParams p;
        p.width = w;
        p.height = h;
        p.multiSample = multiSample;
        p.vsync = false;
        ASSERT_EQ(plat::Device::Create(*window_, p, device_), plat::S_OK);
        ASSERT_EQ(plat::Sprite::Create(device_.get(), sprite_), plat::S_OK);
        sprite_->SetTransform(plat::MatrixScaling(w / 1280.0f, h / 1024.0f, 1.0f));
    }
    uint32_t Pixel(int x, int y) const { return pixels_[size_t(y) * device_->width() + x]; }
    void Read() { ASSERT_TRUE(device_->ReadBackBuffer(pixels_)); }

    static std::unique_ptr<plat::Texture> Solid(int w, int h, uint32_t argb) {
        plat::Image img;
        img.width = w;
        img.height = h;
        img.pixels.assign(size_t(w) * h, argb);
        return plat::Texture::FromImage(img, false);
    }

    std::unique_ptr<plat::Device> device_;
    std::unique_ptr<plat::Sprite> sprite_;
    std::vector<uint32_t> pixels_;
};


void ExpectNear(uint32_t got, uint32_t want, int tol = 3) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int g = int((got >> shift) & 0xFF), w = int((want >> shift) & 0xFF);
        EXPECT_LE(std::abs(g - w), tol) << std::hex << "got 0x" << got << " want 0x" << want;
    }
}

TEST_F(PlatformGlDraw, TintedSpriteLandsScaledOnTheBackBuffer) {
    for (int samples : {0, 4}) {
        MakeDevice(320, 256, samples);   // a quarter of the virtual screen each way
        auto grey = Solid(8, 8, 0xFF808080);
        ASSERT_EQ(device_->BeginScene(), plat::S_OK);
        device_->Clear(0xFF0000FF);
        sprite_->Begin(plat::SPRITE_ALPHABLEND);
        // Virtual (400, 200) to (480, 240) -> pixels (100, 50) to (120, 60); texels x tint.
        const plat::Rect src{0, 0, 80, 40};
        const plat::Vec3 pos{400, 200, 0};
        sprite_->Draw(grey.get(), &src, nullptr, &pos, 0xFFFF00FF);
        // Half-transparent red over the blue background, top-left corner of the screen.
        auto white = Solid(4, 4, 0xFFFFFFFF);
        const plat::Vec3 origin{0, 0, 0};
        const plat::Rect quarter{0, 0, 4, 4};
        sprite_->Draw(white.get(), &quarter, nullptr, &origin, 0x80FF0000);
        sprite_->End();
        device_->EndScene();
        Read();
        SCOPED_TRACE(samples);
        ExpectNear(Pixel(110, 55), 0xFF800080);
        ExpectNear(Pixel(100, 50), 0xFF800080);
        ExpectNear(Pixel(119, 59), 0xFF800080);
        ExpectNear(Pixel(99, 55), 0xFF0000FF);
        ExpectNear(Pixel(120, 55), 0xFF0000FF);
        ExpectNear(Pixel(110, 60), 0xFF0000FF);
        ExpectNear(Pixel(110, 49), 0xFF0000FF);
        ExpectNear(Pixel(0, 0), 0xFF80007F);   // top row first: the corner sprite is row 0
        ExpectNear(Pixel(0, 255), 0xFF0000FF);
        EXPECT_EQ(sprite_->batchCount(), 2u);
        EXPECT_EQ(device_->Present(), plat::S_OK);
        sprite_.reset();
        device_.reset();
    }
}

// Draws below a pixel each way go out as points, the rest as quads, in one batch: each lands
// on the pixel its centre lies in with the right texel and alpha, and the draws keep their
// order whichever kind comes first.
TEST_F(PlatformGlDraw, OnePixelDrawsKeepTheirPixelTexelAndOrder) {
    MakeDevice(320, 256, 0);   // a virtual texel is a quarter pixel each way
    plat::Image img;
    img.width = img.height = 4;
    img.pixels.assign(16, 0xFFFF0000);
    img.pixels[15] = 0xFF00FF00;   // texel (3, 3) green, the rest red
    auto sheet = plat::Texture::FromImage(img, false);
    const plat::Rect green{3, 3, 4, 4}, all{0, 0, 4, 4};
    const plat::Vec3 a{400, 200, 0}, b{404, 200, 0}, c{409, 201, 0};
    ASSERT_EQ(device_->BeginScene(), plat::S_OK);
    device_->Clear(0xFF000000);
    sprite_->Begin(plat::SPRITE_ALPHABLEND);
    sprite_->Draw(sheet.get(), &green, nullptr, &b, 0xFFFFFFFF);   // point at (101, 50)...
    sprite_->Draw(sheet.get(), &all, nullptr, &b, 0xFFFFFFFF);     // ...under a red quad
    sprite_->Draw(sheet.get(), &all, nullptr, &a, 0xFFFFFFFF);     // red quad at (100, 50)...
    sprite_->Draw(sheet.get(), &green, nullptr, &a, 0xFFFFFFFF);   // ...under a point
    sprite_->Draw(sheet.get(), &green, nullptr, &c, 0xFFFFFFFF);   // centre 102.375 -> (102, 50)
    sprite_->End();
    device_->EndScene();
    Read();
    EXPECT_EQ(sprite_->batchCount(), 1u);
    ExpectNear(Pixel(101, 50), 0xFFFF0000);
    // A quarter of a pixel each way covers a sixteenth: green at alpha 16.
    ExpectNear(Pixel(100, 50), 0xFFEF1000, 1);
    ExpectNear(Pixel(102, 50), 0xFF001000, 1);
    ExpectNear(Pixel(103, 50), 0xFF000000, 0);
    ExpectNear(Pixel(102, 51), 0xFF000000, 0);
}

// A batch far longer than the driver gets at once is handed over in pieces: every point and
// every quad still lands whole, also where a piece ends in the middle of the points and the
// quads that follow must not be cut.
TEST_F(PlatformGlDraw, LongBatchesArriveWhole) {
    MakeDevice(1280, 1024, 0);   // a virtual pixel is a pixel
    auto white = Solid(2, 2, 0xFFFFFFFF);
    const plat::Rect dot{0, 0, 1, 1}, square{0, 0, 2, 2};
    ASSERT_EQ(device_->BeginScene(), plat::S_OK);
    device_->Clear(0xFF000000);
    sprite_->Begin(plat::SPRITE_ALPHABLEND);
    sprite_->SetTransform(plat::MatrixScaling(0.5f, 0.5f, 1.0f));   // half a pixel each way: points
    for (int i = 0; i < 4095; ++i) {
        const plat::Vec3 at{float(2 * (i % 1000)), float(2 * (i / 1000)), 0};
        sprite_->Draw(white.get(), &dot, nullptr, &at, 0xFFFF0000);
    }
    sprite_->SetTransform(plat::MatrixIdentity());
    for (int i = 0; i < 3000; ++i) {
        const plat::Vec3 at{float(2 * (i % 600)), float(100 + 2 * (i / 600)), 0};
        sprite_->Draw(white.get(), &square, nullptr, &at, 0xFF00FF00);
    }
    sprite_->End();
    device_->EndScene();
    Read();
    int points = 0, squares = 0;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 1000; ++x) points += (Pixel(x, y) & 0xFFFF00) > 0x100000;   // a quarter pixel of red
    for (int y = 100; y < 110; ++y)
        for (int x = 0; x < 1200; ++x) squares += Pixel(x, y) == 0xFF00FF00;
    EXPECT_EQ(points, 4095);
    EXPECT_EQ(squares, 3000 * 4);
}

// Presented into a window of its own size, the picture arrives pixel for pixel (a copy, not
// a shaded quad); into a larger one it is scaled into the middle, with black bars.
TEST_F(PlatformGlDraw, PresentShowsThePictureInTheWindow) {
    int dw = 0, dh = 0;
    window_->DrawableSize(dw, dh);
    ASSERT_GT(dw, 64);
    ASSERT_GT(dh, 64);
    for (int w : {dw, dw / 2}) {
        const int h = w == dw ? dh : dh / 4;   // half as tall for its width: bars above and below
        MakeDevice(w, h, 0);
        auto grey = Solid(8, 8, 0xFF808080);
        ASSERT_EQ(device_->BeginScene(), plat::S_OK);
        device_->Clear(0xFF2040C0);
        sprite_->Begin(plat::SPRITE_ALPHABLEND);
        const plat::Rect src{0, 0, 256, 256};
        const plat::Vec3 pos{0, 0, 0};
        sprite_->Draw(grey.get(), &src, nullptr, &pos, 0xFFFF8000);   // the top-left corner
        sprite_->End();
        device_->EndScene();
        Read();
        ASSERT_EQ(device_->Present(), plat::S_OK);
        std::vector<uint32_t> shown(size_t(dw) * dh);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glReadPixels(0, 0, dw, dh, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, shown.data());
        device_->BindBackBuffer();
        auto windowPixel = [&](int x, int y) { return shown[size_t(dh - 1 - y) * dw + x]; };   // rows bottom first
        SCOPED_TRACE(w);
        if (w == dw) {
            for (int y = 0; y < h; y += 7)
                for (int x = 0; x < w; x += 5) ASSERT_EQ(windowPixel(x, y), Pixel(x, y)) << x << "," << y;
        } else {
            ExpectNear(windowPixel(dw / 2, 2), 0xFF000000, 0);       // the bar above
            ExpectNear(windowPixel(dw / 2, dh - 3), 0xFF000000, 0);  // the bar below
            ExpectNear(windowPixel(dw / 2, dh / 2), 0xFF2040C0, 0);  // the picture's middle
        }
        sprite_.reset();
        device_.reset();
    }
}

TEST_F(PlatformGlDraw, SpritesRestoreTheStateTheyBorrow) {
    MakeDevice(64, 64, 0);
    auto t = Solid(2, 2, 0xFFFFFFFF);
    auto mine = Solid(2, 2, 0xFF000000);
    device_->BeginScene();
    // What the fixed-function intro might have set before a batch.
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, mine->glName());
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    glViewport(1, 2, 30, 40);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    sprite_->Begin(plat::SPRITE_ALPHABLEND);
    sprite_->Draw(t.get(), nullptr, nullptr, nullptr, 0x80FFFFFF);
    sprite_->End();
    GLint program = -1, texture = -1, src = -1, viewport[4] = {};
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glGetIntegerv(GL_BLEND_SRC_RGB, &src);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(program, 0);
    EXPECT_EQ(GLuint(texture), mine->glName());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(src, GL_ONE);
    EXPECT_EQ(viewport[0], 1);
    EXPECT_EQ(viewport[3], 40);
    // Depth test and culling are left off on purpose (the 3D code sets its own each frame).
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    device_->EndScene();
    // And the sprite really drew, although the viewport was elsewhere: full back buffer.
    Read();
    EXPECT_NE(Pixel(0, 0), 0u);
}

TEST_F(PlatformGlDraw, LostDeviceIsReportedUntilRebuilt) {
    MakeDevice(32, 32, 0);
    EXPECT_EQ(device_->TestCooperativeLevel(), plat::S_OK);
    plat::Device::SimulateLoss(plat::CooperativeLevel::Lost);
    EXPECT_EQ(device_->TestCooperativeLevel(), plat::D3DERR_DEVICELOST);
    EXPECT_EQ(device_->Present(), plat::D3DERR_DEVICELOST);
    plat::Device::SimulateLoss(plat::CooperativeLevel::NotReset);
    EXPECT_EQ(device_->TestCooperativeLevel(), plat::D3DERR_DEVICENOTRESET);
    sprite_.reset();
    device_.reset();
    MakeDevice(32, 32, 0);
    EXPECT_EQ(device_->TestCooperativeLevel(), plat::S_OK);
    EXPECT_EQ(plat::Device::SimulatedLevel(), plat::CooperativeLevel::Ok);
    // Scenes do not nest.
    EXPECT_EQ(device_->BeginScene(), plat::S_OK);
    EXPECT_EQ(device_->BeginScene(), plat::D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->EndScene(), plat::S_OK);
    EXPECT_EQ(device_->EndScene(), plat::D3DERR_INVALIDCALL);
}

TEST_F(PlatformGlDraw, CyrillicTextStaysInsideItsRectangle) {
    MakeDevice(400, 200, 0);
    sprite_->SetTransform(plat::MatrixIdentity());
    std::unique_ptr<plat::Font> font;
    ASSERT_EQ(plat::Font::Create(device_.get(), 22, 10, 1, "Times New Roman", font), plat::S_OK);
    const uint32_t background = 0xFF44AFDC;
    // A rectangle narrower than the text: the text is cut at its right edge and bottom.
    const plat::Rect rect{20, 30, 150, 48};
    device_->BeginScene();
    device_->Clear(background);
    sprite_->Begin(plat::SPRITE_ALPHABLEND);
    EXPECT_EQ(font->DrawText(sprite_.get(), "ЗАГРУЗКА... Пожалуйста", rect, plat::DT_LEFT_TOP, 0xFFFFFFFF), 22);
    sprite_->End();
    device_->EndScene();
    Read();
    int inside = 0, nearWhite = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 400; ++x) {
            const bool in = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
            if (!in) {
                ASSERT_EQ(Pixel(x, y), background) << x << "," << y;
            } else if (Pixel(x, y) != background) {
                ++inside;
                // White ink blended over the background: every channel moves towards 255.
                const uint32_t p = Pixel(x, y);
                for (int shift = 0; shift < 24; shift += 8)
                    EXPECT_GE((p >> shift) & 0xFF, (background >> shift) & 0xFF) << x << "," << y;
                if (((p >> 16) & 0xFF) >= 0xF0) ++nearWhite;
            }
        }
    }
    EXPECT_GT(inside, 150);
    EXPECT_GT(nearWhite, 20);
    // The cut reaches the right edge: some ink in the last columns.
    int lastColumns = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.right - 10; x < rect.right; ++x) lastColumns += Pixel(x, y) != background;
    EXPECT_GT(lastColumns, 0);
}

TEST(PlatformFont, DevicelessFontMeasuresAndCountsGlyphs) {
    std::unique_ptr<plat::Font> font;
    ASSERT_EQ(plat::Font::Create(nullptr, 22, 10, 1, "Times New Roman", font), plat::S_OK);
    EXPECT_EQ(font->height(), 22);
    // The width asked for is the average lowercase advance.
    const int alphabet = font->MeasureWidth("abcdefghijklmnopqrstuvwxyz");
    EXPECT_NEAR(alphabet / 26.0, 10.0, 1.0);
    EXPECT_EQ(font->MeasureWidth("жжжж"), 4 * font->MeasureWidth("ж"));
    EXPECT_GT(font->MeasureWidth("Ж"), 0);
    EXPECT_EQ(font->MeasureWidth("ab\nabcd"), font->MeasureWidth("abcd"));

    auto sprite = plat::Sprite::CreateRecorder();
    sprite->Begin(plat::SPRITE_ALPHABLEND);
    const plat::Rect rect{100, 100, 1000, 200};
    EXPECT_EQ(font->DrawText(sprite.get(), "Ver. 1.1", rect, plat::DT_LEFT_TOP, 0xFFFFFFFF), 22);
    EXPECT_EQ(sprite->drawCount(), 7u);   // the space has no ink
    for (const auto& r : sprite->records()) {
        EXPECT_EQ(r.texture, nullptr);
        EXPECT_GE(r.x, 100.0f);
        EXPECT_GE(r.y, 100.0f);
    }
    sprite->resetCounters();
    EXPECT_EQ(font->DrawText(sprite.get(), "два\nряда", rect, plat::DT_LEFT_TOP, 0xFFFFFFFF), 44);
    EXPECT_EQ(sprite->drawCount(), 7u);
    // A rectangle too small for any glyph draws nothing but still reports the text height.
    sprite->resetCounters();
    EXPECT_EQ(font->DrawText(sprite.get(), "Стройлик", plat::Rect{0, 0, 0, 0}, plat::DT_LEFT_TOP, 0xFFFFFFFF), 22);
    EXPECT_EQ(sprite->drawCount(), 0u);
    EXPECT_LT(font->DrawText(nullptr, "x", rect, plat::DT_LEFT_TOP, 0xFFFFFFFF), 0);
    sprite->End();
}

}  // namespace
