// Box 2 progress files (925,159 lines): the game's SaveK2 (on the disk and on tmpfs) and
// loadsavedlevel2 beside a plain std::ofstream line writer and a std::getline + std::stoi
// reader of the same file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/game_state.h"
#include "core/tables.h"
#include "box2/box2.h"
#include "box2/box2_board.h"

namespace {

// The board of a loaded level 1, made once.
void FillBoard() {
    FillFigureTables();
    g_currentLevel = 1;
    g_levelInfo[1] = LevelInfo{3, 2, 20, 16, 20, 16, 0};
    ClearBoard2();
    for (int x = 0; x < MaskCols; ++x)
        for (int y = 0; y < MaskRows; ++y) g_pixelMask[x][y] = ((x / 16 + y / 16) % 3) == 0;
    for (int r = 0; r < 16; r += 2)
        for (int c = 0; c < 20; c += 2)
            for (int k = 0; k < LayerCount; ++k) g_buildLayers[k][r][c] = LayerCell{1 + (r + c) % 84, c, r, 17};
    for (int c = 0; c < 70; c += 5) {
        g_paletteIds[0][c] = 85;
        g_paletteCells[0][c] = CellRef{85, c, 0};
        g_paletteCounts[0][c] = 255;
    }
    // The board above stands for a loaded level 1: saves are only written for a loaded board.
    g_box2BoardLevel = 1;
}

// A scratch game folder under `root` with a saved board of level 1 in it. Saves are synced
// to the disk, so where the folder lives decides their cost: tmpfs ("/dev/shm") keeps
// only the formatting, a disk adds the device's flushes.
struct Scratch {
    explicit Scratch(const std::filesystem::path& root) {
        static const bool filled = (FillBoard(), true);
        (void)filled;
        previous = std::filesystem::current_path();
        dir = root / ("stroylik_bench_box2_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "save" / "k2");
        std::filesystem::current_path(dir);
        SaveK2();
        if (!std::filesystem::exists("save/k2/sk_1.dat")) {
            std::fprintf(stderr, "bench: SaveK2 wrote no progress file in %s\n", dir.c_str());
            std::exit(1);
        }
    }
    ~Scratch() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir, previous;
};

// The folder the benchmarks run in: the system's temporary folder, or STROYLIK_BENCH_DISK.
std::filesystem::path DiskRoot() {
    const char* chosen = std::getenv("STROYLIK_BENCH_DISK");
    return chosen && *chosen ? std::filesystem::path(chosen) : std::filesystem::temp_directory_path();
}

Scratch& Setup() {
    static Scratch scratch(DiskRoot());
    return scratch;
}

const char* const kSave = "./save/k2/sk_1.dat";

void BM_SaveK2(benchmark::State& state) {
    Setup();
    for (auto _ : state) SaveK2();
    state.SetItemsProcessed(state.iterations() * 925159);
}
BENCHMARK(BM_SaveK2)->Unit(benchmark::kMillisecond);

// The same save on tmpfs: the cost of the game's own work, without the device's flushes.
void BM_SaveK2OnTmpfs(benchmark::State& state) {
    Setup();
    Scratch tmpfs("/dev/shm");   // back in the disk folder when it goes
    for (auto _ : state) SaveK2();
    state.SetItemsProcessed(state.iterations() * 925159);
}
BENCHMARK(BM_SaveK2OnTmpfs)->Unit(benchmark::kMillisecond);

void BM_loadsavedlevel2(benchmark::State& state) {
    Setup();
    for (auto _ : state) loadsavedlevel2();
    state.SetItemsProcessed(state.iterations() * 925159);
}
BENCHMARK(BM_loadsavedlevel2)->Unit(benchmark::kMillisecond);

// The plain way: one stream insertion per line.
void BM_PlainOfstreamWriter(benchmark::State& state) {
    Setup();
    for (auto _ : state) {
        std::ofstream out("./save/k2/plain.dat", std::ios::binary | std::ios::trunc);
        out << g_levelInfo[1].headerValue << "\r\n";
        for (int x = 0; x < MaskCols; ++x)
            for (int y = 0; y < MaskRows; ++y) out << static_cast<int>(g_pixelMask[x][y]) << "\r\n";
        for (int r = 0; r < GridSize; ++r)
            for (int c = 0; c < GridSize; ++c)
                for (int k = 0; k < LayerCount; ++k) {
                    const LayerCell& cell = g_buildLayers[k][r][c];
                    out << cell.cellValue << "\r\n" << cell.figure << "\r\n" << cell.originCol << "\r\n" << cell.originRow << "\r\n";
                }
        for (int r = 0; r < PaletteRows; ++r)
            for (int c = 0; c < PaletteCols; ++c) {
                const CellRef& cell = g_paletteCells[r][c];
                out << cell.figure << "\r\n" << cell.originCol << "\r\n" << cell.originRow << "\r\n"
                    << g_paletteIds[r][c] << "\r\n" << g_paletteCounts[r][c] << "\r\n";
            }
        const LevelInfo& i = g_levelInfo[1];
        for (int v : {i.layout, i.buildCols, i.buildRows, i.sampleCols, i.sampleRows, i.freeBuild}) out << v << "\r\n";
    }
    state.SetItemsProcessed(state.iterations() * 925159);
}
BENCHMARK(BM_PlainOfstreamWriter)->Unit(benchmark::kMillisecond);

// The plain way: std::getline and std::stoi, a string per line.
void BM_PlainGetlineReader(benchmark::State& state) {
    Setup();
    std::vector<int> values;
    values.reserve(925159);
    for (auto _ : state) {
        values.clear();
        std::ifstream in(kSave, std::ios::binary);
        for (std::string line; std::getline(in, line);) values.push_back(std::stoi(line));
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(state.iterations() * 925159);
}
BENCHMARK(BM_PlainGetlineReader)->Unit(benchmark::kMillisecond);

}  // namespace
