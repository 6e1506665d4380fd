// The absolute pointer: the letterbox, the way back from a window position to the virtual
// screen for every resolution and window size, and touch arriving through SDL's queue.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <limits>
#include <string>

#include "app/form.h"
#include "app/frame_loop.h"
#include "core/game_state.h"
#include "game_driver.h"
#include "game_runner.h"
#include "menus/level_overview.h"
#include "platform/input.h"
#include "platform/letterbox.h"
#include "render/graphics.h"

namespace {

struct Resolution {
    int width, height;
    float scaleX, scaleY;
};
constexpr Resolution kResolutions[] = {{800, 600, 0.625f, 0.585f}, {1024, 768, 0.8f, 0.75f}, {1280, 1024, 1.0f, 1.0f}};

struct WindowCase {
    int windowWidth, windowHeight, drawableWidth, drawableHeight;
};
// Plain windows of many shapes, and HiDPI ones whose drawable has twice the pixels.
constexpr WindowCase kWindows[] = {{800, 600, 800, 600},     {1920, 1080, 1920, 1080}, {1000, 1000, 1000, 1000},
                                   {640, 480, 640, 480},     {1366, 768, 1366, 768},   {1280, 1024, 2560, 2048},
                                   {1440, 900, 2880, 1800}};

TEST(Letterbox, TheLargestCentredRectangleOfThePictureAspect) {
    plat::PictureRect r = plat::FitLetterbox(1920, 1080, 1280, 1024);   // bars left and right
    EXPECT_EQ(r.width, 1350);
    EXPECT_EQ(r.height, 1080);
    EXPECT_EQ(r.x, 285);
    EXPECT_EQ(r.y, 0);
    r = plat::FitLetterbox(1000, 1000, 800, 600);   // bars above and below
    EXPECT_EQ(r.width, 1000);
    EXPECT_EQ(r.height, 750);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 125);
    r = plat::FitLetterbox(1024, 768, 1024, 768);   // no bars
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.width, 1024);
    r = plat::FitLetterbox(0, 768, 1024, 768);   // a minimized window has nothing to show
    EXPECT_EQ(r.width, 0);
}

// Where the picture shows the virtual point, in window units.
void WindowPointOf(const Resolution& res, const WindowCase& w, double vx, double vy, double& x, double& y) {
    const plat::PictureRect r = plat::FitLetterbox(w.drawableWidth, w.drawableHeight, res.width, res.height);
    const double dx = r.x + vx * res.scaleX * r.width / res.width;
    const double dy = r.y + vy * res.scaleY * r.height / res.height;
    x = dx * w.windowWidth / w.drawableWidth;
    y = dy * w.windowHeight / w.drawableHeight;
}

TEST(PointerMapping, TheCursorLandsWhereThePictureShowsIt) {
    for (const Resolution& res : kResolutions) {
        for (const WindowCase& w : kWindows) {
            const plat::PointerSpace space{w.windowWidth, w.windowHeight, w.drawableWidth, w.drawableHeight, res.width,
                                           res.height};
            for (int vx = 0; vx <= 1275; vx += 85) {
                for (int vy = 0; vy <= 1019; vy += 113) {
                    double x = 0, y = 0, px = 0, py = 0;
                    WindowPointOf(res, w, vx, vy, x, y);
                    ASSERT_TRUE(plat::PointerToPicture(space, x, y, px, py));
                    EXPECT_EQ(CursorFromPointer(px, res.scaleX, 1275), vx) << res.width << " in " << w.windowWidth;
                    EXPECT_EQ(CursorFromPointer(py, res.scaleY, 1019), vy) << res.width << " in " << w.windowWidth;
                    // A real pointer reports whole window units: it lands within one unit's worth.
                    ASSERT_TRUE(plat::PointerToPicture(space, std::floor(x), std::floor(y), px, py));
                    const double perUnitX = 1280.0 * w.drawableWidth / w.windowWidth /
                                            plat::FitLetterbox(w.drawableWidth, w.drawableHeight, res.width, res.height).width;
                    EXPECT_LE(std::abs(CursorFromPointer(px, res.scaleX, 1275) - vx), int(std::ceil(perUnitX)) + 1);
                }
            }
        }
    }
}

TEST(PointerMapping, TheBarsClampToTheScreenEdges) {
    for (const Resolution& res : kResolutions) {
        const plat::PointerSpace wide{1920, 1080, 1920, 1080, res.width, res.height};
        double px = 0, py = 0;
        ASSERT_TRUE(plat::PointerToPicture(wide, 3, 540, px, py));   // the left bar
        EXPECT_EQ(CursorFromPointer(px, res.scaleX, 1275), 0);
        ASSERT_TRUE(plat::PointerToPicture(wide, 1917, 1079, px, py));   // the right bar, bottom row
        EXPECT_EQ(CursorFromPointer(px, res.scaleX, 1275), 1275);
        EXPECT_EQ(CursorFromPointer(py, res.scaleY, 1019), 1019);
        const plat::PointerSpace tall{900, 1400, 900, 1400, res.width, res.height};
        ASSERT_TRUE(plat::PointerToPicture(tall, 450, 2, px, py));   // the top bar
        EXPECT_EQ(CursorFromPointer(py, res.scaleY, 1019), 0);
    }
}

TEST(PointerMapping, NonsenseNeverLeavesTheScreen) {
    EXPECT_EQ(CursorFromPointer(std::numeric_limits<double>::quiet_NaN(), 0.8f, 1275), 0);
    EXPECT_EQ(CursorFromPointer(1e300, 0.8f, 1275), 1275);
    EXPECT_EQ(CursorFromPointer(-1e300, 0.8f, 1275), 0);
    EXPECT_EQ(CursorFromPointer(100, 0.0f, 1275), 0);
    double px = 0, py = 0;
    EXPECT_FALSE(plat::PointerToPicture(plat::PointerSpace{}, 10, 10, px, py));   // nothing known yet
}

// The game window (offscreen driver) in game mode, fed through SDL's own event queue.
class PointerEvents : public ::testing::Test {
protected:
    GameDriver game;
    float savedScaleX = g_scaleX, savedScaleY = g_scaleY;

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(Form1->window.Create(plat::WindowOptions{true, false, false}, 418, 179, "pointer", error)) << error;
        Form1->window.EnterGameMode(1024, 768, false, 1024, 768);
        g_scaleX = 0.8f;
        g_scaleY = 0.75f;
        Pump();
    }
    void TearDown() override {
        g_scaleX = savedScaleX;
        g_scaleY = savedScaleY;
    }
    void Pump() { Form1->window.PumpEvents(Form1->Handlers()); }
    void Finger(Uint32 type, SDL_FingerID id, float x, float y) {
        SDL_Event e{};
        e.type = type;
        e.tfinger.touchId = 1;
        e.tfinger.fingerId = id;
        e.tfinger.x = x;
        e.tfinger.y = y;
        e.tfinger.pressure = 1;
        SDL_PushEvent(&e);
        Pump();
    }
};

TEST_F(PointerEvents, AFingerMovesTheCursorThenPressesAndLiftingReleases) {
    int w = 0, h = 0;
    SDL_GetWindowSize(static_cast<SDL_Window*>(Form1->window.sdlWindow()), &w, &h);
    ASSERT_EQ(w, 1024);
    g_screenState = ScreenBox1;   // a drag shows whether the press was seen
    Finger(SDL_FINGERDOWN, 7, 0.25f, 0.5f);
    game.Frame();   // the cursor goes to the finger first
    EXPECT_EQ(g_cursorX, 320);
    EXPECT_EQ(g_cursorY, 512);
    EXPECT_EQ(g_clickLatch, 101);
    game.Frame();   // then the press
    EXPECT_EQ(g_clickLatch, 0);
    EXPECT_EQ(g_drag.state, DragHeld);
    Finger(SDL_FINGERMOTION, 8, 0.9f, 0.9f);   // a second finger does not steer
    Finger(SDL_FINGERMOTION, 7, 0.5f, 0.25f);
    game.Frame();
    EXPECT_EQ(g_cursorX, 640);
    EXPECT_EQ(g_cursorY, 256);
    Finger(SDL_FINGERUP, 7, 0.5f, 0.25f);
    game.Frame();
    EXPECT_EQ(g_clickLatch, 101);
    EXPECT_EQ(g_drag.state, DragReleased);
}

TEST_F(PointerEvents, ATapOnThePageArrowTurnsTheOverviewPage) {
    game.MoveTo(380, 320);   // the main menu's box 1
    game.Click();
    ASSERT_EQ(OverviewPage(), 0);
    const float x = (PageNextRect.left + 20) / 1280.0f, y = (PageNextRect.top + 30) / 1024.0f;
    Finger(SDL_FINGERDOWN, 3, x, y);
    game.Frames(2);
    Finger(SDL_FINGERUP, 3, x, y);
    game.Frames(2);
    EXPECT_EQ(OverviewPage(), 1);
}

TEST_F(PointerEvents, TheMouseIsAbsoluteAndTouchEchoesAreIgnored) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 512;
    e.motion.y = 192;
    e.motion.xrel = 500;   // raw motion means nothing here
    SDL_PushEvent(&e);
    Pump();
    game.Frame();
    EXPECT_EQ(g_cursorX, 640);
    EXPECT_EQ(g_cursorY, 256);
    // SDL's mouse copy of a touch must not press a second time.
    SDL_Event echo{};
    echo.type = SDL_MOUSEBUTTONDOWN;
    echo.button.which = SDL_TOUCH_MOUSEID;
    echo.button.button = SDL_BUTTON_LEFT;
    echo.button.x = 10;
    echo.button.y = 10;
    SDL_PushEvent(&echo);
    Pump();
    game.Frame();
    EXPECT_EQ(g_clickLatch, 101);
    EXPECT_EQ(g_cursorX, 640);
}

}  // namespace

namespace {

TEST(PointerModes, TheRelativeMouseKeepsTheDoubledMotionAndTheKeysSwitchFullScreen) {
    GameRunner runner;
    GameRun run = runner.Run("frames 2\nmove 901 400\nexpect g_cursorX 900\nexpect g_cursorY 400\n", {"--relative-mouse"});
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    run = runner.Run(
        "frames 2\nmove 901 400\nexpect g_cursorX 901\n"
        "expect window.fullscreen 1\n"
        "key F11 down\nframes 1\nkey F11 up\nframes 1\nexpect window.fullscreen 0\nexpect settings.fullscreen 0\n"
        "key ALT down\nkey RETURN down\nframes 1\nkey RETURN up\nkey ALT up\nframes 1\nexpect window.fullscreen 1\n"
        "key RETURN down\nframes 1\nkey RETURN up\nframes 1\nexpect window.fullscreen 1\n");
    EXPECT_EQ(run.exitCode, 0) << run.stdErr;
    EXPECT_NE(runner.ReadFile("settings.ini").find("fullscreen = yes"), std::string::npos);
}

}  // namespace
