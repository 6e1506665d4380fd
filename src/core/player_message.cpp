// The game's name and the one call that writes a line for the player.
#include "core/player_message.h"

#include "platform/message_line.h"

const char* GameName() { return "Стройлик"; }

void SetUpPlayerMessages() { plat::SetMessageName(GameName()); }

void TellPlayer(const std::string& text) { plat::PrintMessage(text); }
