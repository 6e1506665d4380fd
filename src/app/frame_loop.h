#pragma once
// The frame loop: one drawn frame, the device rebuild, and the per-frame mouse logic.
#include <cstdint>

#include "platform/types.h"

// Draws one frame on the device: scene, the screen contents, present.
void RenderFrame();
// The screen contents of a frame through g_sprite: screen of g_screenState, version text,
// cursor. RenderFrame calls it between the scene's begin and end; tests call it alone.
void DrawFrameContents();
// cleanup, then InitD3D; a failure is fatal ("InitD3D"). RestoreDevice reaches it.
plat::HRESULT RebuildGraphicsDevice();
// The mouse step and the click dispatch. Returns 0.
int FrameLogic();
// One axis of an absolute pointer (picture pixels) in virtual units: the inverse of the
// drawing scale, rounded, clamped to 0..maxValue as the cursor always is.
int32_t CursorFromPointer(double picturePixels, float scale, int32_t maxValue);
// The click-action table: runs the first action whose condition holds. Returns the row
// number acted on (1..23), or 0 when none applied.
int RunClickAction();
// The children's rows: the menu's picture opens the chooser (21), its back button returns
// (22), a tile chooses that child or adds one (23). A message about the child's files is
// thrown as a GameFileError after the click has acted.
int RunProfileClick(int hot, int screen);
// The back button on a box screen: back to the main menu, saving the level pointer and the
// board. Closing the window during a level goes through it too, so no work is lost. False
// (and nothing done) on any other screen.
bool LeaveBoxScreen();
// The main menu's speaker button, beside the table: cycles the sound switches. True when it acted.
bool RunSoundButtonClick();
// Ends a frame that an error interrupted, so the next one starts clean.
void AbortFrame();

// Passes of the idle handler that drew a frame, and device rebuilds (for scripted checks).
extern int64_t g_framesDrawn;
extern int64_t g_deviceRebuilds;
