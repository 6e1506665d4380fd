// Saving the settings whenever the player changes one in play.
#include "core/settings_store.h"

#include <cstdio>
#include <string>

#include "core/player_message.h"
#include "core/settings.h"
#include "core/system_settings.h"

void StoreSettings() {
    static std::string lastMessage;
    std::string message;
    if (SaveSettings(SettingsFilePath(), g_settings, message, SystemDefaultsOrNull())) return;
    if (message == lastMessage) return;
    lastMessage = message;
    TellPlayer(message);
}
