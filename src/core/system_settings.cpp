// The system-wide settings file under the player's, and the keys it locks.
#include "core/system_settings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

Settings g_settingsDefaults;
std::string g_systemSettingsPath;

std::vector<std::string> SystemSettingsCandidates() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string list = dirs && *dirs ? dirs : "/etc/xdg";
    std::vector<std::string> files;
    std::istringstream in(list);
    std::string dir;
    while (std::getline(in, dir, ':'))
        if (!dir.empty() && dir[0] == '/') files.push_back((std::filesystem::path(dir) / "stroylik" / "settings.ini").string());
    return files;
}

std::string FindSystemSettingsFile() {
    for (const std::string& file : SystemSettingsCandidates()) {
        std::error_code ec;
        if (std::filesystem::exists(file, ec)) return file;
    }
    return "";
}

void LoadLayeredSettings(const std::string& systemPath, const std::string& userPath, Settings& out,
                         std::string& message) {
    message.clear();
    g_systemSettingsPath = systemPath;
    std::string systemMessage, userMessage;
    g_settingsDefaults = Settings();
    if (!systemPath.empty()) LoadSettings(systemPath, g_settingsDefaults, systemMessage);
    LoadSettingsOver(userPath, g_settingsDefaults, out, userMessage);
    // The player's file can neither lock nor unlock.
    out.locked = g_settingsDefaults.locked;
    for (const std::string& key : out.locked) {
        if (key == "volume") {
            CopySettingsKey("music_volume", g_settingsDefaults, out);
            CopySettingsKey("effects_volume", g_settingsDefaults, out);
        } else {
            CopySettingsKey(key, g_settingsDefaults, out);
        }
    }
    message = systemMessage;
    if (!userMessage.empty()) message += (message.empty() ? "" : "\n\n") + userMessage;
}

const Settings* SystemDefaultsOrNull() { return g_systemSettingsPath.empty() ? nullptr : &g_settingsDefaults; }

bool SettingChangeable(const std::string& key) {
    const std::vector<std::string>& locked = g_settings.locked;
    if (std::find(locked.begin(), locked.end(), key) != locked.end()) return false;
    const bool volume = key == "music_volume" || key == "effects_volume";
    return !(volume && std::find(locked.begin(), locked.end(), "volume") != locked.end());
}
