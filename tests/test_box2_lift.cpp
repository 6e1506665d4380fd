// Taking figures out of the build field: which layer a press takes, and what lifting does to
// the mask and the cells of the figures that remain.
#include "test_box2_fixture.h"

namespace {

Box2TestLevel EmptyLevel() {
    Box2TestLevel level;
    level.buildCols = level.buildRows = level.sampleCols = level.sampleRows = 8;
    return level;
}

}  // namespace

TEST_F(Box2Test, PressTakesDeeperLayersThroughZeroCells) {
    Load(EmptyLevel());
    // Tiny disjoint shapes, so the figures can share cells freely.
    Mask().Dot(25, 20, 0);    // layer 1, cell values 8 0 / 1 9: its cell (col 0, row 1) holds 0
    Mask().Dot(121, 63, 63);  // layer 2, column 0 of its cells holds 0
    Mask().Dot(7, 31, 31);    // layer 3, top-left value 0
    ASSERT_TRUE(DropFigure2(25, 0, 0, 8, 8));
    ASSERT_TRUE(DropFigure2(121, 0, 1, 8, 8));
    ASSERT_TRUE(DropFigure2(7, 0, 1, 8, 8));
    ASSERT_EQ(g_buildLayers[0][1][0].figure, 25);
    ASSERT_EQ(g_buildLayers[0][1][0].cellValue, 0);
    ASSERT_EQ(g_buildLayers[1][1][0].figure, 121);
    ASSERT_EQ(g_buildLayers[1][1][0].cellValue, 0);
    ASSERT_EQ(g_buildLayers[2][1][0].figure, 7);

    // Layer 1 value 0 and layer 2 value 0 at (row 1, col 0): the layer 3 figure is taken.
    OverField(1, 0);
    scandragfigure2();
    EXPECT_EQ(g_drag.figure, 7);
    EXPECT_EQ(g_buildLayers[2][1][0].figure, 0);

    // Without a layer 3 figure there, the layer 2 figure is taken next.
    g_drag.figure = 0;
    scandragfigure2();
    EXPECT_EQ(g_drag.figure, 121);

    // Where layer 1 holds a value, layer 1 is taken even with others below.
    g_drag.figure = 0;
    OverField(0, 0);
    scandragfigure2();
    EXPECT_EQ(g_drag.figure, 25);
    EXPECT_EQ(MaskCount(), 0);
}

TEST_F(Box2Test, PressTakesLayerTwoWhereLayerOneCellHoldsZero) {
    Load(EmptyLevel());
    Mask().Dot(25, 20, 0);
    Mask().Dot(109, 40, 40);   // layer 2 frame corner, top-left value 1
    ASSERT_TRUE(DropFigure2(25, 0, 0, 8, 8));
    ASSERT_TRUE(DropFigure2(109, 0, 1, 8, 8));
    OverField(1, 0);
    scandragfigure2();
    EXPECT_EQ(g_drag.figure, 109);
    // Where the layer 1 value is not 0, pressing takes the layer 1 figure.
    g_drag.figure = 0;
    ASSERT_TRUE(DropFigure2(110, 1, 0, 8, 8));   // a layer 2 figure under 25's right column
    ASSERT_EQ(g_buildLayers[1][0][1].figure, 110);
    OverField(0, 1);
    scandragfigure2();
    EXPECT_EQ(g_drag.figure, 25);
}

TEST_F(Box2Test, LiftingClearsItsPixelsAndRefillsTheFigureBelow) {
    Load(EmptyLevel());
    // Figures 1 and 2 (one group) have pixels in their top-left cell only.
    Mask().Shape(1, [](int px, int py) { return px < 16 && py < 16; });
    ASSERT_TRUE(DropFigure2(1, 0, 0, 8, 8));
    ASSERT_TRUE(DropFigure2(2, 1, 0, 8, 8));   // takes over 1's right column
    ASSERT_EQ(g_buildLayers[0][0][1].figure, 2);
    ASSERT_EQ(g_buildLayers[0][1][1].figure, 2);
    ASSERT_EQ(MaskCount(), 2 * 256);

    OverField(0, 1);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 2);
    // Only figure 2's pixels are gone.
    EXPECT_EQ(MaskCount(), 256);
    EXPECT_EQ(g_pixelMask[5][5], 1);
    EXPECT_EQ(g_pixelMask[16 + 5][5], 0);
    // uppole2 gave figure 1 back the cells figure 2 had overwritten, with its own values.
    for (int r = 0; r < 2; ++r) {
        const LayerCell& c = g_buildLayers[0][r][1];
        EXPECT_EQ(c.figure, 1);
        EXPECT_EQ(c.originCol, 0);
        EXPECT_EQ(c.originRow, 0);
        EXPECT_EQ(c.cellValue, g_box2Figures[1].cellValues[1][r]);
    }
    EXPECT_EQ(g_buildLayers[0][0][2].figure, 0);
    EXPECT_EQ(g_buildLayers[0][1][2].figure, 0);
}

TEST_F(Box2Test, UppoleClearsValuesOfEmptyCellsAndKeepsOtherCopies) {
    Load(EmptyLevel());
    g_buildLayers[0][3][3] = LayerCell{0, 3, 3, 17};   // a stale value in an empty cell
    Mask().Dot(1, 0, 0);
    ASSERT_TRUE(DropFigure2(1, 0, 0, 8, 8));
    ASSERT_TRUE(DropFigure2(1, 1, 1, 8, 8));   // a second copy of the same figure, overlapping
    uppole2();
    EXPECT_EQ(g_buildLayers[0][3][3].cellValue, 0);
    // Lifting the first copy keeps the second copy's origin.
    OverField(0, 0);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 1);
    EXPECT_EQ(g_buildLayers[0][0][0].figure, 0);
    EXPECT_EQ(g_buildLayers[0][1][1].figure, 1);
    EXPECT_EQ(g_buildLayers[0][1][1].originCol, 1);
    EXPECT_EQ(g_pixelMask[16][16], 1);
    EXPECT_EQ(g_pixelMask[0][0], 0);
}
