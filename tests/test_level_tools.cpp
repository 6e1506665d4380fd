// The level author's tools: pictures drawn as text become the right figures, and the
// difficulty measure and curve check notice what they should.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "level_art.h"
#include "level_metrics.h"
#include "platform/image.h"

namespace {

// Wide 'P' (4 x 2 cells), tall 'S' (2 x 4), the rest 2 x 2.
std::pair<int, int> Cells(int id) { return id == 13 ? std::pair{4, 2} : id == 21 ? std::pair{2, 4} : std::pair{2, 2}; }

const std::map<char, int> kKey{{'r', 1}, {'P', 13}, {'S', 21}};

}  // namespace

TEST(LevelArt, CharactersBecomeFiguresOnTheTwoCellGrid) {
    const gen::ArtBlock art{10, {"PPr", "S..", "S.r"}};
    const auto figures = gen::TileArt(art, kKey, Cells, "t.txt");
    ASSERT_EQ(figures.size(), 4u);
    EXPECT_EQ(figures[0].id, 13);
    EXPECT_EQ(figures[1].id, 1);
    EXPECT_EQ(figures[1].col, 4);
    EXPECT_EQ(figures[2].id, 21);
    EXPECT_EQ(figures[2].row, 2);
    EXPECT_EQ(figures[3].col, 4);
    EXPECT_EQ(figures[3].row, 4);
    EXPECT_EQ(figures[3].line, 12);
    EXPECT_EQ(gen::ArtCols(art), 6);
    EXPECT_EQ(gen::ArtRows(art), 6);
}

TEST(LevelArt, BrokenPicturesNameTheirLine) {
    // A plank one character short, a pillar one character short, an unknown character.
    for (const auto& rows : {std::vector<std::string>{"P.."}, {"S", "r"}, {"r", "x"}}) {
        try {
            gen::TileArt(gen::ArtBlock{5, rows}, kKey, Cells, "t.txt");
            ADD_FAILURE() << rows[0] << " was accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("t.txt:"), std::string::npos) << e.what();
        }
    }
}

TEST(LevelMeasure, CountsWhatMakesALevelHard) {
    // Two overlapping figures in two layers, a decoy, one limited offer.
    const std::vector<gen::MeasuredFigure> sample{{1, 1, 0, 0, 2, 2}, {61, 3, 1, 1, 2, 2}};
    const std::vector<gen::MeasuredOffer> palette{{1, 255}, {61, 2}, {5, 1}};
    const gen::LevelMeasure m = gen::MeasureLevel(sample, palette);
    EXPECT_EQ(m.cells, 7);
    EXPECT_EQ(m.figures, 2);
    EXPECT_EQ(m.distinct, 2);
    EXPECT_EQ(m.layers, 2);
    EXPECT_EQ(m.decoys, 1);
    EXPECT_EQ(m.limited, 2);
    EXPECT_DOUBLE_EQ(m.score, 2 + 1.5 * 2 + 7.0 / 16 + 3 + 2 + 0.5 * 2);
}

TEST(LevelMeasure, CurveBreaksAreFound) {
    EXPECT_TRUE(gen::CurveBreaks({1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 9}).empty());
    // A block of five averaging less than the one before.
    EXPECT_EQ(gen::CurveBreaks({5, 5, 5, 5, 5, 4, 4, 4, 4, 4}).size(), 1u);
    // One level half again as hard as the next, though the blocks still rise.
    EXPECT_EQ(gen::CurveBreaks({2, 2, 2, 2, 7, 4, 5, 5, 5, 5}).size(), 1u);
    // A short last block counts by its average.
    EXPECT_EQ(gen::CurveBreaks({3, 3, 3, 3, 3, 2.5}).size(), 1u);
}

// The build's contact sheets: one tile a level, eight to a row, each holding a picture.
TEST(LevelContactSheet, EveryOrdinaryLevelHasItsTile) {
    constexpr int TileWidth = 256, TileHeight = 236, PerRow = 8, Ordinary = 99;
    for (const char* name : {"levels-box1.png", "levels-box2.png"}) {
        plat::Image sheet;
        std::string error;
        ASSERT_TRUE(plat::LoadImageFile(std::string(STROYLIK_GAME_DIR) + "/../" + name, sheet, error)) << error;
        ASSERT_EQ(sheet.width, PerRow * TileWidth) << name;
        ASSERT_EQ(sheet.height, (Ordinary + PerRow - 1) / PerRow * TileHeight) << name;
        for (int tile = 0; tile < PerRow * (sheet.height / TileHeight); ++tile) {
            // Count coloured pixels below the label: figures are saturated, the tile is white
            // and the field behind the picture a pale cream.
            int coloured = 0;
            const int left = tile % PerRow * TileWidth, top = tile / PerRow * TileHeight + 40;
            for (int y = top; y < top + TileHeight - 48; ++y)
                for (int x = left; x < left + TileWidth; ++x) {
                    const uint32_t p = sheet.pixels[static_cast<size_t>(y) * sheet.width + x];
                    const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
                    if (std::max({r, g, b}) - std::min({r, g, b}) > 80) ++coloured;
                }
            if (tile < Ordinary) EXPECT_GT(coloured, 200) << name << " tile " << tile + 1 << " shows no picture";
            else EXPECT_EQ(coloured, 0) << name << " has a tile beyond the ordinary levels";
        }
    }
}
