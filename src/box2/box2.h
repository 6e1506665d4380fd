#pragma once
// Box 2: 16-pixel cells, 162 figures in three layers, per-pixel collision.
#include <string>

#include "core/game_state.h"

void loadlevels2();
void drawlevelskorobka2();
void SaveK2();
void loadsavedlevel2();
void clearsave2();
void savecurrlevel2();
void loadcurrlevel2();
// Continue: the position file, or when it is missing or broken the highest level with a save
// (level 1 without one). Returns "" or the message for the player naming the file.
std::string ContinueBox2();
// The start screen's solved levels from the position file; a damaged file is kept aside and a
// new one written from the saves. Returns "" or the message naming the file.
std::string SolvedBox2(int32_t& solved);
void savemap2();
// The keep button of the free-construction level: the board as a new level in my-levels/k2
// (see core/keep_file.h); an empty board is not kept. Throws GameFileError naming the file.
void KeepBox2Board();
