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

}  // namespace plat
