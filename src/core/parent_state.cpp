// The parent corner's state between frames.
#include "core/parent_state.h"

int32_t g_newGameAsked = 0;
int32_t g_removeProfileAsked = 0;
int32_t g_removePuzzleAsked = 0;
int32_t g_parentCorner = 0;
bool g_kiosk = false;

void ResetParentState() {
    g_newGameAsked = 0;
    g_removeProfileAsked = 0;
    g_removePuzzleAsked = 0;
    g_parentCorner = 0;
}
