#include "game_driver.h"

#include "core/parent_state.h"
#include "core/system_settings.h"
#include "menus/parent_gate.h"

#include <unistd.h>

#include <climits>
#include <memory>
#include <vector>
#include <filesystem>
#include <stdexcept>

#include "app/form.h"
#include "app/action_routes.h"
#include "app/frame_loop.h"
#include "input/click_carry.h"
#include "input/focus.h"
#include "platform/gamepad.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "core/options.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "core/tables.h"
#include "app/game_ini.h"
#include "core/timing.h"
#include "game_runner.h"
#include "input/input.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "render/graphics.h"
#include "render/texture_catalog.h"

namespace {

constexpr int kFrameMs = 16;   // the clock advances this much per driven frame

// Every shared value back to how a fresh program has it.
void ResetSharedState() {
    ResetGameState();
    EndProfiles();
    g_introActive = 1;
    g_cursorX = 600;
    g_cursorY = 120;
    g_hr = 0;
    g_clearColor = 0xFF0000FF;
    g_gameStarted = false;
    for (uint8_t& k : g_keys) k = 0;
    plat::InputSource::Get().Reset();
    plat::DetachVirtualPad();
    ResetKeyboardActions();
    ResetActionRoutes();
    ResetCarry();
    ResetFocus();
    g_settings = Settings();
    g_options.relativeMouse = false;
    g_kiosk = false;
    CloseGate();
    g_settingsDefaults = Settings();
    g_systemSettingsPath.clear();
}

// The recording graphics and pictures outlive a driver (the fonts take long to build), but
// between drivers they are kept aside, so that other tests find the globals as they left them.
struct KeptGraphics {
    std::unique_ptr<plat::Sprite> sprite;
    std::unique_ptr<plat::Font> fontNormal, fontSmall, fontLarge;
    std::unique_ptr<plat::Texture> mask;
    std::vector<TSurfaces> surfaces;
    int surfaceCount = 0;
    bool complete = false;
};
KeptGraphics g_kept;

void TakeKeptGraphics() {
    if (g_kept.complete && !g_device) {
        g_sprite = std::move(g_kept.sprite);
        g_fontNormal = std::move(g_kept.fontNormal);
        g_fontSmall = std::move(g_kept.fontSmall);
        g_fontLarge = std::move(g_kept.fontLarge);
        g_maskTexture = std::move(g_kept.mask);
        g_surfaces = std::move(g_kept.surfaces);
        g_surfaceCount = g_kept.surfaceCount;
        g_kept = KeptGraphics{};
        return;
    }
    LoadSurfacesIni();
    UseRecorderGraphics();
}

void KeepGraphics() {
    AbortFrame();   // a batch left open by an error
    g_kept.sprite = std::move(g_sprite);
    g_kept.fontNormal = std::move(g_fontNormal);
    g_kept.fontSmall = std::move(g_fontSmall);
    g_kept.fontLarge = std::move(g_fontLarge);
    g_kept.mask = std::move(g_maskTexture);
    g_kept.surfaces = std::move(g_surfaces);
    g_kept.surfaceCount = g_surfaceCount;
    g_surfaces.clear();
    g_surfaceCount = 0;
    g_kept.complete = g_kept.sprite && g_kept.fontNormal && g_kept.fontSmall && g_kept.fontLarge && g_kept.mask;
}

}  // namespace

GameDriver::GameDriver() {
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) throw std::runtime_error("no working folder");
    previousDir_ = cwd;
    dir_ = MakeScratchGameFolder("drv");
    if (chdir(dir_.c_str()) != 0) throw std::runtime_error("cannot enter " + dir_);

    ResetSharedState();
    SetSettingsFilePath(dir_ + "/settings.ini");
    plat::SetFixedStep(kFrameMs);
    GetCPUSpeed();
    if (!Form1) Form1 = new TForm1;
    TakeKeptGraphics();
    GameIni();
    CreateMouse();
    CreateKeyboard();
    Form1->FRunning = -1;
    g_gameStarted = true;
    g_cursorX = 640;
    g_cursorY = 800;
    g_introActive = 0;
    g_screenState = ScreenMainMenu;
}

GameDriver::~GameDriver() {
    if (chdir(previousDir_.c_str()) != 0) {
        // Nothing sensible to do in a destructor; the folder is removed by absolute path.
    }
    KeepGraphics();
    delete Form1;
    Form1 = nullptr;
    plat::SetFixedStep(0);
    ResetSharedState();   // the next test starts from a fresh program's values
    SetSettingsFilePath("");
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void GameDriver::Frame() {
    plat::AdvanceFixedStep();
    if (g_sprite) g_sprite->resetCounters();
    if (g_introActive != 1) DrawFrameContents();
    ReadKeyboard();
    FrameLogic();
}

void GameDriver::Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
}

void GameDriver::MoveTo(int x, int y) {
    plat::InputSource::Get().AddMotion((x - g_cursorX) / 2, (y - g_cursorY) / 2);
    Frame();
}

void GameDriver::Press() {
    plat::InputSource::Get().SetButton(0, true);
    Frame();
}

void GameDriver::Release() {
    plat::InputSource::Get().SetButton(0, false);
    Frame();
}

void GameDriver::Click() {
    Press();
    Release();
}

void GameDriver::Drag(int fromX, int fromY, int toX, int toY) {
    MoveTo(fromX, fromY);
    Press();
    MoveTo(toX, toY);
    Release();
    Frame();   // the frame after the release resolves the drop
}

void GameDriver::Key(unsigned char code, bool down) { plat::InputSource::Get().SetKey(code, down); }
