// The S key on the box 1 screen: the build field as the sample block of a level file, so a
// picture built in the game can become a level.
#include <string>

#include "core/int_lines.h"
#include "core/paths.h"
#include "box1/box1.h"
#include "box1/box1_board.h"
#include "box1/box1_steps.h"

namespace {
constexpr int ExportRows = 22;
constexpr int ExportCols = 16;
}  // namespace

void savemap() {
    if (g_screenState != ScreenBox1) return;
    IntLineWriter out;
    for (int r = 0; r < ExportRows; ++r) {
        for (int c = 0; c < ExportCols; ++c) {
            const CellRef& cell = g_box1Build[r][c];
            const bool origin = cell.originCol == c && cell.originRow == r;
            out.Int(origin ? cell.figure : 0);
        }
        out.Text("-----------------------------");
    }
    out.SaveAtomic(UserPath(kBox1ExportFile));
}
