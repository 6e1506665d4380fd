#pragma once
// A whole box 1 level as its file holds it: what the reader checks and the writer writes
// (the kept puzzles and the level generator), in the generator's line layout.
#include <cstdint>
#include <vector>

#include "core/game_state.h"
#include "box1/box1_board.h"

class IntLineWriter;

struct Box1LevelData {
    LevelInfo info;   // info.headerValue is the file's first value
    int32_t ids[PaletteRows][PaletteCols] = {};
    int32_t counts[PaletteRows][PaletteCols] = {};
    std::vector<int32_t> sample;   // sampleRows x sampleCols, row by row
};

// The level in the file layout: first value, palette ids and counts a row a block, the field
// sizes, the sample a row a block, each block closed by the separator line.
void WriteBox1Level(const Box1LevelData& level, IntLineWriter& out);
