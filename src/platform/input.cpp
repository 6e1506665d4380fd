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
    {"Y", DIK::Y},           {"Z", DIK::Z},
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

void InputSource::AddMotion(int dx, int dy) {
    dx_ = SaturatingAdd(dx_, dx);
    dy_ = SaturatingAdd(dy_, dy);
}

void InputSource::SetButton(int index, bool down) {
    if (index >= 0 && index < 8) buttons_[index] = down;
}

void InputSource::SetKey(uint8_t code, bool down) { keys_[code] = down; }

void InputSource::SetFocused(bool focused) {
    focused_ = focused;
    if (!focused) {
        // Motion and buttons of the background are not the game's.
        dx_ = dy_ = 0;
        for (bool& b : buttons_) b = false;
    }
}

void InputSource::TakeMotion(int& dx, int& dy) {
    dx = dx_;
    dy = dy_;
    dx_ = dy_ = 0;
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
    int ignoredX = 0, ignoredY = 0;
    if (!acquired_) {
        src.TakeMotion(ignoredX, ignoredY);   // motion of an unacquired device is lost
        return DIERR_NOTACQUIRED;
    }
    if (!src.focused()) {
        // Focus went away since the last read: the device is lost until acquired again.
        acquired_ = false;
        src.TakeMotion(ignoredX, ignoredY);
        return DIERR_INPUTLOST;
    }
    state = MouseState();
    src.TakeMotion(state.lX, state.lY);
    for (int i = 0; i < 8; ++i) state.buttons[i] = src.button(i) ? 0x80 : 0;
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
    const InputSource& src = InputSource::Get();
    for (int i = 0; i < 256; ++i) keys[i] = src.key(static_cast<uint8_t>(i)) ? 0x80 : 0;
    return S_OK;
}

}  // namespace plat
