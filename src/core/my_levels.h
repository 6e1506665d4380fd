#pragma once
// "My puzzles": the levels the children kept from a free-construction level and the ones a
// parent copied in, the level files of my-levels/k1 and my-levels/k2 in the user folder,
// shared by every child. They play as the levels after the shipped ones, numbered from
// FirstMyLevel in the order of their file names. Each child keeps its own boards of them
// and its own solved marks, by file name, so a puzzle added or taken away never hands one
// puzzle's board or star to another.
#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"

class StateDump;

constexpr int FirstMyLevel = MaxLevel + 1;
constexpr const char* kMyLevelsFolder = "my-levels";
// Where the parent corner moves a deleted puzzle (as NAME-DATE-TIME), never removed.
constexpr const char* kRemovedMyLevelsFolder = "removed-my-levels";
constexpr size_t MaxMyLevelNameBytes = 100;

// The box's folder of puzzles, made when missing.
std::string MyLevelsFolder(int box);
// A name the folder may list: "NAME.ini" of printable characters, no path, not hidden, within
// the limit (a name a copied-in file could carry that we could not show or save by is left out).
bool IsMyLevelName(const std::string& name);
// The level files of the box's folder by name in byte order (without ".ini", so "NAME-2.ini"
// follows "NAME.ini"), at most MaxMyLevels; `more`
// counts the ones past that. A missing folder has none. Never throws.
std::vector<std::string> FindMyLevelFiles(int box, int& more);

// The puzzles the game plays: the files the level reader took, in order; level
// FirstMyLevel + i is names[i]. Reads the child's solved marks of the box; returns "" or the
// message naming a marks file that could not be read (it is then kept aside).
std::string SetMyLevels(int box, std::vector<std::string> names);
const std::vector<std::string>& MyLevels(int box);
// A puzzle just kept joins the list at once (in name order), before the next visit of the start screen.
void NoteKeptLevel(int box, const std::string& name);
// Forgets both lists and the marks (a fresh program, another child).
void ClearMyLevels();

inline bool IsMyLevel(int32_t level) { return level >= FirstMyLevel && level <= MaxPlayLevel; }
// A shipped level after the first unsolved one is locked unless a parent opened them all; an
// own puzzle never is.
bool LevelLockedNow();
// The listed file's name, its real path and the child's board of it; "" when not listed.
std::string MyLevelName(int box, int32_t level);
std::string MyLevelPath(int box, int32_t level);
std::string MyLevelBoardFile(int box, int32_t level);
// 0 when the name is not listed.
int32_t MyLevelNumber(int box, const std::string& name);
// The number of the box's last puzzle, or 0 with none.
int32_t LastMyLevel(int box);

// The parent corner's delete: moves the file to removed-my-levels/kB/NAME-DATE-TIME.ini (never
// removed, so a parent can bring it back) and takes it off the list. Returns "" or the message.
std::string PutMyLevelAside(int box, const std::string& name);

bool MyLevelSolved(int box, int32_t level);
// Remembers the current child solved it; "" or the message naming the marks file.
std::string MarkMyLevelSolved(int box, int32_t level);

// A solved puzzle the child clicked on: marks it, saves the board with `save`, and loads the
// next puzzle with `load`; after the last one the box goes back to its start screen
// (g_overviewReturn asks the shell to open its overview). Throws GameFileError with what failed.
void LeaveSolvedMyLevel(int box, void (*save)(), void (*load)());

// myLevels: [{box, file, level}] of both boxes.
void DumpMyLevels(StateDump& dump);
