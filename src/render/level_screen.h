#pragma once
// The chrome both box screens draw around their boards: the faded decoration pieces, the
// hint line at the top, the picture's name, the four level buttons and the level number.
#include <cstdint>

// One decoration: a source rectangle of the main sheet drawn at (x, y) in `colour`.
struct Piece {
    int left, top, right, bottom, x, y;
    uint32_t colour;
};

void DrawDecorations(const Piece* pieces, int count);

// One line in the large font where the hint goes.
void DrawHintLine(const char* text);

// The hint for the level's state: what to do, that the previous level is still open, that a
// click moves on, and the free-build note.
void DrawLevelHint(int32_t levelDone, int32_t locked, int32_t freeBuild);

// Restart, back, next (not on free-build levels) and previous (not on level 1), each in its
// hot picture when g_hotButton names it; the caller scans the mouse first.
void DrawLevelButtons(int32_t freeBuild, int32_t level);

// The level number beside the buttons, moved left by a digit width for each extra digit.
void DrawLevelNumber(int32_t level);

// The picture's name in the free corner left of the hint line, in the large font, or in the
// normal one when the large would not fit.
void DrawLevelName(const char* name);
