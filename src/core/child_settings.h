#pragma once
// What belongs to one child rather than to the computer: how long the game waits before it
// hints, and whether every level of the overview is open. Kept as "child.ini" in the
// child's profile folder, "key = value" lines like the settings file.
#include <string>

struct ChildSettings {
    int hintAfterSeconds = -1;   // "hint_after_seconds = 0..3600" (0 never); -1: the settings file's
    int allLevelsOpen = -1;      // "all_levels_open = yes | no" (1 | 0); -1: the settings file's
};
extern ChildSettings g_childSettings;

// What the game goes by: the child's own value where the child has one, else the settings
// file's; a key the system-wide file locks is the same for every child.
int HintAfterSecondsNow();
bool AllLevelsOpenNow();

constexpr const char* kChildSettingsFile = "child.ini";

// Reads the text of the file. Unknown keys are passed over; a bad line or value keeps the
// default for what it names and makes the result false with `error` ("line N: ..."), the
// good lines still counting. Never throws.
bool ParseChildSettings(const std::string& text, ChildSettings& out, std::string& error);
std::string FormatChildSettings(const ChildSettings& s);
