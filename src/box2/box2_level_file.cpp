// Box 2 level files: read, check, write and apply.
#include "box2/box2_level_file.h"

#include "core/game_error.h"
#include "core/int_lines.h"
#include "core/my_levels.h"
#include "core/paths.h"
#include "box2/box2_text_io.h"

namespace {

const char* const kRowLine = "-----------------------------";
const char* const kBlockLine = "/////////////////////////////";
const char* const kFiguresLine = "figurs";
const char* const kLayerLine = "dub_pole//////////////////////////////////////";

void ParseFrom(IntLineReader& in, Box2LevelData& out) {
    out.headerValue = in.Int();
    in.Skip();
    for (int r = 0; r < PaletteRows; ++r) {
        for (int c = 0; c < PaletteCols; ++c) {
            const int32_t v = in.Int();
            if (v > Box2FigureCount) in.Fail("figure id " + std::to_string(v) + " is beyond " + std::to_string(Box2FigureCount));
            if (v > 0 && !ExtentInside(v, r, c, PaletteRows, PaletteCols))
                in.Fail("palette figure " + std::to_string(v) + " reaches outside the palette");
            out.ids[r][c] = v;
        }
        in.Skip();
    }
    in.Skip();
    for (int r = 0; r < PaletteRows; ++r) {
        for (int c = 0; c < PaletteCols; ++c) out.counts[r][c] = in.Int();
        in.Skip();
    }
    in.Skip();
    out.info.headerValue = out.headerValue;
    out.info.layout = in.Int();
    out.info.buildCols = in.IntIn(1, MaxBuildCols2, "build field width");
    out.info.buildRows = in.IntIn(1, MaxBuildRows2, "build field height");
    out.info.sampleCols = in.IntIn(1, MaxSampleCols2, "sample field width");
    out.info.sampleRows = in.IntIn(1, MaxSampleRows2, "sample field height");
    out.info.freeBuild = in.Int();
    in.Skip();
    for (int k = 0; k < LayerCount; ++k) {
        if (k > 0) in.Skip();
        for (int r = 0; r < out.info.sampleRows; ++r) {
            for (int c = 0; c < out.info.sampleCols; ++c) {
                const int32_t v = in.Int();
                if (v > Box2FigureCount) in.Fail("figure id " + std::to_string(v) + " is beyond " + std::to_string(Box2FigureCount));
                if (v > 0 && !ExtentInside(v, r, c, GridSize, GridSize))
                    in.Fail("sample figure " + std::to_string(v) + " reaches outside the 64 x 64 grid");
                out.sample[k][r][c] = v;
            }
            in.Skip();
        }
    }
}

}  // namespace

void ParseLevel2(const std::string& name, const char* data, size_t size, Box2LevelData& out) {
    out = Box2LevelData{};
    IntLineReader in(name, data, size);
    ParseFrom(in, out);
}

void ReadLevelFile2(const std::string& path, Box2LevelData& out) {
    out = Box2LevelData{};
    IntLineReader in(path);
    ParseFrom(in, out);
}

void WriteLevelText2(const Box2LevelData& level, IntLineWriter& out) {
    out.Int(level.headerValue);
    out.Text(kRowLine);
    for (const auto& row : level.ids) {
        for (int32_t v : row) out.Int(v);
        out.Text(kRowLine);
    }
    out.Text(kBlockLine);
    for (const auto& row : level.counts) {
        for (int32_t v : row) out.Int(v);
        out.Text(kRowLine);
    }
    out.Text(kBlockLine);
    const LevelInfo& info = level.info;
    for (int32_t v : {info.layout, info.buildCols, info.buildRows, info.sampleCols, info.sampleRows, info.freeBuild})
        out.Int(v);
    out.Text(kFiguresLine);
    for (int k = 0; k < LayerCount; ++k) {
        if (k > 0) out.Text(kLayerLine);
        for (int r = 0; r < info.sampleRows; ++r) {
            for (int c = 0; c < info.sampleCols; ++c)
                out.Int(r < GridSize && c < GridSize ? level.sample[k][r][c] : 0);
            out.Text(kRowLine);
        }
    }
}

void ApplyLevel2(const Box2LevelData& level, int levelNumber) {
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) {
            const int32_t v = level.ids[r][c];
            if (v > 0)
                for (int dr = 0; dr < FigureRows(v); ++dr)
                    for (int dc = 0; dc < FigureCols(v); ++dc) g_paletteCells[r + dr][c + dc] = CellRef{v, c, r};
            g_paletteIds[r][c] = v;
        }
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteCols; ++c) g_paletteCounts[r][c] = level.counts[r][c];
    if (levelNumber >= 0 && levelNumber <= MaxPlayLevel) g_levelInfo[levelNumber] = level.info;
    for (int k = 0; k < LayerCount; ++k) {
        for (int r = 0; r < level.info.sampleRows; ++r)
            for (int c = 0; c < level.info.sampleCols; ++c) g_sampleLayers[k][r][c] = LayerCell{level.sample[k][r][c], c, r, 0};
        ExpandSampleLayer2(k, level.info.sampleCols, level.info.sampleRows);
    }
}

std::string LevelFileName2(int levelNumber) {
    if (IsMyLevel(levelNumber)) return MyLevelPath(2, levelNumber);
    return GamePath(g_levelPathPrefix + std::to_string(levelNumber) + ".ini");
}

std::string SaveFileName2(int levelNumber) { return UserPath("./save/k2/sk_" + std::to_string(levelNumber) + ".dat"); }

std::string BoardFileName2(int levelNumber) {
    return IsMyLevel(levelNumber) ? MyLevelBoardFile(2, levelNumber) : SaveFileName2(levelNumber);
}
