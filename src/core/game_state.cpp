// The shared game state and its one reset.
#include "core/game_state.h"

#include "core/hint.h"
#include "core/keep_result.h"
#include "core/my_levels.h"
#include "core/parent_state.h"

int32_t g_screenState = ScreenMainMenu;
int32_t g_hotButton = 0;
int32_t g_currentLevel = 0;
int32_t g_maxCompletedLevel = 0;
int32_t g_levelDone = 0;
int32_t g_saveExists = 0;
std::string g_levelPathPrefix;
int32_t g_clickLatch = 0;
int32_t g_overviewReturn = 0;
int32_t g_introActive = 1;
int32_t g_cursorX = 600;
int32_t g_cursorY = 120;
int32_t g_hr = 0;
uint32_t g_clearColor = 0xFF0000FF;
bool g_gameStarted = false;

std::array<LevelInfo, MaxPlayLevel + 1> g_levelInfo{};
DragRecord g_drag;

int32_t g_returning = 0;
int32_t g_dropResolved = 0;
uint32_t g_layerColour = 0xFFFFFFFF;
int32_t g_pulseRising = 0;
int32_t g_levelLocked = 0;
FieldRect g_fieldRect;

void ResetGameState() {
    g_screenState = ScreenMainMenu;
    g_hotButton = 0;
    g_currentLevel = 0;
    g_maxCompletedLevel = 0;
    g_levelDone = 0;
    g_saveExists = 0;
    g_levelPathPrefix.clear();
    g_clickLatch = 0;
    g_overviewReturn = 0;
    g_levelInfo = {};
    g_drag = DragRecord{};
    g_returning = 0;
    g_dropResolved = 0;
    g_layerColour = 0xFFFFFFFF;
    g_pulseRising = 0;
    g_levelLocked = 0;
    g_fieldRect = FieldRect{};
    ResetHint();
    ResetParentState();
    ClearMyLevels();
    ResetKeepResult();
}

LevelInfo* CurrentLevelInfo() {
    if (g_currentLevel < 1 || g_currentLevel > MaxPlayLevel) return nullptr;
    return &g_levelInfo[g_currentLevel];
}
