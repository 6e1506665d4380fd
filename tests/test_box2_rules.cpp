// Box 2 placing rules: the pixel fit, the cell writing, the layer choice under the cursor,
// lifting a figure out of the field and re-filling what it had covered.
#include "test_box2_fixture.h"

namespace {

LayerCell Cell(int layer, int row, int col) { return g_buildLayers[layer - 1][row][col]; }

void ExpectCell(const LayerCell& c, int figure, int col, int row, int value) {
    EXPECT_EQ(c.figure, figure);
    EXPECT_EQ(c.originCol, col);
    EXPECT_EQ(c.originRow, row);
    EXPECT_EQ(c.cellValue, value);
}

}  // namespace

TEST_F(Box2Test, FitStopsAtTheFieldEdges) {
    // Figure 1 is a full 2 x 2 block; the field is 4 x 4 cells.
    EXPECT_TRUE(DropFigure2(1, 2, 2, 4, 4));
    EXPECT_EQ(MaskCount(), 32 * 32);
    EXPECT_EQ(g_pixelMask[2 * 16][2 * 16], 1);
    EXPECT_EQ(g_pixelMask[63][63], 1);
    ClearBoard2();
    EXPECT_FALSE(DropFigure2(1, 3, 0, 4, 4));   // one column past the right edge
    EXPECT_FALSE(DropFigure2(1, 0, 3, 4, 4));   // one row past the bottom
    EXPECT_FALSE(DropFigure2(1, 4, 0, 4, 4));   // the cursor on the right edge gives column 4
    EXPECT_EQ(MaskCount(), 0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(1, r, c).figure, 0);
}

TEST_F(Box2Test, TransparentOverhangIsStillRejected) {
    // Only the top-left cell of figure 1 has shape pixels; the rest of its square is empty.
    Mask().Shape(1, [](int px, int py) { return px < 16 && py < 16; });
    EXPECT_FALSE(DropFigure2(1, 3, 0, 4, 4));
    EXPECT_FALSE(DropFigure2(1, 0, 3, 4, 4));
    EXPECT_EQ(MaskCount(), 0);
    EXPECT_TRUE(DropFigure2(1, 3, 0, 5, 4));
    EXPECT_EQ(MaskCount(), 16 * 16);
}

TEST_F(Box2Test, ShapesShareCellsButNotPixels) {
    // Figures 1 and 2 (one group) cover only the left half of their square.
    Mask().Shape(1, [](int px, int) { return px < 16; });
    ASSERT_TRUE(DropFigure2(1, 1, 0, 6, 6));   // pixels x 16..31
    bool wrote = false;
    ASSERT_TRUE(DropFigure2(2, 0, 0, 6, 6, &wrote));   // pixels x 0..15, cells shared with figure 1
    EXPECT_TRUE(wrote);
    EXPECT_EQ(MaskCount(), 2 * 16 * 32);
    // A third copy on either of them collides.
    EXPECT_FALSE(DropFigure2(3, 1, 0, 6, 6));
    EXPECT_FALSE(DropFigure2(3, 0, 1, 6, 6));
    // One overlapping pixel is enough to refuse.
    Mask().Dot(7, 31, 31);   // figure 7's only pixel
    EXPECT_FALSE(DropFigure2(7, 0, 0, 6, 6));   // lands on (31, 31), which figure 1 covers
    EXPECT_TRUE(DropFigure2(7, 1, 1, 6, 6));    // lands on (47, 47), free
}

TEST_F(Box2Test, CellWritingKeepsOriginsAndSkipsInnerZeroCells) {
    // Figure 19: cell values 1 7 / 6 0, its bottom-right cell holds 0 and is not written.
    Mask().Dot(19, 0, 0);
    ASSERT_TRUE(DropFigure2(19, 0, 0, 8, 8));
    ExpectCell(Cell(1, 0, 0), 19, 0, 0, g_box2Figures[19].cellValues[0][0]);
    ExpectCell(Cell(1, 0, 1), 19, 0, 0, g_box2Figures[19].cellValues[1][0]);
    ExpectCell(Cell(1, 1, 0), 19, 0, 0, g_box2Figures[19].cellValues[0][1]);
    EXPECT_EQ(Cell(1, 1, 1).figure, 0);

    // Figure 7 (layer 3): top-left value 0 is still written, it is the first row.
    Mask().Dot(7, 20, 20);
    ASSERT_TRUE(DropFigure2(7, 2, 0, 8, 8));
    ExpectCell(Cell(3, 0, 2), 7, 2, 0, 0);
    // Figure 25: value 0 in the first column, second row, is written too.
    Mask().Dot(25, 20, 4);
    ASSERT_TRUE(DropFigure2(25, 4, 0, 8, 8));
    ExpectCell(Cell(1, 1, 4), 25, 4, 0, 0);

}

TEST_F(Box2Test, OriginCellsAreNeverOverwritten) {
    Mask().Dot(19, 0, 0);
    Mask().Dot(1, 1, 1);
    ASSERT_TRUE(DropFigure2(19, 1, 1, 8, 8));   // origin at (row 1, col 1)
    ASSERT_TRUE(DropFigure2(1, 0, 0, 8, 8));    // its extent reaches 19's origin
    ExpectCell(Cell(1, 1, 1), 19, 1, 1, g_box2Figures[19].cellValues[0][0]);
    ExpectCell(Cell(1, 0, 0), 1, 0, 0, g_box2Figures[1].cellValues[0][0]);
    // Non-origin cells of 19 are overwritten by a later figure.
    Mask().Dot(2, 2, 2);   // figures 1 and 2 share a group
    ASSERT_TRUE(DropFigure2(2, 2, 1, 8, 8));
    ExpectCell(Cell(1, 1, 2), 2, 2, 1, g_box2Figures[2].cellValues[0][0]);
    ExpectCell(Cell(1, 2, 2), 2, 2, 1, g_box2Figures[2].cellValues[0][1]);
    // A negative figure value is not writable either.
    g_buildLayers[0][5][5] = LayerCell{-4, 5, 4, 0};
    ASSERT_TRUE(DropFigure2(3, 5, 5, 8, 8));
    EXPECT_EQ(Cell(1, 5, 5).figure, -4);
    ExpectCell(Cell(1, 5, 6), 3, 5, 5, 1);
}
