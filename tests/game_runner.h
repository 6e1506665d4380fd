#pragma once
// Runs the real program headless (--headless --start --script) in a scratch copy of the
// game folder and reports its exit code and error output, for scripted tests of every area.
#include <string>
#include <vector>

// A fresh folder under /tmp laid out like the game folder: pictures, sounds, music and the
// model linked from the build, level files and "Surfaces.ini" copied (tests may change them),
// empty save folders. Returns the folder's path.
std::string MakeScratchGameFolder(const char* tag);

struct GameRun {
    int exitCode = -1;
    std::string stdErr;
};

class GameRunner {
public:
    GameRunner();    // makes the scratch folder
    ~GameRunner();   // removes it
    GameRunner(const GameRunner&) = delete;
    GameRunner& operator=(const GameRunner&) = delete;

    const std::string& dir() const { return dir_; }
    // Writes the script into the folder as "script.txt" and runs the game there with
    // --headless --start --script script.txt, the folder as both the game and the user folder
    // (so nothing reaches the real user's folders), then the extra arguments. `environment` is
    // put before the command ("NAME=value ..."; the locale variables start out as C.UTF-8); without `start` the run begins in the dialog.
    GameRun Run(const std::string& script, const std::vector<std::string>& extraArgs = {},
                const std::string& environment = "", bool start = true);
    // Path of a file in the folder, and its contents ("" when missing).
    std::string Path(const std::string& relative) const { return dir_ + "/" + relative; }
    std::string ReadFile(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

private:
    std::string dir_;
};

// Script lines of one drag with the left button: press at the first point, carry the figure
// to the second, let go, and give the drop a frame to settle.
std::string DragScript(int fromX, int fromY, int toX, int toY);
