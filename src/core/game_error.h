#pragma once
// Errors of reading game files (levels, progress, models, sounds, the catalogue). They
// travel up to the frame loop, which shows them and carries on with the next frame.
#include <stdexcept>
#include <string>

struct GameFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "file: line N: what", or "file: what" when line is 0.
[[noreturn]] void ThrowFileError(const std::string& file, int line, const std::string& what);
