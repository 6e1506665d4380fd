#pragma once
// Box 1: 32-pixel cells, 28 figures, one layer.
#include <string>

#include "core/game_state.h"

void loadlevels();
void drawlevelskorobka1();
void SaveK1();
void loadsavedlevel();
void clearsave();
void savecurrlevel();
void loadcurrlevel();
// Continue: the position file, or when it is missing or broken the highest level with a save
// (level 1 without one). Returns "" or the message for the player naming the file.
std::string ContinueBox1();
// The start screen's solved levels from the position file; a damaged file is kept aside and a
// new one written from the saves. Returns "" or the message naming the file.
std::string SolvedBox1(int32_t& solved);
void savemap();
// The keep button of the free-construction level: the board as a new level in my-levels/k1
// (see core/keep_file.h); an empty board is not kept. Throws GameFileError naming the file.
void KeepBox1Board();
// One step of a returning figure from (x1, y1) toward (x2, y2), stored in g_drag.x, g_drag.y.
void makeline(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
