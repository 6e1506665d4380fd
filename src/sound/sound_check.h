#pragma once
// The game's nine sound files (seven effects, the music and the menu greeting), checked once
// as the game starts. Each one missing or unplayable is told once, with its full path and
// what is wrong in plain words, and is left out of play afterwards: a child in the middle of
// a level never meets a message about a sound.
#include <string>
#include <vector>

#include "core/i18n.h"

// Checks every file and returns one message a file that will not play (empty when all do).
std::vector<std::string> CheckSoundFiles();
// CheckSoundFiles, then each message on stderr and, in a window, all of them in one box.
void ReportSoundFiles();
// Whether the file (as the game names it, "./sound/...") was found not to play: the game then
// stays silent for it without a word.
bool SoundFileLeftOut(const std::string& relativeName);
// For a file that stopped playing during the game: true the first time, so that its one
// message is written then (it is still tried at every play, and plays again once mended).
bool FirstTroubleDuringPlay(const std::string& relativeName);
// What is wrong with a music file that does not build a stream.
inline constexpr const char* kNotMusicText = Mark("файл испорчен или это не музыка в формате MP3");
// The message for a sound file that will not play, in plain words.
std::string SoundMissingText(const std::string& path);
std::string SoundEmptyText(const std::string& path);
std::string SoundUnplayableText(const std::string& path, const std::string& why);
