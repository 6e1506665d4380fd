#pragma once
// Shared ground of the fuzz targets. The game's loaders read fixed relative paths, so each
// target works in a scratch folder of its own and writes every input where the game would
// look for it; the loader then reads it exactly as it reads a player's file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/game_error.h"

// Makes a fresh scratch folder (under /dev/shm when there is one) and makes it the working
// directory; the folder is removed when the process exits normally. File and folder names on
// the command line (inputs to replay, corpus folders) are made absolute first, so they still
// name the same files from there.
void EnterScratchFolder(int* argc, char*** argv);

// Writes the bytes to `path` (relative to the scratch folder), making missing folders.
void WriteInput(const std::string& path, const uint8_t* data, size_t size);

// A file of the generated game folder, e.g. GameFile("levels/k1/level1.ini").
std::string GameFile(const std::string& relative);

// Copies a generated game file into the scratch folder under `to`.
void CopyGameFile(const std::string& relative, const std::string& to);

// Runs a loader: true when it took the file, false when it refused it with GameFileError,
// which is the loader doing its job. Anything else escapes and is a finding.
template <class Load>
bool Accepts(Load&& load) {
    try {
        load();
        return true;
    } catch (const GameFileError&) {
        return false;
    }
}

// Reports a broken promise of the game (e.g. a save it wrote that it cannot read back) and
// aborts, so libFuzzer keeps the input that led here.
[[noreturn]] void Finding(const std::string& what);
