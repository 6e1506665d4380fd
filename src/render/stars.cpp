// Twinkling star bursts: each star fades in while growing and turning, fades out while
// shrinking, and waits to be placed again by the spawn pass of the screen that owns it.
#include "render/stars.h"

#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>

#include "core/state_dump.h"
#include "core/timing.h"
#include "platform/matrix.h"
#include "render/graphics.h"
#include "render/sprite_idiom.h"
#include "render/texture_catalog.h"

StarSet g_stars1;
StarSet g_stars2;

namespace {

constexpr uint32_t AlphaOne = 0x01000000u;
constexpr uint32_t FullAlpha = 0xFF000000u;
constexpr uint32_t NoAlphaMax = 0x00FFFFFFu;
constexpr float ScaleStep = 0.005f;
constexpr float SpinStep = std::numbers::pi_v<float> / 2000.0f;
// The star picture on the main sheet and its centre.
constexpr plat::Rect StarSource{2000, 0, 2048, 48};
constexpr float StarCentre = 24.0f;

// Uniform integer 0 <= r < n from the runtime's generator (seeded at start-up).
int Random(int n) {
    return n > 0 ? std::rand() % n : 0;
}

void ResetStar(Star& s) {
    s.state = 0;
    s.respawn = 1;
    s.phase = 0;
    s.colour = 0;
    s.scale = 0;
    s.angle = 0;
}

// One aging step of an alive star.
void StepStar(Star& s) {
    if (s.phase == 0) {
        s.colour += AlphaOne;
        s.scale += ScaleStep;
    } else {
        s.colour -= AlphaOne;
        s.scale -= ScaleStep;
    }
    if (s.colour >= FullAlpha) s.phase = 1;
    if (Random(200) == 20 && s.phase == 0) s.phase = 1;   // an early turn now and then
    if (s.colour <= NoAlphaMax) {
        s.respawn = 1;
        s.phase = 0;
        s.scale = 0;
        s.angle = 0;
        s.state = 0;
    }
    s.angle += s.spin == 0 ? SpinStep : -SpinStep;
}

plat::Matrix StarTransform(const Star& s) {
    plat::Matrix m = plat::MatrixMultiply(plat::MatrixScaling(s.scale, s.scale, s.scale),
                                          plat::MatrixRotationZ(s.angle));
    m.m[3][0] = static_cast<float>(s.x);
    m.m[3][1] = static_cast<float>(s.y);
    return plat::MatrixMultiply(m, ResolutionScaling());
}

void AgeAndDraw(StarSet& set) {
    if (!g_sprite) return;
    g_rect = StarSource;
    g_spriteCenter = {StarCentre, StarCentre, 0};
    const plat::Texture* sheet = SurfaceTexture(SurfaceMain);
    for (Star& s : set) {
        if (s.state == 0) continue;
        if (StepDue(s.lastStep, static_cast<int64_t>(s.StarPeriod))) StepStar(s);
        g_sprite->SetTransform(StarTransform(s));
        // A star that has just died is still drawn once, fully transparent.
        g_sprite->Draw(sheet, &g_rect, &g_spriteCenter, nullptr, s.colour);
    }
    g_sprite->SetTransform(ResolutionScaling());
}

void StopSet(StarSet& set) {
    for (Star& s : set) ResetStar(s);
}

void DumpSet(StateDump& dump, const std::string& name, const StarSet& set) {
    int alive = 0;
    std::string json = "[";
    for (int i = 0; i < StarSetSize; ++i) {
        const Star& s = set[i];
        if (s.state == 0) continue;
        char item[160];
        std::snprintf(item, sizeof item, "%s{\"index\":%d,\"x\":%d,\"y\":%d,\"alpha\":%u,\"scale\":%.4f}",
                      alive ? "," : "", i, s.x, s.y, s.colour >> 24, static_cast<double>(s.scale));
        json += item;
        ++alive;
    }
    json += "]";
    dump.SetInt(name + ".alive", alive);
    dump.SetRaw(name + ".stars", json);
}

}  // namespace

void InitStarSets() {
    const uint64_t period = static_cast<uint64_t>(g_ticksPerSecond / 250);
    for (StarSet* set : {&g_stars1, &g_stars2}) {
        for (Star& s : *set) {
            s = Star{};
            ResetStar(s);
            s.StarPeriod = period;
        }
    }
}

void SpawnStars(StarSet& set, int n, int xRange, int xBase, int yRange, int yBase) {
    if (n > StarSetSize) n = StarSetSize;
    for (int i = 0; i < n; ++i) {
        Star& s = set[i];
        if (s.respawn != 1) continue;
        s.spin = Random(2);
        s.x = Random(xRange) + xBase;
        s.y = Random(yRange) + yBase;
        uint32_t tint = static_cast<uint32_t>(Random(0x888888)) + 0x888888u;
        s.colour = tint > NoAlphaMax ? NoAlphaMax : tint;
        s.respawn = 0;
        s.state = -1;
    }
}

void drawstars() { AgeAndDraw(g_stars1); }
void drawstars_2() { AgeAndDraw(g_stars2); }
void stopstars() { StopSet(g_stars1); }
void stopstars_2() { StopSet(g_stars2); }

void DumpStars(StateDump& dump) {
    DumpSet(dump, "g_stars1", g_stars1);
    DumpSet(dump, "g_stars2", g_stars2);
}
