#pragma once
// Level pictures drawn as text: each character of an art row stands for a square of two by
// two cells, and a figure larger than that is written as a block of the same character.
// Both boxes' level sources use it.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace gen {

constexpr int ArtCellsPerChar = 2;

struct ArtFigure {
    int id = 0, col = 0, row = 0, line = 0;
};

struct ArtBlock {
    int firstLine = 0;
    std::vector<std::string> rows;
};

// Size of a figure in cells: {columns, rows}.
using FigureCells = std::function<std::pair<int, int>(int id)>;

// Turns an art block into figures, row by row and left to right. '.' and ' ' are empty; any
// other character must be in `key`, and a figure's whole block must hold its character.
// Throws std::runtime_error naming the file and line on a broken picture.
std::vector<ArtFigure> TileArt(const ArtBlock& art, const std::map<char, int>& key, const FigureCells& cellsOf,
                               const std::string& file);

// Field size in cells that an art block needs.
int ArtCols(const ArtBlock& art);
int ArtRows(const ArtBlock& art);

// Reads "key C ID" (one character, one figure id) into `key`; false when the line is malformed.
bool ReadArtKey(const std::vector<std::string>& args, std::map<char, int>& key);

}  // namespace gen
