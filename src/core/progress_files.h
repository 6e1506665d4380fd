#pragma once
// Care of the player's progress files when something is wrong with them: a file that cannot
// be read is kept aside rather than overwritten, and a lost position is found again from the
// saves that are there.
#include <cstdint>
#include <string>

// Renames a progress file that could not be read to "path.broken-YYYYMMDD-HHMMSS" (with
// "-2", "-3", ... when that name is taken), so that no later save replaces it. Returns the
// message for the player: `why`, then where the file went, or why it had to stay. `keptAside`
// tells whether the original name is free again; when it is not, nothing may be saved there.
// The local time as "YYYYMMDD-HHMMSS": the stamp in the names of files and folders kept aside.
std::string LocalTimeStamp();

std::string KeepBrokenFileAside(const std::string& path, const std::string& why, bool& keptAside);

// Runs `load` when the progress file `save` exists. When it fails (it reads the whole file
// before storing anything, so the board is still the level's own), the file is kept aside,
// `boardLevel` becomes 0 if it could not be, and a GameFileError says what happened.
void LoadProgressOrKeepAside(const std::string& save, void (*load)(), int32_t& boardLevel);

// Continue: `readPosition` reads a box's position file into g_currentLevel and
// g_maxCompletedLevel, checking both. When it fails, play goes on at the highest level whose
// progress file exists (level 1 without one), unlocked. Returns "" or the player's message.
std::string ContinueFromPosition(void (*readPosition)(), std::string (*progressFile)(int32_t level));

// The highest level whose progress file exists (1 without one).
int32_t LevelFromSaves(std::string (*progressFile)(int32_t level));

// One box's position file and its readers and writer (they use g_currentLevel and
// g_maxCompletedLevel).
struct PositionFile {
    std::string path;
    void (*read)();
    void (*write)();
    std::string (*progressFile)(int32_t level);
};

// The start screen's count of solved levels, from the position file; the shared level numbers
// are left as they were. A missing file counts nothing as solved. A file that is there but
// cannot be read is kept aside (never overwritten), a new one is written from the saves as
// Continue would find them, and the returned message names both; otherwise "".
std::string SolvedFromPosition(const PositionFile& position, int32_t& solved);
