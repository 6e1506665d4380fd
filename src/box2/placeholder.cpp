// Placeholder until box 2 is written; the box 2 code replaces this file.
#include "app/state_dump.h"
#include "box2/box2.h"

void loadlevels2() {}
void drawlevelskorobka2() {}
void SaveK2() {}
void loadsavedlevel2() {}
void clearsave2() {}
void savecurrlevel2() {}
void loadcurrlevel2() {}
void savemap2() {}
void DumpBox2(StateDump&) {}
