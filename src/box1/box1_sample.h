#pragma once
// A box 1 level file read for its pictures only (the start screens' level overview): the
// sample as the game screen shows it and the palette figures, without touching the board.
#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"

// A figure whose top-left cell is (col, row) of its grid.
struct Box1PlacedFigure {
    int32_t figure = 0;
    int32_t col = 0;
    int32_t row = 0;
};

struct Box1LevelPicture {
    LevelInfo info;
    std::vector<Box1PlacedFigure> sample;    // in the screen's drawing order
    std::vector<Box1PlacedFigure> palette;   // in file order
};

// Reads and checks the whole level file as loadlevels does; throws GameFileError naming it.
Box1LevelPicture ReadBox1LevelPicture(const std::string& path);
