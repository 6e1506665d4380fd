// Moving the progress of the game before profiles into the first profile's folder.
#include "core/profile_move.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/i18n.h"
#include "core/text_file.h"

namespace fs = std::filesystem;

namespace {

void (*g_moveStepHook)(int) = nullptr;

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(p, ec));
}

void AddFilesOf(const fs::path& root, const std::string& folder, std::vector<std::string>& out) {
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(root / folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsFile(it->path())) names.push_back(folder + "/" + it->path().filename().string());
    std::sort(names.begin(), names.end());
    out.insert(out.end(), names.begin(), names.end());
}

// k1.dat and the copies that a bad read kept aside beside it ("k1.dat.broken-...").
void AddPositionFiles(const fs::path& root, std::vector<std::string>& out) {
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool position = name == "k1.dat" || name == "k2.dat" || name.rfind("k1.dat.", 0) == 0 ||
                              name.rfind("k2.dat.", 0) == 0;
        if (position && IsFile(it->path())) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    out.insert(out.end(), names.begin(), names.end());
}

// What "new game" put aside before profiles: it is progress too, so it follows the boards.
void AddPutAsideFiles(const fs::path& root, std::vector<std::string>& out) {
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::recursive_directory_iterator it(root / "put-aside", ec), end; !ec && it != end; it.increment(ec))
        if (IsFile(it->path())) names.push_back(it->path().lexically_relative(root).generic_string());
    std::sort(names.begin(), names.end());
    out.insert(out.end(), names.begin(), names.end());
}

}  // namespace

std::vector<std::string> OldProgressFiles(const std::string& root) {
    std::vector<std::string> files;
    const fs::path base(root);
    AddFilesOf(base, "save/k1", files);
    AddFilesOf(base, "save/k2", files);
    AddPositionFiles(base, files);
    for (const char* exportFile : {"levels/k1/Help_Save.ini", "levels/k2/Help_Save.ini"})
        if (IsFile(base / exportFile)) files.push_back(exportFile);
    AddPutAsideFiles(base, files);
    return files;
}

std::string MoveOldProgress(const std::string& root) {
    const fs::path base(root);
    const fs::path marker = base / kMoveMarkerFile;
    const std::vector<std::string> files = OldProgressFiles(root);
    if (files.empty() && !IsFile(marker)) return "";
    std::string error;
    // The marker first: from here on, a start that finds it knows a move is under way.
    if (!WriteTextAtomic(marker.string(), "The old progress is moving into profiles/1.\n", error))
        return TrFormat("{file}: прежние успехи не удаётся перенести в profiles/1: {reason}",
                        {{"file", marker.string()}, {"reason", error}});
    int moved = 0;
    for (const std::string& name : files) {
        const fs::path from = base / name;
        const fs::path to = base / kFirstProfileFolder / name;
        std::error_code ec;
        fs::create_directories(to.parent_path(), ec);
        if (!ec) fs::rename(from, to, ec);
        if (ec)
            return TrFormat("{file}: файл не удаётся перенести в {folder}: {reason}; игра попробует снова при следующем "
                            "запуске.",
                            {{"file", from.string()}, {"folder", (base / kFirstProfileFolder).string()}, {"reason", ec.message()}});
        ++moved;
        if (g_moveStepHook) g_moveStepHook(moved);
    }
    std::error_code ec;
    fs::remove(marker, ec);
    return "";
}

void SetMoveStepHook(void (*hook)(int moved)) { g_moveStepHook = hook; }
