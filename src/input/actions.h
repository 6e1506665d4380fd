#pragma once
// The game's actions: every device turns into these through one binding table, and the
// game reads one frame's list of them, never raw keys or pad buttons.
#include <cstdint>
#include <vector>

#include "platform/gamepad.h"

enum class Action : uint8_t {
    PickDrop,     // pick up at the focus, or drop there (Space, pad A)
    Cancel,       // a figure in the hand goes home (Escape, pad B)
    FocusUp,
    FocusDown,
    FocusLeft,
    FocusRight,
    SwitchZone,   // palette or field; on menus the next button (Tab, pad X)
    Activate,     // press the highlighted button; next after a solved level (Enter, pad Start)
    Hint,         // "show me" (H, pad Y)
    Keep,         // a free level's keep button (K, pad Y: a free level has no hint)
    Music,
    Effects,
    FullScreen,
    Export,
    SkipIntro,
    Back,         // the box screens' buttons
    NextLevel,
    PrevLevel,
    Restart,
};

// What holding a key or pad button does: only moves repeat, so a held key never picks up
// or drops twice; the export is written in every frame the key is down.
enum class Hold : uint8_t { Once, Repeats, EveryFrame };
struct KeyBinding {
    uint8_t key;
    Action action;
    Hold hold;
};
struct PadBinding {
    plat::PadButton button;
    Action action;
    Hold hold;
};

// A held move repeats after this long, then at this pace.
constexpr int64_t RepeatDelayMs = 400;
constexpr int64_t RepeatEveryMs = 120;

// Turns the frame's device state into actions: a press is one action, a held repeating
// binding more after the delay. Alt+Enter is full screen, never Activate.
class ActionReader {
public:
    void Read(const bool keys[256], const bool pad[plat::PadButtonCount], int64_t nowMs, std::vector<Action>& out);
    void Reset() { *this = ActionReader(); }

private:
    struct Held {
        bool down = false;
        int64_t nextRepeatMs = 0;
    };
    void Step(Held& held, bool down, Action action, Hold hold, int64_t nowMs, std::vector<Action>& out);
    Held keys_[256];
    Held pad_[plat::PadButtonCount];
};

// The frame's actions from the keyboard and the controller (filled by ReadKeyboard, which
// carries out the switches itself); the frame logic takes the rest once a frame.
std::vector<Action>& FrameActions();
// Whether a key or the controller was used since the last screen change: the focus frame
// and the menu highlight show only then, so a mouse player sees the screen as always.
bool KeysInUse();
void SetKeysInUse(bool used);
void ResetActions();
