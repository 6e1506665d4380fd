#pragma once
// The game's name as the player sees it (window title, message box caption, the start of
// every line on stderr), and the one call that writes a line for the player.
#include <string>

const char* GameName();
// Gives the platform layer the name and the catalogues, so that its own lines read like the
// rest (call it again when the language changes).
void SetUpPlayerMessages();
// Writes "Стройлик: text" to stderr.
void TellPlayer(const std::string& text);
