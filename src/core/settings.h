#pragma once
// The player's settings file: a small, hand-editable "key = value" text kept in the user's
// configuration folder. Bad contents never stop the game: what cannot be read keeps its
// default and one message names the file.
#include <string>
#include <vector>

constexpr int kMaxHintSeconds = 3600;
constexpr int kVolumeLevels = 4;   // a volume is 0 (silent) .. kVolumeLevels (full)

struct Settings {
    int resolutionIndex = -1;   // "resolution = 800x600 | 1024x768 | 1280x1024"; -1: not chosen yet
    bool fullscreen = true;     // "fullscreen = yes | no"
    int windowWidth = 0;        // "window = 1024x768" (size of the window when not full screen;
    int windowHeight = 0;       //   0x0: the game's default)
    bool music = true;          // "music = on | off"
    bool effects = true;        // "effects = on | off"
    std::string language;       // "language = ru | en | uk ..."; "": taken from the system
    int musicVolume = kVolumeLevels;     // "music_volume = 0 .. 4", under the music switch
    int effectsVolume = kVolumeLevels;   // "effects_volume = 0 .. 4", under the effects switch
    int hintAfterSeconds = 30;  // "hint_after_seconds = 0 .. 3600": idle seconds before help; 0 off
    bool allLevelsOpen = false; // "all_levels_open = yes | no": every tile of the overview opens
    bool kiosk = false;         // "kiosk = yes | no": quitting needs the parent's gate
    // "locked = key, key, ...": only the system-wide file's counts; those keys keep its
    // values and the game does not change them ("volume" names both volumes).
    std::vector<std::string> locked;

    bool operator==(const Settings&) const = default;
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
// The same, starting from `base` instead of the built-in defaults: keys the file does not
// set keep base's values.
bool LoadSettingsOver(const std::string& path, const Settings& base, Settings& out, std::string& message);
// Copies the value of one key (as it is spelled in the file) from `from` to `to`; false for
// a name that is no key of the file.
bool CopySettingsKey(const std::string& key, const Settings& from, Settings& to);
// Writes atomically (temporary file and rename), creating the folder. Returns false with a
// message naming the file on failure. Never throws.
// With `defaults` (the system-wide file's), only what differs from them is written, so a
// school's later change of a default still reaches every player who did not choose.
bool SaveSettings(const std::string& path, const Settings& s, std::string& message,
                  const Settings* defaults = nullptr);
