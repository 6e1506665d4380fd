// The user folder's lock, an flock on a file that stays in the folder.
#include "core/user_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/i18n.h"

namespace {
int g_lockFd = -1;
}

bool LockUserFolder(const std::string& userDir, std::string& message) {
    message.clear();
    if (g_lockFd >= 0) return true;
    std::error_code ec;
    std::filesystem::create_directories(userDir, ec);
    const std::string path = (std::filesystem::path(userDir) / "stroylik.lock").string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        message = TrFormat("Файл блокировки игры {file} не удаётся создать: {reason}.",
                           {{"file", path}, {"reason", std::strerror(errno)}});
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        ::close(fd);
        if (code == EWOULDBLOCK)
            message = TrFormat("Стройлик уже открыт и пишет сохранения в папку {folder}. Второе окно "
                               "закрывается, чтобы две игры не перепутали успехи детей.",
                               {{"folder", userDir}});
        else
            message = TrFormat("Файл блокировки игры {file} не удаётся занять: {reason}.",
                               {{"file", path}, {"reason", std::strerror(code)}});
        return false;
    }
    g_lockFd = fd;
    return true;
}

void UnlockUserFolder() {
    if (g_lockFd < 0) return;
    ::close(g_lockFd);
    g_lockFd = -1;
}
