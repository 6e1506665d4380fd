// Game folder and user folder: joining the game's relative names onto them.
#include "core/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string& GameDirValue() {
    static std::string dir;
    return dir;
}

std::string& UserDirValue() {
    static std::string dir;
    return dir;
}

std::string& ProfileDirValue() {
    static std::string dir;
    return dir;
}

// "./save/k1/x.dat" under "/home/a/stroylik" is "/home/a/stroylik/save/k1/x.dat".
std::string Join(const std::string& dir, const std::string& relative) {
    if (dir.empty() || relative.empty() || relative[0] == '/') return relative;
    std::string rest = relative;
    while (rest.rfind("./", 0) == 0) rest.erase(0, 2);
    return dir.back() == '/' ? dir + rest : dir + "/" + rest;
}

// The absolute form of a folder, so a later change of working directory does not move it.
std::string Absolute(const std::string& dir) {
    if (dir.empty()) return dir;
    std::error_code ec;
    const fs::path full = fs::absolute(dir, ec);
    std::string text = ec ? dir : full.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

// Makes the folder that holds `path`. A failure shows up as the writer's own message naming
// the file. Without a user folder the names stay the working directory's business, as they were.
std::string WithFolder(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    if (!UserDirValue().empty() && !folder.empty() && !fs::is_directory(folder, ec)) fs::create_directories(folder, ec);
    return path;
}

}  // namespace

std::string GamePath(const std::string& relative) { return Join(GameDirValue(), relative); }

std::string UserPath(const std::string& relative) {
    const std::string& profile = ProfileDirValue();
    return WithFolder(Join(UserDirValue(), profile.empty() ? relative : Join(profile, relative)));
}

std::string UserRootPath(const std::string& relative) { return WithFolder(Join(UserDirValue(), relative)); }

void SetProfileDir(const std::string& dir) { ProfileDirValue() = dir; }
const std::string& ProfileDir() { return ProfileDirValue(); }
void SetGameDir(const std::string& dir) { GameDirValue() = Absolute(dir); }
void SetUserDir(const std::string& dir) { UserDirValue() = Absolute(dir); }
const std::string& GameDir() { return GameDirValue(); }
const std::string& UserDir() { return UserDirValue(); }

std::vector<std::string> GameDirCandidates(const std::string& programDir, const std::string& installDataDir) {
    std::vector<std::string> dirs;
    if (!programDir.empty()) {
        dirs.push_back((fs::path(programDir) / "game").string());
        dirs.push_back((fs::path(programDir) / ".." / "share" / "games" / "stroylik").lexically_normal().string());
    }
    if (!installDataDir.empty()) dirs.push_back(installDataDir);
    return dirs;
}

std::string FindGameDir(const std::vector<std::string>& candidates) {
    for (const std::string& dir : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(fs::path(dir) / "Surfaces.ini", ec)) return dir;
    }
    return "";
}

std::string DefaultUserDir() {
    const char* data = std::getenv("XDG_DATA_HOME");
    // Only an absolute value counts; a relative one would depend on the working directory.
    if (data && data[0] == '/') return (fs::path(data) / "stroylik").string();
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : ".") / ".local" / "share" / "stroylik").string();
}

std::string ProgramDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? "" : exe.parent_path().string();
}
