#pragma once
// The game's name as the player sees it (window title, message box caption, the start of
// every line on stderr), and the one call that writes a line for the player.
#include <string>

const char* GameName();
// Gives the platform layer the name, so that its own lines start with it too.
void SetUpPlayerMessages();
// Writes "Стройлик: text" to stderr.
void TellPlayer(const std::string& text);
