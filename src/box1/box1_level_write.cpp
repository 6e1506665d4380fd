// Writing a whole box 1 level file, line for line as the reader takes it.
#include "box1/box1_level_write.h"

#include "core/int_lines.h"

namespace {

const char* const kSeparator = "-----------------------------";

void WriteGrid(const int32_t (&grid)[PaletteRows][PaletteCols], IntLineWriter& out) {
    for (int i = 0; i < PaletteRows; ++i) {
        for (int j = 0; j < PaletteCols; ++j) out.Int(grid[i][j]);
        out.Text(kSeparator);
    }
    out.Text(kSeparator);
}

}  // namespace

void WriteBox1Level(const Box1LevelData& level, IntLineWriter& out) {
    const LevelInfo& info = level.info;
    out.Int(info.headerValue);
    out.Text(kSeparator);
    WriteGrid(level.ids, out);
    WriteGrid(level.counts, out);
    for (int32_t v : {info.layout, info.buildCols, info.buildRows, info.sampleCols, info.sampleRows, info.freeBuild}) out.Int(v);
    out.Text(kSeparator);
    for (int r = 0; r < info.sampleRows; ++r) {
        for (int c = 0; c < info.sampleCols; ++c) {
            const size_t at = static_cast<size_t>(r) * info.sampleCols + c;
            out.Int(at < level.sample.size() ? level.sample[at] : 0);
        }
        out.Text(kSeparator);
    }
}
