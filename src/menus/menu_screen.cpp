#include "menus/menu_screen.h"

#include "core/game_state.h"
#include "render/graphics.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {
constexpr uint32_t MenuClearColour = 0x00000000;
constexpr uint32_t FrameColour = 0xFFFF0000;
}  // namespace

void BeginMenuScreen() {
    g_clearColor = MenuClearColour;
    if (g_device) g_device->Clear(g_clearColor, 1.0f);
    if (g_sprite && plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) RestoreDevice();
    DrawSheet(SurfaceMain, 0, 0, VirtualWidth, VirtualHeight, 0, 0, 0xFFFFFFFF);
    rectangle(3, 3, VirtualWidth - 3, VirtualHeight - 3, FrameColour);
}

void DrawCornerButton(bool lit) {
    if (lit)
        DrawSheet(SurfaceMain, 1322, 980, 1365, 1024, 1235, 0, 0xFFFFFFFF);
    else
        DrawSheet(SurfaceMain, 1280, 980, 1322, 1024, 1235, 0, 0xFFFFFFFF);
}
