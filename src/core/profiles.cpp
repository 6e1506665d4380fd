// Profiles: reading and writing the list, the move of old progress, choosing a child.
#include "core/profiles.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "core/child_settings.h"
#include "core/game_state.h"
#include "core/i18n.h"
#include "core/paths.h"
#include "core/profile_move.h"
#include "core/progress_files.h"
#include "core/text_file.h"

namespace fs = std::filesystem;

ProfileList g_profiles;

namespace {

bool g_active = false;
bool g_chooserPending = false;


std::string FolderOf(int id) { return "profiles/" + std::to_string(id); }

bool WriteList(std::string& message) {
    const std::string path = UserRootPath(kProfileListFile);
    std::string error;
    if (WriteTextAtomic(path, FormatProfileList(g_profiles), error)) return true;
    message = TrFormat("{file}: список детей не удаётся сохранить: {reason}", {{"file", path}, {"reason", error}});
    return false;
}

// The profiles whose folders are there, pictures given in turn; at least the first.
ProfileList ListFromFolders() {
    ProfileList list;
    for (int id = 1; id <= MaxProfiles; ++id) {
        std::error_code ec;
        if (!fs::is_directory(UserRootPath(FolderOf(id)), ec)) continue;
        list.profiles.push_back(Profile{id, FirstFreePicture(list), ""});
    }
    if (list.profiles.empty()) list.profiles.push_back(Profile{1, 1, ""});
    list.current = list.profiles.front().id;
    return list;
}

// Reads the list; a damaged one is kept aside and made again from the folders.
std::string ReadList() {
    const std::string path = UserRootPath(kProfileListFile);
    std::string text, error;
    bool missing = false;
    if (ReadSmallTextFile(path, MaxProfileListBytes, text, missing, error) && ParseProfileList(text, g_profiles, error))
        return "";
    g_profiles = ListFromFolders();
    std::string message;
    if (!missing) {
        // Kept for a look by hand; nothing of a child's own is in it.
        const std::string aside = path + ".broken-" + LocalTimeStamp();
        std::error_code ec;
        fs::rename(path, aside, ec);
        message = ec ? TrFormat("{file}: список детей не читается ({reason}); он будет записан заново. Успехи всех "
                                "детей на месте.",
                                {{"file", path}, {"reason", error}})
                     : TrFormat("{file}: список детей не читается ({reason}). Он отложен как «{aside}»; успехи всех "
                                "детей на месте, картинки выбраны заново.",
                                {{"file", path}, {"reason", error}, {"aside", aside}});
    }
    std::string writeMessage;
    if (!WriteList(writeMessage)) message += (message.empty() ? "" : "\n") + writeMessage;
    return message;
}

std::string ReadChildSettings() {
    g_childSettings = ChildSettings();
    const std::string path = UserPath(kChildSettingsFile);
    std::string text, error;
    bool missing = false;
    if (!ReadSmallTextFile(path, MaxProfileListBytes, text, missing, error))
        return missing ? "" : TrFormat("{file}: настройки ребёнка не читаются ({reason}); взяты обычные.",
                                       {{"file", path}, {"reason", error}});
    if (ParseChildSettings(text, g_childSettings, error)) return "";
    return TrFormat("{file}: {reason}; для этой настройки взято обычное значение.", {{"file", path}, {"reason", error}});
}

}  // namespace

void EndProfiles() {
    g_active = false;
    g_chooserPending = false;
    SetProfileDir("");
    g_profiles = ProfileList();
    g_childSettings = ChildSettings();
}

std::string StartProfiles(int requested) {
    EndProfiles();
    if (UserDir().empty()) return "";
    const std::string moveMessage = MoveOldProgress(UserDir());
    // Half moved: this run plays where the old files are, and the next start moves the rest.
    if (!moveMessage.empty()) return moveMessage;
    std::string message = ReadList();
    g_active = true;
    if (requested >= 1 && requested <= MaxProfiles && !FindProfile(g_profiles, requested)) {
        const int picture = FirstFreePicture(g_profiles);
        g_profiles.profiles.push_back(Profile{requested, picture, ""});
    }
    const int chosen = requested >= 1 && requested <= MaxProfiles ? requested : g_profiles.current;
    g_chooserPending = requested == 0 && g_profiles.profiles.size() > 1;
    const std::string selectMessage = SelectProfile(chosen);
    if (!selectMessage.empty()) message += (message.empty() ? "" : "\n") + selectMessage;
    return message;
}

bool ProfilesActive() { return g_active; }

bool TakeChooserPending() {
    const bool pending = g_chooserPending;
    g_chooserPending = false;
    return pending;
}

const Profile* CurrentProfile() { return g_active ? FindProfile(g_profiles, g_profiles.current) : nullptr; }

int AddProfile(std::string& message) {
    message.clear();
    if (!g_active) return 0;
    const int id = FirstFreeProfileId(g_profiles);
    if (id == 0) {
        message = Tr("Детей уже шесть: больше профилей не бывает.");
        return 0;
    }
    g_profiles.profiles.push_back(Profile{id, FirstFreePicture(g_profiles), ""});
    std::error_code ec;
    fs::create_directories(UserRootPath(FolderOf(id)), ec);
    if (!WriteList(message)) {
        g_profiles.profiles.pop_back();
        return 0;
    }
    return id;
}

std::string SelectProfile(int id) {
    if (!g_active || !FindProfile(g_profiles, id)) return "";
    ResetGameState();
    g_profiles.current = id;
    SetProfileDir(FolderOf(id));
    std::error_code ec;
    fs::create_directories(UserRootPath(FolderOf(id)), ec);
    std::string message = ReadChildSettings();
    std::string writeMessage;
    if (!WriteList(writeMessage)) message += (message.empty() ? "" : "\n") + writeMessage;
    return message;
}

bool RemoveProfile(int id, std::string& message) {
    message.clear();
    if (!g_active || !FindProfile(g_profiles, id)) {
        message = TrFormat("Ребёнка {id} нет в списке.", {{"id", std::to_string(id)}});
        return false;
    }
    if (g_profiles.profiles.size() == 1) {
        message = Tr("Последний ребёнок остаётся в списке.");
        return false;
    }
    const std::string from = UserRootPath(FolderOf(id));
    const std::string base = UserRootPath(std::string(kRemovedProfilesFolder) + "/" + std::to_string(id) + "-" + LocalTimeStamp());
    std::string to = base;
    std::error_code ec;
    for (int n = 2; fs::exists(to, ec) && n < 1000; ++n) to = base + "-" + std::to_string(n);
    fs::create_directories(fs::path(to).parent_path(), ec);
    if (fs::exists(from, ec)) fs::rename(from, to, ec);
    if (ec) {
        message = TrFormat("{file}: папку ребёнка не удаётся отложить: {reason}", {{"file", from}, {"reason", ec.message()}});
        return false;
    }
    const ProfileList before = g_profiles;
    std::erase_if(g_profiles.profiles, [id](const Profile& p) { return p.id == id; });
    const bool wasCurrent = g_profiles.current == id;
    if (wasCurrent) g_profiles.current = g_profiles.profiles.front().id;
    if (!WriteList(message)) {
        // The list keeps naming it, so bring its folder back where the list expects it.
        fs::rename(to, from, ec);
        g_profiles = before;
        return false;
    }
    if (wasCurrent) message = SelectProfile(g_profiles.current);
    return true;
}

std::string StoreChildSettings() {
    if (!g_active) return "";
    const std::string path = UserPath(kChildSettingsFile);
    std::string error;
    if (WriteTextAtomic(path, FormatChildSettings(g_childSettings), error)) return "";
    return TrFormat("{file}: настройки ребёнка не удаётся сохранить: {reason}", {{"file", path}, {"reason", error}});
}
