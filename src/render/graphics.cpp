// The graphics objects and their creation: device, sprite batch, fonts, the loading screen,
// the mask texture, then the model and the catalogue pictures.
#include "render/graphics.h"

#include <cstdio>
#include <exception>
#include <filesystem>

#include "core/error_log.h"
#include "core/game_error.h"
#include "core/game_state.h"
#include "core/i18n.h"
#include "core/paths.h"
#include "core/player_message.h"
#include "platform/image.h"
#include "render/model.h"
#include "render/shown_text.h"
#include "render/static_layer.h"
#include "render/texture_catalog.h"
#include "sound/sound.h"

plat::Window* g_d3d = nullptr;
std::unique_ptr<plat::Device> g_device;
std::unique_ptr<plat::Sprite> g_sprite;
std::unique_ptr<plat::Font> g_fontNormal;
std::unique_ptr<plat::Font> g_fontSmall;
std::unique_ptr<plat::Font> g_fontLarge;
std::unique_ptr<plat::Texture> g_maskTexture;

int g_screenWidth = 800;
int g_screenHeight = 600;
float g_scaleX = 0.625f;
float g_scaleY = 0.585f;
float g_scaleZ = 1.0f;
int g_resolutionIndex = 0;
bool g_vsync = true;

namespace {

const char* const MaskTextureFile = "./textures/detals_02_mask.dds";
const char* const ModelFile = "./models/logo.x";

struct DisplaySetting {
    int width, height;
    float scaleX, scaleY;
};
// By the settings dialog's item index. 0.585 is kept as written, not 600/1024.
constexpr DisplaySetting Resolutions[] = {
    {800, 600, 0.625f, 0.585f},
    {1024, 768, 0.8f, 0.75f},
    {1280, 1024, 1.0f, 1.0f},
};

// Display formats by their classic numbers, in the order they are tried.
enum DisplayFormat : int { FormatA8R8G8B8 = 21, FormatX8R8G8B8 = 22, FormatR5G6B5 = 23, FormatX1R5G5B5 = 24 };
constexpr int CandidateFormats[] = {FormatR5G6B5, FormatX1R5G5B5, FormatR5G6B5, FormatX8R8G8B8, FormatA8R8G8B8};

// The back buffer is always 8 bits per channel, so only the 32-bit formats describe it.
bool DisplayFormatSupported(int format) { return format == FormatX8R8G8B8 || format == FormatA8R8G8B8; }

int ChooseDisplayFormat() {
    for (int format : CandidateFormats)
        if (DisplayFormatSupported(format)) return format;
    return 0;
}

struct DeviceAttempt {
    bool chosenSize;   // the dialog's resolution, otherwise the virtual screen's size
    int multiSample;
};
constexpr DeviceAttempt DeviceAttempts[] = {{true, 4}, {false, 4}, {false, 0}, {false, 0}};

// Times New Roman is drawn with Liberation Serif, which shares its metrics.
const char* const FontFace = "Times New Roman";
struct FontSpec {
    std::unique_ptr<plat::Font>* holder;
    int height, width;
};
const FontSpec GameFonts[] = {{&g_fontNormal, 15, 10}, {&g_fontSmall, 9, 6}, {&g_fontLarge, 22, 10}};

plat::HRESULT CreateGameDevice() {
    if (g_resolutionIndex >= 0 && g_resolutionIndex <= 2) {
        const DisplaySetting& s = Resolutions[g_resolutionIndex];
        g_screenWidth = s.width;
        g_screenHeight = s.height;
        g_scaleX = s.scaleX;
        g_scaleY = s.scaleY;
    }
    plat::HRESULT hr = plat::E_FAIL;
    ReleaseStaticLayer();
    for (const DeviceAttempt& attempt : DeviceAttempts) {
        g_device.reset();
        plat::PresentParams params;
        params.width = attempt.chosenSize ? g_screenWidth : VirtualWidth;
        params.height = attempt.chosenSize ? g_screenHeight : VirtualHeight;
        params.multiSample = attempt.multiSample;
        params.vsync = g_vsync;
        hr = plat::Device::Create(*g_d3d, params, g_device);
        if (plat::Succeeded(hr)) return hr;
    }
    return hr;
}

void DrawLoadingScreen() {
    // A scene that will not begin means the device is unusable right now: the loading
    // screen is only a courtesy, so it is skipped rather than rebuilding from inside the build.
    if (plat::Failed(g_device->BeginScene())) return;
    if (plat::Failed(g_sprite->Begin(plat::SPRITE_ALPHABLEND))) {
        g_device->EndScene();
        return;
    }
    g_device->Clear(0xFF44AFDC, 1.0f);
    plat::Rect r;
    plat::SetRect(r, 580, 500, 850, 530);
    int drawn = DrawShownText(*g_fontLarge, *g_sprite, Tr("ЗАГРУЗКА..."), r, 0xFFFFFFFF);
    if (drawn < 0) WriteErrorLog(drawn, "g_sprite.draw");
    plat::SetRect(r, 518, 520, 870, 550);
    drawn = DrawShownText(*g_fontLarge, *g_sprite, Tr("Пожалуйста подождите"), r, 0xFFFFFFFF);
    if (drawn < 0) WriteErrorLog(drawn, "g_sprite.draw");
    g_sprite->End();
    g_device->EndScene();
    g_device->Present();
    EndShownTextFrame();
}

}  // namespace

plat::Matrix ResolutionScaling() { return plat::MatrixScaling(g_scaleX, g_scaleY, g_scaleZ); }

plat::HRESULT (*g_restoreDevice)() = nullptr;

plat::HRESULT RestoreDevice() { return g_restoreDevice ? g_restoreDevice() : plat::S_OK; }

plat::HRESULT InitD3D() {
    if (g_screenState == ScreenMainMenu) StartMenuMusic();

    if (ChooseDisplayFormat() == 0) {
        if (g_d3d) {
            g_d3d->MessageBox("PixelFormat not supported", GameName());
            g_d3d->Close();
        }
        return plat::E_FAIL;
    }
    if (g_d3d == nullptr) return plat::D3DERR_INVALIDCALL;

    if (!g_device) {
        const plat::HRESULT hr = CreateGameDevice();
        if (plat::Failed(hr)) {
            WriteErrorLog(hr, "Error = CreateDevice");
            g_d3d->MessageBox(Tr("Эта видеокарта не подходит для игры."), GameName());
            return hr;   // nothing below can work without a device
        }
    }

    if (!g_sprite) {
        const plat::HRESULT hr = plat::Sprite::Create(g_device.get(), g_sprite);
        if (plat::Failed(hr)) {
            WriteErrorLog(hr, "ERROR CreateD3DXCreateSprite");
            return hr;
        }
    }
    for (const FontSpec& wanted : GameFonts) {
        if (*wanted.holder) continue;
        const plat::HRESULT hr = plat::Font::Create(g_device.get(), wanted.height, wanted.width, 1, FontFace, *wanted.holder);
        if (plat::Failed(hr)) {
            WriteErrorLog(hr, "Error = D3DXCreateFont");
            return hr;
        }
    }

    // The batch keeps the virtual-screen scaling from here on; the intro draws with it as set.
    g_sprite->SetTransform(ResolutionScaling());
    DrawLoadingScreen();

    if (!g_maskTexture) {
        std::string error;
        const plat::HRESULT hr =
            plat::CreateTextureFromFile(g_device.get(), GamePath(MaskTextureFile), g_maskTexture, true, &error);
        if (plat::Failed(hr)) {
            TellPlayer(error);
            LogTextureFailure(hr, error);
        }
    }

    // A bad model file is reported like every other bad game file, but only after the
    // model buffers and the pictures are made, so the game can go on without the intro.
    std::exception_ptr modelError;
    try {
        LoadMyX(GamePath(ModelFile));
    } catch (const GameFileError&) {
        modelError = std::current_exception();
    }
    initvertex();
    InitSurfaces();
    if (modelError) std::rethrow_exception(modelError);
    return plat::S_OK;
}

void UseRecorderGraphics() {
    ReleaseStaticLayer();
    g_device.reset();
    g_sprite = plat::Sprite::CreateRecorder();
    g_sprite->SetTransform(ResolutionScaling());
    for (const FontSpec& wanted : GameFonts) plat::Font::Create(nullptr, wanted.height, wanted.width, 1, FontFace, *wanted.holder);
    // Box 2 reads shape pixels from the mask; without a GPU the texture is CPU-only.
    if (!g_maskTexture && std::filesystem::exists(GamePath(MaskTextureFile))) {
        plat::Image image;
        std::string error;
        if (plat::LoadImageFile(GamePath(MaskTextureFile), image, error)) g_maskTexture = plat::Texture::FromImage(image, true);
        else TellPlayer(error);
    }
    InitSurfaces();
}
