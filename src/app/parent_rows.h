#pragma once
// The rows of the parent corner, as one plain table: what each row says, which setting it
// changes (so a school's lock can hold it) and what it does. Profiles and puzzles add their
// rows to the table in parent_rows.cpp.
#include <cstdint>

#include "menus/parent_corner.h"

struct ParentRow {
    const char* label;
    const char* settingKey;          // the settings key it changes, or nullptr for an action
    int32_t levels;                  // 0 an action, 1 a switch, N a level 0..N
    int32_t (*value)();              // the switch or level now (nullptr for an action)
    void (*change)(int step);        // +1 or -1 for a level or a switch; an action ignores it
    bool (*available)();             // nullptr: always; false greys the row out
    const char* (*valueText)();      // nullptr: stars; else the value as the row shows it
};

// The table, and its length.
const ParentRow* ParentRows();
int ParentRowCount();
// The corner as it should be drawn now, with the keyboard's focus.
ParentCornerView BuildParentCornerView(int32_t focus);
// Runs row `index` in direction `step` (+1 raises or switches, -1 lowers); nothing for a
// locked or unavailable row. Everything it changes is in the settings file when it returns.
// Throws GameFileError when moving progress fails (nothing is lost then).
void RunParentRow(int index, int step);
// Kiosk mode for the run: the settings' choice or --kiosk.
void ApplyKioskSetting();
