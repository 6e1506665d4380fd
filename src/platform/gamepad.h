#pragma once
// The game controller as the game polls it once a frame: the buttons it plays with, the
// left stick folded into the D-pad, and a virtual controller for scripted runs and tests.
#include <cstdint>

namespace plat {

enum PadButton : int {
    PadA,
    PadB,
    PadX,
    PadY,
    PadStart,
    PadUp,
    PadDown,
    PadLeft,
    PadRight,
    PadButtonCount,
};

// Fills down[] with the first attached controller's buttons; all up when there is none. A
// controller plugged in is opened at the next read, one pulled out is closed and reads as
// all up, so nothing of the game changes with it. Never throws.
void ReadGamepad(bool down[PadButtonCount]);

// "A", "B", "X", "Y", "START", "DPAD_UP", ... ; false for any other name.
bool PadButtonByName(const char* name, PadButton& out);

// A virtual controller that reads like a real one. Attached on first use; false when the
// controller subsystem cannot be started (the message is in error).
bool SetVirtualPadButton(PadButton button, bool down, const char** error);
// Pulls the virtual controller out, as a cable pulled from the machine.
void DetachVirtualPad();

}  // namespace plat
