// The one form of every line the game writes for the player.
#include "platform/message_line.h"

#include <cstdio>

namespace plat {

namespace {
std::string& Name() {
    static std::string name;
    return name;
}
}  // namespace

void SetMessageName(const std::string& name) { Name() = name; }

const std::string& MessageName() { return Name(); }

std::string MessageLine(const std::string& text) { return Name().empty() ? text : Name() + ": " + text; }

void PrintMessage(const std::string& text) { std::fprintf(stderr, "%s\n", MessageLine(text).c_str()); }

namespace {
const char* (*g_translate)(const char*) = nullptr;
}  // namespace

void SetTranslator(const char* (*translate)(const char* msgid)) { g_translate = translate; }

std::string TranslateText(const char* msgid, const char* name, const std::string& value) {
    std::string text = g_translate ? g_translate(msgid) : msgid;
    if (!name) return text;
    const std::string mark = std::string("{") + name + "}";
    if (const size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), value);
    return text;
}

}  // namespace plat
