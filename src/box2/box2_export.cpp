// savemap2: the current board as a new level file, the built picture as its sample.
#include <algorithm>

#include "core/int_lines.h"
#include "core/paths.h"
#include "box2/box2.h"
#include "box2/box2_level_file.h"
#include "box2/box2_text_io.h"

namespace {

const char* const kExportFile = "./levels/k2/Help_Save.ini";

bool IsOrigin(const LayerCell& cell, int row, int col) {
    return cell.figure > 0 && cell.originCol == col && cell.originRow == row;
}

// The copies on the field go back into the counts, each to the palette cell its figure would
// fly home to (the last that lists it), so the exported level offers what the picture needs.
void CountFieldCopies(int rows, int cols, Box2LevelData& out) {
    int32_t* home[Box2FigureCount + 1] = {};
    for (int pr = 0; pr < PaletteRows; ++pr)
        for (int pc = 0; pc < PaletteCols; ++pc) {
            const int32_t id = out.ids[pr][pc];
            if (id > 0 && id <= Box2FigureCount) home[id] = &out.counts[pr][pc];
        }
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            for (int k = 0; k < LayerCount; ++k) {
                const LayerCell& cell = g_buildLayers[k][r][c];
                if (!IsOrigin(cell, r, c) || cell.figure > Box2FigureCount || !home[cell.figure]) continue;
                int32_t& count = *home[cell.figure];
                if (count != UnlimitedCount && count < INT32_MAX) ++count;
            }
}

}  // namespace

// The board as a level: the palette as the level listed it with every copy counted, the build
// field cropped to what is built.
void BoardToLevel2(const LevelInfo& info, Box2LevelData& out) {
    out = Box2LevelData{};
    out.headerValue = info.headerValue;
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            // The listing, not the cells: a used-up figure has empty cells but keeps its id.
            out.ids[r][c] = g_paletteIds[r][c];
            out.counts[r][c] = g_paletteCounts[r][c];
        }
    int minCol = 1000, minRow = 1000, endCol = 0, endRow = 0, w = 1, h = 1;
    const int rows = std::clamp(info.buildRows, 0, GridSize);
    const int cols = std::clamp(info.buildCols, 0, GridSize);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            for (int k = 0; k < LayerCount; ++k) {
                const LayerCell& cell = g_buildLayers[k][r][c];
                if (!IsOrigin(cell, r, c)) continue;
                minCol = std::min(minCol, c);
                endCol = std::max(endCol, c + FigureCols(cell.figure));
                minRow = std::min(minRow, r);
                endRow = std::max(endRow, r + FigureRows(cell.figure));
                w = endCol - minCol;
                h = endRow - minRow;
            }
    CountFieldCopies(rows, cols, out);
    out.info = LevelInfo{info.headerValue, 2, w, h, w, h, 0};
    for (int k = 0; k < LayerCount; ++k)
        for (int r = 0; r < h; ++r)
            for (int c = 0; c < w; ++c) {
                const int br = minRow + r;
                const int bc = minCol + c;
                // An empty field has no box: nothing outside the board is read.
                if (br >= GridSize || bc >= GridSize) continue;
                const LayerCell& cell = g_buildLayers[k][br][bc];
                out.sample[k][r][c] = IsOrigin(cell, br, bc) ? cell.figure : 0;
            }
}

void savemap2() {
    if (g_screenState != ScreenBox2) return;
    const LevelInfo* info = CurrentLevelInfo();
    if (!info) return;
    static Box2LevelData level;
    BoardToLevel2(*info, level);
    IntLineWriter out;
    WriteLevelText2(level, out);
    out.SaveAtomic(UserPath(kExportFile));
}
