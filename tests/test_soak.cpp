// A long random run of the real frame logic in-process (recorder graphics, real files): random
// clicks and drags through the menus and both boxes, checking that nothing throws but file
// messages and that memory stays flat. Off by default (it is long); tools/soak.sh describes
// how to run it, and the same walk with the real program and its GL drawing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "core/game_error.h"
#include "core/game_state.h"
#include "game_driver.h"
#include "platform/input.h"

namespace {

long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class RandomWalk {
public:
    RandomWalk(GameDriver& game, unsigned seed) : game_(game), rng_(seed) {}

    long frames = 0;
    long messages = 0;

    // From the main menu: a box, new game or continue, random play, the corner button back.
    void Episode() {
        if (Chance(0.5)) Click(380, 320);
        else Click(860, 500);
        if (Chance(0.4)) Click(500, 220);
        else Click(500, 550);
        const int actions = Between(20, 200);
        for (int a = 0; a < actions; ++a) Action();
        Click(1250, 20);
        Wait(2);
    }

private:
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }

    // Every frame runs through here: a file message ends that frame and is counted.
    template <typename Step>
    void Run(Step step, int frameCount) {
        try {
            step();
        } catch (const GameFileError&) {
            ++messages;
        }
        frames += frameCount;
    }
    void Move(int x, int y) { Run([&] { game_.MoveTo(x, y); }, 1); }
    void Button(bool down) {
        Run([&] { down ? game_.Press() : game_.Release(); }, 1);
    }
    void Click(int x, int y) {
        Move(x, y);
        Button(true);
        Button(false);
    }
    void Wait(int n) {
        for (int i = 0; i < n; ++i) Run([&] { game_.Frame(); }, 1);
    }
    // A point away from the corner button, which closes the game from the main menu.
    void Anywhere(int& x, int& y) {
        do {
            x = Between(0, 1275);
            y = Between(0, 1019);
        } while (x >= 1225 && y <= 55);
    }
    void Action() {
        const double r = std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
        int x = 0, y = 0;
        if (r < 0.45) {   // a drag from the palettes
            Move(Between(2, 1270), Between(706, 1019));
            Button(true);
            Wait(Between(0, 2));
            Anywhere(x, y);
            Move(x, y);
            Button(false);
            Wait(Between(1, 40));
        } else if (r < 0.85) {
            Anywhere(x, y);
            Click(x, y);
        } else if (r < 0.99) {
            Wait(Between(1, 60));
        } else {   // the export key
            game_.Key(plat::DIK::S, true);
            Wait(1);
            game_.Key(plat::DIK::S, false);
        }
    }

    GameDriver& game_;
    std::mt19937 rng_;
};

}  // namespace

TEST(Soak, DISABLED_RandomClicksAndDragsThroughMenusAndBoxes) {
    const long wanted = EnvNumber("STROYLIK_SOAK_FRAMES", 200000);
    GameDriver game;
    RandomWalk walk(game, static_cast<unsigned>(EnvNumber("STROYLIK_SOAK_SEED", 1)));
    walk.Episode();   // every kind of screen and file once before memory is measured
    const long startKiB = ResidentKiB();
    while (walk.frames < wanted) {
        walk.Episode();
        ASSERT_EQ(g_screenState, ScreenMainMenu) << "after " << walk.frames << " frames";
    }
    const long endKiB = ResidentKiB();
    std::printf("soak: %ld frames, %ld file messages, resident memory %ld KiB after the first episode, %ld KiB at the end\n",
                walk.frames, walk.messages, startKiB, endKiB);
    EXPECT_EQ(walk.messages, 0) << "the game's own files never fail to read";
    EXPECT_LT(endKiB - startKiB, 32 * 1024) << "memory grows";
}
