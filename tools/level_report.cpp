#include "level_report.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "canvas.h"
#include "core/tables.h"
#include "generators.h"
#include "platform/font.h"
#include "platform/image.h"

namespace gen {
namespace {

const char* const kTableStart = "<!-- level table -->";
const char* const kTableEnd = "<!-- end of level table -->";

constexpr int TileWidth = 256, TileHeight = 236, LabelHeight = 30, TilesPerRow = 8, Margin = 8;

struct SourceRect {
    int x = 0, y = 0, w = 0, h = 0;
};

SourceRect FigurePicture(int box, int id) {
    if (box == 1) {
        const Box1Figure& f = g_box1Figures[static_cast<size_t>(id)];
        return SourceRect{f.x1, f.y1, f.width, f.height};
    }
    const PixelRect& r = g_box2Figures[static_cast<size_t>(id)].spriteRect;
    return SourceRect{r.x1, r.y1, r.x2 - r.x1, r.y2 - r.y1};
}

RGBA FromArgb(uint32_t p) {
    return RGBA{((p >> 16) & 255) / 255.0f, ((p >> 8) & 255) / 255.0f, (p & 255) / 255.0f, (p >> 24) / 255.0f};
}

// Averages the source pixels under each target pixel, so shrunken pictures stay smooth.
void DrawScaled(Canvas& sheet, const plat::Image& src, const SourceRect& from, float x, float y, float scale) {
    const int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
    const int x1 = static_cast<int>(x + from.w * scale), y1 = static_cast<int>(y + from.h * scale);
    for (int ty = y0; ty < y1; ++ty)
        for (int tx = x0; tx < x1; ++tx) {
            // The first target column and row may start a fraction before the picture.
            const int sx0 = from.x + std::max(0, static_cast<int>((tx - x) / scale));
            const int sy0 = from.y + std::max(0, static_cast<int>((ty - y) / scale));
            const int sx1 = std::max(sx0 + 1, from.x + static_cast<int>((tx + 1 - x) / scale));
            const int sy1 = std::max(sy0 + 1, from.y + static_cast<int>((ty + 1 - y) / scale));
            RGBA sum;
            int n = 0;
            for (int sy = sy0; sy < std::min(sy1, from.y + from.h); ++sy)
                for (int sx = sx0; sx < std::min(sx1, from.x + from.w); ++sx, ++n) {
                    const RGBA c = FromArgb(src.pixels[static_cast<size_t>(sy) * src.width + sx]);
                    sum.r += c.r * c.a, sum.g += c.g * c.a, sum.b += c.b * c.a, sum.a += c.a;
                }
            if (n == 0 || sum.a <= 0 || tx < 0 || ty < 0 || tx >= sheet.width() || ty >= sheet.height()) continue;
            sheet.Blend(tx, ty, RGBA{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / n});
        }
}

void DrawLabel(Canvas& sheet, const std::string& text, int x, int y) {
    plat::Image label;
    if (!plat::RenderTextImage(text, LabelHeight - 8, label)) return;
    for (int ly = 0; ly < label.height; ++ly)
        for (int lx = 0; lx < std::min(label.width, TileWidth - 2 * Margin); ++lx)
            if (x + lx < sheet.width() && y + ly < sheet.height())
                sheet.Blend(x + lx, y + ly, FromArgb(label.pixels[static_cast<size_t>(ly) * label.width + lx]));
}

void DrawTile(Canvas& sheet, const plat::Image& figures, int box, const ReportedLevel& level, int left, int top) {
    const int cellPx = box == 1 ? 32 : 16;
    const int areaW = TileWidth - 2 * Margin, areaH = TileHeight - LabelHeight - 2 * Margin;
    const float scale = std::min(1.0f, std::min(float(areaW) / (level.cols * cellPx), float(areaH) / (level.rows * cellPx)));
    const float fx = left + Margin + (areaW - level.cols * cellPx * scale) / 2;
    const float fy = top + LabelHeight + Margin + (areaH - level.rows * cellPx * scale) / 2;
    sheet.Clear(static_cast<int>(fx), static_cast<int>(fy), static_cast<int>(fx + level.cols * cellPx * scale),
                static_cast<int>(fy + level.rows * cellPx * scale), Hex(0xF4EEDC));
    for (int layer = 1; layer <= 3; ++layer)
        for (const MeasuredFigure& f : level.sample)
            if (f.layer == layer)
                DrawScaled(sheet, figures, FigurePicture(box, f.id), fx + f.col * cellPx * scale, fy + f.row * cellPx * scale,
                           scale);
    DrawLabel(sheet, std::to_string(level.number) + " " + level.name, left + Margin, top + 4);
}

}  // namespace

void WriteLevelTable(const std::vector<ReportedLevel>& levels, const std::string& docPath) {
    std::ifstream in(docPath);
    if (!in) throw std::runtime_error("cannot read " + docPath);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    const size_t start = text.find(kTableStart), end = text.find(kTableEnd);
    if (start == std::string::npos || end == std::string::npos || end < start)
        throw std::runtime_error(docPath + ": no level table markers");
    std::string table = MeasureTableHead();
    for (const ReportedLevel& level : levels)
        if (!level.free) table += MeasureRow(level.number, level.name, level.measure) + "\n";
    const std::string updated = text.substr(0, start) + kTableStart + "\n" + table + text.substr(end);
    if (updated == text) return;
    std::ofstream file(docPath, std::ios::trunc);
    file << updated;
    if (!file) throw std::runtime_error("cannot write " + docPath);
}

void WarnCurveBreaks(const std::vector<ReportedLevel>& levels, const std::string& box) {
    std::vector<double> scores;
    for (const ReportedLevel& level : levels)
        if (!level.free) scores.push_back(level.measure.score);
    for (const std::string& complaint : CurveBreaks(scores))
        std::fprintf(stderr, "stroylik_gen: warning: %s: %s\n", box.c_str(), complaint.c_str());
}

void WriteContactSheet(const std::vector<ReportedLevel>& levels, int box, const std::string& out, const std::string& path) {
    plat::Image figures;
    std::string error;
    if (!plat::LoadImageFile(out + "/" + std::string(kSurfaceFiles[box == 1 ? 3 : 4]).substr(2), figures, error))
        throw std::runtime_error(error);
    const int count = static_cast<int>(std::count_if(levels.begin(), levels.end(), [](const ReportedLevel& l) { return !l.free; }));
    const int rows = std::max(1, (count + TilesPerRow - 1) / TilesPerRow);
    Canvas sheet(TilesPerRow * TileWidth, rows * TileHeight);
    sheet.Clear(0, 0, sheet.width(), sheet.height(), Hex(0xFFFFFF));
    int i = 0;
    for (const ReportedLevel& level : levels) {
        if (level.free) continue;
        DrawTile(sheet, figures, box, level, (i % TilesPerRow) * TileWidth, (i / TilesPerRow) * TileHeight);
        ++i;
    }
    EnsureParentDir(path);
    if (!sheet.SavePng(path)) throw std::runtime_error("cannot write " + path);
}

}  // namespace gen
