#pragma once
// Drives the real game in-process for tests: recorder graphics (no GPU), the real frame
// logic fed with per-frame relative mouse motion and buttons, in a scratch copy of the game
// folder (levels, pictures and sounds linked from the build, empty save folders).
#include <string>

class GameDriver {
public:
    // Makes the scratch folder, changes into it, runs the start-up tables and creates the
    // input devices. The intro is over and the main menu is the screen afterwards.
    GameDriver();
    ~GameDriver();   // changes back and removes the scratch folder

    const std::string& dir() const { return dir_; }

    // One idle pass: the screen of g_screenState is drawn (recorder), then ReadKeyboard and FrameLogic.
    void Frame();
    void Frames(int n);
    // Brings the cursor to (x, y) by relative motion in one frame (motion is doubled, so an
    // odd distance lands one short), as a script's "move" does.
    void MoveTo(int x, int y);
    void Press();     // left button down, one frame
    void Release();   // left button up, one frame
    void Click();     // press for one frame, release for one frame
    // Move, press, move, release, and one more frame, in which the drop is resolved.
    void Drag(int fromX, int fromY, int toX, int toY);
    void Key(unsigned char code, bool down);   // sets the key; the next Frame reads it

private:
    std::string dir_;
    std::string previousDir_;
};
