#pragma once
// Draws the keep button of the free-construction levels and the answer the game decided on.
#include <cstdint>

// `answer`: 0 the button alone (lit while hot), 1 the "kept" picture over it, 2 or 3 the
// "not kept" picture over it (the values of core/keep_result.h).
void DrawKeepButton(bool hot, int32_t answer);
