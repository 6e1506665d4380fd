#pragma once
// Progress kept before there were profiles lies in the user folder itself: it becomes the
// first profile's. Each file moves by one rename, and a marker file stays until the last
// has moved, so a start cut off half way is finished on the next start; moving is
// idempotent (a file already moved is simply not found at its old name again).
#include <string>
#include <vector>

constexpr const char* kMoveMarkerFile = "profiles/moving";
constexpr const char* kFirstProfileFolder = "profiles/1";

// The old progress files under `root`, relative to it, in a fixed order: the boards
// save/k1/* and save/k2/*, the position files k1.dat and k2.dat (and ones kept aside beside
// them), the exports levels/k1/Help_Save.ini and levels/k2/Help_Save.ini. Never the game's
// own level files, which share the folder when the game and user folders are one.
std::vector<std::string> OldProgressFiles(const std::string& root);

// When old progress is there or a move was cut off, moves the rest into
// root/profiles/1/ with the same names inside. Returns "" or the message naming the file
// that could not move (the marker stays, so the next start tries again). Never throws.
std::string MoveOldProgress(const std::string& root);

// Tests: called after each moved file with the count so far (a forked child may end there).
void SetMoveStepHook(void (*hook)(int moved));
