// The game's name and the one call that writes a line for the player.
#include "core/player_message.h"

#include "core/i18n.h"
#include "platform/message_line.h"

// TRANSLATORS: the game's name, as the window title and the start of its messages show it.
const char* GameName() { return Tr("Стройлик"); }

void SetUpPlayerMessages() {
    plat::SetMessageName(GameName());
    plat::SetTranslator(Tr);
}

void TellPlayer(const std::string& text) { plat::PrintMessage(text); }
