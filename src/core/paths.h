#pragma once
// Where the game's files live. The game folder (pictures, sounds, models, levels, the picture
// list) is read-only data found from the program; everything the game writes (saves, position
// files, exports, the error log) goes to the user's data folder. Code keeps the game's own
// relative names ("./save/k1/sk_3.dat", "Surfaces.ini") and turns them into real paths here.
// While a folder is not set the names stay relative to the working directory.
#include <string>
#include <vector>

// A relative name inside the game folder, ready to open.
std::string GamePath(const std::string& relative);
// A relative name inside the user's data folder, ready to open; the folder that holds it is
// made on first use (once a user folder is set), so writers never meet a missing folder.
// While a child's profile is chosen the name is inside that profile's folder: boards,
// position files and exports are each child's own.
std::string UserPath(const std::string& relative);
// A name in the user folder itself, whoever plays: the profile list, the error log.
std::string UserRootPath(const std::string& relative);

void SetGameDir(const std::string& dir);
void SetUserDir(const std::string& dir);
const std::string& GameDir();
const std::string& UserDir();
// The profile folder that UserPath joins onto ("" : the user folder itself). Relative to the
// user folder ("profiles/2") or absolute.
void SetProfileDir(const std::string& dir);
const std::string& ProfileDir();

// The folders tried for the game data, best first: beside the program in the build tree,
// "../share/games/stroylik" from an installed program, then the install's own data folder.
std::vector<std::string> GameDirCandidates(const std::string& programDir, const std::string& installDataDir);
// The first candidate holding the picture list "Surfaces.ini", or "" when none does.
std::string FindGameDir(const std::vector<std::string>& candidates);
// $XDG_DATA_HOME/stroylik, by default ~/.local/share/stroylik.
std::string DefaultUserDir();
// The folder of the running program ("" when it cannot be told).
std::string ProgramDir();
