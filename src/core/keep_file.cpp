// A kept puzzle's file: written aside, read back, then named without replacing another.
#include "core/keep_file.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "core/game_error.h"
#include "core/int_lines.h"
#include "core/keep_result.h"
#include "core/my_levels.h"
#include "core/profiles.h"
#include "core/progress_files.h"

namespace {

// Many presses in one second each get a file; past this the folder is not ours to fill.
constexpr int MaxNameTries = 1000;

std::string PuzzleName(const std::string& stamp, int n) {
    return "puzzle-" + stamp + (n > 1 ? "-" + std::to_string(n) : "") + ".ini";
}

std::string PlaceKeptFile(int box, const IntLineWriter& out, void (*check)(const std::string& path)) {
    const std::string folder = MyLevelsFolder(box);
    // Made here too: a folder that cannot be made shows as the file that cannot be written.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string stamp = LocalTimeStamp();
    const std::string first = folder + "/" + PuzzleName(stamp, 1);
    const std::string temp = out.SaveTemp(first);
    try {
        check(temp);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    for (int n = 1; n <= MaxNameTries; ++n) {
        const std::string name = PuzzleName(stamp, n);
        if (!IntLineWriter::PlaceUnlessTaken(temp, folder + "/" + name)) continue;
        NoteKeptLevel(box, name);
        return name;
    }
    ::unlink(temp.c_str());
    ThrowFileError(first, 0, "every name of this second is taken");
}

}  // namespace

std::string KeepLevelFile(int box, const IntLineWriter& out, void (*check)(const std::string& path)) {
    std::string name;
    try {
        name = PlaceKeptFile(box, out, check);
    } catch (...) {
        ShowKeepResult(KeepNotKept);
        throw;
    }
    ShowKeepResult(KeepKept, name);
    return name;
}

int32_t KeptMakerPicture() {
    const Profile* profile = CurrentProfile();
    return profile ? profile->picture : 0;
}
