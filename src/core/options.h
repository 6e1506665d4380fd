#pragma once
// Command-line options of the program.
#include <cstdint>
#include <string>

struct Options {
    int resolutionIndex = 0;     // --resolution 800x600|1024x768|1280x1024
    bool resolutionGiven = false;   // else the settings file's choice is preselected
    bool start = false;          // --start: skip the dialog
    bool windowed = false;       // --windowed
    bool kiosk = false;          // --kiosk: kiosk mode for this run, whatever the settings say
    bool relativeMouse = false;  // --relative-mouse: raw motion, doubled, drives the cursor
    bool vsync = true;           // --no-vsync turns it off
    bool headless = false;       // --headless: offscreen video, no audio device needed
    bool seedGiven = false;
    uint32_t seed = 0;           // --seed N
    int fixedStepMs = 0;         // --fixed-step MS
    std::string script;          // --script FILE
    std::string audioOut;        // --audio-out FILE.wav
    std::string dataDir;         // --data DIR: the game folder instead of the one found
    std::string userDir;         // --user-dir DIR: saves and settings go there
    int profile = 0;             // --profile N (1..6): that child plays; 0: the chooser decides
    std::string language;        // --lang CODE: the language of the texts, over settings and locale
    bool help = false;
};

// Parses argv; on an error returns false with a message.
bool ParseOptions(int argc, char** argv, Options& out, std::string& error);
// In the chosen language.
std::string UsageText();
extern Options g_options;
