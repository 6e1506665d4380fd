// Placeholder until the intro model is written; the model code replaces this file.
#include "app/game_state.h"
#include "app/state_dump.h"
#include "render/graphics.h"
#include "render/model.h"

void LoadMyX(const std::string&) {}
void initvertex() {}
void drawmesh(int) {
    if (!g_device) return;
    g_device->BeginScene();
    g_clearColor = 0xFFD65AC6;
    g_device->Clear(g_clearColor);
    g_device->EndScene();
    g_device->Present();
}
void ReleaseModelTextures() {}
void ReleaseModelBuffers() {}
void setstate() {}
void DumpModel(StateDump&) {}
