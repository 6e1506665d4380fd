#pragma once
// The game window: its dialog controls, its input devices, the running flag and the
// event handlers that are the game's only entry points.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/window.h"

// One control of the settings dialog (positions and sizes in dialog pixels).
struct DialogControl {
    std::string caption;
    int left = 0, top = 0, width = 0, height = 0;
    int tabOrder = -1;   // -1: takes no focus
    bool visible = true;
    bool enabled = true;
};

struct DialogComboBox : DialogControl {
    std::vector<std::string> items;
    int itemIndex = 0;
    bool dropped = false;   // the list is open
};

#include "input/input.h"

class TForm1 : public InputDevices {
public:
    TForm1();
    ~TForm1();

    // The window itself (dialog first, then the game).
    plat::Window window;

    // Dialog components, in their stored order.
    DialogControl Button1;
    DialogControl Button2;
    DialogControl Button3;   // "for parents"
    DialogControl Label1;
    DialogComboBox ComboBox1;
    DialogControl Label2;        // "Язык:"
    DialogComboBox ComboBox2;    // the languages, each in its own name

    int32_t FRunning = 0;   // -1 while frames are drawn

    // Window events.
    void FormCreate();
    void FormShow();
    void FormActivate() {}
    void FormKeyDown() {}   // the game reads the keyboard itself
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void FormClose();
    void FormDestroy();
    void ApplicationEvents1Deactivate();
    void ApplicationEvents1Minimize();
    void ApplicationEvents1Restore();
    // The idle pass of the frame loop; Done stays true when the application should wait.
    void ApplicationEvents1Idle(bool& Done);

    // Closing the window ends the program: hides it, and the main loop then destroys it.
    void Close();
    // The window manager's close request: a level in play is saved as the back button does.
    void CloseRequested();
    bool closing() const { return closing_; }
    bool destroyed() const { return destroyed_; }

    // The handlers the window's events run.
    plat::WindowHandlers Handlers();
    // A message box on the window (stderr in headless runs).
    void ShowMessage(const std::string& text, const std::string& caption);

private:
    bool closing_ = false;
    bool destroyed_ = false;
};

extern TForm1* Form1;

// Releases every device object and streamed sound (shutdown and device rebuild).
void cleanup();
// Back-buffer size of a resolution list index.
void ResolutionSize(int index, int& width, int& height);
