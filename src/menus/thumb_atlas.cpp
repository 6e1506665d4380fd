// Drawing level pictures small: each piece is sampled onto a canvas four times finer than
// the result, which is then averaged down, so thin outlines still show as soft lines.
#include "menus/thumb_atlas.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr int Fine = 4;   // canvas texels per result texel, each way

// Premultiplied colour, 0..255 per channel.
struct Premul {
    uint32_t a = 0, r = 0, g = 0, b = 0;
};

struct Canvas {
    int width = 0, height = 0;
    std::vector<Premul> pixels;
};

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
};

bool InsideSheet(const PixelRect& r, const plat::Image& sheet) {
    return r.x1 >= 0 && r.y1 >= 0 && r.x2 > r.x1 && r.y2 > r.y1 && r.x2 <= sheet.width && r.y2 <= sheet.height;
}

Box Bounds(const LevelThumb& thumb, const plat::Image& sheet) {
    Box box;
    for (const ThumbPiece& p : thumb.pieces) {
        if (!InsideSheet(p.source, sheet)) continue;
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x + p.source.x2 - p.source.x1);
        box.bottom = std::max(box.bottom, p.y + p.source.y2 - p.source.y1);
    }
    return box;
}

void BlendOver(Premul& dst, uint32_t argb) {
    const uint32_t a = argb >> 24;
    if (a == 0) return;
    if (a == 255) {   // most texels of a figure: no mixing needed
        dst = Premul{255, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF};
        return;
    }
    const uint32_t keep = 255 - a;
    dst.a = a + dst.a * keep / 255;
    dst.r = ((argb >> 16) & 0xFF) * a / 255 + dst.r * keep / 255;
    dst.g = ((argb >> 8) & 0xFF) * a / 255 + dst.g * keep / 255;
    dst.b = (argb & 0xFF) * a / 255 + dst.b * keep / 255;
}

// One piece, nearest texel, at `scale` canvas texels per picture pixel from (offsetX, offsetY).
void DrawPiece(Canvas& canvas, const ThumbPiece& p, const plat::Image& sheet, double scale, double offsetX,
               double offsetY) {
    const int w = p.source.x2 - p.source.x1, h = p.source.y2 - p.source.y1;
    const double left = offsetX + p.x * scale, top = offsetY + p.y * scale;
    const int x0 = std::max(0, static_cast<int>(left)), y0 = std::max(0, static_cast<int>(top));
    const int x1 = std::min(canvas.width, static_cast<int>(left + w * scale + 1));
    const int y1 = std::min(canvas.height, static_cast<int>(top + h * scale + 1));
    // The source column of every canvas column, worked out once for the piece.
    std::vector<int> columns;
    for (int cx = x0; cx < x1; ++cx) columns.push_back(static_cast<int>((cx + 0.5 - left) / scale));
    for (int cy = y0; cy < y1; ++cy) {
        const int sy = static_cast<int>((cy + 0.5 - top) / scale);
        if (sy < 0 || sy >= h) continue;
        const uint32_t* row = &sheet.pixels[static_cast<size_t>(p.source.y1 + sy) * sheet.width + p.source.x1];
        Premul* out = &canvas.pixels[static_cast<size_t>(cy) * canvas.width + x0];
        for (int i = 0; i < x1 - x0; ++i)
            if (columns[i] >= 0 && columns[i] < w) BlendOver(out[i], row[columns[i]]);
    }
}

// Averages Fine x Fine canvas texels into each atlas texel of the thumb's room.
void Downsample(const Canvas& canvas, plat::Image& atlas, int atlasX, int atlasY) {
    for (int y = 0; y < ThumbHeight; ++y)
        for (int x = 0; x < ThumbWidth; ++x) {
            Premul sum;
            for (int dy = 0; dy < Fine; ++dy)
                for (int dx = 0; dx < Fine; ++dx) {
                    const Premul& c = canvas.pixels[static_cast<size_t>(y * Fine + dy) * canvas.width + x * Fine + dx];
                    sum.a += c.a, sum.r += c.r, sum.g += c.g, sum.b += c.b;
                }
            if (sum.a == 0) continue;
            // Back to straight alpha: the sprite batch blends with the source alpha.
            const uint32_t a = sum.a / (Fine * Fine);
            const auto straight = [&](uint32_t v) { return std::min<uint32_t>(255, v * 255 / sum.a); };
            atlas.pixels[static_cast<size_t>(atlasY + y) * atlas.width + atlasX + x] =
                (a << 24) | (straight(sum.r) << 16) | (straight(sum.g) << 8) | straight(sum.b);
        }
}

void ComposeOne(const LevelThumb& thumb, const plat::Image& sheet, Canvas& canvas) {
    std::fill(canvas.pixels.begin(), canvas.pixels.end(), Premul{});
    const Box box = Bounds(thumb, sheet);
    if (box.right <= box.left || box.bottom <= box.top) return;
    const double w = box.right - box.left, h = box.bottom - box.top;
    const double scale = std::min({double(ThumbWidth) / w, double(ThumbHeight) / h, MaxThumbScale}) * Fine;
    const double offsetX = (canvas.width - w * scale) / 2 - box.left * scale;
    const double offsetY = (canvas.height - h * scale) / 2 - box.top * scale;
    for (const ThumbPiece& p : thumb.pieces)
        if (InsideSheet(p.source, sheet)) DrawPiece(canvas, p, sheet, scale, offsetX, offsetY);
}

}  // namespace

plat::Rect ThumbAtlasRect(int index) {
    const int x = (index % AtlasColumns) * ThumbWidth, y = (index / AtlasColumns) * ThumbHeight;
    return plat::Rect{x, y, x + ThumbWidth, y + ThumbHeight};
}

plat::Image ComposeThumbAtlas(const std::vector<LevelThumb>& thumbs, const plat::Image& sheet) {
    plat::Image atlas;
    const int count = static_cast<int>(thumbs.size());
    atlas.width = ThumbWidth * std::min(std::max(count, 1), AtlasColumns);
    atlas.height = ThumbHeight * std::max(1, (count + AtlasColumns - 1) / AtlasColumns);
    atlas.pixels.assign(static_cast<size_t>(atlas.width) * atlas.height, 0);
    if (static_cast<int64_t>(sheet.pixels.size()) < int64_t(sheet.width) * sheet.height) return atlas;
    Canvas canvas;
    canvas.width = ThumbWidth * Fine;
    canvas.height = ThumbHeight * Fine;
    canvas.pixels.resize(static_cast<size_t>(canvas.width) * canvas.height);
    for (int i = 0; i < count; ++i) {
        ComposeOne(thumbs[i], sheet, canvas);
        const plat::Rect room = ThumbAtlasRect(i);
        Downsample(canvas, atlas, room.left, room.top);
    }
    return atlas;
}
