// The box 2 board in the state dump.
#include <string>

#include "core/state_dump.h"
#include "box2/box2_board.h"

namespace {

template <typename Cell, typename Fn>
std::string Grid(const Cell (&grid)[PaletteRows][PaletteCols], Fn cellJson) {
    std::string json = "[";
    for (int r = 0; r < PaletteRows; ++r) {
        json += r ? ",[" : "[";
        for (int c = 0; c < PaletteCols; ++c) {
            if (c) json += ',';
            json += cellJson(grid[r][c]);
        }
        json += ']';
    }
    return json + "]";
}

std::string Layers(const LayerCell (&layers)[LayerCount][GridSize][GridSize]) {
    std::string json = "[";
    for (int k = 0; k < LayerCount; ++k) {
        json += k ? ",[" : "[";
        for (int r = 0; r < GridSize; ++r) {
            json += r ? ",[" : "[";
            for (int c = 0; c < GridSize; ++c) {
                const LayerCell& cell = layers[k][r][c];
                if (c) json += ',';
                json += "[" + std::to_string(cell.figure) + "," + std::to_string(cell.originCol) + "," +
                        std::to_string(cell.originRow) + "," + std::to_string(cell.cellValue) + "]";
            }
            json += ']';
        }
        json += ']';
    }
    return json + "]";
}

}  // namespace

void DumpBox2(StateDump& dump) {
    auto number = [](int32_t v) { return std::to_string(v); };
    dump.SetRaw("g_paletteIds", Grid(g_paletteIds, number));
    dump.SetRaw("g_paletteCells", Grid(g_paletteCells, [](const CellRef& c) {
                    return "[" + std::to_string(c.figure) + "," + std::to_string(c.originCol) + "," +
                           std::to_string(c.originRow) + "]";
                }));
    dump.SetRaw("g_paletteCounts", Grid(g_paletteCounts, number));
    dump.SetRaw("g_buildLayers", Layers(g_buildLayers));
    dump.SetRaw("g_sampleLayers", Layers(g_sampleLayers));
    // The mask as a digest: how many pixels are set and an FNV-1a hash of all of them.
    int64_t count = 0;
    uint32_t hash = 2166136261u;
    for (const auto& column : g_pixelMask)
        for (uint8_t v : column) {
            count += v != 0;
            hash = (hash ^ v) * 16777619u;
        }
    dump.SetInt("g_pixelMask.count", count);
    dump.SetInt("g_pixelMask.hash", hash);
}
