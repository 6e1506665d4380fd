#pragma once
// The player's settings file: a small, hand-editable "key = value" text kept in the user's
// configuration folder. Bad contents never stop the game: what cannot be read keeps its
// default and one message names the file.
#include <string>

struct Settings {
    int resolutionIndex = -1;   // "resolution = 800x600 | 1024x768 | 1280x1024"; -1: not chosen yet
    bool fullscreen = true;     // "fullscreen = yes | no"
    int windowWidth = 0;        // "window = 1024x768" (size of the window when not full screen;
    int windowHeight = 0;       //   0x0: the game's default)
    bool music = true;          // "music = on | off"
    bool effects = true;        // "effects = on | off"
    int hintAfterSeconds = 30;  // "hint_after_seconds = 30": idle seconds before the first help step; 0 off
};
extern Settings g_settings;

// $XDG_CONFIG_HOME/stroylik/settings.ini (by default ~/.config/stroylik/settings.ini), or the
// file given to SetSettingsFilePath.
std::string SettingsFilePath();
// Tests and scripts point the game at a file of their own; "" goes back to the default.
void SetSettingsFilePath(const std::string& path);

// Missing file: defaults, no message, true. Empty or garbled file or bad values: defaults for
// what is bad, false, and `message` names the file (one message for the whole file).
// Never throws.
bool LoadSettings(const std::string& path, Settings& out, std::string& message);
// Writes atomically (temporary file and rename), creating the folder. Returns false with a
// message naming the file on failure. Never throws.
bool SaveSettings(const std::string& path, const Settings& s, std::string& message);
