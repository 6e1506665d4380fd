#pragma once
// Start-up of the game's folders and the player's settings: where the data is read from,
// where saves go, and the resolution remembered between runs.
#include <string>

struct Options;

// Picks the game folder (--data, else the first found beside the program) and the user
// folder (--user-dir, else $XDG_DATA_HOME/stroylik); with --user-dir the settings file lives
// there too. False with a message when no game folder holds the picture list.
bool SetUpFolders(const Options& options, std::string& error);
// Reads the settings file into g_settings; a message (naming the file) when it was bad.
void LoadPlayerSettings(std::string& message);
// The resolution the dialog shows first: the command line's, else the remembered one.
int PreselectedResolution(const Options& options);
// Keeps the resolution the game starts with for next time (not a one-off --resolution).
// False with a message naming the file when it cannot be written.
bool RememberResolution(const Options& options, int index, std::string& message);
// Loads the language: --lang, else the settings' language, else the first the environment
// names that we have, else Russian. A message naming the catalogue when it cannot be read.
void ChooseStartLanguage(const Options& options, std::string& message);
// Keeps the language chosen in the dialog for next time; false with a message on failure.
bool RememberLanguage(const std::string& code, std::string& message);
