// Dragging in box 1: taking and returning copies, the drop test at the field's edges, the
// flight home and catching a flying figure.
#include "test_box1_fixture.h"

namespace {

// Two blocks and a wide plank in the palette, a 4 x 4 field and sample.
TestLevel SmallLevel(int blockCount, int plankCount = 1) {
    TestLevel level;
    level.palette = {{1, 0, 0, blockCount}, {13, 0, 4, plankCount}, {5, 2, 0, 255}};
    level.sample = {{1, 0, 0}};
    return level;
}

class Box1DragTest : public Box1Test {};

TEST_F(Box1DragTest, CountZeroCannotBeTaken) {
    Load(SmallLevel(0));
    OverPalette(0, 1);
    g_drag.state = DragHeld;
    Frame();
    EXPECT_EQ(g_drag.figure, 0);
    EXPECT_EQ(g_box1PaletteCells[0][0].figure, 1) << "a figure without copies stays visible";
    EXPECT_EQ(g_box1PaletteCounts[0][0], 0);
}

TEST_F(Box1DragTest, LastCopyLeavesThePaletteAndComesBackAsOne) {
    Load(SmallLevel(1));
    OverPalette(1, 1);   // any cell of the figure picks it up
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 1);
    EXPECT_EQ(g_box1PaletteCounts[0][0], 0);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(g_box1PaletteCells[r][c].figure, 0);
            EXPECT_EQ(g_box1PaletteCells[r][c].originCol, 0) << "origins are left as they were";
        }
    // Let go beside the field: it flies home.
    Carry(600, 600);
    LetGo();
    EXPECT_EQ(g_returning, 1);
    FlyHome();
    EXPECT_EQ(g_drag.state, DragIdle);
    EXPECT_EQ(g_returning, 0);
    EXPECT_EQ(g_box1PaletteCounts[0][0], 1);
    EXPECT_EQ(g_box1PaletteCells[1][1].figure, 1);
}

TEST_F(Box1DragTest, UnlimitedCopiesNeverChangeTheCount) {
    Load(SmallLevel(2));
    for (int n = 0; n < 3; ++n) {
        DragTo(2, 0, n == 0 ? 0 : (n == 1 ? 0 : 2), n == 0 ? 0 : (n == 1 ? 2 : 0));
        EXPECT_EQ(g_box1PaletteCounts[2][0], 255);
    }
    EXPECT_EQ(g_box1Build[0][0].figure, 5);
    EXPECT_EQ(g_box1Build[0][2].figure, 5);
    EXPECT_EQ(g_box1Build[2][0].figure, 5);
    // A limited figure counts down with every copy placed and placing leaves the count alone.
    DragTo(0, 0, 2, 2);
    EXPECT_EQ(g_box1PaletteCounts[0][0], 1);
    EXPECT_EQ(g_box1Build[3][3].figure, 1);
    EXPECT_EQ(g_box1Build[3][3].originCol, 2);
}

TEST_F(Box1DragTest, DropOnTheRightOrBottomEdgeIsRejected) {
    Load(SmallLevel(5));
    for (bool right : {true, false}) {
        OverPalette(0, 0);
        g_drag.state = DragHeld;
        Frame();
        ASSERT_EQ(g_drag.figure, 1);
        if (right) Carry(g_fieldRect.right, g_fieldRect.top + 5);
        else Carry(g_fieldRect.left + 5, g_fieldRect.bottom);
        LetGo();
        EXPECT_EQ(g_dropResolved, 0) << "the drop was tried";
        EXPECT_EQ(g_returning, 1) << (right ? "right edge" : "bottom edge");
        FlyHome();
    }
    for (auto& row : g_box1Build)
        for (const CellRef& cell : row) EXPECT_EQ(cell.figure, 0);
    EXPECT_EQ(g_box1PaletteCounts[0][0], 5);
    // The left and top edges are inside: the corner cell takes the figure.
    OverPalette(0, 0);
    g_drag.state = DragHeld;
    Frame();
    Carry(g_fieldRect.left, g_fieldRect.top);
    LetGo();
    EXPECT_EQ(g_box1Build[0][0].figure, 1);
    EXPECT_EQ(g_returning, 0);
}

TEST_F(Box1DragTest, WideFigureInTheLastColumnFliesHome) {
    Load(SmallLevel(3, 2));
    DragTo(0, 4, 0, 3);
    EXPECT_EQ(g_returning, 1);
    EXPECT_EQ(g_box1Build[0][3].figure, 0);
    FlyHome();
    EXPECT_EQ(g_box1PaletteCounts[0][4], 2);
    // The same figure from column 0 fits exactly.
    DragTo(0, 4, 2, 0);
    EXPECT_EQ(g_returning, 0);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(g_box1Build[3][c].figure, 13);
}

TEST_F(Box1DragTest, DropOntoATakenCellIsRejected) {
    Load(SmallLevel(3, 2));
    DragTo(0, 0, 0, 1);   // block covers columns 1-2 of rows 0-1
    ASSERT_EQ(g_box1Build[1][2].figure, 1);
    DragTo(0, 4, 1, 0);   // plank would cover row 1 columns 0-3: only two of its cells are taken
    EXPECT_EQ(g_returning, 1);
    EXPECT_EQ(g_box1Build[1][0].figure, 0);
    EXPECT_EQ(g_box1Build[2][0].figure, 0);
}

TEST_F(Box1DragTest, FigureFromTheFieldFliesToTheLastPaletteCellListingIt) {
    TestLevel level = SmallLevel(1);
    level.palette.push_back({1, 4, 10, 3});   // the same id again, later in row order
    Load(level);
    DragTo(0, 0, 1, 1);   // taken from the first cell
    ASSERT_EQ(g_box1Build[1][1].figure, 1);
    // Pick it off the field, let go outside: home is the later cell (row 4, column 10).
    OverField(2, 2);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 1);
    EXPECT_EQ(g_box1Build[1][1].figure, 0);
    Carry(40, 40);
    LetGo();
    EXPECT_EQ(g_drag.homeX, 128 + 32 * 10);
    EXPECT_EQ(g_drag.homeY, 831 + 32 * 4);
    FlyHome();
    EXPECT_EQ(g_box1PaletteCounts[4][10], 4);
    EXPECT_EQ(g_box1PaletteCounts[0][0], 0) << "the first cell does not get it back";
}

TEST_F(Box1DragTest, MakelineStepsAlongTheLongerAxisAndDiagonally) {
    struct Step {
        int x1, y1, x2, y2, x, y;
    };
    // dx >= dy: diagonal only when dy > dx div 2; dy > dx: diagonal only when dx > dy div 2.
    const Step steps[] = {
        {0, 0, 10, 5, 1, 0},   {0, 0, 10, 6, 1, 1},   {10, 0, 0, 20, 10, 1}, {10, 0, 0, 19, 9, 1},
        {50, 50, 40, 50, 49, 50}, {50, 50, 50, 40, 50, 49}, {7, 7, 8, 8, 8, 8},
    };
    for (const Step& s : steps) {
        g_drag.x = g_drag.y = -99;
        makeline(s.x1, s.y1, s.x2, s.y2);
        EXPECT_EQ(g_drag.x, s.x) << s.x1 << "," << s.y1 << " -> " << s.x2 << "," << s.y2;
        EXPECT_EQ(g_drag.y, s.y) << s.x1 << "," << s.y1 << " -> " << s.x2 << "," << s.y2;
    }
    makeline(1280, 1024, 1300, 1100);
    EXPECT_EQ(g_drag.x, 1280);
    EXPECT_EQ(g_drag.y, 1024);
    g_drag.x = 3;
    g_drag.y = 4;
    makeline(20, 20, 20, 20);
    EXPECT_EQ(g_drag.x, 3) << "nothing is stored when the point is already there";
}

TEST_F(Box1DragTest, FlightCoversSixPixelsAFrameOrNineOnWideFields) {
    for (int cols : {8, 9}) {
        TestLevel level = SmallLevel(3);
        level.buildCols = level.sampleCols = cols;
        Load(level);
        OverPalette(0, 0);
        g_drag.state = DragHeld;
        Frame();
        Cursor(640 + 20, 100 + 15);   // figure drawn at (640, 100), far above its home
        g_drag.state = DragHeld;
        Frame();
        g_drag.state = DragReleased;
        Frame();
        const int expected = cols > 8 ? 9 : 6;
        // Home (128, 831): the longer axis is y.
        EXPECT_EQ(g_drag.y, 100 + expected) << cols << " columns";
        const int before = g_drag.y;
        Frame();
        EXPECT_EQ(g_drag.y - before, expected);
        FlyHome();
        EXPECT_EQ(g_box1PaletteCounts[0][0], 3);
    }
}

TEST_F(Box1DragTest, PressingDuringTheFlightCatchesTheFigure) {
    Load(SmallLevel(2));
    OverPalette(0, 0);
    g_drag.state = DragHeld;
    Frame();
    Carry(700, 200);
    LetGo();
    ASSERT_EQ(g_returning, 1);
    // The frame logic turns a press into DragHeld and clears the returning flag.
    g_drag.state = DragHeld;
    g_returning = 0;
    Cursor(500, 300);
    Frame();
    EXPECT_EQ(g_drag.figure, 1);
    EXPECT_EQ(g_drag.x, 480);
    EXPECT_EQ(g_drag.y, 285);
    EXPECT_EQ(g_box1PaletteCounts[0][0], 1) << "a caught figure is not back in the palette";
    OverField(0, 0);
    Carry(g_cursorX, g_cursorY);
    LetGo();
    EXPECT_EQ(g_box1Build[0][0].figure, 1);
}

}  // namespace

TEST_F(Box1DragTest, FigureNoPaletteListsLeavesTheBoardWhenRejected) {
    Load(SmallLevel(2));
    DragTo(0, 0, 0, 0);   // the last home set is that of figure 1 at (0, 0)
    ASSERT_EQ(g_box1Build[0][0].figure, 1);
    ASSERT_EQ(g_box1PaletteCounts[0][0], 1);
    // A figure on the field that no palette cell lists (a progress file can hold one).
    CoverFieldCells(g_box1Build, 9, 2, 2);
    OverField(2, 2);
    g_drag.state = DragHeld;
    Frame();
    ASSERT_EQ(g_drag.figure, 9);
    Carry(40, 40);
    LetGo();
    FlyHome();
    EXPECT_EQ(g_drag.figure, 0);
    EXPECT_EQ(g_drag.state, DragIdle);
    // Figure 1's palette cell is neither taken over nor given an extra copy.
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_EQ(g_box1PaletteCells[r][c].figure, 1);
    EXPECT_EQ(g_box1PaletteCounts[0][0], 1);
    EXPECT_EQ(g_box1Build[2][2].figure, 0);
}
