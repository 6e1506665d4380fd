// The default binding table and the per-frame reading of keys and pad into actions.
#include "input/actions.h"

#include "platform/input.h"

namespace {

using namespace plat;

constexpr KeyBinding kKeyBindings[] = {
    {DIK::SPACE, Action::PickDrop, Hold::Once},   {DIK::ESCAPE, Action::Cancel, Hold::Once},
    {DIK::UP, Action::FocusUp, Hold::Repeats},        {DIK::DOWN, Action::FocusDown, Hold::Repeats},
    {DIK::LEFT, Action::FocusLeft, Hold::Repeats},    {DIK::RIGHT, Action::FocusRight, Hold::Repeats},
    {DIK::TAB, Action::SwitchZone, Hold::Repeats},    {DIK::RETURN, Action::Activate, Hold::Once},
    {DIK::H, Action::Hint, Hold::Once},           {DIK::M, Action::Music, Hold::Once},
    {DIK::E, Action::Effects, Hold::Once},        {DIK::F11, Action::FullScreen, Hold::Once},
    {DIK::S, Action::Export, Hold::EveryFrame},         {DIK::SPACE, Action::SkipIntro, Hold::Once},
    {DIK::BACK, Action::Back, Hold::Once},        {DIK::N, Action::NextLevel, Hold::Once},
    {DIK::P, Action::PrevLevel, Hold::Once},      {DIK::R, Action::Restart, Hold::Once},
    {DIK::K, Action::Keep, Hold::Once},
};

constexpr PadBinding kPadBindings[] = {
    {PadA, Action::PickDrop, Hold::Once},  {PadB, Action::Cancel, Hold::Once},     {PadX, Action::SwitchZone, Hold::Repeats},
    {PadY, Action::Hint, Hold::Once},      {PadY, Action::Keep, Hold::Once},      {PadStart, Action::Activate, Hold::Once}, {PadUp, Action::FocusUp, Hold::Repeats},
    {PadDown, Action::FocusDown, Hold::Repeats}, {PadLeft, Action::FocusLeft, Hold::Repeats}, {PadRight, Action::FocusRight, Hold::Repeats},
};

std::vector<Action> g_frameActions;
bool g_keysInUse = false;

}  // namespace

void ActionReader::Step(Held& held, bool down, Action action, Hold hold, int64_t nowMs, std::vector<Action>& out) {
    const bool repeats = hold == Hold::Repeats;
    if (down && (!held.down || hold == Hold::EveryFrame)) {
        out.push_back(action);
        held.nextRepeatMs = nowMs + RepeatDelayMs;
    } else if (down && repeats && nowMs >= held.nextRepeatMs) {
        out.push_back(action);
        held.nextRepeatMs = nowMs + RepeatEveryMs;
    }
    held.down = down;
}

void ActionReader::Read(const bool keys[256], const bool pad[PadButtonCount], int64_t nowMs, std::vector<Action>& out) {
    const bool alt = keys[DIK::LALT] || keys[DIK::RALT];
    // One key may carry two bindings (Space picks up and ends the intro): its state is
    // stepped once, every binding of it acts.
    Held before[256];
    for (int i = 0; i < 256; ++i) before[i] = keys_[i];
    for (const KeyBinding& b : kKeyBindings) {
        Held held = before[b.key];
        const bool altEnter = b.key == DIK::RETURN && alt;
        Step(held, keys[b.key], altEnter ? Action::FullScreen : b.action, b.hold, nowMs, out);
        keys_[b.key] = held;
    }
    Held padBefore[PadButtonCount];
    for (int i = 0; i < PadButtonCount; ++i) padBefore[i] = pad_[i];
    for (const PadBinding& b : kPadBindings) {
        Held held = padBefore[b.button];
        Step(held, pad[b.button], b.action, b.hold, nowMs, out);
        pad_[b.button] = held;
    }
}

std::vector<Action>& FrameActions() { return g_frameActions; }

bool KeysInUse() { return g_keysInUse; }

void SetKeysInUse(bool used) { g_keysInUse = used; }

void ResetActions() {
    g_frameActions.clear();
    g_keysInUse = false;
}
