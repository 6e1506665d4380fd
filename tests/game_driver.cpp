#include "game_driver.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <stdexcept>

#include "app/form.h"
#include "app/frame_loop.h"
#include "app/game_state.h"
#include "app/tables.h"
#include "app/timing.h"
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
    g_screenState = ScreenMainMenu;
    g_hotButton = 0;
    g_currentLevel = 0;
    g_maxCompletedLevel = 0;
    g_levelDone = 0;
    g_saveExists = 0;
    g_levelPathPrefix.clear();
    g_clickLatch = 0;
    g_introActive = 1;
    g_cursorX = 600;
    g_cursorY = 120;
    g_hr = 0;
    g_clearColor = 0xFF0000FF;
    g_gameStarted = false;
    g_levelInfo = {};
    g_drag = DragRecord{};
    g_returning = 0;
    g_dropResolved = 0;
    g_layerColour = 0xFFFFFFFF;
    g_pulseRising = 0;
    g_levelLocked = 0;
    g_fieldRect = FieldRect{};
    for (uint8_t& k : g_keys) k = 0;
    plat::InputSource::Get().Reset();
}

}  // namespace

GameDriver::GameDriver() {
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) throw std::runtime_error("no working folder");
    previousDir_ = cwd;
    dir_ = MakeScratchGameFolder("drv");
    if (chdir(dir_.c_str()) != 0) throw std::runtime_error("cannot enter " + dir_);

    ResetSharedState();
    plat::SetFixedStep(kFrameMs);
    GetCPUSpeed();
    // The pictures are the same in every scratch folder: load them once per process.
    if (g_surfaces.empty() || g_surfaceCount == 0) LoadSurfacesIni();
    if (!Form1) Form1 = new TForm1;
    // The recording graphics outlive a driver (fonts take long to build); a fresh set is made
    // only when something is missing, e.g. after a test released them.
    if (g_device || !g_sprite || !g_fontNormal || !g_fontSmall || !g_fontLarge || !g_maskTexture) {
        UseRecorderGraphics();
    } else {
        AbortFrame();   // a batch left open by an earlier test's error
        InitSurfaces();
    }
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
    delete Form1;
    Form1 = nullptr;
    plat::SetFixedStep(0);
    ResetSharedState();   // the next test starts from a fresh program's values
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
