#pragma once
// The shared game state: screen, buttons, level numbers, click latch, cursor, the drag
// record and the per-level play flags that both boxes use. One instance each, plain data.
#include <array>
#include <cstdint>
#include <string>

constexpr int VirtualWidth = 1280;
constexpr int VirtualHeight = 1024;

enum ScreenState : int32_t {
    ScreenMainMenu = 0,
    ScreenBox1 = 1,
    ScreenBox2 = 2,
    ScreenBox1Start = 3,
    ScreenBox2Start = 4,
    ScreenProfiles = 5,    // "Who is playing?": a tile for each child
};

enum HotButton : int32_t {
    HotNone = 0,
    HotChoice1 = 1,
    HotChoice2 = 2,
    HotBack = 5,
    HotNextLevel = 6,
    HotPrevLevel = 7,
    HotRestartLevel = 8,
    HotLevelTile = 9,      // a level tile of the start screens' overview
    HotPagePrev = 10,      // the overview's page arrows
    HotPageNext = 11,
    HotSound = 12,         // the main menu's speaker button
    HotHint = 13,          // the box screens' "show me" button
    HotParent = 14,        // the main menu's small parent button
    HotProfileTile = 15,   // a tile of the chooser (which one: ChooserHotTile)
    HotProfilePicture = 16,   // the main menu's picture of the child playing
    HotKeep = 17,          // the free-construction levels' keep button, where the lamp is elsewhere
};

extern int32_t g_screenState;
extern int32_t g_hotButton;
extern int32_t g_currentLevel;
extern int32_t g_maxCompletedLevel;
extern int32_t g_levelDone;          // 0 playing, 1 solved, 2 solved and clicked
extern int32_t g_saveExists;         // -1 when the chosen box's level-1 save exists
extern std::string g_levelPathPrefix;
extern int32_t g_clickLatch;         // 101 armed, 0 used
extern int32_t g_introActive;
extern int32_t g_cursorX;
extern int32_t g_cursorY;
extern int32_t g_hr;
extern uint32_t g_clearColor;
extern bool g_gameStarted;
// 1 or 2: a box screen went back to its start screen, whose overview the shell opens next.
extern int32_t g_overviewReturn;

// --- Board records shared by both boxes -------------------------------------------------

// A cell names the figure covering it and that figure's top-left (origin) cell.
struct CellRef {
    int32_t figure = 0;
    int32_t originCol = 0;
    int32_t originRow = 0;
};

struct LevelInfo {
    int32_t headerValue = 0;
    int32_t layout = 0;        // 1 build field only, 2 build and sample fields
    int32_t buildCols = 0;
    int32_t buildRows = 0;
    int32_t sampleCols = 0;
    int32_t sampleRows = 0;
    int32_t freeBuild = 0;     // 1 = free construction, never ends
};

// The shipped levels are 1..MaxLevel; the puzzles the children keep play as the numbers
// after them (core/my_levels.h), up to MaxPlayLevel.
constexpr int MaxLevel = 100;
constexpr int MaxMyLevels = 100;
constexpr int MaxPlayLevel = MaxLevel + MaxMyLevels;
// Entries 0..MaxPlayLevel, indexed by level number; shared by both boxes.
extern std::array<LevelInfo, MaxPlayLevel + 1> g_levelInfo;

enum DragState : int32_t {
    DragIdle = 0,
    DragHeld = 1,
    DragReleased = 2,
};

struct DragRecord {
    int32_t state = DragIdle;
    int32_t homeX = 0;
    int32_t homeY = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t figure = 0;
};
extern DragRecord g_drag;

struct FieldRect {
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;
};

// Per-level play flags of both boxes.
extern int32_t g_returning;        // 1 while a rejected figure flies home
extern int32_t g_dropResolved;     // 0 when a drop onto the field was tried this frame
extern uint32_t g_layerColour;     // colour of build and sample figures (pulses when solved)
extern int32_t g_pulseRising;
extern int32_t g_levelLocked;
extern FieldRect g_fieldRect;

// Back to where a fresh program's play starts: the main menu, no level, no drag, the level
// table and per-level flags, the hint and the parent corner's questions cleared. What belongs to the running program (the intro, the
// cursor, the device) stays. A child's profile switch and the test driver both use it.
void ResetGameState();

// The level in range 1..MaxPlayLevel, or nullptr: level numbers outside the table never index it.
LevelInfo* CurrentLevelInfo();
