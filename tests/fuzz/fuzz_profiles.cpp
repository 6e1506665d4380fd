// The children's list "profiles.txt" and a child's "child.ini", read by the game's own start
// of profiles. Whatever the bytes, the game must go on with a list it can use (one to six
// children, numbers and pictures in range and apart, the current one listed) that it reads
// back the same, and a refused file must be named in the message.
#include <filesystem>
#include <set>

#include "core/child_settings.h"
#include "core/paths.h"
#include "core/profiles.h"
#include "fuzz_support.h"

namespace fs = std::filesystem;

namespace {

void CheckList(const ProfileList& list) {
    if (list.profiles.empty() || list.profiles.size() > size_t(MaxProfiles)) Finding("a list of no or too many children");
    std::set<int> ids, pictures;
    for (const Profile& p : list.profiles) {
        if (p.id < 1 || p.id > MaxProfiles || p.picture < 1 || p.picture > AnimalPictureCount)
            Finding("a profile number or picture out of range");
        if (!ids.insert(p.id).second || !pictures.insert(p.picture).second) Finding("two children share a number or picture");
        if (!ProfileNameFits(p.name)) Finding("a name that is not text was taken");
    }
    if (!FindProfile(list, list.current)) Finding("the current child is not listed");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    EnterScratchFolder(argc, argv);
    SetUserDir(fs::current_path().string());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::current_path(), ec)) fs::remove_all(entry.path(), ec);
    WriteInput("profiles.txt", data, size);
    // The same bytes as the child's own settings of every child the list may name.
    for (int id = 1; id <= MaxProfiles; ++id) WriteInput("profiles/" + std::to_string(id) + "/child.ini", data, size);
    const std::string message = StartProfiles(0);
    if (!ProfilesActive()) Finding("profiles are not in use after a start: " + message);
    CheckList(g_profiles);
    if (!message.empty() && message.find("profiles.txt") == std::string::npos && message.find("child.ini") == std::string::npos)
        Finding("a refused file was not named: " + message);
    if (g_childSettings.hintAfterSeconds < -1 || g_childSettings.hintAfterSeconds > 3600) Finding("a hint delay out of range");
    if (g_childSettings.allLevelsOpen < -1 || g_childSettings.allLevelsOpen > 1) Finding("an open overview out of range");
    // What the game wrote back is read as it is, without a message.
    const ProfileList written = g_profiles;
    const std::string again = StartProfiles(0);
    // By the list's own path: a child.ini message may quote the input's bytes, "profiles.txt" among them.
    if (again.find(UserRootPath(kProfileListFile)) != std::string::npos) Finding("the list the game wrote is not read back: " + again);
    if (FormatProfileList(g_profiles) != FormatProfileList(written)) Finding("the list reads back differently");
    return 0;
}
