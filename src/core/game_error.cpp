#include "core/game_error.h"

void ThrowFileError(const std::string& file, int line, const std::string& what) {
    std::string text = "\"" + file + "\"";
    if (line > 0) text += ", line " + std::to_string(line);
    text += ": " + what;
    throw GameFileError(text);
}
