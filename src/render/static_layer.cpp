// The cached static picture of a screen, kept for one device and one key.
#include "render/static_layer.h"

#include <memory>

#include "platform/render_target.h"
#include "render/graphics.h"

namespace {

std::unique_ptr<plat::RenderTarget> g_layer;
// The device the picture was made for; the places that rebuild the device release the
// picture first, so an address reused by the next device never finds an old picture.
const plat::Device* g_layerDevice = nullptr;
uint64_t g_layerKey = 0;
void (*g_layerDraw)() = nullptr;
bool g_layerDrawn = false;

bool MakeLayer() {
    const plat::Device* device = g_device.get();
    if (g_layerDevice == device) return g_layer != nullptr;   // made, or found impossible
    g_layer = plat::RenderTarget::Create(*device);
    g_layerDevice = device;
    g_layerDrawn = false;
    return g_layer != nullptr;
}

void RedrawLayer(uint64_t key, void (*draw)()) {
    g_sprite->Flush();   // what came before belongs to the frame
    g_layer->BindAndClear();
    draw();
    g_sprite->Flush();
    g_device->BindBackBuffer();
    g_layerKey = key;
    g_layerDraw = draw;
    g_layerDrawn = true;
}

// The picture at 1:1 over the back buffer. GL keeps its rows bottom first, so it is drawn
// flipped; the draws into it already went through the virtual-screen scaling.
void ShowLayer(bool opaque) {
    const plat::Texture& picture = g_layer->texture();
    const plat::Matrix saved = g_sprite->GetTransform();
    const uint32_t savedFlags = g_sprite->flags();
    plat::Matrix flip = plat::MatrixIdentity();
    flip.m[1][1] = -1.0f;
    flip.m[3][1] = float(picture.height());
    g_sprite->SetTransform(flip);
    g_sprite->SetFlags(opaque ? 0 : savedFlags | plat::SPRITE_PREMULTIPLIED);
    g_sprite->Draw(&picture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    g_sprite->SetFlags(savedFlags);
    g_sprite->SetTransform(saved);
}

}  // namespace

void DrawStaticLayer(uint64_t key, void (*draw)(), bool opaque) {
    if (!g_sprite) return;
    if (!g_device || g_device->direct() || !MakeLayer()) {
        draw();
        return;
    }
    if (!g_layerDrawn || g_layerKey != key || g_layerDraw != draw) RedrawLayer(key, draw);
    ShowLayer(opaque);
}

void ReleaseStaticLayer() {
    g_layer.reset();
    g_layerDevice = nullptr;
    g_layerDrawn = false;
}
