// Writing the one-integer-per-line files of levels and progress, put in place atomically.
#include "core/int_lines.h"
#include "core/unique_temp.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "core/game_error.h"

namespace {

std::string& WriteBuffer() {
    static std::string buffer;
    return buffer;
}

std::string Reason(int code) { return std::strerror(code); }

// 0, or the errno of the first failed write.
int WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return 0;
}

// The rename lives in the folder: it is durable once the folder is synced. The file is
// already complete under its name, so a folder that cannot be synced is not an error.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

IntLineWriter::IntLineWriter() : buffer_(WriteBuffer()) {
    // Grown on demand and kept: a box 1 file needs a few kilobytes, a box 2 save 3 MB.
    if (buffer_.size() < (64u << 10)) buffer_.resize(64u << 10);
    data_ = buffer_.data();
    size_ = buffer_.size();
}

void IntLineWriter::Grow(size_t bytes) {
    buffer_.resize(std::max(size_ * 2, used_ + bytes));
    data_ = buffer_.data();
    size_ = buffer_.size();
}

void IntLineWriter::Int(int32_t value) {
    if (size_ - used_ < 16) Grow(16);   // "-2147483648\r\n" is 13
    char* out = data_ + used_;
    if (value >= 0 && value <= 9) {   // most lines of a progress file
        out[0] = static_cast<char>('0' + value);
        out[1] = '\r';
        out[2] = '\n';
        used_ += 3;
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
    char* p = out;
    if (negative) *p++ = '-';
    while (n > 0) *p++ = digits[--n];
    *p++ = '\r';
    *p++ = '\n';
    used_ += static_cast<size_t>(p - out);
}

void IntLineWriter::Text(const char* text) {
    const size_t length = std::strlen(text);
    if (size_ - used_ < length + 2) Grow(length + 2);
    char* out = data_ + used_;
    std::memcpy(out, text, length);
    out[length] = '\r';
    out[length + 1] = '\n';
    used_ += length + 2;
}

std::string IntLineWriter::SaveTemp(const std::string& path) const {
    std::string temp;
    const int fd = OpenUniqueTemp(path, temp);
    if (fd < 0) ThrowFileError(path, 0, "the file cannot be written: " + Reason(errno));
    // On the disk before the rename: after a power loss the name holds either the old
    // file or the whole new one.
    int failure = WriteAll(fd, data_, used_);
    if (failure == 0 && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        ThrowFileError(path, 0, "writing the file failed: " + Reason(failure));
    }
    return temp;
}

void IntLineWriter::SaveAtomic(const std::string& path) const {
    const std::string temp = SaveTemp(path);
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temp.c_str());
        ThrowFileError(path, 0, "the file cannot be replaced: " + Reason(code));
    }
    SyncFolderOf(path);
}

bool IntLineWriter::PlaceUnlessTaken(const std::string& temp, const std::string& path) {
    // A rename would replace a file of that name; a link fails instead.
    if (::link(temp.c_str(), path.c_str()) != 0) {
        const int code = errno;
        if (code == EEXIST) return false;
        ::unlink(temp.c_str());
        ThrowFileError(path, 0, "the file cannot be written: " + Reason(code));
    }
    ::unlink(temp.c_str());
    SyncFolderOf(path);
    return true;
}
