#pragma once
// The graphics objects every screen draws with, and their creation for the chosen resolution.
#include <memory>

#include "platform/device.h"
#include "platform/font.h"
#include "platform/sprite.h"
#include "platform/texture.h"
#include "platform/window.h"

// The graphics system itself: present once the window exists (kept for the whole run).
extern plat::Window* g_d3d;
extern std::unique_ptr<plat::Device> g_device;
extern std::unique_ptr<plat::Sprite> g_sprite;
extern std::unique_ptr<plat::Font> g_fontNormal;   // height 15, width 10
extern std::unique_ptr<plat::Font> g_fontSmall;    // height 9, width 6
extern std::unique_ptr<plat::Font> g_fontLarge;    // height 22, width 10
extern std::unique_ptr<plat::Texture> g_maskTexture;

extern int g_screenWidth;
extern int g_screenHeight;
extern float g_scaleX;
extern float g_scaleY;
extern float g_scaleZ;
extern int g_resolutionIndex;      // the dialog's choice: 0 800x600, 1 1024x768, 2 1280x1024
extern bool g_vsync;

plat::HRESULT InitD3D();
// Rebuilds the device after a failed scene or sprite begin (release, then InitD3D; a
// failure is fatal). The shell sets the rebuild; without it this does nothing.
plat::HRESULT RestoreDevice();
extern plat::HRESULT (*g_restoreDevice)();
void setstate();
// The sprite transform that maps the virtual screen onto the back buffer.
plat::Matrix ResolutionScaling();

// For tests without a GPU: a recording sprite batch and device-less fonts, so the screens'
// drawing and logic run and their draws can be counted.
void UseRecorderGraphics();
