#pragma once
// Putting a kept puzzle into the box's my-levels folder under a name of its own.
#include <cstdint>
#include <string>

class IntLineWriter;

// Writes the level text of `out` to a synced temporary file in MyLevelsFolder(box), has
// `check` read it back (it throws GameFileError when the reader refuses it), then gives it
// the first free name of "puzzle-YYYYMMDD-HHMMSS.ini", "-2", "-3", ... and notes it with
// NoteKeptLevel; the keep button shows the result (core/keep_result.h). Returns the name.
// Never replaces a file; on any failure nothing is left in the folder and GameFileError
// names the file.
std::string KeepLevelFile(int box, const IntLineWriter& out, void (*check)(const std::string& path));

// A kept picture `size` cells long gets an empty cell before and after it where `max` allows:
// the sample starts `before` cells in and is `length` cells long.
struct KeptSpan {
    int before = 0;
    int length = 0;
};
inline KeptSpan KeptSpanOf(int size, int max) {
    const int before = size + 1 <= max ? 1 : 0;
    const int after = size + before + 1 <= max ? 1 : 0;
    return {before, size + before + after};
}

// The maker's picture for a kept file's first value: the child's animal, 0 without profiles.
int32_t KeptMakerPicture();
