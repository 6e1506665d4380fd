#pragma once
// Plain text files of one decimal integer per line (CR LF), read and written in one go:
// the whole file goes through one buffer, numbers are formatted and parsed by hand, and
// no line allocates. Saves go to a temporary file that is renamed into place.
#include <cstdint>
#include <string>
#include <vector>

class IntLineWriter {
public:
    // The buffer is kept between uses, so repeated saves do not allocate again.
    IntLineWriter();
    void Int(int32_t value);
    void Text(const char* text);
    const std::string& text() const { return buffer_; }
    // Writes the buffer to `path` through "path.tmp" and a rename; throws GameFileError.
    void SaveAtomic(const std::string& path) const;

private:
    std::string& buffer_;
};

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
