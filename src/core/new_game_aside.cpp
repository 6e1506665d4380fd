// Putting a box's progress aside for a new game, and bringing it back.
#include "core/new_game_aside.h"

#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/paths.h"
#include "core/progress_files.h"

namespace fs = std::filesystem;

namespace {

std::string Box(int box) { return "k" + std::to_string(box); }
// A folder of the user folder (made when missing, as UserPath makes the folders of files).
std::string UserFolder(const std::string& relative) { return fs::path(UserPath(relative + "/-")).parent_path().string(); }
std::string BoardFolder(int box) { return UserFolder("./save/" + Box(box)); }
std::string PositionPath(int box) { return UserPath("./" + Box(box) + ".dat"); }
std::string AsideRoot() { return UserFolder("./put-aside"); }

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool FolderHasFiles(const std::string& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    return fs::directory_iterator(folder, ec) != fs::directory_iterator();
}

// A folder name under put-aside that sorts after every earlier one of the same prefix.
std::string NewAsideFolder(const std::string& prefix) {
    const std::string stamp = LocalTimeStamp();
    for (int n = 1; n < 100; ++n) {
        const std::string name = AsideRoot() + "/" + prefix + stamp + (n < 10 ? "-0" : "-") + std::to_string(n);
        if (!Exists(name)) return name;
    }
    return "";
}

// Moves the box's boards and position file into `folder`; "" or the message.
std::string MoveBoxInto(int box, const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return folder + ": the folder for the old progress cannot be made: " + ec.message();
    if (Exists(BoardFolder(box))) {
        fs::rename(BoardFolder(box), folder + "/" + Box(box), ec);
        if (ec) return BoardFolder(box) + ": the boards cannot be put aside: " + ec.message();
    }
    if (Exists(PositionPath(box))) {
        fs::rename(PositionPath(box), folder + "/" + Box(box) + ".dat", ec);
        if (ec) return PositionPath(box) + ": the position file cannot be put aside: " + ec.message();
    }
    return "";
}

// The newest "kN-..." folder under put-aside, or "".
std::string NewestAside(int box) {
    const std::string prefix = Box(box) + "-";
    std::string best;
    std::error_code ec;
    for (fs::directory_iterator it(AsideRoot(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(prefix, 0) == 0 && it->is_directory() && name > best) best = name;
    }
    return best.empty() ? "" : AsideRoot() + "/" + best;
}

}  // namespace

bool BoxHasProgress(int box) { return Exists(PositionPath(box)) || FolderHasFiles(BoardFolder(box)); }

std::string PutBoxProgressAside(int box) {
    if (!BoxHasProgress(box)) return "";
    const std::string folder = NewAsideFolder(Box(box) + "-");
    if (folder.empty()) return AsideRoot() + ": no free name for the old progress";
    return MoveBoxInto(box, folder);
}

bool CanUndoNewGame(int box) { return !NewestAside(box).empty(); }

std::string UndoNewGame(int box) {
    const std::string aside = NewestAside(box);
    if (aside.empty()) return "";
    if (BoxHasProgress(box)) {
        const std::string folder = NewAsideFolder("undone-" + Box(box) + "-");
        if (folder.empty()) return AsideRoot() + ": no free name for the progress of the new game";
        const std::string problem = MoveBoxInto(box, folder);
        if (!problem.empty()) return problem;
    }
    std::error_code ec;
    fs::remove(BoardFolder(box), ec);   // an empty folder; one with anything in it stays and the rename says so
    if (Exists(aside + "/" + Box(box))) {
        fs::rename(aside + "/" + Box(box), BoardFolder(box), ec);
        if (ec) return aside + ": the old boards cannot be brought back: " + ec.message();
    }
    if (Exists(aside + "/" + Box(box) + ".dat")) {
        fs::rename(aside + "/" + Box(box) + ".dat", PositionPath(box), ec);
        if (ec) return aside + ": the old position file cannot be brought back: " + ec.message();
    }
    fs::remove(aside, ec);   // empty now; kept when something unknown was put there
    return "";
}
