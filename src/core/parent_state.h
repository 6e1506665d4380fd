#pragma once
// What the parent corner and the guarded actions keep between frames: a new game waiting for
// its second press, the gate on its way open, the corner itself, and kiosk mode for the run.
#include <cstdint>

// The box (1 or 2) whose "new game" banner was pressed once over existing progress and now
// waits, lit, for the second press; 0 when none.
extern int32_t g_newGameAsked;
// 1 after the first press of "remove this child", waiting for the second; 0 otherwise.
extern int32_t g_removeProfileAsked;
// 1 after the first press of "delete this puzzle", waiting for the second; 0 otherwise.
extern int32_t g_removePuzzleAsked;
// 1 while the parent corner is on screen.
extern int32_t g_parentCorner;
// Kiosk mode for this run: the settings' choice, or --kiosk.
extern bool g_kiosk;

// Back to a fresh program's values (part of ResetGameState). Kiosk mode stays: it belongs to
// the run and its settings, not to the child playing.
void ResetParentState();
