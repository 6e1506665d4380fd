#pragma once
// The parent's gate, which a child does not pass by chance: a large button to hold for three
// seconds, then three shown digits to press in order on a keypad (or the number keys). A
// wrong digit, a click beside the keypad, Escape or half a minute without passing closes it.
#include <cstdint>

#include "platform/types.h"

class StateDump;

// What passing the gate is for.
enum GatePurpose : int32_t {
    GateOff = 0,
    GateForCorner = 1,   // the parent corner opens
    GateForQuit = 2,     // kiosk mode: the game ends
};

enum GateStage : int32_t {
    GateHold = 1,     // the hold button waits
    GateDigits = 2,   // the digits are shown
};

constexpr int GateHoldSeconds = 3;
constexpr int GateIdleSeconds = 30;
constexpr int GateDigitCount = 3;

// The hold button (virtual screen, bounds excluded like every zone).
constexpr plat::Rect GateHoldRect{515, 380, 765, 630};
// The keypad: ten keys 0..9 in a row.
constexpr int GateKeyTop = 600, GateKeySize = 96, GateKeyGap = 12;
constexpr int GateKeysLeft = (1280 - (10 * GateKeySize + 9 * GateKeyGap)) / 2;
constexpr plat::Rect GateKeyRect(int digit) {
    return plat::Rect{GateKeysLeft + digit * (GateKeySize + GateKeyGap), GateKeyTop,
                      GateKeysLeft + digit * (GateKeySize + GateKeyGap) + GateKeySize, GateKeyTop + GateKeySize};
}

struct ParentGate {
    int32_t purpose = GateOff;
    int32_t stage = GateHold;
    uint64_t holdSince = 0;   // clock reading when the present hold began; 0 not held
    uint64_t since = 0;       // when the gate opened or its digits were shown
    int32_t heldPercent = 0;  // how far the hold has got
    int32_t digits[GateDigitCount] = {};
    int32_t entered = 0;      // digits pressed right so far
};
extern ParentGate g_parentGate;

// One frame's input as the gate reads it.
struct GateInput {
    bool held = false;     // the left button (a finger) or the hold key is down
    bool heldByKey = false;
    bool fresh = false;    // the left button went down this frame
    int32_t x = 0, y = 0;  // the cursor
    int32_t digit = -1;    // a number key pressed this frame
    bool cancel = false;   // Escape pressed this frame
};

void OpenGate(int32_t purpose);
void CloseGate();
bool GateOpen();
// Runs one frame of the gate at clock reading `now` (`rate` ticks a second). Returns the
// purpose when the gate was passed in this frame (the gate is closed then), else GateOff.
int32_t GateFrame(const GateInput& in, uint64_t now, int64_t rate);
// Draws the gate over the screen drawn before it.
void DrawParentGate();
void DumpParentGate(StateDump& dump);
