#include "core/progress_files.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "core/game_error.h"
#include "core/game_state.h"
#include "core/i18n.h"

namespace {

// A name beside `path` that no file has yet.
std::string FreeAsideName(const std::string& path) {
    const std::string base = path + ".broken-" + LocalTimeStamp();
    std::string name = base;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(name, ec) && n < 1000; ++n) name = base + "-" + std::to_string(n);
    return name;
}

// The damaged position file goes aside and a new one is written from the saves, so that
// Continue later finds a position and goes on without a second message.
std::string MendPosition(const PositionFile& position, const std::string& why, int32_t& solved) {
    const std::string aside = FreeAsideName(position.path);
    std::error_code ec;
    std::filesystem::rename(position.path, aside, ec);
    if (ec)
        return why + "\n" +
               TrFormat("Файл не удаётся отложить в сторону ({reason}); он оставлен как есть, пройденные уровни на "
                        "этот раз не отмечены.",
                        {{"reason", ec.message()}});
    const int32_t level = LevelFromSaves(position.progressFile);
    solved = level - 1;
    g_currentLevel = level;
    g_maxCompletedLevel = solved;
    std::string written;
    try {
        position.write();
    } catch (const GameFileError& e) {
        written = std::string("\n") + e.what();
    }
    return why + "\n" +
           TrFormat("Файл отложен под именем «{file}»; игра продолжится по сохранённым полям, с уровня {level}.",
                    {{"file", aside}, {"level", std::to_string(level)}}) +
           written;
}

}  // namespace

std::string LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

std::string KeepBrokenFileAside(const std::string& path, const std::string& why, bool& keptAside) {
    const std::string aside = FreeAsideName(path);
    std::error_code ec;
    std::filesystem::rename(path, aside, ec);
    keptAside = !ec;
    if (keptAside)
        return why + "\nThe file is kept as \"" + aside + "\"; the level starts from the beginning.";
    return why + "\nThe file could not be moved aside (" + ec.message() +
           "); it is left as it is and this level is not saved until it is mended or removed.";
}

void LoadProgressOrKeepAside(const std::string& save, void (*load)(), int32_t& boardLevel) {
    std::error_code ec;
    if (!std::filesystem::exists(save, ec)) return;
    try {
        load();
    } catch (const GameFileError& e) {
        bool keptAside = false;
        const std::string message = KeepBrokenFileAside(save, e.what(), keptAside);
        if (!keptAside) boardLevel = 0;
        throw GameFileError(message);
    }
}

int32_t LevelFromSaves(std::string (*progressFile)(int32_t level)) {
    int32_t level = MaxLevel;
    std::error_code ec;
    while (level > 1 && !std::filesystem::is_regular_file(progressFile(level), ec)) --level;
    return level;
}

std::string ContinueFromPosition(void (*readPosition)(), std::string (*progressFile)(int32_t level)) {
    try {
        readPosition();
        return std::string();
    } catch (const GameFileError& e) {
        // The saves themselves still tell how far the player got.
        const int32_t level = LevelFromSaves(progressFile);
        g_currentLevel = level;
        g_maxCompletedLevel = level - 1;
        return std::string(e.what()) + "\nThe game goes on at level " + std::to_string(level) + ".";
    }
}

std::string SolvedFromPosition(const PositionFile& position, int32_t& solved) {
    const int32_t current = g_currentLevel, completed = g_maxCompletedLevel;
    std::string message;
    solved = 0;
    try {
        position.read();
        solved = g_maxCompletedLevel;
    } catch (const GameFileError& e) {
        std::error_code ec;
        if (std::filesystem::exists(position.path, ec)) message = MendPosition(position, e.what(), solved);
    }
    g_currentLevel = current;
    g_maxCompletedLevel = completed;
    return message;
}
