// The device on what OpenGL 2.1 guarantees: the letterbox rectangle, the caps it reads, and
// drawing straight into the window when the context has no framebuffer objects.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gl_window_test.h"
#include "platform/device.h"
#include "platform/gl_caps.h"
#include "platform/sprite.h"
#include "platform/texture.h"

namespace {

TEST(Letterbox, KeepsTheAspectAndCentres) {
    const plat::ViewRect wide = plat::LetterboxRect(800, 600, 1920, 1080);   // bars left and right
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.x0, 240);
    EXPECT_EQ(wide.y0, 0);
    const plat::ViewRect tall = plat::LetterboxRect(1280, 1024, 1280, 1200);   // bars above and below
    EXPECT_EQ(tall.width, 1280);
    EXPECT_EQ(tall.height, 1024);
    EXPECT_EQ(tall.y0, 88);
    const plat::ViewRect none = plat::LetterboxRect(800, 600, 0, 600);
    EXPECT_EQ(none.width, 0);
}

class GlFloor : public GlWindowTest {
protected:
    void TearDown() override {
        unsetenv("STROYLIK_GL_NO_FBO");
        plat::ForgetGlCaps();
    }
};

TEST_F(GlFloor, TheContextMeetsTheFloorAndOffersFramebuffers) {
    const plat::GlCaps& caps = plat::CurrentGlCaps();
    EXPECT_TRUE(plat::GlMeetsFloor(caps)) << caps.version;
    EXPECT_TRUE(caps.framebuffers);
    plat::GlCaps old;
    old.major = 2;
    old.minor = 0;
    old.version = "2.0 Test";
    old.renderer = "toy";
    EXPECT_FALSE(plat::GlMeetsFloor(old));
    EXPECT_EQ(plat::GlFloorMessage(old), "OpenGL 2.1 is needed; this system offers OpenGL 2.0 Test (toy)");
}

TEST_F(GlFloor, WithoutFramebufferObjectsTheGameDrawsIntoTheWindow) {
    setenv("STROYLIK_GL_NO_FBO", "1", 1);
    plat::ForgetGlCaps();
    plat::PresentParams p;
    p.width = 160;
    p.height = 120;
    p.multiSample = 4;
    p.vsync = false;
    std::unique_ptr<plat::Device> device;
    std::unique_ptr<plat::Sprite> sprite;
    ASSERT_EQ(plat::Device::Create(*window_, p, device), plat::S_OK);
    ASSERT_EQ(plat::Sprite::Create(device.get(), sprite), plat::S_OK);
    EXPECT_TRUE(device->direct());
    plat::Image img;
    img.width = img.height = 4;
    img.pixels.assign(16, 0xFFFFFFFF);
    auto white = plat::Texture::FromImage(img, false);

    ASSERT_EQ(device->BeginScene(), plat::S_OK);
    EXPECT_FALSE(device->UseMultisampling());   // nothing to give without framebuffers
    device->Clear(0xFF0000FF);
    sprite->SetTransform(plat::MatrixScaling(10, 10, 1));
    sprite->Begin(plat::SPRITE_ALPHABLEND);
    const plat::Rect src{0, 0, 4, 3};
    const plat::Vec3 pos{0, 0, 0};
    sprite->Draw(white.get(), &src, nullptr, &pos, 0xFF00FF00);   // pixels (0,0) to (40,30)
    sprite->End();
    device->EndScene();
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(device->ReadBackBuffer(pixels));
    ASSERT_EQ(pixels.size(), size_t(160 * 120));
    EXPECT_EQ(pixels[size_t(15) * 160 + 20], 0xFF00FF00u);    // inside the green quad
    EXPECT_EQ(pixels[size_t(90) * 160 + 120], 0xFF0000FFu);   // the cleared background
}

TEST_F(GlFloor, AQuadThinnerThanAPixelShowsAsItsShareOfThatPixel) {
    plat::PresentParams p;
    p.width = 64;
    p.height = 64;
    p.vsync = false;
    std::unique_ptr<plat::Device> device;
    std::unique_ptr<plat::Sprite> sprite;
    ASSERT_EQ(plat::Device::Create(*window_, p, device), plat::S_OK);
    ASSERT_EQ(plat::Sprite::Create(device.get(), sprite), plat::S_OK);
    plat::Image img;
    img.width = img.height = 2;
    img.pixels.assign(4, 0xFFFFFFFF);
    auto white = plat::Texture::FromImage(img, false);

    ASSERT_EQ(device->BeginScene(), plat::S_OK);
    device->Clear(0xFF000000);
    sprite->SetTransform(plat::MatrixScaling(0.5f, 0.25f, 1));
    sprite->Begin(plat::SPRITE_ALPHABLEND);
    const plat::Rect texel{0, 0, 1, 1};
    const plat::Vec3 pos{20.5f, 40.5f, 0};   // pixels x 10.25 .. 10.75, y 10.125 .. 10.375
    sprite->Draw(white.get(), &texel, nullptr, &pos, 0xFFFFFFFF);
    sprite->End();
    device->EndScene();
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(device->ReadBackBuffer(pixels));
    // An eighth of pixel (10, 10) is covered: an eighth of white, and nothing around it.
    const int grey = int(pixels[size_t(10) * 64 + 10] & 0xFF);
    EXPECT_NEAR(grey, 32, 3);
    EXPECT_EQ(pixels[size_t(10) * 64 + 11], 0xFF000000u);
    EXPECT_EQ(pixels[size_t(11) * 64 + 10], 0xFF000000u);
}

}  // namespace
