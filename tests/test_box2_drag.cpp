// Carrying figures: palette counts, the flight home, and the completion check per layer.
#include "test_box2_fixture.h"

namespace {

// A 6 x 6 level with figure 1 in the palette at (row 0, col 0) with the given count.
Box2TestLevel PaletteLevel(int count) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, count}};
    level.sample = {{1, 1, 4, 4}};   // never built by these tests
    return level;
}

}  // namespace

TEST_F(Box2Test, CountZeroCannotBeTaken) {
    Load(PaletteLevel(0));
    OverPalette(1, 1);   // inside the figure's extent, not on its origin
    g_drag.state = DragHeld;
    Frame();
    EXPECT_EQ(g_drag.figure, 0);
    EXPECT_EQ(g_paletteCounts[0][0], 0);
    EXPECT_EQ(g_paletteCells[0][0].figure, 1);
}

TEST_F(Box2Test, LastCopyLeavesThePaletteAndComesBackWithCountOne) {
    Load(PaletteLevel(1));
    OverPalette(0, 1);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 1);
    EXPECT_EQ(g_paletteCounts[0][0], 0);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(g_paletteCells[r][c].figure, 0);
            EXPECT_EQ(g_paletteCells[r][c].originCol, 0);   // origins are kept
        }
    // Released outside the field: it flies home.
    Cursor(640, 690);
    g_drag.state = DragReleased;
    Frame();
    EXPECT_EQ(g_returning, 1);
    EXPECT_GT(FlyHome(), 0);
    EXPECT_EQ(g_drag.state, DragIdle);
    EXPECT_EQ(g_returning, 0);
    EXPECT_EQ(g_drag.x, 1);
    EXPECT_EQ(g_drag.y, 705);
    EXPECT_EQ(g_paletteCounts[0][0], 1);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_EQ(g_paletteCells[r][c].figure, 1);
}

TEST_F(Box2Test, UnlimitedAndNegativeCounts) {
    Load(PaletteLevel(255));
    PaletteToField(0, 0, 0, 0);
    EXPECT_EQ(g_buildLayers[0][0][0].figure, 1);
    PaletteToField(0, 0, 0, 2);
    EXPECT_EQ(g_buildLayers[0][0][2].figure, 1);
    EXPECT_EQ(g_paletteCounts[0][0], 255);
    // A rejected copy flies back without raising the count.
    PaletteToField(0, 0, 0, 0);
    FlyHome();
    EXPECT_EQ(g_paletteCounts[0][0], 255);

    Load(PaletteLevel(-3));
    PaletteToField(0, 0, 2, 2);
    EXPECT_EQ(g_buildLayers[0][2][2].figure, 1);
    EXPECT_EQ(g_paletteCounts[0][0], -3);
    EXPECT_EQ(g_paletteCells[0][0].figure, 1);
}

TEST_F(Box2Test, FigureFromTheFieldFliesToTheLastPaletteCellWithItsId) {
    Box2TestLevel level = PaletteLevel(2);
    level.palette.push_back({1, 4, 10, 5});   // the same figure again, later in the palette
    Load(level);
    PaletteToField(0, 0, 2, 2);
    ASSERT_EQ(g_buildLayers[0][2][2].figure, 1);
    EXPECT_EQ(g_paletteCounts[0][0], 1);
    // Take it from the field and let go above the field.
    OverField(2, 2);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 1);
    EXPECT_EQ(MaskCount(), 0);
    Cursor(640, 20);
    g_drag.state = DragReleased;
    Frame();
    FlyHome();
    EXPECT_EQ(g_drag.x, 10 * 16 + 1);
    EXPECT_EQ(g_drag.y, 4 * 16 + 705);
    EXPECT_EQ(g_paletteCounts[4][10], 6);
    EXPECT_EQ(g_paletteCounts[0][0], 1);
}

TEST_F(Box2Test, DropOnTheFieldEdgeFliesBack) {
    Load(PaletteLevel(3));
    OverPalette(0, 0);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 1);
    Cursor(g_fieldRect.right, g_fieldRect.top + 8);   // exactly on the right edge
    Frame();   // carried there
    g_drag.state = DragReleased;
    Frame();
    EXPECT_EQ(g_returning, 1);
    EXPECT_EQ(g_drag.figure, 1);
    EXPECT_EQ(MaskCount(), 0);
    FlyHome();
    EXPECT_EQ(g_paletteCounts[0][0], 3);
}

TEST_F(Box2Test, CompletionComparesOriginsAndEmptyCellsPerLayer) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, 255}, {7, 0, 4, 255}};
    level.sample = {{1, 1, 0, 0}, {3, 7, 2, 2}};
    Load(level);
    ASSERT_EQ(g_levelDone, 0);
    Mask().Dot(7, 31, 31);   // figure 7 shares no pixel with the block
    PaletteToField(0, 0, 0, 0);
    EXPECT_EQ(g_levelDone, 0);
    // The figure in the wrong layer does not count.
    g_buildLayers[1][2][2] = LayerCell{7, 2, 2, 0};
    Frame();
    EXPECT_EQ(g_levelDone, 0);
    g_buildLayers[1][2][2] = LayerCell{};
    PaletteToField(0, 4, 2, 2);
    EXPECT_EQ(g_levelDone, 1);
    // The pulse: alpha falls by 3 a frame from opaque.
    const uint32_t before = g_layerColour;
    Frame();
    EXPECT_EQ(before - g_layerColour, 0x03000000u);
}

TEST_F(Box2Test, ExtraFigureInAnEmptySampleCellIsNotComplete) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, 255}};
    level.sample = {{1, 1, 0, 0}};
    Load(level);
    PaletteToField(0, 0, 3, 3);
    PaletteToField(0, 0, 0, 0);
    EXPECT_EQ(g_levelDone, 0);
    // Lifting the extra one completes the picture.
    OverField(3, 3);
    g_drag.state = DragHeld;
    Frame();
    Cursor(640, 690);
    g_drag.state = DragReleased;
    Frame();
    EXPECT_EQ(g_levelDone, 1);
}

TEST_F(Box2Test, OneFieldLevelNeverCompletesAndClickMovesOn) {
    Box2TestLevel level;
    level.layout = 1;
    Load(level);
    Frame();
    EXPECT_EQ(g_levelDone, 0);

    Box2TestLevel two;
    two.palette = {{1, 0, 0, 1}};
    two.sample = {{1, 1, 0, 0}};
    Load(two, 2);
    ASSERT_EQ(g_levelDone, 0);
    PaletteToField(0, 0, 0, 0);
    ASSERT_EQ(g_levelDone, 1);
    // The click after the success (frame logic): saved, next level loaded.
    Box2TestLevel three;
    three.sample = {{1, 1, 0, 0}};
    WriteLevel(3, three);
    g_levelDone = 2;
    Frame();
    EXPECT_EQ(g_currentLevel, 3);
    EXPECT_EQ(g_maxCompletedLevel, 2);
    EXPECT_EQ(g_levelDone, 0);
    EXPECT_TRUE(std::filesystem::exists("save/k2/sk_2.dat"));
}

TEST_F(Box2Test, LockedLevelTakesNothing) {
    Load(PaletteLevel(5), 3);
    g_maxCompletedLevel = 0;
    OverPalette(0, 0);
    g_drag.state = DragHeld;
    drawlevelskorobka2();
    EXPECT_EQ(g_levelLocked, 1);
    Frame();
    EXPECT_EQ(g_drag.figure, 0);
    EXPECT_EQ(g_paletteCounts[0][0], 5);
}

TEST_F(Box2Test, LargestCountStaysWhenACopyFliesBack) {
    Load(PaletteLevel(2147483647));
    OverPalette(0, 0);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 1);
    Cursor(640, 690);
    g_drag.state = DragReleased;
    Frame();
    FlyHome();
    EXPECT_EQ(g_drag.state, DragIdle);
    EXPECT_EQ(g_paletteCounts[0][0], 2147483647);
    EXPECT_EQ(g_paletteCells[0][0].figure, 1);
}

TEST_F(Box2Test, LastLevelDoesNotMovePastTheTable) {
    Box2TestLevel level;
    level.palette = {{1, 0, 0, 1}};
    level.sample = {{1, 1, 0, 0}};
    Load(level, MaxLevel);
    g_maxCompletedLevel = MaxLevel - 1;
    PaletteToField(0, 0, 0, 0);
    ASSERT_EQ(g_levelDone, 1);
    g_levelDone = 2;   // the click
    for (int n = 0; n < 3; ++n) Frame();
    EXPECT_EQ(g_currentLevel, MaxLevel);
    EXPECT_EQ(g_maxCompletedLevel, MaxLevel);
    EXPECT_TRUE(std::filesystem::exists("save/k2/sk_100.dat"));
    EXPECT_EQ(g_buildLayers[0][0][0].figure, 1) << "the solved picture stays";
}
