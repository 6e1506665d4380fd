// Whole-file reads with a limit and atomic writes through a temporary file of the writer's own.
#include "core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/i18n.h"

bool ReadSmallTextFile(const std::string& path, size_t maxBytes, std::string& text, bool& missing, std::string& error) {
    text.clear();
    missing = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        missing = errno == ENOENT;
        error = std::strerror(errno);
        return false;
    }
    std::vector<char> buffer(4096);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = std::strerror(errno);
            ok = false;
            break;
        }
        if (n == 0) break;
        if (text.size() + size_t(n) > maxBytes) {
            error = TrFormat("файл больше {bytes} байт", {{"bytes", std::to_string(maxBytes)}});
            ok = false;
            break;
        }
        text.append(buffer.data(), size_t(n));
    }
    ::close(fd);
    if (!ok) text.clear();
    return ok;
}

bool WriteTextAtomic(const std::string& path, const std::string& text, std::string& error) {
    std::error_code ec;
    const std::filesystem::path target(path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    std::string temp = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = TrFormat("файл не удаётся записать: {reason}", {{"reason", std::strerror(errno)}});
        return false;
    }
    int failure = 0;
    for (size_t done = 0; done < text.size() && failure == 0;) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failure = errno;
        else done += size_t(n);
    }
    if (failure == 0 && ::fchmod(fd, 0644) != 0) failure = errno;
    if (failure == 0 && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temp.c_str(), path.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        error = TrFormat("файл не удаётся записать: {reason}", {{"reason", std::strerror(failure)}});
        return false;
    }
    return true;
}
