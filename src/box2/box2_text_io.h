#pragma once
// Reading the box 2 text files of one decimal integer per line (CR LF) in one go: the whole
// file goes through one buffer, numbers are parsed by hand, and no line allocates. The strict
// line form (no spaces, no plus sign) is box 2's own; the writer is shared by both boxes.
#include <cstdint>
#include <string>

#include "core/int_lines.h"

class IntLineReader {
public:
    // Reads the whole file; throws GameFileError naming the file when it cannot be read.
    explicit IntLineReader(const std::string& path);
    // Reads a text already in memory (`name` is used in messages).
    IntLineReader(const std::string& name, const char* data, size_t size);

    // The next line as an integer; throws GameFileError with file and line otherwise.
    int32_t Int();
    // The next integer, which must lie in lo..hi.
    int32_t IntIn(int32_t lo, int32_t hi, const char* what);
    // Reads one line whatever it holds (separator and label lines).
    void Skip();
    int line() const { return line_; }
    const std::string& name() const { return name_; }
    [[noreturn]] void Fail(const std::string& what) const;

private:
    std::string name_;
    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    int line_ = 0;
};
