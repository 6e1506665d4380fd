// loadlevels2: the level file of g_currentLevel onto a cleared board, then the player's save.
#include <algorithm>

#include "core/game_error.h"
#include "core/my_levels.h"
#include "core/progress_files.h"
#include "box2/box2.h"
#include "box2/box2_level_file.h"
#include "core/hint.h"

int32_t g_box2BoardLevel = 0;

void loadlevels2() {
    ClearBoard2();
    ResetPlayState2();
    g_box2BoardLevel = 0;
    ResetHint();   // a hint belongs to the board it was found on
    const int level = g_currentLevel;
    const std::string path = LevelFileName2(level);
    // Level numbers index g_levelInfo: past the last entry there is no level to show.
    if (level < 1 || level > MaxPlayLevel || path.empty())
        ThrowFileError(path.empty() ? MyLevelsFolder(2) : path, 0,
                       "there is no level " + std::to_string(level) + ", the levels are 1 to " +
                           std::to_string(std::max<int32_t>(MaxLevel, LastMyLevel(2))));
    static Box2LevelData data;   // large; kept between loads
    ReadLevelFile2(path, data);
    ApplyLevel2(data, level);
    g_box2BoardLevel = level;
    LoadProgressOrKeepAside(BoardFileName2(level), loadsavedlevel2, g_box2BoardLevel);
}
