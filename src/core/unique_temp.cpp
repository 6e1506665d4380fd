// Unique temporary names beside the file they will replace.
#include "core/unique_temp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

int OpenUniqueTemp(const std::string& path, std::string& temp) {
    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    // mkstemp makes the file private; a save is as readable as any file the player writes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0644 & ~mask);
    temp.assign(name.data());
    return fd;
}
