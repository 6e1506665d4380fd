// Frame times of the real screens on the real device, in milliseconds and in "blits": one
// full-screen alpha-blended textured quad plus a wait for the GPU, measured in the same run at
// the same size. Blits compare across machines; milliseconds only on one.
//
//     cd build/game && ../stroylik_frames --resolution 1280x1024
//
// Each screen runs 200 frames with the clock stepping 10 ms a frame, no vsync, and a figure
// (or on the menus, the cursor) moving every frame. Counters: median and 95th percentile.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/form.h"
#include "box1/box1.h"
#include "box2/box2.h"
#include "core/game_state.h"
#include "core/hint.h"
#include "core/options.h"
#include "input/actions.h"
#include "input/focus.h"
#include "platform/clock.h"
#include "platform/device.h"
#include "platform/input.h"
#include "platform/sprite.h"
#include "platform/texture.h"
#include "render/graphics.h"

namespace {

constexpr int FramesPerScreen = 200;
constexpr int WarmUpFrames = 20;
constexpr int BlitSamples = 100;

using Clock = std::chrono::steady_clock;
}  // namespace

bool FirstPaletteFigureBox1(int& x, int& y);
bool FirstPaletteFigureBox2(int& x, int& y);

namespace {

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

// One idle pass of the game, waited for to the last pixel.
double TimedPass() {
    const auto t0 = Clock::now();
    plat::AdvanceFixedStep();
    bool done = true;
    Form1->ApplicationEvents1Idle(done);
    if (g_device) g_device->Finish();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void Pass() { (void)TimedPass(); }

void MoveBy(int dx, int dy) { plat::InputSource::Get().AddMotion(dx / 2, dy / 2); }
void MoveTo(int x, int y) {
    MoveBy(x - g_cursorX, y - g_cursorY);
    Pass();
}
void Button(bool down) {
    plat::InputSource::Get().SetButton(0, down);
    Pass();
}

// The reference: a texture as large as the back buffer drawn over it once, blended.
double MedianBlitMs() {
    plat::PresentParams p;
    p.width = g_screenWidth;
    p.height = g_screenHeight;
    p.vsync = false;
    std::unique_ptr<plat::Device> device;
    std::unique_ptr<plat::Sprite> sprite;
    if (plat::Device::Create(Form1->window, p, device) != plat::S_OK || plat::Sprite::Create(device.get(), sprite) != plat::S_OK)
        return 0;
    plat::Image image;
    image.width = p.width;
    image.height = p.height;
    image.pixels.resize(size_t(p.width) * p.height);
    for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = 0x80000000u | uint32_t(i * 2654435761u >> 8);
    auto texture = plat::Texture::FromImage(image, false);
    std::vector<double> ms;
    for (int i = 0; i < BlitSamples + 10; ++i) {
        const auto t0 = Clock::now();
        device->BeginScene();
        sprite->Begin(plat::SPRITE_ALPHABLEND);
        sprite->Draw(texture.get(), nullptr, nullptr, nullptr, 0xFFFFFFFF);
        sprite->End();
        device->EndScene();
        device->Finish();
        if (i >= 10) ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    sprite.reset();
    device.reset();
    if (g_device) g_device->BindBackBuffer();
    return Percentile(ms, 0.5);
}

double g_blitMs = 0;

// Runs the screen's frames with `wiggle` moving the cursor each frame; reports the counters.
template <class Wiggle>
void MeasureScreen(benchmark::State& state, Wiggle wiggle) {
    for (int i = 0; i < WarmUpFrames; ++i) {
        wiggle(i);
        Pass();
    }
    std::vector<double> ms;
    int frame = 0;
    for (auto _ : state) {
        wiggle(WarmUpFrames + frame++);
        const double t = TimedPass();
        state.SetIterationTime(t / 1000.0);
        ms.push_back(t);
    }
    const double median = Percentile(ms, 0.5), p95 = Percentile(ms, 0.95);
    state.counters["median_ms"] = median;
    state.counters["p95_ms"] = p95;
    state.counters["blit_ms"] = g_blitMs;
    if (g_blitMs > 0) {
        state.counters["median_blits"] = median / g_blitMs;
        state.counters["p95_blits"] = p95 / g_blitMs;
    }
}

// Back and forth over 40 virtual units, so every frame shows movement.
void Sway(int frame) { MoveBy((frame / 10) % 2 == 0 ? 4 : -4, (frame / 10) % 2 == 0 ? 2 : -2); }

void BM_Blit(benchmark::State& state) {
    g_blitMs = MedianBlitMs();
    for (auto _ : state) state.SetIterationTime(g_blitMs / 1000.0);
    state.counters["median_ms"] = g_blitMs;
}

void BM_Intro(benchmark::State& state) {
    MeasureScreen(state, [](int) {});
}

void BM_MainMenu(benchmark::State& state) {
    Button(true);   // ends the intro
    Button(false);
    MoveTo(640, 300);
    MeasureScreen(state, Sway);
}

void BM_StartScreen(benchmark::State& state) {
    MoveTo(380, 320);   // box 1
    Button(true);
    Button(false);
    MoveTo(500, 600);
    MeasureScreen(state, Sway);
}

// The level with the most build cells, so the busiest field of the box.
int LargestLevel(void (*load)()) {
    int best = 1, bestCells = -1;
    for (int level = 1; level <= 100; ++level) {
        g_currentLevel = level;
        try {
            load();
        } catch (...) {
            break;
        }
        const LevelInfo& info = g_levelInfo[level];
        if (info.buildCols * info.buildRows > bestCells) bestCells = info.buildCols * info.buildRows, best = level;
    }
    return best;
}

// Enters a box on its largest level.
void EnterBox(int32_t screen, const char* prefix, void (*load)()) {
    g_screenState = screen;
    g_levelPathPrefix = prefix;
    g_currentLevel = LargestLevel(load);
    g_maxCompletedLevel = g_currentLevel - 1;   // open, not locked
    g_levelDone = 0;
    load();
    Pass();
    MoveTo(600, 400);
}

// Enters a box on its largest level and picks up the first figure of its palette.
void EnterBoxHolding(int32_t screen, const char* prefix, void (*load)(), bool (*firstFigure)(int&, int&)) {
    EnterBox(screen, prefix, load);
    int x = 0, y = 0;
    if (!firstFigure(x, y)) return;
    MoveTo(x & ~1, y & ~1);
    Button(true);
    Pass();   // the drawing pass after the press takes the figure
    MoveTo(600, 400);
}

void BM_Box1Drag(benchmark::State& state) {
    EnterBoxHolding(ScreenBox1, "./levels/k1/level", loadlevels, FirstPaletteFigureBox1);
    if (g_drag.figure == 0) state.SkipWithError("no figure picked up");
    MeasureScreen(state, Sway);
    Button(false);
}

// The same screen as a keyboard player sees it: the focus frame on a field cell.
void BM_Box1DragFocus(benchmark::State& state) {
    EnterBoxHolding(ScreenBox1, "./levels/k1/level", loadlevels, FirstPaletteFigureBox1);
    if (g_drag.figure == 0) state.SkipWithError("no figure picked up");
    SetKeysInUse(true);
    SwitchFocusZone();
    MeasureScreen(state, Sway);
    Button(false);
}

void BM_Box2Drag(benchmark::State& state) {
    EnterBoxHolding(ScreenBox2, "./levels/k2/level", loadlevels2, FirstPaletteFigureBox2);
    if (g_drag.figure == 0) state.SkipWithError("no figure picked up");
    MeasureScreen(state, Sway);
    Button(false);
}

// The same largest level with nothing shown over it, and with the hint's third step (the
// glow, the ghost at its place and the hand carrying a copy), for a before/after in one run.
void BM_Box1Still(benchmark::State& state) {
    EnterBox(ScreenBox1, "./levels/k1/level", loadlevels);
    MeasureScreen(state, Sway);
}

void ShowHintStepThree(benchmark::State& state) {
    for (int i = 0; i < MaxHintStep; ++i) {
        AskForHint();
        Pass();
    }
    if (g_hint.step != MaxHintStep) state.SkipWithError("no hint shown");
}

void BM_Box1Hint(benchmark::State& state) {
    EnterBox(ScreenBox1, "./levels/k1/level", loadlevels);
    ShowHintStepThree(state);
    MeasureScreen(state, Sway);
}

void BM_Box2Still(benchmark::State& state) {
    EnterBox(ScreenBox2, "./levels/k2/level", loadlevels2);
    MeasureScreen(state, Sway);
}

void BM_Box2Hint(benchmark::State& state) {
    EnterBox(ScreenBox2, "./levels/k2/level", loadlevels2);
    ShowHintStepThree(state);
    MeasureScreen(state, Sway);
}

bool StartGame(int resolutionIndex) {
    g_options.headless = true;
    g_options.vsync = false;
    plat::SetFixedStep(10);
    Form1 = new TForm1;
    std::string error;
    plat::WindowOptions windowOptions;
    windowOptions.headless = true;
    windowOptions.windowed = true;
    if (!Form1->window.Create(windowOptions, 418, 179, "Стройлик (Настройка)", error)) {
        std::fprintf(stderr, "stroylik_frames: %s\n", error.c_str());
        return false;
    }
    Form1->FormCreate();
    Form1->ComboBox1.itemIndex = resolutionIndex;
    Form1->Button1Click();
    return g_device != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    int resolution = 2;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--resolution") == 0 && i + 1 < argc) {
            const std::string r = argv[++i];
            resolution = r == "800x600" ? 0 : r == "1024x768" ? 1 : 2;
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (!StartGame(resolution)) return 1;
    const std::string size = std::to_string(g_screenWidth) + "x" + std::to_string(g_screenHeight);
    auto add = [&](const char* name, void (*fn)(benchmark::State&), int iterations) {
        benchmark::RegisterBenchmark((std::string(name) + "/" + size).c_str(), fn)
            ->Iterations(iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    add("Blit", BM_Blit, 1);
    add("Intro", BM_Intro, FramesPerScreen);
    add("MainMenu", BM_MainMenu, FramesPerScreen);
    add("StartScreen", BM_StartScreen, FramesPerScreen);
    add("Box1LargestDrag", BM_Box1Drag, FramesPerScreen);
    add("Box1LargestDragFocus", BM_Box1DragFocus, FramesPerScreen);
    add("Box2LargestDrag", BM_Box2Drag, FramesPerScreen);
    add("Box1LargestStill", BM_Box1Still, FramesPerScreen);
    add("Box1LargestHint3", BM_Box1Hint, FramesPerScreen);
    add("Box2LargestStill", BM_Box2Still, FramesPerScreen);
    add("Box2LargestHint3", BM_Box2Hint, FramesPerScreen);
    int n = int(rest.size());
    benchmark::Initialize(&n, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Form1->FormDestroy();
    return 0;
}
