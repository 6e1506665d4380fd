// The keep button's answer: which picture, since when, and the last file kept.
#include "core/keep_result.h"

#include "core/state_dump.h"
#include "core/timing.h"

namespace {

KeepResult g_result = KeepNothingShown;
uint64_t g_shownSince = 0;
std::string g_keptName;

}  // namespace

void ShowKeepResult(KeepResult result, const std::string& keptName) {
    g_result = result;
    g_shownSince = g_now;
    if (result == KeepKept) g_keptName = keptName;
}

KeepResult KeepResultNow() {
    if (g_result == KeepNothingShown || g_ticksPerSecond <= 0) return g_result;
    const int64_t ms = static_cast<int64_t>(g_now - g_shownSince) * 1000 / g_ticksPerSecond;
    if (ms >= KeepShownMs) g_result = KeepNothingShown;
    return g_result;
}

const std::string& KeptFileName() { return g_keptName; }

void ResetKeepResult() {
    g_result = KeepNothingShown;
    g_keptName.clear();
}

void DumpKeep(StateDump& dump) {
    dump.SetInt("keepResult", KeepResultNow());
    dump.SetString("keptFile", g_keptName);
}
