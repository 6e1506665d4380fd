#pragma once
// The "show me" ladder: which help step is shown for which figure, driven by asks, by the
// game clock when the child is idle, and cleared by every real move. Plain logic; the boxes
// find the figure and the renderer draws what this decides.
#include <cstdint>

// A figure to move: where it lies now (its top-left pixel, palette or field) and where it
// belongs. Virtual units; all 0 when there is none.
struct HintTarget {
    int32_t figure = 0;
    int32_t fromX = 0, fromY = 0;
    int32_t toX = 0, toY = 0;
};

struct HintState {
    int32_t step = 0;            // 0 none, 1 the figure glows, 2 its ghost at its place, 3 a hand carries it
    HintTarget target;
    int32_t ghostX = 0, ghostY = 0;   // step 3: where the carried ghost copy is in this frame
    uint32_t glowAlpha = 0;           // the glow's breathing, 0..255
};
extern HintState g_hint;

constexpr int MaxHintStep = 3;

// The one way to ask for help (the hint button, H, a controller's Y): the next step shows in
// the next frame of a box screen. Asks where no hint can be shown do nothing.
void AskForHint();
// Any input from any device: the idle clock starts again.
void NoteHintInput();
// Back to no hint, the idle clock started again (a new level, leaving the screen).
void ResetHint();

// Once a frame on a box screen. `open`: an ordinary level being played, unlocked and not
// solved. `moving`: a figure is in the hand or in flight (a real move). `find` fills the
// next figure to move and returns false when there is none.
void StepHint(bool open, bool moving, bool (*find)(HintTarget&));
