#pragma once
// Writing text files of one decimal integer per line (CR LF), the form of every level,
// progress and position file of both boxes. Numbers are formatted by hand into one buffer
// and the file is put in place through a temporary file and a rename, so a failed write never
// leaves a half-written file behind.
#include <cstdint>
#include <string>
#include <string_view>

class IntLineWriter {
public:
    // All writers share one buffer, kept between uses so repeated saves (a box 2 progress
    // file is about 3 MB) do not allocate again; so only one writer may be in use at a time.
    IntLineWriter();
    void Int(int32_t value);
    void Text(const char* text);
    std::string_view text() const { return {data_, used_}; }
    // Writes the buffer to `path` through a temporary file of its own beside it, synced to the disk, and a rename, then
    // syncs the folder; throws GameFileError naming `path` and the system's reason when it
    // cannot be written or replaced.
    void SaveAtomic(const std::string& path) const;
    // For a file that must never replace another: the buffer in a temporary file of its own
    // beside `path` ("NAME.tmp-XXXXXX", never ".ini"), synced to the disk; returns its name.
    // Throws GameFileError naming `path` when it cannot be written (nothing is left behind).
    std::string SaveTemp(const std::string& path) const;
    // Gives the temporary file the name `path` unless a file has it: link, then the temporary
    // name goes. False (the temporary file stays) when the name is taken; throws GameFileError
    // naming `path` on any other failure, the temporary file then removed.
    static bool PlaceUnlessTaken(const std::string& temp, const std::string& path);

private:
    // Makes room for `bytes` more after the cursor.
    void Grow(size_t bytes);

    // The buffer's whole length is writable room; the text is its first used_ bytes. Lines
    // are formatted straight through a pointer: a save has nearly a million of them.
    std::string& buffer_;
    char* data_ = nullptr;   // buffer_.data()
    size_t size_ = 0;        // buffer_.size()
    size_t used_ = 0;
};
