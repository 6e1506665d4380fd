#pragma once
// The one program window: first the small settings dialog, then the game, full screen or
// windowed. Owns the OpenGL context every device draws with.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/letterbox.h"

namespace plat {

struct WindowOptions {
    bool headless = false;    // offscreen video driver, message boxes go to stderr
    bool windowed = false;    // game in a window instead of full screen
    bool relativeMouse = false;   // raw motion, pointer held; otherwise the pointer's position
};

struct WindowHandlers {
    std::function<void()> onDeactivate;   // another application took the foreground
    std::function<void()> onMinimize;
    std::function<void()> onRestore;
    std::function<void()> onClose;
    std::function<void(int, int)> onResized;   // the game window's new size, when not full screen
};

class Window {
public:
    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Opens the dialog window (client size w x h, caption, centred, on top).
    bool Create(const WindowOptions& options, int width, int height, const std::string& caption, std::string& error);
    // Turns the window into the game, full screen or a resizable window of the given size
    // (0 x 0: the back buffer's size). The pointer maps into a picture of the back buffer's size.
    void EnterGameMode(int backBufferWidth, int backBufferHeight, bool fullscreen, int windowWidth = 0,
                       int windowHeight = 0);
    bool inGameMode() const { return gameMode_; }
    // The caption of the title bar; the game passes it in its player's language.
    void SetTitle(const std::string& title);
    const std::string& title() const { return title_; }
    // Full screen or back to the window, keeping the GL context and everything drawn with it.
    void SetFullscreen(bool on);
    bool fullscreen() const { return fullscreen_; }
    // Size of the game window when not full screen (window units).
    void WindowSize(int& w, int& h) const {
        w = windowWidth_;
        h = windowHeight_;
    }

    // Handles pending events: input goes to InputSource, window events to the handlers.
    // Returns false once the window is closed.
    bool PumpEvents(const WindowHandlers& handlers);
    // Sleeps until an event arrives or timeoutMs passes (the application waiting for a message).
    void WaitEvents(int timeoutMs);

    // The window events as the handlers see them; PumpEvents maps the real ones through
    // here, and scripted runs inject them to act out task switches.
    enum class Event { FocusLost, FocusGained, Minimized, Restored, Close };
    void Dispatch(Event event, const WindowHandlers& handlers);
    // Where the pointer is mapped to: the window, its drawable and the picture, now.
    PointerSpace CurrentPointerSpace() const;
    bool minimized() const { return minimized_; }
    // Queues the close request a window manager sends (Alt+F4, the title bar's cross); the
    // next PumpEvents delivers it to onClose like a real one.
    void RequestClose();
    void Close() { closed_ = true; }
    bool closed() const { return closed_; }

    void Minimize();
    void Restore();
    void SetSystemCursorVisible(bool visible);
    void SetRelativeMouse(bool on);

    // Drawable size in pixels.
    void DrawableSize(int& w, int& h) const;
    void SwapBuffers();
    void SetVsync(bool on);
    bool headless() const { return options_.headless; }

    // A modal message box; in headless runs the text goes to stderr and the program goes on.
    void MessageBox(const std::string& text, const std::string& caption);

    // The dialog is drawn by the game; it sees the raw events in dialog mode.
    struct DialogEvent {
        enum Kind { None, MouseMove, MouseDown, MouseUp, KeyDown } kind = None;
        int x = 0, y = 0;
        int key = 0;   // SDL keycode, for the dialog's own keyboard handling
        int dik = 0;   // the same key as a DIK code (what the game code reads)
        bool shift = false;
        int button = 0;   // 0 left, 1 right, for MouseDown and MouseUp
    };
    void SetDialogEventSink(std::function<void(const DialogEvent&)> sink) { dialogSink_ = std::move(sink); }

    void* sdlWindow() const { return window_; }

private:
    WindowOptions options_;
    void* window_ = nullptr;      // SDL_Window*
    void* glContext_ = nullptr;   // SDL_GLContext
    std::string title_;
    bool gameMode_ = false;
    bool fullscreen_ = false;
    int windowWidth_ = 0, windowHeight_ = 0;
    int pictureWidth_ = 0, pictureHeight_ = 0;
    bool systemCursorShown_ = true;
    int64_t activeFinger_ = -1;    // the one finger that drives the cursor (-1: none)
    void PointerAt(double windowX, double windowY);
    void FingerEvent(const void* sdlEvent);
    bool closed_ = false;
    bool minimized_ = false;
    bool sdlStarted_ = false;
    std::function<void(const DialogEvent&)> dialogSink_;
};

// Shows a message box without a window (before one exists, or after it is gone).
void ShowMessage(const std::string& text, const std::string& caption, bool headless);

}  // namespace plat
