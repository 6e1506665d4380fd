#pragma once
#include <cstdint>

extern uint64_t g_now;
extern int64_t g_ticksPerSecond;

void ReadTimeStamp();
void GetCPUSpeed();

// The animation step test: true (and lastStep updated to a fresh reading) when at least
// `period` ticks have passed since lastStep.
bool StepDue(uint64_t& lastStep, int64_t period);
