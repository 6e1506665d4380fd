#pragma once
// The main menu and the start selection screen of a box.
#include <cstdint>

extern bool g_menuJingleStarted;

void drawmenu0();
void DrawViborStart();
