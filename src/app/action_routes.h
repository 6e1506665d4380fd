#pragma once
// Carries out the frame's actions (input/actions.h) on the screen shown.
#include "input/actions.h"

// Runs every action of the frame in order and empties the list. The frame logic calls it
// after the mouse step, so the mouse and the keys can be mixed in any frame.
void RouteFrameActions();
// Whether a key press stands for the left button in this frame's mouse step: the menus'
// Enter clicks where the highlight is, by the mouse's own path, one frame down, one up.
bool VirtualButtonDown();
// A mouse press hides the focus frame and the highlight again: the screen looks as ever.
void NoteMouseButtons(bool left, bool right);
// A fresh program's routes: no virtual button pending.
void ResetActionRoutes();
// The hint action's one call: the hint ladder's ask, or a test's stand-in (nullptr: the ladder again).
void SetHintHandler(void (*handler)());
