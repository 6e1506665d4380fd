// The outline drawn texel by texel, and the sheet-drawing idiom, on a recording sprite batch.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "render/graphics.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {

class RenderRectangle : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::move(g_sprite);
        g_sprite = plat::Sprite::CreateRecorder();
        g_sprite->Begin(plat::SPRITE_ALPHABLEND);
    }
    void TearDown() override { g_sprite = std::move(saved_); }

    std::multiset<std::pair<int, int>> Drawn() const {
        std::multiset<std::pair<int, int>> out;
        for (const auto& r : g_sprite->records()) out.insert({int(r.x), int(r.y)});
        return out;
    }
    std::unique_ptr<plat::Sprite> saved_;
};

int64_t Expected(int l, int t, int r, int b) {
    const int64_t h = r >= l ? int64_t(r) - l + 1 : 0;
    const int64_t v = b - 1 >= t + 1 ? int64_t(b) - t - 1 : 0;
    return 2 * h + 2 * v;
}

TEST_F(RenderRectangle, DrawCountsFollowTheEdgeLengths) {
    struct Case {
        int l, t, r, b;
    };
    for (Case c : {Case{3, 3, 1277, 1021}, Case{127, 830, 1153, 1024}, Case{0, 704, 1280, 1024}, Case{5, 5, 6, 6},
                   Case{0, 0, 0, 100}, Case{-4, -4, 4, 4}}) {
        g_sprite->resetCounters();
        rectangle(c.l, c.t, c.r, c.b, 0xFFFF0000);
        EXPECT_EQ(int64_t(g_sprite->drawCount()), Expected(c.l, c.t, c.r, c.b)) << c.l << "," << c.t << "," << c.r << "," << c.b;
    }
    g_sprite->resetCounters();
    rectangle(3, 3, 1277, 1021, 0xFFFF0000);
    EXPECT_EQ(g_sprite->drawCount(), 4584u);   // the main menu border
}

TEST_F(RenderRectangle, EveryBorderPixelIsCoveredAndNothingInside) {
    rectangle(-2, 7, 9, 15, 0xFF888888);
    std::set<std::pair<int, int>> covered;
    for (const auto& p : Drawn()) covered.insert(p);
    std::set<std::pair<int, int>> border;
    for (int x = -2; x <= 9; ++x)
        for (int y = 7; y <= 15; ++y)
            if (x == -2 || x == 9 || y == 7 || y == 15) border.insert({x, y});
    EXPECT_EQ(covered, border);
    for (const auto& r : g_sprite->records()) {
        EXPECT_EQ(r.color, 0xFF888888u);
        EXPECT_EQ(r.src.left, 0);
        EXPECT_EQ(r.src.right, 1);
        EXPECT_EQ(r.src.bottom, 1);
    }
}

TEST_F(RenderRectangle, DegenerateRectangles) {
    rectangle(10, 20, 10, 20, 0xFFFFFFFF);
    EXPECT_EQ(Drawn(), (std::multiset<std::pair<int, int>>{{10, 20}, {10, 20}}));

    g_sprite->resetCounters();
    rectangle(0, 0, 4, 1, 0xFFFFFFFF);
    EXPECT_EQ(g_sprite->drawCount(), 10u);
    for (const auto& r : g_sprite->records()) EXPECT_TRUE(r.y == 0 || r.y == 1);

    g_sprite->resetCounters();
    rectangle(30, 40, 20, 42, 0xFFFFFFFF);   // right < left: only the middle row, at both sides
    EXPECT_EQ(Drawn(), (std::multiset<std::pair<int, int>>{{30, 41}, {20, 41}}));

    g_sprite->resetCounters();
    rectangle(30, 40, 20, 30, 0xFFFFFFFF);
    EXPECT_EQ(g_sprite->drawCount(), 0u);
}

TEST_F(RenderRectangle, LeavesThePenRectAndTheLastPixel) {
    plat::SetRect(g_rect, 5, 6, 7, 8);
    rectangle(1, 2, 30, 40, 0xFFFFFFFF);
    EXPECT_EQ(g_rect.left, 0);
    EXPECT_EQ(g_rect.top, 0);
    EXPECT_EQ(g_rect.right, 1);
    EXPECT_EQ(g_rect.bottom, 1);
    EXPECT_FLOAT_EQ(g_spritePos.x, 30.0f);   // last vertical pair ends at the right edge
    EXPECT_FLOAT_EQ(g_spritePos.y, 39.0f);
    EXPECT_FLOAT_EQ(g_spritePos.z, 0.0f);
}

TEST_F(RenderRectangle, DrawSheetUsesTheCatalogueEntryAndTheScaling) {
    g_surfaces.clear();
    g_surfaces.resize(3);
    g_surfaceCount = 3;
    plat::Image img;
    img.width = 64;
    img.height = 32;
    img.pixels.assign(64 * 32, 0xFFFFFFFF);
    g_surfaces[2].texture = plat::Texture::FromImage(img, false);

    const float oldX = g_scaleX, oldY = g_scaleY;
    g_scaleX = 0.625f;
    g_scaleY = 0.585f;
    g_sprite->SetTransform(ResolutionScaling());
    DrawSheet(2, 10, 0, 42, 16, 320, 100, 0x80FFFFFF);
    DrawSheet(4, 0, 0, 1, 1, 0, 0, 0xFFFFFFFF);   // beyond the catalogue: drawn with no texture
    g_scaleX = oldX;
    g_scaleY = oldY;

    ASSERT_EQ(g_sprite->records().size(), 2u);
    const auto& r = g_sprite->records()[0];
    EXPECT_EQ(r.texture, g_surfaces[2].texture.get());
    EXPECT_EQ(r.src.left, 10);
    EXPECT_EQ(r.src.right, 42);
    EXPECT_FLOAT_EQ(r.x, 200.0f);
    EXPECT_FLOAT_EQ(r.y, 100.0f * 0.585f);
    EXPECT_EQ(r.color, 0x80FFFFFFu);
    EXPECT_EQ(g_sprite->records()[1].texture, nullptr);
    g_surfaces.clear();
    g_surfaceCount = 0;
}

}  // namespace

namespace {

TEST_F(RenderRectangle, DottedGridDrawsInnerLinesOnly) {
    // The box 1 palette: 15 inner columns of 97 dots and 2 inner rows of 513 dots.
    drawsetka(128, 831, 1152, 1023, 64, 0x99444444);
    EXPECT_EQ(g_sprite->drawCount(), 15u * 97 + 2u * 513);
    const auto dots = Drawn();
    EXPECT_EQ(dots.count({128 + 64, 831}), 1u) << "first inner column starts at the top edge";
    EXPECT_EQ(dots.count({128, 831 + 64}), 1u) << "first inner row starts at the left edge";
    EXPECT_EQ(dots.count({128, 831}), 0u) << "the border itself is not dotted";
    EXPECT_EQ(dots.count({128 + 64, 832}), 0u) << "dots are two pixels apart";
    for (const auto& r : g_sprite->records()) EXPECT_EQ(r.color, 0x99444444u);

    // A rectangle narrower than two steps has no inner line; a zero step draws nothing.
    g_sprite->resetCounters();
    drawsetka(0, 0, 31, 31, 16, 0xFFFFFFFF);
    EXPECT_EQ(g_sprite->drawCount(), 0u);
    drawsetka(0, 0, 100, 100, 0, 0xFFFFFFFF);
    EXPECT_EQ(g_sprite->drawCount(), 0u);
}

}  // namespace
