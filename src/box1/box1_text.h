#pragma once
// Reading the box 1 text files: one decimal integer per line (they are written with
// IntLineWriter from app/int_lines.h).
// The reader takes the whole file at once and walks its lines (CR LF or a bare LF); every
// value is checked for form and range before the caller stores it anywhere.
#include <cstdint>
#include <string>
#include <vector>

class NumberLines {
public:
    // Reads the whole file; a missing or unreadable file throws GameFileError naming it.
    static NumberLines FromFile(const std::string& path);
    // The same walk over text already in memory; `name` is used in messages.
    static NumberLines FromText(const std::string& name, const std::string& text);

    // The next line as an integer in lo..hi. `what` names the value in messages.
    int32_t Next(int32_t lo, int32_t hi, const std::string& what);
    // Passes over an ignored line, which must still be there.
    void Skip(const std::string& what);
    // 1-based number of the line read last.
    int line() const { return next_; }
    const std::string& name() const { return name_; }
    // Reports a fault on the line read last.
    [[noreturn]] void Fail(const std::string& what) const;

private:
    const std::string& Take(const std::string& what);
    std::string name_;
    std::vector<std::string> lines_;
    int next_ = 0;
};

// Parses one line as a decimal integer (spaces around it allowed); false when it is not one
// or does not fit 32 bits.
bool ParseDecimal(const std::string& text, int32_t& out);
