// The figure tables filled at start-up.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/tables.h"

namespace {

class FigureTables : public ::testing::Test {
protected:
    void SetUp() override { FillFigureTables(); }
};

TEST_F(FigureTables, IdZeroIsNoFigure) {
    const Box1Figure& b1 = g_box1Figures[0];
    EXPECT_EQ(b1.width, 0);
    EXPECT_EQ(b1.x2, 0);
    const Box2Figure& b2 = g_box2Figures[0];
    EXPECT_EQ(b2.width, 0);
    EXPECT_EQ(b2.layer, 0);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) EXPECT_EQ(b2.cellValues[c][r], 0);
}

TEST_F(FigureTables, Box1SpotValues) {
    auto expectFigure = [](int id, int x1, int y1, int w, int h) {
        const Box1Figure& f = g_box1Figures[id];
        EXPECT_EQ(f.x1, x1) << id;
        EXPECT_EQ(f.y1, y1) << id;
        EXPECT_EQ(f.x2, x1 + w) << id;
        EXPECT_EQ(f.y2, y1 + h) << id;
        EXPECT_EQ(f.width, w) << id;
        EXPECT_EQ(f.height, h) << id;
    };
    expectFigure(1, 0, 0, 64, 64);
    expectFigure(6, 64, 64, 64, 64);
    expectFigure(12, 192, 128, 64, 64);
    expectFigure(13, 0, 192, 128, 64);
    expectFigure(16, 128, 256, 128, 64);
    expectFigure(20, 128, 384, 128, 64);
    expectFigure(21, 0, 448, 64, 128);
    expectFigure(28, 192, 576, 64, 128);
}

TEST_F(FigureTables, Box1PicturesTileTheSheetWithoutOverlap) {
    std::set<std::pair<int, int>> pixels;   // 32-pixel blocks covered
    for (int id = 1; id <= Box1FigureCount; ++id) {
        const Box1Figure& f = g_box1Figures[id];
        EXPECT_GE(f.x1, 0);
        EXPECT_LE(f.x2, 256);
        EXPECT_LE(f.y2, 704);
        for (int x = f.x1; x < f.x2; x += 32)
            for (int y = f.y1; y < f.y2; y += 32) EXPECT_TRUE(pixels.insert({x, y}).second) << id;
    }
    EXPECT_EQ(pixels.size(), 256u / 32 * 704 / 32);
}

TEST_F(FigureTables, Box2SpotValues) {
    const Box2Figure& f7 = g_box2Figures[7];   // second group, first picture
    EXPECT_EQ(f7.layer, 3);
    EXPECT_EQ(f7.maskRect.x1, 32);
    EXPECT_EQ(f7.maskRect.y1, 0);
    EXPECT_EQ(f7.spriteRect.x1, 192);
    EXPECT_EQ(f7.spriteRect.y1, 0);
    EXPECT_EQ(f7.cellValues[0][1], 3);
    EXPECT_EQ(f7.cellValues[1][0], 2);

    const Box2Figure& f84 = g_box2Figures[84];
    EXPECT_EQ(f84.width, 32);
    EXPECT_EQ(f84.maskRect.x1, 32);
    EXPECT_EQ(f84.maskRect.y1, 192);
    EXPECT_EQ(f84.spriteRect.x1, 32 * 3);
    EXPECT_EQ(f84.spriteRect.y1, 32 * 5);
    EXPECT_EQ(f84.maskRect.x2, f84.maskRect.x1 + 32);

    const Box2Figure& f100 = g_box2Figures[100];   // third large group
    EXPECT_EQ(f100.width, 64);
    EXPECT_EQ(f100.height, 64);
    EXPECT_EQ(f100.maskRect.x1, 0);
    EXPECT_EQ(f100.maskRect.y1, 224 + 64 * 2);
    EXPECT_EQ(f100.spriteRect.x1, 64 * (15 % 8));
    EXPECT_EQ(f100.spriteRect.y1, 192 + 64 * (15 / 8));
    EXPECT_EQ(f100.cellValues[1][0], 62);
    EXPECT_EQ(f100.cellValues[3][2], 68);

    const Box2Figure& f162 = g_box2Figures[162];
    EXPECT_EQ(f162.layer, 1);
    EXPECT_EQ(f162.spriteRect.y2, 192 + 64 * (77 / 8) + 64);
    EXPECT_EQ(f162.cellValues[3][3], 153);
    EXPECT_EQ(g_box2Figures[109].layer, 2);
    EXPECT_EQ(g_box2Figures[109].cellValues[1][0], 82);
}

TEST_F(FigureTables, Box2FiguresOfAGroupShareTheirShape) {
    for (int first = 1; first <= Box2FigureCount; first += 6) {
        const Box2Figure& a = g_box2Figures[first];
        for (int id = first + 1; id < first + 6; ++id) {
            const Box2Figure& b = g_box2Figures[id];
            EXPECT_EQ(a.layer, b.layer) << id;
            EXPECT_EQ(a.maskRect.x1, b.maskRect.x1) << id;
            EXPECT_EQ(a.maskRect.y1, b.maskRect.y1) << id;
            for (int c = 0; c < 4; ++c)
                for (int r = 0; r < 4; ++r) EXPECT_EQ(a.cellValues[c][r], b.cellValues[c][r]) << id;
            EXPECT_NE(a.spriteRect.x1 * 10000 + a.spriteRect.y1, b.spriteRect.x1 * 10000 + b.spriteRect.y1);
        }
    }
}

TEST_F(FigureTables, Box2LargeFigures85To90HaveAnEmptyTopLeftCell) {
    for (int id = 85; id <= 90; ++id) EXPECT_EQ(g_box2Figures[id].cellValues[0][0], 0) << id;
}

TEST_F(FigureTables, Box2CellValuesAbove1OccurOnceAcrossAllShapes) {
    std::map<int, int> seen;
    for (int first = 1; first <= Box2FigureCount; first += 6) {
        const Box2Figure& f = g_box2Figures[first];
        const int cells = f.width / 16;
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r) {
                if (c >= cells || r >= cells) {
                    EXPECT_EQ(f.cellValues[c][r], 0) << first;   // outside a small figure
                    continue;
                }
                if (f.cellValues[c][r] > 1) ++seen[f.cellValues[c][r]];
            }
    }
    EXPECT_EQ(seen.size(), 152u);
    EXPECT_EQ(seen.begin()->first, 2);
    EXPECT_EQ(seen.rbegin()->first, 153);
    for (auto [value, count] : seen) EXPECT_EQ(count, 1) << value;
}

TEST_F(FigureTables, Box2PicturesStayOnTheirSheets) {
    for (int id = 1; id <= Box2FigureCount; ++id) {
        const Box2Figure& f = g_box2Figures[id];
        EXPECT_LE(f.spriteRect.x2, 512) << id;
        EXPECT_LE(f.spriteRect.y2, 1024) << id;
        EXPECT_LE(f.maskRect.x2, 64) << id;
        EXPECT_EQ(f.spriteRect.x2 - f.spriteRect.x1, f.width) << id;
    }
}

}  // namespace
