// The box 1 completion check: when a level counts as solved, the miss sounds, the pulse of
// the solved picture, the locked level, and moving on after the click.
#include "test_box1_fixture.h"

namespace {

// 4 x 4 field and sample with four 2 x 2 figures; the palette has every block and wheel.
TestLevel FourBlocks() {
    TestLevel level;
    for (int id = 1; id <= 8; ++id) level.palette.push_back({id, (id - 1) / 4 * 2, ((id - 1) % 4) * 2, 255});
    level.sample = {{1, 0, 0}, {2, 0, 2}, {3, 2, 0}, {4, 2, 2}};
    return level;
}

// Palette cell of figure id in FourBlocks.
void PaletteCellOf(int id, int& row, int& col) {
    row = (id - 1) / 4 * 2;
    col = ((id - 1) % 4) * 2;
}

class Box1CompleteTest : public Box1Test {
protected:
    void Place(int id, int fieldRow, int fieldCol) {
        int row, col;
        PaletteCellOf(id, row, col);
        DragTo(row, col, fieldRow, fieldCol);
    }
    void TakeOff(int fieldRow, int fieldCol) {
        OverField(fieldRow, fieldCol);
        g_drag.state = DragHeld;
        Frame();
        Carry(40, 40);
        LetGo();
        FlyHome();
    }
};

TEST_F(Box1CompleteTest, SolvedByTheLastDrop) {
    Load(FourBlocks());
    Place(1, 0, 0);
    Place(2, 0, 2);
    Place(3, 2, 0);
    EXPECT_EQ(g_levelDone, 0);
    Place(4, 2, 2);
    EXPECT_EQ(g_levelDone, 1);
    EXPECT_EQ(g_missSoundState, 0);
    EXPECT_LT(g_layerColour, 0xFFFFFFFFu) << "the solved picture starts to pulse";
    // Solved: a drop is refused and the figure flies home.
    Place(5, 0, 0);
    EXPECT_EQ(g_returning, 1);
}

TEST_F(Box1CompleteTest, OnlyTwoFieldLevelsWithAMatchCanBeSolved) {
    TestLevel oneField = FourBlocks();
    oneField.layout = 1;
    Load(oneField);
    for (int id = 1; id <= 4; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    Frame();
    EXPECT_EQ(g_levelDone, 0) << "a one-field level never ends";
    EXPECT_EQ(g_missSoundState, 0) << "and never sounds";

    TestLevel emptySample = FourBlocks();
    emptySample.sample.clear();
    Load(emptySample);
    Frame();
    EXPECT_EQ(g_levelDone, 0) << "empty field against an empty sample is not solved";
}

TEST_F(Box1CompleteTest, SampleSmallerThanTheFieldNeedsTheRestEmpty) {
    TestLevel level = FourBlocks();
    level.buildCols = 6;
    level.sampleCols = 4;
    Load(level);
    for (int id = 1; id <= 4; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    EXPECT_EQ(g_levelDone, 1);

    Load(level);
    Place(5, 0, 4);
    for (int id = 1; id <= 3; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    Place(6, 2, 4);
    Place(4, 2, 2);
    EXPECT_EQ(g_levelDone, 0);
    EXPECT_EQ(g_missSoundState, 2) << "full and wrong: the plain miss";
}

TEST_F(Box1CompleteTest, MissSoundsOncePerWronglyFilledField) {
    Load(FourBlocks());
    Place(1, 0, 0);
    Place(2, 0, 2);
    Place(3, 2, 0);
    Place(8, 2, 2);   // a wheel where a block belongs: another group
    EXPECT_EQ(g_missSoundState, 2);
    for (int n = 0; n < 5; ++n) Frame();
    EXPECT_EQ(g_missSoundState, 2) << "it does not sound again while the field stays full";
    TakeOff(2, 2);
    EXPECT_EQ(g_missSoundState, 0) << "an empty cell arms it again";
    Place(8, 2, 2);
    EXPECT_EQ(g_missSoundState, 2) << "the same wrong move sounds again";

    TakeOff(2, 2);
    Place(3, 2, 2);   // green block where the blue one belongs: same group, near miss
    EXPECT_EQ(g_missSoundState, 4);
    Frame();
    EXPECT_EQ(g_missSoundState, 4);
    EXPECT_EQ(g_levelDone, 0);
}

TEST_F(Box1CompleteTest, PulseTurnsAtZeroAndAtFullAlpha) {
    Load(FourBlocks());
    for (int id = 1; id <= 4; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    ASSERT_EQ(g_levelDone, 1);
    // Replay the pulse from the start so every frame is seen.
    g_layerColour = 0xFFFFFFFF;
    g_pulseRising = 0;
    int turnUp = -1, turnDown = -1;
    uint32_t lowest = 0xFFFFFFFF;
    for (int frame = 1; frame <= 400 && turnDown < 0; ++frame) {
        const int rising = g_pulseRising;
        const uint32_t before = g_layerColour;
        scanlevelcomplete();
        ASSERT_EQ(g_layerColour & 0x00FFFFFF, 0x00FFFFFFu) << "the colour bytes stay white";
        lowest = std::min(lowest, g_layerColour);
        if (rising == 0 && g_pulseRising == 1) {
            turnUp = frame;
            EXPECT_EQ(before, 0x03FFFFFFu);
            EXPECT_EQ(g_layerColour, 0x03FFFFFFu) << "down to 0 and up by 3 in the same frame";
        }
        if (rising == 1 && g_pulseRising == 0) {
            turnDown = frame;
            EXPECT_EQ(g_layerColour, 0xFFFFFFFFu);
        }
    }
    EXPECT_EQ(turnUp, 85);           // 255 / 3 frames down
    EXPECT_EQ(turnDown, 85 + 84);    // and back up from 3
    EXPECT_EQ(lowest, 0x03FFFFFFu);
}

TEST_F(Box1CompleteTest, RestoredSolvedBoardIsSolvedWithoutADrop) {
    Load(FourBlocks());
    for (int id = 1; id <= 4; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    SaveK1();
    loadlevels();
    EXPECT_EQ(g_levelDone, 0);
    Frame();
    EXPECT_EQ(g_dropResolved, 1) << "no drop was tried, so no success sound";
    EXPECT_EQ(g_levelDone, 1);
}

TEST_F(Box1CompleteTest, ClickOnASolvedLevelSavesAndLoadsTheNext) {
    WriteLevel(2, FourBlocks());
    Load(FourBlocks());
    for (int id = 1; id <= 4; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    g_levelDone = 2;   // the frame logic's click
    Frame();
    EXPECT_EQ(g_currentLevel, 2);
    EXPECT_EQ(g_maxCompletedLevel, 1);
    EXPECT_EQ(g_levelDone, 0);
    EXPECT_TRUE(std::filesystem::exists("save/k1/sk_1.dat"));
    EXPECT_EQ(g_box1Build[0][0].figure, 0) << "level 2 starts empty";
}

TEST_F(Box1CompleteTest, SolvedFreeConstructionLevelWaits) {
    TestLevel level = FourBlocks();
    level.freeBuild = 1;
    Load(level);
    for (int id = 1; id <= 4; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    EXPECT_EQ(g_levelDone, 1);
    g_levelDone = 2;
    Frame();
    EXPECT_EQ(g_currentLevel, 1);
    EXPECT_EQ(g_levelDone, 2);
}

TEST_F(Box1CompleteTest, LastLevelDoesNotMovePastTheTable) {
    Load(FourBlocks(), MaxLevel);
    g_maxCompletedLevel = MaxLevel - 1;
    for (int id = 1; id <= 4; ++id) Place(id, ((id - 1) / 2) * 2, ((id - 1) % 2) * 2);
    g_levelDone = 2;
    for (int n = 0; n < 3; ++n) Frame();
    EXPECT_EQ(g_currentLevel, MaxLevel);
    EXPECT_EQ(g_maxCompletedLevel, MaxLevel);
    EXPECT_TRUE(std::filesystem::exists("save/k1/sk_100.dat"));
    EXPECT_EQ(g_box1Build[0][0].figure, 1) << "the solved picture stays";
}

TEST_F(Box1CompleteTest, LockedLevelTakesNoDragging) {
    WriteLevel(4, FourBlocks());
    WriteLevel(5, FourBlocks());
    g_maxCompletedLevel = 3;
    g_currentLevel = 5;
    loadlevels();
    OverPalette(0, 0);
    g_drag.state = DragHeld;
    drawlevelskorobka1();
    EXPECT_EQ(g_levelLocked, 1);
    EXPECT_EQ(g_drag.figure, 0);

    g_currentLevel = 4;
    loadlevels();
    g_drag.state = DragHeld;
    drawlevelskorobka1();
    EXPECT_EQ(g_levelLocked, 0);
    EXPECT_EQ(g_drag.figure, 1);
}

}  // namespace
