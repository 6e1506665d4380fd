#include "menus/menu_screen.h"

#include "core/game_state.h"
#include "render/graphics.h"
#include "render/static_layer.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

namespace {
constexpr uint32_t MenuClearColour = 0x00000000;
constexpr uint32_t FrameColour = 0xFFFF0000;

// The menu screens' background picture, opaque to its edges, and its red dotted frame: the
// same every frame, so kept as a static picture. The picture needs no blending (the same
// pixels without reading the screen back); the frame's dots do.
void DrawMenuBackground() {
    if (!g_sprite) return;
    g_sprite->SetFlags(0);
    DrawSheet(SurfaceMain, 0, 0, VirtualWidth, VirtualHeight, 0, 0, 0xFFFFFFFF);
    g_sprite->SetFlags(plat::SPRITE_ALPHABLEND);
    rectangle(3, 3, VirtualWidth - 3, VirtualHeight - 3, FrameColour);
}
}  // namespace

void BeginMenuScreen() {
    g_clearColor = MenuClearColour;
    if (g_device) g_device->Clear(g_clearColor, 1.0f);
    if (g_sprite && plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) RestoreDevice();
    DrawStaticLayer(0, &DrawMenuBackground, true);
}

void DrawCornerButton(bool lit) {
    if (lit)
        DrawSheet(SurfaceMain, 1322, 980, 1365, 1024, 1235, 0, 0xFFFFFFFF);
    else
        DrawSheet(SurfaceMain, 1280, 980, 1322, 1024, 1235, 0, 0xFFFFFFFF);
}
