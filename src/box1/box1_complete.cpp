// The completion check: compare the field with the sample, sound a wrong or a right
// picture, pulse the solved picture and move on after the player's click.
#include <cstdlib>
#include <string>

#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_steps.h"
#include "core/my_levels.h"
#include "sound/sound.h"

namespace {

constexpr int PlainMissSlot = 5;
constexpr int NearMissSlot = 6;
constexpr int SuccessSounds = 5;
constexpr uint32_t AlphaStep = 0x03000000;

struct Comparison {
    bool equal = true;
    bool anyMatch = false;
    bool anyEmpty = false;
    bool nearMiss = false;
};

Comparison CompareField(const LevelInfo& info) {
    Comparison result;
    for (int r = 0; r < info.buildRows && r < FieldCells; ++r)
        for (int c = 0; c < info.buildCols && c < FieldCells; ++c) {
            const int32_t b = g_box1Build[r][c].figure;
            const int32_t s = g_box1Sample[r][c].figure;
            if (b != s) result.equal = false;
            if (b == s && s > 0) result.anyMatch = true;
            if (b == 0) result.anyEmpty = true;
            if (b != s && b > 0 && s > 0 && Box1FigureGroup(b) == Box1FigureGroup(s)) result.nearMiss = true;
        }
    return result;
}

void Pulse() {
    if (g_pulseRising == 0) {
        g_layerColour -= AlphaStep;
        if (g_layerColour <= 0x00FFFFFF) g_pulseRising = 1;
    }
    if (g_pulseRising == 1) {
        g_layerColour += AlphaStep;
        if (g_layerColour == 0xFFFFFFFF) g_pulseRising = 0;
    }
}

// A solved and clicked ordinary level: keep the work and go on to the next level. The last
// level of the box has no next one, so the solved picture stays and the hint says so.
void LeaveSolvedLevel() {
    if (IsMyLevel(g_currentLevel)) {
        LeaveSolvedMyLevel(1, SaveK1, loadlevels);
        return;
    }
    if (g_currentLevel >= MaxLevel) {
        if (g_currentLevel > g_maxCompletedLevel) {
            SaveK1();
            g_maxCompletedLevel = g_currentLevel;
        }
        return;
    }
    SaveK1();
    if (g_currentLevel > g_maxCompletedLevel) g_maxCompletedLevel = g_currentLevel;
    g_currentLevel += 1;
    loadlevels();
}

}  // namespace

void scanlevelcomplete() {
    const LevelInfo* info = CurrentLevelInfo();
    if (!info || info->layout != 2) return;
    const Comparison cmp = CompareField(*info);
    const bool solved = cmp.equal && cmp.anyMatch;
    if (cmp.anyEmpty) g_missSoundState = 0;
    if (!cmp.anyEmpty && !solved && g_missSoundState == 0) g_missSoundState = cmp.nearMiss ? 3 : 1;
    if (g_missSoundState == 1) {
        g_missSoundState = 2;
        PlayEffect(PlainMissSlot, "./sound/nocomplete1.wav");
    } else if (g_missSoundState == 3) {
        g_missSoundState = 4;
        PlayEffect(NearMissSlot, "./sound/nocomplete2.wav");
    }
    if (solved) {
        if (g_levelDone == 0) {
            if (g_dropResolved == 0) {
                const int n = std::rand() % SuccessSounds;
                PlayEffect(n, "./sound/complete" + std::to_string(n) + ".wav");
            }
            g_levelDone = 1;
        }
        Pulse();
    }
    if (g_levelDone >= 2 && info->freeBuild == 0) LeaveSolvedLevel();
}
