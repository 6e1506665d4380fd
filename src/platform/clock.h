#pragma once
// The monotonic clock that stands in for the processor's time-stamp counter.
#include <cstdint>

namespace plat {

// Ticks since an arbitrary start. With a fixed step set, the clock only moves when
// AdvanceFixedStep is called (once per frame), so animations are deterministic.
uint64_t ClockNow();
// Ticks per second of ClockNow.
int64_t ClockRate();
void SetFixedStep(int milliseconds);   // 0 = real time
bool FixedStepActive();
void AdvanceFixedStep();

}  // namespace plat
