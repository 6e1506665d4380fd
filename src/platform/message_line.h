#pragma once
// The one form of every line the game writes for the player: its name, a colon, the text.
// The name comes from above (it is translated there); until it is given, lines have none.
#include <string>

namespace plat {

void SetMessageName(const std::string& name);
const std::string& MessageName();
// "NAME: text", or the text alone before a name is set.
std::string MessageLine(const std::string& text);
// Writes MessageLine(text) and a line end to stderr.
void PrintMessage(const std::string& text);

}  // namespace plat
