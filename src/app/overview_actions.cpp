// Opening a level from the overview does what Continue does, with the tile's level in
// place of the one the position file remembers, and then remembers the new one.
#include "app/overview_actions.h"

#include "box1/box1.h"
#include "box2/box2.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "menus/level_overview.h"
#include "sound/sound.h"

namespace {

const char* LevelPrefix(int box) { return box == 1 ? "./levels/k1/level" : "./levels/k2/level"; }

// The highest solved level from the box's position file, read by the box's own reader; the
// shared level numbers are left as they were.
int32_t ReadSolved(int box) {
    const int32_t current = g_currentLevel, completed = g_maxCompletedLevel;
    int32_t solved = 0;
    try {
        if (box == 1) loadcurrlevel();
        else loadcurrlevel2();
        solved = g_maxCompletedLevel;
    } catch (...) {
        g_currentLevel = current;
        g_maxCompletedLevel = completed;
        throw;
    }
    g_currentLevel = current;
    g_maxCompletedLevel = completed;
    return solved;
}

int OpenTileLevel(int box) {
    const int32_t level = g_overviewHotLevel;
    if (level < 1 || OverviewBox() != box || OverviewTileState(level) == TileLocked) return 0;
    g_screenState = box == 1 ? ScreenBox1 : ScreenBox2;
    g_currentLevel = level;
    g_maxCompletedLevel = OverviewSolved();
    g_levelPathPrefix = LevelPrefix(box);
    if (box == 1) {
        loadlevels();
        savecurrlevel();
    } else {
        loadlevels2();
        savecurrlevel2();
    }
    StopMediaChannel(1);
    return 17;
}

}  // namespace

void EnterLevelOverview(int box) {
    int32_t solved = 0;
    // Continue reports a position file it cannot read; the overview only shows progress, so
    // it then counts nothing as solved rather than stopping the player on the way in.
    if (g_saveExists != 0) {
        try {
            solved = ReadSolved(box);
        } catch (const GameFileError&) {
            solved = 0;
        }
    }
    OpenLevelOverview(box, solved);
}

int RunOverviewClick(int32_t hot, int32_t screen) {
    if (screen != ScreenBox1Start && screen != ScreenBox2Start) return 0;
    const int box = screen == ScreenBox1Start ? 1 : 2;
    if (hot == HotLevelTile) return OpenTileLevel(box);
    if (hot == HotPagePrev) {
        TurnOverviewPage(-1);
        return 18;
    }
    if (hot == HotPageNext) {
        TurnOverviewPage(1);
        return 19;
    }
    return 0;
}
