#pragma once
// Twinkling star bursts of the intro and the main menu.
#include <array>
#include <cstdint>

struct Star {
    int32_t state = 0;        // 0 not shown, -1 alive
    uint64_t lastStep = 0;
    uint64_t StarPeriod = 0;
    int32_t x = 0, y = 0;
    uint32_t colour = 0;      // alpha byte is the fade level
    int32_t phase = 0;        // 0 growing, 1 shrinking
    int32_t respawn = 1;
    float scale = 0;
    float angle = 0;
    int32_t spin = 0;
};

constexpr int StarSetSize = 101;
using StarSet = std::array<Star, StarSetSize>;
extern StarSet g_stars1;
extern StarSet g_stars2;

void InitStarSets();   // start values, called by GameIni
void SpawnStars(StarSet& set, int n, int xRange, int xBase, int yRange, int yBase);
void drawstars();
void drawstars_2();
void stopstars();
void stopstars_2();
