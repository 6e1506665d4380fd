#pragma once
// The keyboard's place on a box screen: a cell of the palette or of the build field.
#include <cstdint>

class StateDump;

enum FocusZone : int32_t { FocusPalette = 0, FocusField = 1 };

// A zone's cells in virtual units.
struct FocusGrid {
    int32_t left = 0, top = 0, cell = 0, cols = 0, rows = 0;
};

struct FocusState {
    int32_t zone = FocusPalette;
    int32_t col[2] = {}, row[2] = {};   // per zone: where the focus is, or was last
};

// The zone's grid on the box screen shown (empty elsewhere), and each box's own.
FocusGrid FocusZoneGrid(int32_t zone);
FocusGrid Box1FocusGrid(int32_t zone);
FocusGrid Box2FocusGrid(int32_t zone);
// One cell over; the focus stops at the edges.
void MoveFocus(int dc, int dr);
// To the other zone, where the focus last was there.
void SwitchFocusZone();
// The focused cell's rectangle and its centre, in virtual units.
void FocusCellRect(int32_t& x, int32_t& y, int32_t& w, int32_t& h);
void FocusCellCentre(int32_t& x, int32_t& y);
const FocusState& Focus();
// Back to the palette's top-left cell, both zones forgotten, as on entering a level.
void ResetFocus();
// "focus" {zone "palette" or "field", col, row}.
void DumpFocus(StateDump& dump);
