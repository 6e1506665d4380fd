// The window's event handlers: start-up, the switch into the game, task switches and shutdown.
#include "app/form.h"

#include <exception>

#include "core/error_log.h"
#include "core/game_error.h"
#include "core/options.h"
#include "core/player_message.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "app/settings_dialog.h"
#include "app/user_files.h"
#include "core/tables.h"
#include "app/game_ini.h"
#include "core/timing.h"
#include "app/frame_loop.h"
#include "app/parent_input.h"
#include "core/game_state.h"
#include "core/i18n.h"
#include "input/input.h"
#include "render/graphics.h"
#include "render/model.h"
#include "render/static_layer.h"
#include "render/texture_catalog.h"
#include "sound/sound.h"
#include "sound/sound_check.h"

TForm1* Form1 = nullptr;

namespace {
void CloseFormOnFatalError() {
    if (Form1) {
        Form1->Close();
        Form1->FormDestroy();
    }
}
}  // namespace

TForm1::TForm1() {
    SetUpDialogControls(*this);
    g_fatalWindowClose = CloseFormOnFatalError;
    g_restoreDevice = RebuildGraphicsDevice;
    g_inputDevices = this;
}

TForm1::~TForm1() {
    if (g_inputDevices == this) g_inputDevices = nullptr;
}

void ResolutionSize(int index, int& width, int& height) {
    switch (index) {
        case 1: width = 1024; height = 768; break;
        case 2: width = 1280; height = 1024; break;
        default: width = 800; height = 600; break;
    }
}

void TForm1::FormCreate() {
    GetCPUSpeed();
    LoadSurfacesIni();
    g_d3d = nullptr;
    g_device.reset();
    g_fontNormal.reset();
    g_fontSmall.reset();
    g_fontLarge.reset();
    g_sprite.reset();
    g_maskTexture.reset();
    for (TSurfaces& s : g_surfaces) s.texture.reset();
    FDInput.reset();
    FMouseDevice.reset();
    FKeyboardDevice.reset();
    GameIni();
}

void TForm1::FormShow() {
    if (!g_gameStarted) return;
    window.SetSystemCursorVisible(false);
    window.Restore();
    FRunning = -1;
}

void TForm1::Button1Click() {
    // The graphics system is the window's GL context: it exists once the window does.
    if (!g_d3d) g_d3d = &window;
    if (!g_d3d) {
        ShowMessage("DirectX9 not installed", GameName());
        Close();
        WriteErrorLog(0, "Error = Direct3DCreate9(D3D_SDK_VERSION)");
        return;
    }
    g_resolutionIndex = ComboBox1.itemIndex;
    std::string settingsError;
    if (!RememberResolution(g_options, g_resolutionIndex, settingsError)) ShowMessage(settingsError, GameName());
    g_vsync = g_options.vsync;
    // Before the menu music is loaded, so each bad file is told here and nowhere later.
    ReportSoundFiles();
    SetPictureLanguage(CurrentLanguage());
    plat::HRESULT hr = plat::S_OK;
    try {
        hr = InitD3D();
    } catch (const GameFileError& e) {
        // A bad intro model is reported once the device and the pictures are made: it costs
        // the intro, not the game, so the start goes on. Without the graphics objects it cannot.
        if (!g_device || !g_sprite || !g_fontNormal || !g_fontSmall || !g_fontLarge || !g_maskTexture) throw;
        ShowMessage(e.what(), GameName());
    }
    if (plat::Failed(hr)) WriteErrorLog(hr, "InitD3D");
    setstate();
    try {
        InitSound();
    } catch (const std::exception& e) {
        ShowMessage(e.what(), GameName());
        return;
    }
    g_cursorX = 640;
    g_cursorY = 800;
    g_gameStarted = true;
    window.SetSystemCursorVisible(false);
    ComboBox1.enabled = Button1.enabled = Button2.enabled = Button3.enabled = false;
    Button1.visible = Button2.visible = Button3.visible = Label1.visible = false;
    ReleaseSettingsDialog();
    // --windowed asks for a window this time; otherwise the mode the player left the game in.
    window.EnterGameMode(g_screenWidth, g_screenHeight, g_settings.fullscreen && !g_options.windowed,
                         g_settings.windowWidth, g_settings.windowHeight);
    window.SetTitle(Tr("Стройлик"));
    FRunning = -1;
    hr = CreateMouse();
    if (plat::Failed(hr)) WriteErrorLog(hr, "Error-MouseCreate");
    hr = CreateKeyboard();
    if (plat::Failed(hr)) WriteErrorLog(hr, "Error-DeviceCreate");
}

void TForm1::Button2Click() { Close(); }

void TForm1::Button3Click() {
    Button1Click();
    if (g_gameStarted) OpenParentGateOnStart();
}

void TForm1::Close() {
    if (closing_) return;
    closing_ = true;
    FormClose();
    window.Close();
}

void TForm1::CloseRequested() {
    if (g_gameStarted) {
        try {
            LeaveBoxScreen();
        } catch (const std::exception& e) {
            // The window still closes: keeping a child in a game it asked to leave helps nobody.
            ShowMessage(e.what(), GameName());
        }
    }
    Close();
}

void TForm1::FormClose() {
    // The window disappears with its destruction right after; nothing is drawn meanwhile.
    FRunning = 0;
}

void cleanup() {
    ReleaseMediaChannels();
    for (size_t i = g_surfaces.size(); i-- > 0;) g_surfaces[i].texture.reset();
    ReleaseModelBuffers();
    ReleaseModelTextures();
    g_maskTexture.reset();
    g_fontLarge.reset();
    g_fontSmall.reset();
    g_fontNormal.reset();
    g_sprite.reset();
    ReleaseStaticLayer();
    g_device.reset();
}

void TForm1::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    cleanup();
    ReleaseSound();
    g_d3d = nullptr;
    if (FKeyboardDevice) FKeyboardDevice->Unacquire();
    FKeyboardDevice.reset();
    FDInput.reset();
    g_surfaces.clear();
    g_surfaceCount = 0;
    ReleaseSettingsDialog();
    window.SetSystemCursorVisible(true);
    FRunning = 0;
}

void TForm1::ApplicationEvents1Deactivate() {
    FRunning = 0;
    StopMediaChannel(1);
    StopMediaChannel(2);
    window.Minimize();
}

void TForm1::ApplicationEvents1Minimize() {
    window.Minimize();
    FRunning = 0;
}

void TForm1::ApplicationEvents1Restore() {
    window.SetSystemCursorVisible(false);
    FRunning = -1;
    window.Restore();
    RestoreDevice();
    FRunning = -1;
}

plat::WindowHandlers TForm1::Handlers() {
    plat::WindowHandlers h;
    h.onDeactivate = [this] { ApplicationEvents1Deactivate(); };
    h.onMinimize = [this] { ApplicationEvents1Minimize(); };
    h.onRestore = [this] { ApplicationEvents1Restore(); };
    h.onClose = [this] { CloseRequested(); };
    h.onResized = [](int width, int height) {
        g_settings.windowWidth = width;
        g_settings.windowHeight = height;
        StoreSettings();
    };
    return h;
}

void TForm1::ShowMessage(const std::string& text, const std::string& caption) {
    if (window.sdlWindow()) window.MessageBox(text, caption);
    else plat::ShowMessage(text, caption, true);
}
