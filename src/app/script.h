#pragma once
// The script driver: runs the game frame by frame from a text file of commands
// (docs/scripts.md describes them).
#include <string>
#include <vector>

class TForm1;

class ScriptDriver {
public:
    // Reads the file; false with a message when it cannot be read or a line is malformed.
    bool Load(const std::string& file, std::string& error);
    // Takes the commands from text (the name is used in messages).
    bool LoadText(const std::string& name, const std::string& text, std::string& error);
    bool active() const { return loaded_; }

    // Called before each idle pass: carries out commands up to the next one that needs a
    // frame. Returns false when the script has ended, by its last line or by a failure.
    bool BeforePass(TForm1& form);

    bool failed() const { return failed_; }
    const std::string& message() const { return message_; }
    // 0 after the last line, 3 after a failed line.
    int exitCode() const { return failed_ ? 3 : 0; }
    // Number of the line being carried out (1-based), 0 before the first.
    int currentLine() const { return current_; }

private:
    struct Line {
        int number = 0;
        std::vector<std::string> words;
        std::string rest;   // everything after the second word (for expect values)
    };
    // Carries out one line; sets needsFrame when the line takes frames.
    bool Execute(const Line& line, TForm1& form, bool& needsFrame);
    bool Fail(const Line& line, const std::string& why);

    std::string name_;
    std::vector<Line> lines_;
    size_t next_ = 0;
    int current_ = 0;
    int pendingFrames_ = 0;
    bool releaseNext_ = false;
    bool awaiting_ = false;
    int awaitFramesLeft_ = 0;
    std::string awaitName_, awaitValue_;
    bool loaded_ = false;
    bool failed_ = false;
    std::string message_;
};

// Writes the back buffer of the game device as a PNG file.
bool WriteScreenshot(const std::string& file, std::string& error);
