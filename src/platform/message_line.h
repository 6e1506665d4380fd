#pragma once
// The one form of every line the game writes for the player: its name, a colon, the text.
// The name and the translation of the platform's own few texts come from above; until they
// are given, lines have no name and texts stay as written.
#include <string>

namespace plat {

void SetMessageName(const std::string& name);
const std::string& MessageName();
// "NAME: text", or the text alone before a name is set.
std::string MessageLine(const std::string& text);
// Writes MessageLine(text) and a line end to stderr.
void PrintMessage(const std::string& text);

// Marks a platform text for the catalogues (the same keyword as the game's own).
constexpr const char* Mark(const char* msgid) { return msgid; }
void SetTranslator(const char* (*translate)(const char* msgid));
// The text translated, each "{name}" replaced by its value.
std::string TranslateText(const char* msgid, const char* name = nullptr, const std::string& value = "");

}  // namespace plat
