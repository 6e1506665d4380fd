#pragma once
// The small pictures of the start screens' level overview. A level's picture is its sample
// as pieces of the box's figure sheet; a free-construction level, which has no sample, shows
// the figures of its palette side by side instead.
#include <cstdint>
#include <string>
#include <vector>

#include "core/tables.h"

// One figure of a picture: its rectangle on the figure sheet and its top-left in picture pixels.
struct ThumbPiece {
    PixelRect source;
    int32_t x = 0;
    int32_t y = 0;
};

struct LevelThumb {
    bool readable = false;   // false: the level file could not be read
    int32_t maker = 0;       // a kept puzzle's first value: the picture of the child who made it
    std::vector<ThumbPiece> pieces;
};

// Reads and checks level file `path` of box 1 or 2 with the game's own reader; throws
// GameFileError naming the file.
LevelThumb ReadLevelThumb(int box, const std::string& path);

// Places the pieces left to right in rows of a roughly square block, keeping their order.
void PackPieces(std::vector<ThumbPiece>& pieces);
