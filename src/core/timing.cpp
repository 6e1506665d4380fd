// The game's clock: the platform's monotonic counter and its known rate.
#include "core/timing.h"

#include "platform/clock.h"

uint64_t g_now = 0;
int64_t g_ticksPerSecond = 0;

void ReadTimeStamp() { g_now = plat::ClockNow(); }

// The counter's rate is known, so nothing needs to be measured (and no start-up pause).
void GetCPUSpeed() {
    ReadTimeStamp();
    g_ticksPerSecond = plat::ClockRate();
}

bool StepDue(uint64_t& lastStep, int64_t period) {
    ReadTimeStamp();
    if (static_cast<int64_t>(g_now - lastStep) < period) return false;
    ReadTimeStamp();
    lastStep = g_now;
    return true;
}
