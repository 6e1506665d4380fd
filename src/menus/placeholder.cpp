// Placeholder until the menus are written; the menu code replaces this file.
#include "app/state_dump.h"
#include "menus/menus.h"
#include "render/graphics.h"

bool g_menuJingleStarted = false;

static void PlainScreen(uint32_t colour) {
    if (g_device) g_device->Clear(colour);
    if (g_sprite) g_sprite->Begin(plat::SPRITE_ALPHABLEND);
}
void drawmenu0() { PlainScreen(0xFF203050); }
void DrawViborStart() { PlainScreen(0xFF305020); }
void DumpMenus(StateDump&) {}
