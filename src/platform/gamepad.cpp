// The SDL game controller: hot-plugging by polling, the stick's dead zone, the virtual pad.
#include "platform/gamepad.h"

#include <SDL.h>

#include <cstring>

namespace plat {

namespace {

// Past half way the stick counts as a D-pad press; a resting or worn stick stays quiet.
constexpr int16_t StickDeadZone = 16000;

struct PadDevice {
    bool started = false;
    bool startFailed = false;
    SDL_GameController* controller = nullptr;
    int virtualIndex = -1;
};
PadDevice g_pad;

bool StartSubsystem() {
    if (g_pad.started) return true;
    if (g_pad.startFailed) return false;
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        g_pad.startFailed = true;
        return false;
    }
    g_pad.started = true;
    return true;
}

// The open controller, or the first one attached now; null when there is none.
SDL_GameController* CurrentController() {
    if (g_pad.controller && !SDL_GameControllerGetAttached(g_pad.controller)) {
        SDL_GameControllerClose(g_pad.controller);
        g_pad.controller = nullptr;
    }
    if (g_pad.controller) return g_pad.controller;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_IsGameController(i)) {
            g_pad.controller = SDL_GameControllerOpen(i);
            if (g_pad.controller) break;
        }
    return g_pad.controller;
}

struct ButtonName {
    const char* name;
    PadButton button;
    SDL_GameControllerButton sdl;
};
constexpr ButtonName kButtons[] = {
    {"A", PadA, SDL_CONTROLLER_BUTTON_A},
    {"B", PadB, SDL_CONTROLLER_BUTTON_B},
    {"X", PadX, SDL_CONTROLLER_BUTTON_X},
    {"Y", PadY, SDL_CONTROLLER_BUTTON_Y},
    {"START", PadStart, SDL_CONTROLLER_BUTTON_START},
    {"DPAD_UP", PadUp, SDL_CONTROLLER_BUTTON_DPAD_UP},
    {"DPAD_DOWN", PadDown, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {"DPAD_LEFT", PadLeft, SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {"DPAD_RIGHT", PadRight, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};

}  // namespace

void ReadGamepad(bool down[PadButtonCount]) {
    for (int i = 0; i < PadButtonCount; ++i) down[i] = false;
    if (!StartSubsystem()) return;
    SDL_GameControllerUpdate();
    SDL_GameController* pad = CurrentController();
    if (!pad) return;
    for (const ButtonName& b : kButtons) down[b.button] = SDL_GameControllerGetButton(pad, b.sdl) != 0;
    const int16_t x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    const int16_t y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    down[PadLeft] = down[PadLeft] || x < -StickDeadZone;
    down[PadRight] = down[PadRight] || x > StickDeadZone;
    down[PadUp] = down[PadUp] || y < -StickDeadZone;
    down[PadDown] = down[PadDown] || y > StickDeadZone;
}

bool PadButtonByName(const char* name, PadButton& out) {
    if (!name) return false;
    for (const ButtonName& b : kButtons)
        if (std::strcmp(name, b.name) == 0) {
            out = b.button;
            return true;
        }
    return false;
}

bool SetVirtualPadButton(PadButton button, bool down, const char** error) {
    if (!StartSubsystem()) {
        if (error) *error = "the game controller subsystem cannot be started";
        return false;
    }
    if (g_pad.virtualIndex < 0) {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Virtual controller";
        g_pad.virtualIndex = SDL_JoystickAttachVirtualEx(&desc);
        if (g_pad.virtualIndex < 0) {
            if (error) *error = "the virtual controller cannot be attached";
            return false;
        }
        // Opened here so that the button below has a joystick to land on.
        SDL_JoystickOpen(g_pad.virtualIndex);
    }
    SDL_Joystick* joystick = nullptr;
    for (int i = 0; i < SDL_NumJoysticks() && !joystick; ++i)
        if (SDL_JoystickIsVirtual(i)) joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(i));
    for (const ButtonName& b : kButtons)
        if (b.button == button && joystick) SDL_JoystickSetVirtualButton(joystick, b.sdl, down ? 1 : 0);
    return joystick != nullptr;
}

void DetachVirtualPad() {
    if (g_pad.virtualIndex < 0) return;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickIsVirtual(i)) {
            if (SDL_Joystick* j = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(i))) SDL_JoystickClose(j);
            SDL_JoystickDetachVirtual(i);
            break;
        }
    g_pad.virtualIndex = -1;
}

}  // namespace plat
