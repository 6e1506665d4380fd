#pragma once
// What the keep button of a free-construction level tells after a press: a picture for a
// couple of seconds (kept, nothing to keep, not kept) and the name of the last puzzle kept.
// Plain logic on the game clock; the renderer draws what this says.
#include <cstdint>
#include <string>

class StateDump;

enum KeepResult : int32_t {
    KeepNothingShown = 0,
    KeepKept = 1,
    KeepEmptyBoard = 2,
    KeepNotKept = 3,   // the reader refused the file or it could not be written
};

constexpr int64_t KeepShownMs = 2000;

// Shows `result` from now on; `keptName` is the file's name after a keep.
void ShowKeepResult(KeepResult result, const std::string& keptName = "");
// The result while it is shown, KeepNothingShown after KeepShownMs.
KeepResult KeepResultNow();
const std::string& KeptFileName();
void ResetKeepResult();
// keepResult (as KeepResultNow) and keptFile ("" before the first keep).
void DumpKeep(StateDump& dump);
