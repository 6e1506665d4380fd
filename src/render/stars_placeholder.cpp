// Placeholder until the star bursts are written; the star code replaces this file.
#include "app/state_dump.h"
#include "render/stars.h"

StarSet g_stars1;
StarSet g_stars2;
void InitStarSets() {}
void SpawnStars(StarSet&, int, int, int, int, int) {}
void drawstars() {}
void drawstars_2() {}
void stopstars() {}
void stopstars_2() {}
void DumpStars(StateDump&) {}
