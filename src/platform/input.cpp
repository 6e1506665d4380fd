// The polled mouse and keyboard over the shared input source.
#include "platform/input.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

namespace plat {

namespace {
// Another application owns the foreground: a foreground-only device cannot be acquired.
constexpr HRESULT DIERR_OTHERAPPHASPRIO = static_cast<int32_t>(0x80070005u);

struct KeyName {
    const char* name;
    uint8_t code;
};
constexpr KeyName kKeyNames[] = {
    {"ESCAPE", DIK::ESCAPE}, {"ESC", DIK::ESCAPE}, {"TAB", DIK::TAB},     {"RETURN", DIK::RETURN},
    {"ENTER", DIK::RETURN},  {"SPACE", DIK::SPACE}, {"UP", DIK::UP},       {"DOWN", DIK::DOWN},
    {"LEFT", DIK::LEFT},     {"RIGHT", DIK::RIGHT}, {"0", DIK::K0},        {"1", DIK::K1},
    {"2", DIK::K2},          {"3", DIK::K3},        {"4", DIK::K4},        {"5", DIK::K5},
    {"6", DIK::K6},          {"7", DIK::K7},        {"8", DIK::K8},        {"9", DIK::K9},
    {"A", DIK::A},           {"B", DIK::B},         {"C", DIK::C},         {"D", DIK::D},
    {"E", DIK::E},           {"F", DIK::F},         {"G", DIK::G},         {"H", DIK::H},
    {"I", DIK::I},           {"J", DIK::J},         {"K", DIK::K},         {"L", DIK::L},
    {"M", DIK::M},           {"N", DIK::N},         {"O", DIK::O},         {"P", DIK::P},
    {"Q", DIK::Q},           {"R", DIK::R},         {"S", DIK::S},         {"T", DIK::T},
    {"U", DIK::U},           {"V", DIK::V},         {"W", DIK::W},         {"X", DIK::X},
    {"Y", DIK::Y},           {"Z", DIK::Z},         {"F11", DIK::F11},     {"ALT", DIK::LALT},
    {"BACKSPACE", DIK::BACK},
};
}  // namespace

uint8_t KeyCodeByName(const char* name) {
    if (!name) return 0;
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const KeyName& k : kKeyNames)
        if (upper == k.name) return k.code;
    return 0;
}

InputSource& InputSource::Get() {
    static InputSource source;
    return source;
}

namespace {
// Motion gathered over many events (or while nobody reads it) stays in range instead of wrapping.
int SaturatingAdd(int a, int b) {
    const int64_t sum = int64_t(a) + b;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int>(sum);
}
}  // namespace

namespace {
// Events that nobody reads (a long stall) stop piling up here: the oldest are then taken as
// if a frame had read them.
constexpr size_t MaxQueuedEvents = 512;
}  // namespace

void InputSource::MovePointer(const MouseEvent& e) {
    if (e.kind != MouseEvent::Pointer) return;
    hasPointer_ = true;
    pointerX_ = e.x;
    pointerY_ = e.y;
}

void InputSource::QueueMouse(const MouseEvent& e) {
    // Consecutive motion adds up, consecutive pointer positions keep the last: only the
    // order of button changes matters between two frames.
    if (!mouseQueue_.empty() && mouseQueue_.back().kind == e.kind && e.kind != MouseEvent::Button) {
        MouseEvent& last = mouseQueue_.back();
        last.dx = SaturatingAdd(last.dx, e.dx);
        last.dy = SaturatingAdd(last.dy, e.dy);
        last.x = e.x;
        last.y = e.y;
        return;
    }
    mouseQueue_.push_back(e);
    while (mouseQueue_.size() > MaxQueuedEvents) {
        const MouseEvent& old = mouseQueue_.front();
        if (old.kind == MouseEvent::Button) buttons_[old.index] = old.down;
        MovePointer(old);
        mouseQueue_.pop_front();
    }
}

void InputSource::AddMotion(int dx, int dy) { QueueMouse({.kind = MouseEvent::Motion, .dx = dx, .dy = dy}); }

void InputSource::SetPointer(double x, double y) { QueueMouse({.kind = MouseEvent::Pointer, .x = x, .y = y}); }

void InputSource::SetButton(int index, bool down) {
    if (index < 0 || index >= 8 || queuedButtons_[index] == down) return;
    queuedButtons_[index] = down;
    QueueMouse({.kind = MouseEvent::Button, .index = index, .down = down});
}

void InputSource::SetKey(uint8_t code, bool down) {
    if (queuedKeys_[code] == down) return;   // key repeat changes nothing
    queuedKeys_[code] = down;
    keyQueue_.emplace_back(code, down);
    while (keyQueue_.size() > MaxQueuedEvents) {
        keys_[keyQueue_.front().first] = keyQueue_.front().second;
        keyQueue_.pop_front();
    }
}

void InputSource::SetFocused(bool focused) {
    focused_ = focused;
    if (!focused) {
        // Motion and buttons of the background are not the game's; the pointer's place is.
        for (bool& b : queuedButtons_) b = false;
        DropMouse();
    }
}

InputSource::MouseTake InputSource::TakeMouse() {
    MouseTake take;
    bool changed[8] = {};
    bool pointerMoved = false;
    while (!mouseQueue_.empty()) {
        const MouseEvent& e = mouseQueue_.front();
        if (e.kind == MouseEvent::Button) {
            if (changed[e.index]) break;                  // the undoing change is the next frame's
            if (e.down && pointerMoved) break;            // first the cursor goes there
            buttons_[e.index] = e.down;
            changed[e.index] = true;
        } else if (e.kind == MouseEvent::Pointer) {
            pointerMoved = pointerMoved || !hasPointer_ || e.x != pointerX_ || e.y != pointerY_;
            MovePointer(e);
        } else {
            take.dx = SaturatingAdd(take.dx, e.dx);
            take.dy = SaturatingAdd(take.dy, e.dy);
        }
        mouseQueue_.pop_front();
    }
    for (int i = 0; i < 8; ++i) take.buttons[i] = buttons_[i];
    take.hasPointer = hasPointer_;
    take.pointerMoved = pointerMoved;
    take.x = pointerX_;
    take.y = pointerY_;
    return take;
}

void InputSource::TakeKeys() {
    bool changed[256] = {};
    while (!keyQueue_.empty()) {
        const auto [code, down] = keyQueue_.front();
        if (changed[code]) break;
        keys_[code] = down;
        changed[code] = true;
        keyQueue_.pop_front();
    }
}

void InputSource::DropMouse() {
    for (const MouseEvent& e : mouseQueue_) MovePointer(e);
    mouseQueue_.clear();
    for (int i = 0; i < 8; ++i) buttons_[i] = queuedButtons_[i];
}

void InputSource::TakeMotion(int& dx, int& dy) {
    dx = dy = 0;
    for (auto it = mouseQueue_.begin(); it != mouseQueue_.end();) {
        if (it->kind != MouseEvent::Motion) {
            ++it;
            continue;
        }
        dx = SaturatingAdd(dx, it->dx);
        dy = SaturatingAdd(dy, it->dy);
        it = mouseQueue_.erase(it);
    }
}

void InputSource::Reset() { *this = InputSource(); }

HRESULT MouseDevice::Acquire() {
    if (!InputSource::Get().focused()) return DIERR_OTHERAPPHASPRIO;
    acquired_ = true;
    return S_OK;
}

HRESULT MouseDevice::Unacquire() {
    acquired_ = false;
    return S_OK;
}

HRESULT MouseDevice::GetDeviceState(MouseState& state) {
    InputSource& src = InputSource::Get();
    if (!acquired_) {
        src.DropMouse();   // what an unacquired device missed is lost
        return DIERR_NOTACQUIRED;
    }
    if (!src.focused()) {
        // Focus went away since the last read: the device is lost until acquired again.
        acquired_ = false;
        src.DropMouse();
        return DIERR_INPUTLOST;
    }
    state = MouseState();
    const InputSource::MouseTake take = src.TakeMouse();
    state.lX = take.dx;
    state.lY = take.dy;
    for (int i = 0; i < 8; ++i) state.buttons[i] = take.buttons[i] ? 0x80 : 0;
    hasPointer_ = take.hasPointer;
    pointerMoved_ = take.pointerMoved;
    pointerX_ = take.x;
    pointerY_ = take.y;
    return S_OK;
}

HRESULT KeyboardDevice::Acquire() {
    acquired_ = true;   // a background device: always available
    return S_OK;
}

HRESULT KeyboardDevice::Unacquire() {
    acquired_ = false;
    return S_OK;
}

HRESULT KeyboardDevice::GetDeviceState(uint8_t keys[256]) {
    if (!acquired_) return DIERR_NOTACQUIRED;
    InputSource& src = InputSource::Get();
    src.TakeKeys();
    for (int i = 0; i < 256; ++i) keys[i] = src.key(static_cast<uint8_t>(i)) ? 0x80 : 0;
    return S_OK;
}

}  // namespace plat
