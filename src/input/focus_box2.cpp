// Where the focus can stand on the box 2 screen: the palette strip and the build field.
#include <algorithm>

#include "box2/box2_board.h"
#include "input/focus.h"

FocusGrid Box2FocusGrid(int32_t zone) {
    if (zone == FocusPalette) return {PaletteLeft2, PaletteTop2, Box2Cell, PaletteCols, PaletteRows};
    const LevelInfo* info = CurrentLevelInfo();
    if (!info) return {};
    return {g_fieldRect.left, g_fieldRect.top, Box2Cell, std::min(info->buildCols, GridSize),
            std::min(info->buildRows, GridSize)};
}
