// The monotonic clock: nanoseconds of the steady clock, or a frame-stepped counter
// when a fixed step is set (deterministic animation in scripted runs).
#include "platform/clock.h"

#include <chrono>

namespace plat {

namespace {
constexpr int64_t kRate = 1000000000;           // ticks per second: nanoseconds
constexpr uint64_t kFixedStart = 1000000000;    // fixed-step time starts one second in
int g_fixedStepMs = 0;
uint64_t g_fixedNow = kFixedStart;

uint64_t SteadyNanoseconds() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
}
}  // namespace

uint64_t ClockNow() {
    if (g_fixedStepMs > 0) return g_fixedNow;
    return SteadyNanoseconds();
}

int64_t ClockRate() { return kRate; }

void SetFixedStep(int milliseconds) {
    g_fixedStepMs = milliseconds > 0 ? milliseconds : 0;
    g_fixedNow = kFixedStart;
}

bool FixedStepActive() { return g_fixedStepMs > 0; }

void AdvanceFixedStep() {
    if (g_fixedStepMs > 0) g_fixedNow += static_cast<uint64_t>(g_fixedStepMs) * (kRate / 1000);
}

}  // namespace plat
