#include "core/int_lines.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/game_error.h"

namespace {

std::string& WriteBuffer() {
    static std::string buffer;
    return buffer;
}

}  // namespace

IntLineWriter::IntLineWriter() : buffer_(WriteBuffer()) {
    buffer_.clear();
    buffer_.reserve(3u << 20);
}

void IntLineWriter::Int(int32_t value) {
    if (value >= 0 && value <= 9) {   // most lines of a progress file
        const char line[3] = {static_cast<char>('0' + value), '\r', '\n'};
        buffer_.append(line, 3);
        return;
    }
    char digits[16];
    int n = 0;
    int64_t v = value;
    const bool negative = v < 0;
    if (negative) v = -v;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0);
    if (negative) buffer_.push_back('-');
    while (n > 0) buffer_.push_back(digits[--n]);
    buffer_.append("\r\n", 2);
}

void IntLineWriter::Text(const char* text) {
    buffer_.append(text);
    buffer_.append("\r\n", 2);
}

void IntLineWriter::SaveAtomic(const std::string& path) const {
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) ThrowFileError(path, 0, "the file cannot be written (the folder may be missing)");
    const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), f) == buffer_.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        std::filesystem::remove(temp, ec);
        ThrowFileError(path, 0, "writing the file failed (the disk may be full)");
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        const std::string reason = ec.message();
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        ThrowFileError(path, 0, "the file cannot be replaced: " + reason);
    }
}
