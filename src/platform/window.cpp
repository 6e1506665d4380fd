// The program window over SDL2 with its OpenGL context.
#include "platform/window.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/gl_caps.h"
#include "platform/input.h"
#include "platform/message_line.h"

namespace plat {

namespace {

SDL_Window* Sdl(void* w) { return static_cast<SDL_Window*>(w); }

// A game window smaller than this shows too little to play.
constexpr int MinWindowWidth = 320;
constexpr int MinWindowHeight = 240;

// SDL scan codes to the key codes the game reads.
uint8_t DikFromScancode(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) {
        static const uint8_t letters[26] = {DIK::A, DIK::B, DIK::C, DIK::D, DIK::E, DIK::F, DIK::G,
                                            DIK::H, DIK::I, DIK::J, DIK::K, DIK::L, DIK::M, DIK::N,
                                            DIK::O, DIK::P, DIK::Q, DIK::R, DIK::S, DIK::T, DIK::U,
                                            DIK::V, DIK::W, DIK::X, DIK::Y, DIK::Z};
        return letters[sc - SDL_SCANCODE_A];
    }
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_0) {   // 1..9 then 0, as DIK 0x02..0x0B
        return static_cast<uint8_t>(DIK::K1 + (sc - SDL_SCANCODE_1));
    }
    switch (sc) {
        case SDL_SCANCODE_ESCAPE: return DIK::ESCAPE;
        case SDL_SCANCODE_TAB: return DIK::TAB;
        case SDL_SCANCODE_RETURN: return DIK::RETURN;
        case SDL_SCANCODE_KP_ENTER: return 0x9C;
        case SDL_SCANCODE_SPACE: return DIK::SPACE;
        case SDL_SCANCODE_UP: return DIK::UP;
        case SDL_SCANCODE_DOWN: return DIK::DOWN;
        case SDL_SCANCODE_LEFT: return DIK::LEFT;
        case SDL_SCANCODE_RIGHT: return DIK::RIGHT;
        case SDL_SCANCODE_MINUS: return 0x0C;
        case SDL_SCANCODE_EQUALS: return 0x0D;
        case SDL_SCANCODE_BACKSPACE: return 0x0E;
        case SDL_SCANCODE_LEFTBRACKET: return 0x1A;
        case SDL_SCANCODE_RIGHTBRACKET: return 0x1B;
        case SDL_SCANCODE_LCTRL: return 0x1D;
        case SDL_SCANCODE_SEMICOLON: return 0x27;
        case SDL_SCANCODE_APOSTROPHE: return 0x28;
        case SDL_SCANCODE_GRAVE: return 0x29;
        case SDL_SCANCODE_LSHIFT: return 0x2A;
        case SDL_SCANCODE_BACKSLASH: return 0x2B;
        case SDL_SCANCODE_COMMA: return 0x33;
        case SDL_SCANCODE_PERIOD: return 0x34;
        case SDL_SCANCODE_SLASH: return 0x35;
        case SDL_SCANCODE_RSHIFT: return 0x36;
        case SDL_SCANCODE_LALT: return 0x38;
        case SDL_SCANCODE_F1: return 0x3B;
        case SDL_SCANCODE_F2: return 0x3C;
        case SDL_SCANCODE_F3: return 0x3D;
        case SDL_SCANCODE_F4: return 0x3E;
        case SDL_SCANCODE_F5: return 0x3F;
        case SDL_SCANCODE_F11: return DIK::F11;
        case SDL_SCANCODE_RCTRL: return 0x9D;
        case SDL_SCANCODE_RALT: return 0xB8;
        case SDL_SCANCODE_HOME: return 0xC7;
        case SDL_SCANCODE_PAGEUP: return 0xC9;
        case SDL_SCANCODE_END: return 0xCF;
        case SDL_SCANCODE_PAGEDOWN: return 0xD1;
        case SDL_SCANCODE_INSERT: return 0xD2;
        case SDL_SCANCODE_DELETE: return 0xD3;
        default: return 0;
    }
}

// SDL asks for OpenGL 2.1 by default, so a driver below it makes no context at all. The
// oldest version is asked for once more, only to tell the player what the system has.
std::string DescribeOfferBelowFloor(SDL_Window* window) {
    const std::string why = SDL_GetError();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
    SDL_GLContext probe = SDL_GL_CreateContext(window);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, GlFloorMajor);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, GlFloorMinor);
    if (probe == nullptr) return "OpenGL 2.1 is needed; no OpenGL context could be made: " + why;
    SDL_GL_MakeCurrent(window, probe);
    const std::string message = GlFloorMessage(CurrentGlCaps());
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(probe);
    ForgetGlCaps();
    return message;
}

}  // namespace

Window::Window() = default;

Window::~Window() {
    ForgetGlCaps();
    if (glContext_) SDL_GL_DeleteContext(static_cast<SDL_GLContext>(glContext_));
    if (window_) SDL_DestroyWindow(Sdl(window_));
    if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool Window::Create(const WindowOptions& options, int width, int height, const std::string& caption,
                    std::string& error) {
    options_ = options;
    // The video driver is chosen when SDL starts, so the headless choice must come first.
    if (options.headless) setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = std::string("Cannot start the video system: ") + SDL_GetError();
        return false;
    }
    sdlStarted_ = true;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, GlFloorMajor);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, GlFloorMinor);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The game minimizes itself when it loses the foreground; leave that decision to it.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");

    // HiDPI: the drawable gets the display's real pixels, and the picture is presented into them.
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI;
    title_ = caption;
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!window_) {
        error = std::string("Cannot open the window: ") + SDL_GetError();
        return false;
    }
    // Whatever compatibility version the driver gives is taken; the game needs only 2.1.
    glContext_ = SDL_GL_CreateContext(Sdl(window_));
    if (!glContext_) {
        error = DescribeOfferBelowFloor(Sdl(window_));
        return false;
    }
    SDL_GL_MakeCurrent(Sdl(window_), static_cast<SDL_GLContext>(glContext_));
    const GlCaps& caps = CurrentGlCaps();
    if (!GlMeetsFloor(caps)) {
        error = GlFloorMessage(caps);
        return false;
    }
    return true;
}

void Window::EnterGameMode(int backBufferWidth, int backBufferHeight, bool fullscreen, int windowWidth,
                           int windowHeight) {
    gameMode_ = true;
    pictureWidth_ = backBufferWidth;
    pictureHeight_ = backBufferHeight;
    const bool sizeGiven = windowWidth >= MinWindowWidth && windowHeight >= MinWindowHeight;
    windowWidth_ = sizeGiven ? windowWidth : backBufferWidth;
    windowHeight_ = sizeGiven ? windowHeight : backBufferHeight;
    if (window_) {
        SDL_Window* w = Sdl(window_);
        SDL_SetWindowAlwaysOnTop(w, SDL_FALSE);
        SDL_SetWindowTitle(w, MessageName().c_str());
        SDL_SetWindowMinimumSize(w, MinWindowWidth, MinWindowHeight);
        SDL_SetWindowResizable(w, SDL_TRUE);
        SDL_SetWindowSize(w, windowWidth_, windowHeight_);
        SDL_SetWindowPosition(w, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    fullscreen_ = !fullscreen;   // so that SetFullscreen acts
    SetFullscreen(fullscreen);
    SetRelativeMouse(options_.relativeMouse);
}

void Window::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SDL_SetWindowTitle(Sdl(window_), title.c_str());
}

void Window::SetFullscreen(bool on) {
    if (on == fullscreen_) return;
    fullscreen_ = on;
    if (!window_) return;
    SDL_Window* w = Sdl(window_);
    if (on) {
        SDL_SetWindowBordered(w, SDL_FALSE);
        SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(w, 0);
        SDL_SetWindowBordered(w, SDL_TRUE);
        SDL_SetWindowSize(w, windowWidth_, windowHeight_);
    }
}

PointerSpace Window::CurrentPointerSpace() const {
    PointerSpace space;
    if (window_) {
        SDL_GetWindowSize(Sdl(window_), &space.windowWidth, &space.windowHeight);
        SDL_GL_GetDrawableSize(Sdl(window_), &space.drawableWidth, &space.drawableHeight);
    }
    space.pictureWidth = pictureWidth_;
    space.pictureHeight = pictureHeight_;
    return space;
}

void Window::PointerAt(double windowX, double windowY) {
    double x = 0, y = 0;
    const PointerSpace space = CurrentPointerSpace();
    if (!PointerToPicture(space, windowX, windowY, x, y)) return;
    InputSource::Get().SetPointer(x, y);
    // The game draws its own cursor over the picture; over the bars the system's shows.
    const bool overPicture = x >= 0 && y >= 0 && x < pictureWidth_ && y < pictureHeight_;
    if (overPicture == systemCursorShown_) SetSystemCursorVisible(!overPicture);
}

void Window::FingerEvent(const void* sdlEvent) {
    const SDL_TouchFingerEvent& f = static_cast<const SDL_Event*>(sdlEvent)->tfinger;
    const bool down = f.type == SDL_FINGERDOWN, up = f.type == SDL_FINGERUP;
    // One finger is the mouse; the others are ignored until it lifts.
    if (down && activeFinger_ < 0) activeFinger_ = f.fingerId;
    if (activeFinger_ != f.fingerId) return;
    int ww = 0, wh = 0;
    if (window_) SDL_GetWindowSize(Sdl(window_), &ww, &wh);
    PointerAt(double(f.x) * ww, double(f.y) * wh);
    if (down) InputSource::Get().SetButton(0, true);
    if (up) {
        InputSource::Get().SetButton(0, false);
        activeFinger_ = -1;
    }
}

void Window::RequestClose() {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    e.window.windowID = window_ ? SDL_GetWindowID(Sdl(window_)) : 0;
    SDL_PushEvent(&e);
}

void Window::Dispatch(Event event, const WindowHandlers& handlers) {
    InputSource& input = InputSource::Get();
    switch (event) {
        case Event::Close:
            if (handlers.onClose) handlers.onClose();
            else closed_ = true;
            break;
        case Event::FocusLost:
            input.SetFocused(false);
            if (gameMode_ && handlers.onDeactivate) handlers.onDeactivate();
            break;
        case Event::FocusGained:
            input.SetFocused(true);
            if (gameMode_ && minimized_) {
                minimized_ = false;
                if (handlers.onRestore) handlers.onRestore();
            }
            break;
        case Event::Minimized:
            if (gameMode_ && !minimized_) {
                minimized_ = true;
                if (handlers.onMinimize) handlers.onMinimize();
            }
            break;
        case Event::Restored:
            if (gameMode_ && minimized_) {
                minimized_ = false;
                input.SetFocused(true);
                if (handlers.onRestore) handlers.onRestore();
            }
            break;
    }
}

bool Window::PumpEvents(const WindowHandlers& handlers) {
    InputSource& input = InputSource::Get();
    SDL_Event e;
    while (!closed_ && SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                Dispatch(Event::Close, handlers);
                break;
            case SDL_WINDOWEVENT:
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_CLOSE: Dispatch(Event::Close, handlers); break;
                    case SDL_WINDOWEVENT_FOCUS_LOST: Dispatch(Event::FocusLost, handlers); break;
                    case SDL_WINDOWEVENT_FOCUS_GAINED: Dispatch(Event::FocusGained, handlers); break;
                    case SDL_WINDOWEVENT_MINIMIZED: Dispatch(Event::Minimized, handlers); break;
                    case SDL_WINDOWEVENT_RESTORED: Dispatch(Event::Restored, handlers); break;
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                        if (gameMode_ && !fullscreen_ && !minimized_ &&
                            !(SDL_GetWindowFlags(Sdl(window_)) & SDL_WINDOW_MAXIMIZED) &&
                            e.window.data1 >= MinWindowWidth && e.window.data2 >= MinWindowHeight) {
                            windowWidth_ = e.window.data1;
                            windowHeight_ = e.window.data2;
                            if (handlers.onResized) handlers.onResized(windowWidth_, windowHeight_);
                        }
                        break;
                    default: break;
                }
                break;
            case SDL_FINGERDOWN:
            case SDL_FINGERMOTION:
            case SDL_FINGERUP:
                if (gameMode_ && !options_.relativeMouse) FingerEvent(&e);
                break;
            case SDL_MOUSEMOTION:
                if (gameMode_) {
                    if (options_.relativeMouse) input.AddMotion(e.motion.xrel, e.motion.yrel);
                    else if (e.motion.which != SDL_TOUCH_MOUSEID) PointerAt(e.motion.x, e.motion.y);
                } else if (dialogSink_) {
                    DialogEvent d;
                    d.kind = DialogEvent::MouseMove;
                    d.x = e.motion.x;
                    d.y = e.motion.y;
                    dialogSink_(d);
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                bool down = e.type == SDL_MOUSEBUTTONDOWN;
                int index = e.button.button == SDL_BUTTON_LEFT ? 0 : e.button.button == SDL_BUTTON_RIGHT ? 1 : -1;
                if (index < 0) break;
                if (gameMode_) {
                    if (options_.relativeMouse) {
                        input.SetButton(index, down);
                    } else if (e.button.which != SDL_TOUCH_MOUSEID) {   // fingers come as fingers
                        PointerAt(e.button.x, e.button.y);
                        input.SetButton(index, down);
                    }
                } else if (dialogSink_) {
                    DialogEvent d;
                    d.kind = down ? DialogEvent::MouseDown : DialogEvent::MouseUp;
                    d.x = e.button.x;
                    d.y = e.button.y;
                    d.button = index;
                    dialogSink_(d);
                }
                break;
            }
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                bool down = e.type == SDL_KEYDOWN;
                uint8_t dik = DikFromScancode(e.key.keysym.scancode);
                if (gameMode_) {
                    if (dik) input.SetKey(dik, down);
                } else if (down && dialogSink_) {
                    DialogEvent d;
                    d.kind = DialogEvent::KeyDown;
                    d.key = e.key.keysym.sym;
                    d.dik = dik;
                    d.shift = (e.key.keysym.mod & KMOD_SHIFT) != 0;
                    dialogSink_(d);
                }
                break;
            }
            default:
                break;
        }
    }
    return !closed_;
}

void Window::WaitEvents(int timeoutMs) { SDL_WaitEventTimeout(nullptr, timeoutMs); }

void Window::Minimize() {
    if (gameMode_) minimized_ = true;
    if (window_) SDL_MinimizeWindow(Sdl(window_));
}

void Window::Restore() {
    if (window_) SDL_RestoreWindow(Sdl(window_));
}

void Window::SetSystemCursorVisible(bool visible) {
    systemCursorShown_ = visible;
    if (sdlStarted_) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void Window::SetRelativeMouse(bool on) {
    // The offscreen driver has no mouse to capture; the script feeds motion directly.
    if (sdlStarted_ && !options_.headless) SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE);
}

void Window::DrawableSize(int& w, int& h) const {
    w = h = 0;
    if (window_) SDL_GL_GetDrawableSize(Sdl(window_), &w, &h);
}

void Window::SwapBuffers() {
    if (window_) SDL_GL_SwapWindow(Sdl(window_));
}

void Window::SetVsync(bool on) {
    if (!glContext_) return;
    // Adaptive sync first (tears instead of stalling on a late frame), plain vsync otherwise.
    if (on) {
        if (SDL_GL_SetSwapInterval(-1) != 0) SDL_GL_SetSwapInterval(1);
    } else {
        SDL_GL_SetSwapInterval(0);
    }
}

void Window::MessageBox(const std::string& text, const std::string& caption) {
    if (options_.headless) {
        PrintMessage(text);
        return;
    }
    // The captured game mouse would leave the box unreachable; free it while the box is up.
    bool captured = SDL_GetRelativeMouseMode() == SDL_TRUE;
    if (captured) SDL_SetRelativeMouseMode(SDL_FALSE);
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(),
                                 window_ ? Sdl(window_) : nullptr) != 0)
        PrintMessage(text);
    if (captured) SDL_SetRelativeMouseMode(SDL_TRUE);
}

void ShowMessage(const std::string& text, const std::string& caption, bool headless) {
    if (headless || SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), nullptr) != 0)
        PrintMessage(text);
}

}  // namespace plat
