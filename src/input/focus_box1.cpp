// Where the focus can stand on the box 1 screen: the palette and the build field.
#include <algorithm>

#include "box1/box1_board.h"
#include "input/focus.h"

FocusGrid Box1FocusGrid(int32_t zone) {
    if (zone == FocusPalette) return {PaletteLeft, PaletteTop, CellSize, PaletteCols, PaletteRows};
    const LevelInfo* info = CurrentLevelInfo();
    if (!info) return {};
    return {g_fieldRect.left, g_fieldRect.top, CellSize, std::min(info->buildCols, FieldCells),
            std::min(info->buildRows, FieldCells)};
}
