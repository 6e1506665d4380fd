// Start-up of the game's folders and the player's settings.
#include "app/user_files.h"

#include "core/i18n.h"
#include "core/options.h"
#include "core/paths.h"
#include "core/settings.h"
#include "core/system_settings.h"

#include <cstdlib>

#ifndef STROYLIK_INSTALL_DATA_DIR
#define STROYLIK_INSTALL_DATA_DIR ""
#endif

bool SetUpFolders(const Options& options, std::string& error) {
    std::vector<std::string> tried;
    if (!options.dataDir.empty()) tried.push_back(options.dataDir);
    else tried = GameDirCandidates(ProgramDir(), STROYLIK_INSTALL_DATA_DIR);
    const std::string gameDir = FindGameDir(tried);
    if (gameDir.empty()) {
        std::string folders;
        for (size_t i = 0; i < tried.size(); ++i) folders += (i ? ", " : "") + tried[i];
        // The catalogues may still be where the data should have been: the player reads why.
        if (!tried.empty()) SetLocaleDir(FindLocaleDir(tried.front()));
        std::string ignored;
        ChooseStartLanguage(options, ignored);
        error = TrFormat("Данных игры (файла «Surfaces.ini») нет ни в одной из папок: {folders}. Укажите их папку "
                         "параметром --data DIR.", {{"folders", folders}});
        return false;
    }
    SetGameDir(gameDir);
    SetLocaleDir(FindLocaleDir(gameDir));
    SetUserDir(options.userDir.empty() ? DefaultUserDir() : options.userDir);
    if (!options.userDir.empty()) SetSettingsFilePath(UserRootPath("settings.ini"));
    return true;
}

void LoadPlayerSettings(std::string& message) {
    LoadLayeredSettings(FindSystemSettingsFile(), SettingsFilePath(), g_settings, message);
}

int PreselectedResolution(const Options& options) {
    if (options.resolutionGiven || g_settings.resolutionIndex < 0) return options.resolutionIndex;
    return g_settings.resolutionIndex;
}

bool RememberResolution(const Options& options, int index, std::string& message) {
    message.clear();
    if (options.resolutionGiven || index == g_settings.resolutionIndex) return true;
    g_settings.resolutionIndex = index;
    return SaveSettings(SettingsFilePath(), g_settings, message, SystemDefaultsOrNull());
}

namespace {
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
}  // namespace

void ChooseStartLanguage(const Options& options, std::string& message) {
    const std::string code = !options.language.empty()
                                 ? options.language
                                 : ChooseLanguage(g_settings.language, AvailableLanguages(), Environment);
    LoadLanguage(code, message);
}

bool RememberLanguage(const std::string& code, std::string& message) {
    message.clear();
    if (code == g_settings.language) return true;
    g_settings.language = code;
    return SaveSettings(SettingsFilePath(), g_settings, message);
}
