// The "show me" ladder: asks and the idle clock move it up, a real move takes it back to 0.
#include "core/hint.h"

#include <cmath>

#include "core/child_settings.h"
#include "core/settings.h"
#include "core/state_dump.h"
#include "core/timing.h"

HintState g_hint;

namespace {

// The carried ghost travels for TravelMs, rests on its place for RestMs, and starts again.
constexpr int64_t TravelMs = 1600;
constexpr int64_t RestMs = 700;
constexpr int64_t BreathMs = 1200;

int32_t g_asks = 0;
bool g_idleClockSet = false;
uint64_t g_lastInput = 0;
uint64_t g_stepStart = 0;

int64_t MsSince(uint64_t tick) {
    if (g_ticksPerSecond <= 0) return 0;
    return static_cast<int64_t>(g_now - tick) * 1000 / g_ticksPerSecond;
}

void Clear() {
    g_hint = HintState{};
    g_asks = 0;
    g_idleClockSet = false;
}

bool IdleTooLong() {
    const int seconds = HintAfterSecondsNow();
    return seconds > 0 && g_idleClockSet && MsSince(g_lastInput) >= int64_t(seconds) * 1000;
}

// One step up; the first step looks for its figure, and without one nothing is shown.
void Climb(bool (*find)(HintTarget&)) {
    if (g_hint.step >= MaxHintStep) return;
    if (g_hint.step == 0) {
        HintTarget target;
        if (!find || !find(target) || target.figure <= 0) return;
        g_hint.target = target;
    }
    ++g_hint.step;
    g_stepStart = g_now;
}

// Eased travel from the figure's place to where it belongs; it rests there, then loops.
void PlaceGhost() {
    const HintTarget& t = g_hint.target;
    const int64_t phase = MsSince(g_stepStart) % (TravelMs + RestMs);
    const double u = phase >= TravelMs ? 1.0 : double(phase) / double(TravelMs);
    const double eased = u * u * (3.0 - 2.0 * u);
    g_hint.ghostX = t.fromX + static_cast<int32_t>(std::lround((t.toX - t.fromX) * eased));
    g_hint.ghostY = t.fromY + static_cast<int32_t>(std::lround((t.toY - t.fromY) * eased));
}

}  // namespace

void AskForHint() { ++g_asks; }

void NoteHintInput() {
    ReadTimeStamp();
    g_lastInput = g_now;
    g_idleClockSet = true;
}

void ResetHint() {
    Clear();
    NoteHintInput();
}

void StepHint(bool open, bool moving, bool (*find)(HintTarget&)) {
    ReadTimeStamp();
    if (!open || moving) {
        ResetHint();
        return;
    }
    if (!g_idleClockSet) NoteHintInput();
    // Waiting only ever brings the first step: the child still makes every move.
    if (g_hint.step == 0 && IdleTooLong()) Climb(find);
    for (; g_asks > 0; --g_asks) Climb(find);
    if (g_hint.step == 0) return;
    const double breath = 0.5 + 0.5 * std::sin(2.0 * 3.14159265 * double(MsSince(g_stepStart) % BreathMs) / BreathMs);
    g_hint.glowAlpha = static_cast<uint32_t>(110 + 145 * breath);
    if (g_hint.step >= 3) PlaceGhost();
    else g_hint.ghostX = g_hint.ghostY = 0;
}

void DumpHint(StateDump& dump) {
    const bool shown = g_hint.step > 0;
    dump.SetInt("hint.step", g_hint.step);
    dump.SetInt("hint.figure", shown ? g_hint.target.figure : 0);
    dump.SetInt("hint.fromX", shown ? g_hint.target.fromX : 0);
    dump.SetInt("hint.fromY", shown ? g_hint.target.fromY : 0);
    dump.SetInt("hint.toX", shown ? g_hint.target.toX : 0);
    dump.SetInt("hint.toY", shown ? g_hint.target.toY : 0);
}
