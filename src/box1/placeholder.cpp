// Placeholder until box 1 is written; the box 1 code replaces this file.
#include "app/state_dump.h"
#include "box1/box1.h"

void loadlevels() {}
void drawlevelskorobka1() {}
void SaveK1() {}
void loadsavedlevel() {}
void clearsave() {}
void savecurrlevel() {}
void loadcurrlevel() {}
void savemap() {}
void makeline(int32_t, int32_t, int32_t, int32_t) {}
void DumpBox1(StateDump&) {}
