#include "level_art.h"

#include <algorithm>
#include <stdexcept>

namespace gen {
namespace {

char At(const ArtBlock& art, int x, int y) {
    if (y < 0 || y >= static_cast<int>(art.rows.size())) return '.';
    const std::string& row = art.rows[static_cast<size_t>(y)];
    return x < static_cast<int>(row.size()) ? row[static_cast<size_t>(x)] : '.';
}

bool Empty(char c) { return c == '.' || c == ' '; }

}  // namespace

int ArtCols(const ArtBlock& art) {
    size_t widest = 0;
    for (const std::string& row : art.rows) widest = std::max(widest, row.find_last_not_of(". ") + 1);
    return static_cast<int>(widest) * ArtCellsPerChar;
}

int ArtRows(const ArtBlock& art) { return static_cast<int>(art.rows.size()) * ArtCellsPerChar; }

std::vector<ArtFigure> TileArt(const ArtBlock& art, const std::map<char, int>& key, const FigureCells& cellsOf,
                               const std::string& file) {
    std::vector<ArtFigure> figures;
    std::vector<std::vector<bool>> taken(art.rows.size());
    for (size_t y = 0; y < art.rows.size(); ++y) taken[y].assign(art.rows[y].size(), false);
    for (int y = 0; y < static_cast<int>(art.rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(art.rows[static_cast<size_t>(y)].size()); ++x) {
            const char c = At(art, x, y);
            if (Empty(c) || taken[static_cast<size_t>(y)][static_cast<size_t>(x)]) continue;
            const int line = art.firstLine + y;
            const auto it = key.find(c);
            if (it == key.end())
                throw std::runtime_error(file + ":" + std::to_string(line) + ": no key for '" + std::string(1, c) + "'");
            const auto [cols, rows] = cellsOf(it->second);
            const int w = cols / ArtCellsPerChar, h = rows / ArtCellsPerChar;
            for (int dy = 0; dy < h; ++dy)
                for (int dx = 0; dx < w; ++dx) {
                    const int ty = y + dy, tx = x + dx;
                    if (At(art, tx, ty) != c || taken[static_cast<size_t>(ty)][static_cast<size_t>(tx)])
                        throw std::runtime_error(file + ":" + std::to_string(line) + ": figure '" + std::string(1, c) +
                                                 "' at column " + std::to_string(x) + " needs a " + std::to_string(w) +
                                                 " x " + std::to_string(h) + " block of its character");
                    taken[static_cast<size_t>(ty)][static_cast<size_t>(tx)] = true;
                }
            figures.push_back(ArtFigure{it->second, x * ArtCellsPerChar, y * ArtCellsPerChar, line});
        }
    return figures;
}

bool ReadArtKey(const std::vector<std::string>& args, std::map<char, int>& key) {
    if (args.size() != 2 || args[0].size() != 1) return false;
    try {
        size_t used = 0;
        const int id = std::stoi(args[1], &used);
        if (used != args[1].size() || id < 1) return false;
        key[args[0][0]] = id;
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace gen
