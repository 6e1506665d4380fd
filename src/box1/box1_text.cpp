#include "box1/box1_text.h"

#include <cstdint>
#include <fstream>
#include <iterator>

#include "core/file_texts.h"
#include "core/game_error.h"

NumberLines NumberLines::FromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) ThrowFileError(path, 0, "the file cannot be opened");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) ThrowFileError(path, 0, "the file cannot be read");
    return FromText(path, text);
}

NumberLines NumberLines::FromText(const std::string& name, const std::string& text) {
    NumberLines result;
    result.name_ = name;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        result.lines_.emplace_back(text, start, stop - start);
        start = end + 1;
    }
    return result;
}

bool ParseDecimal(const std::string& text, int32_t& out) {
    size_t i = 0, n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    while (n > i && (text[n - 1] == ' ' || text[n - 1] == '\t')) --n;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == n) return false;
    int64_t value = 0;
    for (; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) return false;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return false;
    out = static_cast<int32_t>(value);
    return true;
}

void NumberLines::Fail(const std::string& what) const {
    ThrowFileError(name_, next_, what);
}

const std::string& NumberLines::Take(const std::string& what) {
    ++next_;
    if (lines_.empty()) ThrowFileError(name_, 0, Tr(kEmptyFileText));
    if (next_ > static_cast<int>(lines_.size()))
        Fail("the file ends after line " + std::to_string(lines_.size()) + ", " + what + " is missing");
    return lines_[next_ - 1];
}

int32_t NumberLines::Next(int32_t lo, int32_t hi, const std::string& what) {
    const std::string& text = Take(what);
    int32_t value = 0;
    if (!ParseDecimal(text, value)) Fail(what + ": \"" + text + "\" is not a whole number");
    if (value < lo || value > hi)
        Fail(what + " is " + std::to_string(value) + ", allowed are " + std::to_string(lo) + " to " +
             std::to_string(hi));
    return value;
}

void NumberLines::Skip(const std::string& what) {
    Take(what);
}
