// Opening a level from the overview does what Continue does, with the tile's level in
// place of the one the position file remembers, and then remembers the new one.
#include "app/overview_actions.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "box1/box1.h"
#include "box2/box2.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "core/my_levels.h"
#include "core/parent_state.h"
#include "core/paths.h"
#include "menus/level_overview.h"
#include "sound/sound.h"

namespace {

const char* LevelPrefix(int box) { return box == 1 ? "./levels/k1/level" : "./levels/k2/level"; }

int OpenTileLevel(int box) {
    const int32_t level = g_overviewHotLevel;
    if (level < 1 || OverviewBox() != box || OverviewTileState(level) == TileLocked) return 0;
    g_screenState = box == 1 ? ScreenBox1 : ScreenBox2;
    g_currentLevel = level;
    g_maxCompletedLevel = OverviewSolved();
    g_levelPathPrefix = LevelPrefix(box);
    // An own puzzle is not a place in the box's row: Continue still goes where it went.
    if (box == 1) {
        loadlevels();
        if (!IsMyLevel(level)) savecurrlevel();
    } else {
        loadlevels2();
        if (!IsMyLevel(level)) savecurrlevel2();
    }
    StopMediaChannel(1);
    return 17;
}

}  // namespace

void OpenStartScreen(int box) {
    std::error_code ec;
    const std::string levelOneSave = UserPath("./save/k" + std::to_string(box) + "/sk_1.dat");
    g_saveExists = std::filesystem::is_regular_file(levelOneSave, ec) ? -1 : 0;
    g_newGameAsked = 0;
    g_screenState = box == 1 ? ScreenBox1Start : ScreenBox2Start;
    EnterLevelOverview(box);
}

void TakeOverviewReturn() {
    const int box = g_overviewReturn;
    const int32_t level = g_currentLevel;
    g_overviewReturn = 0;
    if (box != 1 && box != 2) return;
    // Back among the own puzzles, on the page of the one just solved.
    try {
        OpenStartScreen(box);
    } catch (const GameFileError&) {
        ShowOverviewPageOf(level);
        throw;
    }
    ShowOverviewPageOf(level);
}

void EnterLevelOverview(int box) {
    int32_t solved = 0;
    std::string message;
    // Without a level-1 save nothing counts as solved, whatever the position file says.
    if (g_saveExists != 0) message = box == 1 ? SolvedBox1(solved) : SolvedBox2(solved);
    OpenLevelOverview(box, solved);
    // The start screen is open; the message ends only this pass.
    if (!message.empty()) throw GameFileError(message);
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
