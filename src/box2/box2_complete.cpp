// scanlevelcomplete2: the build field against the sample, the success sound, the pulse,
// and moving on once the player has clicked.
#include <cstdlib>
#include <string>

#include "box2/box2.h"
#include "box2/box2_board.h"
#include "box2/box2_screen.h"
#include "core/my_levels.h"
#include "sound/sound.h"

namespace {

void Pulse() {
    if (g_pulseRising == 0) {
        g_layerColour -= 0x03000000u;
        if (g_layerColour <= 0x00FFFFFFu) g_pulseRising = 1;
    }
    if (g_pulseRising == 1) {
        g_layerColour += 0x03000000u;
        if (g_layerColour == 0xFFFFFFFFu) g_pulseRising = 0;
    }
}

}  // namespace

void scanlevelcomplete2() {
    LevelInfo* info = CurrentLevelInfo();
    if (!info) return;
    if (info->layout == 2 && BoardMatchesSample2(info->buildCols, info->buildRows)) {
        if (g_levelDone == 0) {
            if (g_dropResolved == 0) {
                const int r = std::rand() % 5;
                PlayEffect(r, "./sound/complete" + std::to_string(r) + ".wav");
            }
            g_levelDone = 1;
        }
        Pulse();
    }
    if (g_levelDone >= 2 && info->freeBuild == 0 && IsMyLevel(g_currentLevel)) {
        LeaveSolvedMyLevel(2, SaveK2, loadlevels2);
    } else if (g_levelDone >= 2 && info->freeBuild == 0) {
        // The last level has no next one: the work is kept and the solved picture stays.
        if (g_currentLevel >= MaxLevel) {
            if (g_currentLevel > g_maxCompletedLevel) {
                SaveK2();
                g_maxCompletedLevel = g_currentLevel;
            }
            return;
        }
        SaveK2();
        if (g_currentLevel > g_maxCompletedLevel) g_maxCompletedLevel = g_currentLevel;
        g_currentLevel = g_currentLevel + 1;
        loadlevels2();
    }
}
