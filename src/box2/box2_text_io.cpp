#include "box2/box2_text_io.h"

#include <cstdio>
#include <vector>

#include "core/file_texts.h"
#include "core/game_error.h"

namespace {

// One shared read buffer: a progress file is about 3 MB.
std::vector<char>& ReadBuffer() {
    static std::vector<char> buffer;
    return buffer;
}

}  // namespace

IntLineReader::IntLineReader(const std::string& path) : name_(path) {
    std::vector<char>& buffer = ReadBuffer();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) ThrowFileError(path, 0, "cannot be opened");
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    if (size < 0) {
        std::fclose(f);
        ThrowFileError(path, 0, "cannot be read");
    }
    buffer.resize(static_cast<size_t>(size));
    const size_t got = size > 0 ? std::fread(buffer.data(), 1, buffer.size(), f) : 0;
    std::fclose(f);
    if (got != buffer.size()) ThrowFileError(path, 0, "cannot be read");
    pos_ = buffer.data();
    end_ = pos_ + buffer.size();
}

IntLineReader::IntLineReader(const std::string& name, const char* data, size_t size)
    : name_(name), pos_(data), end_(data + size) {}

void IntLineReader::Fail(const std::string& what) const { ThrowFileError(name_, line_, what); }

int32_t IntLineReader::Int() {
    ++line_;
    if (line_ == 1 && pos_ >= end_) ThrowFileError(name_, 0, Tr(kEmptyFileText));
    if (pos_ >= end_) Fail("the file ends early");
    // Most lines of a progress file are one digit.
    if (end_ - pos_ >= 3 && pos_[0] >= '0' && pos_[0] <= '9' && pos_[1] == '\r' && pos_[2] == '\n') {
        const int32_t digit = pos_[0] - '0';
        pos_ += 3;
        return digit;
    }
    const char* p = pos_;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    int64_t value = 0;
    int digits = 0;
    while (p < end_ && *p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        if (++digits > 10) break;
        ++p;
    }
    if (negative) value = -value;
    const bool lineEnds = p >= end_ || *p == '\n' || (*p == '\r' && (p + 1 >= end_ || p[1] == '\n'));
    if (digits == 0 || digits > 10 || !lineEnds || value < INT32_MIN || value > INT32_MAX)
        Fail("not an integer");
    if (p < end_ && *p == '\r') ++p;
    if (p < end_ && *p == '\n') ++p;
    pos_ = p;
    return static_cast<int32_t>(value);
}

int32_t IntLineReader::IntIn(int32_t lo, int32_t hi, const char* what) {
    const int32_t v = Int();
    if (v < lo || v > hi)
        Fail(std::string(what) + " " + std::to_string(v) + " is outside " + std::to_string(lo) + ".." +
             std::to_string(hi));
    return v;
}

void IntLineReader::Skip() {
    ++line_;
    if (pos_ >= end_) Fail("the file ends early");
    while (pos_ < end_ && *pos_ != '\n') ++pos_;
    if (pos_ < end_) ++pos_;
}
