#pragma once
// Mouse and keyboard as the game polls them once per frame: relative motion, two buttons,
// and a 256-byte key state indexed by the classic scan codes (a key is down at 0x80).
#include <cstdint>
#include <deque>
#include <utility>

#include "platform/types.h"

namespace plat {

struct MouseState {
    int32_t lX = 0, lY = 0, lZ = 0;
    uint8_t buttons[8] = {};
};
static_assert(sizeof(MouseState) == 20);

// Key codes (the scan-code set the game was written for).
namespace DIK {
constexpr uint8_t ESCAPE = 0x01, K1 = 0x02, K2 = 0x03, K3 = 0x04, K4 = 0x05, K5 = 0x06, K6 = 0x07,
                  K7 = 0x08, K8 = 0x09, K9 = 0x0A, K0 = 0x0B, TAB = 0x0F, Q = 0x10, W = 0x11, E = 0x12,
                  R = 0x13, T = 0x14, Y = 0x15, U = 0x16, I = 0x17, O = 0x18, P = 0x19, RETURN = 0x1C,
                  A = 0x1E, S = 0x1F, D = 0x20, F = 0x21, G = 0x22, H = 0x23, J = 0x24, K = 0x25,
                  L = 0x26, Z = 0x2C, X = 0x2D, C = 0x2E, V = 0x2F, B = 0x30, N = 0x31, M = 0x32,
                  SPACE = 0x39, UP = 0xC8, LEFT = 0xCB, RIGHT = 0xCD, DOWN = 0xD0, LALT = 0x38,
                  RALT = 0xB8, F11 = 0x57, BACK = 0x0E;
}
// Key code for a name such as "S", "SPACE", "RETURN", "LEFT"; 0 when unknown.
uint8_t KeyCodeByName(const char* name);

// The shared input source: the window feeds it real events, a script feeds it directly.
// Button and key changes wait in order until a device reads them, once a frame; a read
// takes them up to the first one that would undo a change of the same read, so a press
// and a release that both came between two frames are seen in two frames, never lost.
class InputSource {
public:
    static InputSource& Get();
    void AddMotion(int dx, int dy);
    // Where an absolute pointer (mouse in window mode, touch, pen) is, in picture pixels.
    void SetPointer(double x, double y);
    void SetButton(int index, bool down);
    void SetKey(uint8_t code, bool down);
    void SetFocused(bool focused);
    bool focused() const { return focused_; }

    // One frame's mouse: the motion, buttons and pointer that the waiting events add up to.
    // A press that comes after the pointer moved waits for the next read, so the game has
    // drawn the cursor (and found the button under it) where the press happens.
    struct MouseTake {
        int dx = 0, dy = 0;
        bool buttons[8] = {};
        bool hasPointer = false;
        bool pointerMoved = false;   // a pointer event of this read put it somewhere new
        double x = 0, y = 0;
    };
    MouseTake TakeMouse();
    // One frame's keys; key(code) then tells the state.
    void TakeKeys();
    // A read that failed: the waiting motion and button changes are lost, the buttons are as
    // they are now, the pointer where it went.
    void DropMouse();
    // Takes the relative motion waiting, leaving buttons and pointer where they are.
    void TakeMotion(int& dx, int& dy);
    bool button(int index) const { return buttons_[index]; }
    bool key(uint8_t code) const { return keys_[code]; }
    void Reset();

private:
    struct MouseEvent {
        enum Kind { Motion, Pointer, Button } kind = Motion;
        int dx = 0, dy = 0;
        double x = 0, y = 0;
        int index = 0;
        bool down = false;
    };
    void QueueMouse(const MouseEvent& e);
    void MovePointer(const MouseEvent& e);   // a pointer event's position becomes the pointer's
    std::deque<MouseEvent> mouseQueue_;
    std::deque<std::pair<uint8_t, bool>> keyQueue_;
    // The state as the game has read it, and as it will be once the queue is read.
    bool buttons_[8] = {};
    bool keys_[256] = {};
    bool queuedButtons_[8] = {};
    bool queuedKeys_[256] = {};
    bool hasPointer_ = false;
    double pointerX_ = 0, pointerY_ = 0;
    bool focused_ = true;
};

// Polled devices. The mouse read fails while the window has no focus, as a foreground-only
// device does: the first read after focus went reports DIERR_INPUTLOST, later ones
// DIERR_NOTACQUIRED, and Acquire fails (another application has priority) until focus returns.
class MouseDevice {
public:
    HRESULT Acquire();
    HRESULT Unacquire();
    HRESULT GetDeviceState(MouseState& state);
    // The absolute pointer as of the last successful read, in picture pixels; false while
    // no absolute pointer has reported (relative mouse, or nothing moved yet).
    bool Pointer(double& x, double& y) const {
        x = pointerX_;
        y = pointerY_;
        return hasPointer_;
    }
    bool PointerMoved() const { return pointerMoved_; }

private:
    bool acquired_ = false;
    bool hasPointer_ = false;
    bool pointerMoved_ = false;
    double pointerX_ = 0, pointerY_ = 0;
};

class KeyboardDevice {
public:
    HRESULT Acquire();
    HRESULT Unacquire();
    HRESULT GetDeviceState(uint8_t keys[256]);

private:
    bool acquired_ = false;
};

}  // namespace plat
