#include "core/settings_store.h"

#include <cstdio>
#include <string>

#include "core/player_message.h"
#include "core/settings.h"

void StoreSettings() {
    static std::string lastMessage;
    std::string message;
    if (SaveSettings(SettingsFilePath(), g_settings, message)) return;
    if (message == lastMessage) return;
    lastMessage = message;
    TellPlayer(message);
}
