#pragma once
// Click to pick up, click to drop: a short click on a figure leaves it in the hand, the
// next click drops it as a release there would, and that click does nothing else.
#include <cstdint>

// A press and release closer than this (virtual units, each way) is a click, not a drag.
constexpr int32_t ClickSlop = 6;

// Called by the mouse step with the frame's buttons before it turns the left button into
// the drag state. True when the buttons belonged to carrying this frame and the mouse
// step must leave the drag state and the click actions alone.
bool CarryButtons(bool left, bool right);
// What a click at the cursor does, for the keyboard and the controller: drops the figure
// in the hand there, or picks up the one under the cursor and keeps it in the hand.
void CarryClickAtCursor();
// The figure in the hand (held or carried) flies home without trying a drop.
void SendHandHome();
bool HandHoldsFigure();
void ResetCarry();
