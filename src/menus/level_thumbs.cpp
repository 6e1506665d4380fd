// Level files read for their pictures: the sample figures at their cells, or the palette.
#include "menus/level_thumbs.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "box1/box1_sample.h"
#include "box2/box2_level_file.h"

namespace {

constexpr int Box1CellPixels = 32;
constexpr int PackGap = 4;

int Width(const PixelRect& r) { return r.x2 - r.x1; }
int Height(const PixelRect& r) { return r.y2 - r.y1; }

ThumbPiece Box1Piece(const Box1PlacedFigure& placed) {
    const Box1Figure& f = g_box1Figures[placed.figure];
    return ThumbPiece{PixelRect{f.x1, f.x2, f.y1, f.y2}, placed.col * Box1CellPixels, placed.row * Box1CellPixels};
}

LevelThumb ReadBox1Thumb(const std::string& path) {
    const Box1LevelPicture picture = ReadBox1LevelPicture(path);
    LevelThumb thumb;
    thumb.readable = true;
    thumb.maker = picture.info.headerValue;
    const bool showPalette = picture.sample.empty() || picture.info.layout != 2;
    for (const Box1PlacedFigure& placed : showPalette ? picture.palette : picture.sample)
        if (placed.figure >= 1 && placed.figure <= Box1FigureCount) thumb.pieces.push_back(Box1Piece(placed));
    if (showPalette) PackPieces(thumb.pieces);
    return thumb;
}

void AddBox2Piece(LevelThumb& thumb, int32_t figure, int col, int row) {
    if (figure < 1 || figure > Box2FigureCount) return;
    thumb.pieces.push_back(ThumbPiece{g_box2Figures[figure].spriteRect, col * Box2Cell, row * Box2Cell});
}

LevelThumb ReadBox2Thumb(const std::string& path) {
    // About 100 KB: kept off the stack.
    const auto level = std::make_unique<Box2LevelData>();
    ReadLevelFile2(path, *level);
    LevelThumb thumb;
    thumb.readable = true;
    thumb.maker = level->headerValue;
    const LevelInfo& info = level->info;
    if (info.layout == 2) {
        // The screen's order: by row, by column, then the layers from the bottom.
        for (int r = 0; r < std::min(info.sampleRows, GridSize); ++r)
            for (int c = 0; c < std::min(info.sampleCols, GridSize); ++c)
                for (int k = 0; k < LayerCount; ++k) AddBox2Piece(thumb, level->sample[k][r][c], c, r);
    }
    if (!thumb.pieces.empty()) return thumb;
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) AddBox2Piece(thumb, level->ids[r][c], c, r);
    PackPieces(thumb.pieces);
    return thumb;
}

}  // namespace

LevelThumb ReadLevelThumb(int box, const std::string& path) {
    return box == 1 ? ReadBox1Thumb(path) : ReadBox2Thumb(path);
}

void PackPieces(std::vector<ThumbPiece>& pieces) {
    double area = 0;
    int widest = 0;
    for (const ThumbPiece& p : pieces) {
        area += double(Width(p.source) + PackGap) * (Height(p.source) + PackGap);
        widest = std::max(widest, Width(p.source));
    }
    const int rowWidth = std::max(widest, static_cast<int>(std::sqrt(area)));
    int x = 0, y = 0, rowHeight = 0;
    for (ThumbPiece& p : pieces) {
        if (x > 0 && x + Width(p.source) > rowWidth) {
            x = 0;
            y += rowHeight + PackGap;
            rowHeight = 0;
        }
        p.x = x;
        p.y = y;
        x += Width(p.source) + PackGap;
        rowHeight = std::max(rowHeight, Height(p.source));
    }
}
