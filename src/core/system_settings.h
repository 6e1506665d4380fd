#pragma once
// A school's or family's settings for every player of the computer: a system-wide file in
// $XDG_CONFIG_DIRS (by default /etc/xdg/stroylik/settings.ini), in the player's settings
// format, gives the defaults the player's file does not set, and its "locked" keys keep its
// values whatever the player's file says.
#include <string>
#include <vector>

#include "core/settings.h"

// "DIR/stroylik/settings.ini" for each folder of $XDG_CONFIG_DIRS (absolute ones only), or
// of "/etc/xdg" when it is unset or empty.
std::vector<std::string> SystemSettingsCandidates();
// The first candidate that exists, or "".
std::string FindSystemSettingsFile();

// The system file's settings (built-in defaults without one), what the player's file may
// change, and the file they came from ("" for none).
extern Settings g_settingsDefaults;
extern std::string g_systemSettingsPath;

// Reads `systemPath` ("" for none) into g_settingsDefaults, then `userPath` over them into
// `out`, then puts the locked keys back to the system values. A damaged file gets its own
// message naming it (joined by a blank line into `message`); what could be read is used.
void LoadLayeredSettings(const std::string& systemPath, const std::string& userPath, Settings& out,
                         std::string& message);
// The defaults to write against: the system file's when there is one, else nullptr (every
// key is written, as without a system file).
const Settings* SystemDefaultsOrNull();
// Whether the game may change the key (as spelled in the file): false when it is locked.
bool SettingChangeable(const std::string& key);
