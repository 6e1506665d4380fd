#pragma once
// Box 2: 16-pixel cells, 162 figures in three layers, per-pixel collision.
#include "core/game_state.h"

void loadlevels2();
void drawlevelskorobka2();
void SaveK2();
void loadsavedlevel2();
void clearsave2();
void savecurrlevel2();
void loadcurrlevel2();
void savemap2();
