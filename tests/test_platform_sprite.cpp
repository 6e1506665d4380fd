// Sprite batch bookkeeping without a GPU: batching by texture, the draw protocol, corner
// placement through centre, position and transform.
#include <gtest/gtest.h>

#include "platform/sprite.h"
#include "platform/texture.h"

namespace {

std::unique_ptr<plat::Texture> CpuTexture(int w, int h) {
    plat::Image img;
    img.width = w;
    img.height = h;
    img.pixels.assign(size_t(w) * h, 0xFFFFFFFF);
    return plat::Texture::FromImage(img, false);
}

TEST(PlatformSprite, OneTextureMakesOneBatchForThirtyThousandDraws) {
    auto sprite = plat::Sprite::CreateRecorder();
    auto pen = CpuTexture(4, 4);
    const plat::Rect texel{0, 0, 1, 1};
    ASSERT_EQ(sprite->Begin(plat::SPRITE_ALPHABLEND), plat::S_OK);
    for (int i = 0; i < 30000; ++i) {
        const plat::Vec3 pos{float(i % 1280), float(i / 1280), 0};
        ASSERT_EQ(sprite->Draw(pen.get(), &texel, nullptr, &pos, 0xFF888888), plat::S_OK);
    }
    ASSERT_EQ(sprite->End(), plat::S_OK);
    EXPECT_EQ(sprite->drawCount(), 30000u);
    EXPECT_EQ(sprite->batchCount(), 1u);
    EXPECT_EQ(sprite->records().size(), 30000u);
}

TEST(PlatformSprite, TextureChangesAndFlushesCloseBatches) {
    auto sprite = plat::Sprite::CreateRecorder();
    auto a = CpuTexture(8, 8), b = CpuTexture(8, 8);
    sprite->Begin(plat::SPRITE_ALPHABLEND);
    sprite->Draw(a.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);
    sprite->Draw(a.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);
    sprite->Draw(nullptr, nullptr, nullptr, nullptr, 0xFFFFFFFF);   // counted, breaks nothing
    sprite->Draw(a.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);
    sprite->Draw(b.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);   // closes a's batch
    sprite->Draw(a.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);   // closes b's
    sprite->Flush();                                                // closes a's
    sprite->Flush();                                                // nothing queued
    sprite->Draw(a.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);
    sprite->End();                                                  // closes the last
    EXPECT_EQ(sprite->drawCount(), 7u);
    EXPECT_EQ(sprite->batchCount(), 4u);

    sprite->resetCounters();
    EXPECT_EQ(sprite->drawCount(), 0u);
    EXPECT_TRUE(sprite->records().empty());
    sprite->Begin(0);
    sprite->Draw(nullptr, nullptr, nullptr, nullptr, 0);
    sprite->End();
    EXPECT_EQ(sprite->drawCount(), 1u);
    EXPECT_EQ(sprite->batchCount(), 0u);   // nothing to show, nothing sent
}

TEST(PlatformSprite, DrawOutsideBeginEndIsRefused) {
    auto sprite = plat::Sprite::CreateRecorder();
    auto t = CpuTexture(2, 2);
    EXPECT_EQ(sprite->Draw(t.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF), plat::D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->End(), plat::D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->Begin(plat::SPRITE_ALPHABLEND), plat::S_OK);
    EXPECT_EQ(sprite->Begin(plat::SPRITE_ALPHABLEND), plat::D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->End(), plat::S_OK);
    EXPECT_EQ(sprite->Draw(t.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF), plat::D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->drawCount(), 0u);
}

TEST(PlatformSprite, CornersUseCentrePositionAndTransform) {
    auto sprite = plat::Sprite::CreateRecorder();
    auto t = CpuTexture(64, 32);
    // Scale by (0.5, 0.25), then move by (7, 3).
    sprite->SetTransform(plat::MatrixMultiply(plat::MatrixScaling(0.5f, 0.25f, 1), plat::MatrixTranslation(7, 3, 0)));
    sprite->Begin(plat::SPRITE_ALPHABLEND);
    const plat::Rect src{16, 8, 48, 24};
    const plat::Vec3 centre{10, 4, 0}, pos{100, 40, 0};
    sprite->Draw(t.get(), &src, &centre, &pos, 0x40FF00FF);
    sprite->Draw(t.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);
    sprite->End();
    ASSERT_EQ(sprite->records().size(), 2u);
    const auto& r = sprite->records()[0];
    EXPECT_FLOAT_EQ(r.x, (100 - 10) * 0.5f + 7);
    EXPECT_FLOAT_EQ(r.y, (40 - 4) * 0.25f + 3);
    EXPECT_EQ(r.src.left, 16);
    EXPECT_EQ(r.src.bottom, 24);
    EXPECT_EQ(r.color, 0x40FF00FFu);
    // No source rectangle: the whole texture, placed at the transformed origin.
    const auto& whole = sprite->records()[1];
    EXPECT_EQ(whole.src.right, 64);
    EXPECT_EQ(whole.src.bottom, 32);
    EXPECT_FLOAT_EQ(whole.x, 7.0f);
    EXPECT_FLOAT_EQ(whole.y, 3.0f);
}

}  // namespace
