// Start-up of the game's folders and the player's settings.
#include "app/user_files.h"

#include "core/i18n.h"
#include "core/options.h"
#include "core/paths.h"
#include "core/settings.h"

#ifndef STROYLIK_INSTALL_DATA_DIR
#define STROYLIK_INSTALL_DATA_DIR ""
#endif

bool SetUpFolders(const Options& options, std::string& error) {
    std::vector<std::string> tried;
    if (!options.dataDir.empty()) tried.push_back(options.dataDir);
    else tried = GameDirCandidates(ProgramDir(), STROYLIK_INSTALL_DATA_DIR);
    const std::string gameDir = FindGameDir(tried);
    if (gameDir.empty()) {
        error = "the game data (\"Surfaces.ini\") is not in ";
        for (size_t i = 0; i < tried.size(); ++i) error += (i ? ", " : "") + tried[i];
        error += tried.empty() ? "any known folder" : "";
        error += "; give its folder with --data DIR";
        return false;
    }
    SetGameDir(gameDir);
    SetLocaleDir(FindLocaleDir(gameDir));
    SetUserDir(options.userDir.empty() ? DefaultUserDir() : options.userDir);
    if (!options.userDir.empty()) SetSettingsFilePath(UserPath("settings.ini"));
    return true;
}

void LoadPlayerSettings(std::string& message) { LoadSettings(SettingsFilePath(), g_settings, message); }

int PreselectedResolution(const Options& options) {
    if (options.resolutionGiven || g_settings.resolutionIndex < 0) return options.resolutionIndex;
    return g_settings.resolutionIndex;
}

bool RememberResolution(const Options& options, int index, std::string& message) {
    message.clear();
    if (options.resolutionGiven || index == g_settings.resolutionIndex) return true;
    g_settings.resolutionIndex = index;
    return SaveSettings(SettingsFilePath(), g_settings, message);
}
